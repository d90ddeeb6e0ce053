// SPDX-License-Identifier: MIT
// Arbitrary row sets sorted by one column through the list's own sort, first
// ascending (SortByColumn), then descending (a click on the same column).
// Each sort ends, keeps every row whole (record, cells, user data and
// selection move together) and, where the column's comparison is a
// consistent order, leaves the rows in that order with ties in their
// previous order.
//
// Input: one control byte (column count, sort column), then rows separated
// by "\n" with cells separated by "\t".

#include <QItemSelectionModel>
#include <QString>
#include <QStringList>
#include <QTableWidgetItem>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/offscreen_app.h"
#include "fuzz/offscreen_list.h"
#include "fuzz/text_model.h"
#include "listctrl/csortlistctrl.h"
#include "listctrl/row_compare.h"

namespace {

constexpr int kMaxRows = 64;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

struct Row {
    QStringList texts;
    bool selected = false;
};

// How a column's texts can be ordered independently of the list's code.
enum class ColumnKind {
    Numbers,  // every non-empty text looks numeric: empty first, then by value
    Texts,    // no text looks numeric or reads as a date: byte order
    Other     // mixed or dates: only the permutation is checked
};

ColumnKind kindOf(const std::vector<std::string>& keys) {
    bool anyNumber = false;
    bool anyOther = false;
    for (const std::string& key : keys) {
        if (key.empty()) {
            continue;
        }
        if (textmodel::looksNumeric(key)) {
            anyNumber = true;
        } else {
            anyOther = true;
            if (marvane::ParsesAsDate(QString::fromUtf8(key))) {
                return ColumnKind::Other;
            }
        }
    }
    if (anyNumber && anyOther) {
        return ColumnKind::Other;
    }
    return anyNumber ? ColumnKind::Numbers : ColumnKind::Texts;
}

int modelOrder(ColumnKind kind, const std::string& x, const std::string& y) {
    if (kind == ColumnKind::Numbers && !x.empty() && !y.empty()) {
        return textmodel::sign(textmodel::leadingNumber(x), textmodel::leadingNumber(y));
    }
    return textmodel::compareBytes(x, y);
}

// Checks the list against the rows it was filled with (row i has user data
// i) after a sort by column in the given direction.
void checkSorted(const CSortListCtrl& list, const std::vector<Row>& rows, int column,
                 bool ascending, ColumnKind kind) {
    check(list.rowCount() == static_cast<int>(rows.size()));
    std::vector<bool> seen(rows.size(), false);
    std::vector<std::uint32_t> order;
    for (int r = 0; r < list.rowCount(); ++r) {
        const std::uint32_t id = list.GetRowUserData(r);
        check(id < rows.size() && !seen[id]);
        seen[id] = true;
        order.push_back(id);
        check(list.rowTexts(r) == rows[id].texts);
        for (int c = 0; c < list.columnCount(); ++c) {
            const QTableWidgetItem* cell = list.item(r, c);
            check(cell != nullptr && cell->text() == rows[id].texts[c]);
        }
        check(list.selectionModel()->isRowSelected(r, QModelIndex()) == rows[id].selected);
    }
    if (kind == ColumnKind::Other) {
        return;
    }
    for (std::size_t i = 1; i < order.size(); ++i) {
        const std::string x =
            textmodel::trim(rows[order[i - 1]].texts[column].toUtf8().toStdString());
        const std::string y = textmodel::trim(rows[order[i]].texts[column].toUtf8().toStdString());
        const int cmp = ascending ? modelOrder(kind, x, y) : modelOrder(kind, y, x);
        check(cmp <= 0);
        // Both sorts are stable, so ties keep the order the rows were added in.
        check(cmp < 0 || order[i - 1] < order[i]);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    CSortListCtrl& list = fuzzList();
    const int columns = 1 + data[0] % 3;
    const int column = (data[0] / 3) % columns;
    list.DefineColumns(QStringLiteral("A, 40; B, 40; C, 40").left(6 * columns + 1));

    const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data + 1),
                                            static_cast<qsizetype>(size - 1));
    std::vector<Row> rows;
    for (const QString& line : input.split(u'\n')) {
        if (static_cast<int>(rows.size()) == kMaxRows) {
            break;
        }
        Row row;
        row.texts = line.split(u'\t').mid(0, columns);
        while (row.texts.size() < columns) {
            row.texts.append(QString());
        }
        // Every third row is selected; the selection must follow its rows.
        row.selected = rows.size() % 3 == 1;
        const int index = list.AddRow(list.rowCount(), row.texts);
        list.SetRowUserData(index, static_cast<std::uint32_t>(rows.size()));
        if (row.selected) {
            list.SelectRow(index, false);
        }
        rows.push_back(row);
    }
    check(list.GetColumnCount() == columns);

    std::vector<std::string> keys;
    for (const Row& row : rows) {
        keys.push_back(textmodel::trim(row.texts[column].toUtf8().toStdString()));
    }
    const ColumnKind kind = kindOf(keys);

    list.SortByColumn(column, true);
    checkSorted(list, rows, column, true, kind);
    list.OnColumnClick(column);
    checkSorted(list, rows, column, false, kind);

    list.DeleteAllRows();
    list.DeleteAllColumns();
    settleEvents();
    return 0;
}
