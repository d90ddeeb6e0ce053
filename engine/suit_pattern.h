// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "engine/hand_category.h"

namespace marvane {

// How the five suits of a category's hands look. Five of a Kind is always
// five different suits, so it counts as rainbow; Garbage is neither flush nor
// rainbow, so hypochromatic.
enum class SuitPattern { Flush, Rainbow, Hypochromatic };

SuitPattern suitPattern(HandCategory category);

// "Flush", "Rainbow" or "Hypochromatic".
std::string_view suitPatternName(SuitPattern pattern);

}  // namespace marvane
