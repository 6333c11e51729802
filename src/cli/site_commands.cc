// The commands that list the installed site and style templates and choose
// them for a company document, with the follow-up of the site type and style
// steps.

#include <cstdio>
#include <optional>
#include <string>

#include "app/site_template_choice.h"
#include "app/style_choice.h"
#include "cli/cli_command.h"
#include "cli/name_choice.h"
#include "company/brenquil_doc.h"
#include "imaging/image_file.h"
#include "platform/text_encoding.h"
#include "site/add_on_location.h"
#include "site/site_template_folder.h"
#include "site/style_template_folder.h"

namespace quorvex::cli {
namespace {

namespace fs = std::filesystem;

void printName(const std::string& name, bool permanent) {
  std::printf("%s%s\n", cp1252ToUtf8(name).c_str(), permanent ? "  (permanent)" : "");
}

int runSites(CliContext& context) {
  if (!context.args.empty()) return usageError(context, "takes no arguments");
  CSiteTemplate site;
  SiteTemplateFolder folder(context.env, site);
  for (const std::string& name : folder.scan()) {
    printName(name, SiteTemplateFolder::isPermanentName(context.env.home(), name));
    std::optional<std::string> description = folder.select(site.find(name));
    std::string pages;
    for (const std::string& page : site.pageNames()) pages += (pages.empty() ? "" : ", ") + page;
    std::printf("    %s\n    Pages: %s\n", cp1252ToUtf8(description.value_or("")).c_str(),
                cp1252ToUtf8(pages).c_str());
  }
  return kExitSuccess;
}

// Returns the first of `files` that reads as a picture, with its size.
std::optional<std::string> firstReadablePicture(const std::vector<fs::path>& files) {
  for (const fs::path& file : files) {
    CImageFile picture;
    picture.load(file, formatFromExtension(file.string()));
    if (picture.width() >= 1 && picture.height() >= 1) {
      return file.string() + " (" + std::to_string(picture.width()) + " x " +
             std::to_string(picture.height()) + ")";
    }
  }
  return std::nullopt;
}

int runStyles(CliContext& context) {
  if (!context.args.empty()) return usageError(context, "takes no arguments");
  CTemplate style;
  StyleTemplateFolder folder(context.env, style);
  folder.scan();
  const std::vector<std::string> names = style.styleNames;
  for (size_t i = 0; i < names.size(); ++i) {
    printName(names[i], StyleTemplateFolder::isPermanentName(context.env.home(), names[i]));
    if (!folder.load(static_cast<int32_t>(i))) continue;
    std::printf("    Folder: %s\n", cp1252ToUtf8(style.templatePath).c_str());
    std::optional<std::string> preview = firstReadablePicture(folder.previewFiles());
    if (preview) std::printf("    Preview: %s\n", preview->c_str());
  }
  return kExitSuccess;
}

// The positional arguments DOC.qvx and NAME (the latter in the document's
// code page) and the options of a set- command.
struct SetArgs {
  std::string document;
  std::string name;
  std::optional<std::string> location;
  std::optional<std::string> keptName;
};

// Returns an error message, empty on success.
std::string parseSetArgs(const std::vector<std::string>& args, bool withLocation,
                         SetArgs& parsed) {
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (withLocation && args[i] == "--location" && hasValue) {
      parsed.location = args[++i];
    } else if (withLocation && args[i] == "--keep-as" && hasValue) {
      parsed.keptName = args[++i];
    } else if (!args[i].empty() && args[i][0] == '-') {
      return "unexpected option " + args[i];
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 2) return "expected DOC.qvx and NAME";
  std::optional<std::string> name = utf8ToCp1252(positional[1]);
  if (!name) return "the name holds characters a template name cannot have";
  parsed.document = positional[0];
  parsed.name = *name;
  return "";
}

// Confirms the add-on site's location from --location and --keep-as the way
// the location dialog does.
bool confirmLocation(const SetArgs& args, CSiteTemplate& site, Prompter& prompter) {
  if (!args.location) {
    failure("the site template \"" + site.currentName +
            "\" needs the existing site's index page: add --location PATH");
    return false;
  }
  AddOnLocation location(site);
  location.indexPath = *args.location;
  if (args.keptName) location.keptName = *args.keptName;
  return location.accept(site, prompter);
}

int runSetSite(CliContext& context) {
  SetArgs args;
  std::string error = parseSetArgs(context.args, true, args);
  if (!error.empty()) return usageError(context, error);
  CBrenquilDoc doc(context.env);
  Status status = doc.open(args.document);
  if (!status.ok()) return failure(status.message());

  SiteTemplateChoice choice(context.env, *doc.m_pSiteTemplate);
  choice.open();
  const std::vector<std::string>& names = choice.site().templateNames;
  std::optional<size_t> index = findName(names, args.name);
  if (!index) {
    failure(unknownNameMessage("site template", args.name, names));
    return kExitUsage;
  }
  const std::string chosen = names[*index];
  choice.choose(static_cast<int32_t>(*index));
  SiteTemplateChoice::Acceptance acceptance = choice.accept();
  if (acceptance == SiteTemplateChoice::Acceptance::kNeedsLocation ||
      (choice.canSetLocation() && args.location)) {
    if (!confirmLocation(args, choice.site(), context.env.prompter())) return kExitFailure;
    acceptance = choice.accept();
  }
  if (acceptance != SiteTemplateChoice::Acceptance::kAccepted) return kExitFailure;
  choice.apply(doc);
  status = doc.save(args.document);
  if (!status.ok()) return failure(status.message());
  return reportChange(context, "Site type set to " + chosen + ": " +
                                   std::to_string(doc.m_pPageData->pages.size()) + " pages.");
}

int runSetStyle(CliContext& context) {
  SetArgs args;
  std::string error = parseSetArgs(context.args, false, args);
  if (!error.empty()) return usageError(context, error);
  CBrenquilDoc doc(context.env);
  Status status = doc.open(args.document);
  if (!status.ok()) return failure(status.message());
  if (!StyleChoice::hasPages(*doc.m_pPageData, context.env.prompter())) return kExitFailure;
  // A style read from a document counts as applied to the pages. One that was
  // never chosen (no name) was not, which the desktop program knows from its
  // session and the command line, working on saved documents, from the name.
  if (doc.m_pTemplate->currentName.empty()) doc.m_pTemplate->styleApplied = 0;

  StyleChoice choice(context.env, *doc.m_pTemplate);
  choice.open();
  const std::vector<std::string>& names = choice.style().styleNames;
  std::optional<size_t> index = findName(names, args.name);
  if (!index) {
    failure(unknownNameMessage("style", args.name, names));
    return kExitUsage;
  }
  const std::string chosen = names[*index];
  choice.choose(static_cast<int32_t>(*index));
  if (!choice.accept()) return kExitFailure;
  choice.apply(doc);
  status = doc.save(args.document);
  if (!status.ok()) return failure(status.message());
  return reportChange(context, "Style set to " + chosen + ".");
}

}  // namespace

void addSiteCommands(std::vector<CliCommand>& commands) {
  commands.push_back({"sites", "", "List the site templates of the home.",
                      "Each template with its description and the pages it includes;\n"
                      "permanent templates cannot be customised or deleted.\n",
                      runSites});
  commands.push_back({"styles", "", "List the style templates of the home.",
                      "Each style with the folder of its HTML templates and its preview.\n",
                      runStyles});
  commands.push_back(
      {"set-site", "DOC.qvx NAME [--location INDEX-PATH] [--keep-as NAME]",
       "Choose the site template of a company document.",
       "The pages follow the template: surplus pages are removed, missing ones added\n"
       "and styled, a new Home page headed with the company name. When the template\n"
       "changes, the question whether to reset the displayed links is answered by\n"
       "--yes, --no or --answers. The add-on template \"Just add commerce to my site\"\n"
       "needs --location, the existing site's index page, and keeps that page as\n"
       "--keep-as (default home.html).\n",
       runSetSite});
  commands.push_back(
      {"set-style", "DOC.qvx NAME", "Choose the style template of a company document.",
       "The style is applied to every page the first time; after that, choosing\n"
       "another style asks whether to overwrite the pages' customisation (answer\n"
       "with --yes, --no or --answers). The document needs pages: run set-site first.\n",
       runSetStyle});
}

}  // namespace quorvex::cli
