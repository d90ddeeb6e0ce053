// SPDX-License-Identifier: MIT
#include "cli/crossings_command.h"

#include <functional>
#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/program_output.h"
#include "report/input/number_reading.h"
#include "report/words/crossing_words.h"
#include "report/writers/csv_field.h"

namespace marvane {

std::variant<CrossingsQuery, std::string> readCrossingsQuery(const CrossingsArguments& arguments) {
    const auto varying = dimensionFromName(arguments.dimension);
    if (!varying) {
        return std::string("--crossings: Please choose suits, ranks, cards or jokers.");
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

namespace {

using UnitOf = std::function<std::string_view(const Crossing&)>;

void writeAny(std::ostream& out, const std::vector<Crossing>& crossings, const UnitOf& unit,
              ReportFormat format, bool ties) {
    switch (format) {
        case ReportFormat::Table:
            for (const Crossing& crossing : crossings) {
                out << describeCrossing(crossing, unit(crossing)) << '\n';
            }
            return;
        case ReportFormat::Csv:
            out << "from,to,rarer,commoner" << (ties ? ",equal_from" : "") << '\n';
            for (const Crossing& crossing : crossings) {
                out << crossing.from << ',' << crossing.to << ','
                    << csvField(displayName(crossing.rarer)) << ','
                    << csvField(displayName(crossing.commoner));
                if (ties) {
                    out << ',' << (crossing.equalFrom ? std::to_string(*crossing.equalFrom) : "");
                }
                out << '\n';
            }
            return;
        case ReportFormat::Json: {
            auto document = nlohmann::ordered_json::array();
            for (const Crossing& crossing : crossings) {
                nlohmann::ordered_json item{{"from", crossing.from},
                                            {"to", crossing.to},
                                            {"rarer", displayName(crossing.rarer)},
                                            {"commoner", displayName(crossing.commoner)}};
                if (ties) {
                    item["equal_from"] = crossing.equalFrom
                                             ? nlohmann::ordered_json(*crossing.equalFrom)
                                             : nlohmann::ordered_json(nullptr);
                }
                document.push_back(std::move(item));
            }
            out << document.dump(2) << '\n';
            return;
        }
    }
}

}  // namespace

void writeCrossings(std::ostream& out, const std::vector<Crossing>& crossings,
                    std::string_view unit, ReportFormat format) {
    writeAny(
        out, crossings, [unit](const Crossing&) { return unit; }, format, false);
}

void writeJokerCrossings(std::ostream& out, const std::vector<Crossing>& crossings,
                         ReportFormat format) {
    writeAny(out, crossings, jokerUnit, format, true);
}

int run(const DeckCrossingsOptions& options) {
    const CrossingsQuery& query = options.query;
    writeCrossings(std::cout,
                   findCrossings(query.varying, query.fixed, options.cards, options.jokers),
                   query.varying, options.format);
    return writtenStatus();
}

int run(const CardCrossingsOptions& options) {
    writeCrossings(std::cout, findCardCrossings(options.deck, options.jokers), "cards",
                   options.format);
    return writtenStatus();
}

int run(const JokerCrossingsOptions& options) {
    writeJokerCrossings(std::cout, findJokerCrossings(options.deck, options.cards), options.format);
    return writtenStatus();
}

}  // namespace marvane
