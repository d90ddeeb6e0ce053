// SPDX-License-Identifier: MIT
#include "report/examples/joker_examples.h"

#include <gtest/gtest.h>

#include <bit>

#include "engine/reference/joker_reference.h"
#include "report/words/card_notation.h"

namespace marvane {
namespace {

// Every example counts in its category, by the plain reference, in decks
// with and without the categories only a joker makes.
TEST(JokerExamples, EachExampleCountsInItsCategory) {
    struct Case {
        Deck deck;
        std::uint32_t cards;
        std::uint32_t jokers;
    };
    for (const Case& c : {Case{{4, 13}, 5, 1}, Case{{4, 7}, 6, 2}, Case{{5, 7}, 7, 1}}) {
        const CategoryOrder order = defaultOrder(c.deck, c.cards, c.jokers);
        const OrderPlaces places = placesOf(order);
        JokerReference reference(c.deck);
        for (HandCategory category : order) {
            const JokerExample example =
                exampleJokerHand(category, c.deck, c.cards, c.jokers, order);
            if (!example.occurs()) {
                continue;  // a category no hand counts in under this order
            }
            EXPECT_EQ(example.naturals.size() + example.jokers, c.cards);
            std::uint32_t best = kNoPlace;
            for (std::uint32_t rest = reference.reach(example.naturals, example.jokers); rest != 0;
                 rest &= rest - 1) {
                best = std::min<std::uint32_t>(best, places[std::countr_zero(rest)]);
            }
            EXPECT_EQ(order[best], category) << handText(example.naturals, example.jokers) << " in "
                                             << c.deck.suits << "x" << c.deck.ranks;
        }
    }
}

TEST(JokerExamples, AJokerShowsWhatOnlyAJokerMakes) {
    const Deck deck{4, 13};
    const CategoryOrder order = defaultOrder(deck, 5, 1);
    const JokerExample five = exampleJokerHand(HandCategory::FiveOfAKind, deck, 5, 1, order);
    EXPECT_EQ(handText(five.naturals, five.jokers), "7a 7b 7c 7d Jk");
    // A joker always makes a pair: no hand that holds one counts as no pair.
    EXPECT_EQ(exampleJokerHand(HandCategory::Garbage, deck, 5, 1, order).jokers, 0u);
    // Without jokers four suits have no five of a kind at all.
    EXPECT_FALSE(
        exampleJokerHand(HandCategory::FiveOfAKind, deck, 5, 0, defaultOrder(deck, 5, 0)).occurs());
}

}  // namespace
}  // namespace marvane
