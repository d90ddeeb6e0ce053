// SPDX-License-Identifier: MIT
#include "engine/vocabulary/suit_pattern.h"

namespace marvane {

SuitPattern suitPattern(HandCategory category) {
    switch (category) {
        case HandCategory::StraightFlush:
        case HandCategory::Flush:
            return SuitPattern::Flush;
        case HandCategory::FiveOfAKind:
        case HandCategory::Rainbow4OfAKind:
        case HandCategory::RainbowFullHouse:
        case HandCategory::Rainbow3OfAKind:
        case HandCategory::Rainbow2Pair:
        case HandCategory::Rainbow1Pair:
        case HandCategory::RainbowStraight:
        case HandCategory::Rainbow:
            return SuitPattern::Rainbow;
        default:
            return SuitPattern::Hypochromatic;
    }
}

std::string_view suitPatternName(SuitPattern pattern) {
    switch (pattern) {
        case SuitPattern::Flush:
            return "Flush";
        case SuitPattern::Rainbow:
            return "Rainbow";
        case SuitPattern::Hypochromatic:
            return "Hypochromatic";
    }
    return {};
}

}  // namespace marvane
