#include "cli/document_session.h"

#include <cstdlib>

#include "platform/strings.h"
#include "publish/order_server.h"

namespace quorvex::cli {

namespace {

// True for the sections kept in the user's store rather than in memory.
bool isUserSection(const std::string& section) {
  return toLowerAscii(section) == toLowerAscii(kOrderServerSection);
}

}  // namespace

std::string CommandSettings::getString(const std::string& section, const std::string& key,
                                       const std::string& fallback) {
  if (isUserSection(section)) return user_.getString(section, key, fallback);
  auto found = values_.find({section, key});
  return found == values_.end() ? fallback : found->second;
}

int CommandSettings::getInt(const std::string& section, const std::string& key, int fallback) {
  std::string text = getString(section, key, "");
  return text.empty() ? fallback : std::atoi(text.c_str());
}

Status CommandSettings::setString(const std::string& section, const std::string& key,
                                  const std::string& value) {
  if (isUserSection(section)) return user_.setString(section, key, value);
  values_[{section, key}] = value;
  return Status::success();
}

Status CommandSettings::setInt(const std::string& section, const std::string& key, int value) {
  return setString(section, key, std::to_string(value));
}

DocumentSession::DocumentSession(const Env& env)
    : settings_(env.settings()),
      env_(env.home(), env.prompter(), &settings_, &env.ftp()),
      doc_(env_),
      lifecycle_(doc_, env_, frontEnd_, clock_),
      app_{doc_, lifecycle_, env_, frontEnd_, clock_, {}} {}

bool DocumentSession::applyAndSave(StepModel& step) {
  if (!frontEnd_.allAccepted() || !step.accept()) return false;
  step.apply();
  return save();
}

}  // namespace quorvex::cli
