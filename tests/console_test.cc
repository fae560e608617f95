#include "console.h"

#include <gtest/gtest.h>

namespace {

// A double-click in Explorer, and the starts that each differ from it in
// one thing: another parent, a console shared with Command Prompt, a
// redirected stream.
TEST(ConsoleTest, WaitsOnlyWhenExplorerStartedItInAConsoleOfItsOwn) {
  EXPECT_TRUE(StartedInAWindowOfItsOwn("explorer.exe", 1, true, true));
  EXPECT_TRUE(StartedInAWindowOfItsOwn("EXPLORER.EXE", 1, true, true));
  EXPECT_FALSE(StartedInAWindowOfItsOwn("cmd.exe", 1, true, true));
  EXPECT_FALSE(StartedInAWindowOfItsOwn("explorer.exe.bak", 1, true, true));
  EXPECT_FALSE(StartedInAWindowOfItsOwn("", 1, true, true));
  EXPECT_FALSE(StartedInAWindowOfItsOwn("explorer.exe", 2, true, true));
  EXPECT_FALSE(StartedInAWindowOfItsOwn("explorer.exe", 0, true, true));
  EXPECT_FALSE(StartedInAWindowOfItsOwn("explorer.exe", 1, false, true));
  EXPECT_FALSE(StartedInAWindowOfItsOwn("explorer.exe", 1, true, false));
}

// A window closed while the run waits for Enter ends it as Enter would,
// with the run's own status; closed while the run runs, it stops the run as
// a stop signal does.
TEST(ConsoleTest, AClosedWindowGivesTheRunsStatusOnlyOnceTheRunIsOver) {
  EXPECT_EQ(StatusOnClose(true, 0), 0);
  EXPECT_EQ(StatusOnClose(true, 1), 1);
  EXPECT_EQ(StatusOnClose(false, 0), -1);
  EXPECT_EQ(StatusOnClose(false, 1), -1);
}

}  // namespace
