#ifndef QUORVEX_UI_QT_TEXT_H_
#define QUORVEX_UI_QT_TEXT_H_

#include <QString>
#include <string>

namespace quorvex::ui {

// The core's texts are Windows-1252 bytes; widgets show Unicode. These
// convert at that edge.

// Returns the Unicode text of the Windows-1252 bytes `text`.
QString toQt(const std::string& text);

// Returns the Windows-1252 bytes of `text`; a character Windows-1252 cannot
// hold becomes "?".
std::string fromQt(const QString& text);

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_QT_TEXT_H_
