// SPDX-License-Identifier: MIT
#include "report/cards_report.h"

#include <stdexcept>

#include "engine/card_count.h"
#include "engine/result_rows.h"
#include "engine/totals.h"
#include "report/odds.h"

namespace marvane {

CardsReport buildCardsReport(const CardsReportOptions& options) {
    const Deck deck = options.deck;
    if (!deck.isAdmissible()) {
        throw std::invalid_argument("deck " + std::to_string(deck.suits) + " x " +
                                    std::to_string(deck.ranks) + " is not admissible");
    }
    if (options.cards <= kMinCards || options.cards > kMaxCards) {
        throw std::invalid_argument("a report of best fives takes 6 or 7 cards, not " +
                                    std::to_string(options.cards));
    }
    if (options.workers < 1 || options.workers > kMaxWorkers) {
        throw std::invalid_argument("an enumeration takes 1 to " + std::to_string(kMaxWorkers) +
                                    " workers, not " + std::to_string(options.workers));
    }
    CardsReport report;
    report.deck = deck;
    report.cards = options.cards;
    report.hands = choose64(deck.cardCount(), options.cards);
    report.order = options.order.empty() ? defaultOrder(deck) : options.order;
    // Throws for an order that can't rank the deck's hands.
    const bool counted = options.counting != nullptr && options.counting->deck() == deck &&
                         options.counting->cards() == options.cards;
    report.computed = counted ? options.counting->counts(report.order)
                              : countCards(deck, options.cards, report.order);

    if (options.enumerate) {
        const CardsEnumeration run = enumerateCards(
            deck, options.cards, report.order,
            {.workers = options.workers, .progress = options.progress, .stop = options.stop});
        if (run.status == CardsRunStatus::Completed) {
            report.enumerated = true;
            report.enumeratedCounts = run.counts;
            report.threads = run.threads;
        } else {
            report.cancelled = true;
        }
    }
    if (report.enumerated) {
        for (std::size_t c = 0; c < kCategoryCount; ++c) {
            if (report.enumeratedCounts[c] != report.computed[c]) {
                report.mismatches.push_back(
                    {static_cast<HandCategory>(c), report.enumeratedCounts[c], report.computed[c]});
            }
        }
    }
    report.totals = computeTotals(report.enumerated ? report.enumeratedCounts : report.computed);
    for (HandCategory category : displayOrder(report.totals)) {
        const auto enumerated =
            report.enumerated ? std::optional(report.enumeratedCounts[category]) : std::nullopt;
        report.rows.push_back(makeReportRow(category, enumerated, report.computed[category],
                                            report.totals[category], report.hands));
    }
    return report;
}

std::string describeMismatch(const CardsReport& report, const CardsMismatch& mismatch) {
    return std::to_string(report.deck.suits) + " suits x " + std::to_string(report.deck.ranks) +
           " ranks, " + std::to_string(report.cards) +
           " cards: " + std::string(displayName(mismatch.category)) + ": enumerated " +
           std::to_string(mismatch.enumerated) + ", computed " + std::to_string(mismatch.computed);
}

}  // namespace marvane
