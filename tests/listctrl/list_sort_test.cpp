// SPDX-License-Identifier: MIT
#include "listctrl/csortheaderctrl.h"
#include "listctrl/csortlistctrl.h"
#include "tests/listctrl/list_test_helpers.h"

#include <QItemSelectionModel>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using marvane::CSortHeaderCtrl;
using marvane::CSortListCtrl;

namespace {

// Column 0 holds the sort key, column 1 a label naming the row's first position.
class ListSort : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(list.DefineColumns("Key, 60; Label, 60; Other, 60")); }

    void AddRows(const QStringList& keys) {
        for (const QString& key : keys) {
            const int row = list.rowCount();
            list.AddRow(row, {key, QString("r%1").arg(row), "-"});
        }
    }

    QStringList Keys() const { return ColumnCells(list, 0); }
    QStringList Labels() const { return ColumnCells(list, 1); }

    void ExpectRecordsMatchCells() const {
        for (int row = 0; row < list.rowCount(); ++row) {
            ASSERT_EQ(list.rowTexts(row), CellTexts(list, row)) << row;
        }
    }

    CSortListCtrl list;
};

TEST_F(ListSort, NumbersTextsBlanksAndSignsBothWays) {
    AddRows({"10", "9", "-5", "+", " 42 ", "", "   "});
    list.SortByColumn(0, true);
    EXPECT_EQ(Keys(), (QStringList{"", "   ", "-5", "+", "9", "10", " 42 "}));
    ExpectRecordsMatchCells();
    list.SortByColumn(0, false);
    EXPECT_EQ(Keys(), (QStringList{" 42 ", "10", "9", "+", "-5", "", "   "}));
    ExpectRecordsMatchCells();

    list.DeleteAllRows();
    AddRows({"b", "B", QString::fromUtf8("é"), "a", "1.5", "1.25"});
    list.SortByColumn(0, true);
    EXPECT_EQ(Keys(), (QStringList{"1.25", "1.5", "B", "a", "b", QString::fromUtf8("é")}));
}

TEST_F(ListSort, CellKeysOrderAColumnOnlyWhenEveryRowHasOne) {
    // Texts that sort otherwise by text: "1 in 9" < "1 in 10" only by key.
    AddRows({"1 in 10", "never", "1 in 9", "1 in 10"});
    for (int row = 0; row < 4; ++row) {
        const double key = QList<double>{0.1, 0.0, 1.0 / 9, 0.1}[row];
        ASSERT_TRUE(list.setCellSortKey(row, 0, key));
    }
    EXPECT_FALSE(list.setCellSortKey(4, 0, 1.0));  // no such row

    list.SortByColumn(1, false);  // a known order first: r3, r2, r1, r0
    list.SortByColumn(0, true);
    EXPECT_EQ(Labels(), (QStringList{"r1", "r3", "r0", "r2"}));  // ties keep r3 before r0
    ExpectRecordsMatchCells();
    ClickSection(list.horizontalHeader(), 0);  // the header click toggles, keys still rule
    EXPECT_EQ(Labels(), (QStringList{"r2", "r3", "r0", "r1"}));

    // One row without a key: the column sorts by its texts, as any other.
    AddRows({"1 in 2"});
    list.SortByColumn(0, true);
    EXPECT_EQ(Keys(), (QStringList{"1 in 10", "1 in 10", "1 in 2", "1 in 9", "never"}));
}

TEST_F(ListSort, EqualRowsKeepTheirOrderInBothDirections) {
    AddRows({"2", "1", "2", "1", " 2", "1 "});
    list.SortByColumn(0, true);
    EXPECT_EQ(Labels(), (QStringList{"r1", "r3", "r5", "r0", "r2", "r4"}));
    list.SortByColumn(0, false);
    EXPECT_EQ(Labels(), (QStringList{"r0", "r2", "r4", "r1", "r3", "r5"}));
}

TEST_F(ListSort, SortStateAndOwnerDrawing) {
    AddRows({"2", "1"});
    list.SortByColumn(3, false);  // out of range: nothing at all happens
    list.SortByColumn(-1, false);
    EXPECT_EQ(Keys(), (QStringList{"2", "1"}));
    EXPECT_EQ(list.sortHeader()->GetSortColumn(), -1);
    EXPECT_TRUE(list.sortHeader()->IsSortAscending());

    list.SortByColumn(1, true);
    list.SortByColumn(2, false);
    EXPECT_FALSE(list.sortHeader()->IsOwnerDrawn(0));
    EXPECT_TRUE(list.sortHeader()->IsOwnerDrawn(1));  // stays owner-drawn
    EXPECT_TRUE(list.sortHeader()->IsOwnerDrawn(2));

    list.DeleteAllColumns();  // the state outlives the columns
    list.DefineColumns("A, 10; B, 2, 10; C, 10");
    EXPECT_EQ(list.sortHeader()->GetSortColumn(), 2);
    EXPECT_FALSE(list.sortHeader()->IsSortAscending());
    EXPECT_FALSE(list.sortHeader()->IsOwnerDrawn(2));
    list.SortByColumn(1, true);
    EXPECT_EQ(list.sortHeader()->SectionFormat(1),
              CSortHeaderCtrl::HDF_RIGHT | CSortHeaderCtrl::HDF_OWNERDRAW);

    list.insertColumn(3);  // through the table itself: no header item
    list.SortByColumn(3, true);
    EXPECT_TRUE(list.sortHeader()->IsOwnerDrawn(3));
}

TEST_F(ListSort, HeaderClicksToggleTheSortedColumnAndStartOthersAscending) {
    AddRows({"3", "1", "2"});
    list.resize(400, 200);
    CSortHeaderCtrl* header = list.sortHeader();
    const auto state = [&] {
        return std::pair(header->GetSortColumn(), header->IsSortAscending());
    };

    ClickSection(header, 2);
    EXPECT_EQ(state(), std::pair(2, true));
    ClickSection(header, 2);
    EXPECT_EQ(state(), std::pair(2, false));
    ClickSection(header, 2);
    EXPECT_EQ(state(), std::pair(2, true));
    ClickSection(header, 0);
    EXPECT_EQ(state(), std::pair(0, true));
    EXPECT_EQ(Keys(), (QStringList{"1", "2", "3"}));

    list.SortByColumn(1, true);  // as the program sorts after filling
    ClickSection(header, 1);
    EXPECT_EQ(state(), std::pair(1, false));
}

TEST_F(ListSort, SelectionCurrentCellAndRowDataFollowTheirRows) {
    list.SetCheckboxes(true);
    list.SetFullRowSelect(false);  // where a header press would select a column
    AddRows({"5", "3", "4", "1", "2"});
    list.resize(400, 200);
    list.setCurrentCell(2, 1);  // "4"
    list.clearSelection();
    list.SelectRow(0, false);                     // "5"
    list.SelectRow(3, false);                     // "1"
    list.item(1, 0)->setCheckState(Qt::Checked);  // "3"
    list.SetRowUserData(1, 33);

    ClickSection(list.sortHeader(), 0);  // must not select the column either
    ASSERT_EQ(Keys(), (QStringList{"1", "2", "3", "4", "5"}));
    QList<int> selected;
    for (int row = 0; row < list.rowCount(); ++row) {
        if (list.selectionModel()->isRowSelected(row, {})) {
            selected.append(row);
        }
    }
    EXPECT_EQ(selected, (QList<int>{0, 4}));
    EXPECT_EQ(list.currentRow(), 3);
    EXPECT_EQ(list.currentColumn(), 1);
    EXPECT_EQ(list.item(2, 0)->checkState(), Qt::Checked);
    EXPECT_EQ(list.GetRowUserData(2), 33u);
}

// Numbers, words, blanks and dates in one column compare inconsistently; every
// sort must still finish with all rows, and with each row's cells and record
// still together.
TEST_F(ListSort, MixedColumnAlwaysKeepsEveryRow) {
    const QStringList pool{"7", "none", "",   "-3", "+",   "abc",         "12",
                           " ", "1.5",  "x9", "-",  "5-3", "31 Dec 2023", "99999999999999999999",
                           "0"};
    std::mt19937 random(2024);
    for (int round = 0; round < 30; ++round) {
        list.DeleteAllRows();
        QStringList keys;
        for (int i = 0; i < 200; ++i) {
            keys.append(pool[random() % pool.size()]);
        }
        AddRows(keys);
        list.SortByColumn(0, round % 2 == 0);

        ASSERT_EQ(list.rowCount(), 200);
        QList<int> firstPositions;
        for (const QString& label : Labels()) {
            firstPositions.append(label.mid(1).toInt());
        }
        std::sort(firstPositions.begin(), firstPositions.end());
        for (int i = 0; i < 200; ++i) {
            ASSERT_EQ(firstPositions[i], i) << "round " << round;
        }
        ExpectRecordsMatchCells();
    }
}

}  // namespace
