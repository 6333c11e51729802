#ifndef QUORVEX_DOCUMENT_COMPANY_CLASSES_H_
#define QUORVEX_DOCUMENT_COMPANY_CLASSES_H_

#include "document/class_registry.h"

namespace quorvex {

// Registers the company and commerce records and the font records.
void registerCompanyClasses(ClassRegistry& registry);

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_COMPANY_CLASSES_H_
