// Pictures per second of the generator's reduce path (load through the
// canvas, resample to 100 pixels wide, save for the web) for camera-sized
// JPEG photos, PNGs with alpha, transparent GIFs and BMPs, beside the floor:
// decoding the same JPEG with libjpeg alone. Also the time of NeuQuant on a
// 1024 × 768 picture.

#include <benchmark/benchmark.h>
#include <jpeglib.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "imaging/bmp_image.h"
#include "imaging/file_bytes.h"
#include "imaging/gif_image.h"
#include "imaging/gif_writer.h"
#include "imaging/image_canvas.h"
#include "imaging/neuquant.h"
#include "imaging/palette_reduction.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;

// A photo-like colour at (x, y): broad gradients, a few soft shapes and
// sensor-like noise, so that the codecs see realistic detail.
Rgb photoColour(int x, int y, uint32_t& noise) {
  noise = noise * 1664525u + 1013904223u;
  int grain = static_cast<int>(noise >> 28) - 8;
  int shade = ((x / 37 + y / 23) % 7) * 9;
  auto clampByte = [](int v) { return static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
  return Rgb{clampByte(x * 200 / 1600 + shade + grain), clampByte(y * 180 / 1200 + 30 + grain),
             clampByte(200 - (x + y) * 120 / 2800 + shade / 2 + grain)};
}

std::vector<uint8_t> photoRows(int width, int height, int channels) {
  std::vector<uint8_t> rows(static_cast<size_t>(width) * height * channels);
  uint32_t noise = 12345;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      Rgb c = photoColour(x, y, noise);
      uint8_t* p = &rows[(static_cast<size_t>(y) * width + x) * channels];
      p[0] = c.red;
      p[1] = c.green;
      p[2] = c.blue;
      if (channels == 4) p[3] = static_cast<uint8_t>((x / 50 + y / 50) % 3 == 0 ? 0 : 255);
    }
  }
  return rows;
}

// A baseline JPEG as cameras write them (quality 92, 4:2:0).
std::string cameraJpeg(int width, int height) {
  std::vector<uint8_t> rows = photoRows(width, height, 3);
  jpeg_compress_struct codec;
  jpeg_error_mgr errors;
  codec.err = jpeg_std_error(&errors);
  jpeg_create_compress(&codec);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&codec, &buffer, &size);
  codec.image_width = width;
  codec.image_height = height;
  codec.input_components = 3;
  codec.in_color_space = JCS_RGB;
  jpeg_set_defaults(&codec);
  jpeg_set_quality(&codec, 92, TRUE);
  jpeg_start_compress(&codec, TRUE);
  while (codec.next_scanline < codec.image_height) {
    JSAMPROW row = &rows[static_cast<size_t>(codec.next_scanline) * width * 3];
    jpeg_write_scanlines(&codec, &row, 1);
  }
  jpeg_finish_compress(&codec);
  std::string bytes(reinterpret_cast<char*>(buffer), size);
  jpeg_destroy_compress(&codec);
  std::free(buffer);
  return bytes;
}

std::string alphaPng(int width, int height) {
  std::vector<uint8_t> rows = photoRows(width, height, 4);
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = width;
  image.height = height;
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  png_image_write_to_memory(&image, nullptr, &size, 0, rows.data(), 0, nullptr);
  std::string bytes(size, '\0');
  png_image_write_to_memory(&image, bytes.data(), &size, 0, rows.data(), 0, nullptr);
  return bytes;
}

std::string transparentGif(int width, int height) {
  CImageImplGIF gif("bench.gif");
  gif.create(width, height, 8, -1);
  Palette palette;
  for (int i = 0; i < 255; ++i)
    palette.push_back(Rgb{uint8_t(i), uint8_t(255 - i), uint8_t(i / 2)});
  palette.push_back(Rgb{255, 0, 255});
  gif.setPalette(palette);
  gif.setTransparentIndex(255);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      bool hole = (x - width / 2) * (x - width / 2) + (y - height / 2) * (y - height / 2) >
                  (height / 2) * (height / 2);
      gif.setIndex(x, y, hole ? 255 : (x + 3 * y) % 255);
    }
  }
  return *encodeGif(gif);
}

std::string photoBmp(int width, int height) {
  CImageImplBMP bmp("bench.bmp");
  bmp.create(width, height, 24, -1);
  uint32_t noise = 99;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) bmp.setRGB(x, y, photoColour(x, y, noise));
  }
  return encodeBmp(bmp);
}

// The pictures of the batch, written once into a temporary folder.
struct Batch {
  fs::path folder;
  fs::path jpeg, png, gif, bmp;

  Batch() {
    folder = fs::temp_directory_path() / "quorvex-imaging-bench";
    fs::create_directories(folder);
    jpeg = write("photo.jpg", cameraJpeg(1600, 1200));
    png = write("alpha.png", alphaPng(800, 600));
    gif = write("transparent.gif", transparentGif(400, 300));
    bmp = write("photo.bmp", photoBmp(1024, 768));
  }
  ~Batch() { fs::remove_all(folder); }

  fs::path write(const std::string& name, const std::string& bytes) const {
    if (!writeFileBytes(folder / name, bytes)) std::abort();  // no figures without the input
    return folder / name;
  }
};

const Batch& batch() {
  static const Batch instance;
  return instance;
}

// Reads the file and decodes it with libjpeg as the reader does (full size,
// floating-point DCT, smooth upsampling) into a new buffer: the floor for a
// JPEG source.
void BM_LibjpegDecodeFloor(benchmark::State& state) {
  const fs::path& file = batch().jpeg;
  for (auto _ : state) {
    std::string bytes = *readFileBytes(file);
    std::vector<uint8_t> pixels;
    jpeg_decompress_struct codec;
    jpeg_error_mgr errors;
    codec.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&codec);
    jpeg_mem_src(&codec, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&codec, TRUE);
    codec.dct_method = JDCT_FLOAT;
    codec.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&codec);
    size_t stride = codec.output_width * 3;
    pixels.resize(stride * codec.output_height);
    while (codec.output_scanline < codec.output_height) {
      JSAMPROW row = &pixels[codec.output_scanline * stride];
      jpeg_read_scanlines(&codec, &row, 1);
    }
    jpeg_finish_decompress(&codec);
    jpeg_destroy_decompress(&codec);
    benchmark::DoNotOptimize(pixels.data());
  }
  state.SetItemsProcessed(state.iterations());
}

// The generator's reduction of `source` to 100 pixels wide, saved as `output`.
void reduce(benchmark::State& state, const fs::path& source, const std::string& output) {
  fs::path out = batch().folder / output;
  for (auto _ : state) {
    CImageCanvas canvas(source);
    canvas.setSize(100, proportionalHeight(100, canvas.width(), canvas.height()));
    canvas.render();
    canvas.setJpegQuality(90);
    if (!canvas.save(out)) state.SkipWithError("save failed");
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_ReduceJpegPhoto(benchmark::State& state) { reduce(state, batch().jpeg, "jpeg.jpg"); }
void BM_ReducePngWithAlpha(benchmark::State& state) { reduce(state, batch().png, "png.jpg"); }
void BM_ReduceTransparentGif(benchmark::State& state) { reduce(state, batch().gif, "gif.gif"); }
void BM_ReduceBmp(benchmark::State& state) { reduce(state, batch().bmp, "bmp.jpg"); }

const CImageImpl& neuQuantPicture() {
  static const std::unique_ptr<CImageImpl> picture = [] {
    auto photo = std::make_unique<CImageImplBMP>("neuquant.bmp");
    photo->create(1024, 768, 24, -1);
    uint32_t noise = 7;
    for (int y = 0; y < 768; ++y) {
      for (int x = 0; x < 1024; ++x) photo->setRGB(x, y, photoColour(x, y, noise));
    }
    return photo;
  }();
  return *picture;
}

// NeuQuant's learning on a 1024 × 768 photo.
void BM_NeuQuantLearn1024x768(benchmark::State& state) {
  for (auto _ : state) {
    NeuQuant quantizer(neuQuantPicture());
    benchmark::DoNotOptimize(quantizer.palette().data());
  }
}

// The whole palette reduction of a 1024 × 768 photo: listing its colours,
// NeuQuant's learning and the index search of every pixel.
void BM_ReduceToPalette1024x768(benchmark::State& state) {
  const CImageImpl& picture = neuQuantPicture();
  for (auto _ : state) {
    std::unique_ptr<CImageFile> reduced = reduceToPalette(picture);
    benchmark::DoNotOptimize(reduced->impl()->row(0));
  }
}

BENCHMARK(BM_LibjpegDecodeFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReduceJpegPhoto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReducePngWithAlpha)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReduceTransparentGif)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReduceBmp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NeuQuantLearn1024x768)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReduceToPalette1024x768)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvex

BENCHMARK_MAIN();
