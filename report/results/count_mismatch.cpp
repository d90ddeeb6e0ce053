// SPDX-License-Identifier: MIT
#include "report/results/count_mismatch.h"

#include "engine/vocabulary/hand_count.h"
#include "report/words/card_notation.h"

namespace marvane {

namespace {

template <class Counts>
std::vector<CountMismatch> mismatchesOf(const Counts& enumerated, const Counts& computed) {
    std::vector<CountMismatch> mismatches;
    for (std::size_t index = 0; index < kCategoryCount; ++index) {
        if (enumerated[index] != computed[index]) {
            mismatches.push_back({*categoryFromIndex(index), enumerated[index], computed[index]});
        }
    }
    return mismatches;
}

}  // namespace

std::vector<CountMismatch> findCountMismatches(const CategoryCounts& enumerated,
                                               const CategoryCounts& computed) {
    return mismatchesOf(enumerated, computed);
}

std::vector<CountMismatch> findCountMismatches(const CategoryCounts64& enumerated,
                                               const CategoryCounts64& computed) {
    return mismatchesOf(enumerated, computed);
}

std::string describeMismatch(Deck deck, std::uint32_t cards, std::uint32_t jokers,
                             const CountMismatch& mismatch) {
    std::string hand;
    if (!countedByFiveCardFormulas(cards, jokers)) {
        hand = ", " + std::to_string(cards) + " cards" +
               (jokers > 0 ? ", " + jokersText(jokers) : std::string());
    }
    return std::to_string(deck.suits) + " suits x " + std::to_string(deck.ranks) + " ranks" + hand +
           ": " + std::string(displayName(mismatch.category)) + ": enumerated " +
           std::to_string(mismatch.enumerated) + ", computed " + std::to_string(mismatch.computed);
}

}  // namespace marvane
