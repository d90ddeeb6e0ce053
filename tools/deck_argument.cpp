#include "deck_argument.h"

#include <algorithm>
#include <limits>

namespace marvane {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::variant<std::uint32_t, ArgumentError> parseDeckDimension(std::string_view text,
                                                              std::uint32_t min,
                                                              std::uint32_t max) {
    const std::string_view digits = trimBlanks(text);
    if (digits.empty()) {
        return ArgumentError{"Please enter a positive integer."};
    }
    constexpr std::uint64_t kSaturated = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return ArgumentError{"Please enter a positive integer."};
        }
        value = std::min(value * 10 + static_cast<std::uint64_t>(c - '0'), kSaturated);
    }
    if (value < min || value > max) {
        return ArgumentError{"Please enter an integer between " + std::to_string(min) + " and " +
                             std::to_string(max) + "."};
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace marvane
