#ifndef QUORVEX_APP_SET_ALL_ATTRIBUTES_DIALOG_H_
#define QUORVEX_APP_SET_ALL_ATTRIBUTES_DIALOG_H_

#include <cstdint>
#include <functional>

#include "app/dialog_model.h"
#include "app/image_file_choice.h"
#include "products/extra_item.h"
#include "products/product_feature.h"

namespace quorvex {

class DialogHost;
class Prompter;

// "Set All Attributes": every attribute of one product row at once (tax
// flag, publish state, featured state, picture, sales description, link,
// download values and feature choices), on a copy of the row. The columns
// fed from an external file are shown but locked.
class SetAllAttributesDialog : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Edits a copy of `row`; `definitions` are the table's feature
  // definitions, `locked` tells whether a product column may not change and
  // `choosePicture` is the picture file line's "&Browse". Everything must
  // outlive the dialog.
  SetAllAttributesDialog(DialogHost& host, Prompter& prompter,
                         const std::vector<CProductFeature>& definitions, const CExtraItem& row,
                         std::function<bool(int32_t column)> locked, PathChooser choosePicture);

  // The row's values as edited; the view writes them.
  CExtraItem values;

  // Whether the control of product column `column` is locked.
  bool locked(int32_t column) const { return locked_(column); }

  // Lets the user choose a picture file, starting from the stored path
  // `current`; nullopt when the user cancelled.
  std::optional<std::filesystem::path> choosePicture(const std::string& current) const {
    return choosePicture_(current);
  }

  // "P&roduct Features": "Product Feature Flags" on the row's feature
  // choices, which its OK replaces; without a feature definition, the
  // message that there are none to select.
  void chooseFeatures();

  // The features the row offers, each as "Name (option, option)", joined by
  // "; ".
  std::string featureSummary() const;

 private:
  DialogHost& host_;
  Prompter& prompter_;
  const std::vector<CProductFeature>& definitions_;
  std::function<bool(int32_t)> locked_;
  PathChooser choosePicture_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_SET_ALL_ATTRIBUTES_DIALOG_H_
