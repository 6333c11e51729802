#include "imaging/bmp_image.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "imaging/file_bytes.h"

namespace quorvex {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr size_t kCoreHeaderSize = 12;  // the OS/2 form
constexpr uint32_t kBitFields = 3;

uint32_t le16(std::string_view bytes, size_t at) {
  return static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8;
}

uint32_t le32(std::string_view bytes, size_t at) {
  return le16(bytes, at) | le16(bytes, at + 2) << 16;
}

void put16(std::string& out, uint32_t value) {
  out += static_cast<char>(value);
  out += static_cast<char>(value >> 8);
}

void put32(std::string& out, uint32_t value) {
  put16(out, value);
  put16(out, value >> 16);
}

// The information header, widened to the 40-byte form.
struct InfoHeader {
  uint32_t size = 0;
  int64_t width = 0;
  int64_t height = 0;
  uint32_t bitCount = 0;
  uint32_t compression = 0;
  uint64_t sizeImage = 0;
  uint64_t colorsUsed = 0;
};

InfoHeader parseInfoHeader(std::string_view bytes, size_t at) {
  InfoHeader header;
  header.size = le32(bytes, at);
  if (header.size == kCoreHeaderSize) {
    header.width = le16(bytes, at + 4);
    header.height = le16(bytes, at + 6);
    header.bitCount = le16(bytes, at + 10);
  } else {
    header.width = static_cast<int32_t>(le32(bytes, at + 4));
    header.height = static_cast<int32_t>(le32(bytes, at + 8));
    header.bitCount = le16(bytes, at + 14);
    header.compression = le32(bytes, at + 16);
    header.sizeImage = le32(bytes, at + 20);
    header.colorsUsed = le32(bytes, at + 32);
  }
  return header;
}

void flipRows(CImageImpl& image) {
  std::string spare(image.stride(), '\0');
  for (int top = image.height() - 1, bottom = 0; bottom < top; --top, ++bottom) {
    std::memcpy(spare.data(), image.row(bottom), spare.size());
    std::memcpy(image.row(bottom), image.row(top), spare.size());
    std::memcpy(image.row(top), spare.data(), spare.size());
  }
}

Palette vgaColourTable(int entries) {
  static const Palette kVga = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                               {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                               {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                               {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
  Palette table;
  for (int i = 0; i < entries; ++i) table.push_back(kVga[i % kVga.size()]);
  return table;
}

}  // namespace

bool decodeBmp(std::string_view bytes, CImageImpl& image) {
  image.clear();
  if (bytes.size() < kFileHeaderSize) return false;
  uint64_t pixelOffset = 0;
  size_t at = 0;
  if (bytes.substr(0, 2) == "BM") {
    pixelOffset = le32(bytes, 10);
    at = kFileHeaderSize;
  }
  if (bytes.size() - at < kInfoHeaderSize) return false;
  InfoHeader header = parseInfoHeader(bytes, at);
  // The colour table follows the whole header, whatever its size.
  size_t headerSize = header.size == kCoreHeaderSize ? kCoreHeaderSize : kInfoHeaderSize;
  if (header.size > kInfoHeaderSize && header.size <= bytes.size() - at) headerSize = header.size;
  at += headerSize;

  bool topDown = header.height < 0;
  int64_t height = topDown ? -header.height : header.height;
  if (header.width < 1 || height < 1 || header.width > kMaxPicturePixels ||
      height > kMaxPicturePixels) {
    return false;
  }
  if (!image.create(static_cast<int>(header.width), static_cast<int>(height),
                    static_cast<int>(header.bitCount), -1)) {
    return false;
  }

  uint64_t colours = header.colorsUsed;
  if (colours == 0 && header.bitCount <= 8) colours = uint64_t{1} << header.bitCount;
  size_t entrySize = header.size == kCoreHeaderSize ? 3 : 4;
  uint64_t available = (bytes.size() - at) / entrySize;
  Palette palette;
  for (uint64_t i = 0; i < std::min<uint64_t>({colours, available, 256}); ++i) {
    size_t entry = at + i * entrySize;
    palette.push_back(Rgb{static_cast<uint8_t>(bytes[entry + 2]),
                          static_cast<uint8_t>(bytes[entry + 1]),
                          static_cast<uint8_t>(bytes[entry])});
  }
  uint64_t pixelStart = at + colours * entrySize;
  if (header.compression == kBitFields && headerSize == kInfoHeaderSize) pixelStart += 12;
  if (pixelOffset != 0) pixelStart = pixelOffset;

  uint64_t pixelBytes = static_cast<uint64_t>(image.stride()) * image.height();
  if (header.sizeImage != 0) pixelBytes = std::min(pixelBytes, header.sizeImage);
  if (pixelStart < bytes.size()) {
    pixelBytes = std::min<uint64_t>(pixelBytes, bytes.size() - pixelStart);
    std::memcpy(image.row(0), bytes.data() + pixelStart, pixelBytes);
  }
  if (topDown) flipRows(image);
  if (!palette.empty()) image.setPalette(std::move(palette));
  return true;
}

std::string encodeBmp(const CImageImpl& image) {
  if (!image.isValid()) return "";
  Palette table = image.palette();
  if (table.empty() && image.bitsPerPixel() <= 8) table = vgaColourTable(1 << image.bitsPerPixel());
  uint32_t imageSize = static_cast<uint32_t>(image.stride()) * image.height();
  uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + 4 * table.size();
  std::string out;
  out.reserve(pixelOffset + imageSize);
  out += "BM";
  put32(out, pixelOffset + imageSize);
  put32(out, 0);  // two reserved 16-bit zeros
  put32(out, pixelOffset);
  put32(out, kInfoHeaderSize);
  put32(out, image.width());
  put32(out, image.height());
  put16(out, 1);  // planes
  put16(out, image.bitsPerPixel());
  put32(out, 0);  // no compression
  put32(out, imageSize);
  put32(out, 0);  // horizontal and vertical resolution unknown
  put32(out, 0);
  put32(out, table.size());
  put32(out, 0);  // every colour is important
  for (const Rgb& colour : table) {
    out += static_cast<char>(colour.blue);
    out += static_cast<char>(colour.green);
    out += static_cast<char>(colour.red);
    out += '\0';
  }
  out.append(reinterpret_cast<const char*>(image.row(0)), imageSize);
  return out;
}

bool CImageImplBMP::read(const std::filesystem::path& path) {
  clear();
  std::optional<std::string> bytes = readFileBytes(path);
  return bytes && decodeBmp(*bytes, *this);
}

bool CImageImplBMP::write(const std::filesystem::path& path) const {
  std::string bytes = encodeBmp(*this);
  return !bytes.empty() && writeFileBytes(path, bytes);
}

}  // namespace quorvex
