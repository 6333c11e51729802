#include "document/class_registry.h"
#include "site/site_classes.h"
#include "site/site_template.h"
#include "site/style_template.h"

namespace quorvex {

void registerTemplateClasses(ClassRegistry& registry) {
  registry.add<CSiteTemplate>(5, true);
  registry.add<CTemplate>(11, true);
}

}  // namespace quorvex
