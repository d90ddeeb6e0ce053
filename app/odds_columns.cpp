// SPDX-License-Identifier: MIT
#include "odds_columns.h"

#include "csortheaderctrl.h"
#include "csortlistctrl.h"
#include "report_format.h"

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

const marvane::ReportRow* rowNamed(const marvane::DeckReport& report, const QString& name) {
    for (const marvane::ReportRow& row : report.rows) {
        if (QString::fromUtf8(row.name.data(), static_cast<qsizetype>(row.name.size())) == name) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace

QString oddsColumnTitle(OddsColumn column) {
    return column == OddsColumn::Probability ? QStringLiteral(" Probability")
                                             : QStringLiteral(" Odds");
}

void showOddsColumn(CSortListCtrl& list, const marvane::DeckReport& report, OddsColumn column,
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
        const marvane::ReportRow* source = rowNamed(report, list.rowTexts(row).value(0));
        if (!source) {
            continue;
        }
        const std::string text = column == OddsColumn::Probability
                                     ? marvane::probabilityText(*source)
                                     : marvane::oddsOrNever(*source);
        list.setCellText(row, added, QString::fromStdString(text));
        list.setCellSortKey(row, added, source->sourceCount());
    }
}
