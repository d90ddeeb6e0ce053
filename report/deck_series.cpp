// SPDX-License-Identifier: MIT
#include "report/deck_series.h"

#include "engine/card_counts.h"

namespace marvane {

namespace {

std::uint32_t fixedValue(DeckDimension varying, Deck current) {
    return varying == DeckDimension::Suits ? current.ranks : current.suits;
}

}  // namespace

std::vector<ShownReport> seriesReports(DeckDimension varying, Deck current, std::uint32_t cards) {
    std::vector<ShownReport> reports;
    for (Deck deck : deckSeries(varying, fixedValue(varying, current))) {
        reports.push_back(computedReport(deck, cards));
    }
    return reports;
}

std::vector<Crossing> seriesCrossings(DeckDimension varying, Deck current, std::uint32_t cards) {
    const std::uint32_t fixed = fixedValue(varying, current);
    return cards > kMinCards ? findCrossings(varying, fixed, cards) : findCrossings(varying, fixed);
}

}  // namespace marvane
