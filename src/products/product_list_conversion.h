#ifndef QUORVEX_PRODUCTS_PRODUCT_LIST_CONVERSION_H_
#define QUORVEX_PRODUCTS_PRODUCT_LIST_CONVERSION_H_

#include "platform/env.h"
#include "products/extra_fields.h"

namespace quorvex {

// The conversions between imported and in-program product tables, with the
// questions the user answers first. An imported table stays imported until
// the user agrees to maintain it in the program; from then on its external
// file is no longer read.
class ProductListConversion {
 public:
  // `env` must outlive the object.
  explicit ProductListConversion(const Env& env) : env_(env) {}

  // "&Modify Product List": for an imported table asks "You are currently
  // using a database imported from an external source.\n..." and returns the
  // answer; true at once for an in-program table. After Yes the rows are read
  // from PriceList.txt under the imported table's rules and edited, and the
  // table is made in-program (makeInProgram()) when the edit is confirmed.
  bool confirmModify(const CExtraFields& table);

  // "Create New Product List": asks "A previously created database already
  // exists for this company.\n..." for an in-program table and "An imported
  // database is currently being used for this company.\n..." for an imported
  // one (a table with a source); true at once for a company without a
  // product table. Returns whether to go on.
  bool confirmCreateNew(const CExtraFields& table);

  // Starts an empty in-program table in place of the old one: no rows, the
  // settings of CExtraFields::createInProgram() with inProgram 1, and a
  // PriceList.txt that holds no product. Returns false after a file error.
  bool startNewList(CExtraFields& table);

  // Makes `table` in-program (inProgram 1 and createInProgram()); the rows
  // in memory remain, to be written to PriceList.txt when the edit ends.
  // Returns false after a file error.
  [[nodiscard]] bool makeInProgram(CExtraFields& table);

  // Before a column of an imported table that is fed from the external file
  // is changed: asks "This field was imported from an external data
  // source.\n..." and then "If your database is copied, then Quorvex will no
  // longer update it ...". Two Yes answers make the table in-program
  // (makeInProgram()) and return true (false after its file error); either No
  // changes nothing and returns
  // false.
  bool agreeToEditImportedColumn(CExtraFields& table);

 private:
  const Env& env_;
};

}  // namespace quorvex

#endif  // QUORVEX_PRODUCTS_PRODUCT_LIST_CONVERSION_H_
