// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

#include "engine/series/crossings.h"
#include "engine/vocabulary/deck.h"
#include "report/results/shown_report.h"

namespace marvane {

// The series of decks through `current` that varies one dimension over its
// whole range (4 to 8 suits, or 7 to 20 ranks) and keeps the other: each
// deck's counts by the formulas at `cards` cards with `jokers` jokers, and
// where two categories change places between neighbouring decks.
std::vector<ShownReport> seriesReports(DeckDimension varying, Deck current, std::uint32_t cards,
                                       std::uint32_t jokers = 0);
std::vector<Crossing> seriesCrossings(DeckDimension varying, Deck current, std::uint32_t cards,
                                      std::uint32_t jokers = 0);

// The current deck with 0 to kMaxJokers jokers: each one's counts by the
// formulas at `cards` cards, and where two categories change places as a
// joker is added.
std::vector<ShownReport> jokerSeriesReports(Deck current, std::uint32_t cards);
std::vector<Crossing> jokerSeriesCrossings(Deck current, std::uint32_t cards);

// The current deck at kMinCards to kMaxCards cards with `jokers` jokers, each
// hand size under the deck's own order at that size: the counts, and where
// two categories change places from one hand size to the next.
std::vector<ShownReport> cardSeriesReports(Deck current, std::uint32_t jokers);
std::vector<Crossing> cardSeriesCrossings(Deck current, std::uint32_t jokers);

}  // namespace marvane
