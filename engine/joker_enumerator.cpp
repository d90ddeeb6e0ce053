// SPDX-License-Identifier: MIT
#include "engine/joker_enumerator.h"

#include <algorithm>
#include <atomic>
#include <vector>

#include "engine/card_counts.h"
#include "engine/enumeration.h"
#include "engine/joker_loop.h"
#include "engine/worker_run.h"

namespace marvane {

namespace {

using jokerloop::JokerTables;
using jokerloop::PartCounts;

bool admissible(Deck deck, std::uint32_t cards, std::uint32_t jokers, const CategoryOrder& order) {
    return deck.isAdmissible() && cards >= kMinCards && cards <= kMaxCards &&
           jokers <= kMaxJokers && !orderProblem(deck, order, jokers);
}

void addParts(const PartCounts& parts, std::uint64_t weight, const CategoryOrder& order,
              CategoryCounts64& counts) {
    for (const auto& bank : parts.banks) {
        for (std::size_t place = 0; place < order.size(); ++place) {
            counts[order[place]] += bank[place] * weight;
        }
    }
}

// The natural parts with j jokers, on the workers; `before` hands were
// counted by earlier runs. False when stopped.
bool runParts(Deck deck, std::uint32_t cards, std::uint32_t jokers, std::uint32_t j,
              const CategoryOrder& order, const CardsEnumerationOptions& options,
              std::uint64_t before, std::uint64_t total, CardsEnumeration& result) {
    const JokerTables tables(deck, j, order);
    const std::uint32_t n = cards - j;
    const std::uint64_t weight = choose64(jokers, j);
    const std::uint32_t firstCards = deck.cardCount() - n + 1;
    std::atomic<std::uint32_t> nextFirst{0};
    std::atomic<std::uint64_t> done{0};
    const auto threadCount = std::min<std::uint32_t>(options.workers, firstCards);
    std::vector<PartCounts> parts(threadCount, PartCounts{});
    const WorkerBody work = [&](std::size_t worker, const std::atomic<bool>& stopping) {
        auto stopAsked = [&] {
            return stopping.load(std::memory_order_relaxed) ||
                   (options.stop != nullptr && options.stop->load(std::memory_order_relaxed));
        };
        const jokerloop::PartsDone report = [&](std::uint64_t count) {
            done.fetch_add(count, std::memory_order_relaxed);
            return !stopAsked();
        };
        // The low first cards start the most parts, so they go first and the
        // workers end together.
        for (std::uint32_t first = nextFirst.fetch_add(1); !stopAsked() && first < firstCards;
             first = nextFirst.fetch_add(1)) {
            if (!jokerloop::runFirstCard(tables, n, first, parts[worker], report, nullptr)) {
                break;
            }
        }
    };
    WorkerRunOptions run{.startThread = options.startThread};
    if (options.progress) {
        run.poll = [&] {
            return options.progress(before + done.load(std::memory_order_relaxed) * weight, total);
        };
    }
    const WorkersRan ran = runWorkers(threadCount, work, run);
    if (ran.ran < result.threads.ran) {
        result.threads = ran;
    }
    CategoryCounts64 counted;
    for (const PartCounts& share : parts) {
        addParts(share, weight, order, counted);
    }
    result.counts += counted;
    return counted.sum() == choose64(deck.cardCount(), n) * weight;
}

}  // namespace

CardsEnumeration enumerateJokers(Deck deck, std::uint32_t cards, std::uint32_t jokers,
                                 const CategoryOrder& order,
                                 const CardsEnumerationOptions& options) {
    CardsEnumeration result;
    if (!admissible(deck, cards, jokers, order) || options.workers < 1 ||
        options.workers > kMaxWorkers) {
        return result;
    }
    const std::uint64_t total = choose64(deck.cardCount() + jokers, cards);
    // The hands without a joker: the K-card loop.
    CardsEnumerationOptions natural = options;
    if (options.progress) {
        natural.progress = [&](std::uint64_t done, std::uint64_t) {
            return done == total || options.progress(done, total);
        };
    }
    result = enumerateCards(deck, cards, order, natural);
    std::uint64_t before = result.counts.sum();
    bool complete = result.status == CardsRunStatus::Completed;
    for (std::uint32_t j = 1; j <= jokers && complete; ++j) {
        complete = runParts(deck, cards, jokers, j, order, options, before, total, result);
        before = result.counts.sum();
    }
    result.handsVisited = result.counts.sum();
    result.status = complete ? CardsRunStatus::Completed : CardsRunStatus::Cancelled;
    if (complete && options.progress) {
        options.progress(total, total);
    }
    return result;
}

CardsEnumeration enumerateJokersVisiting(Deck deck, std::uint32_t cards, std::uint32_t jokers,
                                         const CategoryOrder& order,
                                         const JokerPartVisitor& visitor) {
    CardsEnumeration result;
    if (!admissible(deck, cards, jokers, order)) {
        return result;
    }
    result = enumerateCardsVisiting(
        deck, cards, order, [&](const CardsHand& hand, HandCategory c) { visitor(hand, 0, c); });
    for (std::uint32_t j = 1; j <= jokers; ++j) {
        const JokerTables tables(deck, j, order);
        const std::uint32_t n = cards - j;
        PartCounts parts{};
        CardsHand naturals{};
        const jokerloop::PartSeen seen = [&](const std::array<std::uint8_t, 8>& indices,
                                             std::uint8_t place) {
            for (std::uint32_t i = 0; i < n; ++i) {
                naturals[i] = static_cast<std::uint8_t>(indices[i] + 1);
            }
            visitor(naturals, j, order[place]);
        };
        const jokerloop::PartsDone always = [](std::uint64_t) { return true; };
        for (std::uint32_t first = 0; first + n <= deck.cardCount(); ++first) {
            (void)jokerloop::runFirstCard(tables, n, first, parts, always, &seen);
        }
        addParts(parts, choose64(jokers, j), order, result.counts);
    }
    result.handsVisited = result.counts.sum();
    result.status = CardsRunStatus::Completed;
    return result;
}

}  // namespace marvane
