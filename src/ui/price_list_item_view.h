#ifndef QUORVEX_UI_PRICE_LIST_ITEM_VIEW_H_
#define QUORVEX_UI_PRICE_LIST_ITEM_VIEW_H_

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "app/create_price_list_model.h"
#include "products/price_list_item.h"

namespace quorvex::ui {

// "Price List Item": one row's "Part Number:", "Description:", "Price:",
// "Weight:" and "Category:" (typed, or chosen from the existing
// categories). OK hands the values to `store`, which applies the rules of
// "Create Price List"; the dialog closes only when the row was stored and
// otherwise stays open with the entered values.
class PriceListItemView : public QDialog {
  Q_OBJECT

 public:
  using Store = std::function<CreatePriceListModel::ItemResult(const PriceListItem&)>;

  // Opens on `item`, offering `categories`.
  PriceListItemView(PriceListItem item, const std::vector<std::string>& categories, Store store,
                    QWidget* parent);

 private:
  void ok();

  PriceListItem item_;
  Store store_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_PRICE_LIST_ITEM_VIEW_H_
