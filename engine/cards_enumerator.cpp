// SPDX-License-Identifier: MIT
#include "engine/cards_enumerator.h"

#include <algorithm>
#include <vector>

#include "engine/cards_loop.h"
#include "engine/enumeration.h"
#include "engine/worker_run.h"

namespace marvane {

namespace {

using cardsloop::PlaceCounts;
using cardsloop::PlaceTables;

bool admissible(Deck deck, std::uint32_t cards, const CategoryOrder& order) {
    return deck.isAdmissible() && cards >= kMinCards && cards <= kMaxCards &&
           !orderProblem(deck, order);
}

void addPlaces(const PlaceCounts& places, const CategoryOrder& order, CategoryCounts64& counts) {
    for (const auto& bank : places.banks) {
        for (std::size_t place = 0; place < order.size(); ++place) {
            counts[order[place]] += bank[place];
        }
    }
}

// The first cards, taken in turn by whichever worker is free: the low ones
// start the most hands, so they go first and the workers end together.
class FirstCardQueue {
public:
    explicit FirstCardQueue(std::uint32_t count) : count_(count) {}
    bool take(std::uint32_t& first) {
        first = next_.fetch_add(1, std::memory_order_relaxed);
        return first < count_;
    }

private:
    std::uint32_t count_;
    std::atomic<std::uint32_t> next_{0};
};

}  // namespace

CardsEnumeration enumerateCards(Deck deck, std::uint32_t cards, const CategoryOrder& order,
                                const CardsEnumerationOptions& options) {
    CardsEnumeration result;
    if (!admissible(deck, cards, order) || options.workers < 1 || options.workers > kMaxWorkers) {
        return result;
    }
    const PlaceTables tables(deck, order);
    const std::uint32_t n = deck.cardCount();
    const std::uint64_t total = choose64(n, cards);
    const std::uint32_t firstCards = n - cards + 1;
    FirstCardQueue queue(firstCards);
    std::atomic<std::uint64_t> done{0};

    const auto threadCount = std::min<std::uint32_t>(options.workers, firstCards);
    std::vector<PlaceCounts> places(threadCount);
    const WorkerBody work = [&](std::size_t worker, const std::atomic<bool>& stopping) {
        auto stopAsked = [&] {
            return stopping.load(std::memory_order_relaxed) ||
                   (options.stop != nullptr && options.stop->load(std::memory_order_relaxed));
        };
        // Subtrees are small (a few thousand hands in small decks), so each
        // worker adds its hands to the shared count in batches: the workers
        // don't take turns on one cache line, and the count the caller
        // reports lags by well under a millisecond of work.
        constexpr std::uint64_t kBatch = std::uint64_t{1} << 16;
        std::uint64_t pending = 0;
        const cardsloop::SubtreeDone report = [&](std::uint64_t hands) {
            pending += hands;
            if (pending >= kBatch) {
                done.fetch_add(pending, std::memory_order_relaxed);
                pending = 0;
            }
            return !stopAsked();
        };
        std::uint32_t first = 0;
        while (!stopAsked() && queue.take(first)) {
            if (!cardsloop::runFirstCard(tables, cards, first, places[worker], report, nullptr)) {
                break;
            }
        }
        done.fetch_add(pending, std::memory_order_relaxed);
    };
    // The caller's thread reports progress and passes a stop on.
    WorkerRunOptions run{.startThread = options.startThread};
    if (options.progress) {
        run.poll = [&] { return options.progress(done.load(std::memory_order_relaxed), total); };
    }
    result.threads = runWorkers(threadCount, work, run);
    for (const PlaceCounts& share : places) {
        addPlaces(share, order, result.counts);
    }
    result.handsVisited = result.counts.sum();
    const bool complete = result.handsVisited == total;
    result.status = complete ? CardsRunStatus::Completed : CardsRunStatus::Cancelled;
    if (complete && options.progress) {
        options.progress(total, total);
    }
    return result;
}

CardsEnumeration enumerateCardsVisiting(Deck deck, std::uint32_t cards, const CategoryOrder& order,
                                        const CardsFastVisitor& visitor) {
    CardsEnumeration result;
    if (!admissible(deck, cards, order)) {
        return result;
    }
    const PlaceTables tables(deck, order);
    PlaceCounts places;
    CardsHand hand{};
    const cardsloop::HandSeen seen = [&](const std::array<std::uint8_t, 7>& indices,
                                         std::uint8_t place) {
        for (std::uint32_t i = 0; i < cards; ++i) {
            hand[i] = static_cast<std::uint8_t>(indices[i] + 1);
        }
        visitor(hand, order[place]);
    };
    const cardsloop::SubtreeDone always = [](std::uint64_t) { return true; };
    for (std::uint32_t first = 0; first + cards <= deck.cardCount(); ++first) {
        (void)cardsloop::runFirstCard(tables, cards, first, places, always, &seen);
    }
    addPlaces(places, order, result.counts);
    result.handsVisited = result.counts.sum();
    result.status = CardsRunStatus::Completed;
    return result;
}

}  // namespace marvane
