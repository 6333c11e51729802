// The commands that create, show and convert company documents.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>

#include "cli/cli_command.h"
#include "company/brenquil_doc.h"
#include "company/document_json.h"
#include "platform/atomic_file.h"
#include "platform/text_encoding.h"

namespace quorvex::cli {
namespace {

namespace fs = std::filesystem;

int runNew(CliContext& context) {
  std::string file, company;
  for (size_t i = 0; i < context.args.size(); ++i) {
    if (context.args[i] == "--company" && i + 1 < context.args.size()) {
      company = context.args[++i];
    } else if (file.empty() && context.args[i][0] != '-') {
      file = context.args[i];
    } else {
      return usageError(context, "unexpected argument " + context.args[i]);
    }
  }
  if (file.empty()) return usageError(context, "missing FILE.qvx");
  std::optional<std::string> name = utf8ToCp1252(company);
  if (!name) return failure("the company name holds characters a document cannot store");

  CBrenquilDoc doc(context.env);
  doc.m_strCompanyName = *name;
  doc.m_pExtraFields->companyName = *name;
  Status status = doc.save(file);
  if (!status.ok()) return failure(status.message());
  return kExitSuccess;
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
  std::ifstream in(context.args[0], std::ios::binary);
  if (!in) return failure("Cannot open " + context.args[0]);
  Json json = Json::parse(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>(),
                          nullptr, /*allow_exceptions=*/false);
  if (json.is_discarded()) return failure(context.args[0] + " is not valid JSON");
  CBrenquilDoc doc(context.env);
  Status status = documentFromJson(json, doc);
  if (!status.ok()) return failure(context.args[0] + ": " + status.message());
  status = doc.save(context.args[1]);
  if (!status.ok()) return failure(status.message());
  return kExitSuccess;
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
  commands.push_back({"new", "FILE.qvx [--company NAME]", "Write a new company document.",
                      "The document holds the values of a new company; --company sets its name.\n",
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
