// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "report/results/shown_report.h"

namespace marvane {

class CSortListCtrl;

// The two optional columns after Total: each category's probability and its
// odds, in the texts marvane-count's table prints. Both sort by the count
// behind them, so ascending puts the rarest category first.
enum class OddsColumn { Probability, Odds };

// The column's heading, with the leading blank the other headings have.
QString oddsColumnTitle(OddsColumn column);

// Adds the column at the end of the list, filled from the report (each row
// by the category it carries), or removes it; does nothing when the list
// already is that way. A sort by a removed column is forgotten.
void showOddsColumn(CSortListCtrl& list, const marvane::ShownReport& report, OddsColumn column,
                    bool shown);

}  // namespace marvane
