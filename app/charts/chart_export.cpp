// SPDX-License-Identifier: MIT
#include "app/charts/chart_export.h"

#include <QChart>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPalette>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QTextLayout>

namespace marvane {

namespace {

// The translation context of this file's texts, where lupdate finds it.
struct ChartExportTexts {
    Q_DECLARE_TR_FUNCTIONS(ChartExport)
};

// The footer's height when wrapped to `width`.
QRectF footerRect(QPainter& painter, const QString& footer, QSize size) {
    if (footer.isEmpty()) {
        return {};
    }
    constexpr int kMargin = 8;
    const QRect room(kMargin, 0, size.width() - 2 * kMargin, size.height());
    const QRect needed =
        painter.boundingRect(room, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, footer);
    const int height = needed.height() + kMargin;
    return QRectF(kMargin, size.height() - height, room.width(), needed.height());
}

// Lays the chart out at `size` for as long as it lives, then back as it was.
class ChartSizeScope {
public:
    ChartSizeScope(QChart& chart, QSizeF size) : chart_(chart), geometry_(chart.geometry()) {
        resize(QRectF(geometry_.topLeft(), size));
    }
    ~ChartSizeScope() { resize(geometry_); }

private:
    void resize(const QRectF& geometry) {
        chart_.setGeometry(geometry);
        // The layout normally waits for the event loop; the picture is taken now.
        chart_.layout()->activate();
    }
    QChart& chart_;
    QRectF geometry_;
};

}  // namespace

std::optional<ChartFileType> chartFileTypeOf(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        return ChartFileType::Png;
    }
    if (suffix == QLatin1String("svg")) {
        return ChartFileType::Svg;
    }
    return std::nullopt;
}

void paintChartPicture(QPainter& painter, const ChartPicture& picture, const QPalette& palette) {
    const QRectF whole(QPointF(0, 0), picture.size);
    painter.fillRect(whole, palette.color(QPalette::Window));
    const QRectF footer = footerRect(painter, picture.footer, picture.size);
    const QRectF chartRect(0, 0, whole.width(),
                           footer.isNull() ? whole.height() : footer.top() - 4);
    if (picture.chart != nullptr && picture.chart->scene() != nullptr) {
        ChartSizeScope laidOut(*picture.chart, chartRect.size());
        painter.setRenderHint(QPainter::Antialiasing);
        picture.chart->scene()->render(&painter, chartRect, picture.chart->sceneBoundingRect());
    }
    if (!footer.isNull()) {
        painter.setPen(palette.color(QPalette::WindowText));
        painter.drawText(footer, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, picture.footer);
    }
}

QString saveChartPicture(const QString& fileName, const ChartPicture& picture,
                         const QPalette& palette) {
    const auto type = chartFileTypeOf(fileName);
    if (!type) {
        return ChartExportTexts::tr("Please choose a file name ending in .png or .svg.");
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (*type == ChartFileType::Png) {
        QImage image(picture.size * picture.pixelRatio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(picture.pixelRatio);
        {
            QPainter painter(&image);
            paintChartPicture(painter, picture, palette);
        }
        QImageWriter writer(&file, "png");
        if (!writer.write(image)) {
            file.cancelWriting();
            return writer.errorString();
        }
    } else {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(picture.size);
        svg.setViewBox(QRect(QPoint(0, 0), picture.size));
        svg.setTitle(picture.chart != nullptr ? picture.chart->title() : QString());
        QPainter painter;
        if (!painter.begin(&svg)) {
            file.cancelWriting();
            return ChartExportTexts::tr("The SVG picture could not be started.");
        }
        paintChartPicture(painter, picture, palette);
        painter.end();
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

}  // namespace marvane
