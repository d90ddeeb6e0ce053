// SPDX-License-Identifier: MIT
// The menu bar: its menus, their actions (the very ones of the context
// menus and shortcuts), F1 for help and Quit without reading the boxes.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>

#include "app/charts/chart_window.h"
#include "app/help/help_window.h"
#include "tests/app/dialog_fixture.h"

namespace marvane {

namespace {

QMenu* menu(const DialogDriver& d, const char* name) {
    return d.dialog.findChild<QMenu*>(QLatin1String(name));
}

// A menu's entries, separators left out: object name and shortcut.
QStringList entries(const QMenu* menu) {
    QStringList list;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            list << action->objectName() + QLatin1Char(' ') + action->shortcut().toString();
        }
    }
    return list;
}

TEST(DialogMenu, ThreeMenusHoldTheSharedActionsWithTheirShortcuts) {
    DialogDriver d;
    const auto* bar = d.dialog.findChild<QMenuBar*>(QStringLiteral("menuBar"));
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    // The template's controls sit below it.
    EXPECT_GE(d.get(IdSuitsBox)->y(), bar->geometry().bottom());

    const struct {
        const char* name;
        const char* title;
        QStringList entries;
    } menus[] = {
        {"fileMenu",
         "&File",
         {"saveResultsAction Ctrl+S", "saveChartAction ", "quitAction Ctrl+Q"}},
        {"viewMenu",
         "&View",
         {"probabilityAction ", "oddsAction ", "chartAction Ctrl+G", "rankingAction "}},
        {"helpMenu", "&Help", {"helpAction F1", "aboutAction "}},
    };
    QStringList titles;
    for (const QAction* top : bar->actions()) {
        titles << top->text();
    }
    EXPECT_EQ(titles, QStringList({"&File", "&View", "&Help"}));
    for (const auto& m : menus) {
        SCOPED_TRACE(m.name);
        ASSERT_NE(menu(d, m.name), nullptr);
        EXPECT_EQ(menu(d, m.name)->title(), m.title);
        EXPECT_EQ(entries(menu(d, m.name)), m.entries);
    }

    // One action each, shared with the list's context menu.
    for (const char* shared :
         {"saveResultsAction", "probabilityAction", "oddsAction", "chartAction"}) {
        SCOPED_TRACE(shared);
        EXPECT_EQ(d.dialog.findChildren<QAction*>(QLatin1String(shared)).size(), 1);
        EXPECT_TRUE(d.list()->actions().contains(d.dialog.findChild<QAction*>(shared)));
    }
}

TEST(DialogMenu, SaveActionsFollowTheResultsAndQuitReadsNothing) {
    DialogDriver d;
    auto* saveResults = d.dialog.findChild<QAction*>(QStringLiteral("saveResultsAction"));
    auto* saveChart = d.dialog.findChild<QAction*>(QStringLiteral("saveChartAction"));
    EXPECT_FALSE(saveResults->isEnabled());
    EXPECT_FALSE(saveChart->isEnabled());
    d.compute(4, 13, false);
    EXPECT_TRUE(saveResults->isEnabled());
    EXPECT_TRUE(saveChart->isEnabled());
    d.click(IdAgain);
    EXPECT_FALSE(saveChart->isEnabled());

    // A bad box, then Ctrl+Q: the dialog ends as Escape ends it, no message.
    d.type(IdSuitsBox, QStringLiteral("99"));
    QTest::keyClick(d.box(IdSuitsBox), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(d.dialog.isVisible());
    EXPECT_EQ(d.dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(d.messages.isEmpty());
}

TEST(DialogMenu, F1OpensTheHelpWindowFromTheDialogAndTheChartWindow) {
    DialogDriver d;
    QTest::keyClick(d.box(IdSuitsBox), Qt::Key_F1);
    auto* help = d.dialog.findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // not the About box
    const QString page = help->browser()->toPlainText();
    for (const char* name :
         {"Five of a Kind", "Rainbow 4 of a Kind", "Hypochromatic 4 of a Kind",
          "Rainbow Full House", "Hypochromatic Full House", "Rainbow 3 of a Kind",
          "Hypochromatic 3 of a Kind", "Rainbow 2 Pair", "Hypochromatic 2 Pair", "Rainbow 1 Pair",
          "Hypochromatic 1 Pair", "Straight Flush", "Flush", "Rainbow Straight",
          "Hypochromatic Straight", "Rainbow", "Garbage"}) {
        EXPECT_TRUE(page.contains(QLatin1String(name))) << name;
    }
    help->hide();

    // From the chart window, the same action: the same help window.
    QTest::keyClick(d.box(IdSuitsBox), Qt::Key_G, Qt::ControlModifier);
    auto* chart = d.dialog.findChild<ChartWindow*>();
    ASSERT_NE(chart, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(chart));
    QTest::keyClick(chart, Qt::Key_F1);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(d.dialog.findChildren<HelpWindow*>().size(), 1);
}

TEST(DialogMenu, AltAndTheMnemonicOpenAMenu) {
    DialogDriver d;
    QTest::keyClick(d.box(IdSuitsBox), Qt::Key_V, Qt::AltModifier);
    QMenu* view = menu(d, "viewMenu");
    EXPECT_TRUE(view->isVisible());
    QTest::keyClick(view, Qt::Key_Escape);
    QTest::keyClick(view, Qt::Key_Escape);
    // Enter still computes in the input state.
    d.box(IdSuitsBox)->setFocus();
    QTest::keyClick(d.box(IdSuitsBox), Qt::Key_Return);
    EXPECT_EQ(d.list()->rowCount(), 17);
}

}  // namespace

}  // namespace marvane
