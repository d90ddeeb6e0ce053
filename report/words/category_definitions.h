// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/hand_category.h"

namespace marvane {

// What the results list's words mean, in plain sentences. The dialog's
// tooltips, marvane-count --explain and the README all take them from here,
// so they cannot drift apart.

// One sentence, lower-case start, ending in a full stop: what puts a hand in
// this category, e.g. "two pairs and a fifth card, all five cards of
// different suits." for Rainbow 2 Pair. With jokers in the deck a joker may
// repeat a card the hand holds, so Five of a Kind and Hypochromatic 4 of a
// Kind need not have the suits they always have without; their sentences
// say so when `jokers` is above 0. The others read the same for any number
// of jokers. A hand of three or four `cards` is classed as itself, and its
// sentences say what such a hand holds (one sentence for both sizes, and
// one for the categories it never reaches); from five cards up the
// categories are those of the best five.
std::string_view categoryDefinition(HandCategory category, std::uint32_t jokers = 0,
                                    std::uint32_t cards = kHandSize);

// A word of the list that is not a category name on its own.
struct Term {
    std::string_view name;
    std::string_view definition;  // same form as a category's definition
};

// The three suit patterns the category names are built from.
inline constexpr std::array<Term, 3> kSuitPatternTerms = {{
    {"Flush", "all five cards of one suit."},
    {"Rainbow", "all five cards of different suits; only a deck of at least 5 suits has them."},
    {"Hypochromatic", "neither flush nor rainbow, so some cards share a suit but not all five."},
}};

// The same patterns in a deck with jokers. A joker that repeats a card makes
// a hand with a repeated rank, which is never a flush even when all five
// cards are of one suit: such a hand is hypochromatic.
inline constexpr std::array<Term, 3> kJokerSuitPatternTerms = {{
    {"Flush",
     "all five cards of one suit and of five different ranks; a joker that repeats a card makes "
     "a pair, never a flush."},
    kSuitPatternTerms[1],
    {"Hypochromatic",
     "neither flush nor rainbow, so some cards share a suit; with a joker that repeats a card, "
     "a hand with a repeated rank may have all five cards in one suit."},
}};

// The same patterns over all cards of a hand of three or four, with or
// without jokers.
inline constexpr std::array<Term, 3> kSmallHandSuitPatternTerms = {{
    {"Flush",
     "all the hand's cards of one suit and of different ranks; a joker that repeats a card "
     "makes a pair, never a flush."},
    {"Rainbow", "all the hand's cards of different suits, which four suits allow."},
    {"Hypochromatic", "neither flush nor rainbow, so some cards share a suit but not all."},
}};

// kSuitPatternTerms without jokers, kJokerSuitPatternTerms with; below five
// cards kSmallHandSuitPatternTerms.
constexpr const std::array<Term, 3>& suitPatternTerms(std::uint32_t jokers,
                                                      std::uint32_t cards = kHandSize) {
    if (cards < kHandSize) {
        return kSmallHandSuitPatternTerms;
    }
    return jokers == 0 ? kSuitPatternTerms : kJokerSuitPatternTerms;
}

// The wild card a deck may hold (0 to kMaxJokers of them).
inline constexpr Term kJokerTerm = {
    "Joker",
    "a wild card that stands for any card, any rank in any suit, also one the hand already "
    "holds, written Jk in example hands; a hand counts in the best category it can make, and a "
    "category only jokers make (Five of a Kind in four suits) ranks first in the deck's own "
    "order."};

// The list's cumulative column.
inline constexpr Term kTotalTerm = {
    "Total",
    "this category's count plus the counts of every category that dominates it; that is, the "
    "number of hands at least this good."};

// The mark after the number of possible hands.
inline constexpr Term kFloatingPathTerm = {
    "*", "the number of possible hands was worked out in floating point."};

// Hands of other sizes than five: what they count as, and which rankings hold.
inline constexpr std::array<Term, 4> kHandSizeTerms = {{
    {"As itself",
     "a hand of three or four cards is classed as itself: its rank pattern crossed with the suits "
     "of all its cards; the deck's own order ranks the rarer of such hands first."},
    {"Best five",
     "a hand of six to eight cards counts in the best category among its five-card hands; best "
     "means rarer among this deck's five-card hands, or earlier in a chosen order."},
    {"Self-consistent",
     "a ranking under which no category has fewer hands of that many cards than one ranked "
     "above it; with six to eight cards most rankings are not."},
    {"Choosing a ranking",
     "View > Ranking in the dialog, or --order on the command line, counts under another "
     "order: one the search for a self-consistent order passes through, a self-consistent one "
     "when it exists, or your own; a row commoner than a category ranked below it is marked, "
     "and --check-order lists such pairs."},
}};

// How example hands are written (see card_notation.h).
inline constexpr std::string_view kCardNotation =
    "Cards are written rank then suit letter, ranks 1 to R and suits a to h; 7a is the 7 of "
    "the first suit.";

}  // namespace marvane
