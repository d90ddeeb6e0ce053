// SPDX-License-Identifier: MIT
#include "report/writers/decimal_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace marvane {

namespace {

// printf's scientific text of `value` with `digits` significant digits.
std::string scientific(double value, int digits) {
    char buffer[40];
    const int length = std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, value);
    return std::string(buffer, static_cast<std::size_t>(length));
}

}  // namespace

std::string exactDecimalByPrintf(double value) {
    if (value == 0.0) {
        return std::signbit(value) ? "-0" : "0";
    }
    // The fewest significant digits that read back as the same double;
    // printf rounds to the nearest, as the shortest round trip does.
    std::string text;
    for (int digits = 1; digits <= 17; ++digits) {
        text = scientific(value, digits);
        if (std::strtod(text.c_str(), nullptr) == value) {
            break;
        }
    }
    const bool negative = text.front() == '-';
    const std::string_view body = std::string_view(text).substr(negative ? 1 : 0);
    const std::size_t e = body.find('e');
    std::string digits(1, body[0]);
    if (e > 1) {
        digits.append(body.substr(2, e - 2));  // after "d."
    }
    const int exponent = std::atoi(std::string(body.substr(e + 1)).c_str());

    // The same digits written plainly.
    std::string plain;
    const auto count = static_cast<int>(digits.size());
    if (exponent >= 0) {
        if (count <= exponent + 1) {
            // A whole number is written with all its exact digits, as %.0f does.
            char buffer[330];
            const int length =
                std::snprintf(buffer, sizeof buffer, "%.0f", negative ? -value : value);
            plain.assign(buffer, static_cast<std::size_t>(length));
        } else {
            plain = digits.substr(0, static_cast<std::size_t>(exponent + 1)) + '.' +
                    digits.substr(static_cast<std::size_t>(exponent + 1));
        }
    } else {
        plain = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    const std::string sign = negative ? "-" : "";
    const std::string shortScientific = std::string(body);
    return sign + (plain.size() <= shortScientific.size() ? plain : shortScientific);
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
