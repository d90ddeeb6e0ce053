// SPDX-License-Identifier: MIT
#include "tests/listctrl/list_test_helpers.h"

#include "listctrl/csortlistctrl.h"

#include <QHeaderView>
#include <QTest>

QStringList CellTexts(const CSortListCtrl& list, int row) {
    QStringList texts;
    for (int column = 0; column < list.columnCount(); ++column) {
        const QTableWidgetItem* cell = list.item(row, column);
        texts.append(cell ? cell->text() : QString());
    }
    return texts;
}

QStringList ColumnCells(const CSortListCtrl& list, int column) {
    QStringList texts;
    for (int row = 0; row < list.rowCount(); ++row) {
        const QTableWidgetItem* cell = list.item(row, column);
        texts.append(cell ? cell->text() : QString());
    }
    return texts;
}

void ClickSection(QHeaderView* header, int section) {
    const QPoint centre(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                        header->height() / 2);
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, centre);
}
