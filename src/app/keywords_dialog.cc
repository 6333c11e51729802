#include "app/keywords_dialog.h"

#include <utility>

#include "platform/prompter.h"

namespace quorvex {

KeywordsDialog::KeywordsDialog(Prompter& prompter, std::string initialDescription,
                               std::string initialKeywords)
    : DialogModel("Keywords For Search Engines"),
      description(std::move(initialDescription)),
      keywords(std::move(initialKeywords)),
      prompter_(prompter) {}

bool KeywordsDialog::accept() {
  const std::pair<const char*, const std::string*> fields[] = {{"Description", &description},
                                                               {"Keywords", &keywords}};
  for (const auto& [name, text] : fields) {
    if (text->find_first_of(kForbidden) != std::string::npos) {
      prompter_.showMessage("Sorry, " + std::string(name) +
                            " may not include any of these characters:\n" +
                            std::string(kForbidden));
      return false;
    }
  }
  return true;
}

}  // namespace quorvex
