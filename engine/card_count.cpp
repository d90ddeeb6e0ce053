// SPDX-License-Identifier: MIT
#include "engine/card_count.h"

#include <array>
#include <bit>
#include <map>
#include <stdexcept>
#include <string>

namespace marvane {

namespace {

using HC = HandCategory;

constexpr std::uint32_t bitOf(HC category) {
    return 1u << indexOf(category);
}

using SuitSet = std::uint8_t;  // bit s: suit s
static_assert(kMaxSuits <= 8, "a suit set must fit 8 bits");
using Suits = std::array<SuitSet, kMaxCards>;  // per distinct rank of the hand, in rank order

// The fives of distinct ranks among d positions, as position masks, and each
// mask's number in that list.
struct FivePositions {
    explicit FivePositions(std::uint32_t d) {
        number.fill(-1);
        for (std::uint32_t mask = 0; mask < (1u << d); ++mask) {
            if (std::popcount(mask) == static_cast<int>(kHandSize)) {
                number[mask] = static_cast<std::int8_t>(masks.size());
                masks.push_back(static_cast<std::uint8_t>(mask));
            }
        }
    }
    std::vector<std::uint8_t> masks;
    std::array<std::int8_t, 1u << kMaxCards> number{};
};

// The deck's straights as rank masks: five ranks in a row, and rank 0 with
// the four highest.
std::vector<std::uint32_t> straightsOf(std::uint32_t ranks) {
    std::vector<std::uint32_t> straights;
    for (std::uint32_t low = 0; low + kHandSize <= ranks; ++low) {
        straights.push_back(0x1Fu << low);
    }
    straights.push_back(1u | (0xFu << (ranks - 4)));
    return straights;
}

// Sets of d ranks, counted by which of their fives (FivePositions numbers)
// are straights.
std::map<std::uint32_t, std::uint64_t> rankSetsByStraights(std::uint32_t ranks, std::uint32_t d,
                                                           const FivePositions& fives) {
    std::map<std::uint32_t, std::uint64_t> sets;
    if (d < kHandSize) {
        sets[0] = choose64(ranks, d);
        return sets;
    }
    const std::vector<std::uint32_t> straights = straightsOf(ranks);
    const std::uint32_t end = 1u << ranks;
    // Every d-bit mask below 2^ranks in increasing order (Gosper's step).
    for (std::uint32_t set = (1u << d) - 1; set < end;) {
        std::array<std::uint8_t, 32> position{};
        std::uint32_t p = 0;
        for (std::uint32_t rest = set; rest != 0; rest &= rest - 1) {
            position[std::countr_zero(rest)] = static_cast<std::uint8_t>(p++);
        }
        std::uint32_t straightFives = 0;
        for (std::uint32_t straight : straights) {
            if ((straight & set) == straight) {
                std::uint32_t positions = 0;
                for (std::uint32_t rest = straight; rest != 0; rest &= rest - 1) {
                    positions |= 1u << position[std::countr_zero(rest)];
                }
                straightFives |= 1u << fives.number[positions];
            }
        }
        ++sets[straightFives];
        const std::uint32_t ripple = set + (set & -set);
        set = ripple | (((set ^ ripple) >> 2) >> std::countr_zero(set));
    }
    return sets;
}

// A five with a repeated rank: how many cards it takes of each distinct rank,
// and its categories when its suits differ and when they don't.
struct PairedFive {
    std::uint8_t support = 0;  // positions it takes cards of
    std::array<std::uint8_t, kMaxCards> take{};
    std::uint32_t rainbow = 0;
    std::uint32_t hypochromatic = 0;
};

PairedFive pairedFive(const std::array<std::uint8_t, kMaxCards>& take, std::uint32_t d) {
    PairedFive five;
    five.take = take;
    std::array<std::uint32_t, kHandSize + 1> ofSize{};  // ranks taken 1, 2, .. 5 times
    for (std::uint32_t i = 0; i < d; ++i) {
        if (take[i] != 0) {
            five.support |= static_cast<std::uint8_t>(1u << i);
            ++ofSize[take[i]];
        }
    }
    auto both = [&](HC rainbow, HC hypochromatic) {
        five.rainbow = bitOf(rainbow);
        five.hypochromatic = bitOf(hypochromatic);
    };
    if (ofSize[5] == 1) {
        both(HC::FiveOfAKind, HC::FiveOfAKind);
    } else if (ofSize[4] == 1) {
        both(HC::Rainbow4OfAKind, HC::Hypochromatic4OfAKind);
    } else if (ofSize[3] == 1 && ofSize[2] == 1) {
        both(HC::RainbowFullHouse, HC::HypochromaticFullHouse);
    } else if (ofSize[3] == 1) {
        both(HC::Rainbow3OfAKind, HC::Hypochromatic3OfAKind);
    } else if (ofSize[2] == 2) {
        both(HC::Rainbow2Pair, HC::Hypochromatic2Pair);
    } else {
        both(HC::Rainbow1Pair, HC::Hypochromatic1Pair);
    }
    return five;
}

// Every five of the multiplicities that repeats a rank.
void collectPairedFives(const std::array<std::uint8_t, kMaxCards>& multiplicities, std::uint32_t d,
                        std::uint32_t position, std::array<std::uint8_t, kMaxCards>& take,
                        std::uint32_t taken, std::vector<PairedFive>& fives) {
    if (position == d) {
        bool repeats = false;
        for (std::uint32_t i = 0; i < d; ++i) {
            repeats = repeats || take[i] > 1;
        }
        if (taken == kHandSize && repeats) {
            fives.push_back(pairedFive(take, d));
        }
        return;
    }
    for (std::uint32_t t = 0; t <= multiplicities[position] && taken + t <= kHandSize; ++t) {
        take[position] = static_cast<std::uint8_t>(t);
        collectPairedFives(multiplicities, d, position + 1, take, taken + t, fives);
    }
    take[position] = 0;
}

// Some pair of the chosen ranks shares a suit.
bool anySharedSuit(const Suits& suits, std::uint32_t positions) {
    SuitSet seen = 0;
    for (std::uint32_t rest = positions; rest != 0; rest &= rest - 1) {
        const SuitSet s = suits[std::countr_zero(rest)];
        if (seen & s) {
            return true;
        }
        seen |= s;
    }
    return false;
}

// The chosen ranks can take `take` cards each, all of different suits (Hall:
// every group of them has at least as many suits as cards to place).
bool distinctSuitsPossible(const Suits& suits, std::uint32_t positions,
                           const std::array<std::uint8_t, kMaxCards>& take) {
    for (std::uint32_t group = positions; group != 0; group = (group - 1) & positions) {
        SuitSet together = 0;
        std::uint32_t needed = 0;
        for (std::uint32_t rest = group; rest != 0; rest &= rest - 1) {
            const int i = std::countr_zero(rest);
            together |= suits[i];
            needed += take[i];
        }
        if (static_cast<std::uint32_t>(std::popcount(together)) < needed) {
            return false;
        }
    }
    return true;
}

// What one assignment of suits allows: the categories of its repeated-rank
// fives, and per five of distinct ranks (3 bits at 3 * its number) whether
// it can be a flush (bit 0), rainbow (bit 1) or neither (bit 2).
struct SuitSignature {
    std::uint32_t paired = 0;
    std::uint64_t distinct = 0;
    friend bool operator<(const SuitSignature& a, const SuitSignature& b) {
        return a.paired != b.paired ? a.paired < b.paired : a.distinct < b.distinct;
    }
};

constexpr std::uint64_t kFlushBit = 1;
constexpr std::uint64_t kRainbowBit = 2;
constexpr std::uint64_t kMixedBit = 4;

class MultiplicityWalk {
public:
    MultiplicityWalk(std::uint32_t suits, const std::array<std::uint8_t, kMaxCards>& multiplicities,
                     std::uint32_t d, const FivePositions& fives)
        : suitCount_(suits), multiplicities_(multiplicities), d_(d), fives_(fives) {
        std::array<std::uint8_t, kMaxCards> take{};
        collectPairedFives(multiplicities, d, 0, take, 0, paired_);
        const std::array<std::uint8_t, kMaxCards> ones{1, 1, 1, 1, 1, 1, 1};
        ones_ = ones;
    }

    // Every assignment of suits up to renaming, by signature, weighted by the
    // assignments each stands for.
    std::map<SuitSignature, std::uint64_t> run() {
        assign(0, 0, 1);
        return signatures_;
    }

private:
    // Suits 0..used-1 are taken by the ranks before `position`; the next rank
    // takes some of those and `fresh` new ones, which are suits used.. on
    // (any fresh suits will do: the others are renamings of them).
    void assign(std::uint32_t position, std::uint32_t used, std::uint64_t weight) {
        if (position == d_) {
            signatures_[signature()] += weight;
            return;
        }
        const std::uint32_t m = multiplicities_[position];
        for (std::uint32_t fresh = 0; fresh <= m && used + fresh <= suitCount_; ++fresh) {
            const auto freshSuits = static_cast<SuitSet>(((1u << fresh) - 1) << used);
            const std::uint64_t ways = weight * choose64(suitCount_ - used, fresh);
            for (std::uint32_t old = 0; old < (1u << used); ++old) {
                if (static_cast<std::uint32_t>(std::popcount(old)) == m - fresh) {
                    suits_[position] = static_cast<SuitSet>(old | freshSuits);
                    assign(position + 1, used + fresh, ways);
                }
            }
        }
    }

    SuitSignature signature() const {
        SuitSignature result;
        for (const PairedFive& five : paired_) {
            if (anySharedSuit(suits_, five.support)) {
                result.paired |= five.hypochromatic;
            }
            if (distinctSuitsPossible(suits_, five.support, five.take)) {
                result.paired |= five.rainbow;
            }
        }
        for (std::size_t j = 0; j < fives_.masks.size(); ++j) {
            const std::uint32_t positions = fives_.masks[j];
            SuitSet common = 0xFF;
            bool allSameSingle = true;
            for (std::uint32_t rest = positions; rest != 0; rest &= rest - 1) {
                const SuitSet s = suits_[std::countr_zero(rest)];
                common &= s;
                allSameSingle = allSameSingle && std::popcount(s) == 1;
            }
            allSameSingle = allSameSingle && common != 0;
            std::uint64_t bits = 0;
            if (common != 0) {
                bits |= kFlushBit;
            }
            if (suitCount_ >= kHandSize && distinctSuitsPossible(suits_, positions, ones_)) {
                bits |= kRainbowBit;
            }
            // Two cards of one suit, yet not all five of one suit.
            if (anySharedSuit(suits_, positions) && !allSameSingle) {
                bits |= kMixedBit;
            }
            result.distinct |= bits << (3 * j);
        }
        return result;
    }

    std::uint32_t suitCount_;
    std::array<std::uint8_t, kMaxCards> multiplicities_;
    std::uint32_t d_;
    const FivePositions& fives_;
    std::vector<PairedFive> paired_;
    std::array<std::uint8_t, kMaxCards> ones_{};
    Suits suits_{};
    std::map<SuitSignature, std::uint64_t> signatures_;
};

// The categories of a signature once it is known which fives are straights.
std::uint32_t categorySet(const SuitSignature& signature, std::uint32_t straightFives,
                          std::size_t fiveCount) {
    std::uint32_t set = signature.paired;
    for (std::size_t j = 0; j < fiveCount; ++j) {
        const std::uint64_t bits = signature.distinct >> (3 * j);
        const bool straight = (straightFives >> j) & 1u;
        if (bits & kFlushBit) {
            set |= bitOf(straight ? HC::StraightFlush : HC::Flush);
        }
        if (bits & kRainbowBit) {
            set |= bitOf(straight ? HC::RainbowStraight : HC::Rainbow);
        }
        if (bits & kMixedBit) {
            set |= bitOf(straight ? HC::HypochromaticStraight : HC::Garbage);
        }
    }
    return set;
}

// Calls visit(multiplicities) for every way to write `cards` as d parts of
// 1..maxPart, in rank order.
template <class Visit>
void forEachMultiplicities(std::uint32_t cards, std::uint32_t d, std::uint32_t maxPart,
                           std::array<std::uint8_t, kMaxCards>& parts, std::uint32_t position,
                           const Visit& visit) {
    if (position == d) {
        if (cards == 0) {
            visit(parts);
        }
        return;
    }
    for (std::uint32_t part = 1; part <= maxPart && part <= cards; ++part) {
        parts[position] = static_cast<std::uint8_t>(part);
        forEachMultiplicities(cards - part, d, maxPart, parts, position + 1, visit);
    }
}

}  // namespace

CardCountTable::CardCountTable(Deck deck, std::uint32_t cards) : deck_(deck), cards_(cards) {
    if (!deck.isAdmissible()) {
        throw std::invalid_argument("deck " + std::to_string(deck.suits) + " x " +
                                    std::to_string(deck.ranks) + " is not admissible");
    }
    if (cards < kMinCards || cards > kMaxCards) {
        throw std::invalid_argument("a hand holds 5 to 7 cards, not " + std::to_string(cards));
    }
    std::map<std::uint32_t, std::uint64_t> sets;
    for (std::uint32_t d = 1; d <= cards && d <= deck.ranks; ++d) {
        const FivePositions fives(d);
        const auto rankSets = rankSetsByStraights(deck.ranks, d, fives);
        std::array<std::uint8_t, kMaxCards> parts{};
        forEachMultiplicities(cards, d, deck.suits, parts, 0, [&](const auto& multiplicities) {
            const auto signatures = MultiplicityWalk(deck.suits, multiplicities, d, fives).run();
            for (const auto& [straightFives, rankSetCount] : rankSets) {
                for (const auto& [signature, weight] : signatures) {
                    sets[categorySet(signature, straightFives, fives.masks.size())] +=
                        rankSetCount * weight;
                }
            }
        });
    }
    sets_.assign(sets.begin(), sets.end());
}

CategoryCounts64 CardCountTable::counts(const CategoryOrder& order) const {
    if (const auto problem = orderProblem(deck_, order)) {
        throw std::invalid_argument(*problem);
    }
    const OrderPlaces places = placesOf(order);
    CategoryCounts64 counts;
    for (const auto& [set, hands] : sets_) {
        std::uint32_t bestPlace = kNoPlace;
        for (std::uint32_t rest = set; rest != 0; rest &= rest - 1) {
            bestPlace = std::min<std::uint32_t>(bestPlace, places[std::countr_zero(rest)]);
        }
        // Every member of a set is a five-card category of the deck, which a
        // sound order holds, so bestPlace is a place.
        counts[order[bestPlace]] += hands;
    }
    return counts;
}

CategoryCounts64 countCards(Deck deck, std::uint32_t cards, const CategoryOrder& order) {
    return CardCountTable(deck, cards).counts(order);
}

}  // namespace marvane
