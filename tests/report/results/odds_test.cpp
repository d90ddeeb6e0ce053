// SPDX-License-Identifier: MIT
#include "report/results/odds.h"

#include <gtest/gtest.h>

namespace marvane {
namespace {

TEST(Odds, ThreeSignificantFiguresBelowAThousand) {
    EXPECT_EQ(oddsText(1, 1), "1 in 1.00");
    EXPECT_EQ(oddsText(1302540, 2598960), "1 in 2.00");  // 1.9953...
    EXPECT_EQ(oddsText(8400, 324632), "1 in 38.6");
    EXPECT_EQ(oddsText(2040, 324632), "1 in 159");
    EXPECT_EQ(oddsText(1000, 999400), "1 in 999");
}

TEST(Odds, RoundingThatCarriesLosesADecimal) {
    EXPECT_EQ(oddsText(1000, 9996), "1 in 10.0");    // 9.996
    EXPECT_EQ(oddsText(10000, 999600), "1 in 100");  // 99.96
    EXPECT_EQ(oddsText(1000, 999600), "1 in 1000");  // 999.6
}

TEST(Odds, WholeNumberFromAThousandUp) {
    EXPECT_EQ(oddsText(40, 2598960), "1 in 64974");
    EXPECT_EQ(oddsText(2, 2001), "1 in 1001");  // 1000.5 rounds up
    EXPECT_EQ(oddsText(136, 820384032), "1 in 6032236");
    EXPECT_EQ(oddsText(1, 4294967295u), "1 in 4294967295");
}

TEST(Odds, ZeroCountNeverHappens) {
    EXPECT_EQ(oddsText(0, 2598960), std::nullopt);
    EXPECT_EQ(probability(0, 2598960), 0.0);
}

TEST(Odds, DegenerateInputsStayDefined) {
    EXPECT_EQ(oddsText(2, 1), "1 in 0.500");
    EXPECT_EQ(oddsText(5, 0), "1 in 0");
    EXPECT_EQ(probability(5, 0), 0.0);
    EXPECT_DOUBLE_EQ(probability(40, 2598960), 40.0 / 2598960.0);
}

}  // namespace
}  // namespace marvane
