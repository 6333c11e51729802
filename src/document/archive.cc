#include "document/archive.h"

namespace quorvex {

int32_t Archive::recordVersion(int32_t current) {
  int32_t version = current;
  io(version);
  return version;
}

void Archive::ioStringList(std::vector<std::string>& list) {
  uint32_t count = static_cast<uint32_t>(list.size());
  ioCount(count, 1);
  if (isLoading()) {
    list.clear();
    for (uint32_t i = 0; i < count && ok(); ++i) io(list.emplace_back());
    if (!ok()) list.clear();
  } else {
    for (std::string& text : list) io(text);
  }
}

}  // namespace quorvex
