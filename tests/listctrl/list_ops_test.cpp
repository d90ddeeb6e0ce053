// SPDX-License-Identifier: MIT
#include "listctrl/csortheaderctrl.h"
#include "listctrl/csortlistctrl.h"
#include "tests/listctrl/list_test_helpers.h"

#include <QItemSelectionModel>

#include <gtest/gtest.h>

#include <climits>
#include <memory>

using marvane::CSortHeaderCtrl;
using marvane::CSortListCtrl;

namespace {

class ListOps : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(list.DefineColumns("A, 50; B, 2, 60; C, 1, 70")); }

    // Rows "0".."n-1" from the top.
    void AddNumberedRows(int n) {
        for (int i = 0; i < n; ++i) {
            list.AddRow(i, {QString::number(i), "b", "c"});
        }
    }

    QList<int> SelectedRows() const {
        QList<int> rows;
        for (int row = 0; row < list.rowCount(); ++row) {
            if (list.selectionModel()->isRowSelected(row, {})) {
                rows.append(row);
            }
        }
        return rows;
    }

    CSortListCtrl list;
};

TEST_F(ListOps, DefineColumnsGivesEveryColumnAHeaderItem) {
    ASSERT_TRUE(list.DefineColumns("D, 0; E, 99999999999; F; G, 5"));  // stops at "F"
    ASSERT_EQ(list.GetColumnCount(), 5);
    const CSortHeaderCtrl* header = list.sortHeader();
    const QStringList titles{"A", " B", " C", "D", " E"};
    const QList<int> widths{50, 60, 70, 1, header->maximumSectionSize()};
    const QList<int> formats{CSortHeaderCtrl::HDF_LEFT, CSortHeaderCtrl::HDF_RIGHT,
                             CSortHeaderCtrl::HDF_CENTER, CSortHeaderCtrl::HDF_LEFT,
                             CSortHeaderCtrl::HDF_LEFT};
    for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(list.horizontalHeaderItem(column)->text(), titles[column]);
        EXPECT_EQ(header->sectionSize(column), widths[column]);
        EXPECT_EQ(header->SectionFormat(column), formats[column]);
    }
    EXPECT_TRUE(list.DefineColumns(""));
    EXPECT_EQ(list.GetColumnCount(), 5);
}

TEST_F(ListOps, AddRowKeepsACopyOfOneTextPerColumn) {
    EXPECT_EQ(list.AddRow(0, {"x", QString(), "z"}), 0);
    EXPECT_EQ(list.AddRow(0, {"top"}), 0);  // missing texts are empty
    EXPECT_EQ(list.AddRow(9, {"1", "2", "3", "surplus"}), 2);
    EXPECT_EQ(list.AddRow(-1, {"never"}), -1);
    ASSERT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.rowTexts(0), (QStringList{"top", "", ""}));
    EXPECT_EQ(list.rowTexts(1), (QStringList{"x", "", "z"}));
    EXPECT_EQ(list.rowTexts(2), (QStringList{"1", "2", "3"}));
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(CellTexts(list, row), list.rowTexts(row));
        EXPECT_EQ(list.GetRowUserData(row), 0u);
    }
    EXPECT_EQ(list.item(2, 1)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(list.item(2, 2)->textAlignment(), int(Qt::AlignHCenter | Qt::AlignVCenter));
    EXPECT_FALSE(list.item(2, 0)->flags() & Qt::ItemIsEditable);
}

TEST_F(ListOps, DeleteRowHonoursTheVetoAndSelectsTheNextRow) {
    AddNumberedRows(4);
    list.SetRowUserData(1, 77);
    quint32 seen = 0;
    const auto refuse = [&](quint32 userData) {
        seen = userData;
        return false;
    };
    EXPECT_FALSE(list.DeleteRow(1, true, refuse));
    EXPECT_EQ(seen, 77u);
    EXPECT_FALSE(list.DeleteRow(4));
    EXPECT_EQ(list.rowCount(), 4);

    EXPECT_TRUE(list.DeleteRow(1, true));
    EXPECT_EQ(ColumnCells(list, 0), (QStringList{"0", "2", "3"}));
    EXPECT_EQ(SelectedRows(), QList<int>{1});  // the row that moved up
    list.clearSelection();
    EXPECT_TRUE(list.DeleteRow(2, true));  // the last row: the new last one
    EXPECT_EQ(SelectedRows(), QList<int>{1});
    EXPECT_EQ(list.rowTexts(1).first(), "2");

    list.SetRowUserData(1, 1);
    EXPECT_EQ(list.DeleteAllRows([](quint32 userData) { return userData == 0; }), 1);
    EXPECT_EQ(list.DeleteAllRows(), 1);
    EXPECT_EQ(list.DeleteAllRows(), 0);
    EXPECT_FALSE(list.SelectRow(0, true));
}

TEST_F(ListOps, SelectRowAddsToTheSelectionAndClampsOnRequest) {
    AddNumberedRows(5);
    list.setCurrentCell(2, 0);
    list.clearSelection();
    EXPECT_TRUE(list.SelectRow(99, true));
    EXPECT_TRUE(list.SelectRow(-3, true));
    EXPECT_FALSE(list.SelectRow(99, false));
    EXPECT_TRUE(list.SelectRow(3, false));
    EXPECT_EQ(SelectedRows(), (QList<int>{0, 3, 4}));
    EXPECT_EQ(list.currentRow(), 2);
}

TEST_F(ListOps, ColumnChangesReReadEveryRecordWhichOutlivesColumnZero) {
    list.AddRow(0, {"a1", "b1", "c1"});
    list.AddRow(1, {"a2", "b2", "c2"});
    list.SetRowUserData(1, 9);
    EXPECT_EQ(list.InsertColumn(1, "Mid", CSortListCtrl::LVCFMT_RIGHT, 30), 1);
    EXPECT_EQ(list.InsertColumn(99, "End"), 4);
    EXPECT_EQ(list.InsertColumn(-1, "Never"), -1);
    EXPECT_EQ(list.rowTexts(1), (QStringList{"a2", "", "b2", "c2", ""}));
    EXPECT_EQ(CellTexts(list, 1), list.rowTexts(1));

    EXPECT_FALSE(list.DeleteColumn(5));
    EXPECT_TRUE(list.DeleteColumn(0));
    EXPECT_EQ(list.rowTexts(1), (QStringList{"", "b2", "c2", ""}));
    EXPECT_EQ(list.GetRowUserData(1), 9u);
    EXPECT_TRUE(list.DeleteAllColumns());
    EXPECT_EQ(list.GetColumnCount(), 0);
    EXPECT_TRUE(list.rowTexts(1).isEmpty());
    EXPECT_EQ(list.GetRowUserData(1), 9u);
}

TEST_F(ListOps, RowsAndColumnsAddedBehindTheListsBackReadAsEmpty) {
    AddNumberedRows(2);
    list.insertRow(1);  // a row without a record
    list.setItem(1, 0, new QTableWidgetItem("cell"));
    EXPECT_EQ(list.rowTexts(1), (QStringList{"", "", ""}));
    EXPECT_EQ(list.GetRowUserData(1), 0u);
    EXPECT_FALSE(list.SetRowUserData(1, 5));
    list.insertColumn(3);  // a column the records do not know
    list.SortByColumn(3, true);
    list.SortByColumn(0, true);
    EXPECT_EQ(ColumnCells(list, 0), (QStringList{"cell", "0", "1"}));  // as if empty
    quint32 seen = 1;
    EXPECT_TRUE(list.DeleteRow(0, false, [&](quint32 userData) {
        seen = userData;
        return true;
    }));
    EXPECT_EQ(seen, 0u);
    // A veto that empties the list must not let the deletion run on.
    EXPECT_FALSE(list.DeleteRow(1, false, [&](quint32) {
        list.setRowCount(0);
        return true;
    }));
}

TEST_F(ListOps, CheckBoxesSitOnEachRowsFirstCell) {
    EXPECT_FALSE(list.showGrid());  // off until switched on
    EXPECT_EQ(list.selectionBehavior(), QAbstractItemView::SelectRows);
    const auto hasBox = [&](int row, int column) {
        const QTableWidgetItem* cell = list.item(row, column);
        return cell && cell->data(Qt::CheckStateRole).isValid();
    };
    AddNumberedRows(1);
    list.insertRow(1);  // without cells: gets one for its box
    list.SetCheckboxes(true);
    list.AddRow(2, {"new"});
    for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(hasBox(row, 0) && !hasBox(row, 1)) << row;
    }
    list.item(2, 0)->setCheckState(Qt::Checked);
    list.InsertColumn(0, "New");  // the box stays on the first cell with its state
    list.DeleteColumn(1);
    EXPECT_EQ(list.item(2, 0)->checkState(), Qt::Checked);
    EXPECT_EQ(list.item(0, 0)->checkState(), Qt::Unchecked);

    list.SetCheckboxes(false);
    list.AddRow(0, {"plain"});
    for (int row = 0; row < 4; ++row) {
        EXPECT_FALSE(hasBox(row, 0)) << row;
        EXPECT_FALSE(list.item(row, 0)->flags() & Qt::ItemIsUserCheckable) << row;
    }
}

// Every record is freed once: the sanitizer build reports leaks and double frees.
TEST_F(ListOps, FillingAndEmptyingAgainAndAgain) {
    for (int round = 0; round < 3; ++round) {
        list.DeleteAllColumns();
        list.DefineColumns("Hand, 140; Computed, 70; Total, 70");
        AddNumberedRows(17);
        list.SortByColumn(2, true);
        EXPECT_EQ(list.DeleteAllRows(), 17);
    }
    auto owned = std::make_unique<CSortListCtrl>();
    owned->DefineColumns("A, 5");
    owned->AddRow(0, {"freed with the window"});
}

}  // namespace
