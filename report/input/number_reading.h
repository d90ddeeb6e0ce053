// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace marvane {

// What reading a number of suits or ranks from text gives.
enum class NumberReadingStatus {
    Ok,            // an unsigned number within the bounds
    NotAnInteger,  // no unsigned decimal number (an empty text included)
    OutOfRange,    // a number, but outside the bounds; the value is still reported
};

struct NumberReading {
    NumberReadingStatus status = NumberReadingStatus::NotAnInteger;
    std::uint32_t value = 0;  // meaningful unless status is NotAnInteger
};

// Reads a number the way the dialog's boxes and marvane-count's --suits and
// --ranks take it: leading blanks and tabs skipped; a "-" fails; decimal
// digits, saturating at 4294967295 rather than wrapping into the range; no
// digits at all fails; trailing blanks and tabs skipped; anything else left
// over fails. A number is then compared with the bounds.
NumberReading readNumber(std::string_view text, std::uint32_t minimum, std::uint32_t maximum);

// The message for a failed reading, worded as the dialog shows it:
// "Please enter a positive integer." or
// "Please enter an integer between <minimum> and <maximum>.". Empty for Ok.
std::string numberReadingMessage(NumberReadingStatus status, std::uint32_t minimum,
                                 std::uint32_t maximum);

}  // namespace marvane
