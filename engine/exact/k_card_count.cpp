// SPDX-License-Identifier: MIT
#include "engine/exact/k_card_count.h"

#include <algorithm>
#include <array>
#include <bit>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <tuple>

#include "engine/exact/hand_classes.h"

namespace marvane {

namespace {

using HC = HandCategory;
using namespace cardclasses;

constexpr std::uint32_t bitOf(HC category) {
    return 1u << indexOf(category);
}

// The categories of a five with a repeated rank, by its rank pattern: when
// its five suits differ, and when they don't.
struct PairedCategories {
    std::uint32_t rainbow = 0;
    std::uint32_t hypochromatic = 0;
};

// Rank patterns with a repeated rank, as parts in descending order, and the
// number of cards they are made of.
struct PairedPattern {
    std::array<std::uint8_t, kHandSize> parts{};
    PairedCategories categories;
    std::uint32_t cards = kHandSize;
};
constexpr PairedCategories kFours{bitOf(HC::Rainbow4OfAKind), bitOf(HC::Hypochromatic4OfAKind)};
constexpr PairedCategories kThrees{bitOf(HC::Rainbow3OfAKind), bitOf(HC::Hypochromatic3OfAKind)};
constexpr PairedCategories kTwoPairs{bitOf(HC::Rainbow2Pair), bitOf(HC::Hypochromatic2Pair)};
constexpr PairedCategories kPairs{bitOf(HC::Rainbow1Pair), bitOf(HC::Hypochromatic1Pair)};
constexpr std::array<PairedPattern, 12> kPairedPatterns{{
    {{5}, {bitOf(HC::FiveOfAKind), bitOf(HC::FiveOfAKind)}},
    {{4, 1}, kFours},
    {{3, 2}, {bitOf(HC::RainbowFullHouse), bitOf(HC::HypochromaticFullHouse)}},
    {{3, 1, 1}, kThrees},
    {{2, 2, 1}, kTwoPairs},
    {{2, 1, 1, 1}, kPairs},
    // A hand of four or three cards, classed as itself.
    {{4}, kFours, 4},
    {{3, 1}, kThrees, 4},
    {{2, 2}, kTwoPairs, 4},
    {{2, 1, 1}, kPairs, 4},
    {{3}, kThrees, 3},
    {{2, 1}, kPairs, 3},
}};

// The cards taken, as parts in descending order.
std::array<std::uint8_t, kHandSize> partsOf(const Multiplicities& take, std::uint32_t d) {
    std::array<std::uint8_t, kHandSize> parts{};
    std::uint32_t count = 0;
    for (std::uint32_t i = 0; i < d; ++i) {
        if (take[i] != 0) {
            parts[count++] = take[i];
        }
    }
    std::sort(parts.begin(), parts.end(), std::greater<>());
    return parts;
}

// The paired patterns of `classed` cards that wild cards can complete these
// cards to: each rank taken keeps at least its cards, the wild cards add to
// them or start new ranks (a deck has ranks enough). Without wild cards, the
// cards' own pattern.
PairedCategories pairedReach(const std::array<std::uint8_t, kHandSize>& parts,
                             std::uint32_t classed) {
    PairedCategories reach;
    for (const PairedPattern& pattern : kPairedPatterns) {
        if (pattern.cards != classed) {
            continue;
        }
        // Both in descending order: the cards' ranks fit the pattern's ranks
        // exactly when they fit part by part.
        bool fits = true;
        for (std::size_t k = 0; k < kHandSize; ++k) {
            fits = fits && parts[k] <= pattern.parts[k];
        }
        if (fits) {
            reach.rainbow |= pattern.categories.rainbow;
            reach.hypochromatic |= pattern.categories.hypochromatic;
        }
    }
    return reach;
}

// Some cards of a natural part, taken to make a five with the wild cards.
struct Take {
    // Hall's condition for giving every card taken a suit of its own: each
    // nonempty subset of the positions (bit mask) and the cards it takes.
    struct Need {
        std::uint8_t positions;
        std::uint8_t cards;
    };
    std::vector<Need> needs;
    std::uint8_t support = 0;  // positions it takes cards of
    Multiplicities take{};
    bool distinctRanks = false;
    PairedCategories paired;  // the categories with a repeated rank it can make
};

constexpr std::uint64_t kFlushBit = 1;
constexpr std::uint64_t kRainbowBit = 2;
constexpr std::uint64_t kMixedBit = 4;

// What one assignment of suits allows: the categories of the fives with a
// repeated rank, and the groups of distinct ranks (bit g for group number g)
// whose five can be a flush, rainbow or neither. Eight distinct ranks have 56
// groups of five, which fit.
struct SuitSignature {
    std::uint32_t paired = 0;
    std::uint64_t flush = 0;
    std::uint64_t rainbow = 0;
    std::uint64_t mixed = 0;

    void addGroup(std::size_t group, std::uint64_t bits) {
        const std::uint64_t bit = std::uint64_t{1} << group;
        flush |= (bits & kFlushBit) != 0 ? bit : 0;
        rainbow |= (bits & kRainbowBit) != 0 ? bit : 0;
        mixed |= (bits & kMixedBit) != 0 ? bit : 0;
    }
    friend bool operator<(const SuitSignature& a, const SuitSignature& b) {
        return std::tie(a.paired, a.flush, a.rainbow, a.mixed) <
               std::tie(b.paired, b.flush, b.rainbow, b.mixed);
    }
};

// The natural part of a hand: n cards of d distinct ranks with one
// multiplicity vector, and `wilds` jokers. Its groups of `classed` cards (the
// fives, or the whole hand of three or four) take classed - wilds of its
// cards (a group with fewer jokers reaches nothing more: a joker can stand
// for the card it displaces).
class NaturalPartWalk {
public:
    NaturalPartWalk(std::uint32_t suits, const Multiplicities& multiplicities, std::uint32_t d,
                    std::uint32_t wilds, std::uint32_t classed, const PositionGroups& groups)
        : suitCount_(suits), d_(d), wilds_(wilds), classed_(classed), groups_(groups) {
        forEachTake(multiplicities, d, classed - wilds, [&](const Multiplicities& take) {
            Take t;
            t.take = take;
            t.distinctRanks = true;
            for (std::uint32_t i = 0; i < d; ++i) {
                if (take[i] != 0) {
                    t.support |= static_cast<std::uint8_t>(1u << i);
                }
                t.distinctRanks = t.distinctRanks && take[i] <= 1;
            }
            for (std::uint32_t sub = t.support; sub != 0; sub = (sub - 1) & t.support) {
                std::uint32_t cards = 0;
                for (std::uint32_t rest = sub; rest != 0; rest &= rest - 1) {
                    cards += take[static_cast<std::size_t>(std::countr_zero(rest))];
                }
                t.needs.push_back(
                    {static_cast<std::uint8_t>(sub), static_cast<std::uint8_t>(cards)});
            }
            t.paired = pairedReach(partsOf(take, d), classed);
            takes_.push_back(t);
        });
    }

    // Every assignment of suits up to renaming, by signature, weighted by the
    // assignments each stands for.
    std::map<SuitSignature, std::uint64_t> run(const Multiplicities& multiplicities) {
        std::map<SuitSignature, std::uint64_t> signatures;
        forEachSuitAssignment(suitCount_, multiplicities, d_,
                              [&](const Suits& suits, std::uint64_t weight) {
                                  signatures[signature(suits)] += weight;
                              });
        return signatures;
    }

private:
    // Per set of positions (bit mask): the suits any of them has, the suits
    // all of them have, and their suits counted position by position; built
    // once per assignment, so that every take asks in one look.
    struct PositionSuits {
        std::array<SuitSet, 1u << kMaxCards> any{};
        std::array<SuitSet, 1u << kMaxCards> all{};
        std::array<std::uint8_t, 1u << kMaxCards> held{};

        PositionSuits(const Suits& suits, std::uint32_t d) {
            all[0] = 0xFF;
            for (std::uint32_t mask = 1; mask < (1u << d); ++mask) {
                const SuitSet own = suits[static_cast<std::size_t>(std::countr_zero(mask))];
                const std::uint32_t rest = mask & (mask - 1);
                any[mask] = static_cast<SuitSet>(any[rest] | own);
                all[mask] = static_cast<SuitSet>(all[rest] & own);
                held[mask] = static_cast<std::uint8_t>(held[rest] + kSuitsIn[own]);
            }
        }
        // Some two of the positions share a suit.
        bool shared(std::uint32_t mask) const { return held[mask] > kSuitsIn[any[mask]]; }
        // Hall: every subset of the positions has suits enough for its cards.
        bool distinct(const Take& take) const {
            for (const Take::Need& need : take.needs) {
                if (kSuitsIn[any[need.positions]] < need.cards) {
                    return false;
                }
            }
            return true;
        }
    };

    SuitSignature signature(const Suits& suits) const {
        SuitSignature result;
        const bool rainbowDeck = suitCount_ >= classed_;
        const PositionSuits at(suits, d_);
        for (const Take& t : takes_) {
            const bool distinctSuits = rainbowDeck && at.distinct(t);
            if (wilds_ == 0) {
                if (!t.distinctRanks) {
                    if (at.shared(t.support)) {
                        result.paired |= t.paired.hypochromatic;
                    }
                    if (distinctSuits) {
                        result.paired |= t.paired.rainbow;
                    }
                    continue;
                }
                result.addGroup(static_cast<std::size_t>(groups_.number[t.support]),
                                naturalGroupBits(at, t.support, distinctSuits));
                continue;
            }
            // A joker may repeat a suit, even a card, so every pattern it
            // completes can be hypochromatic; rainbow needs the cards' own
            // suits to differ.
            result.paired |= t.paired.hypochromatic;
            if (distinctSuits) {
                result.paired |= t.paired.rainbow;
            }
            if (t.distinctRanks) {
                std::uint64_t bits = kMixedBit;
                if (at.all[t.support] != 0) {
                    bits |= kFlushBit;
                }
                if (distinctSuits) {
                    bits |= kRainbowBit;
                }
                result.addGroup(static_cast<std::size_t>(groups_.number[t.support]), bits);
            }
        }
        return result;
    }

    // A group of distinct ranks, one card of each position.
    static std::uint64_t naturalGroupBits(const PositionSuits& at, std::uint32_t positions,
                                          bool distinctSuits) {
        const bool flush = at.all[positions] != 0;
        // Every position one card of one suit, all the same.
        const bool allSameSingle =
            flush && at.held[positions] == static_cast<std::uint32_t>(std::popcount(positions));
        std::uint64_t bits = 0;
        if (flush) {
            bits |= kFlushBit;
        }
        if (distinctSuits) {
            bits |= kRainbowBit;
        }
        // Two cards of one suit, yet not all of one suit.
        if (at.shared(positions) && !allSameSingle) {
            bits |= kMixedBit;
        }
        return bits;
    }

    std::uint32_t suitCount_;
    std::uint32_t d_;
    std::uint32_t wilds_;
    std::uint32_t classed_;
    const PositionGroups& groups_;
    std::vector<Take> takes_;
};

// The categories of a signature once it is known which groups of distinct
// ranks fit a straight. Natural groups are a straight or not; wild cards can
// complete a group that fits to a straight, and any group to a non-straight
// (a deck of at least 7 ranks has more ranks around any four than straights
// through them).
std::uint32_t categorySet(const SuitSignature& signature, std::uint64_t fitting, bool wild) {
    std::uint32_t set = signature.paired;
    // Groups that can be a straight, and groups that can be something else.
    const std::uint64_t other = wild ? ~std::uint64_t{0} : ~fitting;
    auto add = [&](std::uint64_t groups, HC straightCategory, HC otherCategory) {
        set |= ((groups & fitting) != 0 ? bitOf(straightCategory) : 0) |
               ((groups & other) != 0 ? bitOf(otherCategory) : 0);
    };
    add(signature.flush, HC::StraightFlush, HC::Flush);
    add(signature.rainbow, HC::RainbowStraight, HC::Rainbow);
    add(signature.mixed, HC::HypochromaticStraight, HC::Garbage);
    return set;
}

// Hands by set of categories, a slot for each of the 2^17 sets.
using SetHands = std::vector<std::uint64_t>;

// Adds the hands of n natural cards and `wilds` jokers, `weight` hands for
// each natural part, to the sets.
// Hands of `cards` cards; no natural card at all (a hand of jokers only) is
// the one empty part.
void addNaturalParts(Deck deck, std::uint32_t cards, std::uint32_t n, std::uint32_t wilds,
                     std::uint64_t weight, SetHands& sets) {
    const std::uint32_t classed = classedCards(cards);
    for (std::uint32_t d = n == 0 ? 0 : 1; d <= n && d <= deck.ranks; ++d) {
        const PositionGroups groups(d, classed - wilds);
        const auto rankSets = rankSetsByStraightFit(deck.ranks, d, groups, classed);
        forEachMultiplicities(n, d, deck.suits, [&](const Multiplicities& multiplicities) {
            const auto signatures =
                NaturalPartWalk(deck.suits, multiplicities, d, wilds, classed, groups)
                    .run(multiplicities);
            for (const auto& [fitting, rankSetCount] : rankSets) {
                for (const auto& [signature, suitWeight] : signatures) {
                    sets[categorySet(signature, fitting, wilds > 0)] +=
                        rankSetCount * suitWeight * weight;
                }
            }
        });
    }
}

}  // namespace

KCardCountTable::KCardCountTable(Deck deck, std::uint32_t cards, std::uint32_t jokers)
    : deck_(deck), cards_(cards), jokers_(jokers) {
    if (!deck.isAdmissible()) {
        throw std::invalid_argument("deck " + std::to_string(deck.suits) + " x " +
                                    std::to_string(deck.ranks) + " is not admissible");
    }
    if (cards < kMinCards || cards > kMaxCards) {
        throw std::invalid_argument("a hand holds " + std::to_string(kMinCards) + " to " +
                                    std::to_string(kMaxCards) + " cards, not " +
                                    std::to_string(cards));
    }
    if (jokers > kMaxJokers) {
        throw std::invalid_argument("a deck holds 0 to 4 jokers, not " + std::to_string(jokers));
    }
    // A hand holds j of the jokers (which ones changes nothing) and K - j
    // natural cards.
    SetHands sets(std::size_t{1} << kCategoryCount, 0);
    for (std::uint32_t j = 0; j <= jokers && j <= cards; ++j) {
        addNaturalParts(deck, cards, cards - j, j, choose64(jokers, j), sets);
    }
    for (std::uint32_t set = 0; set < sets.size(); ++set) {
        if (sets[set] != 0) {
            sets_.emplace_back(set, sets[set]);
        }
    }
}

CategoryCounts64 KCardCountTable::counts(const CategoryOrder& order) const {
    if (const auto problem = orderProblem(deck_, cards_, order, jokers_)) {
        throw std::invalid_argument(*problem);
    }
    const OrderPlaces places = placesOf(order);
    CategoryCounts64 counts;
    for (const auto& [set, hands] : sets_) {
        std::uint32_t bestPlace = kNoPlace;
        for (std::uint32_t rest = set; rest != 0; rest &= rest - 1) {
            bestPlace = std::min<std::uint32_t>(bestPlace, places[std::countr_zero(rest)]);
        }
        // Every member of a set is a category some hand reaches, which a
        // sound order holds, so bestPlace is a place.
        counts[order[bestPlace]] += hands;
    }
    return counts;
}

CategoryCounts64 countKCards(Deck deck, std::uint32_t cards, const CategoryOrder& order,
                             std::uint32_t jokers) {
    return KCardCountTable(deck, cards, jokers).counts(order);
}

}  // namespace marvane
