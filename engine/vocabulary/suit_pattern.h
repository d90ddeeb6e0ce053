// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/vocabulary/hand_category.h"

namespace marvane {

// How the five suits of a category's hands look. Five of a Kind is always
// five different suits, so it counts as rainbow; Garbage is neither flush nor
// rainbow, so hypochromatic.
enum class SuitPattern : std::uint8_t { Flush, Rainbow, Hypochromatic };
inline constexpr std::size_t kSuitPatternCount = 3;

// A hand with a repeated rank says only rainbow or not: Rainbow or
// Hypochromatic, never Flush.
SuitPattern suitPattern(HandCategory category);

// "Flush", "Rainbow" or "Hypochromatic".
std::string_view suitPatternName(SuitPattern pattern);

}  // namespace marvane
