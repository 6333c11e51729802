#include "imaging/gif_image.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "imaging/file_bytes.h"
#include "imaging/gif_interlace.h"
#include "imaging/gif_writer.h"

namespace quorvex {

namespace {

constexpr int kGraphicControlCode = 0xF9;

struct MemoryInput {
  std::string_view bytes;
  size_t position = 0;
};

int readFromMemory(GifFileType* gif, GifByteType* buffer, int wanted) {
  auto* input = static_cast<MemoryInput*>(gif->UserData);
  size_t count = std::min<size_t>(wanted, input->bytes.size() - input->position);
  std::memcpy(buffer, input->bytes.data() + input->position, count);
  input->position += count;
  return static_cast<int>(count);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error;
    DGifCloseFile(gif, &error);
  }
};

Palette paletteOf(const ColorMapObject* map) {
  Palette palette(256, Rgb{255, 255, 255});
  for (int i = 0; i < std::min(map->ColorCount, 256); ++i) {
    palette[i] = Rgb{map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue};
  }
  return palette;
}

// Reads one extension record; returns its transparent index when it is a
// graphic control block with the transparency flag set (-1 when the flag is
// clear), nullopt for other extensions. False in `ok` on a read error.
std::optional<int> readExtension(GifFileType* gif, bool& ok) {
  int code;
  GifByteType* block;
  std::optional<int> transparent;
  ok = DGifGetExtension(gif, &code, &block) == GIF_OK;
  if (ok && block != nullptr && code == kGraphicControlCode && block[0] >= 4) {
    transparent = (block[1] & 1) ? block[4] : -1;
  }
  while (ok && block != nullptr) ok = DGifGetExtensionNext(gif, &block) == GIF_OK;
  return transparent;
}

// Decodes the frame whose descriptor was just read. The first frame's rows go
// into `image` (when given) at the frame's position, clipped to the screen.
bool readFrame(GifFileType* gif, CImageImpl* image) {
  const GifImageDesc& frame = gif->Image;
  if (frame.Width <= 0 || frame.Height <= 0 ||
      static_cast<int64_t>(frame.Width) * frame.Height > kMaxPicturePixels) {
    return false;
  }
  std::vector<GifPixelType> line(frame.Width);
  std::vector<int> rows = frame.Interlace ? interlacedRowOrder(frame.Height) : std::vector<int>();
  for (int k = 0; k < frame.Height; ++k) {
    if (DGifGetLine(gif, line.data(), frame.Width) != GIF_OK) return false;
    if (image == nullptr) continue;
    int fromTop = frame.Top + (frame.Interlace ? rows[k] : k);
    if (fromTop >= image->height()) continue;
    int width = std::min(frame.Width, image->width() - frame.Left);
    if (width > 0)
      std::memcpy(image->row(image->height() - 1 - fromTop) + frame.Left, line.data(), width);
  }
  return true;
}

bool decodeAll(GifFileType* gif, CImageImpl& image) {
  if (static_cast<int64_t>(gif->SWidth) * gif->SHeight > kMaxPicturePixels ||
      !image.create(gif->SWidth, gif->SHeight, 8, -1)) {
    return false;
  }
  std::optional<Palette> palette;
  int transparentIndex = -1;
  bool sawControlBlock = false;
  bool sawFrame = false;
  for (;;) {
    GifRecordType type;
    if (DGifGetRecordType(gif, &type) != GIF_OK) return false;
    if (type == TERMINATE_RECORD_TYPE) break;
    if (type == EXTENSION_RECORD_TYPE) {
      bool ok;
      std::optional<int> transparent = readExtension(gif, ok);
      if (!ok) return false;
      if (transparent && !sawFrame && !sawControlBlock) {
        transparentIndex = *transparent;
        sawControlBlock = true;
      }
    } else if (type == IMAGE_DESC_RECORD_TYPE) {
      if (DGifGetImageDesc(gif) != GIF_OK) return false;
      if (!sawFrame) {
        const ColorMapObject* map = gif->Image.ColorMap ? gif->Image.ColorMap : gif->SColorMap;
        if (map != nullptr) palette = paletteOf(map);
      }
      if (!readFrame(gif, sawFrame ? nullptr : &image)) return false;
      sawFrame = true;
    }
  }
  if (!sawFrame || !palette) return false;
  image.setPalette(std::move(*palette));
  image.setTransparentIndex(transparentIndex);
  return true;
}

}  // namespace

bool decodeGif(std::string_view bytes, CImageImpl& image) {
  image.clear();
  image.setTransparentIndex(-1);
  MemoryInput input{bytes};
  int error;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&input, readFromMemory, &error));
  if (!gif) return false;
  if (decodeAll(gif.get(), image)) return true;
  image.clear();
  image.setTransparentIndex(-1);
  return false;
}

bool CImageImplGIF::read(const std::filesystem::path& path) {
  clear();
  std::optional<std::string> bytes = readFileBytes(path);
  return bytes && decodeGif(*bytes, *this);
}

bool CImageImplGIF::write(const std::filesystem::path& path) const { return writeGif(*this, path); }

}  // namespace quorvex
