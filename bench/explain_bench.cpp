// SPDX-License-Identifier: MIT
// Time to find an example hand for all 17 categories of one deck, as the
// dialog does after every computation.
//
//   build/<dir>/bench/marvane_explain_bench

#include <benchmark/benchmark.h>

#include "report/example_hands.h"

namespace {

void examplesForEveryCategory(benchmark::State& bench, marvane::Deck deck) {
    for (auto _ : bench) {
        for (std::size_t i = 0; i < marvane::kCategoryCount; ++i) {
            benchmark::DoNotOptimize(exampleHand(*marvane::categoryFromIndex(i), deck));
        }
    }
}

BENCHMARK_CAPTURE(examplesForEveryCategory, deck4x13, marvane::Deck{4, 13});
BENCHMARK_CAPTURE(examplesForEveryCategory, deck8x20, marvane::Deck{8, 20});

}  // namespace

BENCHMARK_MAIN();
