// SPDX-License-Identifier: MIT
#include "app/charts/chart_style.h"

#include <QAbstractAxis>
#include <QChart>
#include <QLegend>
#include <QPalette>

namespace marvane {

bool isDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

QColor suitPatternColour(marvane::SuitPattern pattern, const QPalette& palette) {
    const bool dark = isDarkPalette(palette);
    switch (pattern) {
        case marvane::SuitPattern::Flush:
            return dark ? QColor(0xE6, 0x9F, 0x00)
                        : QColor(0xD5, 0x5E, 0x00);  // orange, vermillion
        case marvane::SuitPattern::Rainbow:
            return dark ? QColor(0x56, 0xB4, 0xE9) : QColor(0x00, 0x72, 0xB2);  // sky blue, blue
        case marvane::SuitPattern::Hypochromatic:
            return QColor(0xCC, 0x79, 0xA7);  // reddish purple
    }
    return palette.color(QPalette::WindowText);
}

void applyPalette(QChart& chart, const QPalette& palette) {
    const QColor text = palette.color(QPalette::WindowText);
    QColor grid = text;
    grid.setAlpha(60);
    chart.setBackgroundBrush(palette.color(QPalette::Window));
    chart.setBackgroundRoundness(0);
    chart.setTitleBrush(text);
    chart.legend()->setLabelColor(text);
    for (QAbstractAxis* axis : chart.axes()) {
        axis->setLabelsColor(text);
        axis->setTitleBrush(text);
        axis->setLinePenColor(text);
        axis->setGridLineColor(grid);
        axis->setMinorGridLineColor(grid);
    }
}

}  // namespace marvane
