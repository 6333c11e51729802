#include "ui/set_all_attributes_view.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/set_all_attributes_dialog.h"
#include "products/product_column.h"
#include "ui/field_binding.h"
#include "ui/product_attribute_dialogs.h"
#include "ui/qt_text.h"
#include "ui/radio_choices.h"

namespace quorvex::ui {

SetAllAttributesView::SetAllAttributesView(SetAllAttributesDialog& model,
                                           std::function<void()> help, QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent),
      model_(model),
      features_(new QLabel) {
  auto* grid = new QGridLayout;
  grid->addWidget(itemGroup(), 0, 0);
  grid->addWidget(pictureGroup(), 0, 1);
  grid->addWidget(linkGroup(), 1, 0);
  grid->addWidget(downloadGroup(), 1, 1);
  body()->addLayout(grid);
  setMinimumWidth(860);
  showModel();
}

QGroupBox* SetAllAttributesView::itemGroup() {
  CExtraItem& values = model_.values;
  auto* group = new QGroupBox("Item");
  auto* layout = new QVBoxLayout(group);
  auto* tax = new QCheckBox("Ch&arge tax for this item");
  bind(*tax, values.taxFlag);
  auto* hidden = new QCheckBox("&Do NOT publish this product");
  bind(*hidden, values.publishState);
  hidden->setEnabled(!model_.locked(kPublishStateColumn));
  // Featured is flag 0.
  auto* featured = new QCheckBox("&Mark as a featured item");
  featured->setChecked(values.featureFlag == 0);
  connect(featured, &QCheckBox::toggled, this,
          [&values](bool on) { values.featureFlag = on ? 0 : 1; });
  featured->setEnabled(!model_.locked(kFeatureFlagColumn));
  for (QCheckBox* box : {tax, hidden, featured}) layout->addWidget(box);

  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  addTextRow(*form, "Short Sales Des&cription:", values.salesDescription)
      ->setEnabled(!model_.locked(kSalesDescriptionColumn));
  auto* chooseFeatures = new QPushButton("P&roduct Features...");
  chooseFeatures->setAutoDefault(false);
  connect(chooseFeatures, &QPushButton::clicked, this, [this] { model_.chooseFeatures(); });
  features_->setWordWrap(true);
  form->addRow(chooseFeatures, features_);
  layout->addLayout(form);
  return group;
}

QGroupBox* SetAllAttributesView::pictureGroup() {
  CExtraItem& values = model_.values;
  auto* group = new QGroupBox("Thumbnail");
  auto* layout = new QVBoxLayout(group);
  QButtonGroup* flags = bindRadioChoices(
      *layout, {"Not &Yet", "Item &Will Never Have Picture", "Picture Fi&le:"},
      values.pictureFlag, group);
  addPictureFileRow(
      *layout, values.picture, flags,
      [this](const std::string& current) { return model_.choosePicture(current); }, this);
  group->setEnabled(!model_.locked(kPictureColumn));
  return group;
}

QGroupBox* SetAllAttributesView::linkGroup() {
  CExtraItem& values = model_.values;
  auto* group = new QGroupBox("Link");
  auto* layout = new QVBoxLayout(group);
  bindRadioChoices(*layout, {"N&one", "Individual &Product Page", "Specified Lin&k: "},
                   values.linkFlag, group);
  auto* address = new QLineEdit;
  bind(*address, values.link);
  layout->addWidget(address);
  group->setEnabled(!model_.locked(kLinkColumn));
  return group;
}

QGroupBox* SetAllAttributesView::downloadGroup() {
  CExtraItem& values = model_.values;
  auto* group = new QGroupBox("Item Kind");
  auto* layout = new QVBoxLayout(group);
  auto* kinds = new QHBoxLayout;
  bindRadioChoices(*kinds, {"S&tandard Item", "Downloaded &Item"}, values.downloadFlag, group);
  layout->addLayout(kinds);
  auto* servers = new QGroupBox("Upload File To:");
  auto* serverButtons = new QHBoxLayout(servers);
  bindRadioChoices(*serverButtons, {"&User Server", "&Quorvex Server", "N&either"},
                   values.uploadFlag, group);
  layout->addWidget(servers);
  auto* form = new QFormLayout;
  // The password's long label above its field, which keeps its width.
  form->setRowWrapPolicy(QFormLayout::WrapAllRows);
  addTextRow(*form, "&Filename or URL:", values.downloadPath);
  // Shown in clear: the owner passes it on to the customer.
  addTextRow(*form, "Pa&ssword (if needed for customer to extract file): ",
             values.downloadPassword);
  layout->addLayout(form);
  return group;
}

void SetAllAttributesView::showModel() {
  const std::string summary = model_.featureSummary();
  features_->setText(summary.empty() ? QString("None") : toQt(summary));
}

}  // namespace quorvex::ui
