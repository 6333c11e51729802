#ifndef QUORVEX_UI_BUTTON_COLUMN_H_
#define QUORVEX_UI_BUTTON_COLUMN_H_

#include <QString>
#include <functional>
#include <utility>
#include <vector>

class QObject;
class QVBoxLayout;

namespace quorvex::ui {

// A button's text and what a click does.
using ButtonAction = std::pair<QString, std::function<void()>>;

// The column of buttons beside a list or table, top to bottom, each calling
// its action (connected in `context`); the rest of the column is empty.
QVBoxLayout* buttonColumn(QObject* context, const std::vector<ButtonAction>& buttons);

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_BUTTON_COLUMN_H_
