#include "app/document_fields.h"

#include <cstdlib>
#include <functional>
#include <optional>

#include "app/address_dialog.h"
#include "app/app_services.h"
#include "app/business_step.h"
#include "app/contact_step.h"
#include "app/headless_front_end.h"
#include "app/label_value_dialog.h"
#include "app/location_step.h"
#include "app/server_preferences_step.h"
#include "app/shipping_step.h"
#include "app/shipping_type_dialog.h"
#include "app/tax_step.h"
#include "company/brenquil_doc.h"
#include "company/document_json.h"
#include "platform/strings.h"
#include "platform/env.h"
#include "platform/text_encoding.h"
#include "publish/order_server.h"

namespace quorvex {

namespace {

// The value of a text field as the document stores it; nullopt for a text a
// document cannot store.
std::optional<std::string> stored(const std::string& utf8) { return utf8ToCp1252(utf8); }

// Ends a step changed by a friendly name: when its dialogs took what they
// were given and its own OK accepts, stores it back and runs its follow-up.
Status applyStep(StepModel& step, const HeadlessFrontEnd& frontEnd, const std::string& path) {
  if (!frontEnd.allAccepted() || !step.accept()) {
    return Status::refused("the value of " + path + " was refused");
  }
  step.apply();
  return Status::success();
}

// ---- Friendly names --------------------------------------------------------

struct AliasRule {
  DocumentFields::Alias alias;
  // Reads the field (the key of a keyed name in `key`).
  std::function<Json(AppServices& app, const std::string& key)> get;
  // Changes the field to `value` (in the documents' code page).
  std::function<Status(AppServices& app, HeadlessFrontEnd& frontEnd, const std::string& key,
                       const std::string& value, const std::string& path)>
      set;
};

// A field of the first postal address, which is made when there is none.
AliasRule addressRule(const char* name, const char* help, std::string CAddress::*field) {
  return {{name, help},
          [field](AppServices& app, const std::string&) {
            const auto& addresses = app.doc.m_pContact->addresses;
            return Json(addresses.empty() ? "" : cp1252ToUtf8(addresses.front().*field));
          },
          [field](AppServices& app, HeadlessFrontEnd& frontEnd, const std::string&,
                  const std::string& value, const std::string& path) {
            LocationStep step(app);
            if (step.contact.addresses.empty()) step.contact.addresses.emplace_back();
            AddressDialog dialog(app.env.prompter());
            dialog.address = step.contact.addresses.front();
            dialog.address.*field = value;
            if (!dialog.accept()) return Status::refused("the value of " + path + " was refused");
            step.contact.addresses.front() = dialog.address;
            return applyStep(step, frontEnd, path);
          }};
}

// The first e-mail address or phone number, added through its dialog when
// there is none, else edited through it.
AliasRule contactEntryRule(const char* name, const char* help, bool email) {
  return {{name, help},
          [email](AppServices& app, const std::string&) {
            const auto& list = email ? app.doc.m_pContact->emails : app.doc.m_pContact->phones;
            return Json(list.empty() ? "" : cp1252ToUtf8(list.front().value));
          },
          [email](AppServices& app, HeadlessFrontEnd& frontEnd, const std::string&,
                  const std::string& value, const std::string& path) {
            ContactStep step(app);
            auto& list = email ? step.contact.emails : step.contact.phones;
            const bool adding = list.empty();
            frontEnd.expectDialog([&](DialogModel& model) {
              auto* dialog = dynamic_cast<LabelValueDialog*>(&model);
              if (dialog == nullptr) return false;
              if (dialog->entry.label.empty()) dialog->entry.label = email ? "E-mail" : "Phone";
              dialog->entry.value = value;
              return true;
            });
            if (adding) {
              email ? step.addEmail() : step.addPhone();
            } else {
              (email ? step.selectedEmail : step.selectedPhone) = 0;
              email ? step.editEmail() : step.editPhone();
            }
            return applyStep(step, frontEnd, path);
          }};
}

AliasRule businessRule(const char* name, const char* help, std::string CBusiness::*field) {
  return {{name, help},
          [field](AppServices& app, const std::string&) {
            return Json(cp1252ToUtf8((*app.doc.m_pBusiness).*field));
          },
          [field](AppServices& app, HeadlessFrontEnd& frontEnd, const std::string&,
                  const std::string& value, const std::string& path) {
            BusinessStep step(app);
            step.business.*field = value;
            return applyStep(step, frontEnd, path);
          }};
}

// A field of the web server's login; a password counts as typed twice.
AliasRule serverRule(const char* name, const char* help, std::string CFtp::*field) {
  return {{name, help},
          [field](AppServices& app, const std::string&) {
            return Json(cp1252ToUtf8((*app.doc.m_pFtp).*field));
          },
          [field](AppServices& app, HeadlessFrontEnd& frontEnd, const std::string&,
                  const std::string& value, const std::string& path) {
            ServerPreferencesStep step(app);
            step.record.*field = value;
            step.ftpPasswordAgain = step.record.ftpPassword;
            step.vendorPasswordAgain = step.record.vendorPassword;
            return applyStep(step, frontEnd, path);
          }};
}

// The order server's host, the user's setting rather than the document's,
// changed through the step that shows it.
AliasRule orderServerRule() {
  return {{"server.orderServer",
           "the order server's host, a setting of the user shared by every document "
           "($QUORVEX_ORDER_SERVER, when set, is used instead)"},
          [](AppServices& app, const std::string&) {
            return Json(cp1252ToUtf8(storedOrderServerHost(app.env.settings())));
          },
          [](AppServices& app, HeadlessFrontEnd& frontEnd, const std::string&,
             const std::string& value, const std::string& path) {
            ServerPreferencesStep step(app);
            step.orderServerHost = value;
            return applyStep(step, frontEnd, path);
          }};
}

// The position of the state tax whose abbreviation is `key` (any case).
std::optional<size_t> stateTaxIndex(const CTax& tax, const std::string& key) {
  for (size_t i = 0; i < tax.stateAbbreviations.size(); ++i) {
    if (toLowerAscii(tax.stateAbbreviations[i]) == toLowerAscii(key)) return i;
  }
  return std::nullopt;
}

AliasRule stateTaxRule() {
  return {{"tax.rate[STATE]",
           "the tax rate of a state or province by its abbreviation (8%, 8.25 or 0.0825); "
           "a new state is added, named by its abbreviation"},
          [](AppServices& app, const std::string& key) {
            std::optional<size_t> index = stateTaxIndex(*app.doc.m_pTax, key);
            return index ? Json(cp1252ToUtf8(app.doc.m_pTax->stateRates[*index])) : Json();
          },
          [](AppServices& app, HeadlessFrontEnd& frontEnd, const std::string& key,
             const std::string& value, const std::string& path) {
            TaxStep step(app);
            std::optional<size_t> index = stateTaxIndex(step.tax, key);
            frontEnd.expectDialog([&](DialogModel& model) {
              auto* dialog = dynamic_cast<TaxRateDialog*>(&model);
              if (dialog == nullptr) return false;
              if (!index) dialog->entry.state = dialog->entry.abbreviation = key;
              dialog->rateText = value;
              return true;
            });
            if (index) {
              step.selection = TaxSelection{TaxKind::kState, *index};
              step.edit();
            } else {
              step.add(TaxKind::kState);
            }
            // A new tax that repeats a state is refused with the step's
            // message after its dialog was accepted.
            if (!stateTaxIndex(step.tax, key)) {
              return Status::refused("the value of " + path + " was refused");
            }
            return applyStep(step, frontEnd, path);
          }};
}

// The names of the shipping bases, in the order of CShipping::basedOn.
std::vector<std::string> shippingBasisNames() {
  std::vector<std::string> names;
  for (int32_t basis = 0; basis <= CShipping::kFlatRate; ++basis) {
    names.push_back(shippingBasisName(basis));
  }
  return names;
}

// The enumeration value named `name` (any case, spaces optional) or given
// as its number; nullopt for neither.
std::optional<int32_t> enumerationValue(const std::vector<std::string>& names,
                                        const std::string& name) {
  auto squeezed = [](std::string text) {
    std::erase(text, ' ');
    return toLowerAscii(text);
  };
  for (size_t i = 0; i < names.size(); ++i) {
    if (squeezed(names[i]) == squeezed(name) || std::to_string(i) == name) {
      return static_cast<int32_t>(i);
    }
  }
  return std::nullopt;
}

Status unknownEnumeration(const std::string& path, const std::vector<std::string>& names) {
  std::string list;
  for (const std::string& name : names) list += (list.empty() ? "" : ", ") + name;
  return Status::invalidArgument(path + " takes one of: " + list);
}

AliasRule shippingBasisRule() {
  return {{"shipping.basedOn", "what shipping charges depend on: subtotal, weight, quantity or "
                               "flat rate"},
          [](AppServices& app, const std::string&) {
            return Json(shippingBasisName(app.doc.m_pShipping->basedOn));
          },
          [](AppServices& app, HeadlessFrontEnd& frontEnd, const std::string&,
             const std::string& value, const std::string& path) {
            std::optional<int32_t> basis = enumerationValue(shippingBasisNames(), value);
            if (!basis) return unknownEnumeration(path, shippingBasisNames());
            ShippingStep step(app);
            step.shipping.basedOn = *basis;
            return applyStep(step, frontEnd, path);
          }};
}

AliasRule handlingRule() {
  return {{"shipping.handling", "the handling charge added to every order"},
          [](AppServices& app, const std::string&) {
            return Json(cp1252ToUtf8(app.doc.m_pShipping->handlingCharge));
          },
          [](AppServices& app, HeadlessFrontEnd& frontEnd, const std::string&,
             const std::string& value, const std::string& path) {
            ShippingStep step(app);
            step.shipping.handlingCharge = value;
            return applyStep(step, frontEnd, path);
          }};
}

AliasRule urlRule() {
  return {{"company.url", "the shop's web address"},
          [](AppServices& app, const std::string&) {
            return Json(cp1252ToUtf8(app.doc.m_pContact->url));
          },
          [](AppServices& app, HeadlessFrontEnd& frontEnd, const std::string&,
             const std::string& value, const std::string& path) {
            LocationStep step(app);
            step.url = value;
            return applyStep(step, frontEnd, path);
          }};
}

const std::vector<AliasRule>& aliasRules() {
  static const std::vector<AliasRule> rules = {
      contactEntryRule("company.email", "the first e-mail address", true),
      contactEntryRule("company.phone", "the first phone number", false),
      urlRule(),
      addressRule("company.address.line1", "the first line of the postal address",
                  &CAddress::line1),
      addressRule("company.address.line2", "its second line", &CAddress::line2),
      addressRule("company.address.city", "its city", &CAddress::city),
      addressRule("company.address.state", "its state or province", &CAddress::stateProvince),
      addressRule("company.address.zip", "its zip or postal code", &CAddress::zipPostal),
      addressRule("company.address.country", "its country", &CAddress::country),
      businessRule("business.description", "what the business does", &CBusiness::description),
      businessRule("business.keywords", "the keywords of the pages", &CBusiness::keywords),
      businessRule("business.currency", "the currency symbol", &CBusiness::currencySymbol),
      businessRule("business.copyright", "the copyright line", &CBusiness::copyrightText),
      stateTaxRule(),
      shippingBasisRule(),
      handlingRule(),
      serverRule("server.host", "the web server's FTP host", &CFtp::ftpHost),
      serverRule("server.user", "the web server's FTP user", &CFtp::ftpUser),
      serverRule("server.password", "the web server's FTP password", &CFtp::ftpPassword),
      serverRule("server.folder", "the site's folder on the web server", &CFtp::ftpFolder),
      serverRule("server.vendorId", "the order server account's vendor ID", &CFtp::vendorId),
      serverRule("server.vendorPassword", "the order server account's password",
                 &CFtp::vendorPassword),
      serverRule("server.orderEmail", "where order notices are sent", &CFtp::orderEmail),
      serverRule("server.extraOrigins",
                 "other web addresses of the shop that may send orders "
                 "(https://shop.example.org), separated by blanks or commas",
                 &CFtp::extraOrigins),
      orderServerRule(),
  };
  return rules;
}

// Splits "tax.rate[WA]" into the rule's name "tax.rate[STATE]" pattern and
// the key "WA"; the rule matching `path` (any case) or nullptr.
const AliasRule* findAlias(const std::string& path, std::string* key) {
  const size_t open = path.find('[');
  const bool keyed = open != std::string::npos && path.ends_with("]");
  const std::string base = toLowerAscii(keyed ? path.substr(0, open) : path);
  for (const AliasRule& rule : aliasRules()) {
    std::string name = rule.alias.name;
    const size_t ruleOpen = name.find('[');
    if ((ruleOpen != std::string::npos) != keyed) continue;
    if (keyed) name.resize(ruleOpen);
    if (toLowerAscii(name) != base) continue;
    if (keyed) *key = path.substr(open + 1, path.size() - open - 2);
    return &rule;
  }
  return nullptr;
}

// ---- JSON paths --------------------------------------------------------------

// A member name without its "m_p", "m_str" or "m_n" prefix, lowered.
std::string plainName(std::string_view name) {
  for (std::string_view prefix : {"m_str", "m_p", "m_n", "m_"}) {
    if (name.starts_with(prefix)) {
      name.remove_prefix(prefix.size());
      break;
    }
  }
  return toLowerAscii(name);
}

// The enumerations stored as numbers, by their JSON path.
struct Enumeration {
  const char* path;
  std::vector<std::string> (*names)();
};
constexpr Enumeration kEnumerations[] = {{"/m_pShipping/basedOn", shippingBasisNames}};

const Enumeration* enumerationAt(const Json::json_pointer& pointer) {
  for (const Enumeration& enumeration : kEnumerations) {
    if (pointer.to_string() == enumeration.path) return &enumeration;
  }
  return nullptr;
}

// Resolves `path` in the JSON form `root`; nullopt when it names nothing.
std::optional<Json::json_pointer> resolve(const Json& root, const std::string& path) {
  Json::json_pointer pointer;
  const Json* node = &root;
  size_t start = 0;
  while (start < path.size()) {
    if (path[start] == '[') {
      const size_t close = path.find(']', start);
      if (close == std::string::npos || !node->is_array()) return std::nullopt;
      char* end = nullptr;
      const std::string digits = path.substr(start + 1, close - start - 1);
      const unsigned long index = std::strtoul(digits.c_str(), &end, 10);
      if (digits.empty() || *end != '\0' || index >= node->size()) return std::nullopt;
      pointer /= index;
      node = &(*node)[index];
      start = close + 1;
      if (start < path.size() && path[start] == '.') ++start;
      continue;
    }
    size_t stop = path.find_first_of(".[", start);
    if (stop == std::string::npos) stop = path.size();
    const std::string segment = path.substr(start, stop - start);
    if (!node->is_object()) return std::nullopt;
    std::optional<std::string> member;
    for (const auto& [name, value] : node->items()) {
      if (name == segment) member = name;
    }
    for (const auto& [name, value] : node->items()) {
      if (!member && name != "class" && plainName(name) == plainName(segment)) member = name;
    }
    if (!member) return std::nullopt;
    pointer /= *member;
    node = &(*node)[*member];
    start = stop < path.size() && path[stop] == '.' ? stop + 1 : stop;
  }
  if (pointer.empty()) return std::nullopt;
  return pointer;
}

// The value to store in place of `current` for the typed `text`.
Status typedValue(const Json& current, const std::string& text, const std::string& path,
                  const Enumeration* enumeration, Json* value) {
  if (enumeration != nullptr) {
    std::optional<int32_t> number = enumerationValue(enumeration->names(), text);
    if (!number) return unknownEnumeration(path, enumeration->names());
    *value = *number;
  } else if (current.is_number_integer()) {
    char* end = nullptr;
    const long long number = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0') return Status::invalidArgument(path + " takes a whole number");
    *value = number;
  } else if (current.is_string()) {
    *value = text;
  } else {
    *value = Json::parse(text, nullptr, /*allow_exceptions=*/false);
    if (value->is_discarded() || value->type() != current.type()) {
      return Status::invalidArgument(path + " takes " +
                                     (current.is_array() ? "a JSON list" : "a JSON object"));
    }
  }
  return Status::success();
}

}  // namespace

DocumentFields::DocumentFields(AppServices& app, HeadlessFrontEnd& frontEnd)
    : app_(app), frontEnd_(frontEnd) {}

const std::vector<DocumentFields::Alias>& DocumentFields::aliases() {
  static const std::vector<Alias> list = [] {
    std::vector<Alias> names;
    for (const AliasRule& rule : aliasRules()) names.push_back(rule.alias);
    return names;
  }();
  return list;
}

std::vector<std::string> DocumentFields::pathNames() const {
  std::vector<std::string> names;
  for (const Alias& alias : aliases()) {
    std::string name = alias.name;
    names.push_back(name.substr(0, name.find('[')));
  }
  const Json json = documentToJson(app_.doc);
  for (const auto& [name, value] : json.items()) names.push_back(name);
  return names;
}

Status DocumentFields::get(const std::string& path, Json* value) const {
  std::string key;
  if (const AliasRule* rule = findAlias(path, &key)) {
    *value = rule->get(app_, key);
    if (value->is_null()) return Status::notFound("there is no " + path);
    return Status::success();
  }
  const Json json = documentToJson(app_.doc);
  std::optional<Json::json_pointer> pointer = resolve(json, path);
  if (!pointer) return Status::notFound("there is no field " + path);
  *value = json.at(*pointer);
  if (const Enumeration* enumeration = enumerationAt(*pointer); enumeration && value->is_number()) {
    const std::vector<std::string> names = enumeration->names();
    const int64_t number = value->get<int64_t>();
    if (number >= 0 && number < static_cast<int64_t>(names.size())) *value = names[number];
  }
  return Status::success();
}

Status DocumentFields::set(const std::string& path, const std::string& text) {
  std::string key;
  if (const AliasRule* rule = findAlias(path, &key)) {
    std::optional<std::string> value = stored(text);
    std::optional<std::string> storedKey = stored(key);
    if (!value || !storedKey) {
      return Status::invalidArgument(path + ": the value holds characters a document cannot store");
    }
    return rule->set(app_, frontEnd_, *storedKey, *value, path);
  }
  Json json = documentToJson(app_.doc);
  std::optional<Json::json_pointer> pointer = resolve(json, path);
  if (!pointer) return Status::notFound("there is no field " + path);
  Json value;
  Status typed = typedValue(json.at(*pointer), text, path, enumerationAt(*pointer), &value);
  if (!typed.ok()) return typed;
  json[*pointer] = std::move(value);
  Status loaded = documentFromJson(json, app_.doc);
  if (!loaded.ok()) return Status::invalidArgument(path + ": " + loaded.message());
  return Status::success();
}

}  // namespace quorvex
