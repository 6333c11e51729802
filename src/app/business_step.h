#ifndef QUORVEX_APP_BUSINESS_STEP_H_
#define QUORVEX_APP_BUSINESS_STEP_H_

#include <filesystem>
#include <optional>
#include <string>

#include "app/step_model.h"
#include "document/business.h"

namespace quorvex {

struct AppServices;

// "Business Information": the texts for search engines, the terms and
// conditions, the currency symbol, the copyright line and the logo.
class BusinessStep : public StepModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Copies the business record.
  explicit BusinessStep(AppServices& app);

  CBusiness business;

  // The three operations below notify the listeners when they changed the
  // record.

  // Opens "Keywords For Search Engines" and takes its texts on OK.
  void editKeywords();
  // Opens "Terms and Conditions"; OK stores the text and asks for a terms
  // and conditions page.
  void editTerms();
  // Lets the user pick the logo file, starting in the folder of the current
  // logo or else where an image was last picked; a file that cannot be read
  // is refused and the dialog opens again. A good choice becomes the logo
  // and its folder the one last used.
  void browseLogo();

  // Returns the logo's file (a relative logo path taken relative to the
  // program folder), or an empty path when there is no logo.
  std::filesystem::path logoFile() const;

  // Returns the caption of the logo preview: "Image shown here is <width>
  // pixels" for a logo shown `shownWidth` pixels wide, "No Image" without.
  static std::string previewCaption(std::optional<int> shownWidth);

  // Stores the business record back (its `reserved` value untouched).
  void apply() override;

 private:
  AppServices& app_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_BUSINESS_STEP_H_
