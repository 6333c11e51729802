#ifndef QUORVEX_TESTS_SITE_PAGE_BYTES_H_
#define QUORVEX_TESTS_SITE_PAGE_BYTES_H_

#include <cstdint>
#include <string_view>

#include "support/archive_bytes.h"

namespace quorvex::testing {

// Hand-built stored forms of the parts shared by the page records.

// A CFontData (version 1) with the LOGFONT of a new record, in colour 0, not
// italic or underlined.
ArchiveBytes& fontData(ArchiveBytes& bytes, int32_t bold, int32_t html_size,
                       std::string_view face = "Arial");

// The five text fonts and the link font of a new full page.
ArchiveBytes& newFullPageFonts(ArchiveBytes& bytes, bool with_link_font);

// A CTemplateFont (version 1) of a new record except for the shadow depth.
ArchiveBytes& templateFont(ArchiveBytes& bytes, int32_t shadow_depth);

// One link customisation entry: target, fonts with the given shadow depths,
// images.
ArchiveBytes& linkEntry(ArchiveBytes& bytes, std::string_view target, int32_t depth,
                        int32_t pressed_depth, std::string_view image,
                        std::string_view pressed_image);

// The seven appearance strings of a new page with `template_file`.
ArchiveBytes& newAppearance(ArchiveBytes& bytes, std::string_view template_file);

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_SITE_PAGE_BYTES_H_
