#include "screenshots/feature_shots.h"

#include "app/feature_flags_dialog.h"
#include "app/feature_options_dialog.h"
#include "app/product_feature_dialog.h"
#include "app/product_features_dialog.h"
#include "app/set_all_attributes_dialog.h"
#include "platform/env.h"
#include "products/extra_item.h"
#include "products/product_column.h"
#include "ui/feature_flags_view.h"
#include "ui/feature_options_view.h"
#include "ui/main_window.h"
#include "ui/no_product_list_dialog.h"
#include "ui/product_feature_view.h"
#include "ui/product_features_view.h"
#include "ui/set_all_attributes_view.h"

namespace quorvex::ui {

void captureProductFeatures(
    MainWindow& window, const Env& env,
    const std::function<void(const QString&, const QString&)>& expectShown,
    const std::function<void(QWidget&, const QString&)>& capture) {
  const auto noHelp = [] {};
  const std::vector<CProductFeature> definitions = {
      CProductFeature("Colour", {"Forest Green", "Sunset Orange", "Slate"}),
      CProductFeature("Size", {"Two-person", "Three-person"}),
      CProductFeature("Engraving", {ProductFeatureDialog::kUserInput, "20"})};

  ProductFeaturesDialog features(window, env.prompter(), definitions);
  features.selectedFeature = 0;
  ProductFeaturesView featuresView(features, noHelp, &window);
  capture(featuresView, "Product Features");

  ProductFeatureDialog feature(env.prompter(), definitions[0]);
  feature.selectedValue = 1;
  ProductFeatureView featureView(feature, noHelp, &window);
  capture(featureView, "Add-Edit Product Feature");
  ProductFeatureDialog customerInput(env.prompter(), definitions[2]);
  ProductFeatureView customerInputView(customerInput, noHelp, &window);
  capture(customerInputView, "Add-Edit Product Feature - Customer Input");

  CExtraItem tent;
  tent.partNumber = "TENT-2P";
  tent.salesDescription = "Sleeps two, packs small.";
  tent.picture = "Pictures/tent.jpg";
  tent.pictureFlag = 2;
  tent.linkFlag = 1;
  tent.featureSelections = {CFeatureCheck("Colour", 1, {"Forest Green", "Slate"}),
                            CFeatureCheck("Size", 0, {}), CFeatureCheck("Engraving", 0, {})};
  FeatureFlagsDialog flags(window, env.prompter(), definitions, tent.featureSelections);
  flags.selectedEntry = 0;
  FeatureFlagsView flagsView(flags, noHelp, &window);
  capture(flagsView, "Product Feature Flags");
  FeatureOptionsDialog options(definitions[0].options, tent.featureSelections[0].selectedOptions);
  FeatureOptionsView optionsView(options, noHelp, &window);
  capture(optionsView, "Select Feature Options");

  // An imported table whose link column comes from the file: locked.
  SetAllAttributesDialog all(window, env.prompter(), definitions, tent,
                             [](int32_t column) { return column == kLinkColumn; },
                             [](const std::string&) { return std::nullopt; });
  SetAllAttributesView allView(all, noHelp, &window);
  capture(allView, "Set All Attributes");

  expectShown("No Product List Found", "No Product List Found");
  (void)askProductListChoice(noHelp, &window);  // The answer is Cancel; nothing follows.
}

}  // namespace quorvex::ui
