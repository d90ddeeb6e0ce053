// SPDX-License-Identifier: MIT
// Hands per second of the reference and the fast enumeration, on one worker
// thread and on several; the K-card counts and the search for an order.
//
//   build/<dir>/bench/marvane_bench
//
// Each benchmark runs a whole enumeration per iteration, as the dialog does:
// counter and step set, a progress callback that does nothing.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <optional>
#include <string>

#include "bench/joker_bench.h"
#include "engine/enumeration/five_card_hands.h"
#include "engine/enumeration/k_card_enumerator.h"
#include "engine/exact/binomial.h"
#include "engine/exact/k_card_count.h"
#include "engine/reference/best_of_k_reference.h"
#include "engine/reference/reference_enumerator.h"
#include "report/orders/order_report.h"
#include "tests/published_counts.h"

namespace {

using marvane::Deck;
using marvane::EngineState;

EngineState freshState(Deck deck) {
    EngineState state;
    state.progressStep = marvane::progressStepFor(marvane::binomial(deck.cardCount(), 5));
    return state;
}

void finish(benchmark::State& bench, Deck deck, std::uint32_t handCounter) {
    const std::int64_t hands = marvane::binomial(deck.cardCount(), 5);
    if (handCounter != hands) {
        bench.SkipWithError("the enumeration missed hands");
    }
    bench.SetItemsProcessed(bench.iterations() * hands);
}

void enumerateReference(benchmark::State& bench, Deck deck) {
    std::uint32_t counter = 0;
    for (auto _ : bench) {
        EngineState state = freshState(deck);
        marvane::Hand hand;
        if (!marvane::ReferenceEnumerator(deck, state, [] {}).enumerate_all(hand)) {
            bench.SkipWithError("the deck was refused");
            break;
        }
        benchmark::DoNotOptimize(state.enumerated);
        counter = state.handCounter;
    }
    finish(bench, deck, counter);
}

void enumerateFiveCards(benchmark::State& bench, Deck deck) {
    std::uint32_t counter = 0;
    for (auto _ : bench) {
        EngineState state = freshState(deck);
        if (!marvane::enumerateFiveCardHands(deck, state, [] {})) {
            bench.SkipWithError("the deck was refused");
            break;
        }
        benchmark::DoNotOptimize(state.enumerated);
        counter = state.handCounter;
    }
    finish(bench, deck, counter);
}

// The same enumeration split across `workers` threads; timed by the wall
// clock, since the calling thread mostly waits.
void enumerateParallel(benchmark::State& bench, Deck deck, std::uint32_t workers) {
    std::uint32_t counter = 0;
    for (auto _ : bench) {
        EngineState state = freshState(deck);
        if (!marvane::enumerateFiveCardHands(
                deck, state, [] {}, workers)) {
            bench.SkipWithError("the deck or the worker count was refused");
            break;
        }
        benchmark::DoNotOptimize(state.enumerated);
        counter = state.handCounter;
    }
    finish(bench, deck, counter);
}

// What a K-card count must give: the published table for 4 x 13 at seven
// cards, otherwise every hand once.
bool plausible(Deck deck, std::uint32_t cards, const marvane::CategoryCounts64& counts) {
    if (deck == Deck{4, 13} && cards == 7) {
        return counts == marvane::published::sevenCardCounts();
    }
    return counts.sum() == marvane::choose64(deck.cardCount(), cards);
}

// The exact K-card count from scratch, table and all, as a deck's first
// count costs.
void countKCards(benchmark::State& bench, Deck deck, std::uint32_t cards) {
    const marvane::CategoryOrder order = marvane::defaultOrder(deck, cards, 0);
    marvane::CategoryCounts64 counts;
    for (auto _ : bench) {
        counts = marvane::countKCards(deck, cards, order);
        benchmark::DoNotOptimize(counts);
    }
    if (!plausible(deck, cards, counts)) {
        bench.SkipWithError("the counts are wrong");
    }
    bench.SetItemsProcessed(bench.iterations() *
                            static_cast<std::int64_t>(marvane::choose64(deck.cardCount(), cards)));
}

// Counting again under another order, from a table already built.
void recountCards(benchmark::State& bench, Deck deck, std::uint32_t cards) {
    const marvane::KCardCountTable table(deck, cards);
    marvane::CategoryOrder order = marvane::defaultOrder(deck, cards, 0);
    std::reverse(order.begin(), order.end());
    marvane::CategoryCounts64 counts;
    for (auto _ : bench) {
        counts = table.counts(order);
        benchmark::DoNotOptimize(counts);
    }
    if (counts.sum() != marvane::choose64(deck.cardCount(), cards)) {
        bench.SkipWithError("the counts are wrong");
    }
}

void enumerateKCards(benchmark::State& bench, Deck deck, std::uint32_t cards,
                     std::uint32_t workers) {
    const marvane::CategoryOrder order = marvane::defaultOrder(deck, cards, 0);
    marvane::EnumerationRun run;
    for (auto _ : bench) {
        run = marvane::enumerateKCards(
            deck, cards, order, {.workers = workers, .progress = [](auto, auto) { return true; }});
        benchmark::DoNotOptimize(run.counts);
    }
    if (run.status != marvane::RunStatus::Completed || !plausible(deck, cards, run.counts) ||
        run.counts != marvane::countKCards(deck, cards, order)) {
        bench.SkipWithError("the enumeration's counts are wrong");
    }
    bench.SetItemsProcessed(bench.iterations() *
                            static_cast<std::int64_t>(marvane::choose64(deck.cardCount(), cards)));
}

void enumerateKCardsReference(benchmark::State& bench, Deck deck, std::uint32_t cards) {
    const marvane::CategoryOrder order = marvane::defaultOrder(deck, cards, 0);
    std::optional<marvane::CategoryCounts64> counts;
    for (auto _ : bench) {
        counts = marvane::enumerateKCardsReference(deck, cards, order);
        benchmark::DoNotOptimize(counts);
    }
    if (!counts || !plausible(deck, cards, *counts)) {
        bench.SkipWithError("the reference's counts are wrong");
    }
    bench.SetItemsProcessed(bench.iterations() *
                            static_cast<std::int64_t>(marvane::choose64(deck.cardCount(), cards)));
}

// The search for a self-consistent order and the exact answer whether one
// exists, for every admissible deck at `cards` cards, tables and all: what
// marvane-count --all --find-order computes.
void findOrderAll(benchmark::State& bench, std::uint32_t cards) {
    std::size_t searched = 0;
    for (auto _ : bench) {
        searched = 0;
        for (std::uint32_t suits = marvane::kMinSuits; suits <= marvane::kMaxSuits; ++suits) {
            for (std::uint32_t ranks = marvane::kMinRanks; ranks <= marvane::kMaxRanks; ++ranks) {
                const marvane::OrderSearchReport report =
                    marvane::buildOrderSearchReport(Deck{suits, ranks}, cards);
                benchmark::DoNotOptimize(report.consistentOrder);
                searched += report.search.steps.empty() ? 0 : 1;
            }
        }
    }
    if (searched != 70) {
        bench.SkipWithError("a deck's search came back empty");
    }
    bench.SetItemsProcessed(bench.iterations() * 70);
}

std::string nameOf(const char* path, Deck deck) {
    return std::string(path) + "/" + std::to_string(deck.suits) + "x" + std::to_string(deck.ranks);
}

void registerAll() {
    for (Deck deck : {Deck{4, 13}, Deck{6, 13}}) {
        benchmark::RegisterBenchmark(nameOf("BM_EnumerateReference", deck).c_str(),
                                     enumerateReference, deck)
            ->Unit(benchmark::kMillisecond);
    }
    for (Deck deck : {Deck{4, 13}, Deck{6, 13}, Deck{8, 20}}) {
        benchmark::RegisterBenchmark(nameOf("BM_EnumerateFast", deck).c_str(), enumerateFiveCards,
                                     deck)
            ->Unit(benchmark::kMillisecond);
    }
    for (std::uint32_t workers : {1u, 2u}) {
        const Deck deck{8, 20};
        benchmark::RegisterBenchmark(
            (nameOf("BM_EnumerateParallel", deck) + "/workers:" + std::to_string(workers)).c_str(),
            enumerateParallel, deck, workers)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    // K-card hands: name/SxR/K.
    auto withCards = [](const char* path, Deck deck, std::uint32_t cards) {
        return nameOf(path, deck) + "/" + std::to_string(cards);
    };
    for (Deck deck : {Deck{4, 13}, Deck{8, 20}}) {
        for (std::uint32_t cards : {3u, 4u, 7u, 8u}) {
            benchmark::RegisterBenchmark(withCards("BM_CountCards", deck, cards).c_str(),
                                         countKCards, deck, cards)
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::RegisterBenchmark(withCards("BM_RecountCards", Deck{8, 20}, 7).c_str(), recountCards,
                                 Deck{8, 20}, 7u);
    // Timed by the wall clock: the workers run on threads of their own.
    // 8 x 9 is a mid-sized deck of the most suits, where almost every hand's
    // suits matter.
    for (Deck deck : {Deck{4, 13}, Deck{8, 9}}) {
        benchmark::RegisterBenchmark(withCards("BM_EnumerateCards", deck, 7).c_str(),
                                     enumerateKCards, deck, 7u, marvane::defaultWorkerCount())
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    // One worker: rates to hold against the five-card enumeration's.
    for (const auto& [deck, cards] :
         {std::pair{Deck{4, 13}, 8u}, std::pair{Deck{8, 20}, 4u}, std::pair{Deck{8, 20}, 3u}}) {
        benchmark::RegisterBenchmark(withCards("BM_EnumerateCards", deck, cards).c_str(),
                                     enumerateKCards, deck, cards, 1u)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    for (std::uint32_t cards : {3u, 4u, 6u, 7u, 8u}) {
        benchmark::RegisterBenchmark(("BM_FindOrderAll/" + std::to_string(cards)).c_str(),
                                     findOrderAll, cards)
            ->Unit(benchmark::kMillisecond);
    }
    for (const auto& [deck, cards] : {std::pair{Deck{4, 9}, 7u}, std::pair{Deck{4, 7}, 8u}}) {
        benchmark::RegisterBenchmark(withCards("BM_EnumerateCardsReference", deck, cards).c_str(),
                                     enumerateKCardsReference, deck, cards)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    }
}

}  // namespace

int main(int argc, char** argv) {
    registerAll();
    marvane::bench::registerJokerBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
