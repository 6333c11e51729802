#ifndef QUORVEX_PRODUCTS_PRICE_LIST_ITEM_H_
#define QUORVEX_PRODUCTS_PRICE_LIST_ITEM_H_

#include <string>

#include "platform/prompter.h"

namespace quorvex {

// The values of the "Price List Item" dialog: "Part Number:",
// "Description:", "Price:" (required), "Weight:" and "Category:" (optional).
struct PriceListItem {
  std::string partNumber;
  std::string description;
  std::string price;
  std::string weight;
  std::string category;

  // The rules every row entered or changed in a dialog obeys. Checks, in
  // this order, that there is a part number, a description and a price and
  // that the category holds no double quote; shows the first failure ("Sorry,
  // you must enter a Part Number for this item." ...) and returns false (the
  // dialog stays open). Otherwise gives an empty weight "0" and an empty
  // category "Our Products" and returns true.
  bool checkAndComplete(Prompter& prompter);
};

// The message shown when an entered part number belongs to another row; the
// item dialog then opens again with the entered values.
inline constexpr const char* kPartNumberInUseMessage =
    "The Part Number you specified is already in use by another item in the database.";

}  // namespace quorvex

#endif  // QUORVEX_PRODUCTS_PRICE_LIST_ITEM_H_
