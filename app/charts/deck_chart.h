// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "report/results/shown_report.h"

class QChart;
class QPalette;

namespace marvane {

// The deck view: one horizontal bar per category that occurs in the deck, in
// the list's order from the top, its length the probability on a logarithmic
// axis, coloured by suit pattern.

// The rows that get a bar (count above 0), in the list's order.
std::vector<marvane::ShownRow> chartedRows(const marvane::ShownReport& report);

// "8 suits x 20 ranks, 820384032 hands"
QString deckTitle(const marvane::ShownReport& report);

// "Flush  1 in 509": the name and the odds as the list writes them.
QString barLabel(const marvane::ShownRow& row);

// The exact numbers behind a bar, for its tooltip.
QString barDetails(const marvane::ShownRow& row, std::uint64_t hands);

// "never: Five of a Kind, Rainbow 4 of a Kind, ..." or empty when every
// category occurs.
QString neverLine(const marvane::ShownReport& report);

// Bar i from the top is chartedRows(report)[i]. The category axis counts from
// the bottom, so that is its category count - 1 - i.
std::unique_ptr<QChart> createDeckChart(const marvane::ShownReport& report,
                                        const QPalette& palette);

}  // namespace marvane
