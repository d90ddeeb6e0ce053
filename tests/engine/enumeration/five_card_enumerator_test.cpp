// SPDX-License-Identifier: MIT
#include "engine/enumeration/five_card_enumerator.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <thread>
#include <vector>

#include "engine/enumeration/five_card_hands.h"
#include "engine/exact/binomial.h"
#include "engine/exact/five_card_formulas.h"
#include "engine/reference/reference_enumerator.h"

namespace marvane {
namespace {

std::string nameOf(Deck deck) {
    return std::to_string(deck.suits) + "x" + std::to_string(deck.ranks);
}

// One visited hand: five card numbers and the category, in one word.
using Visit = std::uint64_t;

Visit visitOf(const CardNumbers& cards, HandCategory category) {
    Visit v = indexOf(category);
    for (std::uint8_t card : cards) {
        v = v << 8 | card;
    }
    return v;
}

std::vector<Visit> referenceVisits(Deck deck, EngineState& state) {
    std::vector<Visit> visits;
    visits.reserve(binomial(deck.cardCount(), kHandSize));
    Hand hand;
    ReferenceEnumerator enumerator(deck, state, {}, [&](const Hand& h, HandCategory category) {
        CardNumbers cards{};
        for (std::size_t i = 0; i < kHandSize; ++i) {
            cards[i] = static_cast<std::uint8_t>(h[i].number(deck.suits));
        }
        visits.push_back(visitOf(cards, category));
    });
    EXPECT_TRUE(enumerator.enumerate_all(hand));
    return visits;
}

TEST(FiveCardEnumerator, VisitsTheReferenceHandsInOrderWithTheirCategories) {
    for (Deck deck : {Deck{4, 7}, Deck{5, 7}, Deck{8, 7}, Deck{5, 9}, Deck{4, 13}}) {
        EngineState reference;
        const std::vector<Visit> expected = referenceVisits(deck, reference);

        EngineState fast;
        std::size_t index = 0;
        std::size_t mismatches = 0;
        std::string firstMismatch;
        const bool ran = enumerateFiveCardsVisiting(
            deck, fast, {}, [&](const CardNumbers& cards, HandCategory c) {
                const Visit got = visitOf(cards, c);
                if (index >= expected.size() || got != expected[index]) {
                    if (mismatches++ == 0) {
                        firstMismatch = "hand " + std::to_string(index);
                    }
                }
                ++index;
            });
        EXPECT_TRUE(ran) << nameOf(deck);
        EXPECT_EQ(mismatches, 0u) << nameOf(deck) << ", first at " << firstMismatch;
        EXPECT_EQ(index, expected.size()) << nameOf(deck);
        EXPECT_EQ(fast.handCounter, reference.handCounter) << nameOf(deck);
        EXPECT_EQ(fast.enumerated, reference.enumerated) << nameOf(deck);
    }
}

TEST(FiveCardEnumerator, LargerDecksMatchTheClosedFormulas) {
    // Every suit count the loop is specialised for, and the most ranks.
    for (Deck deck : {Deck{6, 13}, Deck{7, 11}, Deck{4, 20}}) {
        EngineState state;
        state.progressStep = progressStepFor(binomial(deck.cardCount(), kHandSize));
        ASSERT_TRUE(enumerateFiveCardHands(deck, state, [] {}));
        EXPECT_EQ(state.enumerated, compute_counts(deck)) << nameOf(deck);
        EXPECT_EQ(state.handCounter, binomial(deck.cardCount(), kHandSize)) << nameOf(deck);
    }
}

// What a progress callback sees: the counter and the table at every call.
struct Tick {
    std::uint32_t counter;
    CategoryCounts enumerated;
    friend bool operator==(const Tick&, const Tick&) = default;
};

struct Recording {
    std::vector<Tick> ticks;
    EngineState end;
};

EngineState startingState(std::uint32_t counter, std::uint32_t step, std::uint32_t tableStart) {
    EngineState state;
    state.handCounter = counter;
    state.progressStep = step;
    for (std::size_t c = 0; c < kCategoryCount; ++c) {
        state.enumerated[c] = tableStart;
    }
    return state;
}

Recording referenceRun(Deck deck, EngineState state) {
    Recording run;
    Hand hand;
    ReferenceEnumerator enumerator(deck, state, [&] {
        run.ticks.push_back({state.handCounter, state.enumerated});
    });
    EXPECT_TRUE(enumerator.enumerate_all(hand));
    run.end = state;
    return run;
}

Recording fastRun(Deck deck, EngineState state, std::uint32_t workers = 1) {
    Recording run;
    const bool ran = enumerateFiveCardHands(
        deck, state,
        [&] {
            run.ticks.push_back({state.handCounter, state.enumerated});
        },
        workers);
    EXPECT_TRUE(ran);
    run.end = state;
    return run;
}

void expectSameRuns(const Recording& fast, const Recording& reference, const std::string& what) {
    EXPECT_EQ(fast.ticks.size(), reference.ticks.size()) << what;
    EXPECT_TRUE(fast.ticks == reference.ticks) << what;
    EXPECT_EQ(fast.end.handCounter, reference.end.handCounter) << what;
    EXPECT_EQ(fast.end.enumerated, reference.end.enumerated) << what;
}

TEST(FiveCardEnumerator, ProgressComesAtTheSameHandsWithTheSameTable) {
    for (Deck deck : {Deck{4, 7}, Deck{5, 9}}) {
        const std::uint32_t possible = binomial(deck.cardCount(), kHandSize);
        const std::uint32_t step = progressStepFor(possible);
        const Recording fast = fastRun(deck, startingState(0, step, 0));
        expectSameRuns(fast, referenceRun(deck, startingState(0, step, 0)), nameOf(deck));
        ASSERT_EQ(fast.ticks.size(), possible / step) << nameOf(deck);
        for (std::size_t i = 0; i < fast.ticks.size(); ++i) {
            // The hand that reached the multiple isn't counted yet.
            EXPECT_EQ(fast.ticks[i].counter, (i + 1) * step);
            EXPECT_EQ(fast.ticks[i].enumerated.sum(), fast.ticks[i].counter - 1);
        }
    }
}

TEST(FiveCardEnumerator, ProgressFollowsAnyStepAndStartingState) {
    const Deck deck{4, 7};  // 98,280 hands
    struct Case {
        std::uint32_t counter, step, tableStart;
        const char* what;
    };
    const Case cases[] = {
        {0, 1, 0, "a call at every hand"},
        {0, 29, 0, "the step shorter than one prefix's hands"},
        {12'345, 997, 7, "a counter and tables left from before"},
        {0xFFFF'FFFFu - 50'000, 1'000, 0xFFFF'FFF0u, "the counter and the counts wrap"},
        {0, 98'280, 0, "one call, at the last hand"},
        {0, 98'281, 0, "a step longer than the deck: no call"},
    };
    for (const Case& c : cases) {
        const EngineState start = startingState(c.counter, c.step, c.tableStart);
        expectSameRuns(fastRun(deck, start), referenceRun(deck, start), c.what);
    }
}

TEST(FiveCardEnumerator, NoStepOrNoCallbackMeansNoCalls) {
    const Deck deck{5, 7};
    const Recording fast = fastRun(deck, startingState(0, 0, 0));
    EXPECT_TRUE(fast.ticks.empty());
    EXPECT_EQ(fast.end.handCounter, 324'632u);

    EngineState state = startingState(0, 1, 0);
    ASSERT_TRUE(enumerateFiveCardHands(deck, state, {}));
    EXPECT_EQ(state.enumerated, compute_counts(deck));
}

TEST(FiveCardEnumerator, InadmissibleDeckChangesNothing) {
    for (Deck deck :
         {Deck{3, 13}, Deck{9, 13}, Deck{4, 6}, Deck{4, 21}, Deck{0, 0}, Deck{0xFFFF'FFFFu, 7}}) {
        EngineState state = startingState(5, 1, 3);
        bool called = false;
        EXPECT_FALSE(enumerateFiveCardHands(deck, state, [&] { called = true; })) << nameOf(deck);
        EXPECT_FALSE(enumerateFiveCardsVisiting(
            deck, state, {}, [&](const CardNumbers&, HandCategory) { called = true; }));
        EXPECT_FALSE(called) << nameOf(deck);
        EXPECT_EQ(state.handCounter, 5u);
        EXPECT_EQ(state.enumerated, startingState(5, 1, 3).enumerated);
    }
}

TEST(FiveCardEnumerator, LargestDeckMatchesTheWorkedTable) {
    const Deck deck{8, 20};
    const std::array<std::uint32_t, kCategoryCount> worked = {
        1'120,     106'400,   106'400,    212'800,     383'040,     3'830'400,
        8'426'880, 5'745'600, 15'704'640, 65'116'800,  212'714'880, 136,
        123'896,   114'240,   442'680,    104'072'640, 403'281'480};
    for (std::uint32_t workers : {1u, 2u}) {
        EngineState state;
        state.progressStep = 820'384;
        std::uint32_t ticks = 0;
        ASSERT_TRUE(enumerateFiveCardHands(
            deck, state, [&] { ++ticks; }, workers));
        EXPECT_EQ(state.enumerated.values(), worked) << workers << " workers";
        EXPECT_EQ(state.handCounter, 820'384'032u) << workers << " workers";
        EXPECT_EQ(ticks, 1'000u) << workers << " workers";
    }
}

std::vector<std::uint32_t> countersOf(const std::vector<Tick>& ticks) {
    std::vector<std::uint32_t> counters;
    for (const Tick& tick : ticks) {
        counters.push_back(tick.counter);
    }
    return counters;
}

TEST(FiveCardEnumerator, EveryWorkerCountGivesTheReferenceResultsAndTicks) {
    struct Case {
        Deck deck;
        std::uint32_t counter, step, tableStart;
        std::size_t ticks;
        const char* what;
    };
    const Case cases[] = {
        {{4, 7}, 0, 98, 0, 1'002, "the dialog's step"},
        {{4, 7}, 0, 1, 0, 98'280, "a call at every hand"},
        {{4, 7}, 12'345, 997, 7, 98, "a counter and tables left from before"},
        {{4, 7}, 0xFFFF'FFFFu - 50'000, 1'000, 0xFFFF'FFF0u, 99, "the counter and counts wrap"},
        {{4, 7}, 0, 98'281, 0, 0, "a step longer than the deck"},
        {{5, 9}, 0, 1'221, 0, 1'000, "five suits"},
        {{8, 7}, 0, 3'819, 0, 1'000, "eight suits"},
    };
    for (const Case& c : cases) {
        const EngineState start = startingState(c.counter, c.step, c.tableStart);
        const Recording reference = referenceRun(c.deck, start);
        ASSERT_EQ(reference.ticks.size(), c.ticks) << c.what;
        for (std::uint32_t workers = 1; workers <= 5; ++workers) {
            const std::string what =
                std::string(c.what) + ", " + std::to_string(workers) + " workers";
            const Recording fast = fastRun(c.deck, start, workers);
            EXPECT_EQ(fast.end.handCounter, reference.end.handCounter) << what;
            EXPECT_EQ(fast.end.enumerated, reference.end.enumerated) << what;
            // The same counter values in the same order: as many calls, none backwards.
            EXPECT_EQ(countersOf(fast.ticks), countersOf(reference.ticks)) << what;
        }
    }
}

TEST(FiveCardEnumerator, WorkersReportProgressOnTheCallingThread) {
    const Deck deck{5, 9};
    EngineState state = startingState(0, 1'221, 0);
    const std::thread::id caller = std::this_thread::get_id();
    std::size_t elsewhere = 0;
    ASSERT_TRUE(enumerateFiveCardHands(
        deck, state, [&] { elsewhere += std::this_thread::get_id() != caller; }, 4));
    EXPECT_EQ(elsewhere, 0u);
}

TEST(FiveCardEnumerator, WorkerCountsOutsideTheRangeAreRefused) {
    const Deck deck{4, 7};
    for (std::uint32_t workers : {0u, kMaxWorkers + 1, 0xFFFF'FFFFu}) {
        EngineState state = startingState(5, 1, 3);
        bool called = false;
        EXPECT_FALSE(enumerateFiveCardHands(
            deck, state, [&] { called = true; }, workers))
            << workers;
        EXPECT_FALSE(called) << workers;
        EXPECT_EQ(state.handCounter, 5u);
        EXPECT_EQ(state.enumerated, startingState(5, 1, 3).enumerated);
    }
    // The most workers there may be, far more than this deck's 24 first cards.
    EngineState state;
    ASSERT_TRUE(enumerateFiveCardHands(deck, state, {}, kMaxWorkers));
    EXPECT_EQ(state.enumerated, compute_counts(deck));
    EXPECT_EQ(state.handCounter, 98'280u);

    EXPECT_GE(defaultWorkerCount(), 1u);
    EXPECT_LE(defaultWorkerCount(), kMaxWorkers);
}

}  // namespace
}  // namespace marvane
