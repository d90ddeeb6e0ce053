// SPDX-License-Identifier: MIT
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "report/results/five_card_report.h"

namespace marvane {

enum class ReportFormat { Table, Csv, Json };

// "table", "csv" or "json"; nothing for any other text.
std::optional<ReportFormat> reportFormatFromName(std::string_view name);

struct ReportOptions {
    ReportFormat format = ReportFormat::Table;
    bool odds = false;      // add each category's probability and odds
    bool allDecks = false;  // a collection (JSON array, one table) rather than one deck
};

// Writes the reports in the chosen format. One deck without allDecks; with
// allDecks every report goes into a single table, CSV or JSON array.
void writeFiveCardReports(std::ostream& out, const std::vector<FiveCardReport>& reports,
                          const ReportOptions& options);

// Four significant figures: "1.539e-05".
std::string readableProbability(double value);

// A row's probability and odds as the table writes them: "1.539e-05" and
// "1 in 64974"; "0" and "never" for a category without hands.
std::string probabilityText(const ReportRow& row);
std::string oddsOrNever(const ReportRow& row);

// The JSON object of one deck: suits, ranks, hands, floating_path and rows,
// each row with index, name, [enumerated,] computed, total
// [, probability, odds].
nlohmann::ordered_json fiveCardDeckJson(const FiveCardReport& report, bool odds);

}  // namespace marvane
