// SPDX-License-Identifier: MIT
#include "engine/exact/five_card_formulas.h"

#include "engine/exact/binomial.h"

namespace marvane {

CategoryCounts compute_counts(Deck deck, bool& floatingPath) {
    using HC = HandCategory;
    const std::uint32_t S = deck.suits;
    const std::uint32_t R = deck.ranks;
    auto C = [&](std::uint32_t n, std::uint32_t k) { return binomial(n, k, floatingPath); };
    auto P = [](std::uint32_t n, std::uint32_t k) { return falling(n, k); };

    // Each product is evaluated left to right in wrapping 32-bit arithmetic.
    CategoryCounts c;
    if (S >= 5) {
        // Categories that need five distinct suits; they stay 0 for four suits.
        c[HC::FiveOfAKind] = R * C(S, 5);
        c[HC::Rainbow4OfAKind] = C(S, 4) * (R - 1) * (S - 4) * R;
        c[HC::RainbowStraight] = (R - 3) * P(S, 5);
        c[HC::RainbowFullHouse] = C(S, 3) * C(S - 3, 2) * (R - 1) * R;
        c[HC::Rainbow3OfAKind] = C(S, 3) * P(R, 3) * C(S - 3, 2);
        c[HC::Rainbow2Pair] = C(S, 2) * C(R, 2) * C(S - 2, 2) * C(S - 4, 1) * (R - 2);
        c[HC::Rainbow1Pair] = C(S, 2) * C(S - 2, 3) * P(R - 1, 3) * R;
        c[HC::Rainbow] = C(S, 5) * P(R, 5) - (R - 3) * P(S, 5);
    }
    c[HC::StraightFlush] = S * (R - 3);
    c[HC::Hypochromatic4OfAKind] = (R - 1) * C(S, 4) * R * 4;
    c[HC::Flush] = (C(R, 5) - (R - 3)) * S;
    c[HC::HypochromaticFullHouse] = (C(S, 2) - C(S - 3, 2)) * C(S, 3) * (R - 1) * R;
    c[HC::HypochromaticStraight] = (S * (S * S * S * S - 1) - P(S, 5)) * (R - 3);
    c[HC::Hypochromatic3OfAKind] =
        (C(S * (R - 1), 2) - (R - 1) * C(S, 2)) * C(S, 3) * R - c[HC::Rainbow3OfAKind];
    c[HC::Hypochromatic2Pair] =
        (S * C(S, 2) - C(S - 4, 1) * C(S - 2, 2)) * C(S, 2) * C(R, 2) * (R - 2);
    c[HC::Hypochromatic1Pair] =
        (C(S * (R - 1), 3) - (R - 1) * ((R - 2) * C(S, 2) * S + C(S, 3))) * C(S, 2) * R -
        c[HC::Rainbow1Pair];

    std::uint32_t garbage = C(S * R, 5);
    for (std::size_t i = 0; i < indexOf(HC::Garbage); ++i) {
        garbage -= c[i];
    }
    c[HC::Garbage] = garbage;
    return c;
}

CategoryCounts compute_counts(Deck deck) {
    bool ignored = false;
    return compute_counts(deck, ignored);
}

}  // namespace marvane
