// SPDX-License-Identifier: MIT
#include "cli/progress_bar.h"

#include <gtest/gtest.h>

#include <sstream>

namespace marvane {
namespace {

// A bar on a clock the test moves by hand.
struct ClockedBar {
    ProgressBar::Clock::time_point now{};
    std::ostringstream out;
    ProgressBar bar{out, "Enumerating 4 x 7", 10, [this] { return now; }};
};

TEST(ProgressBar, QuickRunDrawsNothing) {
    ClockedBar run;
    for (int i = 0; i < 10; ++i) {
        run.now += ProgressBar::kDelay / 20;
        run.bar.tick();
    }
    run.bar.finish();
    EXPECT_EQ(run.out.str(), "");
}

TEST(ProgressBar, SlowRunRedrawsThrottledAndErasesItsLine) {
    ClockedBar run;
    run.now += ProgressBar::kDelay;
    run.bar.tick();  // 1 of 10
    EXPECT_EQ(run.out.str(), "\rEnumerating 4 x 7 [###...........................]  10%");
    for (int i = 0; i < 20; ++i) {
        run.bar.tick();  // too soon to redraw
    }
    run.now += ProgressBar::kInterval;
    run.bar.tick();  // more ticks than announced stay at 100%
    const std::string drawn = run.out.str();
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), '\r'), 2);
    EXPECT_TRUE(drawn.ends_with("[##############################] 100%"));

    run.out.str("");
    run.bar.finish();
    run.bar.tick();
    const std::string erased = '\r' + std::string(drawn.size() - drawn.rfind('\r') - 1, ' ');
    EXPECT_EQ(run.out.str(), erased + '\r');
}

}  // namespace
}  // namespace marvane
