// SPDX-License-Identifier: MIT
#include "engine/series/crossings.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "engine/exact/five_card_formulas.h"

namespace marvane {
namespace {

using Counts = std::array<std::uint32_t, kCategoryCount>;
using enum HandCategory;

// Counts by category index, worked out apart from the closed formulas: for
// each rank pattern, the ways to pick its ranks times the ways to give each
// rank its suits, split into flush (S ways), rainbow (P(S, 5) / the
// multiplicities' factorials) and the rest; straights are the R - 3 runs.
// 4 x 13 and 8 x 13 agree with the familiar tables.
const std::pair<Deck, Counts> kSuitsAtThirteenRanks[] = {
    {{4, 13},
     {0, 0, 624, 0, 3744, 0, 54912, 0, 123552, 0, 1098240, 40, 5108, 0, 10200, 0, 1302540}},
    {{5, 13},
     {13, 780, 3120, 1560, 14040, 17160, 197340, 25740, 403260, 171600, 3403400, 50, 6385, 1200,
      30000, 153240, 3831000}},
    {{6, 13},
     {78, 4680, 9360, 9360, 37440, 102960, 514800, 154440, 1003860, 1029600, 8236800, 60, 7662,
      7200, 70500, 919440, 9002850}},
    {{7, 13},
     {273, 16380, 21840, 32760, 81900, 360360, 1111110, 540540, 2108106, 3603600, 16996980, 70,
      8939, 25200, 142800, 3218040, 18235560}},
    {{8, 13},
     {728, 43680, 43680, 87360, 157248, 960960, 2114112, 1441440, 3939936, 9609600, 31391360, 80,
      10216, 67200, 260400, 8581440, 33253080}},
};

// Four suits have no rainbow hands and no Five of a Kind.
const std::pair<Deck, Counts> kRanksAtFourSuits[] = {
    {{4, 7}, {0, 0, 168, 0, 1008, 0, 6720, 0, 15120, 0, 53760, 16, 68, 0, 4080, 0, 17340}},
    {{4, 8}, {0, 0, 224, 0, 1344, 0, 10752, 0, 24192, 0, 107520, 20, 204, 0, 5100, 0, 52020}},
    {{4, 9}, {0, 0, 288, 0, 1728, 0, 16128, 0, 36288, 0, 193536, 24, 480, 0, 6120, 0, 122400}},
    {{4, 10}, {0, 0, 360, 0, 2160, 0, 23040, 0, 51840, 0, 322560, 28, 980, 0, 7140, 0, 249900}},
    {{4, 11}, {0, 0, 440, 0, 2640, 0, 31680, 0, 71280, 0, 506880, 32, 1816, 0, 8160, 0, 463080}},
    {{4, 12}, {0, 0, 528, 0, 3168, 0, 42240, 0, 95040, 0, 760320, 36, 3132, 0, 9180, 0, 798660}},
    {{4, 13},
     {0, 0, 624, 0, 3744, 0, 54912, 0, 123552, 0, 1098240, 40, 5108, 0, 10200, 0, 1302540}},
    {{4, 14},
     {0, 0, 728, 0, 4368, 0, 69888, 0, 157248, 0, 1537536, 44, 7964, 0, 11220, 0, 2030820}},
    {{4, 15},
     {0, 0, 840, 0, 5040, 0, 87360, 0, 196560, 0, 2096640, 48, 11964, 0, 12240, 0, 3050820}},
    {{4, 16},
     {0, 0, 960, 0, 5760, 0, 107520, 0, 241920, 0, 2795520, 52, 17420, 0, 13260, 0, 4442100}},
    {{4, 17},
     {0, 0, 1088, 0, 6528, 0, 130560, 0, 293760, 0, 3655680, 56, 24696, 0, 14280, 0, 6297480}},
    {{4, 18},
     {0, 0, 1224, 0, 7344, 0, 156672, 0, 352512, 0, 4700160, 60, 34212, 0, 15300, 0, 8724060}},
    {{4, 19},
     {0, 0, 1368, 0, 8208, 0, 186048, 0, 418608, 0, 5953536, 64, 46448, 0, 16320, 0, 11844240}},
    {{4, 20},
     {0, 0, 1520, 0, 9120, 0, 218880, 0, 492480, 0, 7441920, 68, 61948, 0, 17340, 0, 15796740}},
};

template <std::size_t N>
void expectClosedFormsGive(const std::pair<Deck, Counts> (&table)[N]) {
    for (const auto& [deck, counts] : table) {
        EXPECT_EQ(compute_counts(deck).values(), counts) << deck.suits << " x " << deck.ranks;
    }
}

// Read off the tables above. 7 to 8 suits takes Rainbow 4 of a Kind from
// below Hypochromatic 4 of a Kind (16380 < 21840) to a tie (43680 each):
// no crossing.
TEST(Crossings, ThirteenRanksAcrossSuits) {
    expectClosedFormsGive(kSuitsAtThirteenRanks);
    const std::vector<Crossing> expected = {
        {4, 5, Flush, HypochromaticFullHouse},
        {5, 6, StraightFlush, FiveOfAKind},
        {5, 6, Flush, RainbowFullHouse},
        {5, 6, Flush, Hypochromatic4OfAKind},
        {5, 6, HypochromaticStraight, Rainbow3OfAKind},
        {5, 6, HypochromaticStraight, Rainbow2Pair},
        {5, 6, Hypochromatic3OfAKind, Rainbow1Pair},
        {5, 6, Hypochromatic3OfAKind, Rainbow},
        {5, 6, Hypochromatic2Pair, Rainbow1Pair},
        {6, 7, Flush, Rainbow4OfAKind},
        {6, 7, Flush, RainbowStraight},
        {6, 7, Hypochromatic4OfAKind, RainbowStraight},
        {6, 7, Hypochromatic2Pair, Rainbow},
    };
    EXPECT_EQ(findCrossings(DeckDimension::Suits, 13), expected);
}

TEST(Crossings, FourSuitsAcrossRanks) {
    expectClosedFormsGive(kRanksAtFourSuits);
    const std::vector<Crossing> expected = {
        {8, 9, Hypochromatic4OfAKind, Flush},
        {11, 12, Hypochromatic1Pair, Garbage},
        {12, 13, HypochromaticFullHouse, Flush},
        {15, 16, HypochromaticStraight, Flush},
    };
    EXPECT_EQ(findCrossings(DeckDimension::Ranks, 4), expected);
}

// Two categories, Flush and Straight Flush, through three decks.
TEST(Crossings, OnlyStrictReversalsOfOccurringCategoriesCount) {
    struct Case {
        const char* what;
        std::array<std::pair<std::uint32_t, std::uint32_t>, 3> flushAndStraightFlush;
        std::vector<Crossing> expected;
    };
    const Case cases[] = {
        {"reversal", {{{9, 5}, {4, 5}, {3, 5}}}, {{2, 3, Flush, StraightFlush}}},
        {"through a tie", {{{9, 5}, {5, 5}, {3, 5}}}, {}},
        {"into a tie", {{{9, 5}, {9, 5}, {5, 5}}}, {}},
        {"from nothing", {{{0, 5}, {4, 5}, {4, 5}}}, {}},
        {"back and forth",
         {{{9, 5}, {4, 5}, {9, 5}}},
         {{2, 3, Flush, StraightFlush}, {3, 4, StraightFlush, Flush}}},
    };
    for (const Case& c : cases) {
        std::vector<SeriesDeck> series;
        for (const auto& [flush, straightFlush] : c.flushAndStraightFlush) {
            CategoryCounts counts;
            counts[Flush] = flush;
            counts[StraightFlush] = straightFlush;
            series.push_back({static_cast<std::uint32_t>(series.size() + 2), counts});
        }
        EXPECT_EQ(findCrossings(series), c.expected) << c.what;
    }
}

TEST(Crossings, Series) {
    EXPECT_EQ(deckSeries(DeckDimension::Ranks, 5).size(), 14u);
    EXPECT_EQ(deckSeries(DeckDimension::Suits, 20).back(), (Deck{8, 20}));
    EXPECT_THROW(deckSeries(DeckDimension::Suits, 21), std::invalid_argument);
    EXPECT_THROW(deckSeries(DeckDimension::Ranks, 3), std::invalid_argument);
}

}  // namespace
}  // namespace marvane
