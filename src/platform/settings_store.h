#ifndef QUORVEX_PLATFORM_SETTINGS_STORE_H_
#define QUORVEX_PLATFORM_SETTINGS_STORE_H_

#include <string>

#include "platform/status.h"

namespace quorvex {

// The per-user settings of the program (recent files, the first-run flag,
// the order server's host name, ...): values stored by section and key.
// Section and key names match without regard to ASCII case. Texts are
// Windows-1252 bytes. Implementations are thread-safe.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // Returns the text stored under `section` and `key`, or `fallback` when
  // there is none.
  virtual std::string getString(const std::string& section, const std::string& key,
                                const std::string& fallback) = 0;

  // Returns the number stored under `section` and `key`, or `fallback` when
  // there is none or the stored text is not a whole number.
  virtual int getInt(const std::string& section, const std::string& key, int fallback) = 0;

  // Stores `value` under `section` and `key`. Fails when the store cannot be
  // written or when a name or the value holds a line break (or the key an
  // "=", the section a "]"), which the store could not keep.
  virtual Status setString(const std::string& section, const std::string& key,
                           const std::string& value) = 0;

  // Stores `value` as its decimal text; fails as setString does.
  virtual Status setInt(const std::string& section, const std::string& key, int value) = 0;
};

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_SETTINGS_STORE_H_
