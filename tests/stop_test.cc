#include "stop.h"

#include <gtest/gtest.h>

#include <csignal>

namespace {

// The decision that a stop signal's handler and the run take between them:
// at once where no change is under way, and then no change begins; noted
// during a change; at once for a second signal.  (EndChange would end this
// test where a signal is noted, so each sequence ends with one that isn't.)
TEST(StopTest, DecidesBetweenAtOnceAndAfterTheChange) {
  EXPECT_TRUE(StopsAtOnce(SIGINT));
  EXPECT_FALSE(TryBeginChange());
  EndChange();

  EXPECT_TRUE(TryBeginChange());
  EXPECT_FALSE(StopsAtOnce(SIGTERM));
  EXPECT_TRUE(StopsAtOnce(SIGINT));
  EXPECT_FALSE(TryBeginChange());
  EndChange();
}

}  // namespace
