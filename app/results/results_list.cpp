// SPDX-License-Identifier: MIT
#include "app/results/results_list.h"

#include <QStringList>
#include <QTableWidgetItem>

#include "app/engine_texts.h"
#include "listctrl/csortlistctrl.h"

namespace marvane {

namespace {

// Where a heading keeps its column's role.
constexpr int kColumnRoleData = Qt::UserRole + 1;

// A row's user data is its category's index plus one: 0 is the list's
// value for a row that carries nothing.
constexpr quint32 kNoCategory = 0;

QStringList rowTexts(const ResultRow& row) {
    QStringList list;
    for (const std::string& text : row.texts) {
        list << QString::fromStdString(text);
    }
    if (!list.isEmpty()) {
        list.front() = categoryName(row.category);
    }
    return list;
}

}  // namespace

void defineResultColumns(CSortListCtrl& list, bool enumerated) {
    list.SetGridLines(false);
    list.SetCheckboxes(false);
    list.DefineColumns(resultHeadings(enumerated));
    int column = 0;
    setColumnRole(list, column++, ResultColumn::Hand);
    if (enumerated) {
        setColumnRole(list, column++, ResultColumn::Enumerated);
    }
    setColumnRole(list, column++, ResultColumn::Computed);
    setColumnRole(list, column, ResultColumn::Total);
}

void setColumnRole(CSortListCtrl& list, int column, ResultColumn role) {
    if (QTableWidgetItem* heading = list.horizontalHeaderItem(column)) {
        heading->setData(kColumnRoleData, static_cast<int>(role));
    }
}

std::optional<ResultColumn> columnRole(const CSortListCtrl& list, int column) {
    const QTableWidgetItem* heading = list.horizontalHeaderItem(column);
    const QVariant role = heading ? heading->data(kColumnRoleData) : QVariant();
    if (!role.isValid()) {
        return std::nullopt;
    }
    return static_cast<ResultColumn>(role.toInt());
}

int columnWithRole(const CSortListCtrl& list, ResultColumn role) {
    for (int column = 0; column < list.columnCount(); ++column) {
        if (columnRole(list, column) == role) {
            return column;
        }
    }
    return -1;
}

void addResultRows(CSortListCtrl& list, const ShownReport& report) {
    for (const ResultRow& row : rowsInAddOrder(report)) {
        const int added = list.AddRow(0, rowTexts(row));
        list.SetRowUserData(added, static_cast<quint32>(indexOf(row.category)) + 1);
    }
    list.SortByColumn(columnWithRole(list, ResultColumn::Total), true);
}

std::optional<HandCategory> rowCategory(const CSortListCtrl& list, int row) {
    const quint32 data = list.GetRowUserData(row);
    if (data == kNoCategory) {
        return std::nullopt;
    }
    return categoryFromIndex(data - 1);
}

}  // namespace marvane
