#include "fast_enumerator.h"

#include <limits>
#include <vector>

#include "hand_patterns.h"
#include "pattern_automaton.h"

namespace marvane {

namespace {

// What the loop reads. The hand's category is
//   categories[four-suit state][rank code of the fifth rank + fifth suit],
// where the rank code (rank pattern * S) comes from the four-rank state.
struct LoopTables {
    explicit LoopTables(Deck deck)
        : deck(deck), ranks(rankAutomaton(deck)), suits(suitAutomaton(deck)) {
        const std::uint32_t S = deck.suits;
        const std::uint32_t R = deck.ranks;
        rankCodes.assign(ranks.fourStateCount() * R, 0);
        for (std::uint32_t state = 0; state < ranks.fourStateCount(); ++state) {
            for (std::uint32_t rank = 0; rank < R; ++rank) {
                const std::uint8_t pattern = ranks.patternAfter(state, rank);
                // A fifth rank the state can't take never reaches the loop.
                rankCodes[state * R + rank] =
                    pattern == PatternAutomaton::kNoPattern ? 0 : pattern * S;
            }
        }
        categories.assign(suits.fourStateCount() * kRankPatternCount * S, 0);
        for (std::uint32_t state = 0; state < suits.fourStateCount(); ++state) {
            std::uint8_t* block = &categories[state * kRankPatternCount * S];
            for (std::uint32_t rp = 0; rp < kRankPatternCount; ++rp) {
                for (std::uint32_t suit = 0; suit < S; ++suit) {
                    const auto sp = static_cast<SuitPattern>(suits.patternAfter(state, suit));
                    block[rp * S + suit] = static_cast<std::uint8_t>(
                        indexOf(categoryOf(static_cast<RankPattern>(rp), sp)));
                }
            }
        }
    }

    Deck deck;
    PatternAutomaton ranks;
    PatternAutomaton suits;
    std::vector<std::uint8_t> rankCodes;   // [four-rank state * R + fifth rank]
    std::vector<std::uint8_t> categories;  // [four-suit state * 8S + rank code + fifth suit]
};

// Category counters, one bank per fifth suit. Hands in a row differ in their
// fifth suit, so no increment waits for the one before it to reach memory;
// the same counter comes round again only S hands later.
class CounterBanks {
public:
    static constexpr std::uint32_t kStride = 32;  // a power of two above 17

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

// Hands from the counter's current value to the next value the progress
// callback fires at: the next multiple of step, or 0 when the 32-bit counter
// wraps first (0 is a multiple too).
std::uint64_t handsToNextTick(std::uint32_t counter, std::uint32_t step) {
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
    const FastHandVisitor& visit;
    void operator()(const CardNumbers& hand, HandCategory category) const { visit(hand, category); }
};

// Five nested loops over card indices 0..N-1 (card number = index + 1), in
// lexicographic order. S is a template parameter so that the innermost loop
// over the fifth suit unrolls completely.
template <std::uint32_t S, class Visitor>
class Loop {
public:
    Loop(const LoopTables& tables, EngineState& state, const ProgressCallback& progress,
         Visitor visitor)
        : tables_(tables),
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
        for (std::uint32_t c1 = 0; c1 + 5 <= N; ++c1) {
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
                        const std::uint8_t* rankCodes = &tables_.rankCodes[rs4 * R];
                        const std::uint8_t* categories =
                            &tables_.categories[ss4 * kRankPatternCount * S];
                        // The next progress call lies beyond this prefix's
                        // last hand unless hands >= untilTick_; only then
                        // does the loop need to watch every hand.
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
    // kWatch: this prefix holds the hand the next progress call comes at, so
    // advance the counter hand by hand; otherwise the caller has already
    // advanced it past all of them.
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
    EngineState& state_;
    const ProgressCallback& progress_;
    Visitor visitor_;
    std::uint32_t counter_;
    std::uint32_t step_;
    std::uint64_t untilTick_;
    CardNumbers hand_{};
    CounterBanks banks_;
};

template <class Visitor>
bool run(Deck deck, EngineState& state, const ProgressCallback& progress, Visitor visitor) {
    if (!deck.isAdmissible()) {
        return false;
    }
    const LoopTables tables(deck);
    switch (deck.suits) {
        case 4:
            Loop<4, Visitor>(tables, state, progress, visitor).run();
            break;
        case 5:
            Loop<5, Visitor>(tables, state, progress, visitor).run();
            break;
        case 6:
            Loop<6, Visitor>(tables, state, progress, visitor).run();
            break;
        case 7:
            Loop<7, Visitor>(tables, state, progress, visitor).run();
            break;
        case 8:
            Loop<8, Visitor>(tables, state, progress, visitor).run();
            break;
    }
    return true;
}

}  // namespace

bool enumerateFast(Deck deck, EngineState& state, const ProgressCallback& progress) {
    return run(deck, state, progress, NoVisitor{});
}

bool enumerateFastVisiting(Deck deck, EngineState& state, const ProgressCallback& progress,
                           const FastHandVisitor& visitor) {
    return run(deck, state, progress, CallingVisitor{visitor});
}

}  // namespace marvane
