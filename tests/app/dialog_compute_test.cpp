// Compute Odds, the results and "Again?".
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

#include "csortheaderctrl.h"
#include "csortlistctrl.h"
#include "dialog_fixture.h"

namespace {

// Calls back on every paint of the watched widget.
class PaintSpy : public QObject {
public:
    explicit PaintSpy(std::function<void()> onPaint) : onPaint_(std::move(onPaint)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            onPaint_();
        }
        return false;
    }

private:
    std::function<void()> onPaint_;
};

// The row of the category with this display name, as texts.
QStringList rowOf(const DialogDriver& d, const QString& hand) {
    const int row = static_cast<int>(d.column(0).indexOf(hand));
    return row < 0 ? QStringList() : d.list()->rowTexts(row);
}

QList<qulonglong> numbers(const QStringList& texts) {
    QList<qulonglong> values;
    for (const QString& text : texts) {
        bool ok = false;
        values << text.toULongLong(&ok);
        EXPECT_TRUE(ok) << text.toStdString();
    }
    return values;
}

bool ascending(const QList<qulonglong>& values) {
    return std::is_sorted(values.begin(), values.end());
}

void expectResultsState(DialogDriver& d) {
    for (int id : {IdSuitsBox, IdSuitsSpin, IdRanksBox, IdRanksSpin, IdSuitsLabel, IdRanksLabel,
                   IdEnumerate, IdComputeOdds}) {
        EXPECT_FALSE(d.dialog().control(id)->isEnabled()) << id;
    }
    for (int id : {IdPossibleHands, IdPossibleHandsLabel, IdResultsList, IdAgain, IdClose}) {
        EXPECT_TRUE(d.dialog().control(id)->isEnabled()) << id;
    }
    EXPECT_EQ(d.list()->rowCount(), 17);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Elapsed Time: \\d+\\.\\d{3} s$"))
                    .match(d.elapsedTime()->text())
                    .hasMatch())
        << d.elapsedTime()->text().toStdString();
}

TEST(DialogCompute, FourByThirteenWithoutEnumeration) {
    DialogDriver d;
    d.compute(4, 13, false);
    expectResultsState(d);
    EXPECT_EQ(d.label(IdPossibleHands)->text(), "2598960");
    EXPECT_FALSE(d.label(IdFloatingPathMark)->isVisible());
    EXPECT_FALSE(d.progressBar()->isVisible());
    EXPECT_EQ(d.headings(), (QStringList{"Hand", " Computed", " Total"}));

    EXPECT_TRUE(ascending(numbers(d.column(2))));
    EXPECT_EQ(d.list()->sortHeader()->GetSortColumn(), 2);
    EXPECT_EQ(rowOf(d, "Straight Flush"), (QStringList{"Straight Flush", "40", "40"}));
    EXPECT_EQ(rowOf(d, "Flush"), (QStringList{"Flush", "5108", "5148"}));
    EXPECT_EQ(rowOf(d, "Hypochromatic 1 Pair"),
              (QStringList{"Hypochromatic 1 Pair", "1098240", "1281072"}));
    EXPECT_EQ(d.list()->rowTexts(16), (QStringList{"Garbage", "1302540", "2598960"}));
    // Rows of equal Total keep the order they were added in: Five of a Kind on top.
    EXPECT_EQ(d.list()->rowTexts(0), (QStringList{"Five of a Kind", "0", "0"}));
}

TEST(DialogCompute, FourByThirteenWithEnumerationFillsTheBar) {
    DialogDriver d;
    QSignalSpy barSteps(d.progressBar(), &QProgressBar::valueChanged);
    d.compute(4, 13, true);
    expectResultsState(d);
    EXPECT_EQ(d.headings(), (QStringList{"Hand", " Enumerated", " Computed", " Total"}));
    EXPECT_EQ(d.column(1), d.column(2));
    EXPECT_TRUE(ascending(numbers(d.column(3))));
    EXPECT_EQ(rowOf(d, "Hypochromatic Straight"),
              (QStringList{"Hypochromatic Straight", "10200", "10200", "10240"}));

    EXPECT_TRUE(d.progressBar()->isVisible());
    EXPECT_EQ(d.progressBar()->minimum(), 0);
    EXPECT_EQ(d.progressBar()->maximum(), 1000);
    EXPECT_EQ(d.progressBar()->value(), 1000);
    EXPECT_EQ(barSteps.size(), 1001);  // to 0, then one per step
    EXPECT_EQ(d.dialog().engineState().progressStep, 2598u);
    EXPECT_EQ(d.dialog().engineState().handCounter, 2598960u);
}

// The run blocks the event loop, so the bar must paint itself as it grows,
// and nothing else may be dispatched meanwhile (no clicks, no close box).
TEST(DialogCompute, BarPaintsDuringTheRunWhileNothingElseIsDispatched) {
    DialogDriver d;
    d.type(d.suitsBox(), "5");
    d.setEnumerate(true);
    QCoreApplication::processEvents();

    bool dispatched = false;
    QTimer pending;  // owned here, so it can't fire after the test
    pending.setSingleShot(true);
    QObject::connect(&pending, &QTimer::timeout, [&] { dispatched = true; });
    pending.start(0);
    QList<int> paintedValues;
    QList<bool> dispatchedWhilePainting;
    PaintSpy spy([&] {
        paintedValues << d.progressBar()->value();
        dispatchedWhilePainting << dispatched;
    });
    d.progressBar()->installEventFilter(&spy);
    d.button(IdComputeOdds)->click();
    d.progressBar()->removeEventFilter(&spy);

    const int midway = static_cast<int>(std::count_if(paintedValues.begin(), paintedValues.end(),
                                                      [](int v) { return v > 0 && v < 1000; }));
    EXPECT_GT(midway, 10);
    EXPECT_FALSE(dispatchedWhilePainting.contains(true));
    EXPECT_FALSE(dispatched);
    QCoreApplication::processEvents();
    EXPECT_TRUE(dispatched);  // the timer was live all along
}

TEST(DialogCompute, SmallestDeckGetsAFewMoreSteps) {
    DialogDriver d;
    d.compute(4, 7, true);
    EXPECT_EQ(d.label(IdPossibleHands)->text(), "98280");
    EXPECT_EQ(d.dialog().engineState().progressStep, 98u);
    EXPECT_EQ(d.progressBar()->maximum(), 1002);
    EXPECT_EQ(d.progressBar()->value(), 1002);
    EXPECT_EQ(d.column(1), d.column(2));
}

TEST(DialogCompute, StarMarksAFloatingPointHandCount) {
    struct Case {
        int suits, ranks;
        const char* possible;
        bool star;
    };
    for (const Case& c : {Case{8, 20, "820384032", true}, Case{7, 13, "46504458", false},
                          Case{5, 19, "57940519", true}, Case{4, 20, "24040016", false}}) {
        DialogDriver d;
        d.compute(c.suits, c.ranks, false);
        EXPECT_EQ(d.label(IdPossibleHands)->text(), c.possible) << c.suits << "x" << c.ranks;
        EXPECT_EQ(d.label(IdFloatingPathMark)->isVisible(), c.star) << c.suits << "x" << c.ranks;
        EXPECT_EQ(d.list()->rowTexts(16).value(2), c.possible);  // Garbage's Total: every hand
    }
}

TEST(DialogCompute, SpinsSetTheDeckWithoutTyping) {
    DialogDriver d;
    QTest::keyClick(d.suitsBox(), Qt::Key_Up);
    QTest::keyClick(d.ranksBox(), Qt::Key_Down);
    d.click(IdComputeOdds);
    EXPECT_TRUE(d.dialog().workingDeck() == (marvane::Deck{5, 12}));
    EXPECT_EQ(d.label(IdPossibleHands)->text(), "5461512");
}

TEST(DialogCompute, AgainReturnsToInputTwice) {
    DialogDriver d;
    d.compute(8, 20, false);
    for (int time = 0; time < 2; ++time) {
        d.click(IdAgain);
        EXPECT_EQ(d.label(IdPossibleHands)->text(), "");
        EXPECT_FALSE(d.label(IdPossibleHands)->isEnabled());
        EXPECT_FALSE(d.label(IdPossibleHandsLabel)->isEnabled());
        EXPECT_FALSE(d.label(IdFloatingPathMark)->isVisible());
        EXPECT_FALSE(d.progressBar()->isVisible());
        EXPECT_FALSE(d.list()->isEnabled());
        EXPECT_EQ(d.list()->rowCount(), 0);
        EXPECT_EQ(d.list()->columnCount(), 0);
        EXPECT_TRUE(d.button(IdAgain)->isEnabled());
        EXPECT_TRUE(d.button(IdClose)->isEnabled());
        EXPECT_TRUE(d.button(IdComputeOdds)->isEnabled());
        EXPECT_TRUE(d.suitsBox()->isEnabled());
        EXPECT_EQ(d.suitsBox()->text(), "8");
        EXPECT_EQ(d.ranksBox()->text(), "20");
        EXPECT_EQ(d.dialog().engineState().computed, marvane::CategoryCounts{});
        EXPECT_EQ(d.dialog().engineState().totals, marvane::CategoryCounts{});
        EXPECT_TRUE(d.elapsedTime()->text().isEmpty());
    }

    // The next computation starts clean from what the boxes show.
    d.setEnumerate(true);
    d.type(d.ranksBox(), "7");
    d.type(d.suitsBox(), "5");
    d.click(IdComputeOdds);
    EXPECT_EQ(d.label(IdPossibleHands)->text(), "324632");
    EXPECT_EQ(d.column(1), d.column(2));
    EXPECT_EQ(rowOf(d, "Rainbow 4 of a Kind"),
              (QStringList{"Rainbow 4 of a Kind", "210", "210", "217"}));
    EXPECT_TRUE(d.progressBar()->isVisible());
}

TEST(DialogCompute, HeaderClickAfterTheSortReversesIt) {
    DialogDriver d;
    d.compute(4, 13, false);
    CSortHeaderCtrl* header = d.list()->sortHeader();
    const QPoint totalSection(header->sectionViewportPosition(2) + header->sectionSize(2) / 2,
                              header->height() / 2);
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, totalSection);
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, totalSection);
    EXPECT_EQ(header->GetSortColumn(), 2);
    EXPECT_FALSE(header->IsSortAscending());
    QList<qulonglong> totals = numbers(d.column(2));
    std::reverse(totals.begin(), totals.end());
    EXPECT_TRUE(ascending(totals));
    EXPECT_EQ(d.list()->rowTexts(0).value(0), "Garbage");
}

}  // namespace
