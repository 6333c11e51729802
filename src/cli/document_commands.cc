// The commands that create, show and convert company documents.

#include <cstdio>
#include <iostream>

#include "app/company_name.h"
#include "cli/cli_command.h"
#include "company/brenquil_doc.h"
#include "company/document_json.h"
#include "platform/regular_file.h"
#include "platform/text_encoding.h"

namespace quorvex::cli {
namespace {

namespace fs = std::filesystem;

// The largest JSON form load reads: a document's largest file in its longer
// text form.
constexpr size_t kMaxJsonBytes = 4 * CBrenquilDoc::kMaxFileBytes;

int runNew(CliContext& context) {
  std::string file, company;
  bool force = false;
  for (size_t i = 0; i < context.args.size(); ++i) {
    if (context.args[i] == "--company" && i + 1 < context.args.size()) {
      company = context.args[++i];
    } else if (context.args[i] == "--force") {
      force = true;
    } else if (file.empty() && context.args[i][0] != '-') {
      file = context.args[i];
    } else {
      return usageError(context, "unexpected argument " + context.args[i]);
    }
  }
  if (file.empty()) return usageError(context, "missing FILE.qvx");
  std::optional<std::string> name = utf8ToCp1252(company);
  if (!name) return failure("the company name holds characters a document cannot store");
  if (!name->empty()) {
    Status check = checkCompanyName(*name);
    if (!check.ok()) return failure(check.message());
  }

  std::error_code error;
  if (!force && fs::exists(fs::symlink_status(file, error))) {
    return failure(file + " already exists; --force replaces it.");
  }
  CBrenquilDoc doc(context.env);
  doc.m_strCompanyName = *name;
  doc.m_pExtraFields->companyName = *name;
  Status status = doc.save(file);
  if (!status.ok()) return failure(status.message());
  return reportChange(context, "Created " + file +
                                   (name->empty() ? "." : " for the company " + *name + "."));
}

int openDocument(const std::string& file, CBrenquilDoc& doc) {
  Status status = doc.open(file);
  if (!status.ok()) return failure(status.message());
  return kExitSuccess;
}

int runDump(CliContext& context) {
  if (context.args.size() != 1) return usageError(context, "expected one FILE.qvx");
  CBrenquilDoc doc(context.env);
  if (int result = openDocument(context.args[0], doc)) return result;
  std::cout << documentToJson(doc).dump(2) << '\n';
  return kExitSuccess;
}

int runLoad(CliContext& context) {
  if (context.args.size() != 2) return usageError(context, "expected FILE.json and OUT.qvx");
  std::string text;
  Status read = readRegularFile(context.args[0], kMaxJsonBytes, &text);
  if (!read.ok()) return failure(read.message());
  Json json = Json::parse(text, nullptr, /*allow_exceptions=*/false);
  if (json.is_discarded()) return failure(context.args[0] + " is not valid JSON");
  CBrenquilDoc doc(context.env);
  Status status = documentFromJson(json, doc);
  if (!status.ok()) return failure(context.args[0] + ": " + status.message());
  status = doc.save(context.args[1]);
  if (!status.ok()) return failure(status.message());
  return reportChange(context, "Wrote " + context.args[1] + " from " + context.args[0] + ": " +
                                   plural(doc.m_pPageData->pages.size(), "page") + ", " +
                                   plural(doc.m_pCouponData->coupons.size(), "coupon") + ".");
}

int runSummary(CliContext& context) {
  if (context.args.size() != 1) return usageError(context, "expected one FILE.qvx");
  CBrenquilDoc doc(context.env);
  if (int result = openDocument(context.args[0], doc)) return result;
  std::printf("Company:        %s\n", cp1252ToUtf8(doc.m_strCompanyName).c_str());
  std::printf("Web address:    %s\n", cp1252ToUtf8(doc.m_pContact->url).c_str());
  std::printf("Pages:          %zu\n", doc.m_pPageData->pages.size());
  for (const Owned<CPage>& page : doc.m_pPageData->pages) {
    std::printf("  %s\n", cp1252ToUtf8(page->label).c_str());
  }
  std::printf("Coupons:        %zu\n", doc.m_pCouponData->coupons.size());
  std::printf("Published files: %zu on the web server, %zu on the order server\n",
              doc.m_pWebFileList->entries.size(), doc.m_pOrderServerFileList->entries.size());
  return kExitSuccess;
}

}  // namespace

void addDocumentCommands(std::vector<CliCommand>& commands) {
  commands.push_back({"new", "FILE.qvx [--company NAME] [--force]", "Write a new company document.",
                      "The document holds the values of a new company; --company sets its name.\n"
                      "An existing FILE is kept unless --force is given.\n",
                      runNew});
  commands.push_back({"dump", "FILE.qvx", "Print a company document as JSON.",
                      "Every member of the document, each record an object with its \"class\".\n"
                      "A damaged document is refused with what was expected at which offset.\n",
                      runDump});
  commands.push_back({"load", "FILE.json OUT.qvx", "Write a company document from JSON.",
                      "Takes the form dump prints; members left out keep new-document values.\n"
                      "Unknown classes or fields are refused.\n",
                      runLoad});
  commands.push_back({"summary", "FILE.qvx", "Print a short summary of a company document.", "",
                      runSummary});
}

}  // namespace quorvex::cli
