// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/vocabulary/deck.h"

namespace marvane {

// Follows the multiset of one attribute (the ranks, or the suits) of a hand
// as its cards are dealt one by one. States stand for multisets of up to four
// symbols; the state of four symbols gives, for every possible fifth symbol,
// the pattern of the five. Symbols are 0 .. alphabet - 1, at most
// kMaxAlphabet of them.
class PatternAutomaton {
public:
    using Five = std::array<std::uint8_t, kHandSize>;
    // The pattern of five symbols, given in ascending order.
    using PatternOfFive = std::function<std::uint8_t(const Five& symbols)>;

    static constexpr std::uint16_t kStart = 0;        // no symbols yet
    static constexpr std::uint16_t kNone = 0xFFFF;    // a multiset that can't occur
    static constexpr std::uint8_t kNoPattern = 0xFF;  // a fifth symbol that can't occur
    // Symbols are ranks or suits: the larger of the two alphabets.
    static constexpr std::uint32_t kMaxAlphabet = kMaxRanks > kMaxSuits ? kMaxRanks : kMaxSuits;

    // ascending: symbols arrive in non-decreasing order (ranks of a hand dealt
    // by card number); otherwise in any order. maxRepeats: how often one
    // symbol can occur in a hand.
    PatternAutomaton(std::uint32_t alphabet, bool ascending, std::uint32_t maxRepeats,
                     const PatternOfFive& patternOf);

    // From a state of 0..2 symbols: the state with one more symbol. From a
    // state of 3 symbols: the number of the four-symbol state, which
    // addresses patternAfter. kNone where the multiset can't occur.
    std::uint16_t next(std::uint16_t state, std::uint32_t symbol) const {
        return next_[state * alphabet_ + symbol];
    }

    // The pattern of a four-symbol state plus one more symbol.
    std::uint8_t patternAfter(std::uint16_t fourState, std::uint32_t symbol) const {
        return patterns_[fourState * alphabet_ + symbol];
    }
    std::uint32_t fourStateCount() const { return fourStateCount_; }

private:
    std::uint32_t alphabet_;
    std::uint32_t fourStateCount_ = 0;
    std::vector<std::uint16_t> next_;     // [state * alphabet + symbol]
    std::vector<std::uint8_t> patterns_;  // [four-symbol state * alphabet + symbol]
};

// The ranks of hands dealt in card-number order; patterns are RankPattern
// values, found by classifying one representative hand per rank multiset.
PatternAutomaton rankAutomaton(Deck deck);

// The suits of hands in any order; patterns are SuitPattern values, found by
// classifying one representative hand per suit multiset.
PatternAutomaton suitAutomaton(Deck deck);

}  // namespace marvane
