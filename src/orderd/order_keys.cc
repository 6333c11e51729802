#include "orderd/order_keys.h"

#include <iostream>
#include <sstream>

#include "platform/atomic_file.h"
#include "platform/regular_file.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

constexpr char kKeyFolder[] = ".orderkeys";
constexpr size_t kMaxKeptBytes = 512;
constexpr char kTaken[] = "taken";
constexpr char kPending[] = "pending";

// Removes the keys of `folder` older than OrderKeys::kKeyLife.
void sweepOld(const fs::path& folder) {
  const auto before = fs::file_time_type::clock::now() - OrderKeys::kKeyLife;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    std::error_code entryError;
    if (entry.is_regular_file(entryError) && entry.last_write_time(entryError) < before) {
      fs::remove(entry.path(), entryError);
    }
    if (entryError) std::cerr << entry.path().string() << ": " << entryError.message() << "\n";
  }
  if (error) std::cerr << folder.string() << ": " << error.message() << "\n";
}

}  // namespace

OrderKeys::OrderKeys() : sweeps_(std::chrono::hours(1)) {}

std::optional<OrderKeys::KeptOrder> OrderKeys::find(const fs::path& merchantFolder,
                                                    const std::string& key) const {
  const fs::path file = merchantFolder / kKeyFolder / key;
  std::error_code error;
  if (!fs::exists(file, error)) return std::nullopt;
  std::string text;
  if (Status read = readRegularFile(file, kMaxKeptBytes, &text); !read.ok()) {
    std::cerr << read.message() << "\n";
    return std::nullopt;
  }
  std::istringstream lines(text);
  KeptOrder order;
  std::string state;
  std::string mailed;
  for (std::string* line : {&state, &order.orderNumber, &order.customerId, &order.grandTotal,
                            &order.date, &mailed}) {
    if (!std::getline(lines, *line)) {
      std::cerr << file.string() << ": not an order key's record\n";
      return std::nullopt;
    }
  }
  order.taken = state == kTaken;
  order.mailed = mailed == "1";
  return order;
}

Status OrderKeys::keep(const fs::path& merchantFolder, const std::string& key,
                       const KeptOrder& order) {
  const fs::path folder = merchantFolder / kKeyFolder;
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) return Status::ioError("Could not make " + folder.string() + ": " + error.message());
  if (sweeps_.due(folder.string())) sweepOld(folder);
  std::string record;
  for (const std::string& line : {std::string(order.taken ? kTaken : kPending), order.orderNumber,
                                  order.customerId, order.grandTotal, order.date,
                                  std::string(order.mailed ? "1" : "0")}) {
    record += line + "\n";
  }
  return replaceFileAtomically(folder / key, record);
}

}  // namespace quorvex
