// Feeds arbitrary bytes to the company document reader: it must refuse or
// accept them without crashing, hanging or allocating without bound, and an
// accepted document must write and read back.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdlib.h>
#include <string_view>

#include "company/brenquil_doc.h"
#include "platform/scripted_prompter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static quorvex::ScriptedPrompter prompter;
  // A fresh, empty home: new records take their built-in values, and whatever
  // an old document's product migration writes stays inside it.
  static char home[] = "/tmp/quorvex-fuzz-home-XXXXXX";
  static const quorvex::Env env(::mkdtemp(home) ? home : "/tmp", prompter);
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
