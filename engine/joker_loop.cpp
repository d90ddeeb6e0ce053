// SPDX-License-Identifier: MIT
#include "engine/joker_loop.h"

#include <algorithm>
#include <bit>
#include <map>
#include <optional>
#include <stdexcept>

#include "engine/card.h"
#include "engine/card_counts.h"
#include "engine/joker_reference.h"

namespace marvane::jokerloop {

MultisetStates::MultisetStates(std::uint32_t alphabet, std::uint32_t maxRepeats, bool ascending)
    : alphabet_(alphabet) {
    std::map<std::vector<std::uint8_t>, std::uint16_t> known{{{}, kEmpty}};
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
            auto [it, added] = known.emplace(to, static_cast<std::uint16_t>(symbols_.size()));
            if (added) {
                symbols_.push_back(to);
            }
            next_[state * alphabet_ + symbol] = it->second;
        }
    }
    next_.resize(symbols_.size() * alphabet_, kNone);
}

namespace {

// Ranks 0..R-1 that fit inside one straight of the deck.
bool fitsStraight(const std::vector<std::uint8_t>& ranks, std::uint32_t deckRanks) {
    std::uint32_t mask = 0;
    for (std::uint8_t r : ranks) {
        mask |= 1u << r;
    }
    for (std::uint32_t low = 0; low + kHandSize <= deckRanks; ++low) {
        if ((mask & ~(0x1Fu << low)) == 0) {
            return true;
        }
    }
    return (mask & ~(1u | (0xFu << (deckRanks - 4)))) == 0;
}

// The rank class of a group: its ranks' multiplicities in descending order,
// and for distinct ranks whether they fit inside one straight.
std::uint32_t rankClassKey(const std::vector<std::uint8_t>& ranks, std::uint32_t deckRanks) {
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
    return key * 2 + (distinct && fitsStraight(ranks, deckRanks) ? 1 : 0);
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

JokerTables::JokerTables(Deck deck, std::uint32_t wilds, const CategoryOrder& order)
    : deck(deck),
      groupSize(kHandSize - wilds),
      ranks(deck.ranks, std::min(deck.suits, MultisetStates::kMaxSize), true),
      suits(deck.suits, MultisetStates::kMaxSize, false) {
    if (wilds < 1 || wilds > kMaxJokers) {
        throw std::invalid_argument("a group of wild cards holds 1 to 4, not " +
                                    std::to_string(wilds));
    }
    const std::uint32_t R = deck.ranks;
    const std::uint32_t S = deck.suits;
    // Rank codes, numbered as their classes first appear; each with one
    // group of ranks that has it.
    std::map<std::uint32_t, std::uint8_t> codeOfClass;
    std::vector<std::vector<std::uint8_t>> rankExample;
    std::vector<std::uint8_t> rankCode(ranks.count(), 0);
    for (std::uint16_t state = 0; state < ranks.count(); ++state) {
        const auto& symbols = ranks.symbols(state);
        if (symbols.size() != groupSize) {
            continue;
        }
        const auto [it, added] = codeOfClass.emplace(rankClassKey(symbols, R),
                                                     static_cast<std::uint8_t>(rankExample.size()));
        if (added) {
            rankExample.push_back(symbols);
        }
        rankCode[state] = it->second;
    }
    auto after = [&](const MultisetStates& states, std::uint32_t alphabet, auto codeOf) {
        std::vector<std::uint8_t> table(states.count() * alphabet, 0);
        for (std::uint16_t state = 0; state < states.count(); ++state) {
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
        for (std::uint16_t suitState = 0; suitState < suits.count(); ++suitState) {
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
}

namespace {

// The multisets of one subset of the part's cards.
struct Subset {
    std::uint16_t rank;
    std::uint16_t suit;
    std::uint8_t size;
};

class Loop {
public:
    Loop(const JokerTables& tables, std::uint32_t n, PartCounts& counts, const PartsDone& report,
         const PartSeen* seen)
        : tables_(tables),
          n_(n),
          counts_(counts),
          report_(report),
          seen_(seen),
          S_(tables.deck.suits),
          R_(tables.deck.ranks),
          N_(tables.deck.cardCount()),
          reportLevel_(std::min<std::uint32_t>(n, 3)) {}

    bool run(std::uint32_t first) {
        subsets_[0][0] = {MultisetStates::kEmpty, MultisetStates::kEmpty, 0};
        subsetCount_[0] = 1;
        best_[0] = kNoPlace;
        return deal(0, first, first + 1);
    }

private:
    static constexpr std::size_t kMaxSubsets = 32;  // of up to 3 cards among 5

    // Adds card c as the (k+1)-th and goes on; `from..to` are the choices.
    bool deal(std::uint32_t k, std::uint32_t from, std::uint32_t to) {
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

    // The place of a group of the level's subset plus card c.
    std::uint8_t placeWith(const Subset& subset, std::uint32_t r, std::uint32_t s) const {
        const std::uint8_t rankCode = tables_.rankCodeAfter[std::size_t{subset.rank} * R_ + r];
        const std::uint8_t suitCode = tables_.suitCodeAfter[std::size_t{subset.suit} * S_ + s];
        return tables_.places[rankCode * JokerTables::kSuitCodes + suitCode];
    }

    // The level's groups that end in c, and its new subsets.
    void add(std::uint32_t k, std::uint32_t c) {
        const std::uint32_t r = c / S_;
        const std::uint32_t s = c % S_;
        const std::uint32_t last = tables_.groupSize - 1;
        std::uint8_t best = best_[k];
        std::size_t count = subsetCount_[k];
        auto& from = subsets_[k];
        auto& to = subsets_[k + 1];
        std::copy(from.begin(), from.begin() + static_cast<std::ptrdiff_t>(count), to.begin());
        for (std::size_t i = 0; i < subsetCount_[k]; ++i) {
            const Subset& subset = from[i];
            if (subset.size == last) {
                best = std::min(best, placeWith(subset, r, s));
            } else {
                to[count++] = {tables_.ranks.next(subset.rank, r),
                               tables_.suits.next(subset.suit, s),
                               static_cast<std::uint8_t>(subset.size + 1)};
            }
        }
        best_[k + 1] = best;
        subsetCount_[k + 1] = count;
    }

    // The part's last card c: its groups that end in c decide with the rest.
    void count(std::uint32_t k, std::uint32_t c) {
        const std::uint32_t r = c / S_;
        const std::uint32_t s = c % S_;
        const std::uint32_t last = tables_.groupSize - 1;
        std::uint8_t best = best_[k];
        for (std::size_t i = 0; i < subsetCount_[k]; ++i) {
            if (subsets_[k][i].size == last) {
                best = std::min(best, placeWith(subsets_[k][i], r, s));
            }
        }
        ++counts_[best];
        if (seen_ != nullptr) {
            (*seen_)(indices_, best);
        }
    }

    const JokerTables& tables_;
    std::uint32_t n_;
    PartCounts& counts_;
    const PartsDone& report_;
    const PartSeen* seen_;
    std::uint32_t S_;
    std::uint32_t R_;
    std::uint32_t N_;
    std::uint32_t reportLevel_;
    std::array<std::uint8_t, 8> indices_{};
    std::array<std::uint8_t, kMaxCards + 1> best_{};
    std::array<std::size_t, kMaxCards + 1> subsetCount_{};
    std::array<std::array<Subset, kMaxSubsets>, kMaxCards + 1> subsets_{};
};

}  // namespace

bool runFirstCard(const JokerTables& tables, std::uint32_t n, std::uint32_t first,
                  PartCounts& counts, const PartsDone& report, const PartSeen* seen) {
    return Loop(tables, n, counts, report, seen).run(first);
}

}  // namespace marvane::jokerloop
