#include "fast_enumerator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "binomial.h"
#include "closed_form.h"
#include "enumeration.h"

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
    ReferenceEnumerator(deck, state, {}, [&](const Hand& h, HandCategory category) {
        CardNumbers cards{};
        for (std::size_t i = 0; i < kHandSize; ++i) {
            cards[i] = static_cast<std::uint8_t>(h[i].number(deck.suits));
        }
        visits.push_back(visitOf(cards, category));
    }).enumerate_all(hand);
    return visits;
}

TEST(FastEnumeration, VisitsTheReferenceHandsInOrderWithTheirCategories) {
    for (Deck deck : {Deck{4, 7}, Deck{5, 7}, Deck{8, 7}, Deck{5, 9}, Deck{4, 13}}) {
        EngineState reference;
        const std::vector<Visit> expected = referenceVisits(deck, reference);

        EngineState fast;
        std::size_t index = 0;
        std::size_t mismatches = 0;
        std::string firstMismatch;
        enumerateFastVisiting(deck, fast, {}, [&](const CardNumbers& cards, HandCategory c) {
            const Visit got = visitOf(cards, c);
            if (index >= expected.size() || got != expected[index]) {
                if (mismatches++ == 0) {
                    firstMismatch = "hand " + std::to_string(index);
                }
            }
            ++index;
        });
        EXPECT_EQ(mismatches, 0u) << nameOf(deck) << ", first at " << firstMismatch;
        EXPECT_EQ(index, expected.size()) << nameOf(deck);
        EXPECT_EQ(fast.handCounter, reference.handCounter) << nameOf(deck);
        EXPECT_EQ(fast.enumerated, reference.enumerated) << nameOf(deck);
    }
}

TEST(FastEnumeration, LargerDecksMatchTheClosedFormulas) {
    // Every suit count the loop is specialised for, and the most ranks.
    for (Deck deck : {Deck{6, 13}, Deck{7, 11}, Deck{4, 20}}) {
        EngineState state;
        state.progressStep = progressStepFor(binomial(deck.cardCount(), kHandSize));
        ASSERT_TRUE(enumerateHands(deck, state, [] {}));
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
    ReferenceEnumerator(deck, state, [&] {
        run.ticks.push_back({state.handCounter, state.enumerated});
    }).enumerate_all(hand);
    run.end = state;
    return run;
}

Recording fastRun(Deck deck, EngineState state) {
    Recording run;
    enumerateHands(deck, state, [&] {
        run.ticks.push_back({state.handCounter, state.enumerated});
    });
    run.end = state;
    return run;
}

void expectSameRuns(const Recording& fast, const Recording& reference, const std::string& what) {
    EXPECT_EQ(fast.ticks.size(), reference.ticks.size()) << what;
    EXPECT_TRUE(fast.ticks == reference.ticks) << what;
    EXPECT_EQ(fast.end.handCounter, reference.end.handCounter) << what;
    EXPECT_EQ(fast.end.enumerated, reference.end.enumerated) << what;
}

TEST(FastEnumeration, ProgressComesAtTheSameHandsWithTheSameTable) {
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

TEST(FastEnumeration, ProgressFollowsAnyStepAndStartingState) {
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

TEST(FastEnumeration, NoStepOrNoCallbackMeansNoCalls) {
    const Deck deck{5, 7};
    const Recording fast = fastRun(deck, startingState(0, 0, 0));
    EXPECT_TRUE(fast.ticks.empty());
    EXPECT_EQ(fast.end.handCounter, 324'632u);

    EngineState state = startingState(0, 1, 0);
    ASSERT_TRUE(enumerateHands(deck, state, {}));
    EXPECT_EQ(state.enumerated, compute_counts(deck));
}

TEST(FastEnumeration, InadmissibleDeckChangesNothing) {
    for (Deck deck :
         {Deck{3, 13}, Deck{9, 13}, Deck{4, 6}, Deck{4, 21}, Deck{0, 0}, Deck{0xFFFF'FFFFu, 7}}) {
        EngineState state = startingState(5, 1, 3);
        bool called = false;
        EXPECT_FALSE(enumerateHands(deck, state, [&] { called = true; })) << nameOf(deck);
        EXPECT_FALSE(enumerateFastVisiting(
            deck, state, {}, [&](const CardNumbers&, HandCategory) { called = true; }));
        EXPECT_FALSE(called) << nameOf(deck);
        EXPECT_EQ(state.handCounter, 5u);
        EXPECT_EQ(state.enumerated, startingState(5, 1, 3).enumerated);
    }
}

}  // namespace
}  // namespace marvane
