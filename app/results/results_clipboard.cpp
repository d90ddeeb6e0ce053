// SPDX-License-Identifier: MIT
#include "app/results/results_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QStringList>
#include <QTableWidget>

namespace marvane {

namespace {

QString cellText(const QTableWidget& list, int row, int column) {
    const QTableWidgetItem* item = list.item(row, column);
    return item != nullptr ? item->text() : QString();
}

QString headingText(const QTableWidget& list, int column) {
    const QTableWidgetItem* item = list.horizontalHeaderItem(column);
    return item != nullptr ? item->text().trimmed() : QString();
}

bool anyRowSelected(const QTableWidget& list) {
    const QItemSelectionModel* selection = list.selectionModel();
    return selection != nullptr && selection->hasSelection();
}

bool rowSelected(const QTableWidget& list, int row) {
    return list.selectionModel()->rowIntersectsSelection(row, list.rootIndex());
}

}  // namespace

QString resultsAsText(const QTableWidget& list, CopiedRows rows) {
    const int columns = list.columnCount();
    if (columns == 0) {
        return {};
    }
    const auto lineOf = [columns](const auto& textOf) {
        QStringList fields;
        for (int column = 0; column < columns; ++column) {
            fields << textOf(column);
        }
        return fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
    };

    QString text = lineOf([&](int column) { return headingText(list, column); });
    const bool onlySelected = rows == CopiedRows::SelectedOrAll && anyRowSelected(list);
    for (int row = 0; row < list.rowCount(); ++row) {
        if (!onlySelected || rowSelected(list, row)) {
            text += lineOf([&](int column) { return cellText(list, row, column); });
        }
    }
    return text;
}

void copyResults(const QTableWidget& list, CopiedRows rows) {
    QGuiApplication::clipboard()->setText(resultsAsText(list, rows));
}

}  // namespace marvane
