#include "ui/delimiter_page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "products/import_wizard.h"
#include "ui/import_preview_table.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

namespace {

// The delimiters of the radio buttons, in their order; "Other:" follows.
constexpr std::array<char, 3> kDelimiters = {',', '\t', '|'};
constexpr int kOther = static_cast<int>(kDelimiters.size());

}  // namespace

DelimiterPage::DelimiterPage(ImportWizard& wizard)
    : wizard_(wizard),
      startRow_(new QSpinBox),
      qualifier_(new QComboBox),
      delimiters_(new QButtonGroup(this)),
      other_(new QLineEdit),
      preview_(importPreviewTable()) {
  setTitle("Choose a Delimiter Type");
  startRow_->setRange(1, ImportWizard::kMaxStartRow);
  // A typed number counts once it is complete, not at each digit.
  startRow_->setKeyboardTracking(false);
  connect(startRow_, &QSpinBox::valueChanged, this, [this](int row) {
    wizard_.setStartRow(row);
    showPreview();
  });
  qualifier_->addItems({"\"", "'", "{ none }"});
  connect(qualifier_, &QComboBox::activated, this, [this] {
    wizard_.setQualifier(fromQt(qualifier_->currentText()).front());
    showPreview();
  });

  auto* group = new QGroupBox(" Delimiter Type ");
  auto* buttons = new QHBoxLayout(group);
  const std::array<const char*, 4> names = {"&Comma", "&Tab", "&Pipe ( | )", "&Other:"};
  for (size_t i = 0; i < names.size(); ++i) {
    auto* button = new QRadioButton(names[i]);
    delimiters_->addButton(button, static_cast<int>(i));
    buttons->addWidget(button);
  }
  other_->setMaxLength(1);
  other_->setMaximumWidth(40);
  buttons->addWidget(other_);
  buttons->addStretch();
  connect(delimiters_, &QButtonGroup::idClicked, this, [this] { delimiterChosen(); });
  connect(other_, &QLineEdit::textEdited, this, [this] { delimiterChosen(); });

  auto* form = new QFormLayout;
  form->addRow("Start at &Row:", startRow_);
  form->addRow("Text &Qualifier: ", qualifier_);
  auto* note = new QLabel("Note: only part of your database is shown, so that you may pick a "
                          "delimiter.");
  note->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(group);
  layout->addWidget(preview_, 1);
  layout->addWidget(note);
}

void DelimiterPage::initializePage() {
  const QSignalBlocker blockRow(startRow_);
  startRow_->setValue(wizard_.startRow());
  const int qualifier = qualifier_->findText(QString(QChar(wizard_.qualifier())),
                                             Qt::MatchStartsWith);
  qualifier_->setCurrentIndex(qualifier < 0 ? 0 : qualifier);
  const auto known = std::find(kDelimiters.begin(), kDelimiters.end(), wizard_.delimiter());
  const int chosen = known == kDelimiters.end() ? kOther : static_cast<int>(known - kDelimiters.begin());
  delimiters_->button(chosen)->setChecked(true);
  other_->setText(chosen == kOther ? QString(QChar(wizard_.delimiter())) : QString());
  other_->setReadOnly(chosen != kOther);
  showPreview();
}

bool DelimiterPage::validatePage() { return wizard_.leaveDelimiterPage(); }

void DelimiterPage::delimiterChosen() {
  const int chosen = delimiters_->checkedId();
  other_->setReadOnly(chosen != kOther);
  if (chosen == kOther) {
    // Nothing is typed yet: the wizard keeps its delimiter until there is one.
    if (other_->text().isEmpty()) {
      other_->setFocus();
      return;
    }
    wizard_.setDelimiter(fromQt(other_->text()).front());
  } else {
    wizard_.setDelimiter(kDelimiters[static_cast<size_t>(chosen)]);
  }
  showPreview();
}

void DelimiterPage::showPreview() {
  ImportWizard::Preview preview;
  // A failed preview has shown why and left `preview` empty: the grid is
  // emptied, and Next refuses until a preview succeeds.
  (void)wizard_.preview(&preview);
  showImportPreview(*preview_, preview);
  preview_->resizeColumnsToContents();
}

}  // namespace quorvex::ui
