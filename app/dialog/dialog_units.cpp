// SPDX-License-Identifier: MIT
#include "app/dialog/dialog_units.h"

#include <QFontMetrics>

namespace marvane {

namespace {

// value * numerator / denominator, rounded to nearest, halves away from zero.
int scaleRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

}  // namespace

DialogBaseUnits dialogBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    // The average over both alphabets, rounded, as dialog managers measure it.
    const int alphabets = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(alphabets / 26 + 1) / 2, metrics.height()};
}

QRect mapDialogRect(const QRect& dialogUnits, DialogBaseUnits base) {
    const int left = scaleRounded(dialogUnits.x(), base.width, 4);
    const int top = scaleRounded(dialogUnits.y(), base.height, 8);
    const int right = scaleRounded(dialogUnits.x() + dialogUnits.width(), base.width, 4);
    const int bottom = scaleRounded(dialogUnits.y() + dialogUnits.height(), base.height, 8);
    return {left, top, right - left, bottom - top};
}

}  // namespace marvane
