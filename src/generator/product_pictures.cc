#include "generator/product_pictures.h"

#include "company/brenquil_doc.h"
#include "generator/generation_context.h"
#include "generator/image_placer.h"
#include "generator/text_helpers.h"
#include "imaging/image_canvas.h"
#include "platform/prompter.h"

namespace quorvex {

ProductPictures::Placed ProductPictures::place(const std::string& picture) {
  Placed placed;
  if (context_.doc.m_pExtraFields->imageResizeAll != 0) {
    placed = placeResized(picture);
  } else {
    placed.name = images_.placeImage(picture, lastPathComponent(picture));
    placed.size = images_.sizeOf(picture);
  }
  context_.enterFile(FileLists::kWeb, picture, context_.folders.imagesFile(placed.name),
                     placed.name, context_.folders.imagesRemoteFolder(), 1, 0);
  return placed;
}

ProductPictures::Placed ProductPictures::placeResized(const std::string& picture) {
  const int width = context_.doc.m_pExtraFields->imageWidth;
  const std::string cleaned = cleanFileName(lastPathComponent(picture));
  ImageSize source = images_.sizeOf(picture);
  if (source.known() && width >= 1 && width < source.width) {
    Placed reduced{reducedImageName(picture, "item"),
                   {width, proportionalHeight(width, source.width, source.height)}};
    if (context_.producedImages.insert(reduced.name).second) {
      context_.setProgress("Resizing product image...");
      images_.writeResized(picture, reduced.name, reduced.size.width, reduced.size.height);
    }
    return reduced;
  }
  if (!source.known()) {
    context_.prompter().showMessage("WARNING: File \"" + picture +
                                    "\" does not seem to be a valid product image.");
    return {cleaned, {}};
  }
  images_.copyToImages(picture, cleaned);
  return {cleaned, source};
}

}  // namespace quorvex
