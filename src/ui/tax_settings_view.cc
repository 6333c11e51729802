#include "ui/tax_settings_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <array>

#include "app/tax_step.h"
#include "ui/button_column.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

namespace {

constexpr std::array<TaxKind, 3> kKinds = {TaxKind::kState, TaxKind::kCity, TaxKind::kVat};

// An entry item holds its index within its branch; a branch item none.
constexpr int kIndexRole = Qt::UserRole;

}  // namespace

TaxSettingsView::TaxSettingsView(TaxStep& model, std::function<void()> help, QWidget* parent)
    : ModelDialog(model, Buttons::kStep, std::move(help), parent),
      model_(model),
      tree_(new QTreeWidget) {
  tree_->setHeaderHidden(true);
  tree_->setMinimumSize(360, 240);
  connect(tree_, &QTreeWidget::currentItemChanged, this, [this] { selectionChanged(); });
  connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    if (item->parent() != nullptr) model_.edit();
  });

  auto* intro = new QLabel(
      "The sales taxes your shop charges: by state or province, by city, and value-added "
      "taxes by country. Select a branch and press Add to add a tax of its kind.");
  intro->setWordWrap(true);
  auto* row = new QHBoxLayout;
  row->addWidget(tree_, 1);
  row->addLayout(buttonColumn(
      this, {{"&Add",
              [this] { model_.add(model_.selection ? model_.selection->kind : TaxKind::kState); }},
             {"&Edit", [this] { model_.edit(); }},
             {"&Delete", [this] { model_.remove(); }}}));
  body()->addWidget(intro);
  body()->addLayout(row);
  showModel();
}

void TaxSettingsView::showModel() {
  // Rebuilding the tree moves its current item; the model's selection is
  // shown again afterwards.
  const std::optional<TaxSelection> selection = model_.selection;
  const QSignalBlocker blocker(tree_);
  tree_->clear();
  for (TaxKind kind : kKinds) {
    auto* branch = new QTreeWidgetItem(tree_, {TaxStep::branchName(kind)});
    int index = 0;
    for (const std::string& text : model_.entryTexts(kind)) {
      auto* entry = new QTreeWidgetItem(branch, {toQt(text)});
      entry->setData(0, kIndexRole, index++);
    }
    if (selection && selection->kind == kind) {
      tree_->setCurrentItem(selection->index ? branch->child(static_cast<int>(*selection->index))
                                             : branch);
    }
  }
  tree_->expandAll();
}

void TaxSettingsView::selectionChanged() {
  QTreeWidgetItem* item = tree_->currentItem();
  if (item == nullptr) {
    model_.selection.reset();
    return;
  }
  QTreeWidgetItem* branch = item->parent() != nullptr ? item->parent() : item;
  TaxSelection selection;
  selection.kind = kKinds[static_cast<size_t>(tree_->indexOfTopLevelItem(branch))];
  if (item->parent() != nullptr) selection.index = item->data(0, kIndexRole).toUInt();
  model_.selection = selection;
}

}  // namespace quorvex::ui
