#include "ui/product_sorting_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "app/product_sorting_model.h"
#include "products/product_column.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

ProductSortingView::ProductSortingView(ProductSortingModel& model, std::function<void()> help,
                                       QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent) {
  static constexpr std::array<const char*, 3> kSwitches = {"&Sort products by:", "&Then by:",
                                                           "Th&en by:"};
  const std::vector<int32_t>& choices = model.choices();
  auto* grid = new QGridLayout;
  for (size_t i = 0; i < kSwitches.size(); ++i) {
    ProductSortingModel::Key& key = model.keys[i];
    auto* enabled = new QCheckBox(kSwitches[i]);
    enabled->setChecked(key.enabled);
    connect(enabled, &QCheckBox::toggled, this, [&key](bool on) { key.enabled = on; });

    auto* column = new QComboBox;
    for (int32_t choice : choices) column->addItem(toQt(std::string(productColumnName(choice))));
    const auto chosen = std::find(choices.begin(), choices.end(), key.column);
    column->setCurrentIndex(chosen == choices.end() ? 0
                                                    : static_cast<int>(chosen - choices.begin()));
    connect(column, &QComboBox::activated, this,
            [&key, &choices](int index) { key.column = choices[static_cast<size_t>(index)]; });

    auto* direction = new QComboBox;
    direction->addItems({"Ascending", "Descending"});
    direction->setCurrentIndex(key.descending ? 1 : 0);
    connect(direction, &QComboBox::activated, this,
            [&key](int index) { key.descending = index == 1; });

    const int line = static_cast<int>(i);
    grid->addWidget(enabled, line, 0);
    grid->addWidget(column, line, 1);
    grid->addWidget(direction, line, 2);
  }
  grid->setColumnStretch(1, 1);
  body()->addLayout(grid);
  auto* note = new QLabel(toQt(std::string(ProductSortingModel::kNote)));
  note->setWordWrap(true);
  body()->addWidget(note);
  setMinimumWidth(460);
}

}  // namespace quorvex::ui
