// SPDX-License-Identifier: MIT
#include "report/words/category_definitions.h"

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

// With jokers: a joker may stand for a card the hand already holds, so five
// of a kind may repeat a suit (five copies of one card, even), and four of a
// kind may hold two cards of one suit while its fifth card shares none.
constexpr std::string_view kJokerFiveOfAKind =
    "five cards of one rank; a joker may repeat a card, so their suits need not differ, and a "
    "deck of four suits has them too.";
constexpr std::string_view kJokerHypochromatic4OfAKind =
    "four cards of one rank and a fifth card, with at least two cards of one suit; a joker may "
    "repeat a card, so two of the four may share a suit.";
// And five cards of one suit may hold a repeated card, which makes a pair.
constexpr std::string_view kJokerFlush =
    "five cards of one suit and of five different ranks not in a row; a joker that repeats a "
    "card makes a pair, never a flush.";

// A hand of three or four cards, classed as itself: one sentence serves
// both sizes. Its straights are all its ranks in a row, or 1 with the
// highest ranks.
constexpr std::string_view kNeverInSmallHands = "a hand of three or four cards never falls here.";
// Two pairs or four of a kind need four cards.
constexpr std::string_view kNeverInThreeCards = "a hand of three cards never falls here.";
constexpr std::array<std::string_view, kCategoryCount> kSmallHandDefinitions = {
    kNeverInSmallHands,
    "four cards of one rank, all of different suits.",
    "four cards of one rank with two of one suit, which only a joker that repeats a card makes.",
    kNeverInSmallHands,
    kNeverInSmallHands,
    "three cards of one rank (and, in a hand of four, a card of another rank), all the hand's "
    "cards of different suits.",
    "three cards of one rank (and, in a hand of four, a card of another rank), with at least two "
    "cards of one suit; in a hand of three only a joker that repeats a card makes one.",
    "two pairs in a hand of four cards, all four of different suits.",
    "two pairs in a hand of four cards, with at least two cards of one suit.",
    "one pair and the hand's other cards of other ranks, all the hand's cards of different "
    "suits.",
    "one pair and the hand's other cards of other ranks, with at least two cards of one suit.",
    "all the hand's ranks in a row (or 1 with the highest ranks), all its cards of one suit.",
    "all the hand's cards of one suit, their ranks different and not in a row; a joker that "
    "repeats a card makes a pair, never a flush.",
    "all the hand's ranks in a row (or 1 with the highest ranks), all its cards of different "
    "suits.",
    "all the hand's ranks in a row (or 1 with the highest ranks), neither all of one suit nor all "
    "of different suits.",
    "all the hand's ranks different and not in a row, all its cards of different suits.",
    "all the hand's ranks different and not in a row, neither all of one suit nor all of "
    "different suits.",
};

}  // namespace

std::string_view categoryDefinition(HandCategory category, std::uint32_t jokers,
                                    std::uint32_t cards) {
    const std::size_t index = indexOf(category);
    if (cards < kHandSize) {
        // Two pairs or four of a kind need four cards.
        const bool fourCardsOnly = category == HandCategory::Rainbow4OfAKind ||
                                   category == HandCategory::Hypochromatic4OfAKind ||
                                   category == HandCategory::Rainbow2Pair ||
                                   category == HandCategory::Hypochromatic2Pair;
        if (cards < 4 && fourCardsOnly) {
            return kNeverInThreeCards;
        }
        return index < kCategoryCount ? kSmallHandDefinitions[index] : std::string_view();
    }
    if (jokers > 0 && category == HandCategory::FiveOfAKind) {
        return kJokerFiveOfAKind;
    }
    if (jokers > 0 && category == HandCategory::Hypochromatic4OfAKind) {
        return kJokerHypochromatic4OfAKind;
    }
    if (jokers > 0 && category == HandCategory::Flush) {
        return kJokerFlush;
    }
    return index < kCategoryCount ? kDefinitions[index] : std::string_view();
}

}  // namespace marvane
