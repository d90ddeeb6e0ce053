// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <memory>

#include "engine/deck.h"
#include "report/deck_series.h"

class QChart;
class QPalette;

namespace marvane {

// The "Across decks" view: each category's probability along a series of
// decks (suits 4..8 at the current ranks, or ranks 7..20 at the current
// suits), one line per category on a logarithmic axis.

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

inline constexpr char kCategoryProperty[] = "category";

}  // namespace marvane
