// SPDX-License-Identifier: MIT
#include "report/writers/decimal_text.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace marvane {

namespace {

// A positive decimal: `digits` (no leading zero) times 10^(exponent - digits + 1),
// that is d.ddd x 10^exponent.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

// What strtod reads the decimal as; it reads the C library's locale, so the
// text is written in it too.
double readBack(const Decimal& decimal) {
    std::string text = decimal.digits.substr(0, 1);
    if (decimal.digits.size() > 1) {
        text += std::localeconv()->decimal_point;
        text += decimal.digits.substr(1);
    }
    text += 'e' + std::to_string(decimal.exponent);
    return std::strtod(text.c_str(), nullptr);
}

// The positive value to `count` significant digits, rounded to the nearest
// as printf rounds.
Decimal rounded(double value, int count) {
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, "%.*e", count - 1, value);
    const std::string_view text(buffer, static_cast<std::size_t>(length));
    Decimal decimal;
    const std::size_t e = text.find_last_of("eE");
    for (char c : text.substr(0, e)) {
        if (c >= '0' && c <= '9') {
            decimal.digits += c;
        }
    }
    decimal.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    return decimal;
}

// The decimal one unit above in its last digit.
Decimal nextUp(Decimal decimal) {
    std::size_t i = decimal.digits.size();
    while (i > 0 && decimal.digits[i - 1] == '9') {
        decimal.digits[--i] = '0';
    }
    if (i == 0) {
        decimal.digits.insert(decimal.digits.begin(), '1');
        decimal.digits.pop_back();
        ++decimal.exponent;
    } else {
        ++decimal.digits[i - 1];
    }
    return decimal;
}

// The fewest significant digits that read back as the value, and of those
// the nearest to it, as std::to_chars chooses them.
Decimal shortest(double value) {
    for (int count = 1; count < 17; ++count) {
        Decimal nearest = rounded(value, count);
        const double read = readBack(nearest);
        if (read == value) {
            return nearest;
        }
        // Just above a power of two the values below are closer together:
        // the nearest may miss while the next one above still reads back.
        if (read < value) {
            Decimal above = nextUp(nearest);
            if (readBack(above) == value) {
                return above;
            }
        }
    }
    return rounded(value, 17);  // always reads back
}

}  // namespace

std::string exactDecimalByPrintf(double value) {
    if (value == 0.0) {
        return std::signbit(value) ? "-0" : "0";
    }
    const std::string sign = value < 0 ? "-" : "";
    const double magnitude = std::fabs(value);
    Decimal decimal = shortest(magnitude);
    while (decimal.digits.size() > 1 && decimal.digits.back() == '0') {
        decimal.digits.pop_back();
    }
    const std::string& digits = decimal.digits;
    const int exponent = decimal.exponent;
    const auto count = static_cast<int>(digits.size());

    // Scientific: d[.ddd]e+XX, at least two exponent digits.
    std::string scientific = digits.substr(0, 1);
    if (count > 1) {
        scientific.append(1, '.').append(digits, 1);
    }
    const int shown = exponent < 0 ? -exponent : exponent;
    scientific.append(exponent < 0 ? "e-" : "e+");
    scientific.append(shown < 10 ? "0" : "").append(std::to_string(shown));

    // Plain: a whole number is written with all its exact digits, as %.0f
    // does; else the digits around the point.
    std::string plain;
    if (exponent >= 0 && count <= exponent + 1) {
        char buffer[330];
        const int length = std::snprintf(buffer, sizeof buffer, "%.0f", magnitude);
        plain.assign(buffer, static_cast<std::size_t>(length));
    } else if (exponent >= 0) {
        const auto point = static_cast<std::size_t>(exponent) + 1;
        plain.append(digits, 0, point).append(1, '.').append(digits, point);
    } else {
        plain.append("0.").append(static_cast<std::size_t>(-exponent) - 1, '0').append(digits);
    }
    return sign + (plain.size() <= scientific.size() ? plain : scientific);
}

std::string exactDecimal(double value) {
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
#else
    return exactDecimalByPrintf(value);
#endif
}

}  // namespace marvane
