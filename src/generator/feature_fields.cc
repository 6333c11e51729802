#include "generator/feature_fields.h"

#include "company/brenquil_doc.h"
#include "generator/generation_context.h"
#include "generator/product_data.h"
#include "generator/text_helpers.h"
#include "products/product_text.h"

namespace quorvex {

namespace {

// `text` script-escaped between single quotes.
std::string jsQuoted(std::string_view text) { return "'" + scriptEscape(text) + "'"; }

}  // namespace

void FeatureFields::setFeatureFields() {
  if (!context_.oldStyleShop) {
    setProductFeatures();
    return;
  }
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

void FeatureFields::setProductFeatures() {
  std::string statements;
  for (const CExtraItem& row : context_.doc.m_pExtraFields->rows) {
    if (!ProductData::isPublished(row)) continue;
    std::string features;
    for (const CFeatureCheck& feature : row.featureSelections) {
      if (feature.checked == 0 || feature.selectedOptions.empty()) continue;
      std::string choice = jsQuoted(feature.label);
      for (const std::string& option : feature.selectedOptions) choice += "," + jsQuoted(option);
      features += (features.empty() ? "[" : ",[") + choice + "]";
    }
    if (features.empty()) continue;
    statements +=
        "productFeatures[" + jsQuoted(cleanPartNumber(row.partNumber)) + "] = [" + features + "];\n";
  }
  context_.fields.set("product_features", std::move(statements));
}

}  // namespace quorvex
