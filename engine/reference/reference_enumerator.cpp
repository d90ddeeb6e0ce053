// SPDX-License-Identifier: MIT
#include "engine/reference/reference_enumerator.h"

#include "engine/reference/classifier.h"

namespace marvane {

ReferenceEnumerator::ReferenceEnumerator(Deck deck, EngineState& state, ProgressCallback progress,
                                         HandVisitor visitor)
    : deck_(deck), state_(state), progress_(std::move(progress)), visitor_(std::move(visitor)) {}

bool ReferenceEnumerator::enumerate_all(Hand& hand) {
    if (!deck_.isAdmissible()) {
        return false;
    }
    enumerate(hand, 1, deck_.cardCount(), 1, kHandSize);
    return true;
}

void ReferenceEnumerator::enumerate(Hand& hand, std::uint32_t first, std::uint32_t n,
                                    std::uint32_t level, std::uint32_t size) {
    if (level > size) {
        countHand(hand);
        return;
    }
    // The loop runs on even when too few cards remain to finish a hand: such
    // branches find nothing at the deeper levels. The i >= first test stops
    // the loop should n be the largest unsigned value.
    for (std::uint32_t i = first; i >= first && i <= n; ++i) {
        hand.push_back(Card::fromNumber(i, deck_.suits));
        enumerate(hand, i + 1, n, level + 1, size);
        hand.pop_back();
    }
}

void ReferenceEnumerator::countHand(const Hand& hand) {
    ++state_.handCounter;
    if (state_.progressStep != 0 && state_.handCounter % state_.progressStep == 0 && progress_) {
        progress_();
    }
    const HandCategory category = categorize(hand, deck_);
    ++state_.enumerated[category];
    if (visitor_) {
        visitor_(hand, category);
    }
}

}  // namespace marvane
