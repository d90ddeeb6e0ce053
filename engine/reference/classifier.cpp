// SPDX-License-Identifier: MIT
#include "engine/reference/classifier.h"

#include <algorithm>
#include <array>
#include <vector>

#include "engine/vocabulary/rank_pattern.h"

namespace marvane {

namespace classifier_tests {

std::optional<HandCategory> rankPattern(const Hand& hand, Deck deck) {
    // Five (rank, count) slots; rank R + 1 marks an empty slot since no rank
    // exceeds R - 1. Distinct ranks take slots in order of first appearance.
    struct Slot {
        std::uint32_t rank;
        std::uint32_t count;
    };
    const std::uint32_t empty = deck.ranks + 1;
    std::array<Slot, kHandSize> slots{};
    slots.fill(Slot{empty, 0});

    for (const Card& card : hand) {
        for (Slot& slot : slots) {
            if (slot.rank == card.rank) {
                ++slot.count;
                break;
            }
            if (slot.rank > deck.ranks) {
                slot = Slot{card.rank, 1};
                break;
            }
        }
    }

    std::uint32_t largest = 0;
    std::uint32_t smallestNonZero = kHandSize;
    std::uint32_t pairs = 0;
    for (const Slot& slot : slots) {
        largest = std::max(largest, slot.count);
        if (slot.count != 0) {
            smallestNonZero = std::min(smallestNonZero, slot.count);
        }
        if (slot.count == 2) {
            ++pairs;
        }
    }

    auto bySuits = [&](HandCategory rainbow, HandCategory hypochromatic) {
        return isRainbow(hand, deck) ? rainbow : hypochromatic;
    };
    switch (largest) {
        case 5:
            return HandCategory::FiveOfAKind;
        case 4:
            return bySuits(HandCategory::Rainbow4OfAKind, HandCategory::Hypochromatic4OfAKind);
        case 3:
            if (smallestNonZero == 2) {
                return bySuits(HandCategory::RainbowFullHouse,
                               HandCategory::HypochromaticFullHouse);
            }
            return bySuits(HandCategory::Rainbow3OfAKind, HandCategory::Hypochromatic3OfAKind);
        case 2:
            if (pairs == 2) {
                return bySuits(HandCategory::Rainbow2Pair, HandCategory::Hypochromatic2Pair);
            }
            return bySuits(HandCategory::Rainbow1Pair, HandCategory::Hypochromatic1Pair);
        default:
            return std::nullopt;
    }
}

bool isFlush(const Hand& hand) {
    return std::all_of(hand.begin(), hand.end(),
                       [&](const Card& card) { return card.suit == hand.front().suit; });
}

bool isStraight(const Hand& hand, Deck deck) {
    std::uint32_t lowest = deck.ranks;
    std::uint32_t highest = 0;
    for (const Card& card : hand) {
        lowest = std::min(lowest, card.rank);
        highest = std::max(highest, card.rank);
    }
    if (highest - lowest == 4) {
        return true;
    }
    if (highest - lowest == deck.ranks - 1) {
        // Holds both rank 0 and rank R - 1: a straight only as {0, R-4, .., R-1}.
        std::uint32_t secondLowest = deck.ranks;
        for (const Card& card : hand) {
            if (card.rank != lowest) {
                secondLowest = std::min(secondLowest, card.rank);
            }
        }
        return highest - secondLowest == 3;
    }
    return false;
}

bool isRainbow(const Hand& hand, Deck deck) {
    if (deck.suits < kHandSize) {
        return false;
    }
    std::vector<std::uint32_t> seen;
    for (const Card& card : hand) {
        if (std::find(seen.begin(), seen.end(), card.suit) != seen.end()) {
            return false;
        }
        seen.push_back(card.suit);
    }
    return seen.size() == kHandSize;
}

}  // namespace classifier_tests

HandCategory categorize(const Hand& hand, Deck deck) {
    using namespace classifier_tests;
    if (std::optional<HandCategory> paired = rankPattern(hand, deck)) {
        return *paired;
    }
    const bool flush = isFlush(hand);
    const bool straight = isStraight(hand, deck);
    const bool rainbow = isRainbow(hand, deck);
    if (straight) {
        if (flush) {
            return HandCategory::StraightFlush;
        }
        return rainbow ? HandCategory::RainbowStraight : HandCategory::HypochromaticStraight;
    }
    if (flush) {
        return HandCategory::Flush;
    }
    return rainbow ? HandCategory::Rainbow : HandCategory::Garbage;
}

HandCategory categorizeAsItself(const Hand& hand, Deck deck) {
    std::vector<std::uint32_t> ranks;
    std::vector<std::uint32_t> groups;  // cards per rank, most first
    for (const Card& card : hand) {
        ranks.push_back(card.rank);
    }
    std::sort(ranks.begin(), ranks.end());
    for (std::size_t i = 0; i < ranks.size();) {
        std::size_t j = i;
        while (j < ranks.size() && ranks[j] == ranks[i]) {
            ++j;
        }
        groups.push_back(static_cast<std::uint32_t>(j - i));
        i = j;
    }
    std::sort(groups.rbegin(), groups.rend());

    const auto k = static_cast<std::uint32_t>(hand.size());
    RankPattern pattern = RankPattern::NoPattern;
    if (groups.front() >= 4) {
        pattern = RankPattern::FourOfAKind;
    } else if (groups.front() == 3) {
        pattern = RankPattern::ThreeOfAKind;
    } else if (groups.front() == 2) {
        pattern = groups.size() > 1 && groups[1] == 2 ? RankPattern::TwoPair : RankPattern::OnePair;
    } else {
        // All ranks distinct: in a row, or 1 (rank 0) with the k - 1 highest.
        const bool inRow = ranks.back() - ranks.front() == k - 1;
        const bool wraps = ranks.front() == 0 && ranks[1] == deck.ranks - (k - 1);
        if (inRow || wraps) {
            pattern = RankPattern::Straight;
        }
    }

    bool oneSuit = true;
    bool distinctSuits = true;
    for (std::size_t i = 0; i < hand.size(); ++i) {
        oneSuit = oneSuit && hand[i].suit == hand.front().suit;
        for (std::size_t j = i + 1; j < hand.size(); ++j) {
            distinctSuits = distinctSuits && hand[i].suit != hand[j].suit;
        }
    }
    const SuitPattern suits = oneSuit         ? SuitPattern::Flush
                              : distinctSuits ? SuitPattern::Rainbow
                                              : SuitPattern::Hypochromatic;
    // A repeated rank is never a flush: categoryOf makes it hypochromatic.
    return categoryOf(pattern, suits);
}

void classify(const Hand& hand, Deck deck, CategoryCounts& counts) {
    ++counts[categorize(hand, deck)];
}

}  // namespace marvane
