#include "ui/widget_actions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace quorvex::testing {

namespace {

// The clicks made and not yet delivered. A step of inOrder() waits for
// them: the window a click opens must be up before the next step looks.
int pendingClicks = 0;

}  // namespace

void click(QWidget& window, const QString& text) {
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (button->text() == text && button->isEnabled()) {
      ++pendingClicks;
      QTimer::singleShot(0, qApp, [button = QPointer<QAbstractButton>(button)] {
        --pendingClicks;
        if (button != nullptr) button->click();
      });
      return;
    }
  }
  ADD_FAILURE() << "no button " << text.toStdString() << " in "
                << window.windowTitle().toStdString();
}

void clickBeside(QWidget& window, const QString& label, const QString& text) {
  for (QLabel* candidate : window.findChildren<QLabel*>()) {
    if (candidate->text() != label || candidate->buddy() == nullptr) continue;
    click(*candidate->buddy()->parentWidget(), text);
    return;
  }
  ADD_FAILURE() << "no field " << label.toStdString() << " in "
                << window.windowTitle().toStdString();
}

void typeInto(QWidget& window, const QString& label, const QString& text) {
  for (QLabel* candidate : window.findChildren<QLabel*>()) {
    if (candidate->text() != label || candidate->buddy() == nullptr) continue;
    QWidget* field = candidate->buddy();
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
      line->selectAll();
    } else if (auto* lines = qobject_cast<QPlainTextEdit*>(field)) {
      lines->selectAll();
    }
    // Committed as an input method would, which takes any character.
    QInputMethodEvent typed;
    typed.setCommitString(text);
    QApplication::sendEvent(field, &typed);
    return;
  }
  ADD_FAILURE() << "no field " << label.toStdString() << " in "
                << window.windowTitle().toStdString();
}

void chooseFile(QWidget& dialog, const std::filesystem::path& file) {
  auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
  ASSERT_NE(name, nullptr) << "not a file dialog";
  name->setText(QString::fromStdString(file.string()));
  static_cast<QDialog&>(dialog).accept();
}

void choose(QWidget& window, const QString& label, const QString& text) {
  auto* combo = qobject_cast<QComboBox*>(fieldNamed(window, label));
  ASSERT_NE(combo, nullptr) << label.toStdString();
  const int index = combo->findText(text);
  ASSERT_GE(index, 0) << text.toStdString();
  combo->setCurrentIndex(index);
  emit combo->activated(index);
}

void selectInTree(QWidget& window, const QString& text) {
  auto* tree = window.findChild<QTreeWidget*>();
  ASSERT_NE(tree, nullptr);
  QList<QTreeWidgetItem*> found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
  ASSERT_EQ(found.size(), 1) << text.toStdString();
  tree->setCurrentItem(found[0]);
}

void selectLine(QWidget& window, int line) {
  auto* grid = window.findChild<QTableView*>();
  ASSERT_NE(grid, nullptr);
  grid->selectRow(line);
}

void cancel(QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); }

QListWidget* listNamed(QWidget& window, const QString& name) {
  for (QLabel* label : window.findChildren<QLabel*>()) {
    auto* list = qobject_cast<QListWidget*>(label->buddy());
    if (label->text() == name && list != nullptr) return list;
  }
  for (QGroupBox* box : window.findChildren<QGroupBox*>()) {
    if (box->title() == name) return box->findChild<QListWidget*>();
  }
  ADD_FAILURE() << "no list " << name.toStdString() << " in "
                << window.windowTitle().toStdString();
  return nullptr;
}

void selectIn(QWidget& window, const QString& name, const QString& text) {
  QListWidget* list = listNamed(window, name);
  if (list == nullptr) return;
  const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
  if (found.isEmpty()) {
    ADD_FAILURE() << "no entry " << text.toStdString() << " in " << name.toStdString();
    return;
  }
  list->setCurrentItem(found.front());
}

std::vector<std::string> entriesOf(QWidget& window, const QString& name) {
  std::vector<std::string> entries;
  if (QListWidget* list = listNamed(window, name)) {
    for (int row = 0; row < list->count(); ++row) {
      entries.push_back(list->item(row)->text().toStdString());
    }
  }
  return entries;
}

QWidget* fieldNamed(QWidget& window, const QString& label) {
  for (QLabel* candidate : window.findChildren<QLabel*>()) {
    if (candidate->text() == label) return candidate->buddy();
  }
  return nullptr;
}

bool hasLabel(QWidget& window, const QString& text) {
  for (QLabel* label : window.findChildren<QLabel*>()) {
    if (label->text() == text) return true;
  }
  return false;
}

ModalDriver::Action inOrder(std::vector<ModalDriver::Action> steps) {
  struct Progress {
    std::vector<ModalDriver::Action> steps;
    size_t next = 0;
    bool running = false;
  };
  auto progress = std::make_shared<Progress>();
  progress->steps = std::move(steps);
  return [progress](QWidget& window) {
    if (progress->running || pendingClicks > 0 || progress->next >= progress->steps.size()) {
      return;
    }
    progress->running = true;
    // Run outside the driver's tick: a message box the step opens waits in
    // an event loop of its own, in which the driver must answer it.
    QTimer::singleShot(0, &window, [progress, &window] {
      progress->steps[progress->next++](window);
      // The next step waits until the clicks this one queued have happened
      // (queued calls run in order): a window they open is then shown.
      QMetaObject::invokeMethod(
          qApp, [progress] { progress->running = false; }, Qt::QueuedConnection);
    });
  };
}

}  // namespace quorvex::testing
