// SPDX-License-Identifier: MIT
#include "report/writers/k_card_writer.h"

#include "report/writers/writer_parts.h"

namespace marvane {

nlohmann::ordered_json kCardDeckJson(const KCardReport& report, bool odds) {
    return writers::deckObject(report, odds);
}

void writeKCardReports(std::ostream& out, const std::vector<KCardReport>& reports,
                       const ReportOptions& options) {
    writers::writeAll(out, reports, options);
}

}  // namespace marvane
