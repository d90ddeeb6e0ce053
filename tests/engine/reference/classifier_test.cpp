// SPDX-License-Identifier: MIT
#include "engine/reference/classifier.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/reference/joker_reference.h"
#include "tests/published_counts.h"

namespace marvane {
namespace {

// A hand from (rank, suit) pairs.
Hand handOf(std::initializer_list<std::pair<std::uint32_t, std::uint32_t>> cards) {
    Hand hand;
    for (auto [rank, suit] : cards) {
        hand.emplace_back(rank, suit);
    }
    return hand;
}

TEST(Card, NumberingIsRankMajor) {
    EXPECT_EQ(Card::fromNumber(1, 4), Card(0, 0));
    EXPECT_EQ(Card::fromNumber(4, 4), Card(0, 3));
    EXPECT_EQ(Card::fromNumber(5, 4), Card(1, 0));
    EXPECT_EQ(Card::fromNumber(52, 4), Card(12, 3));
    EXPECT_EQ(Card::fromNumber(160, 8), Card(19, 7));
    for (std::uint32_t n = 1; n <= 160; ++n) {
        EXPECT_EQ(Card::fromNumber(n, 8).number(8), n);
    }
}

TEST(HandCategory, IndicesAndNamesAreOneToOne) {
    std::set<std::string> names;
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        const auto category = categoryFromIndex(i);
        ASSERT_TRUE(category.has_value());
        EXPECT_EQ(indexOf(*category), i);
        names.emplace(displayName(*category));
    }
    EXPECT_EQ(names.size(), kCategoryCount);
    EXPECT_FALSE(categoryFromIndex(kCategoryCount).has_value());
    EXPECT_EQ(displayName(HandCategory::Rainbow4OfAKind), "Rainbow 4 of a Kind");
    EXPECT_EQ(displayName(HandCategory::Garbage), "Garbage");
}

TEST(Classifier, Straights) {
    const Deck deck{4, 13};
    EXPECT_EQ(categorize(handOf({{0, 0}, {1, 1}, {2, 0}, {3, 0}, {4, 0}}), deck),
              HandCategory::HypochromaticStraight);
    // The one wrap-around straight, in any card order.
    EXPECT_EQ(categorize(handOf({{12, 0}, {0, 1}, {10, 0}, {9, 0}, {11, 0}}), deck),
              HandCategory::HypochromaticStraight);
    // No wrap beyond it.
    EXPECT_EQ(categorize(handOf({{0, 0}, {1, 1}, {10, 0}, {11, 0}, {12, 0}}), deck),
              HandCategory::Garbage);
    EXPECT_EQ(categorize(handOf({{0, 2}, {9, 2}, {10, 2}, {11, 2}, {12, 2}}), deck),
              HandCategory::StraightFlush);
    EXPECT_EQ(categorize(handOf({{0, 2}, {1, 2}, {10, 2}, {11, 2}, {12, 2}}), deck),
              HandCategory::Flush);

    using classifier_tests::isStraight;
    const Deck seven{4, 7};
    EXPECT_TRUE(isStraight(handOf({{0, 0}, {3, 1}, {4, 0}, {5, 0}, {6, 0}}), seven));
    EXPECT_TRUE(isStraight(handOf({{0, 0}, {1, 1}, {2, 0}, {3, 0}, {4, 0}}), seven));
    EXPECT_TRUE(isStraight(handOf({{2, 0}, {3, 1}, {4, 0}, {5, 0}, {6, 0}}), seven));
    EXPECT_FALSE(isStraight(handOf({{0, 0}, {1, 1}, {4, 0}, {5, 0}, {6, 0}}), seven));
    EXPECT_FALSE(isStraight(handOf({{0, 0}, {2, 1}, {4, 0}, {5, 0}, {6, 0}}), seven));
}

TEST(Classifier, RainbowNeedsFiveSuitsInTheDeck) {
    // Five distinct suits are impossible with four, so these are judged by ranks alone.
    const Hand paired = handOf({{0, 0}, {0, 1}, {1, 2}, {2, 3}, {3, 0}});
    EXPECT_FALSE(classifier_tests::isRainbow(paired, {4, 13}));
    EXPECT_EQ(categorize(paired, {4, 13}), HandCategory::Hypochromatic1Pair);

    const Hand rainbowPair = handOf({{0, 0}, {0, 1}, {1, 2}, {2, 3}, {3, 4}});
    EXPECT_EQ(categorize(rainbowPair, {5, 13}), HandCategory::Rainbow1Pair);
    EXPECT_EQ(categorize(handOf({{0, 0}, {5, 1}, {1, 2}, {9, 3}, {3, 4}}), {5, 13}),
              HandCategory::Rainbow);
    EXPECT_EQ(categorize(handOf({{4, 0}, {5, 1}, {6, 2}, {7, 3}, {8, 7}}), {8, 13}),
              HandCategory::RainbowStraight);
}

TEST(Classifier, PairedPatterns) {
    const Deck deck{5, 7};
    EXPECT_EQ(categorize(handOf({{3, 0}, {3, 1}, {3, 2}, {3, 3}, {3, 4}}), deck),
              HandCategory::FiveOfAKind);
    EXPECT_EQ(categorize(handOf({{3, 0}, {3, 1}, {3, 2}, {3, 3}, {5, 4}}), deck),
              HandCategory::Rainbow4OfAKind);
    EXPECT_EQ(categorize(handOf({{5, 2}, {3, 0}, {3, 1}, {3, 2}, {3, 3}}), deck),
              HandCategory::Hypochromatic4OfAKind);
    EXPECT_EQ(categorize(handOf({{1, 0}, {1, 1}, {2, 2}, {2, 3}, {6, 4}}), deck),
              HandCategory::Rainbow2Pair);
    EXPECT_EQ(categorize(handOf({{1, 0}, {1, 1}, {2, 2}, {2, 3}, {6, 0}}), deck),
              HandCategory::Hypochromatic2Pair);
    EXPECT_EQ(categorize(handOf({{1, 0}, {1, 1}, {1, 2}, {2, 3}, {2, 4}}), deck),
              HandCategory::RainbowFullHouse);
    EXPECT_EQ(categorize(handOf({{2, 0}, {1, 0}, {1, 1}, {1, 2}, {2, 3}}), deck),
              HandCategory::HypochromaticFullHouse);
    EXPECT_EQ(categorize(handOf({{1, 0}, {4, 3}, {1, 1}, {1, 2}, {2, 4}}), deck),
              HandCategory::Rainbow3OfAKind);
    EXPECT_EQ(categorize(handOf({{1, 0}, {4, 0}, {1, 1}, {1, 2}, {2, 4}}), deck),
              HandCategory::Hypochromatic3OfAKind);
}

TEST(Classifier, ClassifyCountsOneHandInOneCategory) {
    CategoryCounts counts;
    classify(handOf({{0, 0}, {1, 1}, {2, 0}, {3, 0}, {4, 0}}), {4, 13}, counts);
    classify(handOf({{0, 0}, {1, 1}, {2, 0}, {3, 0}, {4, 0}}), {4, 13}, counts);
    EXPECT_EQ(counts[HandCategory::HypochromaticStraight], 2u);
    EXPECT_EQ(counts.sum(), 2u);
}

// Hands of three and four cards of the 52-card deck, classed as themselves,
// against the published counts split by suit pattern.
TEST(Classifier, HandsOfThreeAndFourCardsGiveThePublishedCounts) {
    CategoryOrder every;
    for (std::size_t c = 0; c < kCategoryCount; ++c) {
        every.push_back(*categoryFromIndex(c));
    }
    EXPECT_EQ(enumerateJokersReference({4, 13}, 3, 0, every), published::threeCardCounts());
    EXPECT_EQ(enumerateJokersReference({4, 13}, 4, 0, every), published::fourCardCounts());
}

// Three or four cards as themselves; a card twice (a joker repeating it)
// makes a pair, never a flush. Rank 0 is the card written 1.
TEST(Classifier, HandsOfThreeOrFourAreClassedAsThemselves) {
    using enum HandCategory;
    const Deck deck{4, 13};
    struct Case {
        Hand hand;
        HandCategory expected;
    };
    const Case cases[] = {
        {handOf({{6, 0}, {7, 0}, {6, 0}}), Hypochromatic1Pair},             // 7a 8a 7a
        {handOf({{6, 0}, {6, 1}, {6, 0}}), Hypochromatic3OfAKind},          // 7a 7b 7a
        {handOf({{0, 0}, {11, 1}, {12, 2}}), RainbowStraight},              // 1a 12b 13c
        {handOf({{11, 0}, {12, 0}, {0, 0}}), StraightFlush},                // 12a 13a 1a
        {handOf({{12, 0}, {0, 0}, {1, 0}}), Flush},                         // 13a 1a 2a
        {handOf({{6, 0}, {6, 1}, {6, 2}, {6, 0}}), Hypochromatic4OfAKind},  // 7a 7b 7c 7a
        {handOf({{6, 0}, {6, 1}, {6, 2}, {6, 3}}), Rainbow4OfAKind},
        {handOf({{2, 0}, {3, 1}, {4, 2}, {5, 0}}), HypochromaticStraight},
        {handOf({{2, 0}, {2, 1}, {4, 2}, {4, 3}}), Rainbow2Pair},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(categorizeAsItself(c.hand, deck), c.expected) << displayName(c.expected);
    }
    // So with a joker a pair of three cards reaches three of a kind of both kinds.
    JokerReference reference(deck);
    const std::uint32_t reached = reference.reach(handOf({{6, 0}, {6, 1}}), 1);
    EXPECT_TRUE(reached & (1u << indexOf(Hypochromatic3OfAKind)));
    EXPECT_TRUE(reached & (1u << indexOf(Rainbow3OfAKind)));
}

}  // namespace
}  // namespace marvane
