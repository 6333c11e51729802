#include "app/change_notifier.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvex::testing {
namespace {

class Notifier : public ChangeNotifier {
 public:
  using ChangeNotifier::notifyChanged;
};

TEST(ChangeNotifierTest, CallsTheCurrentListenersInOrderAndForgetsEndedOnes) {
  Notifier notifier;
  std::string calls;
  ChangeNotifier::SubscriptionId second = 0;
  ChangeNotifier::SubscriptionId late = 0;
  const ChangeNotifier::SubscriptionId first = notifier.subscribe([&] {
    calls += "1";
    // Ends the second listener and adds one while the notification runs.
    notifier.unsubscribe(second);
    if (late == 0) late = notifier.subscribe([&] { calls += "L"; });
  });
  second = notifier.subscribe([&] { calls += "2"; });
  ChangeNotifier::SubscriptionId self = 0;
  self = notifier.subscribe([&] {
    calls += "S";
    notifier.unsubscribe(self);
  });
  EXPECT_NE(first, second);

  notifier.notifyChanged();
  EXPECT_EQ(calls, "1S") << "an ended listener is not called, a new one not yet";
  notifier.notifyChanged();
  EXPECT_EQ(calls, "1S1L") << "the listener that ended itself stays ended";

  notifier.unsubscribe(first);
  notifier.unsubscribe(first);
  notifier.notifyChanged();
  EXPECT_EQ(calls, "1S1LL");
  EXPECT_EQ(notifier.listenerCount(), 1u);
}

}  // namespace
}  // namespace quorvex::testing
