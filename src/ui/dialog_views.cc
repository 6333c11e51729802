#include "ui/dialog_views.h"

#include <string>
#include <utility>

#include "app/address_dialog.h"
#include "app/advanced_server_preferences_dialog.h"
#include "app/business_step.h"
#include "app/charge_dialog.h"
#include "app/command_dispatcher.h"
#include "app/command_ids.h"
#include "app/create_price_list_model.h"
#include "app/credit_card_preferences_dialog.h"
#include "app/contact_step.h"
#include "app/coupon_dialog.h"
#include "app/coupon_manager_step.h"
#include "app/customize_site_dialog.h"
#include "app/edit_category_names_model.h"
#include "app/email_text_dialog.h"
#include "app/extra_field_dialog.h"
#include "app/extra_fields_dialog.h"
#include "app/feature_flags_dialog.h"
#include "app/feature_options_dialog.h"
#include "app/import_wizard_model.h"
#include "app/individual_pages_step.h"
#include "app/keywords_dialog.h"
#include "app/label_value_dialog.h"
#include "app/location_step.h"
#include "app/order_payment_step.h"
#include "app/page_layout_step.h"
#include "app/payment_methods_dialog.h"
#include "app/product_feature_dialog.h"
#include "app/product_features_dialog.h"
#include "app/product_sorting_model.h"
#include "app/product_table_step.h"
#include "app/site_location_dialog.h"
#include "app/site_type_step.h"
#include "app/style_step.h"
#include "app/terms_dialog.h"
#include "app/dialog_model_visitor.h"
#include "app/save_site_dialog.h"
#include "app/server_preferences_step.h"
#include "app/set_all_attributes_dialog.h"
#include "app/shipping_step.h"
#include "app/shipping_type_dialog.h"
#include "app/tax_rate_dialog.h"
#include "app/tax_step.h"
#include "platform/prompter.h"
#include "ui/address_view.h"
#include "ui/advanced_server_preferences_view.h"
#include "ui/business_step_view.h"
#include "ui/charge_view.h"
#include "ui/contact_step_view.h"
#include "ui/coupon_dialog_view.h"
#include "ui/coupon_manager_view.h"
#include "ui/create_price_list_view.h"
#include "ui/credit_card_preferences_view.h"
#include "ui/customize_site_view.h"
#include "ui/edit_category_names_view.h"
#include "ui/email_text_view.h"
#include "ui/enhance_products_view.h"
#include "ui/extra_field_view.h"
#include "ui/extra_fields_view.h"
#include "ui/feature_flags_view.h"
#include "ui/feature_options_view.h"
#include "ui/import_wizard_view.h"
#include "ui/individual_pages_view.h"
#include "ui/keywords_view.h"
#include "ui/label_value_view.h"
#include "ui/location_step_view.h"
#include "ui/order_payment_view.h"
#include "ui/page_layout_step_view.h"
#include "ui/payment_methods_view.h"
#include "ui/no_product_list_dialog.h"
#include "ui/product_feature_view.h"
#include "ui/product_features_view.h"
#include "ui/product_list_view.h"
#include "ui/product_sorting_view.h"
#include "ui/save_site_choice_dialog.h"
#include "ui/server_preferences_view.h"
#include "ui/set_all_attributes_view.h"
#include "ui/shipping_type_view.h"
#include "ui/shipping_view.h"
#include "ui/site_location_view.h"
#include "ui/site_type_step_view.h"
#include "ui/style_attributes_view.h"
#include "ui/style_step_view.h"
#include "ui/tax_rate_view.h"
#include "ui/tax_settings_view.h"
#include "ui/terms_view.h"

namespace quorvex::ui {

namespace {

// Answers every model with the message that its view is not yet available
// and Cancel; the views this version has override their model's visit().
class ViewsNotYetAvailable : public DialogModelVisitor {
 public:
  // `title` is the title of the model to be shown.
  ViewsNotYetAvailable(Prompter& prompter, std::string title)
      : prompter_(prompter), title_(std::move(title)) {}

  DialogResult result = DialogResult::kCancel;

#define QUORVEX_VIEW_NOT_YET(Model) \
  void visit(Model&) override { sayNotYet(); }
  QUORVEX_DIALOG_MODELS(QUORVEX_VIEW_NOT_YET)
#undef QUORVEX_VIEW_NOT_YET

 private:
  void sayNotYet() {
    prompter_.showMessage("The dialog \"" + title_ +
                              "\" is not yet available in this version of Quorvex.\nNothing "
                              "has been changed.",
                          PromptIcon::kInformation);
    result = DialogResult::kCancel;
  }

  Prompter& prompter_;
  std::string title_;
};

// Opens the view of each model that has one.
class ViewFinder : public ViewsNotYetAvailable {
 public:
  ViewFinder(CommandDispatcher& dispatcher, Prompter& prompter, std::string title,
             QWidget* parent)
      : ViewsNotYetAvailable(prompter, std::move(title)),
        dispatcher_(dispatcher),
        parent_(parent) {}

  using ViewsNotYetAvailable::visit;

  void visit(SaveSiteDialog& model) override {
    SaveSiteChoiceDialog view(model, [this, &model] { dispatcher_.showHelpFor(model); },
                              parent_);
    result = view.run();
  }

  // The company, site type, style and page layout steps and their dialogs.
  void visit(LocationStep& model) override { show<LocationStepView>(model); }
  void visit(ContactStep& model) override { show<ContactStepView>(model); }
  void visit(BusinessStep& model) override { show<BusinessStepView>(model); }
  void visit(AddressDialog& model) override { show<AddressView>(model); }
  void visit(LabelValueDialog& model) override { show<LabelValueView>(model); }
  void visit(KeywordsDialog& model) override { show<KeywordsView>(model); }
  void visit(TermsDialog& model) override { show<TermsView>(model); }
  void visit(SiteTypeStep& model) override { show<SiteTypeStepView>(model); }
  void visit(CustomizeSiteDialog& model) override { show<CustomizeSiteView>(model); }
  void visit(SiteLocationDialog& model) override { show<SiteLocationView>(model); }
  void visit(StyleStep& model) override { show<StyleStepView>(model); }
  void visit(StyleAttributesDialog& model) override { show<StyleAttributesView>(model); }
  void visit(PageLayoutStep& model) override { show<PageLayoutStepView>(model); }
  void visit(ExtraFieldsDialog& model) override { show<ExtraFieldsView>(model); }
  void visit(ExtraFieldDialog& model) override { show<ExtraFieldView>(model); }

  // The product, coupon, tax, shipping, order and server steps and their
  // dialogs.
  void visit(TaxStep& model) override { show<TaxSettingsView>(model); }
  void visit(TaxRateDialog& model) override { show<TaxRateView>(model); }
  void visit(ShippingStep& model) override { show<ShippingView>(model); }
  void visit(ShippingTypeDialog& model) override { show<ShippingTypeView>(model); }
  void visit(ChargeDialog& model) override { show<ChargeView>(model); }
  void visit(ServerPreferencesStep& model) override { show<ServerPreferencesView>(model); }
  void visit(AdvancedServerPreferencesDialog& model) override {
    show<AdvancedServerPreferencesView>(model);
  }
  void visit(CreditCardPreferencesDialog& model) override {
    show<CreditCardPreferencesView>(model);
  }
  // Orders, coupons and individual pages.
  void visit(OrderPaymentStep& model) override { show<OrderPaymentView>(model); }
  void visit(EmailTextDialog& model) override { show<EmailTextView>(model); }
  void visit(PaymentMethodsDialog& model) override { show<PaymentMethodsView>(model); }
  void visit(CouponManagerStep& model) override { show<CouponManagerView>(model); }
  void visit(CouponDialog& model) override { show<CouponDialogView>(model); }
  void visit(IndividualPagesStep& model) override { show<IndividualPagesView>(model); }

  // The product list and its dialogs.
  void visit(ProductTableStep& model) override { showProductTableStep(model); }
  void visit(CreatePriceListModel& model) override { show<CreatePriceListView>(model); }
  void visit(EditCategoryNamesModel& model) override { show<EditCategoryNamesView>(model); }
  void visit(ProductSortingModel& model) override { show<ProductSortingView>(model); }
  void visit(ImportWizardModel& model) override { show<ImportWizardView>(model); }
  void visit(SetAllAttributesDialog& model) override { show<SetAllAttributesView>(model); }
  void visit(FeatureFlagsDialog& model) override { show<FeatureFlagsView>(model); }
  void visit(FeatureOptionsDialog& model) override { show<FeatureOptionsView>(model); }
  void visit(ProductFeaturesDialog& model) override { show<ProductFeaturesView>(model); }
  void visit(ProductFeatureDialog& model) override { show<ProductFeatureView>(model); }

 private:
  // "Create Or Import Product List" and "Enhance Product Descriptions" share
  // their model; the step's command picks the view. A product list that
  // does not exist yet is first created or imported ("No Product List
  // Found").
  void showProductTableStep(ProductTableStep& model) {
    if (model.command() == kCmdProductList) {
      if (model.offersProductListChoice() &&
          !model.startProductList(askProductListChoice(
              [this] { dispatcher_.showHelp("NoProductList.html"); }, parent_))) {
        result = DialogResult::kCancel;
        return;
      }
      show<ProductListView>(model);
    } else {
      show<EnhanceProductsView>(model);
    }
  }

  // Shows `model` in a View (a ModelDialog) with the model's help.
  template <class View, class Model>
  void show(Model& model) {
    View view(model, [this, &model] { dispatcher_.showHelpFor(model); }, parent_);
    result = view.run();
  }

  CommandDispatcher& dispatcher_;
  QWidget* parent_;
};

}  // namespace

DialogResult showDialogView(DialogModel& model, CommandDispatcher& dispatcher,
                            Prompter& prompter, QWidget* parent) {
  ViewFinder finder(dispatcher, prompter, model.title(), parent);
  model.acceptVisitor(finder);
  return finder.result;
}

}  // namespace quorvex::ui
