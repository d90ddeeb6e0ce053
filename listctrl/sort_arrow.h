// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QPoint>

namespace marvane {

// One stroke of the sort arrow.
struct ArrowLine {
    QPoint from;
    QPoint to;

    bool operator==(const ArrowLine&) const = default;
};

// The strokes of the arrow at the right end of a header item whose right and
// bottom edges (both exclusive) are right and bottom, with off = item height / 4.
// The arrow keeps to the item's last 3 * off + 2 pixels, so a label that ends
// 4 * off before the right edge never meets it. The y values are absolute:
// header items start at y = 0, so off is also the distance from the item's top.
QList<ArrowLine> sortArrowLines(int right, int bottom, int off, bool ascending);

// The pixels of a 1-pixel line from `from` up to, not including, `to`, stepping
// along the longer axis. Drawing excludes the end point whatever the direction;
// QPainter's aliased lines leave out the lower-right end instead, which for
// lines drawn leftwards or upwards is the start.
QList<QPoint> linePixels(QPoint from, QPoint to);

}  // namespace marvane
