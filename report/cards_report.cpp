// SPDX-License-Identifier: MIT
#include "report/cards_report.h"

#include <stdexcept>

#include "engine/card_count.h"
#include "engine/joker_enumerator.h"
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
    const std::uint32_t fewest = options.jokers > 0 ? kMinCards : kMinCards + 1;
    if (options.cards < fewest || options.cards > kMaxCards) {
        throw std::invalid_argument("a report of best fives takes " + std::to_string(fewest) +
                                    " to 7 cards, not " + std::to_string(options.cards));
    }
    if (options.jokers > kMaxJokers) {
        throw std::invalid_argument("a deck holds 0 to 4 jokers, not " +
                                    std::to_string(options.jokers));
    }
    if (options.workers < 1 || options.workers > kMaxWorkers) {
        throw std::invalid_argument("an enumeration takes 1 to " + std::to_string(kMaxWorkers) +
                                    " workers, not " + std::to_string(options.workers));
    }
    CardsReport report;
    report.deck = deck;
    report.cards = options.cards;
    report.jokers = options.jokers;
    report.hands = choose64(deck.cardCount() + options.jokers, options.cards);
    report.order = options.order.empty() ? defaultOrder(deck, options.jokers) : options.order;
    // Throws for an order that can't rank the hands.
    const bool counted = options.counting != nullptr && options.counting->deck() == deck &&
                         options.counting->cards() == options.cards &&
                         options.counting->jokers() == options.jokers;
    report.computed = counted ? options.counting->counts(report.order)
                              : countCards(deck, options.cards, report.order, options.jokers);

    if (options.enumerate) {
        const CardsEnumerationOptions runOptions{
            .workers = options.workers, .progress = options.progress, .stop = options.stop};
        const CardsEnumeration run =
            options.jokers > 0
                ? enumerateJokers(deck, options.cards, options.jokers, report.order, runOptions)
                : enumerateCards(deck, options.cards, report.order, runOptions);
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
           " ranks, " + std::to_string(report.cards) + " cards" +
           (report.jokers > 0 ? ", " + jokersText(report.jokers) : std::string()) + ": " +
           std::string(displayName(mismatch.category)) + ": enumerated " +
           std::to_string(mismatch.enumerated) + ", computed " + std::to_string(mismatch.computed);
}

std::string jokersText(std::uint32_t jokers) {
    return std::to_string(jokers) + (jokers == 1 ? " joker" : " jokers");
}

}  // namespace marvane
