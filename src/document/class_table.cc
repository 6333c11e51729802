#include "document/class_registry.h"
#include "document/string_array.h"

namespace quorvex {

void registerDocumentClasses(ClassRegistry& registry) {
  registry.add<CStringArray>(0, false);
  registerCompanyClasses(registry);
  registerProductClasses(registry);
  registerSiteClasses(registry);
  registerTemplateClasses(registry);
  registerPublishClasses(registry);
}

}  // namespace quorvex
