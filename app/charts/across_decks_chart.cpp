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
#include "engine/vocabulary/suit_pattern.h"
#include "report/results/count_request.h"
#include "report/results/deck_series.h"
#include "report/results/shown_report.h"

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

// "from 2 to 3 jokers, Hypochromatic Full House becomes rarer than
// Hypochromatic 4 of a Kind (equal at 2)".
QString jokerCrossingText(const Crossing& crossing) {
    const QString text = crossing.to == 1
                             ? CrossingTexts::tr("from %1 to %2 joker, %3 becomes rarer than %4")
                             : CrossingTexts::tr("from %1 to %2 jokers, %3 becomes rarer than %4");
    QString sentence = text.arg(crossing.from)
                           .arg(crossing.to)
                           .arg(categoryName(crossing.rarer), categoryName(crossing.commoner));
    if (!crossing.equalFrom) {
        return sentence;
    }
    return *crossing.equalFrom == crossing.from
               ? CrossingTexts::tr("%1 (equal at %2)").arg(sentence).arg(crossing.from)
               : CrossingTexts::tr("%1 (equal at %2 to %3)")
                     .arg(sentence)
                     .arg(*crossing.equalFrom)
                     .arg(crossing.from);
}

// "from 4 to 5 cards, Flush becomes rarer than Hypochromatic Straight".
QString cardCrossingText(const Crossing& crossing) {
    return CrossingTexts::tr("from %1 to %2 cards, %3 becomes rarer than %4")
        .arg(crossing.from)
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

namespace {

// The horizontal axis of a line chart and the reports along it.
struct AcrossLine {
    QString title;
    QString axisTitle;
    QString hereName;  // the legend's name of the current point's marker
    std::uint32_t first = 0;
    std::uint32_t last = 0;
    std::uint32_t here = 0;
    std::vector<std::pair<std::uint32_t, ShownReport>> reports;  // by their value along the axis
};

std::unique_ptr<QChart> createLineChart(const AcrossLine& across, const ShownReport& currentReport,
                                        const QPalette& palette) {
    auto chart = std::make_unique<QChart>();
    chart->setTitle(across.title);

    double smallest = 1.0;
    std::map<marvane::SuitPattern, int> linesOfPattern;
    std::vector<std::pair<QLineSeries*, int>> lines;  // with their shape number
    for (const marvane::ShownRow& row : currentReport.rows) {
        auto* line = new QLineSeries;
        line->setName(categoryName(row.category));
        line->setProperty(kCategoryProperty, static_cast<int>(marvane::indexOf(row.category)));
        for (const auto& [value, report] : across.reports) {
            const double p = probabilityOf(report, row.category);
            if (p > 0.0) {
                line->append(value, p);
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
    auto* thisDeck = new QLineSeries;
    thisDeck->setName(across.hereName);
    thisDeck->append(across.here, minimum);
    thisDeck->append(across.here, 1.0);
    QPen marker(palette.color(QPalette::WindowText), 1.0, Qt::DashDotLine);
    thisDeck->setPen(marker);
    chart->addSeries(thisDeck);

    auto* axis = new QValueAxis;
    axis->setRange(across.first, across.last);
    axis->setTickCount(static_cast<int>(across.last - across.first) + 1);
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setTitleText(across.axisTitle);
    chart->addAxis(axis, Qt::AlignBottom);

    auto* probability = new QLogValueAxis;
    probability->setBase(10.0);
    probability->setLabelFormat(QStringLiteral("%.0e"));
    probability->setRange(minimum, 1.0);
    probability->setTitleText(AcrossDecksChartTexts::tr("Probability (logarithmic)"));
    chart->addAxis(probability, Qt::AlignLeft);

    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(axis);
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

}  // namespace

std::unique_ptr<QChart> createAcrossDecksChart(DeckDimension varying, Deck current,
                                               std::uint32_t cards, std::uint32_t jokers,
                                               const QPalette& palette) {
    const bool suitsVary = varying == DeckDimension::Suits;
    AcrossLine across{
        .title = acrossDecksTitle(varying, current),
        .axisTitle = suitsVary
                         ? AcrossDecksChartTexts::tr("Suits (at %1 ranks)").arg(current.ranks)
                         : AcrossDecksChartTexts::tr("Ranks (at %1 suits)").arg(current.suits),
        .hereName =
            AcrossDecksChartTexts::tr("This deck (%1 x %2)").arg(current.suits).arg(current.ranks),
        .first = suitsVary ? marvane::kMinSuits : marvane::kMinRanks,
        .last = suitsVary ? marvane::kMaxSuits : marvane::kMaxRanks,
        .here = marvane::varyingValue(current, varying),
        .reports = {}};
    for (ShownReport& report : seriesReports(varying, current, cards, jokers)) {
        const std::uint32_t value = marvane::varyingValue(report.deck, varying);
        across.reports.emplace_back(value, std::move(report));
    }
    return createLineChart(across, answer({.deck = current, .cards = cards, .jokers = jokers}),
                           palette);
}

QString acrossJokersTitle(Deck current) {
    return AcrossDecksChartTexts::tr("%1 to %2 jokers at %3 x %4")
        .arg(0)
        .arg(marvane::kMaxJokers)
        .arg(current.suits)
        .arg(current.ranks);
}

// One line per crossing, or `none` when there is none.
QString crossingLines(const std::vector<Crossing>& crossings, const QString& none,
                      QString (*lineOf)(const Crossing&)) {
    if (crossings.empty()) {
        return none;
    }
    QString text;
    for (const Crossing& crossing : crossings) {
        text += lineOf(crossing) + '\n';
    }
    return text;
}

QString jokerCrossingsText(Deck current, std::uint32_t cards) {
    return crossingLines(
        jokerSeriesCrossings(current, cards),
        AcrossDecksChartTexts::tr("No two categories change places as jokers are added.\n"),
        jokerCrossingText);
}

std::unique_ptr<QChart> createAcrossJokersChart(Deck current, std::uint32_t cards,
                                                std::uint32_t jokers, const QPalette& palette) {
    AcrossLine across{
        .title = acrossJokersTitle(current),
        .axisTitle =
            AcrossDecksChartTexts::tr("Jokers (at %1 x %2)").arg(current.suits).arg(current.ranks),
        .hereName = AcrossDecksChartTexts::tr("This deck (%1)").arg(jokersPhrase(jokers)),
        .first = 0,
        .last = marvane::kMaxJokers,
        .here = jokers,
        .reports = {}};
    std::uint32_t value = 0;
    for (ShownReport& report : jokerSeriesReports(current, cards)) {
        across.reports.emplace_back(value++, std::move(report));
    }
    return createLineChart(across, answer({.deck = current, .cards = cards, .jokers = jokers}),
                           palette);
}

QString acrossCardsTitle(Deck current, std::uint32_t jokers) {
    if (jokers == 0) {
        return AcrossDecksChartTexts::tr("%1 to %2 cards per hand at %3 x %4")
            .arg(marvane::kMinCards)
            .arg(marvane::kMaxCards)
            .arg(current.suits)
            .arg(current.ranks);
    }
    return AcrossDecksChartTexts::tr("%1 to %2 cards per hand at %3 x %4 and %5")
        .arg(marvane::kMinCards)
        .arg(marvane::kMaxCards)
        .arg(current.suits)
        .arg(current.ranks)
        .arg(jokersPhrase(jokers));
}

QString cardCrossingsText(Deck current, std::uint32_t jokers) {
    return crossingLines(cardSeriesCrossings(current, jokers),
                         AcrossDecksChartTexts::tr(
                             "No two categories change places from one hand size to the next.\n"),
                         cardCrossingText);
}

std::unique_ptr<QChart> createAcrossCardsChart(Deck current, std::uint32_t cards,
                                               std::uint32_t jokers, const QPalette& palette) {
    AcrossLine across{.title = acrossCardsTitle(current, jokers),
                      .axisTitle = AcrossDecksChartTexts::tr("Cards per hand (at %1 x %2)")
                                       .arg(current.suits)
                                       .arg(current.ranks),
                      .hereName = AcrossDecksChartTexts::tr("This hand (%1 cards)").arg(cards),
                      .first = marvane::kMinCards,
                      .last = marvane::kMaxCards,
                      .here = cards,
                      .reports = {}};
    // Each hand size under the deck's own order at that size, as the
    // crossings count them.
    std::uint32_t size = marvane::kMinCards;
    for (ShownReport& report : cardSeriesReports(current, jokers)) {
        across.reports.emplace_back(size++, std::move(report));
    }
    return createLineChart(across, answer({.deck = current, .cards = cards, .jokers = jokers}),
                           palette);
}

}  // namespace marvane
