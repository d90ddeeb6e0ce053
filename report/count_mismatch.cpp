// SPDX-License-Identifier: MIT
#include "report/count_mismatch.h"

namespace marvane {

std::vector<CountMismatch> findCountMismatches(const CategoryCounts& enumerated,
                                               const CategoryCounts& computed) {
    std::vector<CountMismatch> mismatches;
    for (std::size_t index = 0; index < kCategoryCount; ++index) {
        if (enumerated[index] != computed[index]) {
            mismatches.push_back({*categoryFromIndex(index), enumerated[index], computed[index]});
        }
    }
    return mismatches;
}

std::string describeMismatch(Deck deck, const CountMismatch& mismatch) {
    return std::to_string(deck.suits) + " suits x " + std::to_string(deck.ranks) +
           " ranks: " + std::string(displayName(mismatch.category)) + ": enumerated " +
           std::to_string(mismatch.enumerated) + ", computed " + std::to_string(mismatch.computed);
}

}  // namespace marvane
