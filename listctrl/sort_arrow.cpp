// SPDX-License-Identifier: MIT
#include "listctrl/sort_arrow.h"

#include <algorithm>
#include <cstdlib>

namespace marvane {
namespace {

// numerator / denominator rounded to the nearest integer, halves away from zero.
int roundedDivide(int numerator, int denominator) {
    const int magnitude = (2 * std::abs(numerator) + denominator) / (2 * denominator);
    return numerator < 0 ? -magnitude : magnitude;
}

}  // namespace

QList<ArrowLine> sortArrowLines(int right, int bottom, int off, bool ascending) {
    const int r = right;
    const int b = bottom;
    if (ascending) {
        return {
            {{r - 2 * off, off}, {r - off, b - off - 1}},
            {{r - off, b - off - 1}, {r - 3 * off - 2, b - off - 1}},
            {{r - 3 * off - 1, b - off - 1}, {r - 2 * off, off - 1}},
        };
    }
    return {
        {{r - off - 1, off}, {r - 2 * off - 1, b - off}},
        {{r - 2 * off - 2, b - off}, {r - 3 * off - 1, off}},
        {{r - 3 * off - 1, off}, {r - off - 1, off}},
    };
}

QList<QPoint> linePixels(QPoint from, QPoint to) {
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    const int steps = std::max(std::abs(dx), std::abs(dy));
    QList<QPoint> pixels;
    pixels.reserve(steps);
    for (int i = 0; i < steps; ++i) {
        pixels.append(
            {from.x() + roundedDivide(i * dx, steps), from.y() + roundedDivide(i * dy, steps)});
    }
    return pixels;
}

}  // namespace marvane
