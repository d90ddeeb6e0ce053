// SPDX-License-Identifier: MIT
#include "listctrl/text_conversions.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <string>

namespace marvane {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipSpace(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isCSpace(text[pos])) {
        ++pos;
    }
    return pos;
}

// Consumes an optional sign; returns true for "-".
bool readSign(std::string_view text, std::size_t& pos) {
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        return text[pos++] == '-';
    }
    return false;
}

// What follows the leading white space and the sign. from_chars reads a sign
// of its own and, for doubles, "inf" and "nan", so the number is handed on
// only when it starts with a digit (or, pointAllowed, a point and a digit);
// otherwise it is empty.
struct SignedNumber {
    bool negative = false;
    std::string_view number;
};

SignedNumber splitSign(std::string_view text, bool pointAllowed) {
    std::size_t pos = skipSpace(text, 0);
    const bool negative = readSign(text, pos);
    const std::string_view rest = text.substr(pos);
    const bool starts = !rest.empty() && (isDigit(rest[0]) || (pointAllowed && rest.size() > 1 &&
                                                               rest[0] == '.' && isDigit(rest[1])));
    return {negative, starts ? rest : std::string_view()};
}

// The exponent of a number text such as "12.5e-7", held within +-10^18: far
// beyond any double, which is all that telling overflow from underflow needs.
std::int64_t exponentOf(std::string_view number) {
    constexpr std::int64_t kFar = 1'000'000'000'000'000'000;
    const std::size_t e = number.find_first_of("eE");
    if (e == std::string_view::npos) {
        return 0;
    }
    std::size_t pos = e + 1;
    const bool negative = readSign(number, pos);
    std::int64_t exponent = 0;
    const auto [end, error] =
        std::from_chars(number.data() + pos, number.data() + number.size(), exponent);
    (void)end;
    if (error == std::errc::result_out_of_range || exponent > kFar) {
        exponent = kFar;
    }
    return negative ? -exponent : exponent;
}

// Decimal exponent of the leading significant digit of a number text, used
// only to tell overflow from underflow when the conversion is out of range.
std::int64_t leadingMagnitude(std::string_view number) {
    const std::string_view mantissa = number.substr(0, number.find_first_of("eE"));
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::string_view intDigits = mantissa.substr(0, point);
    const std::string_view fracDigits = mantissa.substr(std::min(point + 1, mantissa.size()));
    const std::int64_t exponent = exponentOf(number);
    const std::size_t firstNonZero = intDigits.find_first_not_of('0');
    if (firstNonZero != std::string_view::npos) {
        return static_cast<std::int64_t>(intDigits.size() - firstNonZero) - 1 + exponent;
    }
    const std::size_t fracNonZero = fracDigits.find_first_not_of('0');
    if (fracNonZero == std::string_view::npos) {
        return INT64_MIN / 2;  // the value is zero
    }
    return -static_cast<std::int64_t>(fracNonZero) - 1 + exponent;
}

}  // namespace

bool isCSpace(char16_t c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int parseLeadingInt(std::string_view text) {
    const auto [negative, digits] = splitSign(text, false);
    if (digits.empty()) {
        return 0;
    }
    // Read as unsigned so that INT_MIN's magnitude fits.
    unsigned long long magnitude = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    (void)end;
    const unsigned long long limit =
        negative ? static_cast<unsigned long long>(INT_MAX) + 1 : INT_MAX;
    if (error == std::errc::result_out_of_range || magnitude > limit) {
        return negative ? INT_MIN : INT_MAX;
    }
    return negative ? static_cast<int>(-static_cast<long long>(magnitude))
                    : static_cast<int>(magnitude);
}

double parseLeadingDouble(std::string_view text) {
    const auto [negative, rest] = splitSign(text, true);
    if (rest.empty()) {
        return 0.0;
    }
    // The longest decimal prefix, with the exponent only when a digit follows
    // "e" and its sign, as strtod reads it; hexadecimal is not general format.
    double value = 0.0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (error == std::errc::result_out_of_range) {
        const std::string_view number(rest.data(), static_cast<std::size_t>(end - rest.data()));
        value = leadingMagnitude(number) >= 0 ? HUGE_VAL : 0.0;
    } else if (error != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

}  // namespace marvane
