#ifndef QUORVEX_APP_CHANGE_NOTIFIER_H_
#define QUORVEX_APP_CHANGE_NOTIFIER_H_

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace quorvex {

// A plain list of callbacks that a model calls when its values changed, so
// that a view can show them again. It is the core's stand-in for a Qt
// signal: no threads, no queues; listeners run on the thread that changed
// the model, in the order they subscribed, before the changing call returns.
class ChangeNotifier {
 public:
  // Identifies one subscription; never 0, never reused by the same notifier.
  using SubscriptionId = uint64_t;
  using Listener = std::function<void()>;

  ChangeNotifier() = default;
  ChangeNotifier(const ChangeNotifier&) = delete;
  ChangeNotifier& operator=(const ChangeNotifier&) = delete;

  // Calls `listener` after every change from now on, until unsubscribe() with
  // the returned id. Whatever `listener` refers to must outlive the
  // subscription.
  SubscriptionId subscribe(Listener listener);

  // Ends the subscription `id`; an id that is not subscribed (any more) is
  // ignored. A listener may end its own or another subscription while it
  // runs: an ended listener is not called again, not even by the
  // notification that is going on.
  void unsubscribe(SubscriptionId id);

  // The number of current subscriptions.
  size_t listenerCount() const { return listeners_.size(); }

 protected:
  ~ChangeNotifier() = default;

  // Tells every listener that the values changed. Called by the model's
  // operations that change its values, once per operation, after the change.
  void notifyChanged();

 private:
  std::vector<std::pair<SubscriptionId, Listener>> listeners_;
  SubscriptionId lastId_ = 0;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_CHANGE_NOTIFIER_H_
