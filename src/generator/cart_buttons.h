#ifndef QUORVEX_GENERATOR_CART_BUTTONS_H_
#define QUORVEX_GENERATOR_CART_BUTTONS_H_

#include <string>

#include "generator/generation_context.h"

namespace quorvex {

class ImagePlacer;

// The shopping-cart buttons of the shop page, made from the style's button
// pictures: Buy This, Continue Shopping, Submit Order and View Cart Contents
// with their pressed forms, Remove Item, Decrease and Increase Quantity, and
// the empty and full cart pictures.
//
// A button whose style draws text on it is drawn (the style's link font for
// normal buttons, its pressed link font for pressed ones) and saved into the
// images folder under its own base name, ".gif" for a GIF picture and
// ".jpg" otherwise; any other button, and one whose picture does not load,
// is placed under its picture's own name. Every button picture is entered in
// the web file list (remote folder Images, binary).
//
// The context and the placer must outlive it.
class CartButtons {
 public:
  CartButtons(GenerationContext& context, ImagePlacer& images);

  // Makes the shopping buttons and sets def_buy_img, def_continue_img,
  // def_submit_img, def_view_img, def_delete_img, def_minus_img and
  // def_plus_img (set-image; "nada.gif" for a button the style has no
  // picture for). Appends the preload statements of the roll-over pictures
  // (BuyThis always; ContinueShopping, SubmitOrder and ViewCart when their
  // pressed picture was made) to `preload`, and sets the roll-over
  // attributes continue_over, submit_over and view_over of the buttons that
  // have a pressed picture, and submit_js.
  void outputButtons(std::string& preload);

  // Makes the empty and full cart pictures and sets cartempty_img and
  // cartfull_img to their names ("nada.gif" without a picture).
  void outputCartImages();

 private:
  GenerationContext& context_;
  ImagePlacer& images_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_CART_BUTTONS_H_
