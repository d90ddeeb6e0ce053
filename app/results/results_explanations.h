// SPDX-License-Identifier: MIT
#pragma once

#include "report/shown_report.h"

namespace marvane {

class CSortListCtrl;

// Makes the results list say what it shows: every Hand cell gets a tooltip and
// accessible description with its category's definition and an example hand
// of this deck (or why the deck has none), and the headings say what their
// column counts. Rows are found by their Hand text, columns by their titles,
// so it works in any row order and with any of the list's column sets. Call
// it after the rows are in; they keep the texts through later sorts.
// With more than five cards a hand is its best five under the report's order,
// and the examples have that many cards.
void explainResults(CSortListCtrl* list, const ShownReport& report);

}  // namespace marvane
