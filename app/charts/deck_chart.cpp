// SPDX-License-Identifier: MIT
#include "app/charts/deck_chart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QCoreApplication>
#include <QHorizontalStackedBarSeries>
#include <QLegend>
#include <QLegendMarker>
#include <QLogValueAxis>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "app/charts/chart_style.h"
#include "app/engine_texts.h"
#include "engine/vocabulary/suit_pattern.h"

namespace marvane {

using marvane::ShownReport;
using marvane::ShownRow;
using marvane::SuitPattern;

namespace {

// The translation context of this file's texts, where lupdate finds it.
struct DeckChartTexts {
    Q_DECLARE_TR_FUNCTIONS(DeckChart)
};

QString nameOf(const ShownRow& row) {
    return categoryName(row.category);
}

constexpr SuitPattern kPatterns[] = {SuitPattern::Flush, SuitPattern::Rainbow,
                                     SuitPattern::Hypochromatic};

// The largest power of ten at or below the smallest probability, so every
// bar starts inside the axis.
double axisMinimum(const std::vector<ShownRow>& rows) {
    double smallest = 1.0;
    for (const ShownRow& row : rows) {
        smallest = std::min(smallest, row.probability);
    }
    return std::pow(10.0, std::floor(std::log10(smallest)));
}

// The axis draws its labels as rich text, which would fold the two spaces
// between name and odds into one.
QString axisLabel(const ShownRow& row) {
    return barLabel(row).replace(QStringLiteral("  "), QStringLiteral("\u00a0\u00a0"));
}

// Stacked bars start at 0, which a logarithmic axis cannot place: Qt Charts
// draws them from the axis' edge, which is what we want, but warns about it
// on every layout. Only that one message is dropped; every other goes on to
// the handler that was there before.
QtMessageHandler previousMessageHandler = nullptr;

void dropLogOfZeroWarning(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (type == QtWarningMsg &&
        message == QLatin1String("Logarithms of zero and negative values are undefined.")) {
        return;
    }
    if (previousMessageHandler != nullptr) {
        previousMessageHandler(type, context, message);
    }
}

void silenceStackedBarsOnLogAxisWarning() {
    static const bool installed = [] {
        previousMessageHandler = qInstallMessageHandler(dropLogOfZeroWarning);
        return true;
    }();
    (void)installed;
}

}  // namespace

std::vector<ShownRow> chartedRows(const ShownReport& report) {
    std::vector<ShownRow> rows;
    std::copy_if(report.rows.begin(), report.rows.end(), std::back_inserter(rows),
                 [](const ShownRow& row) { return row.sourceCount() > 0; });
    return rows;
}

QString deckTitle(const ShownReport& report) {
    if (report.jokers > 0) {
        return DeckChartTexts::tr("%1 suits x %2 ranks and %3, %4 hands of %5 cards")
            .arg(report.deck.suits)
            .arg(report.deck.ranks)
            .arg(jokersPhrase(report.jokers))
            .arg(report.hands)
            .arg(report.cards);
    }
    if (report.cards != kHandSize) {
        return DeckChartTexts::tr("%1 suits x %2 ranks, %3 hands of %4 cards")
            .arg(report.deck.suits)
            .arg(report.deck.ranks)
            .arg(report.hands)
            .arg(report.cards);
    }
    return DeckChartTexts::tr("%1 suits x %2 ranks, %3 hands")
        .arg(report.deck.suits)
        .arg(report.deck.ranks)
        .arg(report.hands);
}

QString barLabel(const ShownRow& row) {
    return nameOf(row) + QStringLiteral("  ") + (row.odds ? oddsText(row.odds) : QString());
}

QString barDetails(const ShownRow& row, std::uint64_t hands) {
    return DeckChartTexts::tr("%1: %2 of %3 hands, probability %4")
        .arg(nameOf(row))
        .arg(row.sourceCount())
        .arg(hands)
        .arg(QString::number(row.probability, 'g', 6));
}

QString neverLine(const ShownReport& report) {
    QStringList never;
    for (const ShownRow& row : report.rows) {
        if (row.sourceCount() == 0) {
            never << nameOf(row);
        }
    }
    return never.isEmpty() ? QString()
                           : DeckChartTexts::tr("never: %1").arg(never.join(QStringLiteral(", ")));
}

std::unique_ptr<QChart> createDeckChart(const ShownReport& report, const QPalette& palette) {
    const std::vector<ShownRow> rows = chartedRows(report);
    auto chart = std::make_unique<QChart>();
    chart->setTitle(deckTitle(report));

    // One bar set per suit pattern; each category has its probability in its
    // own pattern's set and 0 in the others, so a stacked series gives one
    // bar per category in its pattern's colour.
    auto* series = new QHorizontalStackedBarSeries;
    for (SuitPattern pattern : kPatterns) {
        auto* set = new QBarSet(suitPatternText(pattern));
        set->setColor(suitPatternColour(pattern, palette));
        set->setPen(Qt::NoPen);
        for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
            *set << (marvane::suitPattern(row->category) == pattern ? row->probability : 0.0);
        }
        series->append(set);
    }
    series->setBarWidth(0.7);
    chart->addSeries(series);

    QStringList labels;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        labels << axisLabel(*row);
    }
    auto* categories = new QBarCategoryAxis;
    categories->append(labels);
    categories->setTitleText(DeckChartTexts::tr("Hand and odds, in the list's order"));
    chart->addAxis(categories, Qt::AlignLeft);
    series->attachAxis(categories);

    auto* probability = new QLogValueAxis;
    probability->setBase(10.0);
    probability->setLabelFormat(QStringLiteral("%.0e"));
    probability->setRange(rows.empty() ? 1e-9 : axisMinimum(rows), 1.0);
    probability->setTitleText(DeckChartTexts::tr("Probability (logarithmic)"));
    chart->addAxis(probability, Qt::AlignBottom);
    series->attachAxis(probability);
    silenceStackedBarsOnLogAxisWarning();

    // A pattern this deck has no hand of gets no legend entry.
    for (std::size_t i = 0; i < std::size(kPatterns); ++i) {
        const bool used = std::any_of(rows.begin(), rows.end(), [&](const ShownRow& row) {
            return marvane::suitPattern(row.category) == kPatterns[i];
        });
        chart->legend()->markers(series).at(static_cast<qsizetype>(i))->setVisible(used);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    applyPalette(*chart, palette);
    return chart;
}

}  // namespace marvane
