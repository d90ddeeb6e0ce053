// SPDX-License-Identifier: MIT
#include "cli/progress_bar.h"

#include <algorithm>

namespace marvane {

namespace {

// "42 s left", "12 min left", "2 h 5 min left": rounded up, since a run
// that ends early disappoints nobody.
std::string timeLeftText(std::chrono::nanoseconds left) {
    using namespace std::chrono;
    const auto seconds = duration_cast<std::chrono::seconds>(left + 999ms).count();
    if (seconds < 60) {
        return std::to_string(seconds) + " s left";
    }
    const auto minutes = (seconds + 59) / 60;
    if (minutes < 60) {
        return std::to_string(minutes) + " min left";
    }
    return std::to_string(minutes / 60) + " h " + std::to_string(minutes % 60) + " min left";
}

}  // namespace

ProgressBar::ProgressBar(std::ostream& out, std::string label, std::uint32_t totalTicks, Now now)
    : out_(out),
      label_(std::move(label)),
      totalTicks_(totalTicks),
      now_(std::move(now)),
      start_(now_()) {}

ProgressBar::~ProgressBar() {
    finish();
}

void ProgressBar::tick() {
    if (finished_) {
        return;
    }
    ++ticks_;
    const Clock::time_point now = now_();
    if (now - start_ < kDelay) {
        return;
    }
    if (drawnWidth_ > 0 && now - lastDraw_ < kInterval) {
        return;
    }
    lastDraw_ = now;
    draw();
}

void ProgressBar::finish() {
    if (finished_) {
        return;
    }
    finished_ = true;
    if (drawnWidth_ > 0) {
        out_ << '\r' << std::string(drawnWidth_, ' ') << '\r' << std::flush;
        drawnWidth_ = 0;
    }
}

void ProgressBar::draw() {
    const std::uint64_t done = totalTicks_ == 0 ? 0 : std::min(ticks_, totalTicks_);
    const std::uint64_t total = std::max<std::uint32_t>(totalTicks_, 1);
    const auto filled = static_cast<std::size_t>(done * kBarWidth / total);
    const std::uint64_t percent = done * 100 / total;

    std::string line =
        label_ + " [" + std::string(filled, '#') + std::string(kBarWidth - filled, '.') + "] ";
    const std::string percentText = std::to_string(percent) + "%";
    line += std::string(4 - std::min<std::size_t>(percentText.size(), 4), ' ') + percentText;
    // The time left at the pace so far.
    if (done > 0 && done < total) {
        const auto elapsed = now_() - start_;
        line += ", " + timeLeftText(elapsed * static_cast<std::int64_t>(total - done) /
                                    static_cast<std::int64_t>(done));
    }

    out_ << '\r' << line;
    // Never leave a longer earlier line's tail visible.
    if (line.size() < drawnWidth_) {
        out_ << std::string(drawnWidth_ - line.size(), ' ');
    }
    out_ << std::flush;
    drawnWidth_ = std::max(drawnWidth_, line.size());
}

}  // namespace marvane
