#ifndef QUORVEX_GENERATOR_PRODUCT_PICTURES_H_
#define QUORVEX_GENERATOR_PRODUCT_PICTURES_H_

#include <optional>
#include <string>
#include <vector>

#include "generator/image_size.h"

namespace quorvex {

class GenerationContext;
class ImagePlacer;

// Brings the product pictures into the site's images folder and enters each
// in the web file list. With the product table's imageResizeAll set, a
// picture wider than imageWidth is reduced to that width as
// <cleaned base>-item.jpg (-item.gif for a GIF), at most once per run for each
// such name however many products use it (the context's producedImages); a
// picture of unknown size is not copied into the site: "WARNING: File
// \"<source>\" does not seem to be a valid product image.". Without
// imageResizeAll pictures are placed (copied or converted to JPEG).
//
// The context and the placer must outlive it. Not thread-safe.
class ProductPictures {
 public:
  // The name a picture got in the images folder and the size written for it
  // (unknown as -1 × -1).
  struct Placed {
    std::string name;
    ImageSize size;
  };

  ProductPictures(GenerationContext& context, ImagePlacer& images)
      : context_(context), images_(images) {}

  // Starts converting, on every core, what place() will convert or reduce
  // for `pictures` (stored paths, in the order place() will get them).
  void prepare(const std::vector<std::string>& pictures);

  // Places the picture at the stored path `picture` and returns its name
  // and size.
  Placed place(const std::string& picture);

 private:
  Placed placeResized(const std::string& picture);
  // The name and size `picture` (of size `source`) is reduced to; nullopt
  // when it is not reduced.
  std::optional<Placed> reduction(const std::string& picture, const ImageSize& source) const;

  GenerationContext& context_;
  ImagePlacer& images_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_PRODUCT_PICTURES_H_
