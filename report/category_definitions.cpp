// SPDX-License-Identifier: MIT
#include "report/category_definitions.h"

namespace marvane {

namespace {

// Straights: five consecutive ranks, plus the one hand where 1 goes above the
// highest rank. Saying so in each straight's sentence keeps the tooltip
// readable on its own.
constexpr std::array<std::string_view, kCategoryCount> kDefinitions = {
    "five cards of one rank, which always have five different suits.",
    "four cards of one rank and a fifth card, all five cards of different suits.",
    "four cards of one rank and a fifth card that shares a suit with one of them.",
    "three cards of one rank and two of another, all five cards of different suits.",
    "three cards of one rank and two of another, with at least two cards of one suit.",
    "three cards of one rank and two cards of two other ranks, all five cards of different "
    "suits.",
    "three cards of one rank and two cards of two other ranks, with at least two cards of one "
    "suit.",
    "two pairs and a fifth card, all five cards of different suits.",
    "two pairs and a fifth card, with at least two cards of one suit.",
    "one pair and three cards of three other ranks, all five cards of different suits.",
    "one pair and three cards of three other ranks, with at least two cards of one suit.",
    "five ranks in a row (or 1 with the four highest ranks), all five cards of one suit.",
    "five cards of one suit whose ranks are not in a row.",
    "five ranks in a row (or 1 with the four highest ranks), all five cards of different suits.",
    "five ranks in a row (or 1 with the four highest ranks), neither all of one suit nor all of "
    "different suits.",
    "five different ranks not in a row, all five cards of different suits.",
    "five different ranks not in a row, neither all of one suit nor all of different suits.",
};

}  // namespace

std::string_view categoryDefinition(HandCategory category) {
    const std::size_t index = indexOf(category);
    return index < kCategoryCount ? kDefinitions[index] : std::string_view();
}

}  // namespace marvane
