#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace marvane {

// Why a number of suits or ranks was refused, worded as the dialog words it.
struct ArgumentError {
    std::string message;
};

// Reads a number of suits or ranks from the command line: decimal digits,
// optionally surrounded by blanks or tabs, saturating at 4294967295 rather
// than wrapping. Anything else is "Please enter a positive integer."; a number
// outside min..max is "Please enter an integer between min and max.".
std::variant<std::uint32_t, ArgumentError> parseDeckDimension(std::string_view text,
                                                              std::uint32_t min, std::uint32_t max);

}  // namespace marvane
