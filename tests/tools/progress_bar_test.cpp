#include "progress_bar.h"

#include <gtest/gtest.h>

#include <sstream>

namespace marvane {
namespace {

using namespace std::chrono_literals;

// A bar on a clock the test moves by hand.
struct ClockedBar {
    ProgressBar::Clock::time_point now{};
    std::ostringstream out;
    ProgressBar bar{out, "Enumerating 4 x 7", 10, [this] { return now; }};
};

TEST(ProgressBar, QuickRunDrawsNothing) {
    ClockedBar run;
    for (int i = 0; i < 10; ++i) {
        run.now += 10ms;
        run.bar.tick();
    }
    run.bar.finish();
    EXPECT_EQ(run.out.str(), "");
}

TEST(ProgressBar, SlowRunDrawsThrottledAndErasesItsLine) {
    ClockedBar run;
    run.now += ProgressBar::kDelay;
    run.bar.tick();  // 1 of 10
    EXPECT_EQ(run.out.str(), "\rEnumerating 4 x 7 [###...........................]  10%");

    run.now += ProgressBar::kInterval / 2;
    run.bar.tick();  // too soon to redraw
    run.now += ProgressBar::kInterval;
    for (int i = 0; i < 20; ++i) {
        run.bar.tick();  // drawn once, at 3 of 10
    }
    run.now += ProgressBar::kInterval;
    run.bar.tick();  // more ticks than announced stay at 100%
    const std::string drawn = run.out.str();
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), '\r'), 3);
    EXPECT_NE(drawn.find("]  30%\r"), std::string::npos);
    EXPECT_TRUE(drawn.ends_with("[##############################] 100%"));

    run.out.str("");
    run.bar.finish();
    const std::size_t width = drawn.size() - drawn.rfind('\r') - 1;
    const std::string erased = '\r' + std::string(width, ' ');
    EXPECT_EQ(run.out.str(), erased + '\r');
    run.bar.tick();
    run.bar.finish();
    EXPECT_EQ(run.out.str().size(), width + 2);  // nothing after finishing
}

}  // namespace
}  // namespace marvane
