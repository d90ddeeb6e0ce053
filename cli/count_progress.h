// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "cli/progress_bar.h"
#include "engine/enumeration/worker_driver.h"

namespace marvane {

// One bar over the hands of every deck of a run, deck after deck, so that a
// batch shows its time left as one deck does. For hands of six or seven
// cards, or with jokers, whose progress says how many hands are done.
class HandsProgress {
public:
    HandsProgress(std::string label, std::uint64_t hands);

    // The progress of the next deck, of `deckHands` hands.
    RunProgress forDeck(std::uint64_t deckHands);

    void finish() { bar_.finish(); }

private:
    static constexpr std::uint32_t kTicks = 1000;
    ProgressBar bar_;
    std::uint64_t hands_;
    std::uint64_t before_ = 0;
    std::uint32_t ticked_ = 0;
};

}  // namespace marvane
