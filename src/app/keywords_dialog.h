#ifndef QUORVEX_APP_KEYWORDS_DIALOG_H_
#define QUORVEX_APP_KEYWORDS_DIALOG_H_

#include <string>
#include <string_view>

#include "app/dialog_model.h"

namespace quorvex {

class Prompter;

// "Keywords For Search Engines": the description and the keywords that the
// pages give search engines.
class KeywordsDialog : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // The characters that would break the page's meta tags.
  static constexpr std::string_view kForbidden = "\"<>";

  KeywordsDialog(Prompter& prompter, std::string description, std::string keywords);

  std::string description;
  std::string keywords;

  // Checks the description, then the keywords, for forbidden characters.
  bool accept() override;

 private:
  Prompter& prompter_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_KEYWORDS_DIALOG_H_
