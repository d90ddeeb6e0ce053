// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

namespace marvane {

enum class HeadingAlignment { Left, Right, Center };

// One column declared by a heading string.
struct ColumnSpec {
    QString title;
    HeadingAlignment alignment = HeadingAlignment::Left;
    int width = 1;  // pixels, at least 1

    bool operator==(const ColumnSpec&) const = default;
};

// Reads a heading string such as "Hand, 140; Computed, 2, 70": segments
// separated by ";", each either "title,width" or "title,alignment,width".
// Titles are kept exactly as written (the blank after a ";" stays). The
// alignment code 1 means centred, 2 right-aligned, anything else left. Numbers
// are read like atoi; a width below 1 becomes 1. Reading stops at the first
// segment without a ",", so everything from there on is ignored.
QList<ColumnSpec> parseHeadings(const QString& headings);

}  // namespace marvane
