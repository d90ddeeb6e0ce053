#include "text_conversions.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <string>

namespace marvane {
namespace {

// The C locale's isspace set: blank, tab, line feed, vertical tab, form feed,
// carriage return.
bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipSpace(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsCSpace(text[pos])) {
        ++pos;
    }
    return pos;
}

// Consumes an optional sign; returns true for "-".
bool ReadSign(std::string_view text, std::size_t& pos) {
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        return text[pos++] == '-';
    }
    return false;
}

// Decimal exponent of the leading significant digit of digits[.digits]eN, used
// only to tell overflow from underflow when the conversion is out of range.
std::int64_t LeadingMagnitude(std::string_view intDigits, std::string_view fracDigits,
                              std::int64_t exponent) {
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

int ParseLeadingInt(std::string_view text) {
    std::size_t pos = SkipSpace(text, 0);
    const bool negative = ReadSign(text, pos);
    // Accumulate towards the sign's end of the range so INT_MIN is reachable.
    long long value = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        const int digit = text[pos] - '0';
        value = value * 10 + (negative ? -digit : digit);
        if (value > INT_MAX) {
            return INT_MAX;
        }
        if (value < INT_MIN) {
            return INT_MIN;
        }
    }
    return static_cast<int>(value);
}

double ParseLeadingDouble(std::string_view text) {
    std::size_t pos = SkipSpace(text, 0);
    const bool negative = ReadSign(text, pos);

    const std::size_t intStart = pos;
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    const std::string_view intDigits = text.substr(intStart, pos - intStart);
    std::string_view fracDigits;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fracStart = pos + 1;
        std::size_t fracEnd = fracStart;
        while (fracEnd < text.size() && IsDigit(text[fracEnd])) {
            ++fracEnd;
        }
        fracDigits = text.substr(fracStart, fracEnd - fracStart);
        if (!intDigits.empty() || !fracDigits.empty()) {
            pos = fracEnd;
        }
    }
    if (intDigits.empty() && fracDigits.empty()) {
        return 0.0;
    }

    // The exponent counts only when at least one digit follows "e" and its sign.
    std::int64_t exponent = 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t expPos = pos + 1;
        const bool expNegative = ReadSign(text, expPos);
        if (expPos < text.size() && IsDigit(text[expPos])) {
            for (; expPos < text.size() && IsDigit(text[expPos]); ++expPos) {
                if (exponent < 1'000'000'000) {
                    exponent = exponent * 10 + (text[expPos] - '0');
                }
            }
            if (expNegative) {
                exponent = -exponent;
            }
            pos = expPos;
        }
    }

    const std::string_view number = text.substr(intStart, pos - intStart);
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        value = LeadingMagnitude(intDigits, fracDigits, exponent) >= 0 ? HUGE_VAL : 0.0;
    } else if (error != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

}  // namespace marvane
