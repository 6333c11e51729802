#ifndef QUORVEX_APP_DIALOG_MODEL_VISITOR_H_
#define QUORVEX_APP_DIALOG_MODEL_VISITOR_H_

namespace quorvex {

class AddressDialog;
class AdvancedServerPreferencesDialog;
class BusinessStep;
class ChargeDialog;
class ContactStep;
class CouponDialog;
class CouponManagerStep;
class CreatePriceListModel;
class CreditCardPreferencesDialog;
class CustomizeSiteDialog;
class EmailTextDialog;
class EditCategoryNamesModel;
class ExtraFieldDialog;
class ExtraFieldsDialog;
class FeatureFlagsDialog;
class FeatureOptionsDialog;
class ImportWizardModel;
class IndividualPagesStep;
class KeywordsDialog;
class LabelValueDialog;
class LocationStep;
class OrderPaymentStep;
class PageLayoutStep;
class PaymentMethodsDialog;
class ProductFeatureDialog;
class ProductFeaturesDialog;
class ProductSortingModel;
class ProductTableStep;
class PublishModel;
class SaveSiteDialog;
class ServerPreferencesStep;
class SetAllAttributesDialog;
class ShippingStep;
class ShippingTypeDialog;
class SiteLocationDialog;
class SiteTypeStep;
class StyleAttributesDialog;
class StyleStep;
class TaxRateDialog;
class TaxStep;
class TermsDialog;


// Every concrete dialog model, each as X(Model). DialogModelVisitor has one
// visit() per entry; a front end's visitor that lacks one stays abstract and
// does not compile. A new model is added here, then to every front end.
#define QUORVEX_DIALOG_MODELS(X) \
  X(AddressDialog)               \
  X(AdvancedServerPreferencesDialog) \
  X(BusinessStep)                \
  X(ChargeDialog)                \
  X(ContactStep)                 \
  X(CouponDialog)                \
  X(CouponManagerStep)           \
  X(CreatePriceListModel)        \
  X(CreditCardPreferencesDialog) \
  X(CustomizeSiteDialog)         \
  X(EditCategoryNamesModel)      \
  X(EmailTextDialog)             \
  X(ExtraFieldDialog)            \
  X(ExtraFieldsDialog)           \
  X(FeatureFlagsDialog)          \
  X(FeatureOptionsDialog)        \
  X(ImportWizardModel)           \
  X(IndividualPagesStep)         \
  X(KeywordsDialog)              \
  X(LabelValueDialog)            \
  X(LocationStep)                \
  X(OrderPaymentStep)            \
  X(PageLayoutStep)              \
  X(PaymentMethodsDialog)        \
  X(ProductFeatureDialog)        \
  X(ProductFeaturesDialog)       \
  X(ProductSortingModel)         \
  X(ProductTableStep)            \
  X(PublishModel)                \
  X(SaveSiteDialog)              \
  X(ServerPreferencesStep)       \
  X(SetAllAttributesDialog)      \
  X(ShippingStep)                \
  X(ShippingTypeDialog)          \
  X(SiteLocationDialog)          \
  X(SiteTypeStep)                \
  X(StyleAttributesDialog)       \
  X(StyleStep)                   \
  X(TaxRateDialog)               \
  X(TaxStep)                     \
  X(TermsDialog)

// Finds the view of a dialog model by the model's type, without casts: a
// front end implements one visit() per concrete model and hands the visitor
// to DialogModel::acceptVisitor(), which calls the visit() of the model's
// own type. Every visit() is pure, so a front end that has no view for some
// model fails to compile instead of failing when the dialog opens.
class DialogModelVisitor {
 public:
  virtual ~DialogModelVisitor() = default;

#define QUORVEX_DECLARE_VISIT(Model) virtual void visit(Model& model) = 0;
  QUORVEX_DIALOG_MODELS(QUORVEX_DECLARE_VISIT)
#undef QUORVEX_DECLARE_VISIT
};

}  // namespace quorvex

#endif  // QUORVEX_APP_DIALOG_MODEL_VISITOR_H_
