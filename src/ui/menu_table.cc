#include "ui/menu_table.h"

#include "app/command_ids.h"

namespace quorvex::ui {

namespace {

using Kind = MenuEntry::Kind;

MenuEntry item(const char* text, int command, const char* shortcuts, const char* prompt) {
  return {Kind::kItem, text, command, shortcuts, prompt};
}
MenuEntry separator() { return {Kind::kSeparator}; }
MenuEntry submenu(const char* text) { return {Kind::kSubmenu, text}; }
MenuEntry endSubmenu() { return {Kind::kEndSubmenu}; }

}  // namespace

const std::vector<MenuDefinition>& menuBarTable() {
  static const std::vector<MenuDefinition> table = {
      {"&File",
       {
           item("&New", kCmdNew, "Ctrl+N", "Create a new company"),
           item("&Open...", kCmdOpen, "Ctrl+O", "Open an existing company"),
           item("&Save", kCmdSave, "Ctrl+S", "Save the company"),
           item("Save &As...", kCmdSaveAs, "", "Save the company under a new name"),
           separator(),
           item("Save &Backup", kCmdSaveBackup, "",
                "Save a backup copy of the company's settings and product list"),
           item("&Restore From Backup", kCmdRestoreBackup, "",
                "Replace the company's settings and product list by their backup copies"),
           separator(),
           {Kind::kRecentFiles},
           separator(),
           item("E&xit", kCmdExit, "", "Quit Quorvex; asks to save the company"),
       }},
      {"&Edit",
       {
           item("&Undo", kEditUndo, "Ctrl+Z; Alt+Backspace", "Undo the last change"),
           separator(),
           item("Cu&t", kEditCut, "Ctrl+X; Shift+Del", "Cut the selection to the clipboard"),
           item("&Copy", kEditCopy, "Ctrl+C; Ctrl+Ins", "Copy the selection to the clipboard"),
           item("&Paste", kEditPaste, "Ctrl+V; Shift+Ins", "Insert the clipboard's contents"),
       }},
      {"&Navigate",
       {
           submenu("&Company Information"),
           item("&Location Information", kCmdLocation, "",
                "Name your company and enter its addresses"),
           item("&Contact Information", kCmdContact, "",
                "Enter your phone numbers and e-mail addresses"),
           item("&Business Information", kCmdBusiness, "",
                "Describe your business, its logo and its terms"),
           endSubmenu(),
           submenu("&Web Site Layout"),
           item("Select &Type Of Site", kCmdSiteType, "", "Choose the kind of site you want"),
           item("Choose A &Style For Site", kCmdStyle, "", "Choose the look of your site"),
           item("Choose &Page Layout", kCmdPageLayout, "",
                "Choose your site's pages and what they show"),
           endSubmenu(),
           submenu("&Import Products"),
           item("&Create Or Import Product List", kCmdProductList, "",
                "Type in your products or import them"),
           item("&Enhance Product Descriptions", kCmdEnhanceProducts, "",
                "Add pictures and options to products"),
           item("&Individual Product Pages", kCmdIndividualPages, "",
                "Give chosen products a page of their own"),
           item("C&oupon Manager", kCmdCouponManager, "", "Offer coupons to your customers"),
           endSubmenu(),
           submenu("&Ordering Information"),
           item("&Tax Settings", kCmdTax, "", "Set the taxes your shop charges"),
           item("Set &Shipping", kCmdShipping, "", "Set what shipping costs"),
           item("&Order And Payment Settings", kCmdOrderPayment, "",
                "Choose how you get orders and payment"),
           endSubmenu(),
           submenu("&Build && Publish Site"),
           item("&Server Preferences", kCmdServerPreferences, "",
                "Enter your web server and order server accounts"),
           item("Save Web Site &Locally", kCmdSaveSiteLocally, "",
                "Build your site on this computer"),
           item("&Publish Web Site To Internet", kCmdPublish, "",
                "Build your site and upload what changed"),
           endSubmenu(),
       }},
      {"&Help",
       {
           item("&Program Help", kCmdProgramHelp, "", "Open Quorvex's help"),
           item("&Update", kCmdUpdate, "", "Get the newest version of Quorvex"),
           item("Quorvex &Online", kCmdOnline, "", "Visit Quorvex on the web"),
           separator(),
           item("&About Quorvex...", kCmdAbout, "",
                "Show the program's version and copyright"),
       }},
  };
  return table;
}

const char* promptOf(int command) {
  for (const MenuDefinition& menu : menuBarTable()) {
    for (const MenuEntry& entry : menu.entries) {
      if (entry.kind == MenuEntry::Kind::kItem && entry.command == command) return entry.prompt;
    }
  }
  return "";
}

}  // namespace quorvex::ui
