#include "generator/template_loader.h"

#include <algorithm>
#include <array>
#include <system_error>

#include "generator/field_table.h"
#include "generator/file_error.h"
#include "generator/page_header.h"
#include "platform/home_folders.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/strings.h"
#include "platform/text_file.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

// Shown instead of Template Common/waitForData.js when that file is missing.
constexpr char kBuiltInWaitForData[] =
    "<SCRIPT LANGUAGE=\"JavaScript\"><!--\n"
    "if (parent.frames['shop']) \n var shop = parent.frames['shop']; \n else \n var shop = "
    "top.frames['shop'];\t// References the shop frame\n"
    "offset = '$[offset]';\n"
    "function waitForData(strOfVariable) {\n"
    "  return true;\n"
    "}\n"
    "// --></SCRIPT>\n";

// The kinds whose templates are pieces of the contact page, not pages.
constexpr std::array<std::string_view, 3> kHeaderlessKinds = {"emailtemp", "localtemp",
                                                              "phonetemp"};

// The blocks the page templates share, each a field set from its file in
// Template Common, so that every page has the same head and frame.
struct SharedBlock {
  std::string_view field;
  std::string_view file;
};
constexpr std::array<SharedBlock, 3> kSharedBlocks = {{
    {"pageHead", "pagehead.part"},
    {"pageTop", "pagetop.part"},
    {"pageBottom", "pagebottom.part"},
}};

// Markers with which a template places the page header itself.
constexpr std::array<std::string_view, 3> kHeaderMarkers = {"$[quorvex]", "$[waitfordata]",
                                                            "$[quorvex_version]"};

// The file `name` in `dir`, or `dir`/`name` with its last component matched
// without regard to case; nullopt when the name leaves the folder or there is
// no such file.
std::optional<fs::path> findFile(const fs::path& dir, const std::string& name) {
  std::optional<fs::path> joined = joinInside(dir, name);
  if (!joined) return std::nullopt;
  std::optional<fs::path> found =
      findCaseInsensitive(joined->parent_path(), joined->filename().string());
  std::error_code ec;
  if (found && fs::is_regular_file(*found, ec)) return found;
  return std::nullopt;
}

void insertHeader(std::string& text, std::string_view kind, const std::string& header) {
  if (std::find(kHeaderlessKinds.begin(), kHeaderlessKinds.end(), kind) != kHeaderlessKinds.end()) {
    return;
  }
  std::string lower = toLowerAscii(text);
  for (std::string_view marker : kHeaderMarkers) {
    if (lower.find(marker) != std::string::npos) return;
  }
  size_t head_end = lower.find("</head>");
  text.insert(head_end == std::string::npos ? 0 : head_end, header);
}

}  // namespace

TemplateLoader::TemplateLoader(fs::path home, FieldTable& fields, Prompter& prompter,
                               std::string version)
    : home_(std::move(home)), fields_(fields), prompter_(prompter), version_(std::move(version)) {}

void TemplateLoader::setStyleFolder(const fs::path& folder) {
  styleFolder_ = home_ / folder;
  resolved_.clear();
}

const TemplateLoader::FileText& TemplateLoader::readText(const fs::path& path) {
  auto [entry, inserted] = texts_.try_emplace(path.string());
  FileText& file = entry->second;
  if (!inserted) return file;
  FileLines read = readFileLines(path, "\n");
  if (read.error) {
    file.error = fileErrorText(read.error, path);
  } else {
    file.text = std::move(read.text);
  }
  return file;
}

std::optional<std::string> TemplateLoader::commonFile(std::string_view name) {
  auto [entry, isNew] = commonPaths_.try_emplace(std::string(name));
  if (isNew) entry->second = findFile(home_ / kTemplateCommonFolder, entry->first);
  if (!entry->second) return std::nullopt;
  return readText(*entry->second).text;
}

void TemplateLoader::setSharedBlocks(std::string_view text) {
  for (const SharedBlock& block : kSharedBlocks) {
    std::optional<std::string> value = commonFile(block.file);
    if (value) {
      // The block stands on its template's line, which ends it.
      if (!value->empty() && value->back() == '\n') value->pop_back();
    } else if (text.find("$[" + std::string(block.field) + "]") != std::string_view::npos) {
      prompter_.showMessage("Template Error: Could not find input file \"" +
                                std::string(block.file) + "\"",
                            PromptIcon::kWarning);
    }
    fields_.set(std::string(block.field), value.value_or(""));
  }
}

std::optional<fs::path> TemplateLoader::resolve(std::string_view name) {
  auto [entry, inserted] = resolved_.try_emplace(std::string(name));
  if (!inserted) return entry->second;
  const std::string base(name);
  const std::array<std::pair<fs::path, std::string>, 5> candidates = {{
      {home_, base + ".html"},
      {home_, base + ".htm"},
      {styleFolder_, base + ".html"},
      {styleFolder_, base + ".htm"},
      {home_ / kTemplateCommonFolder, base + ".html"},
  }};
  for (const auto& [dir, file] : candidates) {
    if (std::optional<fs::path> found = findFile(dir, file)) {
      entry->second = found;
      break;
    }
  }
  return entry->second;
}

fs::path TemplateLoader::loadTemplate(std::string_view name, std::string& text,
                                      std::string_view kind) {
  text.clear();
  std::optional<fs::path> path = resolve(name);
  if (!path) {
    prompter_.showMessage(
        "Template Error: Could not find input file \"" + std::string(name) + ".html\"",
        PromptIcon::kWarning);
    return {};
  }
  fields_.set("javascript", commonFile(std::string(kind) + ".js").value_or(""));
  std::string waitForData = commonFile("waitForData.js").value_or(kBuiltInWaitForData);
  std::string header = pageHeader(kind, version_, waitForData);
  fields_.set("waitForData", std::move(waitForData));
  fields_.set("Quorvex", header);
  fields_.set("thisPage", std::string(name) + ".html");
  const FileText& file = readText(*path);
  if (file.text) {
    text = *file.text;
  } else {
    prompter_.showMessage(file.error);
  }
  setSharedBlocks(text);
  insertHeader(text, kind, header);
  return *path;
}

}  // namespace quorvex
