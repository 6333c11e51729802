#include "ui/image_file_path_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "products/import_wizard.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

std::optional<std::string> askImageFilePath(const std::string& folder, QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle("Image File Path");
  auto* text = new QLabel(toQt(std::string(ImportWizard::kImageFilePathText)));
  text->setWordWrap(true);
  text->setMinimumWidth(420);
  auto* path = new QLineEdit(toQt(folder));
  auto* browse = new QPushButton("&Browse...");
  browse->setAutoDefault(false);
  QObject::connect(browse, &QPushButton::clicked, &dialog, [&dialog, path] {
    const QString chosen =
        QFileDialog::getExistingDirectory(&dialog, "Image File Path", path->text());
    if (!chosen.isEmpty()) path->setText(chosen);
  });
  auto* label = new QLabel("&Folder:");
  label->setBuddy(path);
  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(path, 1);
  row->addWidget(browse);
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
