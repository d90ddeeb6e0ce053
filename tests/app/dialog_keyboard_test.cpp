// SPDX-License-Identifier: MIT
// The dialog by keyboard and screen reader: tab order, Enter, Alt + letter,
// accessible texts, and copying without touching the mouse.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>

#include "tests/app/dialog_fixture.h"

namespace marvane {

namespace {

// Presses Tab (or Shift+Tab) `count` times from the focus widget and names the
// controls the focus visits, by id.
QList<int> tabWalk(int count, bool backwards = false) {
    QList<int> visited;
    for (int i = 0; i < count; ++i) {
        QTest::keyClick(QApplication::focusWidget(), backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                        backwards ? Qt::ShiftModifier : Qt::NoModifier);
        const QWidget* focus = QApplication::focusWidget();
        visited << (focus ? focus->property(kControlIdProperty).toInt() : -1);
    }
    return visited;
}

QString accessibleText(QWidget* widget, QAccessible::Text which) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(which) : QString();
}

TEST(DialogKeyboard, TabVisitsEveryEnabledControlInOrderAndLeavesTheList) {
    DialogDriver d;
    // The cards per hand come after the ranks, the jokers after the cards.
    EXPECT_EQ(tabWalk(7), (QList<int>{IdRanksBox, IdCardsBox, IdJokersBox, IdEnumerate,
                                      IdComputeOdds, IdClose, IdSuitsBox}));
    EXPECT_EQ(tabWalk(2, true), (QList<int>{IdClose, IdComputeOdds}));

    // Enter in a box computes; the focus then rests on the list, which Tab leaves.
    d.box(IdSuitsBox)->setFocus();
    QTest::keyClick(d.box(IdSuitsBox), Qt::Key_Return);
    ASSERT_EQ(d.list()->rowCount(), 17);
    EXPECT_TRUE(d.dialog.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), d.list());
    EXPECT_EQ(tabWalk(3), (QList<int>{IdAgain, IdClose, IdResultsList}));
    EXPECT_EQ(tabWalk(1, true), (QList<int>{IdClose}));
    EXPECT_FALSE(d.list()->selectionModel()->hasSelection());
    // With results, Enter closes, as before.
    EXPECT_TRUE(d.get<QPushButton>(IdClose)->isDefault());
    QTest::keyClick(d.list(), Qt::Key_Return);
    EXPECT_EQ(d.dialog.result(), QDialog::Accepted);
}

TEST(DialogKeyboard, EnterComputesFromTheBoxesAndTheCheckBox) {
    for (int from : {IdSuitsBox, IdRanksBox, IdEnumerate}) {
        DialogDriver d;
        EXPECT_TRUE(d.get<QPushButton>(IdComputeOdds)->isDefault());
        d.type(IdSuitsBox, "5");
        d.get(from)->setFocus();
        QTest::keyClick(d.get(from), Qt::Key_Return);
        EXPECT_TRUE(d.dialog.isVisible()) << from;
        EXPECT_EQ(d.get<QLabel>(IdPossibleHands)->text(), "8259888") << from;  // C(65, 5)
        d.click(IdAgain);
        EXPECT_TRUE(d.get<QPushButton>(IdComputeOdds)->isDefault()) << from;
    }
}

TEST(DialogKeyboard, AltLettersReachEveryCaptionedControl) {
    DialogDriver d;
    // The captions read as before, each with its own underlined letter.
    const struct {
        int id;
        const char* caption;
        Qt::Key key;
    } captions[] = {{IdSuitsLabel, "Number of Suits", Qt::Key_S},
                    {IdRanksLabel, "Number of Ranks", Qt::Key_R},
                    {IdCardsLabel, "Cards per Hand", Qt::Key_D},
                    {IdEnumerate, "Enumerate?", Qt::Key_E},
                    {IdComputeOdds, "Compute Odds", Qt::Key_O},
                    {IdAgain, "Again?", Qt::Key_A},
                    {IdClose, "Close", Qt::Key_C}};
    for (const auto& c : captions) {
        QWidget* control = d.get(c.id);
        const QString text = control->property("text").toString();
        EXPECT_EQ(QString(text).remove('&'), c.caption);
        EXPECT_EQ(QKeySequence::mnemonic(text), QKeySequence(Qt::ALT | c.key)) << c.caption;
    }
    QTest::keyClick(&d.dialog, Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), d.box(IdRanksBox));
    QTest::keyClick(&d.dialog, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), d.box(IdCardsBox));
    // A button's letter clicks it, after the short press it shows.
    QTest::keyClick(&d.dialog, Qt::Key_E, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return d.get<QCheckBox>(IdEnumerate)->isChecked(); }));
    d.get<QCheckBox>(IdEnumerate)->setChecked(false);
    QTest::keyClick(&d.dialog, Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return d.list()->rowCount() == 17; }));
}

TEST(DialogKeyboard, ScreenReadersHearTheNumbersAndTheMark) {
    DialogDriver d;
    d.compute(8, 20, false);
    EXPECT_EQ(accessibleText(d.get(IdPossibleHands), QAccessible::Name), "820384032");
    EXPECT_EQ(accessibleText(d.get(IdFloatingPathMark), QAccessible::Name), "*");
    EXPECT_TRUE(accessibleText(d.get(IdFloatingPathMark), QAccessible::Description)
                    .contains("floating point"));
    EXPECT_EQ(d.get(IdFloatingPathMark)->toolTip(),
              accessibleText(d.get(IdFloatingPathMark), QAccessible::Description));
    EXPECT_TRUE(accessibleText(d.dialog.findChild<QLabel*>("elapsedTime"), QAccessible::Name)
                    .startsWith("Elapsed Time: "));
}

TEST(DialogKeyboard, CopyTakesTheWholeTableUnlessRowsWereChosen) {
    DialogDriver d;
    d.compute(4, 13, false);
    auto* copyAll = d.dialog.findChild<QAction*>("copyAllAction");
    ASSERT_TRUE(copyAll != nullptr);
    EXPECT_TRUE(d.list()->actions().contains(copyAll));
    const auto copiedLines = [] {
        return QGuiApplication::clipboard()->text().count(QLatin1Char('\n'));
    };

    // Focus moved into the list by the computation and by Tab selects nothing.
    tabWalk(3);
    QTest::keyClick(d.list(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copiedLines(), 18);

    QTest::keyClick(d.list(), Qt::Key_Down);  // the user chooses a row
    QTest::keyClick(d.list(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copiedLines(), 2);
    copyAll->trigger();
    EXPECT_EQ(copiedLines(), 18);
}

}  // namespace

}  // namespace marvane
