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

void ProductPictures::prepare(const std::vector<std::string>& pictures) {
  std::vector<ImagePlacer::PlannedPicture> planned;
  for (const std::string& picture : pictures) {
    if (context_.doc.m_pExtraFields->imageResizeAll == 0) {
      if (std::optional<std::string> name = images_.conversionName(lastPathComponent(picture))) {
        planned.push_back({picture, *name});
      }
    } else if (std::optional<Placed> reduced = reduction(picture, images_.sizeOf(picture))) {
      if (!context_.producedImages.contains(reduced->name)) {
        planned.push_back({picture, reduced->name, reduced->size.width, reduced->size.height});
      }
    }
  }
  images_.prepare(planned);
}

std::optional<ProductPictures::Placed> ProductPictures::reduction(const std::string& picture,
                                                                  const ImageSize& source) const {
  const int width = context_.doc.m_pExtraFields->imageWidth;
  if (!source.known() || width < 1 || width >= source.width) return std::nullopt;
  return Placed{reducedImageName(picture, "item"),
                {width, proportionalHeight(width, source.width, source.height)}};
}

ProductPictures::Placed ProductPictures::placeResized(const std::string& picture) {
  const std::string cleaned = cleanFileName(lastPathComponent(picture));
  ImageSize source = images_.sizeOf(picture);
  if (std::optional<Placed> reduced = reduction(picture, source)) {
    if (context_.producedImages.insert(reduced->name).second) {
      context_.setProgress("Resizing product image...");
      images_.writeResized(picture, reduced->name, reduced->size.width, reduced->size.height);
    }
    return *reduced;
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
