#ifndef QUORVEX_SITE_SITE_CLASSES_H_
#define QUORVEX_SITE_SITE_CLASSES_H_

#include "document/class_registry.h"

namespace quorvex {

// Registers the page records and the page list.
void registerSiteClasses(ClassRegistry& registry);

// Registers the site and style templates.
void registerTemplateClasses(ClassRegistry& registry);

}  // namespace quorvex

#endif  // QUORVEX_SITE_SITE_CLASSES_H_
