// SPDX-License-Identifier: MIT
#pragma once

// The loop of the enumeration of hands with jokers. Internal to the engine.
//
// A hand with j jokers is its natural part of n = K - j cards and the
// jokers, and which jokers it holds changes nothing, so the loop visits the
// natural parts and counts each C(J, j) times. What a part reaches is the
// union of what each group of g = 5 - j of its cards reaches with j wild
// cards (a five with fewer jokers reaches nothing more: a joker can stand for
// the card it displaces). A hand of three or four cards is classed as
// itself: its one group is the whole part, g = K - j, also without jokers,
// which makes this the loop of those hand sizes. What one group reaches depends on the multiset of
// its ranks (their pattern, and whether distinct ranks fit inside one
// straight) and on the multiset of its suits (one suit, all different, or
// neither), so the loop follows the two multisets of every group of the
// growing part, and one table per deck, order and j gives a group's best
// place from the two. Its entries are found by replacing the wild cards of
// one representative group by every card of the deck in turn and
// classifying each five with the reference classifier.

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/vocabulary/category_order.h"
#include "engine/vocabulary/deck.h"

namespace marvane::jokerloop {

// Multisets of up to four symbols as state numbers, with a transition per
// symbol added: in ascending order (the ranks of cards dealt by number) or
// in any order (their suits).
class MultisetStates {
public:
    static constexpr std::uint16_t kEmpty = 0;
    static constexpr std::uint16_t kNone = 0xFFFF;  // too many of a symbol, or out of order
    static constexpr std::uint32_t kMaxSize = 4;

    MultisetStates(std::uint32_t alphabet, std::uint32_t maxRepeats, bool ascending);

    std::uint16_t next(std::uint16_t state, std::uint32_t symbol) const {
        return next_[std::size_t{state} * alphabet_ + symbol];
    }
    // The state's symbols in ascending order.
    const std::vector<std::uint8_t>& symbols(std::size_t state) const { return symbols_[state]; }
    std::size_t count() const { return symbols_.size(); }

private:
    std::uint32_t alphabet_;
    std::vector<std::uint16_t> next_;
    std::vector<std::vector<std::uint8_t>> symbols_;
};

struct JokerTables {
    // For hands of `cards` cards with `wilds` of the jokers. Throws
    // std::invalid_argument unless a group has 1 to 4 cards (wilds <=
    // kMaxJokers, and a hand of five or more holds a joker).
    JokerTables(Deck deck, std::uint32_t cards, std::uint32_t wilds, const CategoryOrder& order);

    static constexpr std::uint32_t kSuitCodes = 4;  // one suit, all different, neither, one card

    Deck deck;
    std::uint32_t classed;    // the cards a category is made of: the hand up to five
    std::uint32_t groupSize;  // classed - wilds
    MultisetStates ranks;
    MultisetStates suits;
    // [state * R + rank]: the rank code of the state plus that rank, for
    // states one short of a group.
    std::vector<std::uint8_t> rankCodeAfter;
    // [state * S + suit]: the suit code likewise.
    std::vector<std::uint8_t> suitCodeAfter;
    // [rank code * kSuitCodes + suit code]: the best place the group reaches.
    std::vector<std::uint8_t> places;
    std::uint32_t rankCodeCount = 0;

    // [(rank code * suits.count() + suit state) * kBlock + suit]: the place of
    // a group that is a subset with that suit state plus a card of that suit,
    // when its ranks have that rank code; kNoPlace past the deck's suits. A
    // part's last card then takes the places of all its suits at once.
    static constexpr std::uint32_t kBlock = 16;
    std::vector<std::uint8_t> blocks;

    // A part that is one whole group (hands of three or four cards, and five
    // with jokers) takes its last card in bulk: the ranks above its others'
    // highest that give each rank code, and the places of each suit of it.
    struct Tally {
        std::uint8_t value;
        std::uint8_t times;
    };
    // [rank state]: for the states one short of a group, the rank codes of
    // adding each rank above the state's highest, each with how many ranks
    // give it.
    std::vector<std::vector<Tally>> higherRanks;
    // [rank code * suits.count() + suit state]: the places of the group
    // that state plus a card of each suit of the deck makes, each with how
    // many suits give it (at most three places: one suit, all different,
    // neither).
    std::vector<std::vector<Tally>> suitPlaces;
};

// Per place, the natural parts counted, one bank per last suit so that
// neighbouring parts don't wait on the same counter.
struct PartCounts {
    std::array<std::array<std::uint64_t, 32>, kMaxSuits> banks{};
};

// Runs every natural part of n cards whose lowest card index is `first`;
// after each subtree of a few fixed cards calls report(parts in it), and
// stops early when that gives false. Returns false when stopped. `seen`, when
// given, receives every part's card indices (ascending) and place.
using PartsDone = std::function<bool(std::uint64_t parts)>;
using PartSeen =
    std::function<void(const std::array<std::uint8_t, 8>& indices, std::uint8_t place)>;
bool runFirstCard(const JokerTables& tables, std::uint32_t n, std::uint32_t first,
                  PartCounts& counts, const PartsDone& report, const PartSeen* seen);

}  // namespace marvane::jokerloop
