// SPDX-License-Identifier: MIT
#pragma once

// The table, CSV and JSON writers for both kinds of report: five-card
// (FiveCardReport) and six- or seven-card or with jokers (KCardReport). Both have
// the same rows; a KCardReport adds its cards per hand (and jokers, when it
// has any) to the title, a column and a field, and never has the "*" of a
// floating-point binomial.
// For five_card_writer.cpp and k_card_writer.cpp only.

#include <cctype>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "report/results/five_card_report.h"
#include "report/results/k_card_report.h"
#include "report/words/card_notation.h"
#include "report/words/category_definitions.h"
#include "report/writers/csv_field.h"
#include "report/writers/decimal_text.h"
#include "report/writers/five_card_writer.h"
#include "report/writers/text_table.h"

namespace marvane::writers {

inline bool floatingPathOf(const FiveCardReport& report) {
    return report.floatingPath;
}
inline bool floatingPathOf(const KCardReport&) {
    return false;
}
inline std::optional<std::uint32_t> cardsOf(const FiveCardReport&) {
    return std::nullopt;
}
inline std::optional<std::uint32_t> cardsOf(const KCardReport& report) {
    return report.cards;
}
// Only a deck with jokers names them, so one without reads as it always did.
inline std::optional<std::uint32_t> jokersOf(const FiveCardReport&) {
    return std::nullopt;
}
inline std::optional<std::uint32_t> jokersOf(const KCardReport& report) {
    return report.jokers > 0 ? std::optional(report.jokers) : std::nullopt;
}
template <typename Report>
bool anyJokers(const std::vector<Report>& reports) {
    for (const Report& report : reports) {
        if (jokersOf(report)) {
            return true;
        }
    }
    return false;
}

// The tables' footnote to the mark: "* The number of possible hands ...".
inline std::string floatingPathNote() {
    std::string sentence(kFloatingPathTerm.definition);
    sentence.front() =
        static_cast<char>(std::toupper(static_cast<unsigned char>(sentence.front())));
    return std::string(kFloatingPathTerm.name) + ' ' + sentence;
}

template <typename Row>
std::string oddsCell(const Row& row) {
    return row.odds.value_or("never");
}

template <typename Report>
bool anyEnumerated(const std::vector<Report>& reports) {
    for (const Report& report : reports) {
        if (report.enumerated) {
            return true;
        }
    }
    return false;
}

// --- table -------------------------------------------------------------

inline void addRowColumns(TextTable& table, bool enumerated, bool odds) {
    using Align = TextTable::Align;
    table.addColumn("Hand", Align::Left);
    if (enumerated) {
        table.addColumn("Enumerated", Align::Right);
    }
    table.addColumn("Computed", Align::Right);
    table.addColumn("Total", Align::Right);
    if (odds) {
        table.addColumn("Probability", Align::Right);
        table.addColumn("Odds", Align::Left);
    }
}

template <typename Row>
std::vector<std::string> rowCells(const Row& row, bool enumerated, bool odds) {
    std::vector<std::string> cells{std::string(row.name)};
    if (enumerated) {
        // A deck that was not enumerated keeps its cell empty in a mixed table.
        cells.push_back(row.enumerated ? std::to_string(*row.enumerated) : std::string());
    }
    cells.push_back(std::to_string(row.computed));
    cells.push_back(std::to_string(row.total));
    if (odds) {
        cells.push_back(readableProbability(row.probability));
        cells.push_back(oddsCell(row));
    }
    return cells;
}

template <typename Report>
std::string handsCell(const Report& report) {
    return std::to_string(report.hands) + (floatingPathOf(report) ? "*" : "");
}

template <typename Report>
void writeOneDeckTable(std::ostream& out, const Report& report, bool odds) {
    out << report.deck.suits << " suits x " << report.deck.ranks << " ranks";
    if (const auto cards = cardsOf(report)) {
        out << ", " << *cards << " cards";
    }
    if (const auto jokers = jokersOf(report)) {
        out << ", " << jokersText(*jokers);
    }
    out << ": " << handsCell(report) << " possible hands\n\n";
    TextTable table;
    addRowColumns(table, report.enumerated, odds);
    for (const auto& row : report.rows) {
        table.addRow(rowCells(row, report.enumerated, odds));
    }
    table.write(out);
    if (floatingPathOf(report)) {
        out << '\n' << floatingPathNote() << '\n';
    }
}

template <typename Report>
void writeAllDecksTable(std::ostream& out, const std::vector<Report>& reports, bool odds) {
    const bool enumerated = anyEnumerated(reports);
    const bool withCards = !reports.empty() && cardsOf(reports.front()).has_value();
    const bool withJokers = anyJokers(reports);
    TextTable table;
    table.addColumn("Suits", TextTable::Align::Right);
    table.addColumn("Ranks", TextTable::Align::Right);
    if (withCards) {
        table.addColumn("Cards", TextTable::Align::Right);
    }
    if (withJokers) {
        table.addColumn("Jokers", TextTable::Align::Right);
    }
    table.addColumn("Hands", TextTable::Align::Right);
    addRowColumns(table, enumerated, odds);
    bool anyFloatingPath = false;
    for (const Report& report : reports) {
        anyFloatingPath = anyFloatingPath || floatingPathOf(report);
        for (const auto& row : report.rows) {
            std::vector<std::string> cells{std::to_string(report.deck.suits),
                                           std::to_string(report.deck.ranks)};
            if (const auto cards = cardsOf(report)) {
                cells.push_back(std::to_string(*cards));
            }
            if (withJokers) {
                cells.push_back(std::to_string(jokersOf(report).value_or(0)));
            }
            cells.push_back(handsCell(report));
            for (std::string& cell : rowCells(row, enumerated, odds)) {
                cells.push_back(std::move(cell));
            }
            table.addRow(std::move(cells));
        }
    }
    table.write(out);
    if (anyFloatingPath) {
        out << '\n' << floatingPathNote() << '\n';
    }
}

// --- CSV ----------------------------------------------------------------

inline void writeCsvLine(std::ostream& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        out << (i > 0 ? "," : "") << csvField(fields[i]);
    }
    out << '\n';
}

template <typename Report>
void writeCsv(std::ostream& out, const std::vector<Report>& reports, bool odds) {
    const bool enumerated = anyEnumerated(reports);
    const bool withCards = !reports.empty() && cardsOf(reports.front()).has_value();
    const bool withJokers = anyJokers(reports);
    std::vector<std::string> header{"suits", "ranks"};
    if (withCards) {
        header.push_back("cards");
    }
    if (withJokers) {
        header.push_back("jokers");
    }
    header.insert(header.end(), {"hands", "floating_path", "index", "hand"});
    if (enumerated) {
        header.push_back("enumerated");
    }
    header.insert(header.end(), {"computed", "total"});
    if (odds) {
        header.insert(header.end(), {"probability", "odds"});
    }
    writeCsvLine(out, header);

    for (const Report& report : reports) {
        for (const auto& row : report.rows) {
            std::vector<std::string> fields{std::to_string(report.deck.suits),
                                            std::to_string(report.deck.ranks)};
            if (const auto cards = cardsOf(report)) {
                fields.push_back(std::to_string(*cards));
            }
            if (withJokers) {
                fields.push_back(std::to_string(jokersOf(report).value_or(0)));
            }
            fields.insert(fields.end(),
                          {std::to_string(report.hands), floatingPathOf(report) ? "true" : "false",
                           std::to_string(indexOf(row.category)), std::string(row.name)});
            if (enumerated) {
                fields.push_back(row.enumerated ? std::to_string(*row.enumerated) : std::string());
            }
            fields.push_back(std::to_string(row.computed));
            fields.push_back(std::to_string(row.total));
            if (odds) {
                fields.push_back(exactDecimal(row.probability));
                fields.push_back(oddsCell(row));
            }
            writeCsvLine(out, fields);
        }
    }
}

// --- JSON ---------------------------------------------------------------

template <typename Report>
nlohmann::ordered_json deckObject(const Report& report, bool odds) {
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const auto& row : report.rows) {
        nlohmann::ordered_json item;
        item["index"] = indexOf(row.category);
        item["name"] = row.name;
        if (row.enumerated) {
            item["enumerated"] = *row.enumerated;
        }
        item["computed"] = row.computed;
        item["total"] = row.total;
        if (odds) {
            item["probability"] = row.probability;
            item["odds"] =
                row.odds ? nlohmann::ordered_json(*row.odds) : nlohmann::ordered_json(nullptr);
        }
        rows.push_back(std::move(item));
    }
    nlohmann::ordered_json object;
    object["suits"] = report.deck.suits;
    object["ranks"] = report.deck.ranks;
    if (const auto cards = cardsOf(report)) {
        object["cards"] = *cards;
    }
    if (const auto jokers = jokersOf(report)) {
        object["jokers"] = *jokers;
    }
    object["hands"] = report.hands;
    object["floating_path"] = floatingPathOf(report);
    object["rows"] = std::move(rows);
    return object;
}

template <typename Report>
void writeAll(std::ostream& out, const std::vector<Report>& reports, const ReportOptions& options) {
    switch (options.format) {
        case ReportFormat::Table:
            if (options.allDecks) {
                writeAllDecksTable(out, reports, options.odds);
            } else if (!reports.empty()) {
                writeOneDeckTable(out, reports.front(), options.odds);
            }
            return;
        case ReportFormat::Csv:
            writeCsv(out, reports, options.odds);
            return;
        case ReportFormat::Json: {
            nlohmann::ordered_json document;
            if (options.allDecks) {
                document = nlohmann::ordered_json::array();
                for (const Report& report : reports) {
                    document.push_back(deckObject(report, options.odds));
                }
            } else if (!reports.empty()) {
                document = deckObject(reports.front(), options.odds);
            }
            out << document.dump(2) << '\n';
            return;
        }
    }
}

}  // namespace marvane::writers
