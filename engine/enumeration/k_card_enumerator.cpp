// SPDX-License-Identifier: MIT
#include "engine/enumeration/k_card_enumerator.h"

#include <algorithm>
#include <vector>

#include "engine/enumeration/joker_enumerator.h"
#include "engine/enumeration/k_card_loop.h"

namespace marvane {

namespace {

using kcardloop::PlaceCounts;
using kcardloop::PlaceTables;

bool admissible(Deck deck, std::uint32_t cards, const CategoryOrder& order) {
    return deck.isAdmissible() && cards >= kMinCards && cards <= kMaxCards &&
           !orderProblem(deck, cards, order, 0);
}

void addPlaces(const PlaceCounts& places, const CategoryOrder& order, CategoryCounts64& counts) {
    for (const auto& bank : places.banks) {
        for (std::size_t place = 0; place < order.size(); ++place) {
            counts[order[place]] += bank[place];
        }
    }
}

}  // namespace

EnumerationRun enumerateKCards(Deck deck, std::uint32_t cards, const CategoryOrder& order,
                               const RunOptions& options) {
    if (cards < kHandSize) {
        return enumerateJokers(deck, cards, 0, order, options);
    }
    EnumerationRun result;
    if (!admissible(deck, cards, order) || options.workers < 1 || options.workers > kMaxWorkers) {
        return result;
    }
    const PlaceTables tables(deck, order);
    const std::uint32_t n = deck.cardCount();
    const FirstCards firsts = firstCardsOf(n, cards, options.share);
    const std::uint64_t total = handsWithFirstCards(n, cards, firsts);

    // One piece per first card, the low ones (which start the most hands) first.
    const std::size_t pieces = firsts.end - firsts.begin;
    std::vector<PlaceCounts> places(driverSlots(options.workers, pieces));
    const DriverJob job{
        .pieces = pieces,
        .weight = 1,
        .work = [&](std::size_t slot, const NextPiece& next, const HandsDone& report) {
            for (std::size_t piece = 0; next(piece);) {
                const auto first = static_cast<std::uint32_t>(firsts.begin + piece);
                if (!kcardloop::runFirstCard(tables, cards, first, places[slot], report, nullptr)) {
                    return;
                }
            }
        }};
    result.threads = driveWorkers(job, options, 0, total);
    for (const PlaceCounts& share : places) {
        addPlaces(share, order, result.counts);
    }
    result.handsVisited = result.counts.sum();
    const bool complete = result.handsVisited == total;
    result.status = complete ? RunStatus::Completed : RunStatus::Cancelled;
    if (complete && options.progress) {
        options.progress(total, total);
    }
    return result;
}

EnumerationRun enumerateKCardsVisiting(Deck deck, std::uint32_t cards, const CategoryOrder& order,
                                       const KCardVisitor& visitor) {
    if (cards < kHandSize) {
        return enumerateJokersVisiting(
            deck, cards, 0, order,
            [&](const KCardHand& hand, std::uint32_t, HandCategory c) { visitor(hand, c); });
    }
    EnumerationRun result;
    if (!admissible(deck, cards, order)) {
        return result;
    }
    const PlaceTables tables(deck, order);
    PlaceCounts places;
    KCardHand hand{};
    const kcardloop::HandSeen seen = [&](const std::array<std::uint8_t, kMaxCards>& indices,
                                         std::uint8_t place) {
        for (std::uint32_t i = 0; i < cards; ++i) {
            hand[i] = static_cast<std::uint8_t>(indices[i] + 1);
        }
        visitor(hand, order[place]);
    };
    const kcardloop::SubtreeDone always = [](std::uint64_t) { return true; };
    for (std::uint32_t first = 0; first + cards <= deck.cardCount(); ++first) {
        (void)kcardloop::runFirstCard(tables, cards, first, places, always, &seen);
    }
    addPlaces(places, order, result.counts);
    result.handsVisited = result.counts.sum();
    result.status = RunStatus::Completed;
    return result;
}

}  // namespace marvane
