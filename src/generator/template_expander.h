#ifndef QUORVEX_GENERATOR_TEMPLATE_EXPANDER_H_
#define QUORVEX_GENERATOR_TEMPLATE_EXPANDER_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

class FieldTable;
class Prompter;

// Replaces the $[identifier] fields of a text with their values from a field
// table, expanding the values in turn when they hold fields.
//
// Rules, scanning from the left: a "$" followed by anything but "[" is copied
// with that character (so "$$[x]" stays as it is) and a final "$" is kept; an
// unknown field vanishes; the identifier is taken as written, without
// trimming. A "$[" without a closing "]", or a field whose value leads back
// to a field being expanded (directly, or through other fields), shows a
// template error and gives the text being expanded unchanged. At the top
// level the current identifier is "", so an empty field "$[]" there counts
// as referring to itself.
//
// Fields whose values refer to each other in layers can grow a text
// exponentially, so one expansion stops once its output passes
// kMaxExpandedBytes: a template error names the file and the text is given
// unchanged.
//
// Messages go to the prompter given at construction; both the table and the
// prompter must outlive the expander. Not thread-safe.
class TemplateExpander {
 public:
  // The most one expansion may produce: far more than any page needs.
  static constexpr size_t kMaxExpandedBytes = size_t{64} << 20;

  TemplateExpander(const FieldTable& fields, Prompter& prompter);

  // Returns `text` expanded. `current` is the identifier whose value `text`
  // is ("" for the text of a file); `fileName` names the output file in
  // messages only.
  std::string expand(std::string_view text, std::string_view current, std::string_view fileName);

 private:
  // Appends the expansion of `text` to `out`; on an error appends `text`
  // itself instead.
  void expandInto(std::string_view text, std::string_view current, std::string_view fileName,
                  std::string& out);
  // True when `identifier` is the current one or the value of one of the
  // fields being expanded leads to it.
  bool isBeingExpanded(std::string_view identifier, std::string_view current) const;

  const FieldTable& fields_;
  Prompter& prompter_;
  // The fields whose values are being expanded, outermost first.
  std::vector<std::string_view> active_;
  // Set once the output of the current expansion passed kMaxExpandedBytes.
  bool overBudget_ = false;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_TEMPLATE_EXPANDER_H_
