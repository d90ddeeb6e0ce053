// SPDX-License-Identifier: MIT
#include "report/examples/example_hands.h"

#include <array>

#include "engine/reference/best_of_k_reference.h"
#include "engine/reference/classifier.h"
#include "engine/vocabulary/suit_pattern.h"
#include "engine/vocabulary/wide_counts.h"

namespace marvane {

namespace {

// Cards written as the user reads them: rank from 1, suit index from 0 (a).
struct CardPattern {
    std::uint32_t rank;
    std::uint32_t suit;
};
using HandPattern = std::array<CardPattern, kHandSize>;

// One hand per category, by index, using ranks 2 to 7 only so that every
// admissible deck holds it. Paired hands lead with the larger group.
constexpr std::array<HandPattern, kCategoryCount> kPatterns = {{
    {{{7, 0}, {7, 1}, {7, 2}, {7, 3}, {7, 4}}},  // Five of a Kind
    {{{7, 0}, {7, 1}, {7, 2}, {7, 3}, {4, 4}}},  // Rainbow 4 of a Kind
    {{{7, 0}, {7, 1}, {7, 2}, {7, 3}, {4, 0}}},  // Hypochromatic 4 of a Kind
    {{{7, 0}, {7, 1}, {7, 2}, {4, 3}, {4, 4}}},  // Rainbow Full House
    {{{7, 0}, {7, 1}, {7, 2}, {4, 0}, {4, 1}}},  // Hypochromatic Full House
    {{{7, 0}, {7, 1}, {7, 2}, {4, 3}, {2, 4}}},  // Rainbow 3 of a Kind
    {{{7, 0}, {7, 1}, {7, 2}, {4, 0}, {2, 3}}},  // Hypochromatic 3 of a Kind
    {{{7, 0}, {7, 1}, {4, 2}, {4, 3}, {2, 4}}},  // Rainbow 2 Pair
    {{{7, 0}, {7, 1}, {4, 2}, {4, 3}, {2, 0}}},  // Hypochromatic 2 Pair
    {{{7, 0}, {7, 1}, {5, 2}, {4, 3}, {2, 4}}},  // Rainbow 1 Pair
    {{{7, 0}, {7, 1}, {5, 0}, {4, 2}, {2, 3}}},  // Hypochromatic 1 Pair
    {{{7, 0}, {6, 0}, {5, 0}, {4, 0}, {3, 0}}},  // Straight Flush
    {{{7, 0}, {6, 0}, {5, 0}, {3, 0}, {2, 0}}},  // Flush
    {{{7, 0}, {6, 1}, {5, 2}, {4, 3}, {3, 4}}},  // Rainbow Straight
    {{{7, 0}, {6, 1}, {5, 2}, {4, 3}, {3, 0}}},  // Hypochromatic Straight
    {{{7, 0}, {6, 1}, {5, 2}, {3, 3}, {2, 4}}},  // Rainbow
    {{{7, 0}, {6, 1}, {5, 2}, {3, 3}, {2, 0}}},  // Garbage
}};

// Hands of four cards, classed as themselves, and of three: their first
// three cards, where those still make the category. None where four cards
// can't make it (five of a kind, full houses), nor where only a joker that
// repeats a card can (Hypochromatic 4 of a Kind).
using SmallPattern = std::array<CardPattern, 4>;
constexpr SmallPattern kNoSmallPattern{};
constexpr std::array<SmallPattern, kCategoryCount> kSmallPatterns = {{
    kNoSmallPattern,                     // Five of a Kind
    {{{7, 0}, {7, 1}, {7, 2}, {7, 3}}},  // Rainbow 4 of a Kind
    {{{7, 0}, {7, 1}, {7, 2}, {7, 0}}},  // Hypochromatic 4 of a Kind, with a joker
    kNoSmallPattern,                     // Rainbow Full House
    kNoSmallPattern,                     // Hypochromatic Full House
    {{{7, 0}, {7, 1}, {7, 2}, {4, 3}}},  // Rainbow 3 of a Kind
    {{{7, 0}, {7, 1}, {7, 2}, {4, 0}}},  // Hypochromatic 3 of a Kind
    {{{7, 0}, {7, 1}, {4, 2}, {4, 3}}},  // Rainbow 2 Pair
    {{{7, 0}, {7, 1}, {4, 0}, {4, 2}}},  // Hypochromatic 2 Pair
    {{{7, 0}, {7, 1}, {5, 2}, {4, 3}}},  // Rainbow 1 Pair
    {{{7, 0}, {7, 1}, {5, 0}, {4, 2}}},  // Hypochromatic 1 Pair
    {{{7, 0}, {6, 0}, {5, 0}, {4, 0}}},  // Straight Flush
    {{{7, 0}, {6, 0}, {4, 0}, {3, 0}}},  // Flush
    {{{7, 0}, {6, 1}, {5, 2}, {4, 3}}},  // Rainbow Straight
    {{{7, 0}, {6, 1}, {5, 0}, {4, 2}}},  // Hypochromatic Straight
    {{{7, 0}, {6, 1}, {4, 2}, {3, 3}}},  // Rainbow
    {{{7, 0}, {6, 1}, {4, 0}, {3, 2}}},  // Garbage
}};

// Five of a Kind and the Rainbow categories take five different suits.
bool needsFiveSuits(HandCategory category) {
    return suitPattern(category) == SuitPattern::Rainbow;
}

CategoryExample noExample(std::string reason) {
    return CategoryExample{Hand(), std::move(reason)};
}

}  // namespace

CategoryExample exampleHand(HandCategory category, Deck deck) {
    const std::size_t index = indexOf(category);
    if (index >= kCategoryCount) {
        return noExample("not a hand category");
    }
    if (!deck.isAdmissible()) {
        return noExample("the deck must have 4 to 8 suits and 7 to 20 ranks");
    }
    if (deck.suits < kHandSize && needsFiveSuits(category)) {
        return noExample(category == HandCategory::FiveOfAKind
                             ? "needs at least 5 suits, since a rank has one card in each suit"
                             : "needs at least 5 suits, one for each card");
    }

    Hand hand;
    for (const CardPattern& card : kPatterns[index]) {
        hand.emplace_back(card.rank - 1, card.suit);
    }
    // The patterns are chosen to fit; the classifier has the last word.
    if (categorize(hand, deck) != category) {
        return noExample("no example hand was found");
    }
    return CategoryExample{std::move(hand), {}};
}

namespace {

bool holds(const Hand& hand, const Card& card) {
    for (const Card& held : hand) {
        if (held == card) {
            return true;
        }
    }
    return false;
}

// Adds cards one at a time, each from the deck's lowest card up, as long as
// the category stays the best; backs up when a card leaves no way on. At
// most two cards are added, so this visits at most C(S*R, 2) hands.
bool extend(Hand& hand, std::uint32_t cards, HandCategory category, Deck deck,
            const OrderPlaces& places, std::uint32_t from) {
    if (hand.size() == cards) {
        return true;
    }
    for (std::uint32_t number = from; number <= deck.cardCount(); ++number) {
        const Card card = Card::fromNumber(number, deck.suits);
        if (holds(hand, card)) {
            continue;
        }
        hand.push_back(card);
        if (bestOfFives(hand, deck, places) == category &&
            extend(hand, cards, category, deck, places, number + 1)) {
            return true;
        }
        hand.pop_back();
    }
    return false;
}

}  // namespace

Hand smallHandPattern(HandCategory category, std::uint32_t cards) {
    const std::size_t index = indexOf(category);
    Hand hand;
    if (index >= kCategoryCount || kSmallPatterns[index][0].rank == 0) {
        return hand;
    }
    for (std::uint32_t i = 0; i < cards && i < 4; ++i) {
        hand.emplace_back(kSmallPatterns[index][i].rank - 1, kSmallPatterns[index][i].suit);
    }
    return hand;
}

CategoryExample smallHandExample(HandCategory category, Deck deck, std::uint32_t cards) {
    if (indexOf(category) >= kCategoryCount) {
        return noExample("not a hand category");
    }
    if (!deck.isAdmissible()) {
        return noExample("the deck must have 4 to 8 suits and 7 to 20 ranks");
    }
    Hand hand = smallHandPattern(category, cards);
    if (hand.empty() || cards < 3 || cards > 4) {
        return noExample("a hand of three or four cards never has it");
    }
    // Its cards are all different; the classifier has the last word.
    for (std::size_t i = 0; i < hand.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (hand[i] == hand[j]) {
                return noExample("only a joker that repeats a card makes it");
            }
        }
    }
    if (categorizeAsItself(hand, deck) != category) {
        return noExample(cards == 3 ? "a hand of three cards never has it"
                                    : "no example hand was found");
    }
    return CategoryExample{std::move(hand), {}};
}

CategoryExample exampleHand(HandCategory category, Deck deck, std::uint32_t cards,
                            const CategoryOrder& order) {
    if (cards < kHandSize) {
        // Classed as itself: the order changes nothing.
        return smallHandExample(category, deck, cards);
    }
    CategoryExample example = exampleHand(category, deck);
    if (!example.occurs() || cards <= kHandSize) {
        return example;
    }
    if (cards > kMaxCards || orderProblem(deck, cards, order, 0)) {
        return noExample("no example hand was found");
    }
    const OrderPlaces places = placesOf(order);
    if (places[indexOf(category)] == kNoPlace) {
        return noExample("no example hand was found");
    }
    if (!extend(example.hand, cards, category, deck, places, 1)) {
        return noExample("no example hand was found");
    }
    return example;
}

}  // namespace marvane
