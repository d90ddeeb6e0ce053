// SPDX-License-Identifier: MIT
#include "report/report_format.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <string>

#include "engine/result_rows.h"
#include "report/category_definitions.h"
#include "report/csv_field.h"
#include "report/text_table.h"

namespace marvane {

namespace {

// The tables' footnote to the mark: "* The number of possible hands ...".
std::string floatingPathNote() {
    std::string sentence(kFloatingPathTerm.definition);
    sentence.front() =
        static_cast<char>(std::toupper(static_cast<unsigned char>(sentence.front())));
    return std::string(kFloatingPathTerm.name) + ' ' + sentence;
}

// The odds of a category that has no hands.
constexpr char kNever[] = "never";

bool anyEnumerated(const std::vector<DeckReport>& reports) {
    for (const DeckReport& report : reports) {
        if (report.enumerated) {
            return true;
        }
    }
    return false;
}

// The shortest text that reads back as the same double, so CSV loses nothing.
std::string exactDecimal(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// --- table -------------------------------------------------------------

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

std::vector<std::string> rowCells(const ReportRow& row, bool enumerated, bool odds) {
    std::vector<std::string> cells{std::string(row.name)};
    if (enumerated) {
        // A deck that was not enumerated keeps its cell empty in a mixed table.
        cells.push_back(row.enumerated ? formatCount(*row.enumerated) : std::string());
    }
    cells.push_back(formatCount(row.computed));
    cells.push_back(formatCount(row.total));
    if (odds) {
        cells.push_back(probabilityText(row));
        cells.push_back(oddsOrNever(row));
    }
    return cells;
}

std::string handsCell(const DeckReport& report) {
    return formatCount(report.hands) + (report.floatingPath ? "*" : "");
}

void writeOneDeckTable(std::ostream& out, const DeckReport& report, bool odds) {
    out << report.deck.suits << " suits x " << report.deck.ranks << " ranks: " << handsCell(report)
        << " possible hands\n\n";
    TextTable table;
    addRowColumns(table, report.enumerated, odds);
    for (const ReportRow& row : report.rows) {
        table.addRow(rowCells(row, report.enumerated, odds));
    }
    table.write(out);
    if (report.floatingPath) {
        out << '\n' << floatingPathNote() << '\n';
    }
}

void writeAllDecksTable(std::ostream& out, const std::vector<DeckReport>& reports, bool odds) {
    const bool enumerated = anyEnumerated(reports);
    TextTable table;
    table.addColumn("Suits", TextTable::Align::Right);
    table.addColumn("Ranks", TextTable::Align::Right);
    table.addColumn("Hands", TextTable::Align::Right);
    addRowColumns(table, enumerated, odds);
    bool anyFloatingPath = false;
    for (const DeckReport& report : reports) {
        anyFloatingPath = anyFloatingPath || report.floatingPath;
        for (const ReportRow& row : report.rows) {
            std::vector<std::string> cells{formatCount(report.deck.suits),
                                           formatCount(report.deck.ranks), handsCell(report)};
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

void writeCsvLine(std::ostream& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        out << (i > 0 ? "," : "") << csvField(fields[i]);
    }
    out << '\n';
}

void writeCsv(std::ostream& out, const std::vector<DeckReport>& reports, bool odds) {
    const bool enumerated = anyEnumerated(reports);
    std::vector<std::string> header{"suits", "ranks", "hands", "floating_path", "index", "hand"};
    if (enumerated) {
        header.push_back("enumerated");
    }
    header.insert(header.end(), {"computed", "total"});
    if (odds) {
        header.insert(header.end(), {"probability", "odds"});
    }
    writeCsvLine(out, header);

    for (const DeckReport& report : reports) {
        for (const ReportRow& row : report.rows) {
            std::vector<std::string> fields{
                formatCount(report.deck.suits),
                formatCount(report.deck.ranks),
                formatCount(report.hands),
                report.floatingPath ? "true" : "false",
                formatCount(static_cast<std::uint32_t>(indexOf(row.category))),
                std::string(row.name)};
            if (enumerated) {
                fields.push_back(row.enumerated ? formatCount(*row.enumerated) : std::string());
            }
            fields.push_back(formatCount(row.computed));
            fields.push_back(formatCount(row.total));
            if (odds) {
                fields.push_back(exactDecimal(row.probability));
                fields.push_back(oddsOrNever(row));
            }
            writeCsvLine(out, fields);
        }
    }
}

// --- JSON ---------------------------------------------------------------

void writeJson(std::ostream& out, const std::vector<DeckReport>& reports, bool odds,
               bool allDecks) {
    nlohmann::ordered_json document;
    if (allDecks) {
        document = nlohmann::ordered_json::array();
        for (const DeckReport& report : reports) {
            document.push_back(deckJson(report, odds));
        }
    } else if (!reports.empty()) {
        document = deckJson(reports.front(), odds);
    }
    out << document.dump(2) << '\n';
}

}  // namespace

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

nlohmann::ordered_json deckJson(const DeckReport& report, bool odds) {
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const ReportRow& row : report.rows) {
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
    object["hands"] = report.hands;
    object["floating_path"] = report.floatingPath;
    object["rows"] = std::move(rows);
    return object;
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
    return row.odds.value_or(kNever);
}

void writeReports(std::ostream& out, const std::vector<DeckReport>& reports,
                  const ReportOptions& options) {
    switch (options.format) {
        case ReportFormat::Table:
            if (options.allDecks) {
                writeAllDecksTable(out, reports, options.odds);
            } else if (!reports.empty()) {
                writeOneDeckTable(out, reports.front(), options.odds);
            }
            break;
        case ReportFormat::Csv:
            writeCsv(out, reports, options.odds);
            break;
        case ReportFormat::Json:
            writeJson(out, reports, options.odds, options.allDecks);
            break;
    }
}

}  // namespace marvane
