#ifndef QUORVEX_UI_MENU_TABLE_H_
#define QUORVEX_UI_MENU_TABLE_H_

#include <vector>

namespace quorvex::ui {

// One line of a menu of the menu bar.
struct MenuEntry {
  enum class Kind {
    kItem,
    kSeparator,
    // Opens a sub-menu titled `text`; the entries up to kEndSubmenu are its.
    kSubmenu,
    kEndSubmenu,
    // Where the recent-file entries go.
    kRecentFiles,
  };
  Kind kind;
  // The item's text with its "&" mnemonic.
  const char* text = "";
  // The command number (app/command_ids.h), or one of the Edit commands
  // below.
  int command = 0;
  // The key sequences, separated by "; " (the first is shown in the menu);
  // empty for none.
  const char* shortcuts = "";
  // What the status bar says while the item is highlighted.
  const char* prompt = "";
};

// One menu of the menu bar.
struct MenuDefinition {
  const char* title;
  std::vector<MenuEntry> entries;
};

// The Edit menu's commands, which act on the focused text field.
enum EditCommand : int {
  kEditUndo = 57643,
  kEditCut = 57635,
  kEditCopy = 57634,
  kEditPaste = 57637,
};

// Returns the menu bar, left to right.
const std::vector<MenuDefinition>& menuBarTable();

// Returns the status bar prompt of the menu item of `command`; "" when no
// item sends it.
const char* promptOf(int command);

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_MENU_TABLE_H_
