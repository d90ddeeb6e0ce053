// SPDX-License-Identifier: MIT
#include "engine/enumeration/pattern_automaton.h"

#include <algorithm>
#include <unordered_map>

#include "engine/reference/classifier.h"
#include "engine/vocabulary/rank_pattern.h"
#include "engine/vocabulary/suit_pattern.h"

namespace marvane {

namespace {

using Symbols = std::vector<std::uint8_t>;  // ascending

// A multiset of up to four symbols below 31 as one number: five bits per
// symbol, offset by one so that the size is part of the key.
constexpr std::uint32_t kKeyBits = 5;
static_assert(PatternAutomaton::kMaxAlphabet < (1u << kKeyBits),
              "symbol + 1 must fit the key's 5-bit fields: widen kKeyBits");
static_assert((kHandSize - 1) * kKeyBits <= 32, "four symbols' keys must fit 32 bits");

std::uint32_t keyOf(const Symbols& symbols) {
    std::uint32_t key = 0;
    for (std::uint8_t s : symbols) {
        key = key << kKeyBits | (s + 1u);
    }
    return key;
}

Symbols with(Symbols symbols, std::uint8_t symbol) {
    symbols.insert(std::upper_bound(symbols.begin(), symbols.end(), symbol), symbol);
    return symbols;
}

bool canAdd(const Symbols& symbols, std::uint8_t symbol, bool ascending, std::uint32_t maxRepeats) {
    if (ascending && !symbols.empty() && symbol < symbols.back()) {
        return false;
    }
    return static_cast<std::uint32_t>(std::count(symbols.begin(), symbols.end(), symbol)) <
           maxRepeats;
}

// Multisets of `size` symbols from `alphabet`: C(alphabet + size - 1, size).
constexpr std::uint64_t multisets(std::uint64_t alphabet, std::uint64_t size) {
    std::uint64_t count = 1;
    for (std::uint64_t i = 1; i <= size; ++i) {
        count = count * (alphabet + i - 1) / i;  // exact: a binomial at every step
    }
    return count;
}

// State ids are 16 bits with kNone reserved: the states of 0..3 symbols share
// one numbering, the four-symbol states have their own.
static_assert(multisets(PatternAutomaton::kMaxAlphabet, 0) +
                      multisets(PatternAutomaton::kMaxAlphabet, 1) +
                      multisets(PatternAutomaton::kMaxAlphabet, 2) +
                      multisets(PatternAutomaton::kMaxAlphabet, 3) <
                  PatternAutomaton::kNone,
              "states of up to three symbols must have 16-bit ids below kNone");
static_assert(multisets(PatternAutomaton::kMaxAlphabet, 4) < PatternAutomaton::kNone,
              "four-symbol states must have 16-bit ids below kNone");
// Patterns are 8 bits with kNoPattern reserved.
static_assert(kRankPatternCount <= PatternAutomaton::kNoPattern &&
                  kSuitPatternCount <= PatternAutomaton::kNoPattern,
              "patterns must be 8-bit values below kNoPattern");

}  // namespace

PatternAutomaton::PatternAutomaton(std::uint32_t alphabet, bool ascending, std::uint32_t maxRepeats,
                                   const PatternOfFive& patternOf)
    : alphabet_(alphabet) {
    std::vector<Symbols> states{Symbols{}};  // states of 0..3 symbols, by number
    std::vector<Symbols> fours;              // four-symbol states, by number
    std::size_t levelBegin = 0;
    for (std::size_t size = 0; size < kHandSize - 1; ++size) {
        const std::size_t levelEnd = states.size();
        std::unordered_map<std::uint32_t, std::uint16_t> children;
        next_.resize(levelEnd * alphabet_, kNone);
        for (std::size_t id = levelBegin; id < levelEnd; ++id) {
            for (std::uint32_t symbol = 0; symbol < alphabet_; ++symbol) {
                const Symbols& from = states[id];  // re-read: states may have grown
                if (!canAdd(from, static_cast<std::uint8_t>(symbol), ascending, maxRepeats)) {
                    continue;
                }
                Symbols child = with(from, static_cast<std::uint8_t>(symbol));
                std::vector<Symbols>& level = child.size() < kHandSize - 1 ? states : fours;
                auto [it, added] =
                    children.try_emplace(keyOf(child), static_cast<std::uint16_t>(level.size()));
                if (added) {
                    level.push_back(std::move(child));
                }
                next_[id * alphabet_ + symbol] = it->second;
            }
        }
        levelBegin = levelEnd;
    }

    fourStateCount_ = static_cast<std::uint32_t>(fours.size());
    patterns_.assign(fours.size() * alphabet_, kNoPattern);
    for (std::size_t id = 0; id < fours.size(); ++id) {
        for (std::uint32_t symbol = 0; symbol < alphabet_; ++symbol) {
            if (canAdd(fours[id], static_cast<std::uint8_t>(symbol), ascending, maxRepeats)) {
                const Symbols five = with(fours[id], static_cast<std::uint8_t>(symbol));
                Five sorted;
                std::copy(five.begin(), five.end(), sorted.begin());
                patterns_[id * alphabet_ + symbol] = patternOf(sorted);
            }
        }
    }
}

PatternAutomaton rankAutomaton(Deck deck) {
    // Any valid hand with these ranks will do: the rank pattern doesn't
    // depend on the suits. Equal ranks take suits 0, 1, 2, ...
    auto patternOf = [deck](const PatternAutomaton::Five& ranks) {
        Hand hand;
        std::uint32_t suit = 0;
        for (std::size_t i = 0; i < ranks.size(); ++i) {
            suit = (i > 0 && ranks[i] == ranks[i - 1]) ? suit + 1 : 0;
            hand.emplace_back(ranks[i], suit);
        }
        return static_cast<std::uint8_t>(rankPatternOf(categorize(hand, deck)));
    };
    return PatternAutomaton(deck.ranks, true, deck.suits, patternOf);
}

PatternAutomaton suitAutomaton(Deck deck) {
    // Five distinct ranks, so that the category tells flush and rainbow.
    auto patternOf = [deck](const PatternAutomaton::Five& suits) {
        Hand hand;
        for (std::size_t i = 0; i < suits.size(); ++i) {
            hand.emplace_back(static_cast<std::uint32_t>(i), suits[i]);
        }
        return static_cast<std::uint8_t>(suitPattern(categorize(hand, deck)));
    };
    return PatternAutomaton(deck.suits, false, kHandSize, patternOf);
}

}  // namespace marvane
