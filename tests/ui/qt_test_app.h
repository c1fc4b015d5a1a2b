#pragma once

#include <gtest/gtest.h>

class QWidget;

namespace zyntra::test {

// The one QApplication of the test program, on the offscreen platform unless the environment
// names another.
void EnsureQtApplication();

// Lets queued and posted events run (repaints, deferred tree rebuilds, timers due now).
void ProcessEvents(int rounds = 3);

class QtTest : public ::testing::Test {
protected:
    QtTest() { EnsureQtApplication(); }
};

} // namespace zyntra::test
