// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/hand_category.h"
#include "engine/vocabulary/wide_counts.h"

namespace marvane {

// The dimension that varies along a series of decks.
enum class DeckDimension { Suits, Ranks };

// "suits" or "ranks".
std::string_view dimensionName(DeckDimension dimension);
std::optional<DeckDimension> dimensionFromName(std::string_view name);

// Suits 4..8 at `fixed` ranks, or ranks 7..20 at `fixed` suits. Throws
// std::invalid_argument when `fixed` is outside the other dimension's range.
std::vector<Deck> deckSeries(DeckDimension varying, std::uint32_t fixed);

// The deck's suits or ranks, whichever varies.
std::uint32_t varyingValue(Deck deck, DeckDimension varying);

// One deck of a series: the varying dimension's value and the counts.
struct SeriesDeck {
    std::uint32_t value = 0;
    CategoryCounts counts;
};

// Between two neighbouring decks, `rarer` went from more likely than
// `commoner` to less likely. Along jokers, the two may have been equal in
// between: then `equalFrom` is the first value where they were, and `from`
// the last.
struct Crossing {
    std::uint32_t from = 0;
    std::uint32_t to = 0;
    HandCategory rarer{};
    HandCategory commoner{};
    std::optional<std::uint32_t> equalFrom{};

    friend bool operator==(const Crossing&, const Crossing&) = default;
};

// Every strict reversal between neighbouring decks of the series among
// categories that occur in both decks; equal counts on either side are not a
// reversal. Ordered by deck, then by the rarer category's place in the list's
// Total order of the later deck, then by the commoner one's. Within one deck
// every category has the same denominator, so counts order as probabilities do.
std::vector<Crossing> findCrossings(const std::vector<SeriesDeck>& series);

// The crossings along deckSeries(varying, fixed), from the closed formulas.
std::vector<Crossing> findCrossings(DeckDimension varying, std::uint32_t fixed);

// The same over hands of `cards` cards (the best five, under each deck's own
// order), in 64-bit counts; five cards without jokers go by the formulas.
struct SeriesDeck64 {
    std::uint32_t value = 0;
    CategoryCounts64 counts;
};
std::vector<Crossing> findCrossings(const std::vector<SeriesDeck64>& series);
std::vector<Crossing> findCrossings(DeckDimension varying, std::uint32_t fixed, std::uint32_t cards,
                                    std::uint32_t jokers = 0);

// From 5 to 6 and from 6 to 7 cards per hand in one deck. Throws
// std::invalid_argument for an inadmissible deck.
std::vector<Crossing> findCardCrossings(Deck deck, std::uint32_t jokers = 0);

// From 0 to kMaxJokers jokers in one deck at `cards` cards, each number of
// jokers under the deck's own order with that many. Equal counts hide no
// reversal here: a category more likely than another, then equal to it,
// then less likely, crosses it where it becomes less likely. Throws
// std::invalid_argument for an inadmissible deck or hand size.
std::vector<Crossing> findJokerCrossings(Deck deck, std::uint32_t cards);

}  // namespace marvane
