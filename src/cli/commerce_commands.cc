// The tax and shipping commands: the tables of "Tax Settings" and "Set
// Shipping", changed through those steps and their dialogs.

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/charge_dialog.h"
#include "app/shipping_step.h"
#include "app/shipping_type_dialog.h"
#include "app/tax_step.h"
#include "cli/cli_command.h"
#include "cli/document_session.h"
#include "cli/name_choice.h"
#include "document/json_form.h"
#include "platform/strings.h"
#include "platform/text_encoding.h"

namespace quorvex::cli {
namespace {

// The arguments of one tax or shipping command after its verb, in the
// documents' code page; nullopt after printing that one cannot be stored.
std::optional<std::vector<std::string>> storedArgs(const std::vector<std::string>& args) {
  std::vector<std::string> stored;
  for (const std::string& arg : args) {
    std::optional<std::string> text = utf8ToCp1252(arg);
    if (!text) {
      failure("\"" + arg + "\" holds characters a document cannot store");
      return std::nullopt;
    }
    stored.push_back(*text);
  }
  return stored;
}

// Applies the changed step, saves and prints `summary`.
int finishStep(CliContext& context, DocumentSession& session, StepModel& step,
               const std::string& summary) {
  if (!session.applyAndSave(step)) return kExitFailure;
  return reportChange(context, summary);
}

// ---- tax ----------------------------------------------------------------------

const std::vector<std::string>& taxKindNames() {
  static const std::vector<std::string> names = {"state", "city", "vat"};
  return names;
}

// The entry of `kind` named `key` (an abbreviation or name, a city or a
// country, in any case); nullopt when there is none.
std::optional<size_t> taxEntryIndex(const CTax& tax, TaxKind kind, const std::string& key) {
  auto find = [&key](const std::vector<std::string>& list) -> std::optional<size_t> {
    for (size_t i = 0; i < list.size(); ++i) {
      if (toLowerAscii(list[i]) == toLowerAscii(key)) return i;
    }
    return std::nullopt;
  };
  switch (kind) {
    case TaxKind::kState: {
      std::optional<size_t> index = find(tax.stateAbbreviations);
      return index ? index : find(tax.stateNames);
    }
    case TaxKind::kCity: return find(tax.cityNames);
    case TaxKind::kVat: return find(tax.vatCountries);
  }
  return std::nullopt;
}

int runTaxList(DocumentSession& session, bool json) {
  TaxStep step(session.app());
  Json list = Json::object();
  for (TaxKind kind : {TaxKind::kState, TaxKind::kCity, TaxKind::kVat}) {
    Json entries = Json::array();
    for (const std::string& text : step.entryTexts(kind)) entries.push_back(cp1252ToUtf8(text));
    list[TaxStep::branchName(kind)] = std::move(entries);
  }
  if (json) {
    std::cout << list.dump(2) << '\n';
    return kExitSuccess;
  }
  for (const auto& [branch, entries] : list.items()) {
    std::printf("%s\n", branch.c_str());
    for (const Json& entry : entries) std::printf("  %s\n", entry.get<std::string>().c_str());
  }
  return kExitSuccess;
}

int runTax(CliContext& context) {
  const std::vector<std::string>& args = context.args;
  if (args.size() < 2) return usageError(context, "expected list, add or remove and DOC.qvx");
  const std::string& verb = args[0];
  DocumentSession session(context.env);
  if (verb == "list") {
    if (args.size() > 3 || (args.size() == 3 && args[2] != "--json")) {
      return usageError(context, "list takes DOC.qvx [--json]");
    }
    if (!session.open(args[1])) return kExitFailure;
    return runTaxList(session, args.size() == 3);
  }
  if (verb != "add" && verb != "remove") {
    return usageError(context, unknownNameMessage("tax command", verb, {"list", "add", "remove"}));
  }
  if (args.size() < 3) return usageError(context, "expected the kind: state, city or vat");
  std::optional<size_t> kindIndex = findName(taxKindNames(), args[2]);
  if (!kindIndex) return usageError(context, unknownNameMessage("tax kind", args[2], taxKindNames()));
  const TaxKind kind = static_cast<TaxKind>(*kindIndex);
  std::optional<std::vector<std::string>> values =
      storedArgs(std::vector<std::string>(args.begin() + 3, args.end()));
  if (!values) return kExitFailure;
  if (!session.open(args[1])) return kExitFailure;
  TaxStep step(session.app());

  if (verb == "remove") {
    if (values->size() != 1) return usageError(context, "remove takes DOC.qvx KIND NAME");
    std::optional<size_t> index = taxEntryIndex(step.tax, kind, values->front());
    if (!index) return failure("there is no " + args[2] + " tax \"" + values->front() + "\"");
    step.selection = TaxSelection{kind, *index};
    const size_t before = step.entryTexts(kind).size();
    step.remove();
    if (step.entryTexts(kind).size() == before) return kExitFailure;
    return finishStep(context, session, step, "Removed the tax of " + values->front() + ".");
  }

  // add: the fields the kind's dialog needs, then the rate.
  const size_t needed = kind == TaxKind::kState ? 3 : kind == TaxKind::kCity ? 4 : 2;
  if (values->size() != needed) {
    return usageError(context, "add state takes NAME ABBREVIATION RATE, add city CITY STATE "
                               "ABBREVIATION RATE, add vat COUNTRY RATE");
  }
  const std::vector<std::string> fields = *values;
  session.frontEnd().expectDialog([&fields, kind](DialogModel& model) {
    auto* dialog = dynamic_cast<TaxRateDialog*>(&model);
    if (dialog == nullptr) return false;
    TaxEntry& entry = dialog->entry;
    size_t next = 0;
    if (kind == TaxKind::kCity) entry.city = fields[next++];
    if (kind == TaxKind::kVat) {
      entry.country = fields[next++];
    } else {
      entry.state = fields[next++];
      entry.abbreviation = fields[next++];
    }
    dialog->rateText = fields[next];
    return true;
  });
  const size_t before = step.entryTexts(kind).size();
  step.add(kind);
  // A tax that repeats one is refused with the step's message after its
  // dialog was accepted.
  if (step.entryTexts(kind).size() == before) return kExitFailure;
  const std::vector<std::string> texts = step.entryTexts(kind);
  std::string added = texts.empty() ? "" : texts.back();
  return finishStep(context, session, step, "Added the tax " + added + ".");
}

// ---- shipping -----------------------------------------------------------------

int runShippingList(DocumentSession& session, bool json) {
  const CShipping& shipping = *session.doc().m_pShipping;
  Json list = Json::array();
  for (const CShippingType& type : shipping.shippingTypes) {
    Json item = {{"label", cp1252ToUtf8(type.label)}};
    if (shipping.basedOn == CShipping::kFlatRate) {
      item["flatRate"] = cp1252ToUtf8(type.flatRate);
    } else {
      Json charges = Json::array();
      for (size_t i = 0; i < type.rangeCount(); ++i) {
        charges.push_back({{"upTo", cp1252ToUtf8(type.upperLimits[i])},
                           {"charge", cp1252ToUtf8(type.charges[i])}});
      }
      item["charges"] = std::move(charges);
    }
    list.push_back(std::move(item));
  }
  if (json) {
    std::cout << list.dump(2) << '\n';
    return kExitSuccess;
  }
  std::printf("Based on %s, handling charge %s\n", shippingBasisName(shipping.basedOn).c_str(),
              cp1252ToUtf8(shipping.handlingCharge).c_str());
  for (const Json& item : list) {
    std::printf("  %s", item["label"].get<std::string>().c_str());
    if (item.contains("flatRate")) std::printf(": %s", item["flatRate"].get<std::string>().c_str());
    for (const Json& range : item.value("charges", Json::array())) {
      std::printf("  [up to %s: %s]", range["upTo"].get<std::string>().c_str(),
                  range["charge"].get<std::string>().c_str());
    }
    std::printf("\n");
  }
  return kExitSuccess;
}

// One --charge LIMIT=CHARGE of shipping add; LIMIT "and up" is the last range.
struct ChargeOption {
  std::string limit;
  std::string charge;
  bool andUp = false;
};

// Queues the dialogs of a new shipping type: the type's own, and within it
// one "Edit Shipping Charge" per range, inserted before the last range or,
// for "and up", editing it.
void expectTypeDialogs(HeadlessFrontEnd& frontEnd, const std::string& label,
                       const std::optional<std::string>& flatRate,
                       const std::vector<ChargeOption>& charges) {
  frontEnd.expectDialog([&label, &flatRate, &charges](DialogModel& model) {
    auto* dialog = dynamic_cast<ShippingTypeDialog*>(&model);
    if (dialog == nullptr) return false;
    dialog->type.label = label;
    if (dialog->flatRate()) {
      dialog->type.flatRate = flatRate.value_or("");
      return true;
    }
    for (const ChargeOption& charge : charges) {
      dialog->selectedRow = dialog->type.rangeCount() - 1;
      charge.andUp ? dialog->editCharge() : dialog->insertCharge();
    }
    return true;
  });
  for (const ChargeOption& charge : charges) {
    frontEnd.expectDialog([&charge](DialogModel& model) {
      auto* dialog = dynamic_cast<ChargeDialog*>(&model);
      if (dialog == nullptr) return false;
      if (!charge.andUp) dialog->limit = charge.limit;
      dialog->charge = charge.charge;
      return true;
    });
  }
}

int runShippingAdd(CliContext& context, DocumentSession& session,
                   const std::vector<std::string>& args) {
  std::optional<std::string> label, flatRate;
  std::vector<ChargeOption> charges;
  for (size_t i = 0; i < args.size(); ++i) {
    if ((args[i] == "--flat" || args[i] == "--charge") && i + 1 < args.size()) {
      const std::string& value = args[++i];
      if (args[i - 1] == "--flat") {
        flatRate = value;
        continue;
      }
      const size_t equals = value.find('=');
      if (equals == std::string::npos) return usageError(context, "--charge takes LIMIT=CHARGE");
      const std::string limit = value.substr(0, equals);
      charges.push_back({limit, value.substr(equals + 1), toLowerAscii(limit) == "and up"});
    } else if (!label && !args[i].starts_with("--")) {
      label = args[i];
    } else {
      return usageError(context, "unexpected argument " + args[i]);
    }
  }
  if (!label) return usageError(context, "add takes DOC.qvx LABEL [--flat CHARGE | --charge LIMIT=CHARGE...]");
  ShippingStep step(session.app());
  const bool flat = step.shipping.basedOn == CShipping::kFlatRate;
  if (flat != flatRate.has_value() || (flat && !charges.empty())) {
    return usageError(context, flat ? "shipping is a flat rate: give --flat CHARGE"
                                    : "shipping is based on " +
                                          shippingBasisName(step.shipping.basedOn) +
                                          ": give --charge LIMIT=CHARGE (LIMIT \"and up\" for "
                                          "the last range)");
  }
  expectTypeDialogs(session.frontEnd(), *label, flatRate, charges);
  step.addType();
  return finishStep(context, session, step, "Added the shipping type " + *label + ".");
}

int runShipping(CliContext& context) {
  if (context.args.size() < 2) return usageError(context, "expected list, add or remove and DOC.qvx");
  const std::string& verb = context.args[0];
  std::optional<std::vector<std::string>> args =
      storedArgs(std::vector<std::string>(context.args.begin() + 2, context.args.end()));
  if (!args) return kExitFailure;
  DocumentSession session(context.env);
  if (verb != "list" && verb != "add" && verb != "remove") {
    return usageError(context, unknownNameMessage("shipping command", verb, {"list", "add", "remove"}));
  }
  if (!session.open(context.args[1])) return kExitFailure;
  if (verb == "list") {
    if (args->size() > 1 || (args->size() == 1 && args->front() != "--json")) {
      return usageError(context, "list takes DOC.qvx [--json]");
    }
    return runShippingList(session, !args->empty());
  }
  if (verb == "add") return runShippingAdd(context, session, *args);
  if (args->size() != 1) return usageError(context, "remove takes DOC.qvx LABEL");
  ShippingStep step(session.app());
  for (size_t i = 0; i < step.shipping.shippingTypes.size(); ++i) {
    if (toLowerAscii(step.shipping.shippingTypes[i].label) == toLowerAscii(args->front())) {
      step.selectedType = i;
    }
  }
  if (!step.selectedType) return failure("there is no shipping type \"" + args->front() + "\"");
  const size_t before = step.shipping.shippingTypes.size();
  step.deleteType();
  if (step.shipping.shippingTypes.size() == before) return kExitFailure;
  return finishStep(context, session, step, "Removed the shipping type " + args->front() + ".");
}

}  // namespace

void addCommerceCommands(std::vector<CliCommand>& commands) {
  commands.push_back(
      {"tax",
       "list DOC.qvx [--json] | add DOC.qvx state NAME ABBREVIATION RATE |\n"
       "       add DOC.qvx city CITY STATE ABBREVIATION RATE | add DOC.qvx vat COUNTRY RATE |\n"
       "       remove DOC.qvx state|city|vat NAME",
       "List, add or remove the taxes of Tax Settings.",
       "RATE is a percentage (8%, 8.25) or a fraction (0.0825), checked as the Tax\n"
       "Rate dialog checks it; a tax that repeats one of its kind (without regard to\n"
       "case) is refused with the dialog's message (exit status 1). remove names a\n"
       "state by its abbreviation or name, a city or a country, and asks first\n"
       "(--yes answers). set DOC.qvx tax.rate[ABBREVIATION]=RATE changes a rate.\n",
       runTax});
  commands.push_back(
      {"shipping",
       "list DOC.qvx [--json] | add DOC.qvx LABEL [--flat CHARGE | --charge LIMIT=CHARGE...] |\n"
       "       remove DOC.qvx LABEL",
       "List, add or remove the shipping types of Set Shipping.",
       "What the charges depend on and the handling charge are set with set\n"
       "(shipping.basedOn=weight, shipping.handling=2.50). A flat-rate type takes\n"
       "--flat CHARGE; otherwise each --charge LIMIT=CHARGE adds a range up to LIMIT,\n"
       "in ascending order, and --charge \"and up=CHARGE\" sets the last range's\n"
       "charge. The Shipping Type and Edit Shipping Charge dialogs check them, with\n"
       "their messages (exit status 1). remove asks first (--yes answers).\n",
       runShipping});
}

}  // namespace quorvex::cli
