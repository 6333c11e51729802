#include "imaging/neuquant.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>

namespace quorvex {

namespace {

constexpr int kNetSize = 256;
constexpr int kMaxNetPos = kNetSize - 1;
constexpr int kSamplingFactor = 5;
constexpr int kCycles = 100;
constexpr int kPrimes[] = {499, 491, 487};
constexpr int kLastPrime = 503;

constexpr int kNetBiasShift = 4;  // colour values scaled by 16
constexpr int kIntBiasShift = 16;
constexpr int kIntBias = 1 << kIntBiasShift;
constexpr int kGammaShift = 10;
constexpr int kBetaShift = 10;
constexpr int kBeta = kIntBias >> kBetaShift;                       // 64
constexpr int kBetaGamma = kIntBias << (kGammaShift - kBetaShift);  // 65536
constexpr int kInitRad = kNetSize >> 3;                             // 32
constexpr int kRadiusBiasShift = 6;
constexpr int kInitRadius = kInitRad << kRadiusBiasShift;  // 2048
constexpr int kRadiusDec = 30;
constexpr int kAlphaBiasShift = 10;
constexpr int kInitAlpha = 1 << kAlphaBiasShift;           // 1024
constexpr int kAlphaDec = 30 + (kSamplingFactor - 1) / 3;  // 31
constexpr int kRadBias = 1 << 8;
constexpr int kAlphaRadBias = 1 << (kAlphaBiasShift + 8);  // 262144

int sampleStep(int64_t pixels) {
  for (int prime : kPrimes) {
    if (3 * pixels % prime != 0) return prime;
  }
  return kLastPrime;
}

}  // namespace

NeuQuant::NeuQuant(const CImageImpl& picture) {
  for (int i = 0; i < kNetSize; ++i) {
    int start = (i << (kNetBiasShift + 8)) / kNetSize;
    network_[i] = {start, start, start, 0};
    freq_[i] = kIntBias / kNetSize;
    bias_[i] = 0;
  }
  learn(picture);
  unbias();
  for (const Neuron& n : network_) {
    palette_.push_back(
        Rgb{static_cast<uint8_t>(n[2]), static_cast<uint8_t>(n[1]), static_cast<uint8_t>(n[0])});
  }
  buildIndex();
}

int NeuQuant::contest(int blue, int green, int red) {
  int bestDistance = std::numeric_limits<int>::max();
  int bestBiasDistance = bestDistance;
  int bestPosition = -1;
  int bestBiasPosition = -1;
  for (int i = 0; i < kNetSize; ++i) {
    const Neuron& n = network_[i];
    int distance = std::abs(n[0] - blue) + std::abs(n[1] - green) + std::abs(n[2] - red);
    if (distance < bestDistance) {
      bestDistance = distance;
      bestPosition = i;
    }
    int biasDistance = distance - (bias_[i] >> (kIntBiasShift - kNetBiasShift));
    if (biasDistance < bestBiasDistance) {
      bestBiasDistance = biasDistance;
      bestBiasPosition = i;
    }
    int betaFreq = freq_[i] >> kBetaShift;
    freq_[i] -= betaFreq;
    bias_[i] += betaFreq << kGammaShift;
  }
  freq_[bestPosition] += kBeta;
  bias_[bestPosition] -= kBetaGamma;
  return bestBiasPosition;
}

void NeuQuant::alterSingle(int alpha, int i, int blue, int green, int red) {
  Neuron& n = network_[i];
  n[0] -= (alpha * (n[0] - blue)) / kInitAlpha;
  n[1] -= (alpha * (n[1] - green)) / kInitAlpha;
  n[2] -= (alpha * (n[2] - red)) / kInitAlpha;
}

void NeuQuant::alterNeighbours(int rad, int i, int blue, int green, int red) {
  auto moveTowards = [&](Neuron& n, int a) {
    n[0] -= (a * (n[0] - blue)) / kAlphaRadBias;
    n[1] -= (a * (n[1] - green)) / kAlphaRadBias;
    n[2] -= (a * (n[2] - red)) / kAlphaRadBias;
  };
  int low = std::max(i - rad, -1);
  int high = std::min(i + rad, kNetSize);
  int j = i + 1;
  int k = i - 1;
  int power = 0;
  while (j < high || k > low) {
    int a = radpower_[++power];
    if (j < high) moveTowards(network_[j++], a);
    if (k > low) moveTowards(network_[k--], a);
  }
}

void NeuQuant::learn(const CImageImpl& picture) {
  int width = picture.width();
  int height = picture.height();
  int64_t pixels = static_cast<int64_t>(width) * height;
  int samples = static_cast<int>(pixels / kSamplingFactor);
  int delta = std::max(1, samples / kCycles);
  int alpha = kInitAlpha;
  int radius = kInitRadius;
  auto setRadius = [&] {
    int rad = radius >> kRadiusBiasShift;
    if (rad <= 1) rad = 0;
    for (int k = 0; k < rad; ++k) {
      radpower_[k] = alpha * (((rad * rad - k * k) * kRadBias) / (rad * rad));
    }
    return rad;
  };
  int rad = setRadius();
  int step = sampleStep(pixels);
  int x = 0;
  int y = 0;
  for (int i = 0; i < samples;) {
    const uint8_t* pixel = picture.row(y) + 3 * x;
    int blue = pixel[0] << kNetBiasShift;
    int green = pixel[1] << kNetBiasShift;
    int red = pixel[2] << kNetBiasShift;
    int winner = contest(blue, green, red);
    alterSingle(alpha, winner, blue, green, red);
    if (rad != 0) alterNeighbours(rad, winner, blue, green, red);

    x += step % width;
    if (x >= width) {
      x -= width;
      ++y;
    }
    y += step / width;
    if (y >= height) y -= height;

    ++i;
    if (i % delta == 0) {
      alpha -= alpha / kAlphaDec;
      radius -= radius / kRadiusDec;
      rad = setRadius();
    }
  }
}

void NeuQuant::unbias() {
  for (int i = 0; i < kNetSize; ++i) {
    for (int c = 0; c < 3; ++c)
      network_[i][c] = std::clamp(network_[i][c] >> kNetBiasShift, 0, 255);
    network_[i][3] = i;
  }
}

void NeuQuant::buildIndex() {
  int previousGreen = 0;
  int start = 0;
  for (int i = 0; i < kNetSize; ++i) {
    int smallest = i;
    for (int j = i + 1; j < kNetSize; ++j) {
      if (network_[j][1] < network_[smallest][1]) smallest = j;
    }
    if (smallest != i) std::swap(network_[i], network_[smallest]);
    int green = network_[i][1];
    if (green != previousGreen) {
      netindex_[previousGreen] = (start + i) >> 1;
      for (int g = previousGreen + 1; g < green; ++g) netindex_[g] = i;
      previousGreen = green;
      start = i;
    }
  }
  netindex_[previousGreen] = (start + kMaxNetPos) >> 1;
  for (int g = previousGreen + 1; g < 256; ++g) netindex_[g] = kMaxNetPos;
}

int NeuQuant::indexOf(Rgb colour) const {
  int blue = colour.blue, green = colour.green, red = colour.red;
  int bestDistance = 1000;
  int best = -1;
  int i = netindex_[green];
  int j = i - 1;
  while (i < kNetSize || j >= 0) {
    if (i < kNetSize) {
      const Neuron& p = network_[i];
      int distance = p[1] - green;
      if (distance >= bestDistance) {
        i = kNetSize;
      } else {
        ++i;
        distance = std::abs(distance) + std::abs(p[0] - blue);
        if (distance < bestDistance) {
          distance += std::abs(p[2] - red);
          if (distance < bestDistance) {
            bestDistance = distance;
            best = p[3];
          }
        }
      }
    }
    if (j >= 0) {
      const Neuron& p = network_[j];
      int distance = green - p[1];
      if (distance >= bestDistance) {
        j = -1;
      } else {
        --j;
        distance = std::abs(distance) + std::abs(p[0] - blue);
        if (distance < bestDistance) {
          distance += std::abs(p[2] - red);
          if (distance < bestDistance) {
            bestDistance = distance;
            best = p[3];
          }
        }
      }
    }
  }
  return best;
}

}  // namespace quorvex
