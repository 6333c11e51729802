#include "generator/template_expander.h"

#include <algorithm>

#include "generator/field_table.h"
#include "platform/prompter.h"

namespace quorvex {

TemplateExpander::TemplateExpander(const FieldTable& fields, Prompter& prompter)
    : fields_(fields), prompter_(prompter) {}

std::string TemplateExpander::expand(std::string_view text, std::string_view current,
                                     std::string_view fileName) {
  std::string out;
  out.reserve(text.size());
  overBudget_ = false;
  expandInto(text, current, fileName, out);
  if (overBudget_) {
    prompter_.showMessage("Template Error: The page \"" + std::string(fileName) +
                              "\" grows beyond " + std::to_string(kMaxExpandedBytes >> 20) +
                              " MB; its fields were not expanded.",
                          PromptIcon::kWarning);
    return std::string(text);
  }
  return out;
}

bool TemplateExpander::isBeingExpanded(std::string_view identifier,
                                       std::string_view current) const {
  return identifier == current ||
         std::find(active_.begin(), active_.end(), identifier) != active_.end();
}

void TemplateExpander::expandInto(std::string_view text, std::string_view current,
                                  std::string_view fileName, std::string& out) {
  const size_t start = out.size();
  auto giveUp = [&](const std::string& message) {
    prompter_.showMessage(message, PromptIcon::kWarning);
    out.resize(start);
    out.append(text);
  };
  size_t copied = 0;
  size_t dollar;
  while ((dollar = text.find('$', copied)) != std::string_view::npos) {
    if (out.size() > kMaxExpandedBytes) overBudget_ = true;
    if (overBudget_) return;
    if (dollar + 1 >= text.size()) break;
    if (text[dollar + 1] != '[') {
      out.append(text.substr(copied, dollar + 2 - copied));
      copied = dollar + 2;
      continue;
    }
    out.append(text.substr(copied, dollar - copied));
    size_t close = text.find(']', dollar + 2);
    if (close == std::string_view::npos) {
      giveUp("Template Error: Unterminated identifier in file \"" + std::string(fileName) + "\"");
      return;
    }
    std::string_view identifier = text.substr(dollar + 2, close - dollar - 2);
    if (isBeingExpanded(identifier, current)) {
      giveUp("Template Error: Self-referencing identifier \"$[" + std::string(identifier) +
             "]\" in file \"" + std::string(fileName) + "\"");
      return;
    }
    if (const std::string* value = fields_.lookup(identifier)) {
      if (value->find("$[") == std::string::npos) {
        out.append(*value);
      } else {
        active_.push_back(identifier);
        expandInto(*value, identifier, fileName, out);
        active_.pop_back();
      }
    }
    copied = close + 1;
  }
  out.append(text.substr(copied));
}

}  // namespace quorvex
