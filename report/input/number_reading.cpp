// SPDX-License-Identifier: MIT
#include "report/input/number_reading.h"

#include <algorithm>
#include <limits>

namespace marvane {
namespace {

// Blanks and tabs may surround the digits, nothing else.
constexpr std::string_view kBlanks = " \t";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipBlanks(std::string_view text, std::size_t pos) {
    return std::min(text.find_first_not_of(kBlanks, pos), text.size());
}

}  // namespace

NumberReading readNumber(std::string_view text, std::uint32_t minimum, std::uint32_t maximum) {
    const NumberReading notAnInteger{NumberReadingStatus::NotAnInteger, 0};

    std::size_t pos = skipBlanks(text, 0);
    // Only digits make a number: no sign, not even "+".
    if (pos == text.size() || !isDigit(text[pos])) {
        return notAnInteger;
    }

    constexpr std::uint32_t kSaturated = std::numeric_limits<std::uint32_t>::max();
    std::uint32_t value = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        const auto digit = static_cast<std::uint32_t>(text[pos] - '0');
        value = value > (kSaturated - digit) / 10 ? kSaturated : value * 10 + digit;
    }

    pos = skipBlanks(text, pos);
    if (pos != text.size()) {
        return notAnInteger;
    }
    const bool inRange = value >= minimum && value <= maximum;
    return {inRange ? NumberReadingStatus::Ok : NumberReadingStatus::OutOfRange, value};
}

std::string numberReadingMessage(NumberReadingStatus status, std::uint32_t minimum,
                                 std::uint32_t maximum) {
    switch (status) {
        case NumberReadingStatus::Ok:
            break;
        case NumberReadingStatus::NotAnInteger:
            return "Please enter a positive integer.";
        case NumberReadingStatus::OutOfRange:
            return "Please enter an integer between " + std::to_string(minimum) + " and " +
                   std::to_string(maximum) + ".";
    }
    return {};
}

}  // namespace marvane
