// SPDX-License-Identifier: MIT
#include "engine/reference/joker_reference.h"

#include <algorithm>
#include <bit>

#include "engine/reference/classifier.h"

namespace marvane {

namespace {

// Calls visit(part) for every set of n cards of the deck, in lexicographic
// order of card numbers.
template <class Visit>
void forEachNaturalPart(Deck deck, std::uint32_t n, const Visit& visit) {
    Hand part;
    auto deal = [&](auto& self, std::uint32_t firstIndex) -> void {
        if (part.size() == n) {
            visit(static_cast<const Hand&>(part));
            return;
        }
        for (std::uint32_t index = firstIndex; index < deck.cardCount(); ++index) {
            part.push_back(Card::fromNumber(index + 1, deck.suits));
            self(self, index + 1);
            part.pop_back();
        }
    };
    deal(deal, 0);
}

bool admissible(Deck deck, std::uint32_t cards, std::uint32_t jokers) {
    return deck.isAdmissible() && cards >= kReferenceMinCards && cards <= kReferenceMaxCards &&
           jokers <= kMaxJokers;
}

// Five cards go by the classifier; fewer are a whole hand, classed as itself.
HandCategory categoryOfGroup(const Hand& group, Deck deck) {
    return group.size() == kHandSize ? categorize(group, deck) : categorizeAsItself(group, deck);
}

// Calls visit(part, j) for every natural part of every hand, fewest jokers first.
template <class Visit>
void forEachHandPart(Deck deck, std::uint32_t cards, std::uint32_t jokers, const Visit& visit) {
    for (std::uint32_t j = 0; j <= jokers && j <= cards; ++j) {
        forEachNaturalPart(deck, cards - j, [&](const Hand& part) { visit(part, j); });
    }
}

}  // namespace

std::uint32_t JokerReference::groupReach(const Hand& cards, std::uint32_t wilds) {
    if (wilds == 0) {
        return 1u << indexOf(categoryOfGroup(cards, deck_));  // too many to remember
    }
    std::uint64_t key = wilds;
    for (const Card& card : cards) {
        key = (key << 8) | card.number(deck_.suits);
    }
    if (const auto known = fives_.find(key); known != fives_.end()) {
        return known->second;
    }
    std::uint32_t reached = 0;
    Hand five = cards;
    // Every multiset of `wilds` cards of the deck, as ascending card numbers.
    auto replace = [&](auto& self, std::uint32_t left, std::uint32_t firstNumber) -> void {
        if (left == 0) {
            reached |= 1u << indexOf(categoryOfGroup(five, deck_));
            return;
        }
        for (std::uint32_t number = firstNumber; number <= deck_.cardCount(); ++number) {
            five.push_back(Card::fromNumber(number, deck_.suits));
            self(self, left - 1, number);
            five.pop_back();
        }
    };
    replace(replace, wilds, 1);
    fives_.emplace(key, reached);
    return reached;
}

std::uint32_t JokerReference::reach(const Hand& naturals, std::uint32_t jokers) {
    const std::uint32_t n = static_cast<std::uint32_t>(naturals.size());
    // A hand of fewer than five cards is one group: all of it.
    const std::uint32_t groupSize = std::min(n + jokers, kHandSize);
    std::uint32_t reached = 0;
    Hand chosen;
    // Every group: `wilds` of the jokers and the rest of the natural cards.
    for (std::uint32_t wilds = 0; wilds <= jokers && wilds <= groupSize; ++wilds) {
        const std::uint32_t taken = groupSize - wilds;
        for (std::uint32_t keep = 0; keep < (1u << n); ++keep) {
            if (static_cast<std::uint32_t>(std::popcount(keep)) != taken) {
                continue;
            }
            chosen.clear();
            for (std::uint32_t i = 0; i < n; ++i) {
                if (keep & (1u << i)) {
                    chosen.push_back(naturals[i]);
                }
            }
            reached |= groupReach(chosen, wilds);
        }
    }
    return reached;
}

std::optional<CategoryCounts64> enumerateJokersReference(Deck deck, std::uint32_t cards,
                                                         std::uint32_t jokers,
                                                         const CategoryOrder& order,
                                                         const JokerHandVisitor& visitor) {
    if (!admissible(deck, cards, jokers) || orderProblem(deck, cards, order, jokers)) {
        return std::nullopt;
    }
    const OrderPlaces places = placesOf(order);
    JokerReference reference(deck);
    CategoryCounts64 counts;
    bool unranked = false;
    forEachHandPart(deck, cards, jokers, [&](const Hand& part, std::uint32_t j) {
        const std::uint32_t reached = reference.reach(part, j);
        std::uint32_t bestPlace = kNoPlace;
        for (std::uint32_t rest = reached; rest != 0; rest &= rest - 1) {
            bestPlace = std::min<std::uint32_t>(bestPlace, places[std::countr_zero(rest)]);
        }
        if (bestPlace == kNoPlace) {
            unranked = true;  // the order leaves out every category it reaches
            return;
        }
        const HandCategory best = order[bestPlace];
        counts[best] += choose64(jokers, j);
        if (visitor) {
            visitor(part, j, best);
        }
    });
    if (unranked) {
        return std::nullopt;
    }
    return counts;
}

std::map<std::uint32_t, std::uint64_t> jokerCategorySetsReference(Deck deck, std::uint32_t cards,
                                                                  std::uint32_t jokers) {
    std::map<std::uint32_t, std::uint64_t> sets;
    if (!admissible(deck, cards, jokers)) {
        return sets;
    }
    JokerReference reference(deck);
    forEachHandPart(deck, cards, jokers, [&](const Hand& part, std::uint32_t j) {
        sets[reference.reach(part, j)] += choose64(jokers, j);
    });
    return sets;
}

}  // namespace marvane
