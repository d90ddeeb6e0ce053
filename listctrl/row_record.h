// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <QTableWidgetItem>

namespace marvane {

// The list's own copy of a row: one text per column, which sorting reads
// instead of the cells, and a 32-bit value for the caller.
struct RowRecord {
    QStringList texts;
    quint32 userData = 0;
};

// Carries a row's record as the row's vertical-header item. The table moves
// that item with its row on insertion and removal and deletes it with the
// row, and unlike a column-0 cell it survives deleting column 0.
class RowRecordItem : public QTableWidgetItem {
public:
    static constexpr int Type = QTableWidgetItem::UserType + 0x4D5;

    explicit RowRecordItem(RowRecord record) : QTableWidgetItem(Type), record(std::move(record)) {}
    RowRecordItem* clone() const override { return new RowRecordItem(*this); }

    RowRecord record;
};

}  // namespace marvane
