#include <gtest/gtest.h>
#include <zlib.h>

#include "publish/file_checksum.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

using testing::TempDir;

TEST(FileChecksum, StandardCrc32OfTheWholeFile) {
  TempDir dir;
  EXPECT_EQ(fileCrc32(dir.write("check.txt", "123456789")), 0xCBF43926u);
  EXPECT_EQ(fileCrc32(dir.write("empty.txt", "")), 0u);

  // Larger than one read chunk, with a content that differs per chunk.
  std::string big;
  for (int i = 0; i < 300000; ++i) big.push_back(static_cast<char>(i * 7 + i / 1000));
  const uLong whole = crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(big.data()),
                            static_cast<uInt>(big.size()));
  EXPECT_EQ(fileCrc32(dir.write("big.bin", big)), static_cast<uint32_t>(whole));
}

TEST(FileChecksum, UnreadableFileHasNone) {
  TempDir dir;
  EXPECT_EQ(fileCrc32(dir.path() / "missing.txt"), std::nullopt);
  EXPECT_EQ(fileCrc32(dir.path()), std::nullopt);  // a folder cannot be read as a file
}

}  // namespace
}  // namespace quorvex
