// Feeds arbitrary bytes to the company document reader: it must refuse or
// accept them without crashing, hanging or allocating without bound, and an
// accepted document must write and read back.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "document/brenquil_doc.h"
#include "platform/scripted_prompter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static quorvex::ScriptedPrompter prompter;
  // A home without template folders: new records take their built-in values.
  static const quorvex::Env env("/nonexistent-quorvex-home", prompter);
  quorvex::CBrenquilDoc doc(env);
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (doc.read(bytes).ok()) {
    std::string written = doc.write();
    quorvex::CBrenquilDoc again(env);
    if (!again.read(written).ok() || again.write() != written) std::abort();
  }
  prompter.clear();
  return 0;
}
