// SPDX-License-Identifier: MIT
#include "listctrl/heading_parser.h"

#include "listctrl/text_conversions.h"

#include <algorithm>

namespace marvane {
namespace {

int readInt(QStringView text) {
    return parseLeadingInt(text.toUtf8().toStdString());
}

HeadingAlignment alignmentFromCode(int code) {
    switch (code) {
        case 1:
            return HeadingAlignment::Center;
        case 2:
            return HeadingAlignment::Right;
        default:
            return HeadingAlignment::Left;
    }
}

}  // namespace

QList<ColumnSpec> parseHeadings(const QString& headings) {
    QList<ColumnSpec> columns;
    const QStringView all(headings);
    qsizetype start = 0;
    while (true) {
        qsizetype end = all.indexOf(u';', start);
        if (end < 0) {
            end = all.size();
        }
        const QStringView segment = all.mid(start, end - start);

        const qsizetype c1 = segment.indexOf(u',');
        if (c1 < 0) {
            return columns;
        }
        ColumnSpec column;
        column.title = segment.left(c1).toString();
        QStringView widthText;
        const qsizetype c2 = segment.indexOf(u',', c1 + 1);
        if (c2 >= 0) {
            column.alignment = alignmentFromCode(readInt(segment.mid(c1 + 1, c2 - c1 - 1)));
            widthText = segment.mid(c2 + 1);
        } else {
            widthText = segment.mid(c1 + 1);
        }
        column.width = std::max(readInt(widthText), 1);
        columns.append(column);

        if (end >= all.size()) {
            return columns;
        }
        start = end + 1;
    }
}

}  // namespace marvane
