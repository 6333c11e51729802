#ifndef QUORVEX_GENERATOR_TEMPLATE_LOADER_H_
#define QUORVEX_GENERATOR_TEMPLATE_LOADER_H_

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quorvex {

class FieldTable;
class Prompter;

// Finds and reads the template files the site is generated from, and sets the
// fields every template may use: `javascript` (the script of the template's
// kind), `waitForData`, `Quorvex` (the page header of the kind) and
// `thisPage`, and the blocks the page templates share: `pageHead`, `pageTop`
// and `pageBottom`, the texts of pagehead.part, pagetop.part and
// pagebottom.part in "Template Common" (a template that uses one of them
// while its file is missing shows "Template Error: Could not find input
// file" with the file's name). Unless a template places the header itself
// (it contains $[quorvex], $[waitfordata] or $[quorvex_version] in any
// case), the header
// is inserted before its first </head>, or at its start when it has none;
// the contact list templates (kinds emailtemp, localtemp, phonetemp) get no
// header.
//
// Template files are found, first existing wins, as <name>.html and
// <name>.htm in the program folder, then in the style folder, then as
// <name>.html in "Template Common"; the last component is matched without
// regard to case. Files are read as text, each line followed by a line feed.
// A file is looked up and read once per loader: the template folders do not
// change while a site is generated.
//
// The field table and the prompter must outlive the loader. Not thread-safe.
class TemplateLoader {
 public:
  // `home` is the program folder; `version` the program version shown in the
  // page header.
  TemplateLoader(std::filesystem::path home, FieldTable& fields, Prompter& prompter,
                 std::string version);

  // The folder of the chosen style's templates (absolute, or relative to the
  // program folder).
  void setStyleFolder(const std::filesystem::path& folder);

  // Reads template `name` (a base name without extension, such as "HomePage")
  // of kind `kind` into `text` and sets the fields above. Returns the file
  // read; an empty path, with `text` empty, after showing "Template Error:
  // Could not find input file \"<name>.html\"" when there is none. A file
  // that exists but cannot be read shows "FILE ERROR: " and the system's
  // description, and gives an empty text.
  std::filesystem::path loadTemplate(std::string_view name, std::string& text,
                                     std::string_view kind);

 private:
  // A file read as text, each line followed by a line feed (a CR before a
  // line feed dropped); without text when it could not be read, with the
  // message that says why (fileErrorText()).
  struct FileText {
    std::optional<std::string> text;
    std::string error;
  };

  const FileText& readText(const std::filesystem::path& path);
  // Sets the shared block fields for template text `text`.
  void setSharedBlocks(std::string_view text);
  std::optional<std::filesystem::path> resolve(std::string_view name);
  // The text of "Template Common/<name>", or nullopt when it cannot be read.
  std::optional<std::string> commonFile(std::string_view name);

  std::filesystem::path home_;
  std::filesystem::path styleFolder_;
  FieldTable& fields_;
  Prompter& prompter_;
  std::string version_;
  // The files found for template names (resolve) and for names in
  // "Template Common" (commonFile); nullopt where there is none.
  std::unordered_map<std::string, std::optional<std::filesystem::path>> resolved_;
  std::unordered_map<std::string, std::optional<std::filesystem::path>> commonPaths_;
  std::unordered_map<std::string, FileText> texts_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_TEMPLATE_LOADER_H_
