// SPDX-License-Identifier: MIT
#include "report/cards_format.h"

#include "report/report_writers.h"

namespace marvane {

nlohmann::ordered_json cardsDeckJson(const CardsReport& report, bool odds) {
    return writers::deckObject(report, odds);
}

void writeCardsReports(std::ostream& out, const std::vector<CardsReport>& reports,
                       const ReportOptions& options) {
    writers::writeAll(out, reports, options);
}

}  // namespace marvane
