// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace marvane {

// The C locale's isspace set: blank, tab, line feed, vertical tab, form feed,
// carriage return. The list trims and skips these and no other white space.
bool isCSpace(char16_t c);

// Reads a decimal integer the way atoi does (leading white space skipped, an
// optional sign, digits up to the first non-digit, 0 when there are none), but
// independent of the C locale and saturating at INT_MIN/INT_MAX where atoi's
// behaviour would be undefined.
int parseLeadingInt(std::string_view text);

// Reads the longest prefix that is a decimal floating-point number, the way
// strtod does in the "C" locale: leading white space, an optional sign,
// digits with an optional "." and an optional exponent. Only decimal notation
// is read (no hexadecimal, "inf" or "nan"). A text without a number gives 0.0;
// values too large give +-HUGE_VAL, values too small give 0.0 with the sign.
double parseLeadingDouble(std::string_view text);

}  // namespace marvane
