// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "engine/exact/five_card_formulas.h"
#include "engine/reference/classifier.h"
#include "report/examples/example_hands.h"
#include "report/words/card_notation.h"
#include "report/words/category_definitions.h"

namespace marvane {
namespace {

TEST(CardNotation, RankFromOneThenSuitLetter) {
    const struct {
        Card card;
        const char* text;
    } cases[] = {
        {Card(0, 0), "1a"},   {Card(6, 1), "7b"},  {Card(12, 3), "13d"},
        {Card(19, 7), "20h"}, {Card(0, 26), "1?"}, {Card(0xFFFFFFFF, 0), "4294967296a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cardText(c.card), c.text);
    }
    EXPECT_EQ(handText({Card(6, 0), Card(6, 1), Card(3, 2), Card(3, 3), Card(8, 4)}),
              "7a 7b 4c 4d 9e");
    EXPECT_EQ(handText({}), "");
}

TEST(CategoryDefinitions, OneDistinctSentencePerCategory) {
    std::set<std::string_view> seen;
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        const std::string_view definition = categoryDefinition(*categoryFromIndex(i));
        ASSERT_FALSE(definition.empty()) << i;
        EXPECT_TRUE(std::islower(static_cast<unsigned char>(definition.front()))) << definition;
        EXPECT_EQ(definition.back(), '.') << definition;
        EXPECT_EQ(definition.find('\n'), std::string_view::npos) << definition;
        seen.insert(definition);
    }
    EXPECT_EQ(seen.size(), kCategoryCount);
    EXPECT_EQ(categoryDefinition(static_cast<HandCategory>(kCategoryCount)), "");
}

// A joker may repeat a card the hand holds (7a 7a 7a 7a 7a is five of a
// kind, 7a 7a 7b 7c 9d four of a kind in four suits, 7a 7a 8a 9a 10a a pair
// in one suit), which makes false what five sentences say of every hand
// without jokers (of Flush twice, as a category and as a suit pattern):
// each says so with any number of jokers, and no other
// changes.
TEST(CategoryDefinitions, JokersChangeWhatARepeatedCardMakesFalse) {
    const std::set<HandCategory> changed = {
        HandCategory::FiveOfAKind, HandCategory::Hypochromatic4OfAKind, HandCategory::Flush};
    const std::set<std::string_view> changedPatterns = {"Flush", "Hypochromatic"};
    // The hands above, a joker standing for each repeated card.
    const struct {
        Hand hand;
        HandCategory category;
    } repeated[] = {
        {{Card(6, 0), Card(6, 0), Card(6, 0), Card(6, 0), Card(6, 0)}, HandCategory::FiveOfAKind},
        {{Card(6, 0), Card(6, 0), Card(6, 1), Card(6, 2), Card(8, 3)},
         HandCategory::Hypochromatic4OfAKind},
        {{Card(6, 0), Card(6, 0), Card(7, 0), Card(8, 0), Card(9, 0)},
         HandCategory::Hypochromatic1Pair},
    };
    for (const auto& [hand, category] : repeated) {
        EXPECT_EQ(categorize(hand, {4, 13}), category) << handText(hand);
    }
    for (std::uint32_t jokers = 1; jokers <= kMaxJokers; ++jokers) {
        SCOPED_TRACE(jokers);
        std::set<std::string_view> seen;
        for (std::size_t i = 0; i < kCategoryCount; ++i) {
            const HandCategory category = *categoryFromIndex(i);
            const std::string_view definition = categoryDefinition(category, jokers);
            ASSERT_FALSE(definition.empty()) << i;
            EXPECT_TRUE(std::islower(static_cast<unsigned char>(definition.front()))) << definition;
            EXPECT_EQ(definition.back(), '.') << definition;
            EXPECT_EQ(definition == categoryDefinition(category), !changed.contains(category))
                << definition;
            seen.insert(definition);
        }
        EXPECT_EQ(seen.size(), kCategoryCount);
        for (std::size_t i = 0; i < kSuitPatternTerms.size(); ++i) {
            const Term& term = suitPatternTerms(jokers)[i];
            EXPECT_EQ(term.name, kSuitPatternTerms[i].name);
            EXPECT_EQ(term.definition == kSuitPatternTerms[i].definition,
                      !changedPatterns.contains(term.name))
                << term.definition;
        }
    }
    EXPECT_EQ(&suitPatternTerms(0), &kSuitPatternTerms);
    EXPECT_EQ(categoryDefinition(static_cast<HandCategory>(kCategoryCount), 1), "");
}

// Every admissible deck: a category that occurs (the closed count is not 0)
// has a real example hand of that category, one that doesn't has a reason.
TEST(ExampleHands, EveryCategoryThatOccursHasOneInEveryDeck) {
    for (std::uint32_t suits = kMinSuits; suits <= kMaxSuits; ++suits) {
        for (std::uint32_t ranks = kMinRanks; ranks <= kMaxRanks; ++ranks) {
            const Deck deck{suits, ranks};
            const CategoryCounts counts = compute_counts(deck);
            for (std::size_t i = 0; i < kCategoryCount; ++i) {
                const HandCategory category = *categoryFromIndex(i);
                SCOPED_TRACE(testing::Message()
                             << suits << " x " << ranks << ", " << displayName(category));
                const CategoryExample example = exampleHand(category, deck);
                if (counts[category] == 0) {
                    EXPECT_FALSE(example.occurs());
                    EXPECT_NE(example.reason.find("at least 5 suits"), std::string::npos)
                        << example.reason;
                    continue;
                }
                ASSERT_TRUE(example.occurs()) << example.reason;
                EXPECT_TRUE(example.reason.empty());
                ASSERT_EQ(example.hand.size(), kHandSize);
                std::set<std::uint32_t> cardNumbers;
                for (const Card& card : example.hand) {
                    EXPECT_LT(card.rank, ranks);
                    EXPECT_LT(card.suit, suits);
                    cardNumbers.insert(card.number(suits));
                }
                EXPECT_EQ(cardNumbers.size(), kHandSize) << "a card repeats";
                EXPECT_EQ(categorize(example.hand, deck), category);
            }
        }
    }
}

TEST(ExampleHands, WorkedExamplesAndDecksOutsideTheRange) {
    EXPECT_EQ(handText(exampleHand(HandCategory::Rainbow2Pair, {5, 7}).hand), "7a 7b 4c 4d 2e");
    EXPECT_EQ(handText(exampleHand(HandCategory::StraightFlush, {4, 13}).hand), "7a 6a 5a 4a 3a");
    EXPECT_EQ(exampleHand(HandCategory::FiveOfAKind, {4, 13}).reason,
              "needs at least 5 suits, since a rank has one card in each suit");
    for (Deck deck : {Deck{3, 13}, Deck{9, 13}, Deck{4, 6}, Deck{8, 21}, Deck{0, 0}}) {
        const CategoryExample example = exampleHand(HandCategory::Garbage, deck);
        EXPECT_FALSE(example.occurs());
        EXPECT_EQ(example.reason, "the deck must have 4 to 8 suits and 7 to 20 ranks");
    }
    EXPECT_FALSE(exampleHand(static_cast<HandCategory>(kCategoryCount), {5, 7}).occurs());
}

}  // namespace
}  // namespace marvane
