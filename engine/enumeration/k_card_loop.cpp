// SPDX-License-Identifier: MIT
#include "engine/enumeration/k_card_loop.h"

#include <algorithm>
#include <cstring>

#include "engine/vocabulary/rank_pattern.h"
#include "engine/vocabulary/wide_counts.h"

#if defined(__SSE2__) && !MARVANE_SCALAR
#include <emmintrin.h>
#endif

namespace marvane::kcardloop {

PlaceTables::PlaceTables(Deck deck, const CategoryOrder& order) : five(deck) {
    const OrderPlaces placeOf = placesOf(order);
    places.resize(five.categories.size() + 8, kNoPlace);
    for (std::size_t i = 0; i < five.categories.size(); ++i) {
        places[i] = placeOf[five.categories[i]];
    }

    // The three-suit states are the ends of every ascending path of three
    // suits: the suit automaton takes its symbols in any order, so these are
    // all of them.
    const std::uint32_t S = deck.suits;
    const std::uint32_t block = blockBytes(S);
    const PatternAutomaton& suits = five.suits;
    std::vector<std::uint16_t> threes;
    for (std::uint32_t a = 0; a < S; ++a) {
        for (std::uint32_t b = a; b < S; ++b) {
            for (std::uint32_t c = b; c < S; ++c) {
                threes.push_back(
                    suits.next(suits.next(suits.next(PatternAutomaton::kStart, a), b), c));
            }
        }
    }
    const std::size_t stateCount = *std::max_element(threes.begin(), threes.end()) + 1u;
    // Padded so that sixteen bytes can be read after any block's last row.
    pairs.assign(stateCount * kRankPatternCount * block + 16, kNoPlace);
    suitBlind.assign(stateCount, 0);
    for (std::uint16_t three : threes) {
        bool blind = true;
        for (std::uint32_t rp = 0; rp < kRankPatternCount; ++rp) {
            std::uint8_t* out = &pairs[(std::size_t{three} * kRankPatternCount + rp) * block];
            for (std::uint32_t s6 = 0; s6 < S; ++s6) {
                const std::size_t four = suits.next(three, s6);
                for (std::uint32_t s7 = 0; s7 < S; ++s7) {
                    out[s6 * S + s7] = places[(four * kRankPatternCount + rp) * S + s7];
                    blind = blind && out[s6 * S + s7] == out[0];
                }
            }
        }
        suitBlind[three] = blind ? 1 : 0;
    }
    // Do all blind three-states give the same place to each rank pattern?
    ranksDecideBlind = true;
    const std::uint16_t* firstBlind = nullptr;
    for (const std::uint16_t& three : threes) {
        if (suitBlind[three] == 0) {
            continue;
        }
        if (firstBlind == nullptr) {
            firstBlind = &three;
        }
        for (std::uint32_t rp = 0; rp < kRankPatternCount; ++rp) {
            ranksDecideBlind =
                ranksDecideBlind &&
                pairs[(std::size_t{three} * kRankPatternCount + rp) * block] ==
                    pairs[(std::size_t{*firstBlind} * kRankPatternCount + rp) * block];
        }
    }
}

namespace {

// N places, bytewise, for N = 8 or 16.
template <std::size_t N>
struct Bytes {
    static_assert(N == 8 || N == 16, "a half or a whole vector register");
#if defined(__SSE2__) && !MARVANE_SCALAR
    __m128i v;
    static Bytes all(std::uint8_t place) {
        return {_mm_set1_epi8(static_cast<char>(place))};
    }
    static __m128i read(const std::uint8_t* from) {
        if constexpr (N == 8) {
            return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(from));
        } else {
            return _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        }
    }
    static Bytes load(const std::uint8_t* from) {
        return {read(from)};
    }
    void minWith(const std::uint8_t* row) {
        v = _mm_min_epu8(v, read(row));
    }
    void minWith(Bytes other) {
        v = _mm_min_epu8(v, other.v);
    }
    // The low eight bytes, the first in the lowest bits.
    std::uint64_t word() const {
        return static_cast<std::uint64_t>(_mm_cvtsi128_si64(v));
    }
    void store(std::uint8_t* out) const {
        if constexpr (N == 8) {
            _mm_storel_epi64(reinterpret_cast<__m128i*>(out), v);
        } else {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), v);
        }
    }
#else
    std::array<std::uint8_t, N> v;
    static Bytes all(std::uint8_t place) {
        Bytes e;
        e.v.fill(place);
        return e;
    }
    static Bytes load(const std::uint8_t* from) {
        Bytes e;
        std::memcpy(e.v.data(), from, N);
        return e;
    }
    void minWith(const std::uint8_t* row) {
        for (std::size_t i = 0; i < N; ++i) {
            v[i] = std::min(v[i], row[i]);
        }
    }
    void minWith(Bytes other) {
        minWith(other.v.data());
    }
    // The low eight bytes, the first in the lowest bits, on any byte order.
    std::uint64_t word() const {
        std::uint64_t bits = 0;
        for (std::size_t i = 0; i < 8; ++i) {
            bits |= std::uint64_t{v[i]} << (8 * i);
        }
        return bits;
    }
    void store(std::uint8_t* out) const {
        std::memcpy(out, v.data(), N);
    }
#endif
};
using Eight = Bytes<8>;
using Sixteen = Bytes<16>;

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
    static constexpr std::uint32_t kPrefix = K - 2;
    static constexpr std::uint32_t kFours = binom(kPrefix, 4);
    static constexpr std::uint32_t kThrees = binom(kPrefix, 3);
    // Subtrees this deep are reported: a few hundred thousand hands at most.
    static constexpr std::uint32_t kReportLevel = std::min<std::uint32_t>(kPrefix, 4);
    static constexpr std::uint32_t kBlock = PlaceTables::blockBytes(S);
    static constexpr std::uint32_t kVectors = kBlock / 16;
    // The threes and fours of the prefix without its last card come first in
    // threes_ and fours_; they are the same for every last card after it.
    static constexpr std::uint32_t kOldThrees = binom(kPrefix - 1, 3);
    static constexpr std::uint32_t kOldFours = binom(kPrefix - 1, 4);

    // Adds card c as the (k+1)-th and goes on; `from..` are the choices at
    // this level (only the one first card at level 0).
    bool deal(std::uint32_t k, std::uint32_t from, std::uint32_t to) {
        for (std::uint32_t c = from; c < to; ++c) {
            add(k, c);
            if (k + 2 == kPrefix) {
                // New old threes and fours: their places are worked out
                // again when the first last card needs them.
                oldFrom_ = kMaxRanks;
                oldLowestRank_ = c / S;
                oldBlind_ = tables_.ranksDecideBlind;
                for (std::uint32_t t = 0; t < kOldThrees; ++t) {
                    oldBlind_ = oldBlind_ && tables_.suitBlind[threes_[t].suit] != 0;
                }
            }
            if (k + 1 == kPrefix) {
                lastTwo(c);
            } else if (!deal(k + 1, c + 1, N_ - (K - k - 2))) {
                return false;
            }
            // The hands under the fixed cards: the rest of the deck after c.
            if (k + 1 == kReportLevel && !report_(choose64(N_ - 1 - c, K - kReportLevel))) {
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
        // The ranks before the prefix's last key rankPairs_.
        if (k + 1 < kPrefix) {
            ranks_[k] = static_cast<std::uint8_t>(r);
            if (k + 2 == kPrefix && ranks_ != cachedRanks_) {
                cachedRanks_ = ranks_;
                ++generation_;
            }
        }
        // Fives of the prefix that end in c: the old fours plus c.
        std::uint8_t best = best_[k];
        for (std::uint32_t f = 0; f < binom(k, 4); ++f) {
            best = std::min(best, fours_[f].places[fours_[f].rankCodes[r] + s]);
        }
        best_[k + 1] = best;
        // New fours from the old threes, new threes from the old twos, and so
        // on; the last level needs no twos or ones.
        if (k + 1 >= 4) {
            for (std::uint32_t t = 0; t < binom(k, 3); ++t) {
                const std::uint16_t rank4 = ranks.next(threes_[t].rank, r);
                const std::uint16_t suit4 = suits.next(threes_[t].suit, s);
                fours_[binom(k, 4) + t] = {
                    &tables_.five.rankCodes[std::size_t{rank4} * R_],
                    &tables_.places[std::size_t{suit4} * kRankPatternCount * S]};
            }
        }
        if (k + 1 >= 3) {
            for (std::uint32_t t = 0; t < binom(k, 2); ++t) {
                threes_[binom(k, 3) + t] = {ranks.next(twos_[t].rank, r),
                                            suits.next(twos_[t].suit, s)};
            }
        }
        if (k + 1 < kPrefix) {
            for (std::uint32_t t = 0; t < k; ++t) {
                twos_[binom(k, 2) + t] = {ranks.next(ones_[t].rank, r),
                                          suits.next(ones_[t].suit, s)};
            }
            ones_[k] = {ranks.next(PatternAutomaton::kStart, r),
                        suits.next(PatternAutomaton::kStart, s)};
        }
    }

    // Every pair of last cards after the prefix's last, c, in lexicographic
    // order.
    void lastTwo(std::uint32_t c) {
        const std::uint32_t r0 = c / S;
        const std::uint32_t s0 = c % S;
        bool blind = oldBlind_;
        for (std::uint32_t t = kOldThrees; t < kThrees; ++t) {
            blind = blind && tables_.suitBlind[threes_[t].suit] != 0;
        }
        if (blind) {
            if (stamps_[r0] != generation_) {
                fillRankPairs(r0);
                stamps_[r0] = generation_;
            }
            countBlind(r0, s0);
            return;
        }
        fillSingles(r0);
        const std::array<const std::uint8_t*, kThrees> suitBlocks = threeBlocks();
        std::array<const std::uint8_t*, kThrees> codes{};
        for (std::uint32_t r6 = r0; r6 < R_; ++r6) {
            const std::uint32_t low6 = r6 == r0 ? s0 + 1 : 0;
            if (low6 >= S) {
                continue;
            }
            rankCodesWith(r6, codes, kOldThrees);
            // Two cards of rank r6 follow c only if low6 < S - 1.
            for (std::uint32_t r7 = low6 + 1 < S ? r6 : r6 + 1; r7 < R_; ++r7) {
                pairBlock(suitBlocks, codes, r6, r7);
            }
            for (std::uint32_t s6 = low6; s6 < S; ++s6) {
                countPairs(r6, s6);
            }
        }
    }

    // single_[card]: the best of the prefix's fives and of its fours plus
    // that card, for every card of rank r0 and above. Eight bytes per rank,
    // in ascending order, so that each store's spill past the rank is
    // overwritten by the next one's.
    void fillSingles(std::uint32_t r0) {
        fillOld();
        for (std::uint32_t r = r0; r < R_; ++r) {
            Eight places = Eight::all(best_[kPrefix]);
            if constexpr (kOldFours > 0) {
                places.minWith(&oldSingles_[r * S]);
            }
#pragma GCC unroll 5
            for (std::uint32_t f = kOldFours; f < kFours; ++f) {
                places.minWith(fours_[f].places + fours_[f].rankCodes[r]);
            }
            places.store(&single_[r * S]);
        }
    }

    // What the old threes and fours give, for every rank from the prefix's
    // last but one card's up (every last card's rank is among them): their
    // fours' places plus one card, and their threes' blocks plus two ranks.
    // Once per prefix without its last card, for all last cards after it.
    void fillOld() {
        if (oldFrom_ <= oldLowestRank_) {
            return;
        }
        oldFrom_ = oldLowestRank_;
        if constexpr (kOldFours > 0) {
            for (std::uint32_t r = oldFrom_; r < R_; ++r) {
                Eight places = Eight::all(kNoPlace);
                for (std::uint32_t f = 0; f < kOldFours; ++f) {
                    places.minWith(fours_[f].places + fours_[f].rankCodes[r]);
                }
                places.store(&oldSingles_[r * S]);
            }
        }
        if constexpr (kOldThrees > 0) {
            const std::uint8_t* rankCodes = tables_.five.rankCodes.data();
            const PatternAutomaton& ranks = tables_.five.ranks;
            std::array<const std::uint8_t*, kOldThrees> blocks{};
            std::array<const std::uint8_t*, kOldThrees> codes{};
            for (std::uint32_t t = 0; t < kOldThrees; ++t) {
                blocks[t] =
                    &tables_.pairs[std::size_t{threes_[t].suit} * kRankPatternCount * kBlock];
            }
            for (std::uint32_t r6 = oldFrom_; r6 < R_; ++r6) {
                for (std::uint32_t t = 0; t < kOldThrees; ++t) {
                    codes[t] = &rankCodes[std::size_t{ranks.next(threes_[t].rank, r6)} * R_];
                }
                for (std::uint32_t r7 = r6; r7 < R_; ++r7) {
                    std::array<Sixteen, kVectors> best{};
                    best.fill(Sixteen::all(kNoPlace));
                    for (std::uint32_t t = 0; t < kOldThrees; ++t) {
                        const std::uint8_t* block =
                            blocks[t] + std::size_t{codes[t][r7]} / S * kBlock;
                        for (std::uint32_t v = 0; v < kVectors; ++v) {
                            best[v].minWith(block + std::size_t{16} * v);
                        }
                    }
                    for (std::uint32_t v = 0; v < kVectors; ++v) {
                        best[v].store(&oldPairs_[((r6 * kMaxRanks + r7) * kBlock) + (16 * v)]);
                    }
                }
            }
        }
    }

    // Each three's blocks, one per rank pattern.
    std::array<const std::uint8_t*, kThrees> threeBlocks() const {
        std::array<const std::uint8_t*, kThrees> blocks{};
        for (std::uint32_t t = 0; t < kThrees; ++t) {
            blocks[t] = &tables_.pairs[std::size_t{threes_[t].suit} * kRankPatternCount * kBlock];
        }
        return blocks;
    }

    // codes[t], t >= from: the rank codes of three t plus rank r6 plus a last rank. A
    // three holds at most three cards of a rank, and S >= 4, so three plus r6
    // is a multiset the rank automaton knows.
    void rankCodesWith(std::uint32_t r6, std::array<const std::uint8_t*, kThrees>& codes,
                       std::uint32_t from = 0) const {
        const std::uint8_t* rankCodes = tables_.five.rankCodes.data();
        const PatternAutomaton& ranks = tables_.five.ranks;
        for (std::uint32_t t = from; t < kThrees; ++t) {
            codes[t] = &rankCodes[std::size_t{ranks.next(threes_[t].rank, r6)} * R_];
        }
    }

    // rankPairs_[r0][r6][r7], r0 <= r6 <= r7: the place of every hand of a
    // suit-blind prefix with these ranks, whose last rank is r0, and two cards
    // of ranks r6 and r7. In a suit-blind prefix every five's place is a byte
    // of one of its threes' blocks, which all blind three-states share
    // (ranksDecideBlind), so it depends on the ranks alone and serves every
    // such prefix until the ranks before the last change. Pairs of ranks that
    // the prefix leaves too few cards for get a place that is never read:
    // their rank codes are 0 where the automaton has no pattern.
    void fillRankPairs(std::uint32_t r0) {
        fillSingles(r0);
        const std::array<const std::uint8_t*, kThrees> suitBlocks = threeBlocks();
        std::array<const std::uint8_t*, kThrees> codes{};
        for (std::uint32_t r6 = r0; r6 < R_; ++r6) {
            rankCodesWith(r6, codes);
            const std::uint8_t six = single_[r6 * S + S - 1];
            std::uint8_t* row = &rankPairs_[r0][r6][0];
            for (std::uint32_t r7 = r6; r7 < R_; ++r7) {
                std::uint8_t place = std::min(six, single_[r7 * S + S - 1]);
#pragma GCC unroll 10
                for (std::uint32_t t = 0; t < kThrees; ++t) {
                    place = std::min(place, suitBlocks[t][std::size_t{codes[t][r7]} / S * kBlock]);
                }
                row[r7] = place;
            }
        }
    }

    // The hands of a suit-blind prefix whose last card is (r0, s0): per pair
    // of ranks, one place for all of them.
    void countBlind(std::uint32_t r0, std::uint32_t s0) {
        for (std::uint32_t r6 = r0; r6 < R_; ++r6) {
            const std::uint32_t low6 = r6 == r0 ? s0 + 1 : 0;
            if (low6 >= S) {
                continue;
            }
            const std::uint8_t* row = &rankPairs_[r0][r6][0];
            if constexpr (kSeen) {
                for (std::uint32_t s6 = low6; s6 < S; ++s6) {
                    hand_[kPrefix] = static_cast<std::uint8_t>(r6 * S + s6);
                    for (std::uint32_t r7 = r6; r7 < R_; ++r7) {
                        for (std::uint32_t s7 = r7 == r6 ? s6 + 1 : 0; s7 < S; ++s7) {
                            countOne(row[r7], r7, s7);
                        }
                    }
                }
            } else {
                const std::uint64_t sixes = S - low6;
                counts_.banks[0][row[r6]] += sixes * (sixes - 1) / 2;
                for (std::uint32_t r7 = r6 + 1; r7 < R_; ++r7) {
                    counts_.banks[r7 % kMaxSuits][row[r7]] += sixes * S;
                }
            }
        }
    }

    // blocks_[r7]: for every pair of suits, the best of the prefix's threes
    // plus the two cards (r6, s6) and (r7, s7).
    void pairBlock(const std::array<const std::uint8_t*, kThrees>& suitBlocks,
                   const std::array<const std::uint8_t*, kThrees>& codes, std::uint32_t r6,
                   std::uint32_t r7) {
        std::array<Sixteen, kVectors> best{};
        if constexpr (kOldThrees > 0) {
            for (std::uint32_t v = 0; v < kVectors; ++v) {
                best[v] = Sixteen::load(&oldPairs_[((r6 * kMaxRanks + r7) * kBlock) + (16 * v)]);
            }
        } else {
            best.fill(Sixteen::all(kNoPlace));
        }
#pragma GCC unroll 10
        for (std::uint32_t t = kOldThrees; t < kThrees; ++t) {
            // A rank code is rank pattern * S.
            const std::uint8_t* block = suitBlocks[t] + std::size_t{codes[t][r7]} / S * kBlock;
#pragma GCC unroll 4
            for (std::uint32_t v = 0; v < kVectors; ++v) {
                best[v].minWith(block + std::size_t{16} * v);
            }
        }
        for (std::uint32_t v = 0; v < kVectors; ++v) {
            best[v].store(&blocks_[(r7 * kBlock) + (16 * v)]);
        }
    }

    // Every hand of the prefix, (r6, s6) and a later card: the rest of rank
    // r6, then whole ranks.
    void countPairs(std::uint32_t r6, std::uint32_t s6) {
        const std::uint32_t c6 = r6 * S + s6;
        const Eight six = Eight::all(single_[c6]);
        if constexpr (kSeen) {
            hand_[kPrefix] = static_cast<std::uint8_t>(c6);
        }
        const std::uint64_t same = placesWith(six, r6, s6);
        for (std::uint32_t s7 = s6 + 1; s7 < S; ++s7) {
            count(same, r6, s7);
        }
        for (std::uint32_t r7 = r6 + 1; r7 < R_; ++r7) {
            const std::uint64_t later = placesWith(six, r7, s6);
#pragma GCC unroll 8
            for (std::uint32_t s7 = 0; s7 < S; ++s7) {
                count(later, r7, s7);
            }
        }
    }

    // The places of the hands with a sixth card of suit s6 and a last card of
    // rank r7, byte s7 for suit s7.
    std::uint64_t placesWith(Eight six, std::uint32_t r7, std::uint32_t s6) const {
        Eight places = Eight::load(&blocks_[(r7 * kBlock) + (s6 * S)]);
        places.minWith(&single_[r7 * S]);
        places.minWith(six);
        return places.word();
    }

    void count(std::uint64_t places, std::uint32_t r7, std::uint32_t s7) {
        countOne(static_cast<std::uint8_t>(places >> (8 * s7)), r7, s7);
    }

    void countOne(std::uint8_t place, std::uint32_t r7, std::uint32_t s7) {
        ++counts_.banks[s7][place];
        if constexpr (kSeen) {
            hand_[kPrefix + 1] = static_cast<std::uint8_t>(r7 * S + s7);
            (*seen_)(hand_, place);
        }
    }

    // Members by alignment, widest first, so that none pads; a card's row
    // of places in whole vectors.
    static constexpr std::size_t kSingleBytes = (std::size_t{kMaxRanks} * S + 8 + 15) / 16 * 16;
    // Padded for the eight-byte reads and writes past the last rank.
    alignas(16) std::array<std::uint8_t, kSingleBytes> single_{};
    alignas(16) std::array<std::uint8_t, kMaxRanks * kBlock + 16> blocks_{};
    // The old threes' and fours' places (fillOld), kept from rank oldFrom_ up.
    alignas(16) std::array<std::uint8_t, kSingleBytes> oldSingles_{};
    alignas(16) std::array<std::uint8_t, kMaxRanks * kMaxRanks * kBlock + 16> oldPairs_{};
    const PlaceTables& tables_;
    PlaceCounts& counts_;
    const SubtreeDone& report_;
    const HandSeen* seen_;
    std::array<Four, binom(kPrefix, 4) + 1> fours_{};
    std::uint32_t R_;
    std::uint32_t N_;
    // stamps_[r0] == generation_: rankPairs_[r0] is for the cached ranks.
    std::uint32_t generation_ = 1;
    std::array<std::uint32_t, kMaxRanks> stamps_{};
    // kMaxRanks when the old threes' and fours' places are to be worked out
    // again, from the rank of the prefix's last card but one up.
    std::uint32_t oldFrom_ = kMaxRanks;
    std::uint32_t oldLowestRank_ = 0;
    std::array<Few, binom(kPrefix, 3) + 1> threes_{};
    std::array<Few, binom(kPrefix, 2) + 1> twos_{};
    std::array<Few, kPrefix + 1> ones_{};
    std::array<std::uint8_t, kMaxCards> best_{};
    std::array<std::uint8_t, kMaxCards> hand_{};
    // The ranks of the prefix but its last; those rankPairs_ holds.
    std::array<std::uint8_t, kPrefix - 1> ranks_{};
    std::array<std::uint8_t, kPrefix - 1> cachedRanks_{};
    std::array<std::array<std::array<std::uint8_t, kMaxRanks>, kMaxRanks>, kMaxRanks> rankPairs_{};
    // Every old three is suit-blind and blind three-states share their places.
    bool oldBlind_ = false;
};

template <std::uint32_t S, bool kSeen>
bool runWithSuits(const PlaceTables& tables, std::uint32_t cards, std::uint32_t first,
                  PlaceCounts& counts, const SubtreeDone& report, const HandSeen* seen) {
    switch (cards) {
        case 5:
            return Loop<S, 5, kSeen>(tables, counts, report, seen).run(first);
        case 6:
            return Loop<S, 6, kSeen>(tables, counts, report, seen).run(first);
        case 7:
            return Loop<S, 7, kSeen>(tables, counts, report, seen).run(first);
        default:
            return Loop<S, 8, kSeen>(tables, counts, report, seen).run(first);
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

}  // namespace marvane::kcardloop
