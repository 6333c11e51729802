#include <gtest/gtest.h>

#include "imaging/box_split_quantizer.h"
#include "imaging/gif_transparency.h"
#include "imaging/neuquant.h"
#include "test_pictures.h"

namespace quorvex {
namespace {

TEST(BoxSplitQuantizerTest, SplitsTheWidestChannelAtTheMiddleOfTheBox) {
  // Only red varies: every split halves red; leaf n spans n to n + 1
  // 256ths of 0..255.
  BoxSplitQuantizer reds({{0, 0, 0}, {255, 0, 0}, {128, 0, 0}});
  Palette palette = reds.palette();
  ASSERT_EQ(palette.size(), 256u);
  EXPECT_EQ(reds.indexOf({0, 0, 0}), 0);
  EXPECT_EQ(palette[0], (Rgb{0, 0, 0}));
  EXPECT_EQ(reds.indexOf({255, 0, 0}), 255);
  EXPECT_EQ(palette[255], (Rgb{254, 0, 0}));
  EXPECT_EQ(reds.indexOf({128, 0, 0}), 128);  // above 127.5, below every later split
  EXPECT_EQ(palette[128], (Rgb{127, 0, 0}));
  // Green (200 wide) is split first until its halves are narrower than red
  // (10 wide); the upper path ends in the box red 7.5..10, green
  // 196.875..200.
  BoxSplitQuantizer greens({{0, 0, 0}, {10, 200, 0}});
  EXPECT_EQ(greens.indexOf({10, 200, 0}), 255);
  EXPECT_EQ(greens.palette()[255], (Rgb{8, 198, 0}));
  EXPECT_EQ(greens.indexOf({0, 0, 0}), 0);
  EXPECT_EQ(greens.indexOf({0, 101, 0}), 128);
  // 99: lower at 100, upper at 50, 75, 87.5 and 93.75, lower at red 5, upper
  // at green 96.875, lower at red 2.5.
  EXPECT_EQ(greens.indexOf({0, 99, 0}), 0b01111010);
}

TEST(NeuQuantTest, LearnsTheColoursOfAPicture) {
  // Four flat quarters: every pixel maps to an entry close to its colour.
  const Rgb quarters[] = {{250, 10, 10}, {10, 250, 10}, {10, 10, 250}, {240, 240, 240}};
  auto picture = testing::trueColourPicture(
      40, 40, [&](int x, int y) { return quarters[(x / 20) + 2 * (y / 20)]; });
  NeuQuant quantizer(*picture);
  ASSERT_EQ(quantizer.palette().size(), 256u);
  for (const Rgb& colour : quarters) {
    Rgb entry = quantizer.palette()[quantizer.indexOf(colour)];
    EXPECT_LE(std::abs(entry.red - colour.red) + std::abs(entry.green - colour.green) +
                  std::abs(entry.blue - colour.blue),
              6);
  }
}

TEST(GifTransparencyTest, KeyPixelsTakeTheNearestEntryAndOthersLeaveIt) {
  auto image = testing::palettedPicture(4, 1, {{255, 0, 0}, {250, 0, 0}, {0, 0, 255}},
                                        [](int x, int) { return x == 3 ? 1 : (x == 2 ? 2 : 0); });
  TransparencyMask mask(4, 1);
  mask.set(0, 0, true);
  applyTransparency(*image, Rgb{254, 1, 0}, mask);
  EXPECT_EQ(image->transparentIndex(), 0);
  EXPECT_EQ(image->getIndex(0, 0), 0);
  EXPECT_EQ(image->getIndex(1, 0), 1);  // was 0: would show as transparent
  EXPECT_EQ(image->getIndex(2, 0), 2);
  EXPECT_EQ(image->getIndex(3, 0), 1);
  // A one-entry palette gets a copy of the entry for the opaque pixels.
  auto single = testing::palettedPicture(2, 1, {{5, 5, 5}}, [](int, int) { return 0; });
  TransparencyMask first(2, 1);
  first.set(0, 0, true);
  applyTransparency(*single, Rgb{5, 5, 5}, first);
  EXPECT_EQ(single->palette(), (Palette{{5, 5, 5}, {5, 5, 5}}));
  EXPECT_EQ(single->getIndex(0, 0), 0);
  EXPECT_EQ(single->getIndex(1, 0), 1);
}

}  // namespace
}  // namespace quorvex
