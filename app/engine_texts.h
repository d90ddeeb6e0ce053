// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/vocabulary/hand_category.h"
#include "engine/vocabulary/suit_pattern.h"

namespace marvane {

// The engine's words in the user's language. The engine has no Qt and keeps
// its texts in English (marvane-count prints them as they are); the dialog
// looks each one up here, keyed by its English text.

// The category's name in the results list, e.g. "Drilling (bunt)".
QString categoryName(marvane::HandCategory category);

// The category's one-sentence definition, lower-case start, for hands of
// `cards` cards with `jokers` jokers: below five cards as such a hand, classed
// as itself, makes it; with jokers as they make it (see
// marvane::categoryDefinition).
QString categoryDefinitionText(marvane::HandCategory category, std::uint32_t jokers,
                               std::uint32_t cards);

// The suit pattern's name as the charts' legends show it, e.g. "Rainbow".
QString suitPatternText(marvane::SuitPattern pattern);

// The odds as "1 in N" in the user's language, N in the engine's digits;
// "never" for a category without hands.
QString oddsText(const std::optional<std::string>& odds);

// Any other sentence the engine hands the windows: the suit patterns', the
// Total column's, the "*" mark's and the joker's definitions, the words for
// hands of other sizes than five, the card notation, why a category has no
// example hand.
// Texts without a translation come back in English.
QString engineText(std::string_view english);

// "1 joker", "2 jokers", in the user's language.
QString jokersPhrase(std::uint32_t jokers);

}  // namespace marvane
