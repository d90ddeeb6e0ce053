// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "app/results/result_headings.h"
#include "engine/vocabulary/hand_category.h"
#include "report/results/shown_report.h"

namespace marvane {

class CSortListCtrl;

// The results list shows a report; it is not where anything reads one back.
// Every row carries its category as the row's user data, which moves with
// the row through sorts and column changes, and every heading carries its
// column's role. Whatever explains, fills or saves the results goes by
// these and by the report, never by a shown text or a column title.

// Gives a list without columns the results' columns, each with its role:
// Hand, [Enumerated,] Computed, Total; no grid lines, no check boxes.
void defineResultColumns(CSortListCtrl& list, bool enumerated);

// Gives the heading of `column` its role.
void setColumnRole(CSortListCtrl& list, int column, ResultColumn role);

// The column with this role, or -1 when the list does not show it.
int columnWithRole(const CSortListCtrl& list, ResultColumn role);

// The role of the column; nothing for a column without one.
std::optional<ResultColumn> columnRole(const CSortListCtrl& list, int column);

// Adds the report's rows, each named in the user's language and carrying its
// category, then sorts them by Total, ascending.
void addResultRows(CSortListCtrl& list, const ShownReport& report);

// The category the row carries; nothing for a row without one.
std::optional<HandCategory> rowCategory(const CSortListCtrl& list, int row);

}  // namespace marvane
