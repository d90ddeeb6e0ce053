#pragma once

#include <cstdint>
#include <string_view>

namespace marvane {

// What reading a number box's text gives.
enum class NumberBoxStatus {
    Ok,            // an unsigned number within the bounds
    NotAnInteger,  // no unsigned decimal number (an empty box included)
    OutOfRange,    // a number, but outside the bounds; the value is still reported
};

struct NumberBoxReading {
    NumberBoxStatus status = NumberBoxStatus::NotAnInteger;
    std::uint32_t value = 0;  // meaningful unless status is NotAnInteger
};

// The longest text a number box hands to the reading; anything after it is not looked at.
inline constexpr std::size_t kNumberBoxReadLength = 31;

// Reads a number box the way the dialog validates it: the first 31 characters;
// leading blanks and tabs skipped; a "-" fails; decimal digits, saturating at
// 4294967295; no digits at all fails; trailing blanks and tabs skipped;
// anything else left over fails. A number is then compared with the bounds.
NumberBoxReading readNumberBox(std::string_view text, std::uint32_t minimum, std::uint32_t maximum);

}  // namespace marvane
