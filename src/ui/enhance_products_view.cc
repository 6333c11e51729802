#include "ui/enhance_products_view.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>
#include <filesystem>

#include "app/product_table_step.h"
#include "products/product_column.h"
#include "ui/button_column.h"
#include "ui/product_attribute_dialogs.h"
#include "ui/product_grid.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

namespace {

// The thumbnails' height and the lines' height that holds them.
constexpr int kThumbnailHeight = 36;
constexpr int kLineHeight = kThumbnailHeight + 4;

// A column whose cells show `text` of a row.
ProductTableModel::Column textColumn(const CExtraFields& table, const QString& title,
                                     std::function<QString(const CExtraItem&)> text,
                                     int width = 10) {
  return {title,
          [&table, text = std::move(text)](int32_t row, int role) {
            if (role != Qt::DisplayRole) return QVariant();
            return QVariant(text(table.rows[static_cast<size_t>(row)]));
          },
          width};
}

QString yesOrEmpty(bool yes) { return yes ? "Yes" : ""; }

}  // namespace

EnhanceProductsView::EnhanceProductsView(ProductTableStep& model, std::function<void()> help,
                                         QWidget* parent)
    : ModelDialog(model, Buttons::kStep, std::move(help), parent),
      model_(model),
      enhance_(model.enhance),
      thumbnails_(model.home(), kThumbnailHeight),
      filter_(new QComboBox) {
  enhanceSubscription_ = enhance_.subscribe([this] { filterChosen(); });
  rows_ = new ProductTableModel(model.table, columns());
  grid_ = productGrid(rows_);
  grid_->verticalHeader()->setDefaultSectionSize(kLineHeight);
  grid_->setIconSize(QSize(kThumbnailHeight * 2, kThumbnailHeight));

  for (const std::string& entry : enhance_.filterEntries()) filter_->addItem(toQt(entry));
  connect(filter_, &QComboBox::activated, this, [this] { filterChosen(); });
  auto* filterRow = new QFormLayout;
  filterRow->addRow("Filter Products &by:", filter_);

  auto* row = new QHBoxLayout;
  row->addWidget(grid_, 1);
  row->addLayout(buttonColumn(
      this, {{"&Link", [this] { setLink(); }},
             {"P&icture", [this] { setPicture(); }},
             {"&Featured Item", [this] { setFeaturedItem(); }},
             {"P&ublish Item", [this] { setPublishItem(); }},
             {"P&roduct Features",
              [this] { model_.setProductFeatures(selectedTableRows(*grid_)); }},
             {"&Download Item", [this] { setDownloadItem(); }},
             {"&Set All Attributes",
              [this] { model_.setAllAttributes(selectedTableRows(*grid_)); }},
             {"F&eature Definitions", [&model = model_] { model.editFeatureDefinitions(); }},
             {"Produc&t Sorting", [&model = model_] { model.sortProducts(); }}}));
  body()->addLayout(filterRow);
  body()->addLayout(row);
  resize(980, 520);
}

EnhanceProductsView::~EnhanceProductsView() { enhance_.unsubscribe(enhanceSubscription_); }

std::vector<ProductTableModel::Column> EnhanceProductsView::columns() {
  const CExtraFields& table = model_.table;
  std::vector<ProductTableModel::Column> columns{
      ProductTableModel::lineNumberColumn(),
      ProductTableModel::productColumn(table, kPartNumberColumn),
      {"Category",
       [&enhance = enhance_](int32_t row, int role) {
         return role == Qt::DisplayRole ? QVariant(toQt(enhance.categoryShown(row))) : QVariant();
       },
       12},
      ProductTableModel::productColumn(table, kDescriptionColumn),
      textColumn(table, "Link",
                 [](const CExtraItem& item) {
                   if (item.linkFlag == 1) return QString("Product Page");
                   return item.linkFlag == 2 ? toQt(item.link) : QString();
                 },
                 14),
      {"Picture",
       [&table, &thumbnails = thumbnails_](int32_t row, int role) {
         const CExtraItem& item = table.rows[static_cast<size_t>(row)];
         if (role == Qt::DecorationRole && item.pictureFlag == 2) {
           return QVariant(thumbnails.thumbnail(item.picture));
         }
         if (role != Qt::DisplayRole) return QVariant();
         if (item.pictureFlag == 1) return QVariant("Never");
         if (item.pictureFlag != 2) return QVariant();
         // The name alone; the thumbnail shows the rest.
         const std::string& path = item.picture;
         return QVariant(toQt(path.substr(path.find_last_of("/\\") + 1)));
       },
       26}};
  for (size_t feature = 0; feature < table.featureDefinitions.size(); ++feature) {
    columns.push_back(textColumn(table, toQt(table.featureDefinitions[feature].name),
                                 [feature](const CExtraItem& item) {
                                   if (feature >= item.featureSelections.size()) return QString();
                                   QStringList chosen;
                                   for (const std::string& option :
                                        item.featureSelections[feature].selectedOptions) {
                                     chosen << toQt(option);
                                   }
                                   return chosen.join(", ");
                                 }));
  }
  columns.push_back(textColumn(table, "Featured", [](const CExtraItem& item) {
    return yesOrEmpty(item.featureFlag == 0);
  }, 8));
  columns.push_back(textColumn(table, "Publish", [](const CExtraItem& item) {
    return QString(item.publishState == 1 ? "No" : "Yes");
  }, 8));
  columns.push_back(textColumn(table, "Download", [](const CExtraItem& item) {
    return yesOrEmpty(item.downloadFlag == 1);
  }, 8));
  columns.push_back(ProductTableModel::productColumn(table, kSalesDescriptionColumn));
  return columns;
}

void EnhanceProductsView::showModel() {
  // The feature definitions may have changed, and with them the columns.
  rows_->setColumns(columns());
  sizeColumns(*grid_);
  filterChosen();
}

void EnhanceProductsView::filterChosen() {
  if (filter_->currentIndex() <= 0) {
    rows_->showRows(std::nullopt);
  } else {
    rows_->showRows(enhance_.rowsShown(fromQt(filter_->currentText())));
  }
}

std::optional<EnhanceProductsView::Selection> EnhanceProductsView::beginSet(
    ProductAttribute attribute) {
  std::vector<int32_t> rows = selectedTableRows(*grid_);
  if (!enhance_.beginSetAttribute(attribute, rows)) return std::nullopt;
  // The dialogs open on a copy: setting the rows changes the first one.
  CExtraItem first = model_.table.rows[static_cast<size_t>(rows.front())];
  return Selection{std::move(rows), std::move(first)};
}

void EnhanceProductsView::setLink() {
  const std::optional<Selection> selection = beginSet(ProductAttribute::kLink);
  if (!selection) return;
  if (auto link = askProductLink({selection->first.link, selection->first.linkFlag}, this)) {
    enhance_.setLink(selection->rows, link->text, link->flag);
  }
}

void EnhanceProductsView::setPicture() {
  const std::optional<Selection> selection = beginSet(ProductAttribute::kPicture);
  if (!selection) return;
  const CExtraItem& first = selection->first;
  const PathChooser choose = [this](const std::string& current) {
    return model_.choosePictureFile(current);
  };
  if (auto picture = askProductPicture({first.picture, first.pictureFlag}, choose, this)) {
    enhance_.setPicture(selection->rows, picture->text, picture->flag);
  }
}

void EnhanceProductsView::setFeaturedItem() {
  const std::optional<Selection> selection = beginSet(ProductAttribute::kFeaturedItem);
  if (!selection) return;
  if (auto flag = askChoice("Featured Item Flag", {"&Featured Item", "&Not Featured Item"},
                            selection->first.featureFlag, this)) {
    enhance_.setFeatureFlag(selection->rows, *flag);
  }
}

void EnhanceProductsView::setPublishItem() {
  const std::optional<Selection> selection = beginSet(ProductAttribute::kPublishItem);
  if (!selection) return;
  if (auto state = askChoice("Publish Item Flag", {"&Publish Item", "&Do NOT Publish  Item"},
                             selection->first.publishState, this)) {
    enhance_.setPublishState(selection->rows, *state);
  }
}

void EnhanceProductsView::setDownloadItem() {
  const std::optional<Selection> selection = beginSet(ProductAttribute::kDownloadItem);
  if (!selection) return;
  const CExtraItem& first = selection->first;
  if (auto download = askDownload(
          {first.downloadPath, first.downloadPassword, first.downloadFlag, first.uploadFlag},
          this)) {
    enhance_.setDownload(selection->rows, download->path, download->password,
                         download->downloadFlag, download->uploadFlag);
  }
}

}  // namespace quorvex::ui
