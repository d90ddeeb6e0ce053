// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAbstractBarSeries>
#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineSeries>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/charts/across_decks_chart.h"
#include "app/charts/chart_window.h"
#include "report/results/count_request.h"
#include "report/results/shown_report.h"
#include "tests/app/fake_prompts.h"

namespace marvane {

namespace {

struct ShownChart {
    ShownChart() {
        window.setPrompts(prompts);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void show(std::uint32_t suits, std::uint32_t ranks) {
        window.showReport(answer({.deck = {suits, ranks}}));
    }
    QPushButton* button(const QString& text) const {
        for (auto* button : window.findChildren<QPushButton*>()) {
            if (button->text() == text) {
                return button;
            }
        }
        return nullptr;
    }
    ChartWindow window;
    std::shared_ptr<FakePrompts> prompts = std::make_shared<FakePrompts>();
    QStringList& messages = prompts->messages;
};

// The bars from the top: label and length.
std::vector<std::pair<QString, double>> bars(QChart* chart) {
    auto* axis = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Vertical).value(0));
    std::vector<std::pair<QString, double>> bars;
    if (axis == nullptr || chart->series().isEmpty()) {
        return bars;
    }
    const auto sets = static_cast<QAbstractBarSeries*>(chart->series().first())->barSets();
    for (int i = axis->count() - 1; i >= 0; --i) {
        double length = 0;
        for (const QBarSet* set : sets) {
            length += set->at(i);
        }
        bars.emplace_back(axis->at(i), length);
    }
    return bars;
}

QString goldenFile(const char* name) {
    QFile file(QStringLiteral(MARVANE_GOLDEN_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(ChartWindow, FourByThirteenBarsFollowTheGoldenFile) {
    // suits,ranks,hands,floating_path,index,hand,computed,total in the list's order.
    std::vector<std::pair<QString, double>> expected;
    const QStringList lines = goldenFile("4x13.csv").split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 18);
    for (const QString& line : lines.mid(1)) {
        const QStringList fields = line.split(',');
        if (fields[6] != QLatin1String("0")) {
            expected.emplace_back(fields[5], fields[6].toDouble() / 2598960.0);
        }
    }
    ShownChart chart;
    chart.show(4, 13);
    const auto shown = bars(chart.window.deckChart());
    ASSERT_EQ(shown.size(), expected.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_TRUE(
            shown[i].first.startsWith(expected[i].first + QStringLiteral("\u00a0\u00a01 in ")))
            << shown[i].first.toStdString();
        EXPECT_DOUBLE_EQ(shown[i].second, expected[i].second) << shown[i].first.toStdString();
    }
    EXPECT_EQ(shown[3].first, QStringLiteral("Flush\u00a0\u00a01 in 509"));
    EXPECT_EQ(chart.window.deckChart()->title(),
              QStringLiteral("4 suits x 13 ranks, 2598960 hands"));
    EXPECT_EQ(chart.window.neverText(),
              QStringLiteral("never: Five of a Kind, Rainbow 4 of a Kind, Rainbow Straight, "
                             "Rainbow Full House, Rainbow 3 of a Kind, Rainbow 2 Pair, "
                             "Rainbow 1 Pair, Rainbow"));

    // The arrow keys pick bars from the top, as the mouse does.
    auto* view = chart.window.findChild<QChartView*>(QStringLiteral("deckView"));
    chart.window.setView(ChartWindow::View::Deck);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(chart.window.detailsText(),
              QStringLiteral("Straight Flush: 40 of 2598960 hands, probability 1.53908e-05"));
    QTest::keyClick(view, Qt::Key_End);
    EXPECT_TRUE(chart.window.detailsText().startsWith(QStringLiteral("Garbage: 1302540 of")));
}

TEST(ChartWindow, FollowsResultsAndClears) {
    ShownChart chart;
    EXPECT_FALSE(chart.button(QStringLiteral("Save Chart &As..."))->isEnabled());
    chart.show(8, 20);
    EXPECT_EQ(chart.window.deckChart()->title(),
              QStringLiteral("8 suits x 20 ranks, 820384032 hands"));
    EXPECT_EQ(bars(chart.window.deckChart()).size(), 17u);
    EXPECT_TRUE(chart.window.neverText().isEmpty());
    EXPECT_TRUE(chart.button(QStringLiteral("Save Chart &As..."))->isEnabled());
    chart.window.clear();
    EXPECT_FALSE(chart.window.hasReport());
    EXPECT_TRUE(chart.window.deckChart()->series().isEmpty());
    EXPECT_TRUE(chart.window.acrossChart()->series().isEmpty());
    EXPECT_TRUE(chart.window.crossingsText().isEmpty());
    EXPECT_FALSE(chart.button(QStringLiteral("Save Chart &As..."))->isEnabled());
}

TEST(ChartWindow, SavesPngAndSvgAtTheWindowsSizeAndReportsFailures) {
    QTemporaryDir dir;
    ShownChart chart;
    chart.show(4, 13);
    chart.window.resize(700, 520);
    QString target;
    QString suggested;
    chart.prompts->savePath = [&](const QString& suggestion) {
        suggested = suggestion;
        return target;
    };
    for (const auto view : {ChartWindow::View::Deck, ChartWindow::View::AcrossDecks}) {
        chart.window.setView(view);
        target = dir.filePath(QStringLiteral("chart.png"));
        chart.window.saveChartAs();
        // Every save after the first suggests the folder of the last one.
        if (view == ChartWindow::View::AcrossDecks) {
            EXPECT_EQ(QFileInfo(suggested).absolutePath(), dir.path());
        }
        const QImage png(target);
        EXPECT_EQ(png.size(), chart.window.size() * chart.window.devicePixelRatio());
        target = dir.filePath(QStringLiteral("chart.SVG"));
        chart.window.saveChartAs();
        QFile svg(target);
        ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
        EXPECT_TRUE(svg.readAll().contains("<svg"));
    }
    EXPECT_TRUE(chart.messages.isEmpty()) << chart.messages.join('\n').toStdString();

    // Each failure is one message and leaves no file.
    for (const QString& bad : {dir.filePath(QStringLiteral("chart.jpg")),
                               dir.filePath(QStringLiteral("missing/chart.png"))}) {
        target = bad;
        chart.messages.clear();
        chart.window.saveChartAs();
        EXPECT_EQ(chart.messages.size(), 1) << bad.toStdString();
        EXPECT_FALSE(QFile::exists(bad));
    }
}

TEST(ChartWindow, AcrossDecksHasPointsExactlyWhereACategoryOccurs) {
    ShownChart chart;
    chart.show(4, 13);
    chart.window.setView(ChartWindow::View::AcrossDecks);
    struct Case {
        marvane::DeckDimension varying;
        marvane::HandCategory category;
        std::vector<int> at;
    };
    using enum marvane::HandCategory;
    const Case cases[] = {
        {marvane::DeckDimension::Suits, FiveOfAKind, {5, 6, 7, 8}},
        {marvane::DeckDimension::Suits, RainbowStraight, {5, 6, 7, 8}},
        {marvane::DeckDimension::Suits, StraightFlush, {4, 5, 6, 7, 8}},
        {marvane::DeckDimension::Ranks, Rainbow, {}},  // four suits
        {marvane::DeckDimension::Ranks,
         Flush,
         {7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}},
    };
    for (const Case& c : cases) {
        chart.window.setAcrossDimension(c.varying);
        std::vector<int> at;
        for (QAbstractSeries* series : chart.window.acrossChart()->series()) {
            if (series->property(kCategoryProperty) == static_cast<int>(c.category)) {
                for (QPointF point : static_cast<QLineSeries*>(series)->points()) {
                    at.push_back(static_cast<int>(point.x()));
                }
            }
        }
        EXPECT_EQ(at, c.at) << marvane::displayName(c.category);
    }

    chart.window.setAcrossDimension(marvane::DeckDimension::Suits);
    EXPECT_TRUE(chart.window.crossingsText().startsWith(
        QStringLiteral("from 4 to 5 suits, Flush becomes rarer than Hypochromatic Full House\n")));
    QApplication::clipboard()->clear();
    QTest::keyClick(&chart.window, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), chart.window.crossingsText());
}

// 4 x 13 at five cards as jokers are added: Five of a Kind only with one or
// more, and the published crossings, a tie included.
TEST(ChartWindow, AcrossJokersFollowsTheDeckFromNoneToFourJokers) {
    ShownChart chart;
    chart.window.showReport(answer({.deck = {4, 13}, .cards = 5, .jokers = 1}));
    chart.window.setView(ChartWindow::View::AcrossDecks);
    chart.window.setAcrossAxis(AcrossAxis::Jokers);
    std::vector<int> fiveOfAKind;
    for (QAbstractSeries* series : chart.window.acrossChart()->series()) {
        if (series->property(kCategoryProperty) ==
            static_cast<int>(marvane::HandCategory::FiveOfAKind)) {
            for (QPointF point : static_cast<QLineSeries*>(series)->points()) {
                fiveOfAKind.push_back(static_cast<int>(point.x()));
            }
        }
    }
    EXPECT_EQ(fiveOfAKind, (std::vector<int>{1, 2, 3, 4}));
    const QString crossings = chart.window.crossingsText();
    for (const char* line :
         {"from 0 to 1 joker, Hypochromatic 2 Pair becomes rarer than Hypochromatic 3 of a Kind\n",
          "from 2 to 3 jokers, Hypochromatic Full House becomes rarer than Hypochromatic 4 of a "
          "Kind (equal at 2)\n"}) {
        EXPECT_TRUE(crossings.contains(QLatin1String(line))) << crossings.toStdString();
    }
    EXPECT_EQ(chart.window.acrossChart()->title(), "0 to 4 jokers at 4 x 13");
}

// 4 x 13 from three to eight cards per hand: four of a kind in four
// different suits only in a hand of four, one pair in four suits only below
// five cards; and from four cards to five a flush becomes rarer than a
// straight (2,816 against 2,508 hands, then 5,108 against 10,200).
TEST(ChartWindow, AcrossCardsFollowsTheDeckFromThreeToEightCards) {
    ShownChart chart;
    chart.window.showReport(answer({.deck = {4, 13}, .cards = 4}));
    chart.window.setView(ChartWindow::View::AcrossDecks);
    chart.window.setAcrossAxis(AcrossAxis::Cards);
    using enum marvane::HandCategory;
    const std::pair<marvane::HandCategory, std::vector<int>> cases[] = {
        {Rainbow4OfAKind, {4}},
        {Rainbow1Pair, {3, 4}},
        {FiveOfAKind, {}},
        {StraightFlush, {3, 4, 5, 6, 7, 8}},
    };
    for (const auto& [category, expected] : cases) {
        std::vector<int> at;
        for (QAbstractSeries* series : chart.window.acrossChart()->series()) {
            if (series->property(kCategoryProperty) == static_cast<int>(category)) {
                for (QPointF point : static_cast<QLineSeries*>(series)->points()) {
                    at.push_back(static_cast<int>(point.x()));
                }
            }
        }
        EXPECT_EQ(at, expected) << marvane::displayName(category);
    }
    EXPECT_TRUE(chart.window.crossingsText().contains(
        QLatin1String("from 4 to 5 cards, Flush becomes rarer than Hypochromatic Straight\n")))
        << chart.window.crossingsText().toStdString();
    EXPECT_EQ(chart.window.acrossChart()->title(), "3 to 8 cards per hand at 4 x 13");
}

TEST(ChartWindow, RemembersItsGeometry) {
    {
        ShownChart chart;
        chart.window.resize(640, 500);
        chart.window.close();
    }
    ShownChart again;
    EXPECT_EQ(again.window.size(), QSize(640, 500));
}

}  // namespace

}  // namespace marvane
