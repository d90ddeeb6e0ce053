// SPDX-License-Identifier: MIT
#include "app/results/odds_columns.h"

#include "app/engine_texts.h"
#include "app/results/result_headings.h"
#include "app/results/results_list.h"
#include "listctrl/csortheaderctrl.h"
#include "listctrl/csortlistctrl.h"
#include "report/writers/five_card_writer.h"

namespace marvane {

namespace {

constexpr int kColumnWidth = 80;

ResultColumn roleOf(OddsColumn column) {
    return column == OddsColumn::Probability ? ResultColumn::Probability : ResultColumn::Odds;
}

}  // namespace

QString oddsColumnTitle(OddsColumn column) {
    return QLatin1Char(' ') + columnTitle(roleOf(column));
}

void showOddsColumn(CSortListCtrl& list, const marvane::ShownReport& report, OddsColumn column,
                    bool shown) {
    const int present = columnWithRole(list, roleOf(column));
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
    const int added = list.InsertColumn(list.GetColumnCount(), oddsColumnTitle(column),
                                        CSortListCtrl::LVCFMT_LEFT, kColumnWidth);
    setColumnRole(list, added, roleOf(column));
    for (int row = 0; row < list.rowCount(); ++row) {
        const std::optional<HandCategory> category = rowCategory(list, row);
        const marvane::ShownRow* source = category ? report.row(*category) : nullptr;
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
