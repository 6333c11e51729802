#include "ui/product_attribute_dialogs.h"

#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/field_binding.h"
#include "ui/qt_text.h"
#include "ui/radio_choices.h"

namespace quorvex::ui {

namespace {

// A dialog titled `title` whose layout ends with OK and Cancel once
// finish() is called.
class AttributeDialog {
 public:
  explicit AttributeDialog(const QString& title, QWidget* parent)
      : dialog_(parent), layout_(new QVBoxLayout(&dialog_)) {
    dialog_.setWindowTitle(title);
    dialog_.setMinimumWidth(380);
  }

  QDialog& dialog() { return dialog_; }
  QVBoxLayout& layout() { return *layout_; }

  // Adds one radio button per entry of `choices` to `box`, the one numbered
  // `current` checked; the group's ids are the entries' numbers.
  QButtonGroup* addChoices(QBoxLayout& box, const QStringList& choices, int32_t current) {
    return addRadioChoices(box, choices, current, &dialog_);
  }

  // Adds OK and Cancel, shows the dialog and returns whether it ended with OK.
  bool run() {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog_, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog_, &QDialog::reject);
    layout_->addWidget(buttons);
    return dialog_.exec() == QDialog::Accepted;
  }

 private:
  QDialog dialog_;
  QVBoxLayout* layout_;
};

}  // namespace

std::optional<FlaggedText> askProductLink(const FlaggedText& link, QWidget* parent) {
  FlaggedText chosen = link;
  AttributeDialog dialog("Product Link", parent);
  QButtonGroup* flags = dialog.addChoices(
      dialog.layout(), {"&None", "&Individual Product Page", "&Specified Link: "}, link.flag);
  auto* address = new QLineEdit;
  bind(*address, chosen.text);
  dialog.layout().addWidget(address);
  if (!dialog.run()) return std::nullopt;
  chosen.flag = flags->checkedId();
  return chosen;
}

void addPictureFileRow(QBoxLayout& layout, std::string& picture, QButtonGroup* flags,
                       PathChooser choose, QWidget* parent) {
  auto* file = new QLineEdit;
  bind(*file, picture);
  auto* browse = new QPushButton("&Browse");
  browse->setAutoDefault(false);
  QObject::connect(browse, &QPushButton::clicked, parent,
                   [file, flags, choose = std::move(choose)] {
                     const std::optional<std::filesystem::path> chosen =
                         choose(fromQt(file->text()));
                     if (!chosen) return;
                     const QString name = toQt(chosen->string());
                     file->setText(name);
                     emit file->textEdited(name);
                     flags->button(2)->setChecked(true);
                   });
  auto* row = new QHBoxLayout;
  row->addWidget(file, 1);
  row->addWidget(browse);
  layout.addLayout(row);
}

std::optional<FlaggedText> askProductPicture(const FlaggedText& picture, PathChooser choose,
                                             QWidget* parent) {
  FlaggedText chosen = picture;
  AttributeDialog dialog("Product Picture", parent);
  QButtonGroup* flags = dialog.addChoices(
      dialog.layout(), {"&Not Yet", "&Item Will Never Have Picture", "Picture &file:"},
      picture.flag);
  addPictureFileRow(dialog.layout(), chosen.text, flags, std::move(choose), &dialog.dialog());
  if (!dialog.run()) return std::nullopt;
  chosen.flag = flags->checkedId();
  return chosen;
}

std::optional<int32_t> askChoice(const QString& title, const QStringList& choices,
                                 int32_t current, QWidget* parent) {
  AttributeDialog dialog(title, parent);
  QButtonGroup* group = dialog.addChoices(dialog.layout(), choices, current);
  if (!dialog.run() || group->checkedId() < 0) return std::nullopt;
  return group->checkedId();
}

std::optional<DownloadValues> askDownload(const DownloadValues& values, QWidget* parent) {
  DownloadValues chosen = values;
  AttributeDialog dialog("Downloaded Item Properties", parent);
  QButtonGroup* kind = dialog.addChoices(dialog.layout(), {"&Standard Item", "&Downloaded Item"},
                                         values.downloadFlag);
  auto* servers = new QGroupBox("Upload File To:");
  auto* serverButtons = new QHBoxLayout(servers);
  QButtonGroup* upload = dialog.addChoices(
      *serverButtons, {"&User Server", "&Quorvex Server", "&Neither"}, values.uploadFlag);
  dialog.layout().addWidget(servers);
  auto* form = new QFormLayout;
  addTextRow(*form, "Filename or &URL:", chosen.path);
  // Shown in clear: the owner passes it on to the customer.
  addTextRow(*form, "&Password (if needed for customer to extract file): ", chosen.password);
  dialog.layout().addLayout(form);
  if (!dialog.run()) return std::nullopt;
  chosen.downloadFlag = kind->checkedId();
  chosen.uploadFlag = upload->checkedId();
  return chosen;
}

}  // namespace quorvex::ui
