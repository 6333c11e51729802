#include "ui/label_columns_page.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/import_wizard_model.h"
#include "products/import_wizard.h"
#include "products/product_column.h"
#include "ui/image_file_path_dialog.h"
#include "ui/import_preview_table.h"
#include "ui/qt_text.h"
#include "ui/select_label_dialog.h"

namespace quorvex::ui {

LabelColumnsPage::LabelColumnsPage(ImportWizardModel& model)
    : model_(model), wizard_(model.wizard), preview_(importPreviewTable()) {
  setTitle("Label Columns");
  auto* howTo = new QLabel(
      "  You must now label the columns of your pricelist.  As you click each column below a "
      "window will pop up prompting you to choose the label for that column.  It is not "
      "neccessary that you choose a label for every column.");
  auto* rules = new QLabel(
      "  All of the columns are preset to \"NOT USED\".  You must, at least, select a column for "
      "Part Number, Description, and Price.  You may also select a Category and Weight column.  "
      "Please, do not select the same label for more than one column.");
  howTo->setWordWrap(true);
  rules->setWordWrap(true);
  connect(preview_->horizontalHeader(), &QHeaderView::sectionClicked, this,
          [this](int column) { labelColumn(column); });
  connect(preview_, &QTableWidget::cellClicked, this,
          [this](int, int column) { labelColumn(column); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(howTo);
  layout->addWidget(rules);
  layout->addWidget(preview_, 1);
}

void LabelColumnsPage::initializePage() {
  ImportWizard::Preview preview;
  // The page before was left only after a preview succeeded.
  (void)wizard_.preview(&preview);
  showImportPreview(*preview_, preview);
  showLabels();
}

bool LabelColumnsPage::validatePage() { return wizard_.leaveLabelPage(); }

void LabelColumnsPage::labelColumn(int32_t position) {
  const std::optional<int32_t> label = askColumnLabel(wizard_, position, this);
  if (!label || !wizard_.chooseLabel(position, *label)) return;
  if (*label == kPictureColumn) {
    const PathChooser browse = [this](const std::string& current) {
      return model_.browsePictureFolder(current);
    };
    if (std::optional<std::string> folder =
            askImageFilePath(wizard_.pictureFolder(), browse, this)) {
      wizard_.setPictureFolder(std::move(*folder));
    }
  }
  showLabels();
}

void LabelColumnsPage::showLabels() {
  QStringList titles;
  for (int column = 0; column < preview_->columnCount(); ++column) {
    titles << toQt(std::string(ImportWizard::labelName(wizard_.labelOfColumn(column))));
  }
  preview_->setHorizontalHeaderLabels(titles);
  preview_->resizeColumnsToContents();
}

}  // namespace quorvex::ui
