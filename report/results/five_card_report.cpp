// SPDX-License-Identifier: MIT
#include "report/results/five_card_report.h"

#include <stdexcept>
#include <string>

#include "engine/exact/binomial.h"
#include "engine/exact/five_card_formulas.h"
#include "engine/vocabulary/totals.h"
#include "report/results/odds.h"

namespace marvane {

FiveCardReportBuilder::FiveCardReportBuilder(FiveCardReportOptions options)
    : options_(std::move(options)) {
    const Deck deck = options_.deck;
    if (!deck.isAdmissible()) {
        throw std::invalid_argument("deck " + std::to_string(deck.suits) + " x " +
                                    std::to_string(deck.ranks) + " is not admissible");
    }
    if (options_.workers < 1 || options_.workers > kMaxWorkers) {
        throw std::invalid_argument("an enumeration takes 1 to " + std::to_string(kMaxWorkers) +
                                    " workers, not " + std::to_string(options_.workers));
    }
    report_.deck = deck;
    report_.hands = binomial(deck.cardCount(), kHandSize, report_.floatingPath);
    // Its last binomial is C(S*R, 5) again, so the "*" stays as decided above.
    report_.state.computed = compute_counts(deck, report_.floatingPath);
    if (options_.enumerate) {
        report_.state.progressStep = progressStepFor(report_.hands);
        report_.state.handCounter = 0;
    }
}

void FiveCardReportBuilder::enumerate() {
    if (!options_.enumerate || report_.enumerated || report_.cancelled) {
        return;
    }
    EngineState& state = report_.state;
    // The caller hears of every tick; its "stop", or its own flag, ends the
    // run at the next piece of work.
    std::atomic<bool> stopNow{false};
    ProgressCallback tick;
    if (options_.progress || options_.stop != nullptr) {
        tick = [&] {
            const bool goOn =
                !options_.progress || options_.progress(state.handCounter, report_.hands);
            if (!goOn || (options_.stop != nullptr && options_.stop->load())) {
                stopNow = true;
            }
        };
    }
    // With nothing to heed, one worker takes the plain single-threaded path,
    // which runs to the end; a caller that may stop goes through the driver.
    RunOptions run{.workers = options_.workers};
    if (tick || options_.workers > 1) {
        run.stop = &stopNow;
    }
    // The constructor let in only a deck and a worker count it takes.
    const EnumerationRun ran = enumerateFiveCardHands(report_.deck, state, tick, run);
    if (ran.status == RunStatus::Refused) {
        throw std::logic_error("the enumeration refused a deck it was checked for");
    }
    if (ran.status == RunStatus::Cancelled) {
        report_.cancelled = true;
        state.enumerated.clear();
        return;
    }
    report_.enumerated = true;
    report_.threads = ran.threads;
}

void FiveCardReportBuilder::takeEnumerated(const CategoryCounts& counts) {
    report_.state.enumerated = counts;
    report_.state.progressStep = progressStepFor(report_.hands);
    report_.state.handCounter = report_.hands;
    report_.enumerated = true;
}

FiveCardReport FiveCardReportBuilder::finish() {
    EngineState& state = report_.state;
    if (report_.enumerated) {
        report_.mismatches = findCountMismatches(state.enumerated, state.computed);
    }
    state.totals = computeTotals(report_.enumerated ? state.enumerated : state.computed);

    report_.rows.clear();
    for (HandCategory category : displayOrder(state.totals)) {
        const auto enumerated =
            report_.enumerated ? std::optional(state.enumerated[category]) : std::nullopt;
        report_.rows.push_back(makeReportRow(category, enumerated, state.computed[category],
                                             state.totals[category], report_.hands));
    }
    return report_;
}

FiveCardReport buildFiveCardReport(const FiveCardReportOptions& options) {
    FiveCardReportBuilder builder(options);
    builder.enumerate();
    return builder.finish();
}

std::vector<ResultRow> rowsInAddOrder(const FiveCardReport& report) {
    return resultRows(report.state, report.enumerated);
}

std::vector<Deck> allAdmissibleDecks() {
    std::vector<Deck> decks;
    for (std::uint32_t suits = kMinSuits; suits <= kMaxSuits; ++suits) {
        for (std::uint32_t ranks = kMinRanks; ranks <= kMaxRanks; ++ranks) {
            decks.push_back({suits, ranks});
        }
    }
    return decks;
}

}  // namespace marvane
