#include "document/class_registry.h"

namespace quorvex {

void registerTemplateClasses(ClassRegistry& registry) {
  (void)registry;  // TODO: filled in as the records are written
}

}  // namespace quorvex
