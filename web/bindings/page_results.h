// SPDX-License-Identifier: MIT
#pragma once

#include <nlohmann/json.hpp>

#include "engine/vocabulary/wide_counts.h"
#include "report/results/count_request.h"
#include "report/results/shown_report.h"

namespace marvane::web {

// What the page shows of one result: the possible hands and the "*", the
// rows in display order with their numbers as texts (a 64-bit count loses
// nothing that way), the order, each category's definition and the pairs
// that break the order with it, and the text table, CSV and JSON exactly
// as marvane-count writes them with --odds.
nlohmann::json resultJson(const CountRequest& request, const ShownReport& report);

// Each category's example hand from the report's deck, or why there is none,
// by category index. A search at more than five cards: the page asks for it
// once the numbers are on screen.
nlohmann::json examplesJson(const ShownReport& report);

// The 17 counts by category index, as decimal texts, and back.
nlohmann::json countsJson(const CategoryCounts64& counts);
CategoryCounts64 countsFromJson(const nlohmann::json& counts);

// The search for a self-consistent order in the deck's count table, and
// the check of the request's order, each with the text marvane-count's
// table gives.
nlohmann::json orderSearchJson(const OrderCounter& counting);
nlohmann::json orderCheckJson(const CountRequest& request);

// Where categories change places as suits, ranks, cards or jokers vary
// around the request's deck, as sentences, and the counts along the series
// for the charts.
nlohmann::json crossingsJson(const CountRequest& request, const std::string& varying);

// The help's words: marvane-count --explain for the jokers and hand size.
nlohmann::json explanationJson(std::uint32_t jokers, std::uint32_t cards);

}  // namespace marvane::web
