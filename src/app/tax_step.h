#ifndef QUORVEX_APP_TAX_STEP_H_
#define QUORVEX_APP_TAX_STEP_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/step_model.h"
#include "app/tax_rate_dialog.h"
#include "document/tax.h"
#include "platform/status.h"

namespace quorvex {

struct AppServices;

// What is selected in the tax tree: a branch alone (no index) or one entry
// of it.
struct TaxSelection {
  TaxKind kind = TaxKind::kState;
  std::optional<size_t> index;
};

// "Tax Settings": the state, city and value-added taxes, shown as a tree
// with one branch per kind.
class TaxStep : public StepModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Copies the tax record.
  explicit TaxStep(AppServices& app);

  CTax tax;
  std::optional<TaxSelection> selection;

  // Returns the name of a kind's branch: "States/Provinces", "Cities" or
  // "V.A.T.".
  static const char* branchName(TaxKind kind);
  // Returns the entries of a branch as the tree shows them: the state, the
  // city followed by ", " and its state, or the country; then " - " and the
  // stored rate.
  std::vector<std::string> entryTexts(TaxKind kind) const;

  // Add: "Tax Rate" for a new tax of `kind`; taken unless it duplicates one.
  void add(TaxKind kind);
  // Edit: "Tax Rate" for the selected entry; asks for an entry when none (or
  // only a branch) is selected. A tax that keeps its kind is checked only in
  // the fields that changed; one that changes kind moves to the new kind's
  // lists after a check of all its fields.
  void edit();
  // Delete: the selected entry, after the user agreed.
  void remove();

  // Checks `entry` for a duplicate among the taxes of its kind, without
  // regard to case: fails with the message to show. `original` is the entry
  // being edited (at selection `edited`), nullopt for a new one.
  Status checkDuplicate(const TaxEntry& entry, const std::optional<TaxEntry>& original,
                        std::optional<size_t> edited) const;

  // Stores the tax record back.
  void apply() override;

 private:
  std::optional<TaxEntry> selectedEntry() const;
  void store(const TaxEntry& entry, const std::optional<TaxEntry>& original);
  // Removes the selected entry, which must exist.
  void removeSelected();
  void runRateDialog(TaxEntry start, const std::optional<TaxEntry>& original);

  AppServices& app_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_TAX_STEP_H_
