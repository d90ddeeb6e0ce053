// SPDX-License-Identifier: MIT
#pragma once

// The loop of the K-card enumeration. Internal to the engine.
//
// A hand's category is the best among its fives'. The loop deals the first
// K - 1 cards in nested loops and keeps, for the hand dealt so far, the best
// place its own fives reach and the rank and suit automaton states
// (pattern_automaton.h) of every four of its cards, each built from a three
// of the level before. A four's states address a row of places, one per
// suit of a fifth card of a given rank, so the last card's loop takes, rank
// by rank, the bytewise minimum of the rows of the prefix's fours: one load
// and one minimum per four for all S suits at once.

#include <array>
#include <cstdint>
#include <vector>

#include "engine/category_order.h"
#include "engine/deck.h"
#include "engine/fast_loop.h"

namespace marvane::cardsloop {

// The five-card tables with every category replaced by its place in the order.
struct PlaceTables {
    PlaceTables(Deck deck, const CategoryOrder& order);

    fastloop::LoopTables five;
    // [four-suit state * 8S + rank code + fifth suit], padded so that eight
    // bytes can be read from any entry.
    std::vector<std::uint8_t> places;
};

// Per category place: hands counted, one bank per last suit so that
// neighbouring hands don't wait on the same counter.
struct PlaceCounts {
    std::array<std::array<std::uint64_t, 32>, kMaxSuits> banks{};
};

// Hands of `cards` cards whose lowest card index is `first`, in a deck of n cards.
std::uint64_t handsFrom(std::uint32_t n, std::uint32_t cards, std::uint32_t first);

// Runs every hand whose first card is `first`; after each subtree of three
// fixed cards calls report(hands in it), and stops early when that gives
// false. Returns false when stopped.
using SubtreeDone = std::function<bool(std::uint64_t hands)>;
using HandSeen =
    std::function<void(const std::array<std::uint8_t, 7>& indices, std::uint8_t place)>;
bool runFirstCard(const PlaceTables& tables, std::uint32_t cards, std::uint32_t first,
                  PlaceCounts& counts, const SubtreeDone& report, const HandSeen* seen);

}  // namespace marvane::cardsloop
