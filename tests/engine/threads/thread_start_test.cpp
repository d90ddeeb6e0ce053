// SPDX-License-Identifier: MIT
// Both enumerations on threads that the system won't all give: the workers
// that start (or the calling thread, when none does) do every share, and the
// run says how many threads it had.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <system_error>
#include <thread>

#include "engine/enumeration/five_card_hands.h"
#include "engine/enumeration/k_card_enumerator.h"
#include "engine/threads/worker_run.h"
#include "tests/published_counts.h"

namespace marvane {
namespace {

// Real threads until the `failingStart`th start (from 1), which throws as
// std::thread does when the system is out of threads; 0 never fails.
ThreadStart startsUntil(std::uint32_t failingStart, std::uint32_t& starts) {
    return [failingStart, &starts](std::function<void()> body) {
        if (++starts == failingStart) {
            throw std::system_error(
                std::make_error_code(std::errc::resource_unavailable_try_again));
        }
        return std::jthread(std::move(body));
    };
}

struct Case {
    std::uint32_t failingStart;
    std::uint32_t ran;
    const char* what;
};

constexpr Case kCases[] = {
    {1, 1, "no thread starts: the calling thread does it all"},
    {2, 1, "the second start fails: the first thread does it all"},
    {3, 2, "the third start fails: two threads share it"},
    {0, 3, "every start succeeds"},
};

TEST(ThreadStart, FiveCardHandsAreAllCountedOnTheThreadsThatStarted) {
    // 4 suits x 13 ranks: the familiar five-card table.
    CategoryCounts expected;
    for (const published::PublishedCount& entry : published::kFiveCards) {
        expected[entry.category] = static_cast<std::uint32_t>(entry.hands);
    }
    for (const Case& c : kCases) {
        std::uint32_t starts = 0;
        EngineState state;
        state.progressStep = 2'598;
        std::uint32_t ticks = 0;
        const auto ran = enumerateFiveCardHands(
            Deck{4, 13}, state, [&] { ++ticks; },
            {.workers = 3, .startThread = startsUntil(c.failingStart, starts)});
        ASSERT_EQ(ran.status, RunStatus::Completed) << c.what;
        EXPECT_EQ(ran.threads.wanted, 3u) << c.what;
        EXPECT_EQ(ran.threads.ran, c.ran) << c.what;
        EXPECT_EQ(state.enumerated, expected) << c.what;
        EXPECT_EQ(state.handCounter, 2'598'960u) << c.what;
        EXPECT_EQ(ticks, 1'000u) << c.what;
    }
}

TEST(ThreadStart, SevenCardHandsAreAllCountedOnTheThreadsThatStarted) {
    // 5 suits x 7 ranks, 6,724,520 hands, under the deck's own order, as
    // the exact count gives them; small enough for ThreadSanitizer.
    const Deck deck{5, 7};
    CategoryCounts64 expected;
    expected[HandCategory::FiveOfAKind] = 3'045;
    expected[HandCategory::StraightFlush] = 8'265;
    expected[HandCategory::Flush] = 32'410;
    expected[HandCategory::Rainbow4OfAKind] = 71'260;
    expected[HandCategory::RainbowFullHouse] = 140'700;
    expected[HandCategory::RainbowStraight] = 194'040;
    expected[HandCategory::Hypochromatic4OfAKind] = 70'840;
    expected[HandCategory::Rainbow] = 540'960;
    expected[HandCategory::Rainbow3OfAKind] = 405'300;
    expected[HandCategory::Rainbow2Pair] = 422'100;
    expected[HandCategory::HypochromaticFullHouse] = 789'600;
    expected[HandCategory::Rainbow1Pair] = 155'400;
    expected[HandCategory::HypochromaticStraight] = 1'207'700;
    expected[HandCategory::Hypochromatic3OfAKind] = 363'800;
    expected[HandCategory::Hypochromatic2Pair] = 2'039'500;
    expected[HandCategory::Garbage] = 279'600;
    for (const Case& c : kCases) {
        std::uint32_t starts = 0;
        std::uint64_t lastReport = 0;
        const EnumerationRun run =
            enumerateKCards(deck, 7, defaultOrder(deck, 7, 0),
                            {.workers = 3,
                             .progress =
                                 [&](std::uint64_t done, std::uint64_t) {
                                     lastReport = done;
                                     return true;
                                 },
                             .startThread = startsUntil(c.failingStart, starts)});
        EXPECT_EQ(run.status, RunStatus::Completed) << c.what;
        EXPECT_EQ(run.counts, expected) << c.what;
        EXPECT_EQ(run.threads.wanted, 3u) << c.what;
        EXPECT_EQ(run.threads.ran, c.ran) << c.what;
        EXPECT_EQ(lastReport, 6'724'520u) << c.what;
    }
}

// A progress callback that throws stops the workers before the exception
// leaves: on 8 x 20 at seven cards they would otherwise run for hours.
TEST(ThreadStart, AThrowingProgressStopsTheWorkers) {
    const Deck deck{8, 20};
    EXPECT_THROW(enumerateKCards(deck, 7, defaultOrder(deck, 7, 0),
                                 {.workers = 2,
                                  .progress = [](std::uint64_t, std::uint64_t) -> bool {
                                      throw std::runtime_error("the bar could not be drawn");
                                  }}),
                 std::runtime_error);
}

}  // namespace
}  // namespace marvane
