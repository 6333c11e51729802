// The feature command: the product features (such as a size or a colour)
// of a list kept in the program, defined through "Product Features" and
// "Add/Edit Product Feature", and the options one product offers chosen
// through "Product Feature Flags".

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/feature_flags_dialog.h"
#include "app/feature_options_dialog.h"
#include "app/headless_front_end.h"
#include "app/product_feature_dialog.h"
#include "app/product_features_dialog.h"
#include "cli/cli_command.h"
#include "cli/name_choice.h"
#include "cli/product_list.h"
#include "document/json_form.h"
#include "platform/text_encoding.h"

namespace quorvex::cli {
namespace {

// What add and set give a feature: its values, or the text box size of a
// feature the customer types into (--input SIZE).
struct FeatureValues {
  std::vector<std::string> values;
  std::optional<std::string> textBoxSize;
  std::optional<std::string> newName;
};

// Reads the arguments from `first` on into `wanted`; returns a usage message,
// empty on success. `renaming` allows --name NEW.
std::string readFeatureValues(const std::vector<std::string>& args, size_t first, bool renaming,
                     FeatureValues& wanted) {
  for (size_t i = first; i < args.size(); ++i) {
    const bool takesValue = args[i] == "--input" || (renaming && args[i] == "--name");
    if (takesValue && i + 1 >= args.size()) return args[i] + " needs a value";
    std::optional<std::string> text = utf8ToCp1252(takesValue ? args[i + 1] : args[i]);
    if (!text) return "\"" + args[i] + "\" holds characters a document cannot store";
    if (args[i] == "--input") {
      wanted.textBoxSize = *text;
    } else if (takesValue) {
      wanted.newName = *text;
    } else if (args[i].starts_with("--")) {
      return "unexpected option " + args[i];
    } else {
      wanted.values.push_back(*text);
    }
    if (takesValue) ++i;
  }
  if (wanted.textBoxSize && !wanted.values.empty()) return "--input takes no values beside it";
  return "";
}

// Fills "Add/Edit Product Feature" with `name` and `wanted`, value by value
// as a user types them; false when a value was refused (its message shown).
bool fillFeature(ProductFeatureDialog& dialog, const std::string& name, const FeatureValues& wanted) {
  dialog.name = name;
  if (wanted.textBoxSize) {
    dialog.setCustomerInput(true);
    dialog.textBoxSize = *wanted.textBoxSize;
    return true;
  }
  if (wanted.values.empty()) return true;  // keeps the values it has
  dialog.setCustomerInput(false);
  dialog.values.clear();
  for (const std::string& value : wanted.values) {
    dialog.valueText = value;
    const size_t before = dialog.values.size();
    dialog.addValue();
    if (dialog.values.size() == before) return false;
  }
  return true;
}

std::vector<std::string> featureNames(const CExtraFields& table) {
  std::vector<std::string> names;
  for (const CProductFeature& feature : table.featureDefinitions) names.push_back(feature.name);
  return names;
}

int runList(ProductList& list, bool json) {
  Json features = Json::array();
  for (const CProductFeature& feature : list.table().featureDefinitions) {
    Json options = Json::array();
    for (const std::string& option : feature.options) options.push_back(cp1252ToUtf8(option));
    features.push_back({{"name", cp1252ToUtf8(feature.name)}, {"options", std::move(options)}});
  }
  if (json) {
    std::cout << features.dump(2) << '\n';
    return kExitSuccess;
  }
  for (const Json& feature : features) {
    std::string options;
    for (const Json& option : feature["options"]) {
      options += (options.empty() ? "" : ", ") + option.get<std::string>();
    }
    std::printf("%s: %s\n", feature["name"].get<std::string>().c_str(), options.c_str());
  }
  return kExitSuccess;
}

// Runs one change of "Product Features" (`change` calls addFeature,
// editFeature or removeFeature) with `filler` for the feature dialog it
// opens, then stores the features and the rows.
int changeFeatures(ProductList& list, Prompter& prompter, std::optional<size_t> selected,
                   const std::function<void(ProductFeaturesDialog&)>& change,
                   std::optional<HeadlessFrontEnd::Filler> filler) {
  HeadlessFrontEnd host;
  if (filler) host.expectDialog(std::move(*filler));
  ProductFeaturesDialog features(host, prompter, list.table().featureDefinitions);
  features.selectedFeature = selected;
  const size_t before = features.features().size();
  change(features);
  const bool changed = host.allAccepted() && (filler || features.features().size() != before);
  if (!changed) return kExitFailure;
  features.applyTo(list.table());
  return list.save();
}

int runAddOrSet(CliContext& context, ProductList& list, const std::vector<std::string>& args) {
  const bool adding = args[0] == "add";
  const std::vector<std::string> names = featureNames(list.table());
  std::optional<std::string> name = utf8ToCp1252(args[2]);
  if (!name) return usageError(context, "the feature name holds characters a document cannot store");
  std::optional<size_t> index;
  if (!adding && !(index = findName(names, *name))) {
    return usageError(context, unknownNameMessage("product feature", args[2], names));
  }
  FeatureValues wanted;
  if (std::string error = readFeatureValues(args, 3, !adding, wanted); !error.empty()) {
    return usageError(context, error);
  }
  const std::string finalName = wanted.newName.value_or(adding ? *name : names[*index]);
  auto filler = [&](DialogModel& model) {
    auto* dialog = dynamic_cast<ProductFeatureDialog*>(&model);
    return dialog != nullptr && fillFeature(*dialog, finalName, wanted);
  };
  auto change = [adding](ProductFeaturesDialog& features) {
    adding ? features.addFeature() : features.editFeature();
  };
  if (int result = changeFeatures(list, context.env.prompter(), index, change, filler)) return result;
  return reportChange(context, std::string(adding ? "Added" : "Changed") + " the product feature " +
                                   finalName + "; " +
                                   plural(list.table().featureDefinitions.size(), "feature") +
                                   " in all.");
}

int runRemove(CliContext& context, ProductList& list, const std::vector<std::string>& args) {
  if (args.size() != 3) return usageError(context, "remove takes DOC.qvx FEATURE");
  const std::vector<std::string> names = featureNames(list.table());
  std::optional<size_t> index = findName(names, args[2]);
  if (!index) return usageError(context, unknownNameMessage("product feature", args[2], names));
  auto change = [](ProductFeaturesDialog& features) { features.removeFeature(); };
  if (int result = changeFeatures(list, context.env.prompter(), index, change, std::nullopt)) {
    return result;
  }
  return reportChange(context, "Removed the product feature " + names[*index] + ".");
}

// feature choose DOC PART FEATURE [OPTION...]: the options of FEATURE that
// product PART offers; none clears the feature for it.
int runChoose(CliContext& context, ProductList& list, const std::vector<std::string>& args) {
  if (args.size() < 4) return usageError(context, "choose takes DOC.qvx PART FEATURE [OPTION...]");
  std::optional<std::string> part = utf8ToCp1252(args[2]);
  const int32_t line = part ? list.lineOf(*part) : -1;
  if (line < 0) return kExitFailure;
  CExtraFields& table = list.table();
  CExtraItem& row = table.rows[static_cast<size_t>(line)];
  const std::vector<std::string> names = featureNames(table);
  std::optional<size_t> feature = findName(names, args[3]);
  if (!feature) return usageError(context, unknownNameMessage("product feature", args[3], names));
  const std::vector<std::string>& options = table.featureDefinitions[*feature].options;
  std::vector<bool> wanted(options.size(), false);
  for (size_t i = 4; i < args.size(); ++i) {
    std::optional<size_t> option = findName(options, args[i]);
    if (!option) return usageError(context, unknownNameMessage("option", args[i], options));
    wanted[*option] = true;
  }
  HeadlessFrontEnd host;
  host.expectDialog([&wanted](DialogModel& model) {
    auto* dialog = dynamic_cast<FeatureOptionsDialog*>(&model);
    if (dialog == nullptr) return false;
    dialog->checked = wanted;
    return true;
  });
  FeatureFlagsDialog flags(host, context.env.prompter(), table.featureDefinitions,
                           row.featureSelections);
  const auto entry = std::ranges::find_if(flags.entries, [&](const CFeatureCheck& check) {
    return check.label == names[*feature];
  });
  if (entry == flags.entries.end()) return failure("product " + row.partNumber + " has no entry for " + names[*feature]);
  flags.selectedEntry = static_cast<size_t>(entry - flags.entries.begin());
  flags.selectOptions();
  if (!host.allAccepted()) return kExitFailure;
  flags.applyTo(row.featureSelections);
  if (int result = list.save()) return result;
  const size_t chosen = static_cast<size_t>(std::ranges::count(wanted, true));
  return reportChange(context, row.partNumber + " offers " + plural(chosen, "option") + " of " +
                                   names[*feature] + ".");
}

int runFeature(CliContext& context) {
  const std::vector<std::string>& args = context.args;
  const std::vector<std::string> verbs = {"list", "add", "set", "remove", "choose"};
  if (args.size() < 2 || !findName(verbs, args[0])) {
    return usageError(context, "expected list, add, set, remove or choose and DOC.qvx");
  }
  const bool listing = args[0] == "list";
  if (listing && (args.size() > 3 || (args.size() == 3 && args[2] != "--json"))) {
    return usageError(context, "list takes DOC.qvx [--json]");
  }
  if (!listing && args.size() < 3) return usageError(context, args[0] + " needs a FEATURE or PART");
  ProductList list(context.env);
  if (int result = list.open(args[1], !listing)) return result;
  if (listing) return runList(list, args.size() == 3);
  if (args[0] == "remove") return runRemove(context, list, args);
  if (args[0] == "choose") return runChoose(context, list, args);
  return runAddOrSet(context, list, args);
}

}  // namespace

void addFeatureCommands(std::vector<CliCommand>& commands) {
  commands.push_back(
      {"feature",
       "list DOC.qvx [--json] | add DOC.qvx NAME VALUE...|--input SIZE |\n"
       "       set DOC.qvx FEATURE [--name NEW] [VALUE...|--input SIZE] |\n"
       "       remove DOC.qvx FEATURE | choose DOC.qvx PART FEATURE [OPTION...]",
       "Define the product features and choose the options a product offers.",
       "A feature (such as Size or Colour) has the values a customer chooses from,\n"
       "or, with --input SIZE, a text box of SIZE characters the customer types\n"
       "into. Add/Edit Product Feature's rules apply with its messages (exit status\n"
       "1): a name and values without \\ ; ' ` ? |, no value twice (in any case), a\n"
       "name no other feature has. set replaces the values given (and renames with\n"
       "--name); products keep the options the feature still has. remove asks first\n"
       "(--yes answers). choose sets the options product PART offers; no OPTION\n"
       "means the feature does not apply to it. Features belong to a list kept in\n"
       "the program.\n",
       runFeature});
}

}  // namespace quorvex::cli
