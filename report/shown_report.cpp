// SPDX-License-Identifier: MIT
#include "report/shown_report.h"

#include "report/cards_format.h"

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

ShownReport shownReport(const DeckReport& report) {
    ShownReport shown{.deck = report.deck,
                      .cards = 5,
                      .jokers = 0,
                      .hands = report.hands,
                      .floatingPath = report.floatingPath,
                      .enumerated = report.enumerated,
                      .order = defaultOrder(report.deck),
                      .rows = {},
                      .source = report};
    for (const ReportRow& row : report.rows) {
        shown.rows.push_back(shownRow(row));
    }
    return shown;
}

ShownReport shownReport(const CardsReport& report) {
    ShownReport shown{.deck = report.deck,
                      .cards = report.cards,
                      .jokers = report.jokers,
                      .hands = report.hands,
                      .floatingPath = false,
                      .enumerated = report.enumerated,
                      .order = report.order,
                      .rows = {},
                      .source = report};
    shown.rows = report.rows;  // the same rows
    return shown;
}

ShownReport computedReport(Deck deck, std::uint32_t cards, std::uint32_t jokers) {
    if (cards <= 5 && jokers == 0) {
        return shownReport(buildDeckReport({.deck = deck}));
    }
    return shownReport(buildCardsReport({.deck = deck, .cards = cards, .jokers = jokers}));
}

std::string probabilityText(const ShownRow& row) {
    return readableProbability(row.probability);
}

std::vector<ResultRow> rowsInAddOrder(const ShownReport& report) {
    if (const auto* five = std::get_if<DeckReport>(&report.source)) {
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
    if (const auto* five = std::get_if<DeckReport>(&report.source)) {
        writeReports(out, {*five}, options);
    } else {
        writeCardsReports(out, {std::get<CardsReport>(report.source)}, options);
    }
}

}  // namespace marvane
