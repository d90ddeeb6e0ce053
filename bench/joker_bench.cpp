// SPDX-License-Identifier: MIT
// Hands with jokers: the exact count from scratch, the enumeration on one
// worker and the plain reference, each as name/SxR/K/J.

#include "bench/joker_bench.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "engine/enumeration/joker_enumerator.h"
#include "engine/exact/k_card_count.h"
#include "engine/reference/joker_reference.h"

namespace marvane::bench {

namespace {

// Benchmark's item counts are signed.
std::int64_t itemsOf(Deck deck, std::uint32_t cards, std::uint32_t jokers) {
    return static_cast<std::int64_t>(handsOf(deck, cards, jokers));
}

// The exact count, table and all. No deck this size has a reference to hold
// it against: every hand must be counted once.
void countJokers(benchmark::State& bench, Deck deck, std::uint32_t cards, std::uint32_t jokers) {
    const CategoryOrder order = defaultOrder(deck, cards, jokers);
    CategoryCounts64 counts;
    for (auto _ : bench) {
        counts = countKCards(deck, cards, order, jokers);
        benchmark::DoNotOptimize(counts);
    }
    if (counts.sum() != choose64(deck.cardCount() + jokers, cards)) {
        bench.SkipWithError("the counts miss hands");
    }
    bench.SetItemsProcessed(bench.iterations() * itemsOf(deck, cards, jokers));
}

// Held against the exact count, the other way to the same numbers.
void enumerateJokers(benchmark::State& bench, Deck deck, std::uint32_t cards,
                     std::uint32_t jokers) {
    const CategoryOrder order = defaultOrder(deck, cards, jokers);
    EnumerationRun run;
    for (auto _ : bench) {
        run = marvane::enumerateJokers(deck, cards, jokers, order,
                                       {.progress = [](auto, auto) { return true; }});
        benchmark::DoNotOptimize(run.counts);
    }
    if (run.status != RunStatus::Completed ||
        run.counts != countKCards(deck, cards, order, jokers)) {
        bench.SkipWithError("the enumeration's counts are wrong");
    }
    bench.SetItemsProcessed(bench.iterations() * itemsOf(deck, cards, jokers));
}

void enumerateJokersReference(benchmark::State& bench, Deck deck, std::uint32_t cards,
                              std::uint32_t jokers) {
    const CategoryOrder order = defaultOrder(deck, cards, jokers);
    std::optional<CategoryCounts64> counts;
    for (auto _ : bench) {
        counts = enumerateJokersReference(deck, cards, jokers, order);
        benchmark::DoNotOptimize(counts);
    }
    if (!counts || *counts != countKCards(deck, cards, order, jokers)) {
        bench.SkipWithError("the reference's counts are wrong");
    }
    bench.SetItemsProcessed(bench.iterations() * itemsOf(deck, cards, jokers));
}

std::string nameOf(const char* path, Deck deck, std::uint32_t cards, std::uint32_t jokers) {
    return std::string(path) + "/" + std::to_string(deck.suits) + "x" + std::to_string(deck.ranks) +
           "/" + std::to_string(cards) + "/" + std::to_string(jokers);
}

}  // namespace

void registerJokerBenchmarks() {
    for (const auto& [deck, jokers] : {std::pair{Deck{8, 20}, 4u}, std::pair{Deck{4, 13}, 1u}}) {
        for (std::uint32_t cards : {7u, 8u}) {
            benchmark::RegisterBenchmark(nameOf("BM_CountJokers", deck, cards, jokers).c_str(),
                                         countJokers, deck, cards, jokers)
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::RegisterBenchmark(nameOf("BM_CountJokers", Deck{8, 20}, 3, 4).c_str(), countJokers,
                                 Deck{8, 20}, 3u, 4u)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(nameOf("BM_EnumerateJokers", Deck{8, 20}, 4, 4).c_str(),
                                 enumerateJokers, Deck{8, 20}, 4u, 4u)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    // Timed by the wall clock: the worker runs on a thread of its own.
    benchmark::RegisterBenchmark(nameOf("BM_EnumerateJokers", Deck{4, 13}, 7, 1).c_str(),
                                 enumerateJokers, Deck{4, 13}, 7u, 1u)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(nameOf("BM_EnumerateJokersReference", Deck{4, 7}, 6, 1).c_str(),
                                 enumerateJokersReference, Deck{4, 7}, 6u, 1u)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
}

}  // namespace marvane::bench
