// SPDX-License-Identifier: MIT
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <vector>

#include "report/results/k_card_report.h"
#include "report/writers/five_card_writer.h"

namespace marvane {

// Writes reports of six- or seven-card hands as the five-card writers do,
// with the cards per hand added: the table's title names them ("4 suits x
// 13 ranks, 7 cards: ..."), CSV has a cards column after ranks, JSON a
// cards field. floating_path is always false: C(S*R, cards) is exact here.
void writeKCardReports(std::ostream& out, const std::vector<KCardReport>& reports,
                       const ReportOptions& options);

nlohmann::ordered_json kCardDeckJson(const KCardReport& report, bool odds);

}  // namespace marvane
