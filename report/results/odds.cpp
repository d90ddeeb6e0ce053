// SPDX-License-Identifier: MIT
#include "report/results/odds.h"

namespace marvane {

namespace {

using Wide = unsigned __int128;  // hands * 10^k for k up to 12 overflows 64 bits

Wide powerOfTen(int exponent) {
    Wide result = 1;
    for (int i = 0; i < exponent; ++i) {
        result *= 10;
    }
    return result;
}

// hands * 10^decimals / count, rounded half up. Exact, so the shown digits do
// not depend on how a double happens to round.
Wide scaledRatio(std::uint64_t count, std::uint64_t hands, int decimals) {
    const Wide scale = powerOfTen(decimals);
    return (Wide{hands} * scale * 2 + count) / (Wide{count} * 2);
}

// The exponent e with 10^e <= hands / count < 10^(e + 1).
int decimalExponent(std::uint64_t count, std::uint64_t hands) {
    int exponent = 0;
    while (Wide{hands} >= Wide{count} * powerOfTen(exponent + 1)) {
        ++exponent;
    }
    while (Wide{hands} * powerOfTen(-exponent) < Wide{count}) {
        --exponent;
    }
    return exponent;
}

std::string digitsOf(Wide value) {
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    } while (value != 0);
    return digits;
}

// value / 10^decimals written out with exactly that many decimals.
std::string withDecimals(Wide value, int decimals) {
    std::string digits = digitsOf(value);
    if (decimals <= 0) {
        return digits;
    }
    const auto width = static_cast<std::size_t>(decimals) + 1;
    if (digits.size() < width) {
        digits.insert(0, width - digits.size(), '0');
    }
    digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
    return digits;
}

std::string oddsNumber(std::uint64_t count, std::uint64_t hands) {
    constexpr int kSignificantFigures = 3;
    if (hands == 0) {
        return "0";  // no hands at all: nothing to scale
    }
    int exponent = decimalExponent(count, hands);
    while (exponent < kSignificantFigures - 1) {
        const int decimals = kSignificantFigures - 1 - exponent;
        const Wide rounded = scaledRatio(count, hands, decimals);
        // Rounding can carry into a new digit (99.96 becomes 100.0): one
        // figure too many, so go round again with one decimal less.
        if (rounded < powerOfTen(kSignificantFigures)) {
            return withDecimals(rounded, decimals);
        }
        ++exponent;
    }
    return digitsOf(scaledRatio(count, hands, 0));
}

}  // namespace

double probability(std::uint32_t count, std::uint32_t hands) {
    return probability64(count, hands);
}

std::optional<std::string> oddsText(std::uint32_t count, std::uint32_t hands) {
    return oddsText64(count, hands);
}

double probability64(std::uint64_t count, std::uint64_t hands) {
    if (hands == 0) {
        return 0.0;
    }
    return static_cast<double>(count) / static_cast<double>(hands);
}

std::optional<std::string> oddsText64(std::uint64_t count, std::uint64_t hands) {
    if (count == 0) {
        return std::nullopt;
    }
    return "1 in " + oddsNumber(count, hands);
}

}  // namespace marvane
