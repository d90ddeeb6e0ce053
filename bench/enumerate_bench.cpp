// SPDX-License-Identifier: MIT
// Hands per second of the reference and the fast enumeration, on one worker
// thread and on several.
//
//   build/<dir>/bench/marvane_bench
//
// Each benchmark runs a whole enumeration per iteration, as the dialog does:
// counter and step set, a progress callback that does nothing.

#include <benchmark/benchmark.h>

#include <string>

#include "engine/binomial.h"
#include "engine/enumeration.h"

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

void enumerateFast(benchmark::State& bench, Deck deck) {
    std::uint32_t counter = 0;
    for (auto _ : bench) {
        EngineState state = freshState(deck);
        if (!marvane::enumerateHands(deck, state, [] {})) {
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
        if (!marvane::enumerateHands(
                deck, state, [] {}, workers)) {
            bench.SkipWithError("the deck or the worker count was refused");
            break;
        }
        benchmark::DoNotOptimize(state.enumerated);
        counter = state.handCounter;
    }
    finish(bench, deck, counter);
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
        benchmark::RegisterBenchmark(nameOf("BM_EnumerateFast", deck).c_str(), enumerateFast, deck)
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
}

}  // namespace

int main(int argc, char** argv) {
    registerAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
