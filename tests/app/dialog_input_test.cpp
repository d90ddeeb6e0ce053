// SPDX-License-Identifier: MIT
// The input state: start, spin buttons, validation, ending the dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "app/app_settings.h"
#include "app/dialog/exchange_lock.h"
#include "tests/app/dialog_fixture.h"

namespace marvane {

namespace {

const QString kPositiveInteger = QStringLiteral("Please enter a positive integer.");
const QString kSuitsRange = QStringLiteral("Please enter an integer between 4 and 8.");

void expectNothingComputed(const DialogDriver& d) {
    d.expectEnabled({IdComputeOdds, IdSuitsBox, IdSuitsSpin, IdRanksBox, IdRanksSpin, IdEnumerate},
                    true);
    d.expectEnabled({IdPossibleHands, IdPossibleHandsLabel, IdResultsList}, false);
    EXPECT_EQ(d.list()->columnCount(), 0);
    EXPECT_EQ(d.get<QLabel>(IdPossibleHands)->text(), "Static");
    EXPECT_EQ(d.dialog.engineState().computed, marvane::CategoryCounts{});
}

TEST(ExchangeLock, AnInnerLockLeavesTheOuterOneHeld) {
    ExchangeGuard guard;
    EXPECT_FALSE(guard.lockedOut());
    {
        const ExchangeLock outer(guard);
        {
            const ExchangeLock inner(guard);
            EXPECT_TRUE(guard.lockedOut());
        }
        EXPECT_TRUE(guard.lockedOut());
    }
    EXPECT_FALSE(guard.lockedOut());
}

TEST(DialogInput, StartsInTheInputState) {
    DialogDriver d;
    EXPECT_EQ(d.box(IdSuitsBox)->text() + "," + d.box(IdRanksBox)->text(), "4,13");
    EXPECT_EQ(QApplication::focusWidget(), d.box(IdSuitsBox));
    EXPECT_FALSE(d.get<QCheckBox>(IdEnumerate)->isChecked());
    expectNothingComputed(d);
    EXPECT_FALSE(d.get(IdAgain)->isEnabled());
    EXPECT_TRUE(d.get(IdClose)->isEnabled());
    EXPECT_TRUE(d.get<QPushButton>(IdComputeOdds)->isDefault());
    EXPECT_FALSE(d.get(IdFloatingPathMark)->isVisible() || d.get(IdProgressBar)->isVisible());
    // A top-level window with close and maximise boxes, at its smallest size.
    EXPECT_EQ(d.dialog.windowTitle(), "Marvane");
    EXPECT_EQ(d.dialog.windowType(), Qt::Window);
    EXPECT_EQ(d.dialog.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint),
              Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(d.dialog.size(), d.dialog.minimumSize());
}

TEST(DialogInput, ArrowsAndKeysStopAtTheRangeEnds) {
    const struct {
        int box, spin, low, high;
    } boxes[] = {{IdSuitsBox, IdSuitsSpin, 4, 8}, {IdRanksBox, IdRanksSpin, 7, 20}};
    for (bool keys : {false, true}) {
        for (const auto& b : boxes) {
            DialogDriver d;
            for (int delta : {+1, -1}) {
                for (int i = 0; i < 15; ++i) {
                    QToolButton* arrow =
                        delta > 0 ? d.spin(b.spin)->upButton() : d.spin(b.spin)->downButton();
                    keys ? QTest::keyClick(d.box(b.box), delta > 0 ? Qt::Key_Up : Qt::Key_Down)
                         : QTest::mouseClick(arrow, Qt::LeftButton);
                }
                EXPECT_EQ(d.box(b.box)->text().toInt(), delta > 0 ? b.high : b.low) << keys;
            }
            const marvane::Deck deck = d.dialog.workingDeck();
            EXPECT_EQ(b.box == IdSuitsBox ? deck.suits : deck.ranks, unsigned(b.low));
            EXPECT_TRUE(d.messages.isEmpty());
        }
    }
}

TEST(DialogInput, StepsFromTypedTextAndPastABadBoxKeepsWhatTheUserSet) {
    DialogDriver d;
    d.type(IdSuitsBox, "");  // never read yet: it gets back what it showed
    QTest::mouseClick(d.spin(IdRanksSpin)->upButton(), Qt::LeftButton);
    EXPECT_EQ(d.box(IdSuitsBox)->text() + "," + d.box(IdRanksBox)->text(), "4,14");
    d.messages.clear();

    d.type(IdSuitsBox, "6");
    QTest::mouseClick(d.spin(IdSuitsSpin)->upButton(), Qt::LeftButton);
    EXPECT_EQ(d.box(IdSuitsBox)->text(), "7");

    d.get<QCheckBox>(IdEnumerate)->setChecked(true);
    d.type(IdRanksBox, "");
    QTest::mouseClick(d.spin(IdSuitsSpin)->upButton(), Qt::LeftButton);
    EXPECT_EQ(d.messages, QStringList{kPositiveInteger});
    EXPECT_EQ(d.box(IdSuitsBox)->text(), "8");
    EXPECT_TRUE(d.get<QCheckBox>(IdEnumerate)->isChecked());

    d.type(IdRanksBox, "15");
    d.type(IdSuitsBox, "");
    QTest::keyClick(d.box(IdSuitsBox), Qt::Key_Down);
    EXPECT_EQ(d.messages.size(), 2);
    EXPECT_EQ(d.box(IdSuitsBox)->text() + "," + d.box(IdRanksBox)->text(), "7,15");
    EXPECT_TRUE(d.get<QCheckBox>(IdEnumerate)->isChecked());
}

TEST(DialogInput, BadBoxStopsComputeOddsAndClose) {
    DialogDriver d;
    d.type(IdSuitsBox, "9");
    d.click(IdComputeOdds);
    EXPECT_EQ(d.messages, QStringList{kSuitsRange});
    EXPECT_EQ(QApplication::focusWidget(), d.box(IdSuitsBox));
    EXPECT_EQ(d.box(IdSuitsBox)->selectedText(), "9");
    EXPECT_EQ(d.dialog.enteredSuits(), 9u);
    expectNothingComputed(d);

    d.type(IdSuitsBox, "6");
    d.type(IdRanksBox, "");
    d.click(IdComputeOdds);
    EXPECT_EQ(d.messages.last(), kPositiveInteger);
    EXPECT_EQ(QApplication::focusWidget(), d.box(IdRanksBox));
    EXPECT_EQ(d.dialog.enteredSuits(), 6u);
    expectNothingComputed(d);

    d.type(IdRanksBox, "12");
    d.type(IdSuitsBox, "12");
    d.click(IdClose);
    EXPECT_EQ(d.messages.last(), kSuitsRange);
    EXPECT_TRUE(d.dialog.isVisible());
    QTest::keyClick(d.box(IdSuitsBox), Qt::Key_Escape);  // no validation
    EXPECT_EQ(d.dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(d.dialog.isVisible());
    EXPECT_EQ(d.messages.size(), 3);

    DialogDriver valid;  // Enter in a box computes; it does not end the dialog
    QTest::keyClick(valid.box(IdSuitsBox), Qt::Key_Return);
    EXPECT_TRUE(valid.dialog.isVisible());
    EXPECT_EQ(valid.list()->rowCount(), 17);
}

TEST(DialogInput, WarningBoxReleasesTheArrowAndLocksOutTheHandlers) {
    DialogDriver d;
    d.dialog.setPrompts(nullptr);  // the real message box
    d.type(IdRanksBox, "");
    bool seen = false;
    QTimer::singleShot(0, &d.dialog, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = true;
        EXPECT_EQ(box->text(), kPositiveInteger);
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        EXPECT_EQ(box->windowTitle(), QCoreApplication::applicationName());
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        EXPECT_EQ(box->parentWidget(), &d.dialog);
        EXPECT_FALSE(d.spin(IdSuitsSpin)->upButton()->isDown());
        d.dialog.OnComputeOdds();
        d.dialog.OnDeltaposSuits(5, 1);
        d.dialog.OnOK();
        d.dialog.reject();
        box->button(QMessageBox::Ok)->click();
    });
    QTest::mousePress(d.spin(IdSuitsSpin)->upButton(), Qt::LeftButton);
    QTest::mouseRelease(d.spin(IdSuitsSpin)->upButton(), Qt::LeftButton);
    EXPECT_TRUE(seen);
    EXPECT_TRUE(d.dialog.isVisible());
    EXPECT_EQ(d.box(IdSuitsBox)->text(), "5");  // one step, not two
    EXPECT_EQ(d.dialog.focusWidget(), d.box(IdRanksBox));
    expectNothingComputed(d);
}

TEST(DialogInput, AGrownWindowGivesTheListTheRoomAndIsRememberedNextTime) {
    QRect list, close, suits;
    QSize grown;
    {
        DialogDriver d;
        list = d.list()->geometry();
        close = d.get(IdClose)->geometry();
        suits = d.box(IdSuitsBox)->geometry();
        grown = d.dialog.size() + QSize(200, 150);
        d.dialog.resize(grown);
        EXPECT_EQ(d.list()->geometry(), list.adjusted(0, 0, 200, 150));
        EXPECT_EQ(d.get(IdClose)->geometry(), close.translated(200, 150));
        EXPECT_EQ(d.box(IdSuitsBox)->geometry(), suits);
        d.dialog.resize(10, 10);  // never below the template's size
        EXPECT_EQ(d.list()->geometry(), list);
        d.dialog.resize(grown);
        d.click(IdClose);
    }
    DialogDriver next;
    EXPECT_EQ(next.dialog.size(), grown);
    EXPECT_EQ(next.get(IdClose)->geometry(), close.translated(200, 150));
    AppSettings().setWindowGeometry({});
}

}  // namespace

}  // namespace marvane
