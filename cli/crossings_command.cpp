// SPDX-License-Identifier: MIT
#include "cli/crossings_command.h"

#include <nlohmann/json.hpp>

#include "report/csv_field.h"
#include "report/number_reading.h"

namespace marvane {

std::variant<CrossingsQuery, std::string> readCrossingsQuery(const CrossingsArguments& arguments) {
    const auto varying = dimensionFromName(arguments.dimension);
    if (!varying) {
        return std::string("--crossings: Please choose suits, ranks or cards.");
    }
    if (arguments.perDeckOptions) {
        return std::string("--crossings cannot be combined with --all, --enumerate or --odds");
    }
    const bool suitsVary = *varying == DeckDimension::Suits;
    const std::string varyingOption = suitsVary ? "--suits" : "--ranks";
    const std::string fixedOption = suitsVary ? "--ranks" : "--suits";
    const auto& varyingText = suitsVary ? arguments.suits : arguments.ranks;
    const auto& fixedText = suitsVary ? arguments.ranks : arguments.suits;
    const std::string series = "--crossings " + arguments.dimension;
    if (varyingText) {
        return series + " covers every number of " + arguments.dimension + ": leave out " +
               varyingOption;
    }
    if (!fixedText) {
        return series + " needs " + fixedOption;
    }
    const std::uint32_t min = suitsVary ? kMinRanks : kMinSuits;
    const std::uint32_t max = suitsVary ? kMaxRanks : kMaxSuits;
    const NumberReading reading = readNumber(*fixedText, min, max);
    if (reading.status != NumberReadingStatus::Ok) {
        return fixedOption + ": " + numberReadingMessage(reading.status, min, max);
    }
    return CrossingsQuery{*varying, reading.value};
}

void writeCrossings(std::ostream& out, const std::vector<Crossing>& crossings,
                    DeckDimension varying, ReportFormat format) {
    writeCrossings(out, crossings, dimensionName(varying), format);
}

void writeCrossings(std::ostream& out, const std::vector<Crossing>& crossings,
                    std::string_view unit, ReportFormat format) {
    switch (format) {
        case ReportFormat::Table:
            for (const Crossing& crossing : crossings) {
                out << describeCrossing(crossing, unit) << '\n';
            }
            return;
        case ReportFormat::Csv:
            out << "from,to,rarer,commoner\n";
            for (const Crossing& crossing : crossings) {
                out << crossing.from << ',' << crossing.to << ','
                    << csvField(displayName(crossing.rarer)) << ','
                    << csvField(displayName(crossing.commoner)) << '\n';
            }
            return;
        case ReportFormat::Json: {
            auto document = nlohmann::ordered_json::array();
            for (const Crossing& crossing : crossings) {
                document.push_back({{"from", crossing.from},
                                    {"to", crossing.to},
                                    {"rarer", displayName(crossing.rarer)},
                                    {"commoner", displayName(crossing.commoner)}});
            }
            out << document.dump(2) << '\n';
            return;
        }
    }
}

}  // namespace marvane
