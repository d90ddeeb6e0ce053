// SPDX-License-Identifier: MIT
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <vector>

#include "report/orders/order_report.h"
#include "report/writers/five_card_writer.h"

namespace marvane {

// The search for a self-consistent order, deck by deck.
//   table: per deck a title, every step's order as a table of place, hand
//          and hands, the outcome and the existence sentence;
//   CSV:   suits,ranks,cards,outcome,period,exists,step,place,index,hand,
//          count,consistent_place, one line per step and place; outcome is
//          self-consistent or cycle, period empty unless a cycle,
//          consistent_place the category's place in the self-consistent
//          order (empty when none exists);
//   JSON:  {"suits", "ranks", "cards", "steps": [{"order": [names],
//          "counts": [numbers]}], "outcome", "period" (null unless a
//          cycle), "exists", "consistent_order" (names or null)}, an array
//          of them with allDecks.
// Places count from 1, the best. options.odds plays no part.
void writeOrderSearches(std::ostream& out, const std::vector<OrderSearchReport>& reports,
                        const ReportOptions& options);

// The pairs that break an order's self-consistency, deck by deck.
//   table: per deck a title naming the order, then one breakingPairSentence
//          a line, or a line saying the order is self-consistent;
//   CSV:   suits,ranks,cards,rarer,commoner,rarer_place,commoner_place,
//          rarer_count,commoner_count, one line per pair;
//   JSON:  {"suits", "ranks", "cards", "order": [names], "counts":
//          [numbers, in the order's order], "self_consistent",
//          "breaking_pairs": [{"rarer", "commoner", "rarer_count",
//          "commoner_count"}]}, an array of them with allDecks.
void writeOrderChecks(std::ostream& out, const std::vector<OrderCheckReport>& reports,
                      const ReportOptions& options);

nlohmann::ordered_json orderSearchJson(const OrderSearchReport& report);
nlohmann::ordered_json orderCheckJson(const OrderCheckReport& report);

}  // namespace marvane
