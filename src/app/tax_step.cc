#include "app/tax_step.h"

#include "app/app_services.h"
#include "app/command_ids.h"
#include "app/front_end.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"
#include "platform/strings.h"

namespace quorvex {

namespace {

// Whether a field of an entry being checked is to be compared: every field
// of a new entry or of one that changes kind, otherwise only changed ones.
class ChangedFields {
 public:
  ChangedFields(const TaxEntry& entry, const std::optional<TaxEntry>& original)
      : entry_(entry), original_(original && original->kind == entry.kind ? &*original : nullptr) {}

  bool operator()(std::string TaxEntry::*field) const {
    return original_ == nullptr || entry_.*field != original_->*field;
  }

 private:
  const TaxEntry& entry_;
  const TaxEntry* original_;
};

}  // namespace

TaxStep::TaxStep(AppServices& app) : StepModel(kCmdTax), tax(*app.doc.m_pTax), app_(app) {}

const char* TaxStep::branchName(TaxKind kind) {
  switch (kind) {
    case TaxKind::kState: return "States/Provinces";
    case TaxKind::kCity: return "Cities";
    case TaxKind::kVat: return "V.A.T.";
  }
  return "";
}

std::vector<std::string> TaxStep::entryTexts(TaxKind kind) const {
  std::vector<std::string> texts;
  switch (kind) {
    case TaxKind::kState:
      for (size_t i = 0; i < tax.stateTaxCount(); ++i) {
        StateTax entry = *tax.stateTaxAt(i);
        texts.push_back(entry.state + " - " + entry.rate);
      }
      break;
    case TaxKind::kCity:
      for (size_t i = 0; i < tax.cityTaxCount(); ++i) {
        CityTax entry = *tax.cityTaxAt(i);
        texts.push_back(entry.city + ", " + entry.state + " - " + entry.rate);
      }
      break;
    case TaxKind::kVat:
      for (size_t i = 0; i < tax.vatTaxCount(); ++i) {
        VatTax entry = *tax.vatTaxAt(i);
        texts.push_back(entry.country + " - " + entry.rate);
      }
      break;
  }
  return texts;
}

std::optional<TaxEntry> TaxStep::selectedEntry() const {
  if (!selection || !selection->index) return std::nullopt;
  const size_t index = *selection->index;
  TaxEntry entry;
  entry.kind = selection->kind;
  switch (selection->kind) {
    case TaxKind::kState:
      if (std::optional<StateTax> state = tax.stateTaxAt(index)) {
        entry.state = state->state;
        entry.abbreviation = state->abbreviation;
        entry.rate = state->rate;
        return entry;
      }
      break;
    case TaxKind::kCity:
      if (std::optional<CityTax> city = tax.cityTaxAt(index)) {
        entry.city = city->city;
        entry.state = city->state;
        entry.abbreviation = city->stateAbbreviation;
        entry.rate = city->rate;
        return entry;
      }
      break;
    case TaxKind::kVat:
      if (std::optional<VatTax> vat = tax.vatTaxAt(index)) {
        entry.country = vat->country;
        entry.rate = vat->rate;
        return entry;
      }
      break;
  }
  return std::nullopt;
}

void TaxStep::add(TaxKind kind) {
  TaxEntry entry;
  entry.kind = kind;
  runRateDialog(entry, std::nullopt);
}

void TaxStep::edit() {
  std::optional<TaxEntry> original = selectedEntry();
  if (!original) {
    app_.env.prompter().showMessage(
        "Please select one of the entries within this jurisdiction,\n"
        "or add one or more entries to this jurisdiction.");
    return;
  }
  runRateDialog(*original, original);
}

void TaxStep::runRateDialog(TaxEntry start, const std::optional<TaxEntry>& original) {
  TaxRateDialog dialog(app_.env.prompter(), std::move(start));
  if (app_.frontEnd.runDialog(dialog) == DialogResult::kCancel) return;
  Status status =
      checkDuplicate(dialog.entry, original, original ? selection->index : std::nullopt);
  if (!status.ok()) {
    app_.env.prompter().showMessage(status.message());
    return;
  }
  store(dialog.entry, original);
}

Status TaxStep::checkDuplicate(const TaxEntry& entry, const std::optional<TaxEntry>& original,
                               std::optional<size_t> edited) const {
  const ChangedFields changed(entry, original);
  // The edited entry is not its own duplicate while it keeps its kind.
  const bool sameKind = original && original->kind == entry.kind;
  auto isOther = [&](size_t i) { return !sameKind || !edited || i != *edited; };
  switch (entry.kind) {
    case TaxKind::kState:
      for (size_t i = 0; i < tax.stateTaxCount(); ++i) {
        StateTax other = *tax.stateTaxAt(i);
        if (!isOther(i)) continue;
        if ((changed(&TaxEntry::state) && equalsIgnoreCase(other.state, entry.state)) ||
            (changed(&TaxEntry::abbreviation) &&
             equalsIgnoreCase(other.abbreviation, entry.abbreviation))) {
          return Status::invalidArgument("A state tax already exists for '" + other.state + " (" +
                                         other.abbreviation +
                                         ")'.\nPlease choose a different state or edit that tax "
                                         "jurisdiction instead.");
        }
      }
      break;
    case TaxKind::kCity: {
      const bool cityChanged = changed(&TaxEntry::city);
      for (size_t i = 0; i < tax.cityTaxCount(); ++i) {
        CityTax other = *tax.cityTaxAt(i);
        if (!isOther(i) || !equalsIgnoreCase(other.city, entry.city)) continue;
        if (((cityChanged || changed(&TaxEntry::state)) &&
             equalsIgnoreCase(other.state, entry.state)) ||
            ((cityChanged || changed(&TaxEntry::abbreviation)) &&
             equalsIgnoreCase(other.stateAbbreviation, entry.abbreviation))) {
          return Status::invalidArgument("A city tax already exists for '" + other.city + ", " +
                                         other.state +
                                         "'.\nPlease choose a different city or edit that tax "
                                         "jurisdiction instead.");
        }
      }
      break;
    }
    case TaxKind::kVat:
      if (!changed(&TaxEntry::country)) break;
      for (size_t i = 0; i < tax.vatTaxCount(); ++i) {
        VatTax other = *tax.vatTaxAt(i);
        if (isOther(i) && equalsIgnoreCase(other.country, entry.country)) {
          return Status::invalidArgument("A country tax already exists for '" + other.country +
                                         "'.\nPlease choose a different country or edit that tax "
                                         "jurisdiction instead.");
        }
      }
      break;
  }
  return Status::success();
}

void TaxStep::store(const TaxEntry& entry, const std::optional<TaxEntry>& original) {
  std::optional<size_t> replaced;
  if (original && original->kind == entry.kind) {
    replaced = selection->index;
  } else if (original) {
    removeSelected();
  }
  switch (entry.kind) {
    case TaxKind::kState: {
      StateTax state{entry.state, entry.abbreviation, entry.rate};
      if (replaced) {
        tax.replaceStateTax(*replaced, state);
      } else {
        tax.addStateTax(state);
      }
      break;
    }
    case TaxKind::kCity: {
      CityTax city{entry.city, entry.state, entry.abbreviation, entry.rate};
      if (replaced) {
        tax.replaceCityTax(*replaced, city);
      } else {
        tax.addCityTax(city);
      }
      break;
    }
    case TaxKind::kVat: {
      VatTax vat{entry.country, entry.rate};
      if (replaced) {
        tax.replaceVatTax(*replaced, vat);
      } else {
        tax.addVatTax(vat);
      }
      break;
    }
  }
  selection.reset();
  notifyChanged();
}

void TaxStep::removeSelected() {
  switch (selection->kind) {
    case TaxKind::kState: tax.removeStateTax(*selection->index); break;
    case TaxKind::kCity: tax.removeCityTax(*selection->index); break;
    case TaxKind::kVat: tax.removeVatTax(*selection->index); break;
  }
}

void TaxStep::remove() {
  if (!selectedEntry()) {
    app_.env.prompter().showMessage("Please, select a tax jurisdiction to delete.");
    return;
  }
  if (!app_.env.prompter().askYesNo("Are you sure you want to delete this tax jurisdiction?")) {
    return;
  }
  removeSelected();
  selection.reset();
  notifyChanged();
}

void TaxStep::apply() { *app_.doc.m_pTax = tax; }

}  // namespace quorvex
