#ifndef QUORVEX_GENERATOR_SHOP_SETTINGS_FIELDS_H_
#define QUORVEX_GENERATOR_SHOP_SETTINGS_FIELDS_H_

#include "generator/generation_context.h"

namespace quorvex {

class CProductPage;

// The configuration values that the shop page's script reads: who receives
// the orders and how the order server treats payments, the payment methods
// offered, how many items a page shows, where the shop and home pages are,
// and the markup of the cart commands. Each method sets its fields in the
// field table of the run; values are taken as the document holds them
// unless a method says otherwise.
//
// The context must outlive it.
class ShopSettingsFields {
 public:
  explicit ShopSettingsFields(GenerationContext& context) : context_(context) {}

  // quorvex_version: the GENERATOR meta tag naming the program version.
  void setVersion();

  // cmd:view, cmd:submit and cmd:continue (links around the cart buttons,
  // whose own fields are expanded when these are used) and filePath
  // ("Quorvex/" for an add-on site, else empty).
  void setCommands(bool addOnSite);

  // From the server preferences, the payment methods and the business
  // information: qvx_user, order_email, order_title, order_url (where the
  // shop posts its orders, after the order server's host), pgpuserid, icheckid,
  // cc_user, reject, capture, timeout, avsCode, checkppos, ppos_id,
  // ppos_email, ftpExpires, methods, useCookies, keywords, description,
  // shop_file and terms_blurb. An identity whose option is off is empty.
  void setOrderSettings(bool addOnSite);

  // itemsPerPage ("9999" when all items are shown), displayAllItems,
  // buymeToCart and portaCart of `productPage`; without one (null)
  // itemsPerPage "0" and portaCart "false".
  void setProductPageSettings(const CProductPage* productPage);

  // home_file: the existing site's old index for an add-on site, else the
  // output name of the first home page (left unset without one).
  void setHomeFile(bool addOnSite);

 private:
  GenerationContext& context_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_SHOP_SETTINGS_FIELDS_H_
