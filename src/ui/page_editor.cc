#include "ui/page_editor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "app/page_layout_step.h"
#include "site/contact_page.h"
#include "site/full_page.h"
#include "site/order_form_page.h"
#include "site/prod_half_pages.h"
#include "site/product_page.h"
#include "site/spec_category_page.h"
#include "ui/extra_pictures_group.h"
#include "ui/colour_button.h"
#include "ui/field_binding.h"
#include "ui/qt_font_colour.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

namespace {

// The largest side of the page picture's thumbnail.
constexpr int kThumbnailSize = 96;

using PagePicture = PageLayoutStep::PagePicture;

}  // namespace

PageEditor::PageEditor(PageLayoutStep& step, CPage& page, QWidget* parent)
    : QWidget(parent), step_(step), page_(page), label_(new QLineEdit) {
  auto* form = new QFormLayout;
  form->addRow("Page &Label:", label_);
  connect(label_, &QLineEdit::textEdited, this, [this](const QString& text) {
    // A refused label leaves the page's own in the field.
    if (!step_.setLabel(fromQt(text))) refresh();
  });
  addTextRow(*form, "Page Sou&rce:", page.templateFile);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  if (auto* full = dynamic_cast<CFullPage*>(&page)) {
    addTexts(*form, *full);
    layout->addWidget(pictureGroup(*full));
    extraPictures_ = new ExtraPicturesGroup(step_, *full);
    layout->addWidget(extraPictures_);
  }
  layout->addWidget(appearanceGroup());
  layout->addWidget(linksGroup());
  if (auto* contact = dynamic_cast<CContactPage*>(&page)) layout->addWidget(contactGroup(*contact));
  if (auto* product = dynamic_cast<CProductPage*>(&page)) layout->addWidget(productGroup(*product));
  if (auto* orderForm = dynamic_cast<COrderFormPage*>(&page)) {
    auto* extra = new QPushButton("Extra &Fields...");
    connect(extra, &QPushButton::clicked, this,
            [this, orderForm] { step_.editExtraFields(*orderForm); });
    form->addRow("Order form:", extra);
  }
  if (auto* category = dynamic_cast<CSpecCategoryPage*>(&page)) {
    addTextRow(*form, "Cate&gory:", category->whichCategory);
  }
  layout->addStretch();
  refresh();
}

void PageEditor::addTexts(QFormLayout& form, CFullPage& page) {
  addLineRow(form, "Hea&der:", page.header, page.headerFont);
  addLineRow(form, "S&ubheader:", page.subheader, page.subheaderFont);
  addBlockRow(form, "Main &Text:", page.mainText, page.mainTextFont);
  if (page.textBlockCount >= 2) addBlockRow(form, "Text Block &2:", page.mainText1, page.mainText1Font);
  if (page.textBlockCount >= 3) addBlockRow(form, "Text Block &3:", page.mainText2, page.mainText2Font);
}

void PageEditor::addLineRow(QFormLayout& form, const QString& label, std::string& text,
                            CFontData& font) {
  auto* edit = new QLineEdit;
  bind(*edit, text);
  auto* row = new QHBoxLayout;
  row->addWidget(edit, 1);
  row->addWidget(fontButton(font, QString(label).remove('&').remove(':')));
  auto* caption = new QLabel(label);
  caption->setBuddy(edit);
  form.addRow(caption, row);
}

void PageEditor::addBlockRow(QFormLayout& form, const QString& label, std::string& text,
                             CFontData& font) {
  auto* edit = new QPlainTextEdit;
  bind(*edit, text);
  edit->setMinimumHeight(70);
  edit->setTabChangesFocus(true);
  auto* fontColumn = new QVBoxLayout;
  fontColumn->addWidget(fontButton(font, QString(label).remove('&').remove(':')));
  fontColumn->addStretch();
  auto* row = new QHBoxLayout;
  row->addWidget(edit, 1);
  row->addLayout(fontColumn);
  auto* caption = new QLabel(label);
  caption->setBuddy(edit);
  form.addRow(caption, row);
}

QWidget* PageEditor::fontButton(CFontData& font, const QString& what) {
  auto* button = new QPushButton("Font...");
  connect(button, &QPushButton::clicked, this, [this, &font, what] {
    bool chosen = false;
    const QFont picked = QFontDialog::getFont(&chosen, toQFont(font), this, what + " Font");
    if (chosen) storeQFont(picked, font);
  });
  auto* colour = new ColourButton(
      "", [&font] { return font.color; },
      [&font](int32_t value) {
        font.color = value;
        font.dialogColor = value;
      });
  colour->setToolTip(what + " colour");
  auto* pair = new QWidget;
  auto* row = new QHBoxLayout(pair);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(button);
  row->addWidget(colour);
  return pair;
}

QWidget* PageEditor::pictureGroup(CFullPage& page) {
  pictureChoice_ = new QButtonGroup(this);
  const std::pair<const char*, PagePicture> kChoices[] = {
      {"St&yle's picture", PagePicture::kStyleDefault},
      {"&Own picture:", PagePicture::kOwn},
      {"&Without picture", PagePicture::kNone}};
  auto* choices = new QVBoxLayout;
  for (const auto& [text, choice] : kChoices) {
    auto* radio = new QRadioButton(text);
    pictureChoice_->addButton(radio, static_cast<int>(choice));
    choices->addWidget(radio);
  }
  connect(pictureChoice_, &QButtonGroup::idClicked, this, [this, &page](int choice) {
    PageLayoutStep::setPagePicture(page, static_cast<PagePicture>(choice));
    refresh();
  });

  picturePath_ = new QLineEdit;
  picturePath_->setReadOnly(true);
  auto* browse = new QPushButton("&Browse...");
  connect(browse, &QPushButton::clicked, this, [this, &page] { step_.browsePageImage(page); });
  auto* pathRow = new QHBoxLayout;
  pathRow->addWidget(picturePath_, 1);
  pathRow->addWidget(browse);

  auto* resize = new QCheckBox("Resi&ze to");
  bind(*resize, page.resizePageImage);
  auto* width = new QSpinBox;
  width->setRange(1, 2000);
  width->setSuffix(" pixels");
  bind(*width, page.pageImageWidth);
  auto* sizeRow = new QHBoxLayout;
  sizeRow->addWidget(resize);
  sizeRow->addWidget(width);
  sizeRow->addStretch();

  auto* details = new QVBoxLayout;
  details->addLayout(pathRow);
  details->addLayout(sizeRow);
  details->addStretch();
  thumbnail_ = new QLabel;
  thumbnail_->setFixedSize(kThumbnailSize, kThumbnailSize);
  thumbnail_->setAlignment(Qt::AlignCenter);
  thumbnail_->setFrameShape(QFrame::StyledPanel);

  auto* group = new QGroupBox("Page Picture");
  auto* row = new QHBoxLayout(group);
  row->addLayout(choices);
  row->addLayout(details, 1);
  row->addWidget(thumbnail_);
  return group;
}

QWidget* PageEditor::appearanceGroup() {
  CPage& page = page_;
  auto* colours = new QHBoxLayout;
  for (ColourButton* button :
       pageColourButtons(page, {"Background", "Text", "Link", "Visited link"})) {
    colours->addWidget(button);
  }
  colours->addStretch();

  auto* margin = new QLineEdit(toQt(page.getOffsetNumber()));
  margin->setMaximumWidth(70);
  auto* percent = new QCheckBox("% of the window");
  percent->setChecked(page.isOffsetPercent());
  const auto storeMargin = [&page, margin, percent] {
    page.setOffset(fromQt(margin->text()), percent->isChecked());
  };
  connect(margin, &QLineEdit::textEdited, this, storeMargin);
  connect(percent, &QCheckBox::toggled, this, storeMargin);
  auto* marginRow = new QHBoxLayout;
  marginRow->addWidget(margin);
  marginRow->addWidget(percent);
  marginRow->addStretch();

  auto* form = new QFormLayout;
  form->addRow("Colours:", colours);
  auto* marginLabel = new QLabel("Left &margin:");
  marginLabel->setBuddy(margin);
  form->addRow(marginLabel, marginRow);
  addTextRow(*form, "B&ackground picture:", page.backImage);
  auto* group = new QGroupBox("Appearance");
  group->setLayout(form);
  return group;
}

QWidget* PageEditor::linksGroup() {
  links_ = new QListWidget;
  links_->setMaximumHeight(110);
  CPage& page = page_;
  PageLayoutStep& model = step_;
  connect(links_, &QListWidget::itemChanged, this, [this, &page, &model](QListWidgetItem* item) {
    const bool checked = item->checkState() == Qt::Checked;
    const QVariant label = item->data(Qt::UserRole);
    if (label.isValid()) {
      page.setShowsLinkTo(fromQt(label.toString()), checked, model.linkableLabels());
    } else {
      page.setShowsAllLinks(checked, model.linkableLabels());
    }
    refreshLinks();
  });
  auto* form = new QFormLayout;
  auto* shownLabel = new QLabel("Sho&w links to:");
  shownLabel->setBuddy(links_);
  form->addRow(shownLabel, links_);
  form->addRow("Link font:", fontButton(page_.linkFont, "Link"));
  auto* group = new QGroupBox("Links");
  group->setLayout(form);
  return group;
}

void PageEditor::refreshLinks() {
  // Updated in place: this runs inside the list's own itemChanged signal.
  const QSignalBlocker blocker(links_);
  const std::vector<std::string> labels = step_.linkableLabels();
  if (links_->count() != static_cast<int>(labels.size()) + 1) {
    links_->clear();
    new QListWidgetItem("All pages, including pages added later", links_);
    for (size_t i = 0; i < labels.size(); ++i) new QListWidgetItem(links_);
  }
  const bool all = page_.displayedLinks == kAllLinks;
  links_->item(0)->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
  links_->item(0)->setCheckState(all ? Qt::Checked : Qt::Unchecked);
  for (size_t i = 0; i < labels.size(); ++i) {
    QListWidgetItem* item = links_->item(static_cast<int>(i) + 1);
    item->setText(toQt(labels[i]));
    item->setData(Qt::UserRole, toQt(labels[i]));
    Qt::ItemFlags flags = Qt::ItemIsUserCheckable;
    if (!all) flags |= Qt::ItemIsEnabled;
    item->setFlags(flags);
    item->setCheckState(page_.showsLinkTo(labels[i]) ? Qt::Checked : Qt::Unchecked);
  }
}

QWidget* PageEditor::contactGroup(CContactPage& page) {
  auto* list = new QListWidget;
  CContactChecks& checks = page.contactChecks;
  const std::pair<const char*, std::vector<CCheck>*> kLists[] = {
      {"Address", &checks.addressChecks},
      {"Phone", &checks.phoneChecks},
      {"E-mail", &checks.emailChecks}};
  for (const auto& [kind, entries] : kLists) {
    for (CCheck& check : *entries) {
      auto* item = new QListWidgetItem(QString("%1: %2").arg(kind, toQt(check.label)), list);
      item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
      item->setCheckState(check.checked != 0 ? Qt::Checked : Qt::Unchecked);
      item->setData(Qt::UserRole, QVariant::fromValue(static_cast<void*>(&check)));
    }
  }
  connect(list, &QListWidget::itemChanged, this, [](QListWidgetItem* item) {
    static_cast<CCheck*>(item->data(Qt::UserRole).value<void*>())->checked =
        item->checkState() == Qt::Checked ? 1 : 0;
  });
  list->setMaximumHeight(120);
  auto* group = new QGroupBox("Shown on This Page");
  (new QVBoxLayout(group))->addWidget(list);
  return group;
}

QWidget* PageEditor::productGroup(CProductPage& page) {
  auto* form = new QFormLayout;
  layoutFile_ = new QLineEdit;
  layoutFile_->setReadOnly(true);
  auto* choose = new QPushButton("Choose...");
  connect(choose, &QPushButton::clicked, this, [this, &page] { step_.chooseDisplayStyle(page); });
  auto* styleRow = new QHBoxLayout;
  styleRow->addWidget(layoutFile_, 1);
  styleRow->addWidget(choose);
  auto* styleLabel = new QLabel("&Display style:");
  styleLabel->setBuddy(layoutFile_);
  form->addRow(styleLabel, styleRow);

  auto* perPage = new QSpinBox;
  perPage->setRange(1, 9999);
  bind(*perPage, page.itemsPerPage);
  auto* all = new QCheckBox("All items of a category on one page");
  bind(*all, page.displayAllItems);
  auto* itemsRow = new QHBoxLayout;
  itemsRow->addWidget(perPage);
  itemsRow->addWidget(all);
  itemsRow->addStretch();
  auto* itemsLabel = new QLabel("&Items per page:");
  itemsLabel->setBuddy(perPage);
  form->addRow(itemsLabel, itemsRow);

  const std::pair<const char*, int32_t CProductPage::*> kShown[] = {
      {"Part number", &CProductPage::showPartNumber},
      {"Price", &CProductPage::showPrice},
      {"Weight", &CProductPage::showWeight},
      {"Picture", &CProductPage::showImage},
      {"Description", &CProductPage::showDescription},
      {"Added description", &CProductPage::showAddedDescription},
      {"Features", &CProductPage::showFeatures},
      {"Buy button", &CProductPage::showBuyMe},
      {"Portable cart", &CProductPage::portaCart},
      {"Buy opens the cart", &CProductPage::buyMeOpensCart}};
  auto* shown = new QGridLayout;
  int cell = 0;
  for (const auto& [text, flag] : kShown) {
    auto* box = new QCheckBox(text);
    bind(*box, page.*flag);
    shown->addWidget(box, cell / 3, cell % 3);
    ++cell;
  }
  form->addRow("Show:", shown);

  const std::pair<const char*, int32_t CProductPage::*> kLinks[] = {
      {"Text link", &CProductPage::linkOnText},
      {"Part number", &CProductPage::linkOnPartNumber},
      {"Picture", &CProductPage::linkOnImage},
      {"Price", &CProductPage::linkOnPrice},
      {"Description", &CProductPage::linkOnDescription},
      {"Added description", &CProductPage::linkOnAddedDescription},
      {"Weight", &CProductPage::linkOnWeight}};
  auto* links = new QGridLayout;
  cell = 0;
  for (const auto& [text, flag] : kLinks) {
    auto* box = new QCheckBox(text);
    bind(*box, page.*flag);
    links->addWidget(box, cell / 3, cell % 3);
    ++cell;
  }
  form->addRow("Links to the\nitem's page:", links);
  addTextRow(*form, "More info link:", page.linkText);
  addTextRow(*form, "Previous link:", page.previousLinkText);
  addTextRow(*form, "Next link:", page.nextLinkText);
  auto* subPages = new QTabWidget;
  const std::pair<const char*, CProdHalfPages*> kSubPages[] = {
      {"Categories", &page.categoryPage},
      {"Featured Items", &page.featuredPage},
      {"Search", &page.searchPage}};
  for (const auto& [title, subPage] : kSubPages) {
    auto* subForm = new QFormLayout;
    auto* linked = new QCheckBox("Show links to this page");
    bind(*linked, subPage->linksEnabled);
    subForm->addRow(linked);
    addLineRow(*subForm, "Header:", subPage->header, subPage->headerFont);
    addBlockRow(*subForm, "Text:", subPage->bodyText, subPage->bodyFont);
    auto* tab = new QWidget;
    tab->setLayout(subForm);
    subPages->addTab(tab, title);
  }
  form->addRow("Sub-pages:", subPages);

  auto* group = new QGroupBox("Product Display");
  group->setLayout(form);
  return group;
}

void PageEditor::refresh() {
  if (label_->text() != toQt(page_.getLabel())) label_->setText(toQt(page_.getLabel()));
  refreshLinks();
  if (extraPictures_ != nullptr) extraPictures_->refresh();
  if (auto* full = dynamic_cast<CFullPage*>(&page_); full != nullptr && pictureChoice_ != nullptr) {
    const PagePicture choice = PageLayoutStep::pagePicture(*full);
    pictureChoice_->button(static_cast<int>(choice))->setChecked(true);
    picturePath_->setText(toQt(full->pageImage));
    picturePath_->setEnabled(choice == PagePicture::kOwn);
    const std::filesystem::path file = step_.pictureFile(full->pageImage);
    const QImage image =
        file.empty() ? QImage() : QImage(QString::fromStdString(file.string()));
    if (choice == PagePicture::kOwn && !image.isNull()) {
      thumbnail_->setPixmap(QPixmap::fromImage(image.scaled(
          kThumbnailSize, kThumbnailSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    } else {
      thumbnail_->setPixmap(QPixmap());
      thumbnail_->setText(choice == PagePicture::kOwn ? "No Image" : "");
    }
  }
  if (auto* product = dynamic_cast<CProductPage*>(&page_); product != nullptr && layoutFile_) {
    layoutFile_->setText(toQt(product->layoutFile));
  }
}

}  // namespace quorvex::ui
