#ifndef QUORVEX_UI_QT_FONT_COLOUR_H_
#define QUORVEX_UI_QT_FONT_COLOUR_H_

#include <QColor>
#include <QFont>
#include <cstdint>

#include "document/font_data.h"
#include "document/log_font.h"

namespace quorvex::ui {

// The core keeps fonts as LOGFONT records and colours as 0x00BBGGRR values;
// the desktop's font and colour dialogs speak QFont and QColor. These
// convert at that edge.

// Returns the colour of the colour value `value` (red in the low byte).
QColor toQColor(int32_t value);
// Returns the colour value of `colour`.
int32_t fromQColor(const QColor& colour);

// Returns the font `logFont` describes: its face, its character height in
// pixels (the LOGFONT height without its sign), weight, italic, underline
// and strike-out.
QFont toQFont(const LogFont& logFont);
// Stores `font` in `logFont` as the desktop's font dialog would: face,
// height as a negative character height in pixels, weight and the three
// style flags; the other fields keep their values.
void storeQFont(const QFont& font, LogFont& logFont);

// Returns the font of the HTML font record `data` (its LOGFONT).
QFont toQFont(const CFontData& data);
// Stores `font` in `data`: its LOGFONT as above, and face, size and style
// flags through CFontData::set(), which also gives the HTML size; the
// colour stays.
void storeQFont(const QFont& font, CFontData& data);

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_QT_FONT_COLOUR_H_
