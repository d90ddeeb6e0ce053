// SPDX-License-Identifier: MIT
#include "app/charts/across_decks_chart.h"

#include <QChart>
#include <QCoreApplication>
#include <QImage>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QPainterPath>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "app/charts/chart_style.h"
#include "app/engine_texts.h"
#include "engine/suit_pattern.h"
#include "report/deck_series.h"
#include "report/shown_report.h"

namespace marvane {

using marvane::Deck;
using marvane::DeckDimension;
using marvane::ShownReport;

namespace {

// The translation context of this file's texts, where lupdate finds it.
struct AcrossDecksChartTexts {
    Q_DECLARE_TR_FUNCTIONS(AcrossDecksChart)
};

struct CrossingTexts {
    Q_DECLARE_TR_FUNCTIONS(Crossings)
};

// One crossing across a series of decks, e.g. "from 5 to 6 suits, Flush
// becomes rarer than Rainbow Full House".
QString crossingText(const Crossing& crossing, DeckDimension varying) {
    const QString text = varying == DeckDimension::Suits
                             ? CrossingTexts::tr("from %1 to %2 suits, %3 becomes rarer than %4")
                             : CrossingTexts::tr("from %1 to %2 ranks, %3 becomes rarer than %4");
    return text.arg(crossing.from)
        .arg(crossing.to)
        .arg(categoryName(crossing.rarer), categoryName(crossing.commoner));
}

// Lines of one colour tell themselves apart by their point shape (filled,
// then hollow) and dash pattern; the legend shows the same shapes.
constexpr std::array<QLegend::MarkerShape, 6> kShapes = {
    QLegend::MarkerShapeCircle,   QLegend::MarkerShapeRectangle,
    QLegend::MarkerShapeTriangle, QLegend::MarkerShapeRotatedRectangle,
    QLegend::MarkerShapeStar,     QLegend::MarkerShapePentagon,
};
constexpr std::array<Qt::PenStyle, 3> kDashes = {Qt::SolidLine, Qt::DashLine, Qt::DotLine};

QPolygonF regularPolygon(QPointF centre, double radius, int corners, double innerRatio) {
    QPolygonF polygon;
    const int points = innerRatio < 1.0 ? corners * 2 : corners;
    for (int i = 0; i < points; ++i) {
        const double r = (innerRatio < 1.0 && i % 2 == 1) ? radius * innerRatio : radius;
        const double angle = -M_PI / 2 + 2 * M_PI * i / points;
        polygon << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    return polygon;
}

QImage markerImage(QLegend::MarkerShape shape, const QColor& colour, bool filled) {
    constexpr int kSize = 11;
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 1.5));
    painter.setBrush(filled ? QBrush(colour) : QBrush(Qt::NoBrush));
    const QRectF box(1.5, 1.5, kSize - 3, kSize - 3);
    const QPointF centre = box.center();
    switch (shape) {
        case QLegend::MarkerShapeRectangle:
            painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
            break;
        case QLegend::MarkerShapeTriangle:
            painter.drawPolygon(regularPolygon(centre, 4.5, 3, 1.0));
            break;
        case QLegend::MarkerShapeRotatedRectangle:
            painter.drawPolygon(regularPolygon(centre, 4.5, 4, 1.0));
            break;
        case QLegend::MarkerShapeStar:
            painter.drawPolygon(regularPolygon(centre, 5.0, 5, 0.45));
            break;
        case QLegend::MarkerShapePentagon:
            painter.drawPolygon(regularPolygon(centre, 4.5, 5, 1.0));
            break;
        default:
            painter.drawEllipse(box);
            break;
    }
    return image;
}

double probabilityOf(const ShownReport& report, marvane::HandCategory category) {
    for (const marvane::ShownRow& row : report.rows) {
        if (row.category == category) {
            return row.sourceCount() > 0 ? row.probability : 0.0;
        }
    }
    return 0.0;
}

QString fixedPart(DeckDimension varying, Deck current) {
    return varying == DeckDimension::Suits
               ? AcrossDecksChartTexts::tr("%1 ranks").arg(current.ranks)
               : AcrossDecksChartTexts::tr("%1 suits").arg(current.suits);
}

}  // namespace

QString acrossDecksTitle(DeckDimension varying, Deck current) {
    return varying == DeckDimension::Suits ? AcrossDecksChartTexts::tr("%1 to %2 suits at %3")
                                                 .arg(marvane::kMinSuits)
                                                 .arg(marvane::kMaxSuits)
                                                 .arg(fixedPart(varying, current))
                                           : AcrossDecksChartTexts::tr("%1 to %2 ranks at %3")
                                                 .arg(marvane::kMinRanks)
                                                 .arg(marvane::kMaxRanks)
                                                 .arg(fixedPart(varying, current));
}

QString crossingsText(DeckDimension varying, Deck current, std::uint32_t cards,
                      std::uint32_t jokers) {
    const std::vector<Crossing> crossings = seriesCrossings(varying, current, cards, jokers);
    if (crossings.empty()) {
        return AcrossDecksChartTexts::tr("No two categories change places across these decks.\n");
    }
    QString text;
    for (const Crossing& crossing : crossings) {
        text += crossingText(crossing, varying) + '\n';
    }
    return text;
}

std::unique_ptr<QChart> createAcrossDecksChart(DeckDimension varying, Deck current,
                                               std::uint32_t cards, std::uint32_t jokers,
                                               const QPalette& palette) {
    const std::vector<ShownReport> reports = seriesReports(varying, current, cards, jokers);
    const ShownReport currentReport = computedReport(current, cards, jokers);
    auto chart = std::make_unique<QChart>();
    chart->setTitle(acrossDecksTitle(varying, current));

    double smallest = 1.0;
    std::map<marvane::SuitPattern, int> linesOfPattern;
    std::vector<std::pair<QLineSeries*, int>> lines;  // with their shape number
    for (const marvane::ShownRow& row : currentReport.rows) {
        auto* line = new QLineSeries;
        line->setName(categoryName(row.category));
        line->setProperty(kCategoryProperty, static_cast<int>(marvane::indexOf(row.category)));
        for (const ShownReport& report : reports) {
            const double p = probabilityOf(report, row.category);
            if (p > 0.0) {
                line->append(marvane::varyingValue(report.deck, varying), p);
                smallest = std::min(smallest, p);
            }
        }
        const marvane::SuitPattern pattern = marvane::suitPattern(row.category);
        const int number = linesOfPattern[pattern]++;
        const QColor colour = suitPatternColour(pattern, palette);
        QPen pen(colour, 1.5);
        pen.setStyle(kDashes[static_cast<std::size_t>(number) % kDashes.size()]);
        line->setPen(pen);
        line->setPointsVisible(true);
        line->setMarkerSize(9);
        line->setLightMarker(markerImage(kShapes[static_cast<std::size_t>(number) % kShapes.size()],
                                         colour, number < static_cast<int>(kShapes.size())));
        chart->addSeries(line);
        lines.emplace_back(line, number);
    }

    const double minimum = std::pow(10.0, std::floor(std::log10(smallest)));
    const double here = marvane::varyingValue(current, varying);
    auto* thisDeck = new QLineSeries;
    thisDeck->setName(
        AcrossDecksChartTexts::tr("This deck (%1 x %2)").arg(current.suits).arg(current.ranks));
    thisDeck->append(here, minimum);
    thisDeck->append(here, 1.0);
    QPen marker(palette.color(QPalette::WindowText), 1.0, Qt::DashDotLine);
    thisDeck->setPen(marker);
    chart->addSeries(thisDeck);

    const bool suitsVary = varying == DeckDimension::Suits;
    auto* across = new QValueAxis;
    across->setRange(suitsVary ? marvane::kMinSuits : marvane::kMinRanks,
                     suitsVary ? marvane::kMaxSuits : marvane::kMaxRanks);
    across->setTickCount(suitsVary ? 5 : 14);
    across->setLabelFormat(QStringLiteral("%d"));
    across->setTitleText(suitsVary
                             ? AcrossDecksChartTexts::tr("Suits (at %1 ranks)").arg(current.ranks)
                             : AcrossDecksChartTexts::tr("Ranks (at %1 suits)").arg(current.suits));
    chart->addAxis(across, Qt::AlignBottom);

    auto* probability = new QLogValueAxis;
    probability->setBase(10.0);
    probability->setLabelFormat(QStringLiteral("%.0e"));
    probability->setRange(minimum, 1.0);
    probability->setTitleText(AcrossDecksChartTexts::tr("Probability (logarithmic)"));
    chart->addAxis(probability, Qt::AlignLeft);

    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(across);
        series->attachAxis(probability);
    }
    QLegend* legend = chart->legend();
    legend->setAlignment(Qt::AlignRight);
    for (const auto& [line, number] : lines) {
        QLegendMarker* entry = legend->markers(line).value(0);
        if (entry == nullptr) {
            continue;
        }
        entry->setVisible(line->count() > 0);  // no deck of the series has it
        entry->setShape(kShapes[static_cast<std::size_t>(number) % kShapes.size()]);
        if (number >= static_cast<int>(kShapes.size())) {
            entry->setBrush(Qt::NoBrush);
            entry->setPen(QPen(line->pen().color(), 1.5));
        }
    }
    applyPalette(*chart, palette);
    return chart;
}

}  // namespace marvane
