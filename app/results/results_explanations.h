// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "report/results/shown_report.h"

namespace marvane {

class CSortListCtrl;

// Makes the results list say what it shows: every Hand cell gets a tooltip
// and accessible description with its category's definition and an example
// hand of this deck (or why the deck has none), a row that breaks the
// ranking a warning mark and the pairs it breaks, and the headings say what
// their column counts. Rows are known by the category they carry and
// columns by their role (results_list.h), so it works in any row order and
// with any of the list's column sets. Call it once per result, after the
// rows are in; the texts move with their rows through later sorts. With
// more than five cards a hand is its best five under the report's order,
// with three or four it is classed as itself, and the examples have that
// many cards.
void explainResults(CSortListCtrl* list, const ShownReport& report);

// Only the headings, for columns added or removed after the rows were
// explained (the probability and odds columns).
void explainHeadings(CSortListCtrl* list, std::uint32_t cards);

}  // namespace marvane
