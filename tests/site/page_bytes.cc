#include "page_bytes.h"

namespace quorvex::testing {

ArchiveBytes& fontData(ArchiveBytes& bytes, int32_t bold, int32_t html_size,
                       std::string_view face) {
  return bytes.int32(1).int32(bold).int32(0).str(face).int32(0).int32(html_size).int32(0)
      .int32(0).logFont(20, 400, "Arial");
}

ArchiveBytes& newFullPageFonts(ArchiveBytes& bytes, bool with_link_font) {
  fontData(bytes, 1, 5);  // header, 22 pt bold
  fontData(bytes, 1, 4);  // subheader, 16 pt bold
  fontData(bytes, 0, 3);  // main text, 12 pt
  fontData(bytes, 0, 3);
  fontData(bytes, 0, 3);
  if (with_link_font) fontData(bytes, 0, 2);  // links, 8 pt
  return bytes;
}

ArchiveBytes& templateFont(ArchiveBytes& bytes, int32_t shadow_depth) {
  return bytes.int32(1).int32(1).int32(shadow_depth).int32(0).int32(0).logFont(15, 400, "")
      .int32(0);
}

ArchiveBytes& linkEntry(ArchiveBytes& bytes, std::string_view target, int32_t depth,
                        int32_t pressed_depth, std::string_view image,
                        std::string_view pressed_image) {
  bytes.str(target);
  templateFont(bytes, depth);
  templateFont(bytes, pressed_depth);
  return bytes.str(image).str(pressed_image);
}

ArchiveBytes& newAppearance(ArchiveBytes& bytes, std::string_view template_file) {
  return bytes.str("#FFFFFF").str("").str("0%").str("#000000").str("#5C5C5C").str("#800080")
      .str(template_file);
}

}  // namespace quorvex::testing
