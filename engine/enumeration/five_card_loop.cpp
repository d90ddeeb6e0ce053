// SPDX-License-Identifier: MIT
#include "engine/enumeration/five_card_loop.h"

namespace marvane::fivecardloop {

LoopTables::LoopTables(Deck deck)
    : deck(deck), ranks(rankAutomaton(deck)), suits(suitAutomaton(deck)) {
    const std::uint32_t S = deck.suits;
    const std::uint32_t R = deck.ranks;
    rankCodes.assign(std::size_t{ranks.fourStateCount()} * R, 0);
    for (std::uint32_t state = 0; state < ranks.fourStateCount(); ++state) {
        for (std::uint32_t rank = 0; rank < R; ++rank) {
            const std::uint8_t pattern = ranks.patternAfter(state, rank);
            // A fifth rank the state can't take never reaches the loop.
            rankCodes[state * R + rank] = pattern == PatternAutomaton::kNoPattern ? 0 : pattern * S;
        }
    }
    categories.assign(suits.fourStateCount() * kRankPatternCount * S, 0);
    for (std::uint32_t state = 0; state < suits.fourStateCount(); ++state) {
        std::uint8_t* block = &categories[state * kRankPatternCount * S];
        for (std::uint32_t rp = 0; rp < kRankPatternCount; ++rp) {
            for (std::uint32_t suit = 0; suit < S; ++suit) {
                const auto sp = static_cast<SuitPattern>(suits.patternAfter(state, suit));
                block[rp * S + suit] = static_cast<std::uint8_t>(
                    indexOf(categoryOf(static_cast<RankPattern>(rp), sp)));
            }
        }
    }
}

}  // namespace marvane::fivecardloop
