#ifndef QUORVEX_PRODUCTS_PRODUCT_FILES_H_
#define QUORVEX_PRODUCTS_PRODUCT_FILES_H_

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/env.h"

namespace quorvex {

// Where the product rows are kept and how their files are read.

// The name of the product file in the site folder, as the product table
// creates it. The backup and restore steps spell it kBackupPriceListName;
// names in these folders are matched without regard to case, so both name
// the same file.
inline constexpr std::string_view kPriceListName = "PriceList.txt";
inline constexpr std::string_view kBackupPriceListName = "Pricelist.txt";

// Returns the site folder of `companyName`: <home>/<company name>; nullopt
// when the name is empty or would lead out of the home.
std::optional<std::filesystem::path> siteFolder(const Env& env, std::string_view companyName);

// Returns the product file of `companyName`: the entry of the site folder
// that matches "PriceList.txt" without regard to case, else the site folder
// joined with "PriceList.txt"; nullopt when there is no site folder.
std::optional<std::filesystem::path> priceListPath(const Env& env, std::string_view companyName);


// The outcome of reading a whole file.
enum class FileReadResult {
  kRead,
  // The file does not exist or is not a regular file.
  kNotOpened,
  // Opening or reading it failed; the error text says why.
  kFailed,
};

// Reads the whole of `file` into `bytes`. On kFailed, `error` receives the
// system's description of the error. Only regular files are read, so a
// device or a folder named by a document is never read without end.
FileReadResult readWholeFile(const std::filesystem::path& file, std::string* bytes,
                             std::string* error);

// The message shown for a file error: "FILE ERROR: " and the system's text.
std::string fileErrorMessage(std::string_view systemText);

}  // namespace quorvex

#endif  // QUORVEX_PRODUCTS_PRODUCT_FILES_H_
