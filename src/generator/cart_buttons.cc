#include "generator/cart_buttons.h"

#include "company/brenquil_doc.h"
#include "generator/button_picture.h"
#include "generator/image_placer.h"
#include "generator/link_markup.h"
#include "generator/text_helpers.h"

namespace quorvex {

namespace {

constexpr char kNoPicture[] = "nada.gif";

// One shopping button: its picture, text and draw-text flag in the style,
// the base name of a drawn picture, the progress text shown while drawing
// it, and the field it sets (null for a pressed button).
struct CartButton {
  std::string CTemplate::*picture;
  int32_t CTemplate::*drawText;
  std::string CTemplate::*text;
  const char* baseName;
  const char* progress;
  const char* field;
  bool pressed;
};

constexpr CartButton kBuy{&CTemplate::def_buy_img, &CTemplate::buy_drawtext, &CTemplate::buy_text,
                          "buythis-link", "Outputting 'Buy This' image...", "def_buy_img", false};
constexpr CartButton kBuyPressed{&CTemplate::on_buy_img, &CTemplate::buyon_drawtext,
                                 &CTemplate::buy_text, "buythis-link-ON",
                                 "Outputting pressed 'Buy This' image...", nullptr, true};
constexpr CartButton kContinue{&CTemplate::def_continue_img, &CTemplate::continue_drawtext,
                               &CTemplate::continue_text, "contshop-link",
                               "Outputting 'Continue Shopping' image...", "def_continue_img",
                               false};
constexpr CartButton kContinuePressed{&CTemplate::on_continue_img, &CTemplate::continueon_drawtext,
                                      &CTemplate::continue_text, "contshop-link-ON",
                                      "Outputting pressed 'Continue Shopping' image...", nullptr,
                                      true};
constexpr CartButton kSubmit{&CTemplate::def_submit_img, &CTemplate::submit_drawtext,
                             &CTemplate::submit_text, "submitorder-link",
                             "Outputting 'Submit Order' image...", "def_submit_img", false};
constexpr CartButton kSubmitPressed{&CTemplate::on_submit_img, &CTemplate::submiton_drawtext,
                                    &CTemplate::submit_text, "submitorder-link-ON",
                                    "Outputting pressed 'Submit Order' image...", nullptr, true};
constexpr CartButton kView{&CTemplate::def_view_img, &CTemplate::view_drawtext,
                           &CTemplate::view_text, "viewcart-link",
                           "Outputting 'View Cart Contents' image...", "def_view_img", false};
constexpr CartButton kViewPressed{&CTemplate::on_view_img, &CTemplate::viewon_drawtext,
                                  &CTemplate::view_text, "viewcart-link-ON",
                                  "Outputting pressed 'View Cart Contents' image...", nullptr,
                                  true};
constexpr CartButton kRemove{&CTemplate::def_delete_img, &CTemplate::delete_drawtext,
                             &CTemplate::delete_text, "delete-link",
                             "Outputting 'Remove Item' image...", "def_delete_img", false};
constexpr CartButton kDecrease{&CTemplate::def_minus_img, &CTemplate::minus_drawtext,
                               &CTemplate::minus_text, "minus-link",
                               "Outputting 'Decrease Quantity' image...", "def_minus_img", false};
constexpr CartButton kIncrease{&CTemplate::def_plus_img, &CTemplate::plus_drawtext,
                               &CTemplate::plus_text, "plus-link",
                               "Outputting 'Increase Quantity' image...", "def_plus_img", false};
constexpr CartButton kEmptyCart{&CTemplate::empty_cart_img, &CTemplate::empty_cart_drawtext,
                                &CTemplate::empty_cart_text, "emptycart",
                                "Outputting 'Empty Shopping Cart' image...", "cartempty_img",
                                false};
constexpr CartButton kFullCart{&CTemplate::full_cart_img, &CTemplate::full_cart_drawtext,
                               &CTemplate::full_cart_text, "fullcart",
                               "Outputting 'Full Shopping Cart' image...", "cartfull_img", false};

// The roll-over attributes of a button named `script` in the shop frame;
// `quote` is the quote around the flip arguments as the value is written
// (escaped where it ends up inside a script string).
std::string rollOver(const std::string& script, const std::string& quote) {
  return " onMouseOver=\"shop.flip(" + quote + script + quote + ", " + quote + script + "1" +
         quote + ")\" onMouseOut=\"shop.flip(" + quote + script + quote + ", " + quote + script +
         "0" + quote + ")\"";
}

// Makes `button`'s picture and enters it in the web file list; returns its
// name in the images folder, "" when the style has no picture for it.
std::string produce(GenerationContext& context, ImagePlacer& images, const CartButton& button) {
  const CTemplate& style = *context.doc.m_pTemplate;
  const std::string& picture = style.*button.picture;
  if (picture.empty()) return "";
  std::string name;
  if (style.*button.drawText != 0 && images.sizeOf(picture).known()) {
    context.setProgress(button.progress);
    name = std::string(button.baseName) + (lowerExtension(picture) == "gif" ? ".gif" : ".jpg");
    const CTemplateFont& font = button.pressed ? style.pressedLinkFont : style.linkFont;
    if (drawButtonPicture(context, picture, style.*button.text, font, name) !=
        ButtonResult::kSaved) {
      name.clear();
    }
  }
  if (name.empty()) name = images.placeImage(picture, lastPathComponent(picture));
  const SiteFolders& folders = context.folders;
  context.enterFile(FileLists::kWeb, picture, folders.imagesFile(name), name,
                    folders.imagesRemoteFolder(), 1, 0);
  return name;
}

}  // namespace

CartButtons::CartButtons(GenerationContext& context, ImagePlacer& images)
    : context_(context), images_(images) {}

void CartButtons::outputButtons(std::string& preload) {
  const std::string& url = context_.folders.imagesUrl();
  // Each normal button sets its field; the pressed one right after it only
  // adds the roll-over.
  auto normal = [&](const CartButton& button) {
    std::string name = produce(context_, images_, button);
    if (name.empty()) name = kNoPicture;
    images_.setImageField(button.field, name);
    return name;
  };
  auto pressed = [&](const CartButton& button) { return produce(context_, images_, button); };

  const std::string buy = normal(kBuy);
  const std::string buyPressed = pressed(kBuyPressed);
  preload += preloadStatements("BuyThis", buy, buyPressed.empty() ? buy : buyPressed, url);

  const std::string shopping = normal(kContinue);
  const std::string shoppingPressed = pressed(kContinuePressed);
  if (!shoppingPressed.empty()) {
    preload += preloadStatements("ContinueShopping", shopping, shoppingPressed, url);
    context_.fields.set("continue_over", rollOver("ContinueShopping", "\\'"));
  }

  const std::string submit = normal(kSubmit);
  const std::string submitPressed = pressed(kSubmitPressed);
  std::string submitOver;
  if (!submitPressed.empty()) {
    preload += preloadStatements("SubmitOrder", submit, submitPressed, url);
    submitOver = rollOver("SubmitOrder", "\\'");
    context_.fields.set("submit_over", rollOver("SubmitOrder", "'"));
  } else {
    submitOver = " ";
  }
  context_.fields.set("submit_js", " <A HREF=\"javascript:shop.cart.checkSubmit()\"" + submitOver +
                                       "><IMG NAME=\"SubmitOrder\" SRC=\"$[def_submit_img]\" "
                                       "ALT=\"Submit Order\" BORDER=\"0\"></A>");

  const std::string view = normal(kView);
  const std::string viewPressed = pressed(kViewPressed);
  if (!viewPressed.empty()) {
    preload += preloadStatements("ViewCart", view, viewPressed, url);
    context_.fields.set("view_over", rollOver("ViewCart", "'"));
  }

  normal(kRemove);
  normal(kDecrease);
  normal(kIncrease);
}

void CartButtons::outputCartImages() {
  for (const CartButton* cart : {&kEmptyCart, &kFullCart}) {
    std::string name = produce(context_, images_, *cart);
    context_.fields.set(cart->field, name.empty() ? kNoPicture : name);
  }
}

}  // namespace quorvex
