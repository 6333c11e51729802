#ifndef QUORVEX_APP_PRODUCT_FEATURES_DIALOG_H_
#define QUORVEX_APP_PRODUCT_FEATURES_DIALOG_H_

#include <cstddef>
#include <optional>
#include <vector>

#include "app/dialog_model.h"
#include "products/product_feature.h"

namespace quorvex {

class CExtraFields;
class DialogHost;
class Prompter;

// "Product Features": the product table's feature definitions, added,
// changed and removed one at a time in "Add/Edit Product Feature", on a
// copy that applyTo() hands to the table and its rows.
class ProductFeaturesDialog : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Lists a copy of `definitions`. `host` and `prompter` must outlive the
  // dialog.
  ProductFeaturesDialog(DialogHost& host, Prompter& prompter,
                        const std::vector<CProductFeature>& definitions);

  // The definitions as edited, in display order.
  const std::vector<CProductFeature>& features() const { return features_; }
  std::optional<size_t> selectedFeature;

  // Opens "Add/Edit Product Feature" on a new feature and appends it; a
  // name another feature bears (in any case) is refused and the dialog opens
  // again.
  void addFeature();
  // The same on a copy of the selected feature, which it then replaces.
  void editFeature();
  // Asks, then removes the selected feature.
  void removeFeature();

  // Gives `table` the edited definitions and each of its rows one selection
  // per definition, in definition order: a kept feature keeps the row's
  // choice under its new name, restricted to the options it still has (the
  // feature no longer applies when none is left); a new feature starts
  // unchosen.
  void applyTo(CExtraFields& table) const;

 private:
  // Runs "Add/Edit Product Feature" on `feature` until it is cancelled or
  // its name is free among the features other than `self`; returns the
  // edited feature.
  std::optional<CProductFeature> askFeature(const CProductFeature& feature,
                                            std::optional<size_t> self);
  // The selected feature, after the message `noneSelected` when there is
  // none.
  std::optional<size_t> selected(const char* noneSelected) const;

  DialogHost& host_;
  Prompter& prompter_;
  std::vector<CProductFeature> features_;
  // For each feature, the index of the definition it was made from; nullopt
  // for a feature added here.
  std::vector<std::optional<size_t>> origins_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_PRODUCT_FEATURES_DIALOG_H_
