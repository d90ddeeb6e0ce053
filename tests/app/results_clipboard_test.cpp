#include "results_clipboard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTableWidget>
#include <QTest>

#include "csortlistctrl.h"
#include "dialog_fixture.h"

namespace {

TEST(ResultsClipboard, CtrlCCopiesEveryRowWhenNoneIsSelected) {
    DialogDriver d;
    d.compute(4, 13, false);
    d.list()->clearSelection();
    d.list()->setFocus();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(d.list(), Qt::Key_C, Qt::ControlModifier);

    const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
    ASSERT_EQ(lines.size(), 19);  // headings, 17 rows, and the empty rest after the last "\n"
    EXPECT_EQ(lines[0], "Hand\tComputed\tTotal");
    EXPECT_EQ(lines[1], "Five of a Kind\t0\t0");
    EXPECT_EQ(lines[17], "Garbage\t1302540\t2598960");
    EXPECT_EQ(lines[18], "");
}

TEST(ResultsClipboard, CtrlCCopiesTheSelectedRowsInTheOrderShown) {
    DialogDriver d;
    d.compute(4, 13, true);
    d.list()->clearSelection();
    d.list()->SelectRow(16, false);
    d.list()->SelectRow(15, false);
    d.list()->setFocus();
    QTest::keyClick(d.list(), Qt::Key_C, Qt::ControlModifier);

    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "Hand\tEnumerated\tComputed\tTotal\n"
              "Hypochromatic 1 Pair\t1098240\t1098240\t1281072\n"
              "Garbage\t1302540\t1302540\t2598960\n");
}

TEST(ResultsClipboard, MissingCellsAndAnEmptyListGiveEmptyTexts) {
    QTableWidget table(2, 2);
    EXPECT_EQ(resultsAsText(table), "\t\n\t\n\t\n");
    table.setItem(1, 1, new QTableWidgetItem("x"));
    table.setHorizontalHeaderItem(0, new QTableWidgetItem(" A "));
    EXPECT_EQ(resultsAsText(table), "A\t\n\t\n\tx\n");
    EXPECT_EQ(resultsAsText(QTableWidget()), "");
}

}  // namespace
