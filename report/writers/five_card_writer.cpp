// SPDX-License-Identifier: MIT
#include "report/writers/five_card_writer.h"

#include <cstdio>
#include <string>

#include "report/writers/writer_parts.h"

namespace marvane {

std::optional<ReportFormat> reportFormatFromName(std::string_view name) {
    if (name == "table") {
        return ReportFormat::Table;
    }
    if (name == "csv") {
        return ReportFormat::Csv;
    }
    if (name == "json") {
        return ReportFormat::Json;
    }
    return std::nullopt;
}

nlohmann::ordered_json fiveCardDeckJson(const FiveCardReport& report, bool odds) {
    return writers::deckObject(report, odds);
}

// Four significant figures are plenty to read.
std::string readableProbability(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.4g", value);
    return buffer;
}

std::string probabilityText(const ReportRow& row) {
    return readableProbability(row.probability);
}

std::string oddsOrNever(const ReportRow& row) {
    return writers::oddsCell(row);
}

void writeFiveCardReports(std::ostream& out, const std::vector<FiveCardReport>& reports,
                          const ReportOptions& options) {
    writers::writeAll(out, reports, options);
}

}  // namespace marvane
