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
    EXPECT_EQ(run.out.str(), "\rEnumerating 4 x 7 [###...........................]  10%, 5 s left");
    for (int i = 0; i < 20; ++i) {
        run.bar.tick();  // too soon to redraw
    }
    run.now += ProgressBar::kInterval;
    run.bar.tick();  // more ticks than announced stay at 100%
    const std::string drawn = run.out.str();
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), '\r'), 2);
    // Blanks over the first line's longer tail (its time left).
    EXPECT_EQ(drawn.substr(drawn.rfind('\r')),
              "\rEnumerating 4 x 7 [##############################] 100%" + std::string(10, ' '));

    run.out.str("");
    run.bar.finish();
    run.bar.tick();
    const std::string erased = '\r' + std::string(drawn.size() - drawn.rfind('\r') - 1, ' ');
    EXPECT_EQ(run.out.str(), erased + '\r');
}

// The first tenth took `elapsed`, so nine more are left, rounded up.
TEST(ProgressBar, SaysTheTimeLeftAtThePaceSoFar) {
    using namespace std::chrono_literals;
    struct Case {
        std::chrono::milliseconds elapsed;
        const char* left;
    };
    for (const Case& c :
         {Case{1s, "9 s left"}, Case{6'500ms, "59 s left"}, Case{7s, "2 min left"},
          Case{90s, "14 min left"}, Case{20min, "3 h 0 min left"}, Case{1h, "9 h 0 min left"}}) {
        ClockedBar run;
        run.now += c.elapsed;
        run.bar.tick();
        EXPECT_TRUE(run.out.str().ends_with(std::string("  10%, ") + c.left))
            << run.out.str() << " after " << c.elapsed.count() << " ms";
    }
}

}  // namespace
}  // namespace marvane
