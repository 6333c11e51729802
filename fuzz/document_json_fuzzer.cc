// Feeds arbitrary bytes to the JSON form of a company document (the reader
// behind `load`): it must refuse or accept them without crashing, hanging or
// allocating without bound, and an accepted document must write and read
// back.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdlib.h>
#include <string_view>

#include "company/brenquil_doc.h"
#include "company/document_json.h"
#include "platform/scripted_prompter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static quorvex::ScriptedPrompter prompter;
  static char home[] = "/tmp/quorvex-fuzz-json-home-XXXXXX";
  static const quorvex::Env env(::mkdtemp(home) ? home : "/tmp", prompter);
  std::string_view text(reinterpret_cast<const char*>(data), size);
  quorvex::Json json = quorvex::Json::parse(text, nullptr, /*allow_exceptions=*/false);
  if (json.is_discarded()) return 0;
  quorvex::CBrenquilDoc doc(env);
  if (quorvex::documentFromJson(json, doc).ok()) {
    std::string written = doc.write();
    quorvex::CBrenquilDoc again(env);
    if (!again.read(written).ok() || again.write() != written) std::abort();
  }
  prompter.clear();
  return 0;
}
