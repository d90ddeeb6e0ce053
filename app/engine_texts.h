// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/crossings.h"
#include "engine/hand_category.h"
#include "engine/result_rows.h"
#include "engine/suit_pattern.h"
#include "report/number_reading.h"

namespace marvane {

// The engine's words in the user's language. The engine has no Qt and keeps
// its texts in English (marvane-count prints them as they are); the dialog
// looks each one up here, keyed by its English text.

// The category's name in the results list, e.g. "Drilling (bunt)".
QString categoryName(marvane::HandCategory category);

// A time span as a person says it: "40 s", "12 min", "2 h 5 min".
QString durationText(double seconds);

// A results row's texts, its category named in the user's language.
QStringList rowTexts(const ResultRow& row);

// The category's one-sentence definition, lower-case start.
QString categoryDefinitionText(marvane::HandCategory category);

// The suit pattern's name as the charts' legends show it, e.g. "Rainbow".
QString suitPatternText(marvane::SuitPattern pattern);

// The odds as "1 in N" in the user's language, N in the engine's digits;
// "never" for a category without hands.
QString oddsText(const std::optional<std::string>& odds);

// One crossing across a series of decks, e.g. "from 5 to 6 suits, Flush
// becomes rarer than Rainbow Full House".
QString crossingText(const marvane::Crossing& crossing, marvane::DeckDimension varying);

// Any other sentence the engine hands the dialog: the suit patterns', the
// Total column's and the "*" mark's definitions, the card notation, why a
// category has no example hand.
// Texts without a translation come back in English.
QString engineText(std::string_view english);

// The number box's message for a failed reading; empty for a good one.
QString numberBoxMessage(marvane::NumberReadingStatus status, std::uint32_t minimum,
                         std::uint32_t maximum);

}  // namespace marvane
