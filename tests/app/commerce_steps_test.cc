#include "app/app_fixture.h"
#include "app/charge_dialog.h"
#include "app/extra_field_dialog.h"
#include "app/extra_fields_dialog.h"
#include "app/shipping_step.h"
#include "app/shipping_type_dialog.h"
#include "app/tax_rate_dialog.h"
#include "app/tax_step.h"

namespace quorvex::testing {
namespace {

using Texts = std::vector<std::string>;

CShippingType typeWithLimits(const std::string& label, std::vector<std::string> limits) {
  CShippingType type;
  type.label = label;
  for (size_t i = 0; i < limits.size(); ++i) type.appendRange({limits[i], std::to_string(i)});
  return type;
}

class CommerceStepsTest : public AppFixture {};

TEST_F(CommerceStepsTest, ShippingTypeLabelsAreUniqueWithoutRegardToCase) {
  doc_.m_pShipping->shippingTypes = {typeWithLimits("ups", {"And Up"})};
  ShippingStep step(app_);
  const std::string duplicate =
      "A 'UPS' shipping label already exists.  Please choose a new name or edit that shipping "
      "label instead.";

  // A refused label reopens the dialog with what was typed.
  frontEnd_.queueDialogs({edit<ShippingTypeDialog>([](ShippingTypeDialog& d) {
                            EXPECT_EQ(d.title(), "Shipping Type");
                            EXPECT_EQ(d.type.upperLimits, Texts{"And Up"});
                            EXPECT_EQ(d.type.charges, Texts{"0"});
                            d.type.label = "UPS";
                          }),
                          edit<ShippingTypeDialog>([](ShippingTypeDialog& d) {
                            EXPECT_EQ(d.type.label, "UPS");
                            d.type.label = "Courier";
                          })});
  step.addType();
  EXPECT_EQ(prompter_.texts(), Texts{duplicate});
  ASSERT_EQ(step.shipping.shippingTypes.size(), 2u);
  EXPECT_EQ(step.shipping.shippingTypes[1].label, "Courier");

  // Keeping the label passes; changing only its case does not.
  prompter_.clear();
  step.selectedType = 0;
  frontEnd_.queueDialogs(
      {press(DialogResult::kOk),
       edit<ShippingTypeDialog>([](ShippingTypeDialog& d) { d.type.label = "UPS"; }),
       press(DialogResult::kCancel)});
  step.editType();
  EXPECT_TRUE(prompter_.texts().empty());
  step.editType();
  EXPECT_EQ(prompter_.texts(), Texts{duplicate});
  EXPECT_EQ(step.shipping.shippingTypes[0].label, "ups");

  step.shipping.basedOn = CShipping::kFlatRate;
  frontEnd_.queueDialogs({edit<ShippingTypeDialog>([](ShippingTypeDialog& d) {
    EXPECT_EQ(d.title(), "Flat Rate Shipping");
    EXPECT_EQ(d.type.rangeCount(), 0u);
    d.type.label = "Flat";
    d.type.flatRate = "5.00";
  })});
  step.addType();
  EXPECT_EQ(step.shipping.shippingTypes.back().flatRate, "5.00");
}

TEST_F(CommerceStepsTest, ShippingTypesNeedASelectionAndDeleteAsks) {
  doc_.m_pShipping->shippingTypes = {typeWithLimits("UPS", {"And Up"})};
  ShippingStep step(app_);
  step.editType();
  step.deleteType();
  step.selectedType = 0;
  prompter_.queueAnswers({false, true});
  step.deleteType();
  EXPECT_EQ(step.shipping.shippingTypes.size(), 1u);
  step.deleteType();
  EXPECT_TRUE(step.shipping.shippingTypes.empty());
  EXPECT_EQ(prompter_.texts(), (Texts{"Please, select a shipping type to edit.",
                                      "Please, select a shipping type to delete.",
                                      "Are you sure you want to delete this shipping type?",
                                      "Are you sure you want to delete this shipping type?"}));
  step.apply();
  EXPECT_TRUE(doc_.m_pShipping->shippingTypes.empty());
}

TEST_F(CommerceStepsTest, ChargeTableRowsAndTheirEditing) {
  ShippingTypeDialog dialog(frontEnd_, prompter_,
                            typeWithLimits("UPS", {"10", "20", "30", "And Up"}), CShipping::kWeight,
                            "$");
  EXPECT_EQ(dialog.headerCells(), (std::array<std::string, 2>{"Weight", "Charge"}));
  EXPECT_EQ(dialog.rowLabel(0), "Up To 10");
  EXPECT_EQ(dialog.rowLabel(1), "Above 10");
  EXPECT_EQ(dialog.rowLabel(3), "Above 30");

  dialog.insertCharge();
  dialog.editCharge();
  dialog.deleteCharge();
  dialog.selectedRow = 3;
  dialog.deleteCharge();
  EXPECT_EQ(prompter_.texts(), (Texts{"Please, select a row to insert the new charge.",
                                      "Please, select a charge to be edited.",
                                      "Please, select a charge to be deleted.",
                                      "Sorry, you may not delete this charge."}));

  // Inserting 25 before the row of 10 swallows 10 and 20, after asking.
  prompter_.clear();
  prompter_.queueAnswers({false, true});
  dialog.selectedRow = 0;
  frontEnd_.queueDialogs({edit<ChargeDialog>([](ChargeDialog& d) {
    EXPECT_EQ(d.basisText(), "Shipping Based On Weight");
    EXPECT_EQ(d.lowerBound(), "0");
    EXPECT_TRUE(d.accept() == false);
    d.charge = "7";
    EXPECT_FALSE(d.accept());
    d.limit = "25";
    EXPECT_FALSE(d.accept()) << "No to the overlap question returns to the dialog";
  })});
  dialog.insertCharge();
  EXPECT_EQ(prompter_.texts(),
            (Texts{"Please, enter a charge.",
                   "Please, enter an upper limit for this shipping "
                   "charge.",
                   "The limit you have entered is greater than one or more of the next price "
                   "ranges.\nContinuing will replace the overlapped price range(s) with this "
                   "one.\nWould you like to continue?",
                   "The limit you have entered is greater than one or more of the next price "
                   "ranges.\nContinuing will replace the overlapped price range(s) with this "
                   "one.\nWould you like to continue?"}));
  EXPECT_EQ(dialog.type.upperLimits, (Texts{"25", "30", "And Up"}));
  EXPECT_EQ(dialog.type.charges, (Texts{"7", "2", "3"}));

  // The last range keeps "And Up" as its limit and needs only a charge.
  prompter_.clear();
  dialog.selectedRow = 2;
  frontEnd_.queueDialogs({edit<ChargeDialog>([](ChargeDialog& d) {
    EXPECT_FALSE(d.limitEditable());
    EXPECT_EQ(d.lowerBound(), "30");
    d.charge = "9";
  })});
  dialog.editCharge();
  EXPECT_TRUE(prompter_.texts().empty());
  EXPECT_EQ(dialog.type.upperLimits, (Texts{"25", "30", "And Up"}));
  EXPECT_EQ(dialog.type.charges, (Texts{"7", "2", "9"}));

  dialog.selectedRow = 0;
  dialog.deleteCharge();
  EXPECT_EQ(dialog.type.upperLimits, (Texts{"30", "And Up"}));
  EXPECT_EQ(dialog.rowLabel(0), "Up To 30");
}

TEST_F(CommerceStepsTest, TaxRatesAreStoredAsFractions) {
  const std::pair<const char*, std::optional<std::string>> cases[] = {
      {"8.25", "0.082500"},
      {"8.25%", "0.082500"},
      {"0.5%", "0.005000"},
      {"0.0825", "0.0825"},
      {"1", "1"},
      {"8%", "0.080000"},
      {"100", std::nullopt},
      {"0", std::nullopt},
      {"150.5%", std::nullopt},
      {"abc", std::nullopt},
      {"%8", std::nullopt},
  };
  for (const auto& [typed, stored] : cases) EXPECT_EQ(storedTaxRate(typed), stored) << typed;
}

TEST_F(CommerceStepsTest, TaxRateDialogChecksTheRateThenTheEnabledFields) {
  TaxEntry city;
  city.kind = TaxKind::kCity;
  TaxRateDialog dialog(prompter_, city);
  EXPECT_TRUE(dialog.cityEnabled() && dialog.stateEnabled() && !dialog.countryEnabled());
  EXPECT_FALSE(dialog.accept());
  EXPECT_TRUE(dialog.rateNeedsFocus());
  dialog.rateText = "100";
  EXPECT_FALSE(dialog.accept());
  dialog.rateText = "7";
  EXPECT_FALSE(dialog.accept());
  EXPECT_FALSE(dialog.rateNeedsFocus());
  EXPECT_EQ(prompter_.texts(),
            (Texts{"Please, enter a tax rate for this region.",
                   "'100' is not a valid tax rate.  Please re-enter it.",
                   "Please, fill in all the enabled fields before you press OK."}));
  dialog.entry.city = "Austin";
  dialog.entry.state = "Texas";
  EXPECT_TRUE(dialog.accept());
  EXPECT_EQ(dialog.entry.rate, "0.070000");

  TaxEntry state;
  state.state = "Texas";
  state.abbreviation = "Tex.";
  TaxRateDialog stateDialog(prompter_, state);
  stateDialog.rateText = "6.25%";
  EXPECT_TRUE(stateDialog.accept());
  EXPECT_EQ(stateDialog.entry.abbreviation, "Tex");
}

TEST_F(CommerceStepsTest, TaxDuplicatesAreRefusedWithoutRegardToCase) {
  CTax& tax = *doc_.m_pTax;
  tax.addStateTax({"Texas", "", "0.062500"});
  tax.addCityTax({"Austin", "Texas", "", "0.020000"});
  tax.addVatTax({"Germany", "0.190000"});
  TaxStep step(app_);

  auto adding = [](TaxKind kind, std::string state, std::string abbreviation, std::string city,
                   std::string country) {
    return edit<TaxRateDialog>([=](TaxRateDialog& d) {
      EXPECT_EQ(d.entry.kind, kind);
      d.entry.state = state;
      d.entry.abbreviation = abbreviation;
      d.entry.city = city;
      d.entry.country = country;
      d.rateText = "5";
    });
  };
  frontEnd_.queueDialogs({adding(TaxKind::kState, "Ohio", "", "", ""),
                          adding(TaxKind::kCity, "TEXAS", "TX", "austin", ""),
                          adding(TaxKind::kCity, "Tejas", "", "Austin", ""),
                          adding(TaxKind::kVat, "", "", "", "GERMANY"),
                          adding(TaxKind::kState, "Ohio2", "OH", "", "")});
  step.add(TaxKind::kState);
  step.add(TaxKind::kCity);
  step.add(TaxKind::kCity);
  step.add(TaxKind::kVat);
  step.add(TaxKind::kState);
  EXPECT_EQ(prompter_.texts(),
            (Texts{"A state tax already exists for 'Texas ()'.\nPlease choose a different state "
                   "or edit that tax jurisdiction instead.",
                   "A city tax already exists for 'Austin, Texas'.\nPlease choose a different "
                   "city or edit that tax jurisdiction instead.",
                   "A city tax already exists for 'Austin, Texas'.\nPlease choose a different "
                   "city or edit that tax jurisdiction instead.",
                   "A country tax already exists for 'Germany'.\nPlease choose a different "
                   "country or edit that tax jurisdiction instead."}));
  EXPECT_EQ(step.entryTexts(TaxKind::kState), (Texts{"Texas - 0.062500", "Ohio2 - 0.050000"}));
  EXPECT_EQ(step.entryTexts(TaxKind::kCity), Texts{"Austin, Texas - 0.020000"});
  EXPECT_EQ(step.entryTexts(TaxKind::kVat), Texts{"Germany - 0.190000"});
}

TEST_F(CommerceStepsTest, EditingATaxChecksOnlyChangedFieldsOrMovesItToItsNewKind) {
  CTax& tax = *doc_.m_pTax;
  tax.addStateTax({"Texas", "", "0.062500"});
  tax.addStateTax({"Ohio", "", "0.057500"});
  TaxStep step(app_);

  step.edit();
  step.selection = TaxSelection{TaxKind::kState, std::nullopt};
  step.edit();
  step.remove();
  EXPECT_EQ(prompter_.texts(),
            (Texts{"Please select one of the entries within this jurisdiction,\nor add one or "
                   "more entries to this jurisdiction.",
                   "Please select one of the entries within this jurisdiction,\nor add one or "
                   "more entries to this jurisdiction.",
                   "Please, select a tax jurisdiction to delete."}));

  // Only the rate changed: the empty abbreviation both share is not checked.
  prompter_.clear();
  step.selection = TaxSelection{TaxKind::kState, 1};
  frontEnd_.queueDialogs({edit<TaxRateDialog>([](TaxRateDialog& d) { d.rateText = "6%"; })});
  step.edit();
  EXPECT_TRUE(prompter_.texts().empty());
  EXPECT_EQ(step.entryTexts(TaxKind::kState), (Texts{"Texas - 0.062500", "Ohio - 0.060000"}));

  // Ohio becomes a value-added tax of Austria: removed from the states.
  step.selection = TaxSelection{TaxKind::kState, 1};
  frontEnd_.queueDialogs({edit<TaxRateDialog>([](TaxRateDialog& d) {
    d.entry.kind = TaxKind::kVat;
    d.entry.country = "Austria";
  })});
  step.edit();
  EXPECT_EQ(step.entryTexts(TaxKind::kState), Texts{"Texas - 0.062500"});
  EXPECT_EQ(step.entryTexts(TaxKind::kVat), Texts{"Austria - 0.060000"});

  step.selection = TaxSelection{TaxKind::kVat, 0};
  prompter_.queueAnswers({true});
  step.remove();
  EXPECT_EQ(prompter_.texts().back(), "Are you sure you want to delete this tax jurisdiction?");
  EXPECT_TRUE(step.entryTexts(TaxKind::kVat).empty());
  step.apply();
  EXPECT_EQ(doc_.m_pTax->stateTaxCount(), 1u);
}

TEST_F(CommerceStepsTest, ExtraOrderFieldsNeedFreeIdentifiers) {
  CExtraOrderField existing;
  existing.description = "Gift note";
  existing.identifier = "giftnote";
  existing.maxLength = "100";
  existing.fieldSize = "40";
  ExtraFieldsDialog dialog(frontEnd_, prompter_, {existing});

  auto typing = [](std::string identifier) {
    return edit<ExtraFieldDialog>([identifier](ExtraFieldDialog& d) {
      d.field.description = "Prompt";
      d.field.identifier = identifier;
      d.field.maxLength = "10";
      d.field.fieldSize = "10";
    });
  };
  frontEnd_.queueDialogs({edit<ExtraFieldDialog>([](ExtraFieldDialog& d) {
                            d.field.identifier = "x";
                            EXPECT_FALSE(d.accept());
                            d.field.description = d.field.maxLength = d.field.fieldSize = "1";
                            d.field.identifier = "gift note";
                            EXPECT_FALSE(d.accept());
                            d.field.identifier = "fname";
                          }),
                          typing("giftnote"), typing("Fname")});
  dialog.addField();
  EXPECT_EQ(prompter_.texts(),
            (Texts{"Sorry, no field may be left blank.",
                   "Sorry, the identifier must consist of only letters and numbers.",
                   "Sorry, the identifier you entered is already in use.\nPlease, enter a "
                   "different identifier.",
                   "Sorry, the identifier you entered is already in use.\nPlease, enter a "
                   "different identifier."}));
  ASSERT_EQ(dialog.fields.size(), 2u);
  EXPECT_EQ(dialog.fields[1].identifier, "Fname");

  prompter_.clear();
  dialog.editField();
  dialog.removeField();
  dialog.selectedField = 0;
  frontEnd_.queueDialogs({press(DialogResult::kOk)});
  dialog.editField();
  prompter_.queueAnswers({true});
  dialog.removeField();
  EXPECT_EQ(prompter_.texts(),
            (Texts{"Please, select a field to edit.", "Please, select a field to remove.",
                   "Are you sure you want to remove the selected field?"}));
  ASSERT_EQ(dialog.fields.size(), 1u);
  EXPECT_EQ(dialog.fields[0].identifier, "Fname");
}

}  // namespace
}  // namespace quorvex::testing
