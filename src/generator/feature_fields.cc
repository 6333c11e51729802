#include "generator/feature_fields.h"

#include "company/brenquil_doc.h"
#include "generator/generation_context.h"
#include "generator/text_helpers.h"

namespace quorvex {

void FeatureFields::setFeatureFields() {
  if (!context_.oldStyleShop) return;
  context_.setProgress("Loading features...");
  std::string featureArray;
  std::string featureList;
  std::string featureAssign;
  std::string newItemFeatureList;
  size_t i = 0;
  for (const CProductFeature& feature : context_.doc.m_pExtraFields->featureDefinitions) {
    std::string arguments = "'" + scriptEscape(feature.name) + "'";
    for (const std::string& option : feature.options) {
      arguments += ",'" + scriptEscape(option) + "'";
    }
    featureArray +=
        "featureArray[" + std::to_string(i) + "] = '" + scriptEscape(arguments) + "';\n";
    const std::string numbered = "feature" + std::to_string(++i);
    featureList += numbered + ",";
    featureAssign += "this." + numbered + " = " + numbered + ";\n";
    newItemFeatureList += "newItem." + numbered + ",";
  }
  context_.fields.set("featureArray", std::move(featureArray));
  context_.fields.set("featureList", std::move(featureList));
  context_.fields.set("featureAssign", std::move(featureAssign));
  context_.fields.set("newItemFeatureList", std::move(newItemFeatureList));
}

}  // namespace quorvex
