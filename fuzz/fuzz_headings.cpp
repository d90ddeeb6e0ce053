// SPDX-License-Identifier: MIT
// Arbitrary heading strings through DefineColumns on a real list: the columns
// it appends (title, alignment, width) are those a plain reading of the
// heading format gives, rows keep one text per column while columns come and
// go, and DeleteAllColumns empties the list again for the next input.

#include <QHeaderView>
#include <QString>
#include <QTableWidgetItem>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "fuzz/offscreen_app.h"
#include "fuzz/offscreen_list.h"
#include "fuzz/text_model.h"
#include "listctrl/csortheaderctrl.h"
#include "listctrl/csortlistctrl.h"

using marvane::CSortHeaderCtrl;
using marvane::CSortListCtrl;

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

struct Column {
    QString title;
    int format = CSortHeaderCtrl::HDF_LEFT;
    int width = 1;
};

// atoi in the "C" locale, saturated instead of undefined on overflow.
int atoiModel(QStringView text) {
    qsizetype pos = 0;
    while (pos < text.size() && text[pos].unicode() < 128 &&
           textmodel::isSpace(static_cast<char>(text[pos].unicode()))) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    long long value = 0;
    for (; pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9'; ++pos) {
        value = std::min<long long>(value * 10 + (text[pos].unicode() - u'0'), 1LL << 40);
    }
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// Segments split at ";", read until one has no ",".
std::vector<Column> modelColumns(const QString& headings) {
    std::vector<Column> columns;
    for (const QStringView segment : QStringView(headings).split(u';')) {
        const qsizetype c1 = segment.indexOf(u',');
        if (c1 < 0) {
            break;
        }
        Column column;
        column.title = segment.left(c1).toString();
        const qsizetype c2 = segment.indexOf(u',', c1 + 1);
        QStringView width = segment.mid(c1 + 1);
        if (c2 >= 0) {
            const int code = atoiModel(segment.mid(c1 + 1, c2 - c1 - 1));
            column.format = code == 1   ? CSortHeaderCtrl::HDF_CENTER
                            : code == 2 ? CSortHeaderCtrl::HDF_RIGHT
                                        : CSortHeaderCtrl::HDF_LEFT;
            width = segment.mid(c2 + 1);
        }
        column.width = std::max(atoiModel(width), 1);
        columns.push_back(column);
    }
    return columns;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CSortListCtrl& list = fuzzList();
    const QString headings =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    // One row from before the columns exist: it must grow a text per column.
    list.AddRow(0, {QStringLiteral("early")});
    check(list.DefineColumns(headings));

    const std::vector<Column> expected = modelColumns(headings);
    const int count = static_cast<int>(expected.size());
    check(list.GetColumnCount() == count && list.columnCount() == count);
    for (int c = 0; c < count; ++c) {
        const QTableWidgetItem* header = list.horizontalHeaderItem(c);
        check(header != nullptr && header->text() == expected[c].title);
        check(list.sortHeader()->SectionFormat(c) == expected[c].format);
        const int width = std::min(expected[c].width, list.sortHeader()->maximumSectionSize());
        check(list.sortHeader()->sectionSize(c) == width);
    }
    check(list.rowTexts(0) == QStringList(count, QString()));

    // A row added now holds the given texts, padded to the columns.
    const int row = list.AddRow(1, {QStringLiteral("x"), QStringLiteral("y")});
    check(row == 1);
    const QStringList texts = list.rowTexts(row);
    check(texts.size() == count);
    for (int c = 0; c < count; ++c) {
        const QTableWidgetItem* cell = list.item(row, c);
        check(cell != nullptr && cell->text() == texts[c]);
        check(texts[c] == (c == 0 ? "x" : c == 1 ? "y" : ""));
    }

    check(list.DeleteAllColumns());
    check(list.GetColumnCount() == 0 && list.rowTexts(1).isEmpty());
    check(list.DeleteAllRows() == 2 && list.rowCount() == 0);
    settleEvents();
    return 0;
}
