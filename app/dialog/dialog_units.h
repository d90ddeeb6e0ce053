// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QRect>

namespace marvane {

// The dialog is laid out in dialog units: a quarter of the font's average
// character width horizontally, an eighth of its height vertically, so the
// arrangement keeps its proportions whatever font the desktop uses.
struct DialogBaseUnits {
    int width = 0;   // average character width in pixels
    int height = 0;  // character height in pixels
};

DialogBaseUnits dialogBaseUnits(const QFont& font);

// A rectangle in dialog units, converted to pixels (rounded to nearest).
QRect mapDialogRect(const QRect& dialogUnits, DialogBaseUnits base);

}  // namespace marvane
