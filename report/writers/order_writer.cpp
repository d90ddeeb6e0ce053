// SPDX-License-Identifier: MIT
#include "report/writers/order_writer.h"

#include <string>

#include "engine/vocabulary/category_order.h"
#include "report/input/order_reading.h"
#include "report/results/k_card_report.h"
#include "report/words/card_notation.h"
#include "report/writers/csv_field.h"
#include "report/writers/text_table.h"

namespace marvane {

namespace {

std::string deckTitle(Deck deck, std::uint32_t cards, std::uint32_t jokers) {
    return std::to_string(deck.suits) + " suits x " + std::to_string(deck.ranks) + " ranks, " +
           std::to_string(cards) + " cards" + (jokers > 0 ? ", " + jokersText(jokers) : "");
}

// A deck with jokers adds a jokers column after the cards; without, the
// lines are as they always were.
template <class Report>
bool anyJokers(const std::vector<Report>& reports) {
    for (const Report& report : reports) {
        if (report.jokers > 0) {
            return true;
        }
    }
    return false;
}

template <class Report>
std::vector<std::string> deckFields(const Report& report, bool withJokers) {
    std::vector<std::string> fields{std::to_string(report.deck.suits),
                                    std::to_string(report.deck.ranks),
                                    std::to_string(report.cards)};
    if (withJokers) {
        fields.push_back(std::to_string(report.jokers));
    }
    return fields;
}

std::vector<std::string> deckHeader(bool withJokers) {
    std::vector<std::string> header{"suits", "ranks", "cards"};
    if (withJokers) {
        header.emplace_back("jokers");
    }
    return header;
}

template <class Report>
void addDeckFields(nlohmann::ordered_json& object, const Report& report) {
    object["suits"] = report.deck.suits;
    object["ranks"] = report.deck.ranks;
    object["cards"] = report.cards;
    if (report.jokers > 0) {
        object["jokers"] = report.jokers;
    }
}

void writeCsvLine(std::ostream& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        out << (i > 0 ? "," : "") << csvField(fields[i]);
    }
    out << '\n';
}

nlohmann::ordered_json namesOf(const CategoryOrder& order) {
    nlohmann::ordered_json names = nlohmann::ordered_json::array();
    for (HandCategory category : order) {
        names.push_back(displayName(category));
    }
    return names;
}

nlohmann::ordered_json countsAlong(const CategoryOrder& order, const CategoryCounts64& counts) {
    nlohmann::ordered_json numbers = nlohmann::ordered_json::array();
    for (HandCategory category : order) {
        numbers.push_back(counts[category]);
    }
    return numbers;
}

template <class Report, class Json>
void writeJson(std::ostream& out, const std::vector<Report>& reports, bool allDecks,
               const Json& json) {
    nlohmann::ordered_json document;
    if (allDecks) {
        document = nlohmann::ordered_json::array();
        for (const Report& report : reports) {
            document.push_back(json(report));
        }
    } else if (!reports.empty()) {
        document = json(reports.front());
    }
    out << document.dump(2) << '\n';
}

// --- the search ----------------------------------------------------------

void writeSearchTable(std::ostream& out, const OrderSearchReport& report) {
    out << deckTitle(report.deck, report.cards, report.jokers) << '\n';
    for (std::size_t i = 0; i < report.search.steps.size(); ++i) {
        const OrderStep& step = report.search.steps[i];
        out << "\nStep " << i << (i == 0 ? " (the deck's own order)" : "") << '\n';
        TextTable table;
        table.addColumn("Place", TextTable::Align::Right);
        table.addColumn("Hand", TextTable::Align::Left);
        table.addColumn("Hands", TextTable::Align::Right);
        for (std::size_t place = 0; place < step.order.size(); ++place) {
            table.addRow({std::to_string(place + 1), std::string(displayName(step.order[place])),
                          std::to_string(step.counts[step.order[place]])});
        }
        table.write(out);
    }
    out << '\n'
        << searchOutcomeSentence(report.search) << '\n'
        << existenceSentence(report) << '\n';
}

void writeSearchCsv(std::ostream& out, const std::vector<OrderSearchReport>& reports) {
    const bool withJokers = anyJokers(reports);
    std::vector<std::string> header = deckHeader(withJokers);
    header.insert(header.end(), {"outcome", "period", "exists", "step", "place", "index", "hand",
                                 "count", "consistent_place"});
    writeCsvLine(out, header);
    for (const OrderSearchReport& report : reports) {
        const bool cycle = report.search.outcome == OrderSearchOutcome::Cycle;
        const OrderPlaces consistentPlaces =
            report.consistentOrder ? placesOf(*report.consistentOrder) : OrderPlaces{};
        for (std::size_t i = 0; i < report.search.steps.size(); ++i) {
            const OrderStep& step = report.search.steps[i];
            for (std::size_t place = 0; place < step.order.size(); ++place) {
                const HandCategory category = step.order[place];
                std::vector<std::string> fields = deckFields(report, withJokers);
                fields.insert(
                    fields.end(),
                    {cycle ? "cycle" : "self-consistent",
                     cycle ? std::to_string(report.search.period) : "",
                     report.consistentOrder ? "true" : "false", std::to_string(i),
                     std::to_string(place + 1), std::to_string(indexOf(category)),
                     std::string(displayName(category)), std::to_string(step.counts[category]),
                     report.consistentOrder
                         ? std::to_string(consistentPlaces[indexOf(category)] + 1)
                         : ""});
                writeCsvLine(out, fields);
            }
        }
    }
}

// --- the check -----------------------------------------------------------

void writeCheckTable(std::ostream& out, const OrderCheckReport& report) {
    out << deckTitle(report.deck, report.cards, report.jokers)
        << ", order: " << orderText(report.order) << '\n';
    if (report.pairs.empty()) {
        out << "self-consistent: no category is rarer than one ranked above it\n";
    }
    for (const BreakingPair& pair : report.pairs) {
        out << breakingPairSentence(pair) << '\n';
    }
}

void writeCheckCsv(std::ostream& out, const std::vector<OrderCheckReport>& reports) {
    const bool withJokers = anyJokers(reports);
    std::vector<std::string> header = deckHeader(withJokers);
    header.insert(header.end(), {"rarer", "commoner", "rarer_place", "commoner_place",
                                 "rarer_count", "commoner_count"});
    writeCsvLine(out, header);
    for (const OrderCheckReport& report : reports) {
        const OrderPlaces places = placesOf(report.order);
        for (const BreakingPair& pair : report.pairs) {
            std::vector<std::string> fields = deckFields(report, withJokers);
            fields.insert(
                fields.end(),
                {std::string(displayName(pair.rarer)), std::string(displayName(pair.commoner)),
                 std::to_string(places[indexOf(pair.rarer)] + 1),
                 std::to_string(places[indexOf(pair.commoner)] + 1),
                 std::to_string(pair.rarerCount), std::to_string(pair.commonerCount)});
            writeCsvLine(out, fields);
        }
    }
}

}  // namespace

nlohmann::ordered_json orderSearchJson(const OrderSearchReport& report) {
    nlohmann::ordered_json steps = nlohmann::ordered_json::array();
    for (const OrderStep& step : report.search.steps) {
        steps.push_back(
            {{"order", namesOf(step.order)}, {"counts", countsAlong(step.order, step.counts)}});
    }
    const bool cycle = report.search.outcome == OrderSearchOutcome::Cycle;
    nlohmann::ordered_json object;
    addDeckFields(object, report);
    object["steps"] = std::move(steps);
    object["outcome"] = cycle ? "cycle" : "self-consistent";
    object["period"] =
        cycle ? nlohmann::ordered_json(report.search.period) : nlohmann::ordered_json(nullptr);
    object["exists"] = report.consistentOrder.has_value();
    object["consistent_order"] =
        report.consistentOrder ? namesOf(*report.consistentOrder) : nlohmann::ordered_json(nullptr);
    return object;
}

nlohmann::ordered_json orderCheckJson(const OrderCheckReport& report) {
    nlohmann::ordered_json pairs = nlohmann::ordered_json::array();
    for (const BreakingPair& pair : report.pairs) {
        pairs.push_back({{"rarer", displayName(pair.rarer)},
                         {"commoner", displayName(pair.commoner)},
                         {"rarer_count", pair.rarerCount},
                         {"commoner_count", pair.commonerCount}});
    }
    nlohmann::ordered_json object;
    addDeckFields(object, report);
    object["order"] = namesOf(report.order);
    object["counts"] = countsAlong(report.order, report.counts);
    object["self_consistent"] = report.pairs.empty();
    object["breaking_pairs"] = std::move(pairs);
    return object;
}

void writeOrderSearches(std::ostream& out, const std::vector<OrderSearchReport>& reports,
                        const ReportOptions& options) {
    switch (options.format) {
        case ReportFormat::Table:
            for (std::size_t i = 0; i < reports.size(); ++i) {
                out << (i > 0 ? "\n" : "");
                writeSearchTable(out, reports[i]);
            }
            return;
        case ReportFormat::Csv:
            writeSearchCsv(out, reports);
            return;
        case ReportFormat::Json:
            writeJson(out, reports, options.allDecks, orderSearchJson);
            return;
    }
}

void writeOrderChecks(std::ostream& out, const std::vector<OrderCheckReport>& reports,
                      const ReportOptions& options) {
    switch (options.format) {
        case ReportFormat::Table:
            for (std::size_t i = 0; i < reports.size(); ++i) {
                out << (i > 0 ? "\n" : "");
                writeCheckTable(out, reports[i]);
            }
            return;
        case ReportFormat::Csv:
            writeCheckCsv(out, reports);
            return;
        case ReportFormat::Json:
            writeJson(out, reports, options.allDecks, orderCheckJson);
            return;
    }
}

}  // namespace marvane
