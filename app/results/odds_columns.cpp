// SPDX-License-Identifier: MIT
#include "app/results/odds_columns.h"

#include "app/engine_texts.h"
#include "app/results/result_headings.h"
#include "listctrl/csortheaderctrl.h"
#include "listctrl/csortlistctrl.h"
#include "report/report_format.h"

namespace marvane {

namespace {

constexpr int kColumnWidth = 80;

int findColumn(const CSortListCtrl& list, const QString& title) {
    for (int column = 0; column < list.GetColumnCount(); ++column) {
        const QTableWidgetItem* heading = list.horizontalHeaderItem(column);
        if (heading && heading->text() == title) {
            return column;
        }
    }
    return -1;
}

const marvane::ShownRow* rowNamed(const marvane::ShownReport& report, const QString& name) {
    for (const marvane::ShownRow& row : report.rows) {
        if (categoryName(row.category) == name) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace

QString oddsColumnTitle(OddsColumn column) {
    return QLatin1Char(' ') + columnTitle(column == OddsColumn::Probability
                                              ? ResultColumn::Probability
                                              : ResultColumn::Odds);
}

void showOddsColumn(CSortListCtrl& list, const marvane::ShownReport& report, OddsColumn column,
                    bool shown) {
    const QString title = oddsColumnTitle(column);
    const int present = findColumn(list, title);
    if (!shown) {
        if (present >= 0) {
            CSortHeaderCtrl* header = list.sortHeader();
            if (header->GetSortColumn() == present) {
                header->SetSortColumn(-1);
            } else if (header->GetSortColumn() > present) {
                header->SetSortColumn(header->GetSortColumn() - 1);
            }
            list.DeleteColumn(present);
        }
        return;
    }
    if (present >= 0) {
        return;
    }
    const int added =
        list.InsertColumn(list.GetColumnCount(), title, CSortListCtrl::LVCFMT_LEFT, kColumnWidth);
    for (int row = 0; row < list.rowCount(); ++row) {
        const marvane::ShownRow* source = rowNamed(report, list.rowTexts(row).value(0));
        if (!source) {
            continue;
        }
        const QString text = column == OddsColumn::Probability
                                 ? QString::fromStdString(probabilityText(*source))
                                 : oddsText(source->odds);
        list.setCellText(row, added, text);
        list.setCellSortKey(row, added, source->sourceCount());
    }
}

}  // namespace marvane
