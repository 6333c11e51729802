#ifndef QUORVEX_IMAGING_NEUQUANT_H_
#define QUORVEX_IMAGING_NEUQUANT_H_

#include <array>

#include "imaging/image_impl.h"
#include "imaging/rgb.h"

namespace quorvex {

// Anthony Dekker's NeuQuant neural-network colour quantiser in its published
// integer form: 256 neurons, sampling factor 5, 100 learning cycles. Samples
// are taken from the picture's pixels in storage order (x from the left, rows
// from the bottom) with a prime step.
class NeuQuant {
 public:
  // The fewest pixels a picture needs: fewer leave a learning cycle without
  // samples.
  static constexpr int kMinPixels = 503;

  // Learns a palette from the 24-bit `picture`, which has at least
  // kMinPixels pixels.
  explicit NeuQuant(const CImageImpl& picture);

  // The 256 learnt colours, entry i from neuron i.
  const Palette& palette() const { return palette_; }
  // The palette index that the quantiser's green-indexed search finds for
  // `colour`.
  int indexOf(Rgb colour) const;

 private:
  static constexpr int kNetSize = 256;
  // A neuron: blue, green, red (scaled by 16 while learning) and, once the
  // search index is built, its palette index.
  using Neuron = std::array<int, 4>;

  void learn(const CImageImpl& picture);
  int contest(int blue, int green, int red);
  void alterSingle(int alpha, int i, int blue, int green, int red);
  void alterNeighbours(int rad, int i, int blue, int green, int red);
  void unbias();
  void buildIndex();

  std::array<Neuron, kNetSize> network_;
  std::array<int, kNetSize> bias_;
  std::array<int, kNetSize> freq_;
  std::array<int, 32> radpower_;
  std::array<int, 256> netindex_;
  Palette palette_;
};

}  // namespace quorvex

#endif  // QUORVEX_IMAGING_NEUQUANT_H_
