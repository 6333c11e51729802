#include "imaging/palette_reduction.h"

#include <unordered_map>

#include "imaging/box_split_quantizer.h"
#include "imaging/neuquant.h"

namespace quorvex {

namespace {

Rgb colourAt(const uint8_t* pixel) { return Rgb{pixel[2], pixel[1], pixel[0]}; }

uint32_t colourKey(Rgb colour) { return colour.red | colour.green << 8 | colour.blue << 16; }

// Gives every pixel of `result` the index that `indexOf` chooses for the
// colour of the same pixel of `picture`; each distinct colour is looked up
// once.
template <typename IndexOf>
void mapPixels(const CImageImpl& picture, CImageImpl& result, IndexOf indexOf) {
  std::unordered_map<uint32_t, uint8_t> indices;
  for (int y = 0; y < picture.height(); ++y) {
    const uint8_t* pixel = picture.row(y);
    uint8_t* out = result.row(y);
    for (int x = 0; x < picture.width(); ++x, pixel += 3) {
      auto [entry, added] = indices.try_emplace(colourKey(colourAt(pixel)), 0);
      if (added) entry->second = static_cast<uint8_t>(indexOf(colourAt(pixel)));
      out[x] = entry->second;
    }
  }
}

}  // namespace

std::vector<Rgb> listColours(const CImageImpl& picture) {
  std::vector<Rgb> colours;
  std::unordered_map<uint32_t, int> seen;
  for (int x = 0; x < picture.width(); ++x) {
    for (int y = 0; y < picture.height(); ++y) {
      const uint8_t* pixel = picture.row(y) + 3 * x;
      if (seen.try_emplace(colourKey(colourAt(pixel)), 0).second) {
        colours.push_back(colourAt(pixel));
        if (colours.size() == kMaxListedColours) return colours;
      }
    }
  }
  return colours;
}

std::unique_ptr<CImageFile> reduceToPalette(const CImageImpl& picture) {
  auto result = std::make_unique<CImageFile>();
  result->makeImpl(picture.fileName(), ImageFormat::kGif);
  CImageImpl& reduced = *result->impl();
  if (!reduced.create(picture.width(), picture.height(), 8, 1)) return result;
  std::vector<Rgb> colours = listColours(picture);
  if (colours.size() <= 256) {
    std::unordered_map<uint32_t, int> indexOfColour;
    for (size_t i = 0; i < colours.size(); ++i) {
      indexOfColour[colourKey(colours[i])] = static_cast<int>(i);
    }
    reduced.setPalette(colours);
    mapPixels(picture, reduced, [&](Rgb c) { return indexOfColour[colourKey(c)]; });
  } else if (static_cast<int64_t>(picture.width()) * picture.height() >= NeuQuant::kMinPixels) {
    NeuQuant quantizer(picture);
    reduced.setPalette(quantizer.palette());
    mapPixels(picture, reduced, [&](Rgb c) { return quantizer.indexOf(c); });
  } else {
    BoxSplitQuantizer quantizer(colours);
    reduced.setPalette(quantizer.palette());
    mapPixels(picture, reduced, [&](Rgb c) { return quantizer.indexOf(c); });
  }
  return result;
}

}  // namespace quorvex
