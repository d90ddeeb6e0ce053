#pragma once

#include <QString>
#include <cstdint>
#include <string_view>

#include "hand_category.h"
#include "number_reading.h"

// The engine's words in the user's language. The engine has no Qt and keeps
// its texts in English (marvane-count prints them as they are); the dialog
// looks each one up here, keyed by its English text.

// The category's name in the results list, e.g. "Drilling (bunt)".
QString categoryName(marvane::HandCategory category);

// The category's one-sentence definition, lower-case start.
QString categoryDefinitionText(marvane::HandCategory category);

// Any other sentence the engine hands the dialog: the Total column's
// definition, the card notation, why a category has no example hand.
// Texts without a translation come back in English.
QString engineText(std::string_view english);

// The number box's message for a failed reading; empty for a good one.
QString numberBoxMessage(marvane::NumberReadingStatus status, std::uint32_t minimum,
                         std::uint32_t maximum);
