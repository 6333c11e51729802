#include "products/price_list_item.h"

namespace quorvex {

bool PriceListItem::checkAndComplete(Prompter& prompter) {
  const struct {
    const std::string& value;
    const char* name;
  } required[] = {{partNumber, "Part Number"}, {description, "Description"}, {price, "Price"}};
  for (const auto& field : required) {
    if (field.value.empty()) {
      prompter.showMessage(std::string("Sorry, you must enter a ") + field.name +
                           " for this item.");
      return false;
    }
  }
  if (category.find('"') != std::string::npos) {
    prompter.showMessage("Sorry, but category names cannot contain double quotes.");
    return false;
  }
  if (weight.empty()) weight = std::string("0");
  if (category.empty()) category = std::string("Our Products");
  return true;
}

}  // namespace quorvex
