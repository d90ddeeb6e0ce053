// SPDX-License-Identifier: MIT
#include "engine/reference/reference_enumerator.h"
#include "engine/enumeration/five_card_hands.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/exact/binomial.h"
#include "engine/exact/five_card_formulas.h"

namespace marvane {
namespace {

std::vector<std::uint32_t> numbersOf(const Hand& hand, Deck deck) {
    std::vector<std::uint32_t> numbers;
    for (const Card& card : hand) {
        numbers.push_back(card.number(deck.suits));
    }
    return numbers;
}

TEST(ReferenceEnumeration, EnumeratedEqualsComputed) {
    for (Deck deck : {Deck{4, 7}, Deck{5, 7}, Deck{6, 7}, Deck{5, 9}, Deck{4, 13}}) {
        EngineState state;
        state.progressStep = progressStepFor(binomial(deck.cardCount(), 5));
        Hand hand;
        EXPECT_TRUE(ReferenceEnumerator(deck, state).enumerate_all(hand));
        EXPECT_TRUE(hand.empty());
        EXPECT_EQ(state.enumerated, compute_counts(deck)) << deck.suits << "x" << deck.ranks;
        EXPECT_EQ(state.handCounter, binomial(deck.cardCount(), 5));
    }
}

TEST(ReferenceEnumeration, VisitsHandsInLexicographicOrder) {
    const Deck deck{4, 7};
    EngineState state;
    std::vector<std::uint32_t> first, last, previous;
    bool ascending = true;
    Hand hand;
    ReferenceEnumerator enumerator(deck, state, {}, [&](const Hand& h, HandCategory) {
        std::vector<std::uint32_t> numbers = numbersOf(h, deck);
        if (first.empty()) {
            first = numbers;
        }
        ascending = ascending && previous < numbers;
        previous = last = numbers;
    });
    EXPECT_TRUE(enumerator.enumerate_all(hand));
    EXPECT_EQ(first, (std::vector<std::uint32_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(last, (std::vector<std::uint32_t>{24, 25, 26, 27, 28}));
    EXPECT_TRUE(ascending);
    EXPECT_EQ(state.handCounter, 98'280u);
}

TEST(ReferenceEnumeration, ProgressFiresOnEveryMultipleOfTheStepBeforeThatHandIsCounted) {
    for (Deck deck : {Deck{4, 7}, Deck{4, 13}}) {
        const std::uint32_t possible = binomial(deck.cardCount(), 5);
        EngineState state;
        state.progressStep = progressStepFor(possible);
        std::uint32_t ticks = 0;
        bool aligned = true;
        Hand hand;
        ReferenceEnumerator enumerator(deck, state, [&] {
            ++ticks;
            aligned = aligned && state.handCounter == ticks * state.progressStep &&
                      state.enumerated.sum() == state.handCounter - 1;
        });
        EXPECT_TRUE(enumerator.enumerate_all(hand));
        EXPECT_EQ(ticks, possible / state.progressStep);
        EXPECT_TRUE(aligned);
    }
    EXPECT_EQ(progressStepFor(2'598'960), 2'598u);
    EXPECT_EQ(progressStepFor(98'280), 98u);
    EXPECT_EQ(progressStepFor(999), 1u);  // never 0: no division by zero
}

TEST(ReferenceEnumeration, RefusesDecksItCannotNumber) {
    for (Deck deck : {Deck{0, 13}, Deck{4, 0}, Deck{9, 20}}) {
        EngineState state;
        state.progressStep = 1;
        Hand hand;
        bool visited = false;
        EXPECT_FALSE(ReferenceEnumerator(deck, state, [&] { visited = true; }).enumerate_all(hand));
        EXPECT_FALSE(visited);
        EXPECT_EQ(state.handCounter, 0u);
    }
}

TEST(Enumeration, EntryPointMatchesTheClosedFormulas) {
    const Deck deck{5, 7};
    EngineState state;
    state.progressStep = progressStepFor(binomial(deck.cardCount(), 5));
    std::uint32_t ticks = 0;
    EXPECT_TRUE(enumerateFiveCardHands(deck, state, [&] { ++ticks; }));
    EXPECT_EQ(state.enumerated, compute_counts(deck));
    EXPECT_EQ(state.handCounter, 324'632u);
    EXPECT_EQ(ticks, 324'632u / 324u);
}

}  // namespace
}  // namespace marvane
