#include "ui/help_key.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace quorvex::ui {

void addHelpKey(QWidget& window, std::function<void()> help) {
  auto* key = new QShortcut(QKeySequence::HelpContents, &window);
  QObject::connect(key, &QShortcut::activated, &window, std::move(help));
}

}  // namespace quorvex::ui
