// SPDX-License-Identifier: MIT
#include "engine/reference/best_of_k_reference.h"

#include <bit>

#include "engine/reference/classifier.h"

namespace marvane {

namespace {

class ReferenceCardsRun {
public:
    ReferenceCardsRun(Deck deck, std::uint32_t cards, const CategoryOrder& order,
                      const KCardHandVisitor& visitor)
        : deck_(deck), cards_(cards), places_(placesOf(order)), visitor_(visitor) {}

    CategoryCounts64 run() {
        Hand hand;
        deal(hand, 0);
        return counts_;
    }

private:
    // Extends the hand by every card above its last, up to `cards_` cards.
    void deal(Hand& hand, std::uint32_t firstIndex) {
        if (hand.size() == cards_) {
            // A hand of three or four cards has no five: it is classed as itself.
            const HandCategory category = hand.size() < kHandSize
                                              ? categorizeAsItself(hand, deck_)
                                              : bestOfFives(hand, deck_, places_);
            ++counts_[category];
            if (visitor_) {
                visitor_(hand, category);
            }
            return;
        }
        for (std::uint32_t index = firstIndex; index < deck_.cardCount(); ++index) {
            hand.push_back(Card::fromNumber(index + 1, deck_.suits));
            deal(hand, index + 1);
            hand.pop_back();
        }
    }

    Deck deck_;
    std::uint32_t cards_;
    OrderPlaces places_;
    const KCardHandVisitor& visitor_;
    CategoryCounts64 counts_;
};

}  // namespace

HandCategory bestOfFives(const Hand& hand, Deck deck, const OrderPlaces& places) {
    const std::size_t n = hand.size();
    HandCategory best = HandCategory::Garbage;
    std::uint32_t bestPlace = 0x100;  // worse than any place, kNoPlace included
    Hand five;
    five.reserve(kHandSize);
    // Every five-card subset, as the bit mask of the positions it keeps.
    for (std::uint32_t keep = 0; keep < (1u << n); ++keep) {
        if (std::popcount(keep) != static_cast<int>(kHandSize)) {
            continue;
        }
        five.clear();
        for (std::size_t i = 0; i < n; ++i) {
            if (keep & (1u << i)) {
                five.push_back(hand[i]);
            }
        }
        const HandCategory category = categorize(five, deck);
        if (places[indexOf(category)] < bestPlace) {
            bestPlace = places[indexOf(category)];
            best = category;
        }
    }
    return best;
}

std::optional<CategoryCounts64> enumerateKCardsReference(Deck deck, std::uint32_t cards,
                                                         const CategoryOrder& order,
                                                         const KCardHandVisitor& visitor) {
    if (!deck.isAdmissible() || cards < kMinCards || cards > kMaxCards ||
        orderProblem(deck, cards, order, 0)) {
        return std::nullopt;
    }
    return ReferenceCardsRun(deck, cards, order, visitor).run();
}

}  // namespace marvane
