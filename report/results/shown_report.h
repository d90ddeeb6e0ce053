// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/vocabulary/category_order.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/hand_category.h"
#include "report/results/count_mismatch.h"
#include "report/results/five_card_report.h"
#include "report/results/k_card_report.h"
#include "report/results/result_rows.h"
#include "report/writers/five_card_writer.h"

namespace marvane {

// One line of the results as a window shows it, whatever the hand size.
using ShownRow = BasicReportRow<std::uint64_t>;

// One deck's results for the dialog, its chart and its export: a five-card
// report or one of six or seven cards, seen through the same fields. The
// report it came from stays inside, so an export writes exactly what
// marvane-count writes for it.
struct ShownReport {
    Deck deck;
    std::uint32_t cards = 5;
    std::uint32_t jokers = 0;
    std::uint64_t hands = 0;
    bool floatingPath = false;  // the "*": only five-card counts without jokers take that path
    bool enumerated = false;
    bool cancelled = false;                 // an enumeration was asked for and stopped
    CategoryOrder order;                    // best first; the deck's own order unless chosen
    std::vector<ShownRow> rows;             // the 17 categories, in display order
    std::vector<CountMismatch> mismatches;  // empty unless enumeration disagrees
    WorkersRan threads;                     // what the enumeration ran on, when it ran
    std::variant<FiveCardReport, KCardReport> source;

    const ShownRow* row(HandCategory category) const;
};

ShownReport shownReport(const FiveCardReport& report);
ShownReport shownReport(const KCardReport& report);

// The row's probability as marvane-count's table writes it: "1.539e-05".
std::string probabilityText(const ShownRow& row);

// The list's row texts (Hand, [Enumerated,] Computed, Total) in the order
// the rows are added, each on top.
std::vector<ResultRow> rowsInAddOrder(const ShownReport& report);

// Writes the report as marvane-count writes this one deck.
void writeShownReport(std::ostream& out, const ShownReport& report, const ReportOptions& options);

// Writes the reports as marvane-count writes them, all of one hand size and
// jokers (the five-card writer's or the K-card writer's).
void writeShownReports(std::ostream& out, const std::vector<ShownReport>& reports,
                       const ReportOptions& options);

}  // namespace marvane
