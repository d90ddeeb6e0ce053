// SPDX-License-Identifier: MIT
#include "cli/count_progress.h"

#include <iostream>

namespace marvane {

HandsProgress::HandsProgress(std::string label, std::uint64_t hands)
    : bar_(std::cerr, std::move(label), kTicks), hands_(hands) {}

RunProgress HandsProgress::forDeck(std::uint64_t deckHands) {
    const std::uint64_t before = before_;
    before_ += deckHands;
    return [this, before](std::uint64_t done, std::uint64_t) {
        for (; ticked_ < (before + done) * kTicks / hands_; ++ticked_) {
            bar_.tick();
        }
        return true;
    };
}

}  // namespace marvane
