#include "ui/image_file_path_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "products/import_wizard.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

std::optional<std::string> askImageFilePath(const std::string& folder, const PathChooser& browse,
                                            QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle("Image File Path");
  auto* text = new QLabel(toQt(std::string(ImportWizard::kImageFilePathText)));
  text->setWordWrap(true);
  text->setMinimumWidth(420);
  auto* path = new QLineEdit(toQt(folder));
  auto* browseButton = new QPushButton("&Browse...");
  browseButton->setAutoDefault(false);
  QObject::connect(browseButton, &QPushButton::clicked, &dialog, [&browse, path] {
    if (std::optional<std::filesystem::path> chosen = browse(fromQt(path->text()))) {
      path->setText(toQt(chosen->string()));
    }
  });
  auto* label = new QLabel("&Folder:");
  label->setBuddy(path);
  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(path, 1);
  row->addWidget(browseButton);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(text);
  layout->addLayout(row);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return fromQt(path->text().trimmed());
}

}  // namespace quorvex::ui
