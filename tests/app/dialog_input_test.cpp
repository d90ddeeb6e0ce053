// Spin buttons, validation and ending the dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "csortlistctrl.h"
#include "dialog_fixture.h"
#include "updownctrl.h"

namespace {

const QString kPositiveInteger = QStringLiteral("Please enter a positive integer.");
const QString kSuitsRange = QStringLiteral("Please enter an integer between 4 and 8.");

void clickTimes(QAbstractButton* button, int times) {
    for (int i = 0; i < times; ++i) {
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

void keyTimes(QWidget* box, Qt::Key key, int times) {
    for (int i = 0; i < times; ++i) {
        QTest::keyClick(box, key);
    }
}

void expectInputState(DialogDriver& d) {
    EXPECT_TRUE(d.button(IdComputeOdds)->isEnabled());
    EXPECT_TRUE(d.suitsBox()->isEnabled());
    EXPECT_FALSE(d.list()->isEnabled());
    EXPECT_EQ(d.list()->columnCount(), 0);
    EXPECT_EQ(d.label(IdPossibleHands)->text(), "Static");
    EXPECT_EQ(d.dialog().engineState().computed, marvane::CategoryCounts{});
}

TEST(DialogSpins, ArrowsStopAtTheRangeEnds) {
    DialogDriver d;
    clickTimes(d.suitsSpin()->upButton(), 6);
    EXPECT_EQ(d.suitsBox()->text(), "8");
    clickTimes(d.suitsSpin()->downButton(), 6);
    EXPECT_EQ(d.suitsBox()->text(), "4");
    clickTimes(d.ranksSpin()->upButton(), 9);
    EXPECT_EQ(d.ranksBox()->text(), "20");
    EXPECT_TRUE(d.dialog().workingDeck() == (marvane::Deck{4, 20}));
    clickTimes(d.ranksSpin()->downButton(), 15);
    EXPECT_EQ(d.ranksBox()->text(), "7");
    EXPECT_TRUE(d.dialog().workingDeck() == (marvane::Deck{4, 7}));
    EXPECT_TRUE(d.messages.isEmpty());
}

TEST(DialogSpins, UpAndDownKeysStopAtTheRangeEnds) {
    DialogDriver d;
    keyTimes(d.suitsBox(), Qt::Key_Up, 6);
    EXPECT_EQ(d.suitsBox()->text(), "8");
    keyTimes(d.suitsBox(), Qt::Key_Down, 6);
    EXPECT_EQ(d.suitsBox()->text(), "4");
    keyTimes(d.ranksBox(), Qt::Key_Up, 9);
    EXPECT_EQ(d.ranksBox()->text(), "20");
    keyTimes(d.ranksBox(), Qt::Key_Down, 15);
    EXPECT_EQ(d.ranksBox()->text(), "7");
    EXPECT_TRUE(d.dialog().workingDeck() == (marvane::Deck{4, 7}));
    EXPECT_TRUE(d.messages.isEmpty());
}

TEST(DialogSpins, StepFromATypedValue) {
    DialogDriver d;
    d.type(d.suitsBox(), "6");
    QTest::mouseClick(d.suitsSpin()->upButton(), Qt::LeftButton);
    EXPECT_EQ(d.suitsBox()->text(), "7");
    d.type(d.ranksBox(), "18");
    QTest::keyClick(d.ranksBox(), Qt::Key_Down);
    EXPECT_EQ(d.ranksBox()->text(), "17");
    EXPECT_TRUE(d.dialog().workingDeck() == (marvane::Deck{7, 17}));
    EXPECT_TRUE(d.messages.isEmpty());
}

TEST(DialogSpins, StepPastABadBoxKeepsWhatTheUserSetElsewhere) {
    DialogDriver d;
    d.setEnumerate(true);
    d.type(d.ranksBox(), "");
    QTest::mouseClick(d.suitsSpin()->upButton(), Qt::LeftButton);
    EXPECT_EQ(d.messages, QStringList{kPositiveInteger});
    EXPECT_TRUE(d.enumerateBox()->isChecked());
    EXPECT_EQ(d.suitsBox()->text(), "5");

    // A bad suits box: the ranks the user typed stay too, and so does the tick.
    d.type(d.ranksBox(), "15");
    d.type(d.suitsBox(), "");
    QTest::mouseClick(d.suitsSpin()->upButton(), Qt::LeftButton);
    EXPECT_EQ(d.messages.size(), 2);
    EXPECT_EQ(d.ranksBox()->text(), "15");
    EXPECT_EQ(d.suitsBox()->text(), "6");
    EXPECT_TRUE(d.enumerateBox()->isChecked());
}

TEST(DialogSpins, StepPastAnOutOfRangeBoxStillSteps) {
    DialogDriver d;
    d.type(d.suitsBox(), "9");
    QTest::mouseClick(d.ranksSpin()->upButton(), Qt::LeftButton);
    EXPECT_EQ(d.messages, QStringList{kSuitsRange});
    EXPECT_EQ(d.ranksBox()->text(), "14");
    EXPECT_EQ(d.dialog().workingDeck().ranks, 14u);
    EXPECT_EQ(d.suitsBox()->text(), "9");
}

TEST(DialogValidation, OutOfRangeSuitsStopComputeOdds) {
    DialogDriver d;
    d.type(d.suitsBox(), "9");
    d.click(IdComputeOdds);
    EXPECT_EQ(d.messages, QStringList{kSuitsRange});
    EXPECT_EQ(d.titles, QStringList{QCoreApplication::applicationName()});
    EXPECT_EQ(QApplication::focusWidget(), d.suitsBox());
    EXPECT_EQ(d.suitsBox()->selectedText(), "9");
    EXPECT_EQ(d.dialog().enteredSuits(), 9u);
    EXPECT_TRUE(d.dialog().workingDeck() == (marvane::Deck{4, 13}));
    expectInputState(d);
}

TEST(DialogValidation, EmptyRanksStopAfterReadingSuits) {
    DialogDriver d;
    d.type(d.suitsBox(), "6");
    d.type(d.ranksBox(), "");
    d.setEnumerate(true);
    d.click(IdComputeOdds);
    EXPECT_EQ(d.messages, QStringList{kPositiveInteger});
    EXPECT_EQ(QApplication::focusWidget(), d.ranksBox());
    EXPECT_EQ(d.dialog().enteredSuits(), 6u);
    EXPECT_FALSE(d.dialog().enumerateFlag());  // the read stopped before the check box
    expectInputState(d);
}

TEST(DialogValidation, RealMessageBoxIsAWarningOwnedByTheDialog) {
    DialogDriver d;
    d.dialog().setMessageFunction(nullptr);  // back to the real message box
    d.type(d.ranksBox(), "21");
    bool seen = false;
    QTimer::singleShot(0, &d.dialog(), [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = true;
        EXPECT_EQ(box->text(), "Please enter an integer between 7 and 20.");
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        EXPECT_EQ(box->windowTitle(), QCoreApplication::applicationName());
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        EXPECT_EQ(box->parentWidget(), &d.dialog());
        box->button(QMessageBox::Ok)->click();
    });
    d.click(IdComputeOdds);
    EXPECT_TRUE(seen);
    EXPECT_EQ(d.dialog().focusWidget(), d.ranksBox());
    EXPECT_EQ(d.ranksBox()->selectedText(), "21");
}

TEST(DialogValidation, HandlersStandStillWhileTheMessageIsUp) {
    DialogDriver d;
    bool arrowHeld = true;
    d.dialog().setMessageFunction([&](QWidget*, const QString&, const QString& text) {
        d.messages << text;
        arrowHeld = d.suitsSpin()->upButton()->isDown();
        d.dialog().OnComputeOdds();
        d.dialog().OnDeltaposSuits(5, 1);
        d.dialog().OnAgain();
        d.dialog().OnOK();
        d.dialog().reject();
    });
    d.type(d.ranksBox(), "");
    QTest::mousePress(d.suitsSpin()->upButton(), Qt::LeftButton);
    QTest::mouseRelease(d.suitsSpin()->upButton(), Qt::LeftButton);

    EXPECT_EQ(d.messages, QStringList{kPositiveInteger});
    EXPECT_FALSE(arrowHeld);
    EXPECT_TRUE(d.dialog().isVisible());
    EXPECT_EQ(d.suitsBox()->text(), "5");
    expectInputState(d);
}

TEST(DialogEnding, CloseValidatesFirst) {
    DialogDriver d;
    d.type(d.suitsBox(), "12");
    d.click(IdClose);
    EXPECT_EQ(d.messages, QStringList{kSuitsRange});
    EXPECT_TRUE(d.dialog().isVisible());

    d.type(d.suitsBox(), "8");
    QTest::keyClick(d.suitsBox(), Qt::Key_Return);  // Close is the default button
    EXPECT_FALSE(d.dialog().isVisible());
    EXPECT_EQ(d.dialog().result(), QDialog::Accepted);
    EXPECT_EQ(d.messages.size(), 1);
}

TEST(DialogEnding, EscapeAndTheCloseBoxDoNotValidate) {
    DialogDriver escape;
    escape.type(escape.suitsBox(), "12");
    QTest::keyClick(escape.suitsBox(), Qt::Key_Escape);
    EXPECT_FALSE(escape.dialog().isVisible());
    EXPECT_EQ(escape.dialog().result(), QDialog::Rejected);
    EXPECT_TRUE(escape.messages.isEmpty());

    DialogDriver closeBox;
    closeBox.type(closeBox.ranksBox(), "");
    EXPECT_TRUE(closeBox.dialog().close());
    EXPECT_EQ(closeBox.dialog().result(), QDialog::Rejected);
    EXPECT_TRUE(closeBox.messages.isEmpty());
}

}  // namespace
