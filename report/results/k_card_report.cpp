// SPDX-License-Identifier: MIT
#include "report/results/k_card_report.h"

#include <stdexcept>

#include "engine/enumeration/joker_enumerator.h"
#include "engine/exact/k_card_count.h"
#include "engine/vocabulary/totals.h"
#include "report/results/odds.h"
#include "report/results/result_rows.h"

namespace marvane {

KCardReport buildKCardReport(const KCardReportOptions& options) {
    const Deck deck = options.deck;
    if (!deck.isAdmissible()) {
        throw std::invalid_argument("deck " + std::to_string(deck.suits) + " x " +
                                    std::to_string(deck.ranks) + " is not admissible");
    }
    if (options.cards < kMinCards || options.cards > kMaxCards ||
        countedByFiveCardFormulas(options.cards, options.jokers)) {
        throw std::invalid_argument("a K-card report takes " + std::to_string(kMinCards) + " to " +
                                    std::to_string(kMaxCards) +
                                    " cards, and five only with jokers, not " +
                                    std::to_string(options.cards));
    }
    if (options.jokers > kMaxJokers) {
        throw std::invalid_argument("a deck holds 0 to 4 jokers, not " +
                                    std::to_string(options.jokers));
    }
    if (options.workers < 1 || options.workers > kMaxWorkers) {
        throw std::invalid_argument("an enumeration takes 1 to " + std::to_string(kMaxWorkers) +
                                    " workers, not " + std::to_string(options.workers));
    }
    KCardReport report;
    report.deck = deck;
    report.cards = options.cards;
    report.jokers = options.jokers;
    report.hands = handsOf(deck, options.cards, options.jokers);
    report.order =
        options.order.empty() ? defaultOrder(deck, options.cards, options.jokers) : options.order;
    // Throws for an order that can't rank the hands.
    const bool counted = options.counting != nullptr && options.counting->deck() == deck &&
                         options.counting->cards() == options.cards &&
                         options.counting->jokers() == options.jokers;
    report.computed = counted ? options.counting->counts(report.order)
                              : countKCards(deck, options.cards, report.order, options.jokers);

    if (options.enumerated != nullptr) {
        report.enumerated = true;
        report.enumeratedCounts = *options.enumerated;
    } else if (options.enumerate) {
        const RunOptions runOptions{
            .workers = options.workers, .progress = options.progress, .stop = options.stop};
        // Without jokers this is the K-card enumeration alone.
        const EnumerationRun run =
            enumerateJokers(deck, options.cards, options.jokers, report.order, runOptions);
        if (run.status == RunStatus::Completed) {
            report.enumerated = true;
            report.enumeratedCounts = run.counts;
            report.threads = run.threads;
        } else {
            report.cancelled = true;
        }
    }
    if (report.enumerated) {
        report.mismatches = findCountMismatches(report.enumeratedCounts, report.computed);
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

}  // namespace marvane
