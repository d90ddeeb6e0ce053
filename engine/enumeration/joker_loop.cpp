// SPDX-License-Identifier: MIT
#include "engine/enumeration/joker_loop.h"

#include <algorithm>
#include <bit>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

#include "engine/reference/joker_reference.h"
#include "engine/vocabulary/card.h"
#include "engine/vocabulary/hand_count.h"
#include "engine/vocabulary/wide_counts.h"

#if defined(__SSE2__) && !MARVANE_SCALAR
#include <emmintrin.h>
#endif

namespace marvane::jokerloop {

MultisetStates::MultisetStates(std::uint32_t alphabet, std::uint32_t maxRepeats, bool ascending)
    : alphabet_(alphabet) {
    // Each multiset's number, keyed by its sorted symbols as digits 1..A in
    // base A + 1 (0 marks no symbol): at most (A + 1)^4 keys, a flat table.
    const std::uint32_t base = alphabet + 1;
    auto keyOf = [&](const std::vector<std::uint8_t>& symbols) {
        std::uint32_t key = 0;
        for (std::uint8_t symbol : symbols) {
            key = key * base + symbol + 1u;
        }
        return key;
    };
    std::vector<std::uint16_t> known(std::size_t{base} * base * base * base, kNone);
    known[0] = kEmpty;
    symbols_.emplace_back();
    // Breadth first: each state's successors get numbers after it.
    for (std::size_t state = 0; state < symbols_.size(); ++state) {
        next_.resize(symbols_.size() * alphabet_, kNone);
        const std::vector<std::uint8_t> from = symbols_[state];
        if (from.size() == kMaxSize) {
            continue;
        }
        for (std::uint32_t symbol = 0; symbol < alphabet_; ++symbol) {
            if (ascending && !from.empty() && symbol < from.back()) {
                continue;
            }
            std::vector<std::uint8_t> to = from;
            to.insert(std::upper_bound(to.begin(), to.end(), symbol),
                      static_cast<std::uint8_t>(symbol));
            if (static_cast<std::uint32_t>(std::count(to.begin(), to.end(), symbol)) > maxRepeats) {
                continue;
            }
            std::uint16_t& number = known[keyOf(to)];
            if (number == kNone) {
                number = static_cast<std::uint16_t>(symbols_.size());
                symbols_.push_back(std::move(to));
            }
            next_[state * alphabet_ + symbol] = number;
        }
    }
    next_.resize(symbols_.size() * alphabet_, kNone);
}

namespace {

// Ranks 0..R-1 that fit inside one straight of `length` ranks of the deck:
// that many in a row, or rank 0 with the length - 1 highest.
bool fitsStraight(const std::vector<std::uint8_t>& ranks, std::uint32_t deckRanks,
                  std::uint32_t length) {
    std::uint32_t mask = 0;
    for (std::uint8_t r : ranks) {
        mask |= 1u << r;
    }
    const std::uint32_t run = (1u << length) - 1;
    for (std::uint32_t low = 0; low + length <= deckRanks; ++low) {
        if ((mask & ~(run << low)) == 0) {
            return true;
        }
    }
    return (mask & ~(1u | ((run >> 1) << (deckRanks - (length - 1))))) == 0;
}

// The rank class of a group: its ranks' multiplicities in descending order,
// and for distinct ranks whether they fit inside one straight.
std::uint32_t rankClassKey(const std::vector<std::uint8_t>& ranks, std::uint32_t deckRanks,
                           std::uint32_t straightLength) {
    std::array<std::uint8_t, kHandSize> parts{};
    std::size_t count = 0;
    for (std::size_t i = 0; i < ranks.size(); ++i) {
        if (i == 0 || ranks[i] != ranks[i - 1]) {
            ++count;
        }
        ++parts[count - 1];
    }
    std::sort(parts.begin(), parts.end(), std::greater<>());
    std::uint32_t key = 0;
    for (std::uint8_t part : parts) {
        key = key * 8 + part;
    }
    const bool distinct = count == ranks.size();
    return key * 2 + (distinct && fitsStraight(ranks, deckRanks, straightLength) ? 1 : 0);
}

std::uint8_t suitCode(const std::vector<std::uint8_t>& suits) {
    if (suits.size() == 1) {
        return 3;
    }
    if (suits.front() == suits.back()) {
        return 0;  // sorted: all one suit
    }
    return std::adjacent_find(suits.begin(), suits.end()) == suits.end() ? 1 : 2;
}

// Counts one more of `value`.
void tally(std::vector<JokerTables::Tally>& tallies, std::uint8_t value) {
    const auto known = std::find_if(tallies.begin(), tallies.end(),
                                    [&](const JokerTables::Tally& t) { return t.value == value; });
    if (known == tallies.end()) {
        tallies.push_back({value, 1});
    } else {
        ++known->times;
    }
}

// Cards with these ranks and suits, or nothing when two would be one card.
std::optional<Hand> cardsOf(const std::vector<std::uint8_t>& ranks,
                            const std::vector<std::uint8_t>& suits) {
    Hand cards;
    for (std::size_t i = 0; i < ranks.size(); ++i) {
        const Card card(ranks[i], suits[i]);
        if (std::find(cards.begin(), cards.end(), card) != cards.end()) {
            return std::nullopt;
        }
        cards.push_back(card);
    }
    return cards;
}

}  // namespace

JokerTables::JokerTables(Deck deck, std::uint32_t cards, std::uint32_t wilds,
                         const CategoryOrder& order)
    : deck(deck),
      classed(classedCards(cards)),
      groupSize(classed > wilds ? classed - wilds : 0),
      ranks(deck.ranks, std::min(deck.suits, MultisetStates::kMaxSize), true),
      suits(deck.suits, MultisetStates::kMaxSize, false) {
    if (wilds > kMaxJokers || groupSize < 1 || groupSize > MultisetStates::kMaxSize) {
        throw std::invalid_argument("a group of " + std::to_string(classed) + " cards with " +
                                    std::to_string(wilds) + " wild cards is not counted here");
    }
    const std::uint32_t R = deck.ranks;
    const std::uint32_t S = deck.suits;
    // Rank codes, numbered as their classes first appear; each with one
    // group of ranks that has it.
    std::map<std::uint32_t, std::uint8_t> codeOfClass;
    std::vector<std::vector<std::uint8_t>> rankExample;
    std::vector<std::uint8_t> rankCode(ranks.count(), 0);
    for (std::size_t state = 0; state < ranks.count(); ++state) {
        const auto& symbols = ranks.symbols(state);
        if (symbols.size() != groupSize) {
            continue;
        }
        const auto [it, added] = codeOfClass.emplace(rankClassKey(symbols, R, classed),
                                                     static_cast<std::uint8_t>(rankExample.size()));
        if (added) {
            rankExample.push_back(symbols);
        }
        rankCode[state] = it->second;
    }
    auto after = [&](const MultisetStates& states, std::uint32_t alphabet, auto codeOf) {
        std::vector<std::uint8_t> table(states.count() * alphabet, 0);
        for (std::size_t state = 0; state < states.count(); ++state) {
            if (states.symbols(state).size() + 1 != groupSize) {
                continue;
            }
            for (std::uint32_t symbol = 0; symbol < alphabet; ++symbol) {
                const std::uint16_t to = states.next(state, symbol);
                if (to != MultisetStates::kNone) {
                    table[std::size_t{state} * alphabet + symbol] = codeOf(to);
                }
            }
        }
        return table;
    };
    rankCodeAfter = after(ranks, R, [&](std::uint16_t to) { return rankCode[to]; });
    suitCodeAfter = after(suits, S, [&](std::uint16_t to) { return suitCode(suits.symbols(to)); });

    // Each rank class with each suit code that cards can have: the best place
    // of what one such group reaches, every replacement of the wild cards
    // tried. A suit code no group of that rank class can have keeps kNoPlace.
    const OrderPlaces placeOf = placesOf(order);
    JokerReference reference(deck);
    places.assign(rankExample.size() * kSuitCodes, kNoPlace);
    for (std::size_t code = 0; code < rankExample.size(); ++code) {
        for (std::size_t suitState = 0; suitState < suits.count(); ++suitState) {
            const auto& suitSymbols = suits.symbols(suitState);
            if (suitSymbols.size() != groupSize) {
                continue;
            }
            std::uint8_t& place = places[code * kSuitCodes + suitCode(suitSymbols)];
            if (place != kNoPlace) {
                continue;
            }
            // Any pairing of the sorted suits with the ranks will do, as long
            // as it makes distinct cards: try them in turn.
            std::vector<std::uint8_t> pairing = suitSymbols;
            do {
                if (const auto cards = cardsOf(rankExample[code], pairing)) {
                    std::uint32_t best = kNoPlace;
                    for (std::uint32_t rest = reference.reach(*cards, wilds); rest != 0;
                         rest &= rest - 1) {
                        best = std::min<std::uint32_t>(best, placeOf[std::countr_zero(rest)]);
                    }
                    place = static_cast<std::uint8_t>(best);
                    break;
                }
            } while (std::next_permutation(pairing.begin(), pairing.end()));
        }
    }
    rankCodeCount = static_cast<std::uint32_t>(rankExample.size());

    const std::size_t suitStates = suits.count();
    blocks.assign(rankCodeCount * suitStates * kBlock, kNoPlace);
    for (std::uint32_t code = 0; code < rankCodeCount; ++code) {
        for (std::uint16_t state = 0; state < suitStates; ++state) {
            if (suits.symbols(state).size() + 1 != groupSize) {
                continue;
            }
            std::uint8_t* block = &blocks[(code * suitStates + state) * kBlock];
            for (std::uint32_t suit = 0; suit < S; ++suit) {
                block[suit] = places[code * kSuitCodes + suitCodeAfter[state * S + suit]];
            }
        }
    }

    higherRanks.resize(ranks.count());
    for (std::size_t state = 0; state < ranks.count(); ++state) {
        const auto& symbols = ranks.symbols(state);
        if (symbols.empty() || symbols.size() + 1 != groupSize) {
            continue;
        }
        for (std::uint32_t r = symbols.back() + 1u; r < R; ++r) {
            tally(higherRanks[state], rankCodeAfter[state * R + r]);
        }
    }
    suitPlaces.resize(std::size_t{rankCodeCount} * suitStates);
    for (std::uint32_t code = 0; code < rankCodeCount; ++code) {
        for (std::uint16_t state = 0; state < suitStates; ++state) {
            if (suits.symbols(state).size() + 1 != groupSize) {
                continue;
            }
            for (std::uint32_t suit = 0; suit < S; ++suit) {
                tally(suitPlaces[code * suitStates + state],
                      blocks[(code * suitStates + state) * kBlock + suit]);
            }
        }
    }
}

namespace {

// The multisets of one subset of the part's cards.
struct Subset {
    std::uint16_t rank;
    std::uint16_t suit;
};

// Up to three cards among the six before a part's last: at most C(6, 3).
constexpr std::size_t kMaxOfSize = 20;
struct Subsets {
    std::array<std::array<Subset, kMaxOfSize>, MultisetStates::kMaxSize> ofSize;
    std::array<std::uint8_t, MultisetStates::kMaxSize> count{};
};

// The smallest place of each byte, sixteen at a time.
struct Places {
#if defined(__SSE2__) && !MARVANE_SCALAR
    explicit Places(std::uint8_t place) : v(_mm_set1_epi8(static_cast<char>(place))) {}
    void minWith(const std::uint8_t* block) {
        v = _mm_min_epu8(v, _mm_loadu_si128(reinterpret_cast<const __m128i*>(block)));
    }
    std::array<std::uint8_t, 16> bytes() const {
        std::array<std::uint8_t, 16> out{};
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out.data()), v);
        return out;
    }
    __m128i v;
#else
    explicit Places(std::uint8_t place) {
        b.fill(place);
    }
    void minWith(const std::uint8_t* block) {
        for (std::size_t i = 0; i < b.size(); ++i) {
            b[i] = std::min(b[i], block[i]);
        }
    }
    std::array<std::uint8_t, 16> bytes() const {
        return b;
    }
    std::array<std::uint8_t, 16> b;
#endif
};
static_assert(JokerTables::kBlock == 16, "a block is one vector register");

class Loop {
public:
    Loop(const JokerTables& tables, std::uint32_t n, PartCounts& counts, const PartsDone& report,
         const PartSeen* seen)
        : tables_(tables),
          n_(n),
          last_(tables.groupSize - 1),
          counts_(counts),
          report_(report),
          seen_(seen),
          S_(tables.deck.suits),
          R_(tables.deck.ranks),
          N_(tables.deck.cardCount()),
          // A part that is one group has its last card counted in bulk:
          // a report per two cards fixed before it is often enough.
          reportLevel_(n == tables.groupSize ? std::max<std::uint32_t>(n, 3) - 2
                                             : std::min<std::uint32_t>(n, 3)),
          oneGroup_(n == tables.groupSize) {}

    bool run(std::uint32_t first) {
        for (Subsets& level : subsets_) {
            level.ofSize[0][0] = {MultisetStates::kEmpty, MultisetStates::kEmpty};
            level.count[0] = 1;
        }
        best_[0] = kNoPlace;
        return deal(0, first, first + 1);
    }

private:
    // Adds card c as the (k+1)-th and goes on; `from..to` are the choices.
    bool deal(std::uint32_t k, std::uint32_t from, std::uint32_t to) {
        if (k + 1 == n_ && seen_ == nullptr) {
            countLast(k, from, to);
            return k + 1 != reportLevel_ || report_(to - from);
        }
        for (std::uint32_t c = from; c < to; ++c) {
            indices_[k] = static_cast<std::uint8_t>(c);
            if (k + 1 == n_) {
                count(k, c);
            } else {
                add(k, c);
                if (!deal(k + 1, c + 1, N_ - (n_ - k - 2))) {
                    return false;
                }
            }
            // The parts under the fixed cards: the rest of the deck after c.
            if (k + 1 == reportLevel_ && !report_(choose64(N_ - 1 - c, n_ - reportLevel_))) {
                return false;
            }
        }
        return true;
    }

    // The place of a group: a subset one short of it plus card c.
    std::uint8_t placeWith(const Subset& subset, std::uint32_t r, std::uint32_t s) const {
        const std::uint8_t rankCode = tables_.rankCodeAfter[std::size_t{subset.rank} * R_ + r];
        const std::uint8_t suitCode = tables_.suitCodeAfter[std::size_t{subset.suit} * S_ + s];
        return tables_.places[rankCode * JokerTables::kSuitCodes + suitCode];
    }

    // The level's groups that end in c, and its new subsets: the old ones of
    // one size less plus c. The level before the last needs only the subsets
    // one short of a group.
    void add(std::uint32_t k, std::uint32_t c) {
        const std::uint32_t r = c / S_;
        const std::uint32_t s = c % S_;
        const Subsets& from = subsets_[k];
        Subsets& to = subsets_[k + 1];
        if (oneGroup_) {
            // The one subset a part that is one group needs: all its cards
            // so far. No group is whole before the last card.
            const Subset& all = from.ofSize[k][0];
            to.ofSize[k + 1][0] = {tables_.ranks.next(all.rank, r),
                                   tables_.suits.next(all.suit, s)};
            to.count[k + 1] = 1;
            best_[k + 1] = kNoPlace;
            return;
        }
        std::uint8_t best = best_[k];
        for (std::size_t i = 0; i < from.count[last_]; ++i) {
            best = std::min(best, placeWith(from.ofSize[last_][i], r, s));
        }
        best_[k + 1] = best;
        const std::uint32_t lowest = k + 2 == n_ ? last_ : 1;
        for (std::uint32_t size = std::max<std::uint32_t>(lowest, 1); size <= last_; ++size) {
            std::size_t count = from.count[size];
            to.ofSize[size] = from.ofSize[size];
            for (std::size_t i = 0; i < from.count[size - 1]; ++i) {
                const Subset& old = from.ofSize[size - 1][i];
                to.ofSize[size][count++] = {tables_.ranks.next(old.rank, r),
                                            tables_.suits.next(old.suit, s)};
            }
            to.count[size] = static_cast<std::uint8_t>(count);
        }
    }

    // The part's last card c: its groups that end in c decide with the rest.
    void count(std::uint32_t k, std::uint32_t c) {
        const std::uint32_t r = c / S_;
        const std::uint32_t s = c % S_;
        std::uint8_t best = best_[k];
        for (std::size_t i = 0; i < subsets_[k].count[last_]; ++i) {
            best = std::min(best, placeWith(subsets_[k].ofSize[last_][i], r, s));
        }
        ++counts_.banks[s][best];
        if (seen_ != nullptr) {
            (*seen_)(indices_, best);
        }
    }

    // Every last card from..to-1 at once, rank by rank: the blocks of the
    // subsets one short of a group, each picked by the group's rank code, give
    // the places of every suit of the rank; their bytewise minimum with the
    // prefix's own best is each part's place.
    void countLast(std::uint32_t k, std::uint32_t from, std::uint32_t to) {
        if (oneGroup_ && n_ >= 2 && to == N_) {
            countLastOfOneGroup(k, from);
            return;
        }
        countLastByRank(k, from, to);
    }

    // A part that is one group: the rest of the last card's rank one suit at
    // a time, then every higher rank at once. A higher rank's place for
    // each suit depends only on the group's rank code with it and the
    // others' suits, and ranks with the same code have the same places, so
    // the tables count them together: every part is counted, in its place.
    // The last card runs from `from` to the deck's end.
    void countLastOfOneGroup(std::uint32_t k, std::uint32_t from) {
        const Subset& others = subsets_[k].ofSize[last_][0];
        const std::size_t suitStates = tables_.suits.count();
        if (from % S_ != 0) {
            const std::uint32_t r = from / S_;
            const std::uint8_t code = tables_.rankCodeAfter[std::size_t{others.rank} * R_ + r];
            const std::uint8_t* block =
                &tables_.blocks[(code * suitStates + others.suit) * JokerTables::kBlock];
            for (std::uint32_t s = from % S_; s < S_; ++s) {
                ++counts_.banks[s][block[s]];
            }
        }
        auto& bank = counts_.banks[0];
        for (const JokerTables::Tally& code : tables_.higherRanks[others.rank]) {
            for (const JokerTables::Tally& place :
                 tables_.suitPlaces[code.value * suitStates + others.suit]) {
                bank[place.value] += std::uint64_t{code.times} * place.times;
            }
        }
    }

    void countLastByRank(std::uint32_t k, std::uint32_t from, std::uint32_t to) {
        const Subsets& level = subsets_[k];
        const std::size_t count = level.count[last_];
        std::array<const std::uint8_t*, kMaxOfSize> rankRows{};
        std::array<const std::uint8_t*, kMaxOfSize> suitBlocks{};
        for (std::size_t i = 0; i < count; ++i) {
            const Subset& subset = level.ofSize[last_][i];
            rankRows[i] = &tables_.rankCodeAfter[std::size_t{subset.rank} * R_];
            suitBlocks[i] = &tables_.blocks[std::size_t{subset.suit} * JokerTables::kBlock];
        }
        const std::size_t codeStride = tables_.suits.count() * JokerTables::kBlock;
        for (std::uint32_t r = from / S_; r * S_ < to; ++r) {
            Places places(best_[k]);
            for (std::size_t i = 0; i < count; ++i) {
                places.minWith(suitBlocks[i] + rankRows[i][r] * codeStride);
            }
            const std::array<std::uint8_t, 16> bytes = places.bytes();
            const std::uint32_t low = std::max(from, r * S_) - r * S_;
            const std::uint32_t high = std::min(to, (r + 1) * S_) - r * S_;
            for (std::uint32_t s = low; s < high; ++s) {
                ++counts_.banks[s][bytes[s]];
            }
        }
    }

    const JokerTables& tables_;
    std::uint32_t n_;
    std::uint32_t last_;  // a group's size less one
    PartCounts& counts_;
    const PartsDone& report_;
    const PartSeen* seen_;
    std::uint32_t S_;
    std::uint32_t R_;
    std::uint32_t N_;
    std::uint32_t reportLevel_;
    bool oneGroup_;  // the part is one whole group
    std::array<std::uint8_t, 8> indices_{};
    std::array<std::uint8_t, kMaxCards + 1> best_{};
    std::array<Subsets, kMaxCards + 1> subsets_{};
};

}  // namespace

bool runFirstCard(const JokerTables& tables, std::uint32_t n, std::uint32_t first,
                  PartCounts& counts, const PartsDone& report, const PartSeen* seen) {
    return Loop(tables, n, counts, report, seen).run(first);
}

}  // namespace marvane::jokerloop
