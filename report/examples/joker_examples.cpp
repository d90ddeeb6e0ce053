// SPDX-License-Identifier: MIT
#include "report/examples/joker_examples.h"

#include <algorithm>
#include <bit>

#include "engine/reference/joker_reference.h"
#include "report/examples/example_hands.h"
#include "report/words/card_notation.h"

namespace marvane {

namespace {

class JokerHandCheck {
public:
    JokerHandCheck(Deck deck, const CategoryOrder& order, HandCategory category)
        : reference_(deck), places_(placesOf(order)), category_(category) {}

    bool countsIn(const Hand& naturals, std::uint32_t jokers) {
        std::uint32_t best = kNoPlace;
        for (std::uint32_t rest = reference_.reach(naturals, jokers); rest != 0; rest &= rest - 1) {
            best = std::min<std::uint32_t>(best, places_[std::countr_zero(rest)]);
        }
        return best == places_[indexOf(category_)];
    }

private:
    JokerReference reference_;
    OrderPlaces places_;
    HandCategory category_;
};

// Adds natural cards from the deck's lowest up while the hand still counts
// in the category; backs up when a card leaves no way on. At most two cards
// are added.
bool extend(Hand& naturals, std::uint32_t size, std::uint32_t jokers, Deck deck,
            JokerHandCheck& check, std::uint32_t from) {
    if (naturals.size() == size) {
        return true;
    }
    for (std::uint32_t number = from; number <= deck.cardCount(); ++number) {
        const Card card = Card::fromNumber(number, deck.suits);
        if (std::find(naturals.begin(), naturals.end(), card) != naturals.end()) {
            continue;
        }
        naturals.push_back(card);
        if (check.countsIn(naturals, jokers) &&
            extend(naturals, size, jokers, deck, check, number + 1)) {
            return true;
        }
        naturals.pop_back();
    }
    return false;
}

// The pattern of the category, five cards or a whole smaller hand, also
// where the deck lacks a card of it (Five of a Kind in four suits) or it
// repeats a card, as cards of any suit number.
Hand patternCards(HandCategory category, std::uint32_t cards) {
    if (cards < kHandSize) {
        return smallHandPattern(category, cards);
    }
    return exampleHand(category, Deck{kMaxSuits, kMaxRanks}).hand;
}

CategoryExample naturalExample(HandCategory category, Deck deck, std::uint32_t cards) {
    return cards < kHandSize ? smallHandExample(category, deck, cards)
                             : exampleHand(category, deck);
}

}  // namespace

JokerExample exampleJokerHand(HandCategory category, Deck deck, std::uint32_t cards,
                              std::uint32_t jokers, const CategoryOrder& order) {
    auto none = [](std::string reason) { return JokerExample{{}, 0, std::move(reason)}; };
    if (!deck.isAdmissible() || cards < kMinCards || cards > kMaxCards || jokers > kMaxJokers ||
        orderProblem(deck, cards, order, jokers)) {
        return none("no example hand was found");
    }
    if (!(reachableCategories(deck, cards, jokers) & (1u << indexOf(category)))) {
        return none(naturalExample(category, deck, cards).reason);
    }
    JokerHandCheck check(deck, order, category);
    if (jokers > 0) {
        // One card of the pattern a joker, the last first: a joker that
        // stands for a card the deck lacks, or any other.
        const Hand pattern = patternCards(category, cards);
        for (std::size_t i = pattern.size(); i-- > 0;) {
            Hand naturals = pattern;
            naturals.erase(naturals.begin() + static_cast<std::ptrdiff_t>(i));
            const bool inDeck = std::all_of(naturals.begin(), naturals.end(), [&](const Card& c) {
                return c.suit < deck.suits && c.rank < deck.ranks;
            });
            if (inDeck && check.countsIn(naturals, 1) &&
                extend(naturals, cards - 1, 1, deck, check, 1)) {
                return {std::move(naturals), 1, {}};
            }
        }
    }
    CategoryExample natural = naturalExample(category, deck, cards);
    if (!natural.occurs()) {
        return none(natural.reason);
    }
    if (!check.countsIn(natural.hand, 0) || !extend(natural.hand, cards, 0, deck, check, 1)) {
        return none("no example hand was found");
    }
    return {std::move(natural.hand), 0, {}};
}

}  // namespace marvane
