#ifndef QUORVEX_UI_NO_PRODUCT_LIST_DIALOG_H_
#define QUORVEX_UI_NO_PRODUCT_LIST_DIALOG_H_

#include <functional>

#include "app/product_table_step.h"

class QWidget;

namespace quorvex::ui {

// Shows "No Product List Found" over `parent`: "C&reate New Product List",
// "&Import External Product List" and "&Cancel" (also Escape and the close
// box); F1 calls `help`. Returns the choice.
ProductTableStep::ProductListChoice askProductListChoice(const std::function<void()>& help,
                                                         QWidget* parent);

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_NO_PRODUCT_LIST_DIALOG_H_
