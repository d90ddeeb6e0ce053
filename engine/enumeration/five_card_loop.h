// SPDX-License-Identifier: MIT
#pragma once

// The fast enumeration's loop, shared by the single-threaded run and the
// workers of a parallel one. Internal to the engine.
//
// Why it works: a hand's category is categoryOf(rank pattern, suit pattern)
// (rank_pattern.h), where the rank pattern depends only on the multiset of
// its ranks and the suit pattern only on the multiset of its suits. So the
// loop never looks at a hand as a whole; it follows the two multisets of the
// growing hand separately and joins them once per hand.
//
// What the automata hold (pattern_automaton.h): every multiset of up to four
// ranks, and of up to four suits, as a small state number, with a transition
// per card dealt. Ranks arrive in card-number order, so the rank automaton
// only knows ascending multisets. A four-card state plus the fifth symbol
// gives the five cards' pattern; the tables below fold that into one byte
// lookup per hand. Every entry is made by classifying one representative hand
// with the reference classifier, so the loop can't disagree with it.
//
// Why the counters are banked: consecutive hands usually share a category.
// With one table, each increment would wait for the previous one's store to
// the same word; with one bank per fifth suit, neighbouring hands hit
// different words and the same counter comes round only S hands later.
//
// Progress: the loop adds a whole four-card prefix's hands to the counter at
// once, and steps hand by hand only through the prefix where the next tick
// falls. A worker of a parallel run is one such loop over the pieces of the
// first cards it takes, with a state and a callback of its own.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

#include "engine/enumeration/five_card_enumerator.h"
#include "engine/enumeration/five_card_hands.h"
#include "engine/enumeration/pattern_automaton.h"
#include "engine/enumeration/work_split.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/engine_state.h"
#include "engine/vocabulary/hand_category.h"
#include "engine/vocabulary/hand_count.h"
#include "engine/vocabulary/rank_pattern.h"

namespace marvane::fivecardloop {

// A rank code is rank pattern * S, and the category row of a four-suit state
// is addressed by rank code + fifth suit: both in one byte.
static_assert(kRankPatternCount * kMaxSuits <= 0x100,
              "rank code + fifth suit must fit the 8-bit rank codes");
static_assert(kCategoryCount <= 0x100, "categories must fit the 8-bit category table");

// The 32-bit hand counter (and every per-worker count) must hold the largest
// deck's number of hands.
static_assert(choose64(std::uint64_t{kMaxSuits} * kMaxRanks, kHandSize) <=
                  std::numeric_limits<std::uint32_t>::max(),
              "the largest deck's hands must fit the 32-bit hand counter");

// What the loop reads. The hand's category is
//   categories[four-suit state][rank code of the fifth rank + fifth suit],
// where the rank code (rank pattern * S) comes from the four-rank state.
struct LoopTables {
    explicit LoopTables(Deck deck);

    Deck deck;
    PatternAutomaton ranks;
    PatternAutomaton suits;
    std::vector<std::uint8_t> rankCodes;   // [four-rank state * R + fifth rank]
    std::vector<std::uint8_t> categories;  // [four-suit state * 8S + rank code + fifth suit]
};

// Category counters, one bank per fifth suit (see above).
class CounterBanks {
public:
    static constexpr std::size_t kStride = 32;  // a power of two above 17; size_t indexes
    static_assert(kStride >= kCategoryCount, "a bank must hold every category");

    std::uint32_t* bank(std::uint32_t suit) { return &counts_[suit * kStride]; }

    // Adds every bank into the table (wrapping, like all counts) and empties them.
    void drainInto(CategoryCounts& table) {
        for (std::uint32_t suit = 0; suit < kMaxSuits; ++suit) {
            for (std::size_t c = 0; c < kCategoryCount; ++c) {
                table[c] += counts_[suit * kStride + c];
                counts_[suit * kStride + c] = 0;
            }
        }
    }

private:
    alignas(64) std::array<std::uint32_t, kMaxSuits * kStride> counts_{};
};

// Hands from the counter's current value to the next value a tick fires at:
// the next multiple of step, or 0 when the 32-bit counter wraps first (0 is a
// multiple too).
inline std::uint64_t handsToNextTick(std::uint32_t counter, std::uint32_t step) {
    const std::uint64_t next = (std::uint64_t{counter} / step + 1) * step;
    const std::uint64_t wrap = std::uint64_t{1} << 32;
    return (next < wrap ? next : wrap) - counter;
}

struct NoVisitor {
    static constexpr bool kEnabled = false;
    void operator()(const CardNumbers&, HandCategory) const {}
};

struct CallingVisitor {
    static constexpr bool kEnabled = true;
    const FiveCardVisitor& visit;
    void operator()(const CardNumbers& hand, HandCategory category) const { visit(hand, category); }
};

// Five nested loops over card indices 0..N-1 (card number = index + 1), in
// lexicographic order, the first card taken from `firstCards`. S is a
// template parameter so that the innermost loop over the fifth suit unrolls
// completely. Counts into state.enumerated and state.handCounter, calling
// progress where the counter reaches a multiple of state.progressStep (read
// once, at the start), before that hand is counted in the table.
template <std::uint32_t S, class Visitor>
class Loop {
public:
    Loop(const LoopTables& tables, FirstCards firstCards, EngineState& state,
         const ProgressCallback& progress, Visitor visitor)
        : tables_(tables),
          firstCards_(firstCards),
          state_(state),
          progress_(progress),
          visitor_(visitor),
          counter_(state.handCounter),
          step_(state.progressStep) {
        // Without a callback or a step nothing fires: never leave the fast block.
        untilTick_ = (progress_ && step_ != 0) ? handsToNextTick(counter_, step_)
                                               : std::numeric_limits<std::uint64_t>::max();
    }

    void run() {
        const std::uint32_t R = tables_.deck.ranks;
        const std::uint32_t N = S * R;
        const PatternAutomaton& ranks = tables_.ranks;
        const PatternAutomaton& suits = tables_.suits;
        constexpr std::uint16_t start = PatternAutomaton::kStart;
        const FirstCards firstCards = firstCards_;
        for (std::uint32_t c1 = firstCards.begin; c1 < firstCards.end; ++c1) {
            const std::uint16_t rs1 = ranks.next(start, c1 / S);
            const std::uint16_t ss1 = suits.next(start, c1 % S);
            setCard(0, c1);
            for (std::uint32_t c2 = c1 + 1; c2 + 4 <= N; ++c2) {
                const std::uint16_t rs2 = ranks.next(rs1, c2 / S);
                const std::uint16_t ss2 = suits.next(ss1, c2 % S);
                setCard(1, c2);
                for (std::uint32_t c3 = c2 + 1; c3 + 3 <= N; ++c3) {
                    const std::uint16_t rs3 = ranks.next(rs2, c3 / S);
                    const std::uint16_t ss3 = suits.next(ss2, c3 % S);
                    setCard(2, c3);
                    for (std::uint32_t c4 = c3 + 1; c4 + 2 <= N; ++c4) {
                        setCard(3, c4);
                        const std::uint16_t rs4 = ranks.next(rs3, c4 / S);
                        const std::uint16_t ss4 = suits.next(ss3, c4 % S);
                        const std::uint8_t* rankCodes = &tables_.rankCodes[std::size_t{rs4} * R];
                        const std::uint8_t* categories =
                            &tables_.categories[ss4 * kRankPatternCount * S];
                        // The next tick lies beyond this prefix's last hand
                        // unless hands >= untilTick_; only then does the loop
                        // need to watch every hand.
                        const std::uint32_t hands = N - 1 - c4;
                        if (hands < untilTick_) {
                            untilTick_ -= hands;
                            counter_ += hands;
                            fifthCards<false>(c4, rankCodes, categories);
                        } else {
                            fifthCards<true>(c4, rankCodes, categories);
                        }
                    }
                }
            }
        }
        banks_.drainInto(state_.enumerated);
        state_.handCounter = counter_;
    }

private:
    void setCard(std::size_t position, std::uint32_t index) {
        if constexpr (Visitor::kEnabled) {
            hand_[position] = static_cast<std::uint8_t>(index + 1);
        }
    }

    // Every fifth card after c4: the rest of c4's rank, then whole ranks.
    // kWatch: this prefix holds the hand the next tick comes at, so advance
    // the counter hand by hand; otherwise the caller has already advanced it
    // past all of them.
    template <bool kWatch>
    void fifthCards(std::uint32_t c4, const std::uint8_t* rankCodes,
                    const std::uint8_t* categories) {
        const std::uint32_t R = tables_.deck.ranks;
        const std::uint32_t r4 = c4 / S;
        std::uint32_t c5 = c4 + 1;
        const std::uint8_t* row = categories + rankCodes[r4];
        for (std::uint32_t s5 = c4 % S + 1; s5 < S; ++s5, ++c5) {
            countHand<kWatch>(row[s5], s5, c5);
        }
        for (std::uint32_t r5 = r4 + 1; r5 < R; ++r5, c5 += S) {
            row = categories + rankCodes[r5];
#pragma GCC unroll 8
            for (std::uint32_t s5 = 0; s5 < S; ++s5) {
                countHand<kWatch>(row[s5], s5, c5 + s5);
            }
        }
    }

    template <bool kWatch>
    void countHand(std::uint8_t category, std::uint32_t s5, std::uint32_t c5) {
        if constexpr (kWatch) {
            ++counter_;
            if (--untilTick_ == 0) {
                tick();
            }
        }
        ++banks_.bank(s5)[category];
        if constexpr (Visitor::kEnabled) {
            hand_[4] = static_cast<std::uint8_t>(c5 + 1);
            visitor_(hand_, static_cast<HandCategory>(category));
        }
    }

    // The counter has just reached a multiple of the step; the hand that
    // reached it is not counted yet.
    void tick() {
        banks_.drainInto(state_.enumerated);
        state_.handCounter = counter_;
        progress_();
        untilTick_ = handsToNextTick(counter_, step_);
    }

    const LoopTables& tables_;
    FirstCards firstCards_;
    EngineState& state_;
    const ProgressCallback& progress_;
    Visitor visitor_;
    std::uint32_t counter_;
    std::uint32_t step_;
    std::uint64_t untilTick_;
    CardNumbers hand_{};
    CounterBanks banks_;
};

// All first cards of a deck of N cards: those that start at least one hand.
inline FirstCards allFirstCards(Deck deck) {
    return {0, deck.cardCount() - (kHandSize - 1)};
}

// Gives the loop its next first cards (false: none left). A parallel run's
// workers take their ranges from one shared list as they finish the last.
using NextFirstCards = std::function<bool(FirstCards& next)>;

// Builds the tables of an admissible deck and runs the loop over every range
// that `next` gives, in turn, on the one state. One instantiation per
// visitor, shared by every caller, so a parallel run's workers execute the
// very code a single run does; each builds tables of its own (a few
// milliseconds, at the same time as the others).
template <class Visitor>
void runLoop(Deck deck, const NextFirstCards& next, EngineState& state,
             const ProgressCallback& progress, Visitor visitor);

}  // namespace marvane::fivecardloop
