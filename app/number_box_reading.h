// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

#include "report/input/number_reading.h"

namespace marvane {

// The longest text a number box holds; the reading looks at nothing after it.
inline constexpr std::size_t kNumberBoxReadLength = 31;

// Reads a number box's text: its first 31 characters, as readNumber reads them.
inline NumberReading readNumberBox(std::string_view text, std::uint32_t minimum,
                                   std::uint32_t maximum) {
    return readNumber(text.substr(0, kNumberBoxReadLength), minimum, maximum);
}

}  // namespace marvane
