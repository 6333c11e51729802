#include "generator/picture_pool.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "imaging/image_canvas.h"
#include "imaging/image_file.h"
#include "platform/worker_status.h"
#include "support/temp_dir.h"

namespace quorvex::testing {
namespace {

namespace fs = std::filesystem;

std::string bytesOf(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A width × height picture with pixels that differ everywhere, in the
// format of `file`'s extension.
void writePicture(const fs::path& file, int width, int height) {
  CImageFile picture;
  const ImageFormat format = formatFromExtension(file.c_str());
  const bool paletted = format == ImageFormat::kGif;
  ASSERT_TRUE(picture.create(width, height, paletted ? 8 : 24, -1));
  if (paletted) {
    picture.impl()->setPalette({{255, 255, 255}, {0, 0, 0}, {200, 30, 30}, {30, 30, 200}});
  }
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      ASSERT_TRUE(paletted ? picture.impl()->setIndex(x, y, (x / 3 + y) % 4)
                           : picture.impl()->setRGB(
                                 x, y, Rgb{uint8_t(x * 5), uint8_t(y * 3 + x), uint8_t(x ^ y)}));
    }
  }
  ASSERT_TRUE(picture.save(file, format));
}

// The sequential conversion the pool stands in for, done on this thread.
std::string convertedHere(const PicturePool::Job& job, const fs::path& file) {
  CImageCanvas canvas(job.source);
  if (job.width > 0) canvas.setSize(job.width, job.height);
  canvas.setJpegQuality(job.jpegQuality);
  canvas.render();
  EXPECT_TRUE(canvas.save(file));
  return bytesOf(file);
}

struct Picture {
  const char* source;
  int width;
  int height;
  const char* target;
  int targetWidth;
  int targetHeight;
};

// Reductions, conversions at the own size, an enlargement, every format.
const Picture kPictures[] = {
    {"photo.jpg", 96, 72, "photo-item.jpg", 40, 30},
    {"drawing.png", 80, 60, "drawing.jpg", 0, 0},
    {"scan.bmp", 64, 64, "scan-item.jpg", 32, 32},
    {"icon.gif", 48, 40, "icon-item.gif", 24, 20},
    {"small.png", 20, 10, "small-item.jpg", 60, 30},
    {"banner.gif", 120, 30, "banner.jpg", 0, 0},
};

class PicturePoolTest : public ::testing::Test {
 protected:
  PicturePoolTest() {
    fs::create_directories(dir_.path() / "Images");
    for (const Picture& picture : kPictures) {
      writePicture(dir_.path() / picture.source, picture.width, picture.height);
      jobs_.push_back({dir_.path() / picture.source, dir_.path() / "Images" / picture.target,
                       picture.targetWidth, picture.targetHeight, 75});
    }
    dir_.write("broken.png", "not a picture");
    jobs_.push_back({dir_.path() / "broken.png", dir_.path() / "Images/broken.jpg", 0, 0, 75});
  }

  TempDir dir_;
  WorkerStatus status_;
  std::vector<PicturePool::Job> jobs_;
};

TEST_F(PicturePoolTest, GivesTheBytesOfOneThreadOnceForEachJob) {
  std::vector<std::string> expected;
  for (size_t i = 0; i + 1 < jobs_.size(); ++i) {
    expected.push_back(convertedHere(jobs_[i], dir_.path() / ("here-" + std::to_string(i) +
                                                             jobs_[i].target.extension().string())));
  }
  {
    PicturePool pool(status_);
    pool.start(jobs_);
    for (size_t i = 0; i + 1 < jobs_.size(); ++i) {
      SCOPED_TRACE(jobs_[i].target);
      std::optional<PicturePool::Result> result = pool.take(jobs_[i]);
      ASSERT_TRUE(result);
      EXPECT_EQ(result->outcome, PicturePool::Outcome::kSaved);
      EXPECT_EQ(result->file.parent_path(), jobs_[i].target.parent_path());
      EXPECT_EQ(bytesOf(result->file), expected[i]);
      EXPECT_FALSE(pool.take(jobs_[i]));  // handed out once
    }
    std::optional<PicturePool::Result> broken = pool.take(jobs_.back());
    ASSERT_TRUE(broken);
    EXPECT_EQ(broken->outcome, PicturePool::Outcome::kNotAPicture);
    // A job the pool was not given, or given otherwise, is the caller's.
    PicturePool::Job other = jobs_[0];
    other.width = 41;
    EXPECT_FALSE(pool.take(other));
  }
  // Taken results are the caller's; nothing else is left behind.
  size_t files = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir_.path() / "Images")) {
    EXPECT_EQ(entry.path().filename().string().rfind(".qvx-pool-", 0), 0u);
    ++files;
  }
  EXPECT_EQ(files, jobs_.size() - 1);
}

TEST_F(PicturePoolTest, AfterAStopRequestNothingIsBegun) {
  status_.requestStop();
  {
    PicturePool pool(status_);
    pool.start(jobs_);
    for (const PicturePool::Job& job : jobs_) EXPECT_FALSE(pool.take(job)) << job.target;
  }
  EXPECT_TRUE(fs::is_empty(dir_.path() / "Images"));
}

}  // namespace
}  // namespace quorvex::testing
