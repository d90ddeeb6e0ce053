// SPDX-License-Identifier: MIT
#include "report/results/deck_series.h"

#include "engine/vocabulary/wide_counts.h"
#include "report/results/count_request.h"

namespace marvane {

namespace {

std::uint32_t fixedValue(DeckDimension varying, Deck current) {
    return varying == DeckDimension::Suits ? current.ranks : current.suits;
}

}  // namespace

std::vector<ShownReport> seriesReports(DeckDimension varying, Deck current, std::uint32_t cards,
                                       std::uint32_t jokers) {
    std::vector<ShownReport> reports;
    for (Deck deck : deckSeries(varying, fixedValue(varying, current))) {
        reports.push_back(answer({.deck = deck, .cards = cards, .jokers = jokers}));
    }
    return reports;
}

std::vector<Crossing> seriesCrossings(DeckDimension varying, Deck current, std::uint32_t cards,
                                      std::uint32_t jokers) {
    const std::uint32_t fixed = fixedValue(varying, current);
    return findCrossings(varying, fixed, cards, jokers);
}

std::vector<ShownReport> jokerSeriesReports(Deck current, std::uint32_t cards) {
    std::vector<ShownReport> reports;
    for (std::uint32_t jokers = 0; jokers <= kMaxJokers; ++jokers) {
        reports.push_back(answer({.deck = current, .cards = cards, .jokers = jokers}));
    }
    return reports;
}

std::vector<Crossing> jokerSeriesCrossings(Deck current, std::uint32_t cards) {
    return findJokerCrossings(current, cards);
}

std::vector<ShownReport> cardSeriesReports(Deck current, std::uint32_t jokers) {
    std::vector<ShownReport> reports;
    for (std::uint32_t cards = kMinCards; cards <= kMaxCards; ++cards) {
        reports.push_back(answer({.deck = current, .cards = cards, .jokers = jokers}));
    }
    return reports;
}

std::vector<Crossing> cardSeriesCrossings(Deck current, std::uint32_t jokers) {
    return findCardCrossings(current, jokers);
}

}  // namespace marvane
