#include <gtest/gtest.h>

#include <vector>

#include "widgets/events.h"

namespace qm::widgets {
namespace {

TEST(EventsTest, IdleWorkWaitsForTheOutermostHandler) {
  std::vector<int> order;
  {
    DispatchScope outer;
    {
      DispatchScope inner;
      RunWhenIdle([&] { order.push_back(1); });
    }
    EXPECT_TRUE(order.empty());
    RunWhenIdle([&] { order.push_back(2); });
    EXPECT_TRUE(InsideDispatch());
  }
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
  EXPECT_FALSE(InsideDispatch());
  RunWhenIdle([&] { order.push_back(3); });
  EXPECT_EQ(order.back(), 3);
}

TEST(EventsTest, AHandlerMayClearItsOwnSlot) {
  Event slot;
  int runs = 0;
  std::vector<int> big(100, 7); // captured by value: freed with the slot's copy
  slot = [&slot, &runs, big] {
    slot = nullptr;
    runs += big[99];
  };
  Fire(slot);
  Fire(slot);
  EXPECT_EQ(runs, 7);
}

} // namespace
} // namespace qm::widgets
