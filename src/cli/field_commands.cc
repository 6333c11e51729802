// The commands that read and change a company document's fields by their
// paths: get and set.

#include <cstdio>
#include <iostream>
#include <string>

#include "app/document_fields.h"
#include "cli/cli_command.h"
#include "cli/document_session.h"
#include "cli/name_choice.h"
#include "platform/text_encoding.h"

namespace quorvex::cli {
namespace {

// A value as get prints it: a text as it is, anything else as JSON.
std::string shown(const Json& value) {
  return value.is_string() ? value.get<std::string>() : value.dump(2);
}

// The exit status for a failed get or set of `path`, after printing why: a
// path that names no field is a usage error listing the valid names; a value
// the dialog refused has had the dialog's message shown.
int fieldFailure(const DocumentFields& fields, const std::string& path, const Status& status) {
  if (status.code() == Status::Code::kNotFound) {
    std::fprintf(stderr, "quorvex-cli: %s\n",
                 unknownNameMessage("field", path, fields.pathNames()).c_str());
    return kExitUsage;
  }
  return failure(status.message());
}

// The readable outline get prints without a path: every friendly name with
// its value, then the lists of the document.
void printOutline(DocumentSession& session, DocumentFields& fields) {
  CBrenquilDoc& doc = session.doc();
  std::printf("Company: %s\n", cp1252ToUtf8(doc.m_strCompanyName).c_str());
  for (const DocumentFields::Alias& alias : DocumentFields::aliases()) {
    Json value;
    if (std::string(alias.name).find('[') != std::string::npos) continue;
    if (!fields.get(alias.name, &value).ok()) continue;
    // Passwords are not shown, only whether there is one.
    const bool password = std::string(alias.name).ends_with("assword");
    const std::string text = shown(value);
    std::printf("  %-24s %s\n", alias.name,
                password ? (text.empty() ? "" : "(set)") : text.c_str());
  }
  const CTax& tax = *doc.m_pTax;
  std::printf("Taxes: %zu\n", tax.stateNames.size() + tax.cityNames.size() + tax.vatCountries.size());
  for (size_t i = 0; i < tax.stateNames.size() && i < tax.stateRates.size(); ++i) {
    std::printf("  tax.rate[%s]  %s (%s)\n", cp1252ToUtf8(tax.stateAbbreviations[i]).c_str(),
                cp1252ToUtf8(tax.stateRates[i]).c_str(), cp1252ToUtf8(tax.stateNames[i]).c_str());
  }
  std::printf("Shipping types: %zu\n", doc.m_pShipping->shippingTypes.size());
  for (const CShippingType& type : doc.m_pShipping->shippingTypes) {
    std::printf("  %s\n", cp1252ToUtf8(type.label).c_str());
  }
  std::printf("Site type: %s\nStyle: %s\nPages: %zu\n",
              cp1252ToUtf8(doc.m_pSiteTemplate->currentName).c_str(),
              cp1252ToUtf8(doc.m_pTemplate->currentName).c_str(), doc.m_pPageData->pages.size());
  for (const Owned<CPage>& page : doc.m_pPageData->pages) {
    std::printf("  %s\n", cp1252ToUtf8(page->label).c_str());
  }
  std::printf("Coupons: %zu\n", doc.m_pCouponData->coupons.size());
}

int runGet(CliContext& context) {
  std::vector<std::string> positional;
  bool json = false;
  for (const std::string& arg : context.args) {
    if (arg == "--json") {
      json = true;
    } else if (arg.starts_with("--")) {
      return usageError(context, "unexpected option " + arg);
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.empty() || positional.size() > 2) return usageError(context, "expected DOC.qvx [PATH]");
  DocumentSession session(context.env);
  if (!session.open(positional[0])) return kExitFailure;
  DocumentFields fields(session.app(), session.frontEnd());
  if (positional.size() == 1) {
    printOutline(session, fields);
    return kExitSuccess;
  }
  Json value;
  Status status = fields.get(positional[1], &value);
  if (!status.ok()) return fieldFailure(fields, positional[1], status);
  std::cout << (json ? value.dump(2) : shown(value)) << '\n';
  return kExitSuccess;
}

int runSet(CliContext& context) {
  if (context.args.size() < 2) return usageError(context, "expected DOC.qvx and PATH=VALUE");
  DocumentSession session(context.env);
  if (!session.open(context.args[0])) return kExitFailure;
  DocumentFields fields(session.app(), session.frontEnd());
  std::string changed;
  for (size_t i = 1; i < context.args.size(); ++i) {
    const std::string& assignment = context.args[i];
    const size_t equals = assignment.find('=');
    if (equals == std::string::npos || equals == 0) {
      return usageError(context, "expected PATH=VALUE, not " + assignment);
    }
    const std::string path = assignment.substr(0, equals);
    Status status = fields.set(path, assignment.substr(equals + 1));
    if (!status.ok()) return fieldFailure(fields, path, status);
    Json value;
    if (fields.get(path, &value).ok()) changed += (changed.empty() ? "" : ", ") + path + " = " + shown(value);
  }
  if (!session.save()) return kExitFailure;
  // The values came from get as UTF-8, from texts in the code page.
  const std::string summary = "Set " + changed + ".";
  return reportChange(context, utf8ToCp1252(summary).value_or(summary));
}

// The help of set: the friendly names with what each holds.
const char* setHelp() {
  static const std::string help = [] {
    std::string text =
        "Each PATH=VALUE changes one field, in order; the document is saved when all\n"
        "were taken. A friendly name changes its field through the step that edits it,\n"
        "so a value the step's dialog refuses is refused with its message (exit\n"
        "status 1); nothing is saved then. Other fields are named by their path in\n"
        "the JSON form of dump (m_pBusiness.currencySymbol, m_pContact.phones[0].value;\n"
        "members also without their m_p prefix, in any case). A number field takes a\n"
        "whole number, an enumeration its name, a record or list JSON.\n"
        "Friendly names:\n";
    for (const DocumentFields::Alias& alias : DocumentFields::aliases()) {
      text += "  " + std::string(alias.name) + "\n      " + alias.help + "\n";
    }
    return text;
  }();
  return help.c_str();
}

}  // namespace

void addFieldCommands(std::vector<CliCommand>& commands) {
  commands.push_back(
      {"get", "DOC.qvx [PATH] [--json]", "Print a field of a company document, or an outline.",
       "Without PATH, prints an outline: the friendly names of set with their values,\n"
       "the taxes, shipping types, site type, style, pages and coupons. With PATH,\n"
       "prints that field (names as for set); --json prints it as JSON.\n",
       runGet});
  commands.push_back({"set", "DOC.qvx PATH=VALUE...", "Change fields of a company document.",
                      setHelp(), runSet});
}

}  // namespace quorvex::cli
