// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>
#include <QString>
#include <optional>

class QChart;
class QPainter;
class QPalette;

namespace marvane {

enum class ChartFileType { Png, Svg };

// By the file name's suffix, ignoring case; nothing for any other suffix.
std::optional<ChartFileType> chartFileTypeOf(const QString& fileName);

// What a saved chart holds: the chart laid out at `size` (logical pixels),
// with `footer` (the lines under the chart in the window) below it.
struct ChartPicture {
    QChart* chart = nullptr;
    QString footer;
    QSize size;
    qreal pixelRatio = 1.0;  // the PNG has size * pixelRatio pixels
};

void paintChartPicture(QPainter& painter, const ChartPicture& picture, const QPalette& palette);

// Writes the picture as PNG or SVG by the file name's suffix, replacing the
// file only when everything was written. An empty string on success, else
// what went wrong, for a message box.
QString saveChartPicture(const QString& fileName, const ChartPicture& picture,
                         const QPalette& palette);

}  // namespace marvane
