// SPDX-License-Identifier: MIT
#include "engine/cards_loop.h"

#include <algorithm>
#include <cstring>

#include "engine/card_counts.h"
#include "engine/hand_patterns.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace marvane::cardsloop {

PlaceTables::PlaceTables(Deck deck, const CategoryOrder& order) : five(deck) {
    const OrderPlaces placeOf = placesOf(order);
    places.resize(five.categories.size() + 8, kNoPlace);
    for (std::size_t i = 0; i < five.categories.size(); ++i) {
        places[i] = placeOf[five.categories[i]];
    }
}

std::uint64_t handsFrom(std::uint32_t n, std::uint32_t cards, std::uint32_t first) {
    return first >= n ? 0 : choose64(n - 1 - first, cards - 1);
}

namespace {

// Eight places, bytewise.
struct Eight {
#if defined(__SSE2__)
    __m128i v;
    static Eight all(std::uint8_t place) {
        return {_mm_set1_epi8(static_cast<char>(place))};
    }
    void minWith(const std::uint8_t* row) {
        v = _mm_min_epu8(v, _mm_loadl_epi64(reinterpret_cast<const __m128i*>(row)));
    }
    void store(std::uint8_t* out) const {
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out), v);
    }
#else
    std::array<std::uint8_t, 8> v;
    static Eight all(std::uint8_t place) {
        Eight e;
        e.v.fill(place);
        return e;
    }
    void minWith(const std::uint8_t* row) {
        for (std::size_t i = 0; i < 8; ++i) {
            v[i] = std::min(v[i], row[i]);
        }
    }
    void store(std::uint8_t* out) const {
        std::memcpy(out, v.data(), 8);
    }
#endif
};

constexpr std::uint32_t binom(std::uint32_t n, std::uint32_t k) {
    return static_cast<std::uint32_t>(choose64(n, k));
}

// One four of the prefix: its row of rank codes and its block of places.
struct Four {
    const std::uint8_t* rankCodes;
    const std::uint8_t* places;
};

// The automaton states of one subset of one to three cards.
struct Few {
    std::uint16_t rank;
    std::uint16_t suit;
};

template <std::uint32_t S, std::uint32_t K, bool kSeen>
class Loop {
public:
    Loop(const PlaceTables& tables, PlaceCounts& counts, const SubtreeDone& report,
         const HandSeen* seen)
        : tables_(tables),
          counts_(counts),
          report_(report),
          seen_(seen),
          R_(tables.five.deck.ranks),
          N_(S * tables.five.deck.ranks) {}

    bool run(std::uint32_t first) {
        best_[0] = kNoPlace;
        return deal(0, first, first + 1);
    }

private:
    static constexpr std::uint32_t kPrefix = K - 1;
    static constexpr std::uint32_t kFours = binom(kPrefix, 4);

    // Adds card c as the (k+1)-th and goes on; `from..` are the choices at
    // this level (only the one first card at level 0).
    bool deal(std::uint32_t k, std::uint32_t from, std::uint32_t to) {
        for (std::uint32_t c = from; c < to; ++c) {
            add(k, c);
            if (k + 1 == kPrefix) {
                lastCards(c);
            } else if (!deal(k + 1, c + 1, N_ - (K - k - 2))) {
                return false;
            }
            // The hands under three fixed cards: the rest of the deck after c.
            if (k + 1 == 3 && !report_(choose64(N_ - 1 - c, K - 3))) {
                return false;
            }
        }
        return true;
    }

    // The k-th level's new subsets are the old ones of one size less plus c.
    void add(std::uint32_t k, std::uint32_t c) {
        const std::uint16_t r = static_cast<std::uint16_t>(c / S);
        const std::uint16_t s = static_cast<std::uint16_t>(c % S);
        const PatternAutomaton& ranks = tables_.five.ranks;
        const PatternAutomaton& suits = tables_.five.suits;
        if constexpr (kSeen) {
            hand_[k] = static_cast<std::uint8_t>(c);
        }
        // Fives of the prefix that end in c: the old fours plus c.
        std::uint8_t best = best_[k];
        for (std::uint32_t f = 0; f < binom(k, 4); ++f) {
            best = std::min(best, fours_[f].places[fours_[f].rankCodes[r] + s]);
        }
        best_[k + 1] = best;
        // New fours from the old threes, new threes from the old twos, and so on.
        if (k + 1 >= 4) {
            for (std::uint32_t t = 0; t < binom(k, 3); ++t) {
                const std::uint16_t rank4 = ranks.next(threes_[t].rank, r);
                const std::uint16_t suit4 = suits.next(threes_[t].suit, s);
                fours_[binom(k, 4) + t] = {
                    &tables_.five.rankCodes[std::size_t{rank4} * R_],
                    &tables_.places[std::size_t{suit4} * kRankPatternCount * S]};
            }
        }
        if (k + 1 < kPrefix) {
            for (std::uint32_t t = 0; t < binom(k, 2); ++t) {
                threes_[binom(k, 3) + t] = {ranks.next(twos_[t].rank, r),
                                            suits.next(twos_[t].suit, s)};
            }
            for (std::uint32_t t = 0; t < k; ++t) {
                twos_[binom(k, 2) + t] = {ranks.next(ones_[t].rank, r),
                                          suits.next(ones_[t].suit, s)};
            }
            ones_[k] = {ranks.next(PatternAutomaton::kStart, r),
                        suits.next(PatternAutomaton::kStart, s)};
        }
    }

    // Every last card after the prefix's last, c: the rest of c's rank, then
    // whole ranks.
    void lastCards(std::uint32_t c) {
        const std::uint32_t r0 = c / S;
        countRank(r0, c % S + 1);
        for (std::uint32_t r = r0 + 1; r < R_; ++r) {
            countRank(r, 0);
        }
    }

    void countRank(std::uint32_t r, std::uint32_t firstSuit) {
        Eight places = Eight::all(best_[kPrefix]);
#pragma GCC unroll 15
        for (std::uint32_t f = 0; f < kFours; ++f) {
            places.minWith(fours_[f].places + fours_[f].rankCodes[r]);
        }
        alignas(8) std::array<std::uint8_t, 8> bytes{};
        places.store(bytes.data());
#pragma GCC unroll 8
        for (std::uint32_t s = firstSuit; s < S; ++s) {
            ++counts_.banks[s][bytes[s]];
            if constexpr (kSeen) {
                hand_[kPrefix] = static_cast<std::uint8_t>(r * S + s);
                (*seen_)(hand_, bytes[s]);
            }
        }
    }

    const PlaceTables& tables_;
    PlaceCounts& counts_;
    const SubtreeDone& report_;
    const HandSeen* seen_;
    std::uint32_t R_;
    std::uint32_t N_;
    std::array<std::uint8_t, kMaxCards> best_{};
    std::array<Four, binom(kPrefix, 4) + 1> fours_{};
    std::array<Few, binom(kPrefix, 3) + 1> threes_{};
    std::array<Few, binom(kPrefix, 2) + 1> twos_{};
    std::array<Few, kPrefix + 1> ones_{};
    std::array<std::uint8_t, 7> hand_{};
};

template <std::uint32_t S, bool kSeen>
bool runWithSuits(const PlaceTables& tables, std::uint32_t cards, std::uint32_t first,
                  PlaceCounts& counts, const SubtreeDone& report, const HandSeen* seen) {
    switch (cards) {
        case 5:
            return Loop<S, 5, kSeen>(tables, counts, report, seen).run(first);
        case 6:
            return Loop<S, 6, kSeen>(tables, counts, report, seen).run(first);
        default:
            return Loop<S, 7, kSeen>(tables, counts, report, seen).run(first);
    }
}

template <bool kSeen>
bool runSeen(const PlaceTables& tables, std::uint32_t cards, std::uint32_t first,
             PlaceCounts& counts, const SubtreeDone& report, const HandSeen* seen) {
    static_assert(kMinSuits == 4 && kMaxSuits == 8, "one case per admissible suit count");
    switch (tables.five.deck.suits) {
        case 4:
            return runWithSuits<4, kSeen>(tables, cards, first, counts, report, seen);
        case 5:
            return runWithSuits<5, kSeen>(tables, cards, first, counts, report, seen);
        case 6:
            return runWithSuits<6, kSeen>(tables, cards, first, counts, report, seen);
        case 7:
            return runWithSuits<7, kSeen>(tables, cards, first, counts, report, seen);
        default:
            return runWithSuits<8, kSeen>(tables, cards, first, counts, report, seen);
    }
}

}  // namespace

bool runFirstCard(const PlaceTables& tables, std::uint32_t cards, std::uint32_t first,
                  PlaceCounts& counts, const SubtreeDone& report, const HandSeen* seen) {
    return seen != nullptr ? runSeen<true>(tables, cards, first, counts, report, seen)
                           : runSeen<false>(tables, cards, first, counts, report, seen);
}

}  // namespace marvane::cardsloop
