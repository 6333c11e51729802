// The image command: shows, converts, resizes pictures and draws buttons the
// way the site generator does.

#include <charconv>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "cli/cli_command.h"
#include "imaging/button_renderer.h"
#include "imaging/image_canvas.h"
#include "imaging/image_file.h"
#include "platform/text_encoding.h"

namespace quorvex::cli {
namespace {

// The arguments after the sub-verb: positional ones, options with a value
// and flags.
struct ImageArgs {
  std::vector<std::string> positional;
  std::map<std::string, std::string> values;
  std::set<std::string> flags;
};

const std::set<std::string> kValueOptions = {"--width", "--quality", "--text",
                                             "--face",  "--height",  "--weight",
                                             "--color", "--shadow",  "--offset"};
const std::set<std::string> kFlagOptions = {"--italic", "--no-shadow"};

// Returns an error message, empty on success.
std::string parseImageArgs(const std::vector<std::string>& args, ImageArgs& parsed) {
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (kValueOptions.count(arg)) {
      if (i + 1 >= args.size()) return arg + " needs a value";
      parsed.values[arg] = args[++i];
    } else if (kFlagOptions.count(arg)) {
      parsed.flags.insert(arg);
    } else if (arg.size() > 1 && arg[0] == '-') {
      return "unknown option " + arg;
    } else {
      parsed.positional.push_back(arg);
    }
  }
  return "";
}

// Parses a decimal number, or a hexadecimal one after "0x".
std::optional<int> parseNumber(const std::string& text) {
  bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const char* begin = text.data() + (hex ? 2 : 0);
  const char* end = text.data() + text.size();
  long long value = 0;
  auto [rest, error] = std::from_chars(begin, end, value, hex ? 16 : 10);
  if (error != std::errc() || rest != end || value < INT32_MIN || value > UINT32_MAX) {
    return std::nullopt;
  }
  return static_cast<int>(static_cast<uint32_t>(value));
}

// Reads the number option `name` into `value` when present; false (after
// reporting) when it is not a number.
bool numberOption(const CliContext& context, const ImageArgs& args, const std::string& name,
                  int& value, int& exitCode) {
  auto it = args.values.find(name);
  if (it == args.values.end()) return true;
  std::optional<int> number = parseNumber(it->second);
  if (!number) {
    exitCode = usageError(context, name + " takes a number, not " + it->second);
    return false;
  }
  value = *number;
  return true;
}

int notAPicture(const std::string& path) {
  return failure("File \"" + path + "\" does not seem to be a valid image.");
}

int runInfo(const CliContext& context, const ImageArgs& args) {
  if (args.positional.size() != 1) return usageError(context, "info expects one FILE");
  const std::string& path = args.positional[0];
  ImageFormat format = formatFromExtension(path);
  CImageFile image;
  image.load(path, format);
  const CImageImpl* picture = image.impl();
  if (picture == nullptr || picture->width() < 1 || picture->height() < 1) return notAPicture(path);
  std::printf("Format:       %s\n", formatName(format));
  std::printf("Size:         %d x %d\n", picture->width(), picture->height());
  std::printf("Depth:        %d bits per pixel\n", picture->bitsPerPixel());
  std::printf("Colour type:  %d\n", picture->colourType());
  std::printf("Palette:      %zu entries\n", picture->palette().size());
  Rgb colour;
  if (picture->transparentIndex() == -1) {
    std::printf("Transparency: none\n");
  } else if (picture->getPaletteEntry(picture->transparentIndex(), colour)) {
    std::printf("Transparency: index %d (%d, %d, %d)\n", picture->transparentIndex(), colour.red,
                colour.green, colour.blue);
  } else {
    std::printf("Transparency: index %d (beyond the palette)\n", picture->transparentIndex());
  }
  return kExitSuccess;
}

// Writes the picture IN as it was loaded to the PNG file OUT.
int convertToPng(const std::string& in, const std::string& out) {
  CImageFile image;
  image.load(in, formatFromExtension(in));
  if (image.width() < 1 || image.height() < 1) return notAPicture(in);
  if (!image.save(out, ImageFormat::kPng)) return failure("Cannot write " + out + ".");
  return kExitSuccess;
}

// Renders the canvas and saves it to `out` at the quality the options give.
int renderAndSave(const CliContext& context, const ImageArgs& args, CImageCanvas& canvas,
                  const std::string& out) {
  int quality = 90;
  int exitCode = kExitSuccess;
  if (!numberOption(context, args, "--quality", quality, exitCode)) return exitCode;
  canvas.render();
  canvas.setJpegQuality(quality);
  if (!canvas.save(out)) {
    return failure("Cannot write " + out + " (the output is JPEG, GIF or BMP).");
  }
  return kExitSuccess;
}

int runConvert(const CliContext& context, const ImageArgs& args) {
  if (args.positional.size() != 2) return usageError(context, "convert expects IN and OUT");
  const std::string& in = args.positional[0];
  const std::string& out = args.positional[1];
  if (formatFromExtension(out) == ImageFormat::kPng) return convertToPng(in, out);
  CImageCanvas canvas(in);
  if (canvas.width() < 1 || canvas.height() < 1) return notAPicture(in);
  return renderAndSave(context, args, canvas, out);
}

int runResize(const CliContext& context, const ImageArgs& args) {
  if (args.positional.size() != 2) return usageError(context, "resize expects IN and OUT");
  int width = 0;
  int exitCode = kExitSuccess;
  if (!numberOption(context, args, "--width", width, exitCode)) return exitCode;
  if (width < 1) return usageError(context, "resize needs --width N of at least 1");
  CImageCanvas canvas(args.positional[0]);
  if (canvas.width() < 1 || canvas.height() < 1) return notAPicture(args.positional[0]);
  canvas.setSize(width, proportionalHeight(width, canvas.width(), canvas.height()));
  return renderAndSave(context, args, canvas, args.positional[1]);
}

// Converts the UTF-8 option `name` to Windows-1252 into `value`.
bool textOption(const ImageArgs& args, const std::string& name, std::string& value) {
  auto it = args.values.find(name);
  if (it == args.values.end()) return true;
  std::optional<std::string> text = utf8ToCp1252(it->second);
  if (!text) return false;
  value = *text;
  return true;
}

int runButton(const CliContext& context, const ImageArgs& args) {
  if (args.positional.size() != 2) return usageError(context, "button expects BACKGROUND and OUT");
  std::string text, face;
  if (!textOption(args, "--text", text) || !textOption(args, "--face", face)) {
    return failure("The text or face name holds characters Windows-1252 cannot represent.");
  }
  if (text.empty()) return usageError(context, "button needs --text");
  CTemplateFont font;
  font.logFont.setFaceName(face);
  int exitCode = kExitSuccess;
  int height = font.logFont.lfHeight, weight = font.logFont.lfWeight, quality = 90;
  if (!numberOption(context, args, "--height", height, exitCode) ||
      !numberOption(context, args, "--weight", weight, exitCode) ||
      !numberOption(context, args, "--color", font.color, exitCode) ||
      !numberOption(context, args, "--quality", quality, exitCode)) {
    return exitCode;
  }
  font.logFont.lfHeight = height;
  font.logFont.lfWeight = weight;
  font.logFont.lfItalic = args.flags.count("--italic") ? 1 : 0;
  if (args.flags.count("--no-shadow")) font.shadow = 0;
  if (args.values.count("--shadow")) {
    if (!numberOption(context, args, "--shadow", font.shadowDepth, exitCode)) return exitCode;
    font.shadow = 1;
  }
  if (auto it = args.values.find("--offset"); it != args.values.end()) {
    size_t comma = it->second.find(',');
    std::optional<int> x = parseNumber(it->second.substr(0, comma));
    std::optional<int> y =
        comma == std::string::npos ? std::nullopt : parseNumber(it->second.substr(comma + 1));
    if (!x || !y) return usageError(context, "--offset takes X,Y");
    font.offsetX = *x;
    font.offsetY = *y;
  }
  const std::string& out = args.positional[1];
  switch (renderButton(args.positional[0], text, font, quality, out, context.env.fonts())) {
    case ButtonResult::kSaved:
      return kExitSuccess;
    case ButtonResult::kUnusableBackground:
      return notAPicture(args.positional[0]);
    case ButtonResult::kNotSaved:
      break;
  }
  return failure("Cannot write " + out + " (a button is JPEG, GIF or BMP).");
}

int runImage(CliContext& context) {
  if (context.args.empty()) return usageError(context, "missing info, convert, resize or button");
  ImageArgs args;
  std::string error = parseImageArgs(context.args, args);
  if (!error.empty()) return usageError(context, error);
  const std::string& verb = context.args[0];
  if (verb == "info") return runInfo(context, args);
  if (verb == "convert") return runConvert(context, args);
  if (verb == "resize") return runResize(context, args);
  if (verb == "button") return runButton(context, args);
  return usageError(context, "unknown image command " + verb);
}

}  // namespace

void addImageCommands(std::vector<CliCommand>& commands) {
  commands.push_back(
      {"image",
       "info FILE | convert IN OUT | resize IN OUT --width N | button BACKGROUND OUT --text T "
       "[options]",
       "Show, convert or resize a picture, or draw a button.",
       "The format of every file is the one its extension names (.jpg/.jpeg, .gif,\n"
       ".png, .bmp). Pictures pass through the same canvas as in the site build.\n\n"
       "  info FILE            format, size, depth, palette and transparency\n"
       "  convert IN OUT       write IN as OUT: JPEG, GIF (reduced to 256 colours,\n"
       "                       keeping transparency) or BMP; a PNG OUT is written\n"
       "                       from the picture as loaded\n"
       "  resize IN OUT --width N\n"
       "                       reduce IN to N pixels wide, keeping the proportions\n"
       "  button BACKGROUND OUT --text T\n"
       "                       draw T centred on BACKGROUND, as link buttons are made\n\n"
       "Options:\n"
       "  --quality Q          JPEG quality 0-100 (default 90)\n"
       "  --face F             font face (default: the family's, a serif face)\n"
       "  --height H           LOGFONT height: negative = character height, positive =\n"
       "                       cell height, in pixels (default 15)\n"
       "  --weight W           400 normal, 700 bold (default 400)\n"
       "  --italic             italic text\n"
       "  --color 0xBBGGRR     text colour (default 0, black)\n"
       "  --shadow DEPTH       black shadow DEPTH pixels right and down (default 1)\n"
       "  --no-shadow          no shadow (the text stays placed as with one)\n"
       "  --offset X,Y         shift the text by half of X right and half of Y up\n",
       runImage});
}

}  // namespace quorvex::cli
