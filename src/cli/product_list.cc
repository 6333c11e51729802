#include "cli/product_list.h"

#include "cli/cli_command.h"
#include "products/product_list_conversion.h"

namespace quorvex::cli {

ProductList::~ProductList() { doc_.m_pExtraFields->clearRows(); }

int ProductList::open(const std::string& file, bool changing) {
  file_ = file;
  if (int result = openCompany(file, doc_)) return result;
  CExtraFields& list = table();
  if (changing && list.isImported() && !list.sourcePath.empty()) {
    return failure("The product list is imported from " + list.sourcePath +
                   "; change the products there and import again, or start a list kept in "
                   "the program with create-products.");
  }
  // A company without a product list gets one kept in the program, as
  // choosing to create one in the product list step makes it.
  if (changing && list.isImported() && list.sourcePath.empty()) {
    ProductListConversion conversion(env_);
    if (!conversion.startNewList(list)) return kExitFailure;
  }
  list.clearRows();
  Status loaded = list.loadRows(env_);
  // The rows' file error has been shown; a company without one has none.
  if (!loaded.ok() && loaded.code() != Status::Code::kNotFound) return kExitFailure;
  return kExitSuccess;
}

int ProductList::save() {
  if (!table().writeRows(env_)) return kExitFailure;
  Status status = doc_.save(file_);
  if (!status.ok()) return failure(status.message());
  return kExitSuccess;
}

int32_t ProductList::lineOf(const std::string& partNumber) {
  const int32_t line = table().findRow(partNumber);
  if (line < 0) failure("there is no product \"" + partNumber + "\"");
  return line;
}

}  // namespace quorvex::cli
