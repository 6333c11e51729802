#include "imaging/hsv_blend.h"

#include <algorithm>
#include <cmath>

namespace quorvex {

namespace {

constexpr double kEpsilon = 2.220446049250313e-16;  // 2^-52
// Below this a largest channel or a saturation counts as zero.
constexpr double kTolerance = 2.220446e-15;
constexpr double kNoHue = -1;

struct Hsv {
  double hue;
  double saturation;
  double value;
};

// Brings `x` into [ε, 1 - ε].
double withinUnit(double x) {
  if (x <= 0) return kEpsilon;
  if (x >= 1) return 1 - kEpsilon;
  return x;
}

Hsv toHsv(Rgb colour) {
  double red = withinUnit(colour.red / 255.0);
  double green = withinUnit(colour.green / 255.0);
  double blue = withinUnit(colour.blue / 255.0);
  double largest = std::max({red, green, blue});
  double smallest = std::min({red, green, blue});
  Hsv hsv{kNoHue, 0, largest};
  if (largest >= kTolerance) hsv.saturation = (largest - smallest) / largest;
  hsv.saturation = withinUnit(hsv.saturation);
  if (hsv.saturation <= kEpsilon) return hsv;
  double delta = largest - smallest;
  if (std::abs(red - largest) <= kTolerance) {
    hsv.hue = 60 * (green - blue) / delta;
  } else if (std::abs(green - largest) <= kTolerance) {
    hsv.hue = 60 * (2 + (blue - red) / delta);
  } else {
    hsv.hue = 60 * (4 + (red - green) / delta);
  }
  if (hsv.hue < 0) hsv.hue += 360;
  if (hsv.hue <= 0) hsv.hue = kEpsilon;
  if (hsv.hue >= 360) hsv.hue = 360;
  return hsv;
}

uint8_t toChannel(double unit) {
  double scaled = unit * 255;
  if (scaled <= 0) return 0;
  if (scaled >= 255) return 255;
  return static_cast<uint8_t>(scaled);
}

Rgb toRgb(const Hsv& hsv) {
  double v = hsv.value;
  double s = hsv.saturation;
  if (s < kTolerance) return Rgb{toChannel(v), toChannel(v), toChannel(v)};
  double h = hsv.hue == 360 ? 0 : hsv.hue / 60;
  double i = std::floor(h);
  double f = h - i;
  double p = v * (1 - s);
  double q = v * (1 - s * f);
  double t = v * (1 - s * (1 - f));
  double red = 0, green = 0, blue = 0;
  switch (static_cast<int>(i)) {
    case 0:
      red = v, green = t, blue = p;
      break;
    case 1:
      red = q, green = v, blue = p;
      break;
    case 2:
      red = p, green = v, blue = t;
      break;
    case 3:
      red = p, green = q, blue = v;
      break;
    case 4:
      red = t, green = p, blue = v;
      break;
    case 5:
      red = v, green = p, blue = q;
      break;
    default:
      break;  // black
  }
  return Rgb{toChannel(red), toChannel(green), toChannel(blue)};
}

}  // namespace

Rgb blendHsv(Rgb pixel, Rgb colour, int coverage) {
  double a = coverage / 64.0;
  if (a <= 0) a = kEpsilon;
  if (a >= 1) a = 1 - kEpsilon;
  Hsv text = toHsv(colour);
  Hsv blended = toHsv(pixel);
  blended.value += a * (text.value - blended.value);
  if (text.hue == kNoHue) {
    blended.saturation *= 1 - a;
    if (blended.value < blended.saturation) blended.saturation = blended.value;
  } else {
    blended.saturation += a * (text.saturation - blended.saturation);
    if (a > 0.5 || blended.hue == kNoHue) blended.hue = text.hue;
  }
  return toRgb(blended);
}

}  // namespace quorvex
