// SPDX-License-Identifier: MIT
#include "engine/series/crossings.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "engine/exact/five_card_formulas.h"
#include "engine/exact/k_card_count.h"
#include "engine/vocabulary/display_order.h"
#include "engine/vocabulary/hand_count.h"
#include "engine/vocabulary/totals.h"

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

// How far back a reversal into series[next] may look: only its neighbour,
// or past a run of equal counts too.
enum class Ties { EndReversal, Skipped };

// The first of the values just before `next` where the two counts were
// equal (both occurring), or `next` when they weren't at next - 1.
template <class Series>
std::size_t firstOfEqualRun(const std::vector<Series>& series, std::size_t next, HandCategory r,
                            HandCategory c) {
    std::size_t first = next;
    while (first > 0) {
        const auto& counts = series[first - 1].counts;
        if (counts[r] == 0 || counts[r] != counts[c]) {
            break;
        }
        --first;
    }
    return first;
}

template <class Series>
std::vector<Crossing> crossingsAlong(const std::vector<Series>& series,
                                     Ties ties = Ties::EndReversal) {
    std::vector<Crossing> crossings;
    for (std::size_t next = 1; next < series.size(); ++next) {
        const Series& after = series[next];
        const auto places = placesByTotal(after.counts);
        const auto firstOfDeck = crossings.size();
        for (std::size_t rarer = 0; rarer < kCategoryCount; ++rarer) {
            for (std::size_t commoner = 0; commoner < kCategoryCount; ++commoner) {
                const auto r = static_cast<HandCategory>(rarer);
                const auto c = static_cast<HandCategory>(commoner);
                const std::size_t equal =
                    ties == Ties::Skipped ? firstOfEqualRun(series, next, r, c) : next;
                if (equal == 0) {
                    continue;  // equal from the start: nothing to reverse
                }
                if (reverses(series[equal - 1].counts, after.counts, r, c)) {
                    Crossing crossing{series[next - 1].value, after.value, r, c};
                    if (equal != next) {
                        crossing.equalFrom = series[equal].value;
                    }
                    crossings.push_back(crossing);
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

}  // namespace marvane

namespace marvane {

std::vector<Crossing> findCrossings(DeckDimension varying, std::uint32_t fixed, std::uint32_t cards,
                                    std::uint32_t jokers) {
    if (countedByFiveCardFormulas(cards, jokers)) {
        return findCrossings(varying, fixed);
    }
    std::vector<SeriesDeck64> series;
    for (Deck deck : deckSeries(varying, fixed)) {
        series.push_back({varyingValue(deck, varying),
                          countKCards(deck, cards, defaultOrder(deck, cards, jokers), jokers)});
    }
    return findCrossings(series);
}

std::vector<Crossing> findCardCrossings(Deck deck, std::uint32_t jokers) {
    std::vector<SeriesDeck64> series;
    // Each hand size under its own order: below five cards the deck's
    // order is its hands' own.
    for (std::uint32_t cards = kMinCards; cards <= kMaxCards; ++cards) {
        series.push_back(
            {cards, countKCards(deck, cards, defaultOrder(deck, cards, jokers), jokers)});
    }
    return findCrossings(series);
}

std::vector<Crossing> findJokerCrossings(Deck deck, std::uint32_t cards) {
    std::vector<SeriesDeck64> series;
    for (std::uint32_t jokers = 0; jokers <= kMaxJokers; ++jokers) {
        series.push_back(
            {jokers, countKCards(deck, cards, defaultOrder(deck, cards, jokers), jokers)});
    }
    return crossingsAlong(series, Ties::Skipped);
}
}  // namespace marvane
