// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

namespace marvane {

// A one-line progress bar for a terminal, driven by the enumeration's
// progress ticks, with the time left at the pace so far. Short runs show
// nothing; a long one redraws the line a few times a second and erases it
// when finished, so that nothing of it is left between the other output.
class ProgressBar {
public:
    using Clock = std::chrono::steady_clock;
    using Now = std::function<Clock::time_point()>;

    // Nothing is drawn before this much time has passed since construction...
    static constexpr std::chrono::milliseconds kDelay{500};
    // ...and then at most once per interval.
    static constexpr std::chrono::milliseconds kInterval{100};
    static constexpr std::size_t kBarWidth = 30;

    ProgressBar(std::ostream& out, std::string label, std::uint32_t totalTicks,
                Now now = &Clock::now);
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void tick();
    // Erases the line if one was drawn. Later ticks draw nothing.
    void finish();

private:
    void draw();

    std::ostream& out_;
    std::string label_;
    std::uint32_t totalTicks_;
    std::uint32_t ticks_ = 0;
    Now now_;
    Clock::time_point start_;
    Clock::time_point lastDraw_{};
    std::size_t drawnWidth_ = 0;  // 0 while nothing is on the line
    bool finished_ = false;
};

}  // namespace marvane
