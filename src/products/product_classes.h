#ifndef QUORVEX_PRODUCTS_PRODUCT_CLASSES_H_
#define QUORVEX_PRODUCTS_PRODUCT_CLASSES_H_

#include "document/class_registry.h"

namespace quorvex {

// Registers the product table's persistent classes.
void registerProductClasses(ClassRegistry& registry);

}  // namespace quorvex

#endif  // QUORVEX_PRODUCTS_PRODUCT_CLASSES_H_
