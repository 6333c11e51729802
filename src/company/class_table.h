#ifndef QUORVEX_COMPANY_CLASS_TABLE_H_
#define QUORVEX_COMPANY_CLASS_TABLE_H_

#include "document/class_registry.h"

namespace quorvex {

// The table of every persistent class of the company document, made on first
// use; it lives as long as the program.
const ClassRegistry& documentClasses();

}  // namespace quorvex

#endif  // QUORVEX_COMPANY_CLASS_TABLE_H_
