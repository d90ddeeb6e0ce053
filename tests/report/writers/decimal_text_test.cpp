// SPDX-License-Identifier: MIT
#include "report/writers/decimal_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

namespace marvane {
namespace {

std::string toChars(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// The web build writes doubles without std::to_chars: its bytes must be
// the ones the native build writes.
TEST(DecimalText, WithoutToCharsTheSameBytes) {
    for (const auto& [value, text] : std::initializer_list<std::pair<double, const char*>>{
             {0.0, "0"},
             {1.0, "1"},
             {0.5, "0.5"},
             {1.5390771693292702e-05, "1.5390771693292702e-05"},
             {0.00015, "0.00015"},
             {1e-05, "1e-05"},
             {123456.0, "123456"},
             {1e+16, "1e+16"},
             {0.1 + 0.2, "0.30000000000000004"},
             {-2.5, "-2.5"},
         }) {
        EXPECT_EQ(exactDecimalByPrintf(value), text) << text;
        EXPECT_EQ(toChars(value), text) << text;
    }
    // Powers of two, where the values below are closer together than above.
    for (int e = -1074; e <= 1023; ++e) {
        const double power = std::ldexp(1.0, e);
        ASSERT_EQ(exactDecimalByPrintf(power), toChars(power)) << e;
    }
    // Probabilities as the reports make them, and doubles of every size.
    std::mt19937_64 random(20261210);
    for (int i = 0; i < 20'000; ++i) {
        const std::uint64_t hands = random() % 1'000'000'000'000 + 1;
        const double probability =
            static_cast<double>(random() % hands) / static_cast<double>(hands);
        ASSERT_EQ(exactDecimalByPrintf(probability), toChars(probability)) << probability;
        const double any =
            std::ldexp(static_cast<double>(random() >> 11), static_cast<int>(random() % 200) - 150);
        ASSERT_EQ(exactDecimalByPrintf(any), toChars(any)) << any;
    }
}

}  // namespace
}  // namespace marvane
