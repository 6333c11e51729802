#ifndef QUORVEX_CLI_PRODUCT_LIST_H_
#define QUORVEX_CLI_PRODUCT_LIST_H_

#include <cstdint>
#include <string>

#include "company/brenquil_doc.h"
#include "platform/env.h"
#include "products/extra_fields.h"

namespace quorvex::cli {

// A company's product list with its rows loaded, for one command that shows
// or changes products. The rows are released when it goes.
class ProductList {
 public:
  // `env` must outlive the list.
  explicit ProductList(const Env& env) : env_(env), doc_(env) {}
  ~ProductList();
  ProductList(const ProductList&) = delete;
  ProductList& operator=(const ProductList&) = delete;

  // Opens the document `file` and loads its rows; kExitSuccess, or the
  // status to exit with after printing why. `changing` refuses a list
  // imported from another program's file, whose rows that file feeds, and
  // starts a list kept in the program for a company without one.
  int open(const std::string& file, bool changing);

  CExtraFields& table() { return *doc_.m_pExtraFields; }
  const Env& env() const { return env_; }

  // Writes the rows and saves the document (its categories and features);
  // kExitSuccess, or kExitFailure after printing why.
  int save();

  // The line of the row with part number `partNumber`; -1 after saying
  // there is none.
  int32_t lineOf(const std::string& partNumber);

 private:
  const Env& env_;
  CBrenquilDoc doc_;
  std::string file_;
};

}  // namespace quorvex::cli

#endif  // QUORVEX_CLI_PRODUCT_LIST_H_
