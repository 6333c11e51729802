#include "imaging/resampler.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace quorvex {

namespace {

constexpr double kEpsilon = 2.220446049250313e-16;
// The share of weight from transparent neighbours that makes a pixel
// transparent.
constexpr double kTransparentShare = 0.25;
// The index that a neighbour beyond the source's edge counts as having.
constexpr int kOutsideIndex = 255;

// Where a target coordinate falls on a source axis: pixel `index` and the
// fraction towards the next one.
struct AxisPoint {
  int index;
  double fraction;
};

AxisPoint sourcePoint(int target, int targetLength, int sourceLength) {
  double s = static_cast<double>(target) / targetLength * sourceLength;
  if (s <= 0) s = kEpsilon;
  if (s >= sourceLength) s = sourceLength - kEpsilon;
  double index = std::floor(s);
  return AxisPoint{static_cast<int>(index), s - index};
}

std::vector<AxisPoint> sourcePoints(int targetLength, int sourceLength) {
  std::vector<AxisPoint> points(targetLength);
  for (int t = 0; t < targetLength; ++t) points[t] = sourcePoint(t, targetLength, sourceLength);
  return points;
}

struct Neighbour {
  Rgb colour;
  double distance;
  bool transparent;
};

// Source access with the edge rules of the interpolation.
class SourceReader {
 public:
  SourceReader(const CImageImpl& source, const TransparentKey& key, bool keyed)
      : source_(source), key_(key), keyed_(keyed) {}

  Neighbour at(int x, int y, double distance) const {
    Neighbour neighbour{Rgb{}, distance, false};
    bool outside = x >= source_.width() || y >= source_.height();
    source_.getRGB(std::min(x, source_.width() - 1), std::min(y, source_.height() - 1),
                   neighbour.colour);
    if (keyed_) {
      int index = outside ? kOutsideIndex : source_.getIndex(x, y) & 0xFF;
      neighbour.transparent = index == key_.index;
    }
    return neighbour;
  }

 private:
  const CImageImpl& source_;
  const TransparentKey& key_;
  bool keyed_;
};

// Combines the neighbours into the target pixel at (x, y).
template <size_t N>
void blend(std::array<Neighbour, N>& neighbours, const TransparentKey& key, CImageImpl& target,
           TransparencyMask* mask, int x, int y) {
  double inverseSum = 0;
  for (Neighbour& n : neighbours) {
    if (n.distance <= 0) n.distance = kEpsilon;
    inverseSum += 1 / n.distance;
  }
  double transparentWeight = 0;
  double blue = 0, green = 0, red = 0;
  for (const Neighbour& n : neighbours) {
    double weight = 1 / (inverseSum * n.distance);
    if (n.transparent) {
      transparentWeight += weight;
    } else {
      blue += weight * n.colour.blue;
      green += weight * n.colour.green;
      red += weight * n.colour.red;
    }
  }
  bool transparent = transparentWeight >= kTransparentShare;
  if (mask != nullptr) mask->set(x, y, transparent);
  uint8_t* pixel = target.row(y) + 3 * x;
  if (transparent) {
    pixel[0] = key.colour.blue;
    pixel[1] = key.colour.green;
    pixel[2] = key.colour.red;
  } else {
    pixel[0] = static_cast<uint8_t>(blue);
    pixel[1] = static_cast<uint8_t>(green);
    pixel[2] = static_cast<uint8_t>(red);
  }
}

double hypotenuse(double a, double b) { return std::sqrt(a * a + b * b); }

}  // namespace

void resample(const CImageImpl& source, CImageImpl& target, const TransparentKey& key,
              TransparencyMask* mask) {
  bool keyed = mask != nullptr && key.index != -1;
  if (!keyed) mask = nullptr;
  SourceReader reader(source, key, keyed);
  int width = target.width();
  int height = target.height();
  if (width == 1) {
    for (int y = 0; y < height; ++y) {
      AxisPoint p = sourcePoint(y, height, source.height());
      std::array<Neighbour, 2> n = {reader.at(0, p.index, std::abs(p.fraction)),
                                    reader.at(0, p.index + 1, std::abs(p.fraction - 1))};
      blend(n, key, target, mask, 0, y);
    }
  } else if (height == 1) {
    for (int x = 0; x < width; ++x) {
      AxisPoint p = sourcePoint(x, width, source.width());
      std::array<Neighbour, 2> n = {reader.at(p.index, 0, std::abs(p.fraction)),
                                    reader.at(p.index + 1, 0, std::abs(p.fraction - 1))};
      blend(n, key, target, mask, x, 0);
    }
  } else {
    std::vector<AxisPoint> columns = sourcePoints(width, source.width());
    for (int y = 0; y < height; ++y) {
      AxisPoint py = sourcePoint(y, height, source.height());
      for (int x = 0; x < width; ++x) {
        AxisPoint px = columns[x];
        double fx = px.fraction, fy = py.fraction;
        std::array<Neighbour, 4> n = {
            reader.at(px.index, py.index, hypotenuse(fx, fy)),
            reader.at(px.index + 1, py.index, hypotenuse(fx - 1, fy)),
            reader.at(px.index, py.index + 1, hypotenuse(fx, fy - 1)),
            reader.at(px.index + 1, py.index + 1, hypotenuse(fx - 1, fy - 1))};
        blend(n, key, target, mask, x, y);
      }
    }
  }
}

}  // namespace quorvex
