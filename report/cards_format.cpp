// SPDX-License-Identifier: MIT
#include "report/cards_format.h"

#include <charconv>
#include <cstdio>
#include <string>

#include "report/csv_field.h"
#include "report/text_table.h"

namespace marvane {

namespace {

bool anyEnumerated(const std::vector<CardsReport>& reports) {
    for (const CardsReport& report : reports) {
        if (report.enumerated) {
            return true;
        }
    }
    return false;
}

std::string exactDecimal(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string oddsOrNever(const CardsReportRow& row) {
    return row.odds.value_or("never");
}

void addRowColumns(TextTable& table, bool enumerated, bool odds) {
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

std::vector<std::string> rowCells(const CardsReportRow& row, bool enumerated, bool odds) {
    std::vector<std::string> cells{std::string(row.name)};
    if (enumerated) {
        cells.push_back(row.enumerated ? std::to_string(*row.enumerated) : std::string());
    }
    cells.push_back(std::to_string(row.computed));
    cells.push_back(std::to_string(row.total));
    if (odds) {
        cells.push_back(readableProbability(row.probability));
        cells.push_back(oddsOrNever(row));
    }
    return cells;
}

void writeOneDeckTable(std::ostream& out, const CardsReport& report, bool odds) {
    out << report.deck.suits << " suits x " << report.deck.ranks << " ranks, " << report.cards
        << " cards: " << report.hands << " possible hands\n\n";
    TextTable table;
    addRowColumns(table, report.enumerated, odds);
    for (const CardsReportRow& row : report.rows) {
        table.addRow(rowCells(row, report.enumerated, odds));
    }
    table.write(out);
}

void writeAllDecksTable(std::ostream& out, const std::vector<CardsReport>& reports, bool odds) {
    const bool enumerated = anyEnumerated(reports);
    TextTable table;
    for (const char* heading : {"Suits", "Ranks", "Cards", "Hands"}) {
        table.addColumn(heading, TextTable::Align::Right);
    }
    addRowColumns(table, enumerated, odds);
    for (const CardsReport& report : reports) {
        for (const CardsReportRow& row : report.rows) {
            std::vector<std::string> cells{
                std::to_string(report.deck.suits), std::to_string(report.deck.ranks),
                std::to_string(report.cards), std::to_string(report.hands)};
            for (std::string& cell : rowCells(row, enumerated, odds)) {
                cells.push_back(std::move(cell));
            }
            table.addRow(std::move(cells));
        }
    }
    table.write(out);
}

void writeCsvLine(std::ostream& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        out << (i > 0 ? "," : "") << csvField(fields[i]);
    }
    out << '\n';
}

void writeCsv(std::ostream& out, const std::vector<CardsReport>& reports, bool odds) {
    const bool enumerated = anyEnumerated(reports);
    std::vector<std::string> header{"suits",         "ranks", "cards", "hands",
                                    "floating_path", "index", "hand"};
    if (enumerated) {
        header.push_back("enumerated");
    }
    header.insert(header.end(), {"computed", "total"});
    if (odds) {
        header.insert(header.end(), {"probability", "odds"});
    }
    writeCsvLine(out, header);
    for (const CardsReport& report : reports) {
        for (const CardsReportRow& row : report.rows) {
            std::vector<std::string> fields{std::to_string(report.deck.suits),
                                            std::to_string(report.deck.ranks),
                                            std::to_string(report.cards),
                                            std::to_string(report.hands),
                                            "false",
                                            std::to_string(indexOf(row.category)),
                                            std::string(row.name)};
            if (enumerated) {
                fields.push_back(row.enumerated ? std::to_string(*row.enumerated) : std::string());
            }
            fields.push_back(std::to_string(row.computed));
            fields.push_back(std::to_string(row.total));
            if (odds) {
                fields.push_back(exactDecimal(row.probability));
                fields.push_back(oddsOrNever(row));
            }
            writeCsvLine(out, fields);
        }
    }
}

}  // namespace

nlohmann::ordered_json cardsDeckJson(const CardsReport& report, bool odds) {
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const CardsReportRow& row : report.rows) {
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
    object["cards"] = report.cards;
    object["hands"] = report.hands;
    object["floating_path"] = false;
    object["rows"] = std::move(rows);
    return object;
}

void writeCardsReports(std::ostream& out, const std::vector<CardsReport>& reports,
                       const ReportOptions& options) {
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
                for (const CardsReport& report : reports) {
                    document.push_back(cardsDeckJson(report, options.odds));
                }
            } else if (!reports.empty()) {
                document = cardsDeckJson(reports.front(), options.odds);
            }
            out << document.dump(2) << '\n';
            return;
        }
    }
}

}  // namespace marvane
