#ifndef QUORVEX_PUBLISH_PUBLISH_CLASSES_H_
#define QUORVEX_PUBLISH_PUBLISH_CLASSES_H_

#include "document/class_registry.h"

namespace quorvex {

// Registers the published-file lists, the server preferences and the order texts.
void registerPublishClasses(ClassRegistry& registry);

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_PUBLISH_CLASSES_H_
