// SPDX-License-Identifier: MIT
#include "engine/crossings.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "engine/card_count.h"
#include "engine/closed_form.h"
#include "engine/result_rows.h"
#include "engine/totals.h"

namespace marvane {

namespace {

template <class Counts>
bool reverses(const Counts& before, const Counts& after, HandCategory rarer,
              HandCategory commoner) {
    for (const Counts* counts : {&before, &after}) {
        if ((*counts)[rarer] == 0 || (*counts)[commoner] == 0) {
            return false;
        }
    }
    return before[rarer] > before[commoner] && after[rarer] < after[commoner];
}

// Each category's place in the list once it is sorted by Total.
template <class Counts>
std::array<std::size_t, kCategoryCount> placesByTotal(const Counts& counts) {
    std::array<std::size_t, kCategoryCount> places{};
    const auto order = displayOrder(computeTotals(counts));
    for (std::size_t place = 0; place < order.size(); ++place) {
        places[indexOf(order[place])] = place;
    }
    return places;
}

template <class Series>
std::vector<Crossing> crossingsAlong(const std::vector<Series>& series) {
    std::vector<Crossing> crossings;
    for (std::size_t next = 1; next < series.size(); ++next) {
        const Series& before = series[next - 1];
        const Series& after = series[next];
        const auto places = placesByTotal(after.counts);
        const auto firstOfDeck = crossings.size();
        for (std::size_t rarer = 0; rarer < kCategoryCount; ++rarer) {
            for (std::size_t commoner = 0; commoner < kCategoryCount; ++commoner) {
                const auto r = static_cast<HandCategory>(rarer);
                const auto c = static_cast<HandCategory>(commoner);
                if (reverses(before.counts, after.counts, r, c)) {
                    crossings.push_back({before.value, after.value, r, c});
                }
            }
        }
        std::sort(crossings.begin() + static_cast<std::ptrdiff_t>(firstOfDeck), crossings.end(),
                  [&places](const Crossing& a, const Crossing& b) {
                      return std::pair(places[indexOf(a.rarer)], places[indexOf(a.commoner)]) <
                             std::pair(places[indexOf(b.rarer)], places[indexOf(b.commoner)]);
                  });
    }
    return crossings;
}

}  // namespace

std::string_view dimensionName(DeckDimension dimension) {
    return dimension == DeckDimension::Suits ? "suits" : "ranks";
}

std::optional<DeckDimension> dimensionFromName(std::string_view name) {
    for (DeckDimension dimension : {DeckDimension::Suits, DeckDimension::Ranks}) {
        if (name == dimensionName(dimension)) {
            return dimension;
        }
    }
    return std::nullopt;
}

std::vector<Deck> deckSeries(DeckDimension varying, std::uint32_t fixed) {
    const bool suitsVary = varying == DeckDimension::Suits;
    const std::uint32_t first = suitsVary ? kMinSuits : kMinRanks;
    const std::uint32_t last = suitsVary ? kMaxSuits : kMaxRanks;
    std::vector<Deck> decks;
    for (std::uint32_t value = first; value <= last; ++value) {
        const Deck deck = suitsVary ? Deck{value, fixed} : Deck{fixed, value};
        if (!deck.isAdmissible()) {
            throw std::invalid_argument(
                "no series of decks with " + std::to_string(fixed) + " " +
                std::string(
                    dimensionName(suitsVary ? DeckDimension::Ranks : DeckDimension::Suits)));
        }
        decks.push_back(deck);
    }
    return decks;
}

std::uint32_t varyingValue(Deck deck, DeckDimension varying) {
    return varying == DeckDimension::Suits ? deck.suits : deck.ranks;
}

std::vector<Crossing> findCrossings(const std::vector<SeriesDeck>& series) {
    return crossingsAlong(series);
}

std::vector<Crossing> findCrossings(const std::vector<SeriesDeck64>& series) {
    return crossingsAlong(series);
}

std::vector<Crossing> findCrossings(DeckDimension varying, std::uint32_t fixed) {
    std::vector<SeriesDeck> series;
    for (Deck deck : deckSeries(varying, fixed)) {
        series.push_back({varyingValue(deck, varying), compute_counts(deck)});
    }
    return findCrossings(series);
}

std::string describeCrossing(const Crossing& crossing, DeckDimension varying) {
    return "from " + std::to_string(crossing.from) + " to " + std::to_string(crossing.to) + " " +
           std::string(dimensionName(varying)) + ", " + std::string(displayName(crossing.rarer)) +
           " becomes rarer than " + std::string(displayName(crossing.commoner));
}

}  // namespace marvane

namespace marvane {

std::vector<Crossing> findCrossings(DeckDimension varying, std::uint32_t fixed,
                                    std::uint32_t cards) {
    std::vector<SeriesDeck64> series;
    for (Deck deck : deckSeries(varying, fixed)) {
        series.push_back(
            {varyingValue(deck, varying), countCards(deck, cards, defaultOrder(deck))});
    }
    return findCrossings(series);
}

std::vector<Crossing> findCardCrossings(Deck deck) {
    std::vector<SeriesDeck64> series;
    const CategoryOrder order = defaultOrder(deck);
    for (std::uint32_t cards = kMinCards; cards <= kMaxCards; ++cards) {
        series.push_back({cards, countCards(deck, cards, order)});
    }
    return findCrossings(series);
}

std::string describeCrossing(const Crossing& crossing, std::string_view unit) {
    return "from " + std::to_string(crossing.from) + " to " + std::to_string(crossing.to) + " " +
           std::string(unit) + ", " + std::string(displayName(crossing.rarer)) +
           " becomes rarer than " + std::string(displayName(crossing.commoner));
}

}  // namespace marvane
