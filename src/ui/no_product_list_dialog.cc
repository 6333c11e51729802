#include "ui/no_product_list_dialog.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/help_key.h"

namespace quorvex::ui {

ProductTableStep::ProductListChoice askProductListChoice(const std::function<void()>& help,
                                                         QWidget* parent) {
  using Choice = ProductTableStep::ProductListChoice;
  QDialog dialog(parent);
  dialog.setWindowTitle("No Product List Found");
  addHelpKey(dialog, help);
  auto* layout = new QVBoxLayout(&dialog);
  auto* text = new QLabel(
      "This company has no product list yet.\nCreate one here, or import the products from a "
      "file that another program keeps.");
  layout->addWidget(text);
  layout->addSpacing(text->fontMetrics().height());
  auto* buttons = new QHBoxLayout;
  // The dialog's result is the number of the chosen answer; Escape and the
  // close box give 0.
  const std::pair<const char*, Choice> kAnswers[] = {
      {"C&reate New Product List", Choice::kCreateNew},
      {"&Import External Product List", Choice::kImport},
      {"&Cancel", Choice::kCancel}};
  constexpr int kCancelled = 0;
  for (int i = 0; i < 3; ++i) {
    auto* button = new QPushButton(kAnswers[i].first);
    button->setDefault(i == 0);
    QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, i] { dialog.done(i + 1); });
    buttons->addWidget(button);
  }
  layout->addLayout(buttons);
  const int answer = dialog.exec();
  if (answer == kCancelled) return Choice::kCancel;
  return kAnswers[answer - 1].second;
}

}  // namespace quorvex::ui
