#ifndef QUORVEX_UI_CREATE_PRICE_LIST_VIEW_H_
#define QUORVEX_UI_CREATE_PRICE_LIST_VIEW_H_

#include <functional>
#include <optional>

#include "ui/model_dialog.h"
#include "ui/price_list_item_view.h"

class QTableView;

namespace quorvex::ui {

class ProductTableModel;

// The view of "Create Price List": the rows in a grid (line number, "Part
// Number", "Category", "Description", "Price", "Weight") with "&Add Item",
// "&Insert Item", "&Edit Item" (also a double click) and "&Delete Item",
// each of the first three through "Price List Item". Cancel closes only
// when the user agrees to lose the changes.
class CreatePriceListView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  CreatePriceListView(CreatePriceListModel& model, std::function<void()> help, QWidget* parent);

  void reject() override;

 private:
  void showModel() override;
  // The selected lines, in grid order.
  std::vector<int32_t> selectedLines() const;
  // Opens "Price List Item" on `item`; its OK goes to `store`.
  void openItem(const PriceListItem& item, PriceListItemView::Store store);
  void edit();

  CreatePriceListModel& model_;
  ProductTableModel* rows_;
  QTableView* grid_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_CREATE_PRICE_LIST_VIEW_H_
