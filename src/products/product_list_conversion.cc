#include "products/product_list_conversion.h"

namespace quorvex {

bool ProductListConversion::confirmModify(const CExtraFields& table) {
  if (!table.isImported()) return true;
  return env_.prompter().askYesNo(
      "You are currently using a database imported from an external source.\nAny modifications "
      "would normally be made from there as well.\nThis operation will copy the current database "
      "and allow you to modify it here.\nDo you want to continue?");
}

bool ProductListConversion::confirmCreateNew(const CExtraFields& table) {
  if (!table.isImported()) {
    return env_.prompter().askYesNo(
        "A previously created database already exists for this company.\nThis operation will "
        "delete the old database.  Do you want to continue?");
  }
  if (table.sourcePath.empty()) return true;
  return env_.prompter().askYesNo(
      "An imported database is currently being used for this company.\nCreating a database will "
      "overwrite the current database.\n     Do you want to continue?");
}

bool ProductListConversion::startNewList(CExtraFields& table) {
  table.clearRows();
  return makeInProgram(table) && table.writeRows(env_);
}

bool ProductListConversion::makeInProgram(CExtraFields& table) {
  table.inProgram = 1;
  return table.createInProgram(env_);
}

bool ProductListConversion::agreeToEditImportedColumn(CExtraFields& table) {
  Prompter& prompter = env_.prompter();
  if (!prompter.askYesNo(
          "This field was imported from an external data source.\nYou may only modify this "
          "field through the program used to create the original database.\nIf you would like "
          "to maintain the database ONLY from within Quorvex, your database can be copied.\n\n"
          "  Would you like to maintain your database from Quorvex only?")) {
    return false;
  }
  if (!prompter.askYesNo(
          "If your database is copied, then Quorvex will no longer update it with the originally "
          "imported file.  Any changes you make to the original database will not take effect "
          "within Quorvex.\n\nAre you sure you want to continue?")) {
    return false;
  }
  return makeInProgram(table);
}

}  // namespace quorvex
