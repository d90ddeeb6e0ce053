// SPDX-License-Identifier: MIT
#include "listctrl/text_conversions.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

// Ordinary atoi cases come through the heading parser's tests.
TEST(TextConversions, SaturateInsteadOfOverflowing) {
    EXPECT_EQ(marvane::parseLeadingInt("\t\n\v\f\r -2147483649"), INT_MIN);
    EXPECT_EQ(marvane::parseLeadingInt("+2147483648x"), INT_MAX);
    EXPECT_EQ(marvane::parseLeadingDouble("1e99999999999999999999"), HUGE_VAL);
    EXPECT_EQ(marvane::parseLeadingDouble("-1e400"), -HUGE_VAL);
    EXPECT_EQ(marvane::parseLeadingDouble("1e-400"), 0.0);
    EXPECT_EQ(marvane::parseLeadingDouble("11e9223372036854775807"), HUGE_VAL);
    EXPECT_EQ(marvane::parseLeadingDouble("0.0e99999999999999999999"), 0.0);
    EXPECT_EQ(marvane::parseLeadingInt("+-5"), 0);  // one sign only
}

TEST(TextConversions, DoubleReadsOnlyTheLongestDecimalPrefix) {
    EXPECT_EQ(marvane::parseLeadingDouble("  -1.5e2xyz"), -150.0);
    EXPECT_EQ(marvane::parseLeadingDouble(".5"), 0.5);
    EXPECT_EQ(marvane::parseLeadingDouble("3e+"), 3.0);
    EXPECT_EQ(marvane::parseLeadingDouble("1,5"), 1.0);  // whatever LC_NUMERIC says
    for (const char* text : {"-+", "+-5", "inf", "-nan", "0x10", "."}) {
        EXPECT_EQ(marvane::parseLeadingDouble(text), 0.0) << text;
    }
}
