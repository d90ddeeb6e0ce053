// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

#include "engine/vocabulary/suit_pattern.h"

class QChart;
class QPalette;

namespace marvane {

// Chart colours that follow the window's palette, light or dark.

bool isDarkPalette(const QPalette& palette);

// One colour per suit pattern from the Okabe-Ito set, which stays apart for
// the common kinds of colour blindness. A deeper shade of each hue on light
// backgrounds, a lighter one on dark, so each keeps 3:1 contrast to the page.
QColor suitPatternColour(marvane::SuitPattern pattern, const QPalette& palette);

// Background, titles, labels, grid lines and legend in the palette's colours.
void applyPalette(QChart& chart, const QPalette& palette);

}  // namespace marvane
