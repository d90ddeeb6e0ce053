#pragma once

#include <QList>
#include <QPoint>

namespace marvane {

// One stroke of the sort arrow; light strokes use the highlight colour,
// the others the shadow colour.
struct ArrowLine {
    QPoint from;
    QPoint to;
    bool light = false;

    bool operator==(const ArrowLine&) const = default;
};

// The strokes of the two-tone arrow at the right end of a header item whose
// right and bottom edges (both exclusive) are right and bottom, with
// off = item height / 4. Light strokes come first so that the shadow is drawn
// over them where they meet. The y values are absolute: header items start at
// y = 0, so off is also the distance from the item's top.
QList<ArrowLine> sortArrowLines(int right, int bottom, int off, bool ascending);

// The pixels of a 1-pixel line from `from` up to, not including, `to`, stepping
// along the longer axis. Drawing excludes the end point whatever the direction;
// QPainter's aliased lines leave out the lower-right end instead, which for
// lines drawn leftwards or upwards is the start.
QList<QPoint> linePixels(QPoint from, QPoint to);

}  // namespace marvane
