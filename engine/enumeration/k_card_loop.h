// SPDX-License-Identifier: MIT
#pragma once

// The loop of the K-card enumeration. Internal to the engine.
//
// A hand's category is the best among its fives'. The loop deals the first
// K - 2 cards (the prefix) in nested loops and keeps, for the prefix, the
// best place its own fives reach and the rank and suit automaton states
// (pattern_automaton.h) of every three and four of its cards, each built from
// a subset of the level before. The last two cards, c6 < c7 say, then split
// the hand's fives three ways:
//   - the prefix's own fives: one place for the whole prefix;
//   - a four of the prefix plus c6 or plus c7: a place per last card,
//     tabulated once per prefix for every card after it;
//   - a three of the prefix plus c6 and c7: for each three and each pair of
//     ranks (r6, r7), the places of all S x S suit pairs are one block of a
//     table made per deck and order, picked by the three's suit state and the
//     rank pattern of its ranks plus r6 and r7. The bytewise minimum of the
//     threes' blocks gives every suit pair of the two ranks at once.
// A hand's place is then the minimum of three bytes, counted per place.
//
// When every three of the prefix has blocks of one place each (no flush and
// no rainbow can come of it with two more cards), so has every four (its
// row of places is a row of its threes' blocks) and every five of the
// prefix: the suits of the last two cards change nothing, and each pair of
// ranks has one place, counted once for all its hands. If all such
// three-states share their blocks, those places depend on the prefix's ranks
// alone, so they are kept for every such prefix with the same ranks.

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/enumeration/five_card_loop.h"
#include "engine/vocabulary/category_order.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/hand_count.h"

namespace marvane::kcardloop {

// The five-card tables with every category replaced by its place in the order.
struct PlaceTables {
    PlaceTables(Deck deck, const CategoryOrder& order);

    // Bytes of one block of `pairs`: S x S places, rounded up to 16.
    static constexpr std::uint32_t blockBytes(std::uint32_t suits) {
        return (suits * suits + 15) / 16 * 16;
    }

    fivecardloop::LoopTables five;
    // [four-suit state * 8S + rank code + fifth suit], padded so that eight
    // bytes can be read from any entry.
    std::vector<std::uint8_t> places;
    // [(three-suit state * 8 + rank pattern) * blockBytes(S) + s6 * S + s7]:
    // the place of three cards with that suit state plus suits s6 and s7,
    // when the five's ranks have that pattern. Unused bytes hold kNoPlace.
    std::vector<std::uint8_t> pairs;
    // [three-suit state]: 1 when each of its blocks holds one place only.
    std::vector<std::uint8_t> suitBlind;
    // Every blind three-state's blocks are the same: the places of a hand
    // whose prefix is suit-blind depend on its ranks alone.
    bool ranksDecideBlind = false;
};

// Per category place: hands counted, one bank per last suit so that
// neighbouring hands don't wait on the same counter.
struct PlaceCounts {
    std::array<std::array<std::uint64_t, 32>, kMaxSuits> banks{};
};

// Runs every hand of five to eight cards whose first card is `first`; after
// each subtree of four fixed cards (three for hands of five) calls
// report(hands in it), and stops early when that gives false. Returns false
// when stopped.
using SubtreeDone = std::function<bool(std::uint64_t hands)>;
using HandSeen =
    std::function<void(const std::array<std::uint8_t, kMaxCards>& indices, std::uint8_t place)>;
bool runFirstCard(const PlaceTables& tables, std::uint32_t cards, std::uint32_t first,
                  PlaceCounts& counts, const SubtreeDone& report, const HandSeen* seen);

}  // namespace marvane::kcardloop
