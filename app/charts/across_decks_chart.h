// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <memory>

#include "engine/vocabulary/deck.h"
#include "report/results/deck_series.h"

class QChart;
class QPalette;

namespace marvane {

// The "Across decks" view: each category's probability along a series of
// decks (suits 4..8 at the current ranks, ranks 7..20 at the current suits,
// the current deck with 0 to 4 jokers, or the current deck's hands of 3 to 8
// cards), one line per category on a logarithmic axis.

// What the series varies.
enum class AcrossAxis { Suits, Ranks, Jokers, Cards };

// "4 to 8 suits at 13 ranks"
QString acrossDecksTitle(marvane::DeckDimension varying, marvane::Deck current);

// The crossings along the series, one sentence per line, each line ending
// in "\n"; a sentence saying there are none when there are none.
QString crossingsText(marvane::DeckDimension varying, marvane::Deck current,
                      std::uint32_t cards = 5, std::uint32_t jokers = 0);

// Lines in the current deck's list order, each named after its category and
// carrying the category's index in the property "category"; a point only
// where the category occurs. The line named "This deck" marks the current deck.
// Hands of `cards` cards from each deck with `jokers` jokers, each deck in
// its own order.
std::unique_ptr<QChart> createAcrossDecksChart(marvane::DeckDimension varying,
                                               marvane::Deck current, std::uint32_t cards,
                                               std::uint32_t jokers, const QPalette& palette);

// The same along the current deck with 0 to 4 jokers, the marker at the
// result's `jokers`: "0 to 4 jokers at 4 x 13".
QString acrossJokersTitle(marvane::Deck current);
QString jokerCrossingsText(marvane::Deck current, std::uint32_t cards);
std::unique_ptr<QChart> createAcrossJokersChart(marvane::Deck current, std::uint32_t cards,
                                                std::uint32_t jokers, const QPalette& palette);

// The same along the current deck with its jokers, in hands of 3 to 8 cards,
// each hand size under the deck's own order at that size, the marker at the
// result's `cards`: "3 to 8 cards per hand at 4 x 13".
QString acrossCardsTitle(marvane::Deck current, std::uint32_t jokers);
QString cardCrossingsText(marvane::Deck current, std::uint32_t jokers);
std::unique_ptr<QChart> createAcrossCardsChart(marvane::Deck current, std::uint32_t cards,
                                               std::uint32_t jokers, const QPalette& palette);

inline constexpr char kCategoryProperty[] = "category";

}  // namespace marvane
