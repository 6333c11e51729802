#include "app/change_notifier.h"

#include <algorithm>

namespace quorvex {

ChangeNotifier::SubscriptionId ChangeNotifier::subscribe(Listener listener) {
  listeners_.emplace_back(++lastId_, std::move(listener));
  return lastId_;
}

void ChangeNotifier::unsubscribe(SubscriptionId id) {
  std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void ChangeNotifier::notifyChanged() {
  // Listeners may subscribe or unsubscribe while they run: walk the ids
  // subscribed now and look each one up before calling it.
  std::vector<SubscriptionId> ids;
  ids.reserve(listeners_.size());
  for (const auto& entry : listeners_) ids.push_back(entry.first);
  for (SubscriptionId id : ids) {
    auto it = std::find_if(listeners_.begin(), listeners_.end(),
                           [id](const auto& entry) { return entry.first == id; });
    if (it == listeners_.end()) continue;
    // A copy: the listener may unsubscribe itself, destroying the original.
    Listener listener = it->second;
    listener();
  }
}

}  // namespace quorvex
