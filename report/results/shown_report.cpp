// SPDX-License-Identifier: MIT
#include "report/results/shown_report.h"

#include <stdexcept>

#include "report/writers/k_card_writer.h"

namespace marvane {

namespace {

ShownRow shownRow(const ReportRow& row) {
    ShownRow shown{row.category, row.name,        std::nullopt, row.computed,
                   row.total,    row.probability, row.odds};
    if (row.enumerated) {
        shown.enumerated = *row.enumerated;
    }
    return shown;
}

}  // namespace

const ShownRow* ShownReport::row(HandCategory category) const {
    for (const ShownRow& candidate : rows) {
        if (candidate.category == category) {
            return &candidate;
        }
    }
    return nullptr;
}

ShownReport shownReport(const FiveCardReport& report) {
    ShownReport shown{.deck = report.deck,
                      .cards = 5,
                      .jokers = 0,
                      .hands = report.hands,
                      .floatingPath = report.floatingPath,
                      .enumerated = report.enumerated,
                      .cancelled = report.cancelled,
                      .order = defaultOrder(report.deck, kHandSize, 0),
                      .rows = {},
                      .mismatches = report.mismatches,
                      .threads = report.threads,
                      .source = report};
    for (const ReportRow& row : report.rows) {
        shown.rows.push_back(shownRow(row));
    }
    return shown;
}

ShownReport shownReport(const KCardReport& report) {
    ShownReport shown{.deck = report.deck,
                      .cards = report.cards,
                      .jokers = report.jokers,
                      .hands = report.hands,
                      .floatingPath = false,
                      .enumerated = report.enumerated,
                      .cancelled = report.cancelled,
                      .order = report.order,
                      .rows = {},
                      .mismatches = report.mismatches,
                      .threads = report.threads,
                      .source = report};
    shown.rows = report.rows;  // the same rows
    return shown;
}

std::string probabilityText(const ShownRow& row) {
    return readableProbability(row.probability);
}

std::vector<ResultRow> rowsInAddOrder(const ShownReport& report) {
    if (const auto* five = std::get_if<FiveCardReport>(&report.source)) {
        return rowsInAddOrder(*five);  // the five-card list's own texts, to the byte
    }
    std::vector<ResultRow> rows;
    for (HandCategory category : kRowAddOrder) {
        const ShownRow* row = report.row(category);
        if (row == nullptr) {
            continue;  // a report always has all 17; nothing to show otherwise
        }
        ResultRow texts{category, {std::string(displayName(category))}};
        if (report.enumerated) {
            texts.texts.push_back(std::to_string(row->enumerated.value_or(0)));
        }
        texts.texts.push_back(std::to_string(row->computed));
        texts.texts.push_back(std::to_string(row->total));
        rows.push_back(std::move(texts));
    }
    return rows;
}

void writeShownReport(std::ostream& out, const ShownReport& report, const ReportOptions& options) {
    if (const auto* five = std::get_if<FiveCardReport>(&report.source)) {
        writeFiveCardReports(out, {*five}, options);
    } else {
        writeKCardReports(out, {std::get<KCardReport>(report.source)}, options);
    }
}

void writeShownReports(std::ostream& out, const std::vector<ShownReport>& reports,
                       const ReportOptions& options) {
    std::vector<FiveCardReport> fives;
    std::vector<KCardReport> others;
    for (const ShownReport& report : reports) {
        if (const auto* five = std::get_if<FiveCardReport>(&report.source)) {
            fives.push_back(*five);
        } else {
            others.push_back(std::get<KCardReport>(report.source));
        }
    }
    if (!fives.empty() && !others.empty()) {
        throw std::invalid_argument("one document holds reports of one hand size and jokers");
    }
    if (others.empty()) {
        writeFiveCardReports(out, fives, options);
    } else {
        writeKCardReports(out, others, options);
    }
}

}  // namespace marvane
