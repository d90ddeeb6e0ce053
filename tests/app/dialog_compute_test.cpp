// SPDX-License-Identifier: MIT
// Compute Odds, the results, "Again?" and copying the results.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "listctrl/csortheaderctrl.h"
#include "tests/app/dialog_fixture.h"

namespace marvane {

namespace {

QString possibleHands(const DialogDriver& d) {
    return d.get<QLabel>(IdPossibleHands)->text();
}

bool ascendingNumbers(const QStringList& texts) {
    return std::is_sorted(texts.begin(), texts.end(), [](const QString& a, const QString& b) {
        return a.toULongLong() < b.toULongLong();
    });
}

// Calls back on every paint of the watched widget.
struct PaintWatcher : QObject {
    explicit PaintWatcher(std::function<void()> onPaint) : onPaint(std::move(onPaint)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            onPaint();
        }
        return false;
    }
    std::function<void()> onPaint;
};

TEST(DialogCompute, FourByThirteenWithAndWithoutEnumeration) {
    for (bool enumerate : {false, true}) {
        DialogDriver d;
        d.compute(4, 13, enumerate);
        d.expectEnabled(
            {IdSuitsBox, IdSuitsSpin, IdRanksBox, IdRanksSpin, IdEnumerate, IdComputeOdds}, false);
        d.expectEnabled({IdPossibleHands, IdPossibleHandsLabel, IdResultsList, IdAgain, IdClose},
                        true);
        EXPECT_EQ(possibleHands(d), "2598960");
        EXPECT_FALSE(d.get(IdFloatingPathMark)->isVisible());
        EXPECT_TRUE(QRegularExpression("^Elapsed Time: \\d+\\.\\d{3} s$")
                        .match(d.dialog.findChild<QLabel*>("elapsedTime")->text())
                        .hasMatch());

        const int total = enumerate ? 3 : 2;
        EXPECT_EQ(d.list()->columnCount(), total + 1);
        EXPECT_EQ(d.list()->horizontalHeaderItem(total)->text(), " Total");
        ASSERT_EQ(d.list()->rowCount(), 17);
        EXPECT_TRUE(ascendingNumbers(d.column(total)));
        EXPECT_EQ(d.list()->rowTexts(0).first(), "Five of a Kind");  // ties keep the add order
        EXPECT_EQ(d.list()->rowTexts(16).value(total), "2598960");
        const int flush = static_cast<int>(d.column(0).indexOf("Flush"));
        EXPECT_EQ(d.list()->rowTexts(flush).mid(total - 1), (QStringList{"5108", "5148"}));

        auto* bar = d.get<QProgressBar>(IdProgressBar);
        EXPECT_EQ(bar->isVisible(), enumerate);
        if (enumerate) {
            EXPECT_EQ(d.list()->horizontalHeaderItem(1)->text(), " Enumerated");
            EXPECT_EQ(d.column(1), d.column(2));
            EXPECT_EQ(d.dialog.engineState().progressStep, 2598u);
            EXPECT_EQ(d.dialog.engineState().handCounter, 2598960u);
            EXPECT_EQ(QList<int>({bar->minimum(), bar->maximum(), bar->value()}),
                      QList<int>({0, 1000, 1000}));
        }
    }
}

// The run blocks the event loop, so the dialog paints its running state and
// then the bar paints itself as it grows, never backwards, with nothing else
// dispatched meanwhile (no clicks, no close box).
TEST(DialogCompute, RunPaintsItsProgressAndDispatchesNothing) {
    DialogDriver d;
    d.type(IdSuitsBox, "8");
    d.type(IdRanksBox, "20");  // the "*" appears
    d.get<QCheckBox>(IdEnumerate)->setChecked(true);
    auto* bar = d.get<QProgressBar>(IdProgressBar);
    QTimer pending;
    bool dispatched = false;
    QObject::connect(&pending, &QTimer::timeout, [&] { dispatched = true; });
    pending.start(0);
    const auto midRun = [&] { return bar->value() < bar->maximum() && !dispatched; };
    QList<int> barValues;
    int starPaints = 0;
    PaintWatcher barWatcher([&] {
        if (midRun()) {
            barValues << bar->value();
        }
    });
    PaintWatcher starWatcher([&] { starPaints += midRun(); });
    bar->installEventFilter(&barWatcher);
    d.get(IdFloatingPathMark)->installEventFilter(&starWatcher);
    QElapsedTimer run;
    run.start();
    d.get<QAbstractButton>(IdComputeOdds)->click();
    const qint64 runMilliseconds = run.elapsed();
    bar->removeEventFilter(&barWatcher);
    d.get(IdFloatingPathMark)->removeEventFilter(&starWatcher);

    ASSERT_FALSE(barValues.isEmpty()) << "the running state was not painted";
    EXPECT_EQ(barValues.first(), 0);
    // The bar repaints up to sixty times a second, so a run of a few frames
    // (on a machine with many cores it may be shorter) shows it growing.
    if (runMilliseconds >= 50) {
        EXPECT_GT(barValues.last(), 0) << runMilliseconds << " ms";
    }
    EXPECT_TRUE(std::is_sorted(barValues.begin(), barValues.end()));
    EXPECT_GT(starPaints, 0);
    EXPECT_FALSE(dispatched);
    EXPECT_EQ(QList<int>({bar->maximum(), bar->value()}), QList<int>({1000, 1000}));
}

TEST(DialogCompute, StarMarksAFloatingPointHandCount) {
    for (const auto& [suits, ranks, possible, star] :
         {std::tuple{8, 20, "820384032", true}, std::tuple{7, 13, "46504458", false}}) {
        DialogDriver d;
        d.compute(suits, ranks, false);
        EXPECT_EQ(possibleHands(d), possible);
        EXPECT_EQ(d.get(IdFloatingPathMark)->isVisible(), star) << suits << "x" << ranks;
    }
}

TEST(DialogCompute, AgainReturnsToInputAndTheNextRunStartsClean) {
    DialogDriver d;
    d.compute(8, 20, true);
    for (int time = 0; time < 2; ++time) {
        d.click(IdAgain);
        EXPECT_EQ(possibleHands(d), "");
        d.expectEnabled({IdPossibleHands, IdPossibleHandsLabel, IdResultsList}, false);
        d.expectEnabled({IdAgain, IdClose, IdComputeOdds, IdSuitsBox, IdEnumerate}, true);
        EXPECT_FALSE(d.get(IdFloatingPathMark)->isVisible() || d.get(IdProgressBar)->isVisible());
        EXPECT_EQ(d.list()->rowCount() + d.list()->columnCount(), 0);
        EXPECT_EQ(d.box(IdSuitsBox)->text() + "," + d.box(IdRanksBox)->text(), "8,20");
        EXPECT_EQ(d.dialog.engineState().enumerated, marvane::CategoryCounts{});
    }
    d.compute(4, 7, true);  // the smallest deck: a few steps more than 1000
    EXPECT_EQ(d.dialog.engineState().progressStep, 98u);
    auto* bar = d.get<QProgressBar>(IdProgressBar);
    EXPECT_EQ(QList<int>({bar->maximum(), bar->value()}), QList<int>({1002, 1002}));
    EXPECT_EQ(d.column(1), d.column(2));
    EXPECT_EQ(d.list()->rowTexts(16).value(3), "98280");
}

TEST(DialogCompute, HeaderClickAfterTheSortReversesIt) {
    DialogDriver d;
    d.compute(4, 13, false);
    CSortHeaderCtrl* header = d.list()->sortHeader();
    const QPoint total(header->sectionViewportPosition(2) + 10, header->height() / 2);
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, total);
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, total);
    EXPECT_EQ(header->GetSortColumn(), 2);
    EXPECT_FALSE(header->IsSortAscending());
    EXPECT_EQ(d.list()->rowTexts(0), (QStringList{"Garbage", "1302540", "2598960"}));
}

TEST(DialogCompute, CtrlCCopiesTheSelectedRowsOrAllAsShown) {
    DialogDriver d;
    d.compute(4, 13, false);
    d.list()->setFocus();
    d.list()->clearSelection();
    QTest::keyClick(d.list(), Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
    ASSERT_EQ(lines.size(), 19);  // headings, 17 rows, nothing after the last line end
    EXPECT_EQ(lines[0] + "\n" + lines[1], "Hand\tComputed\tTotal\nFive of a Kind\t0\t0");

    d.list()->SelectRow(16, false);
    d.list()->SelectRow(15, false);
    QTest::keyClick(d.list(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "Hand\tComputed\tTotal\nHypochromatic 1 Pair\t1098240\t1281072\n"
              "Garbage\t1302540\t2598960\n");
}

}  // namespace

}  // namespace marvane
