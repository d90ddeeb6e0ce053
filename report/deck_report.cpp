// SPDX-License-Identifier: MIT
#include "report/deck_report.h"

#include <stdexcept>
#include <string>

#include "engine/binomial.h"
#include "engine/closed_form.h"
#include "engine/totals.h"
#include "report/odds.h"

namespace marvane {

std::uint32_t DeckReport::progressTicks() const {
    return state.progressStep == 0 ? 0 : hands / state.progressStep;
}

DeckReportBuilder::DeckReportBuilder(DeckReportOptions options) : options_(std::move(options)) {
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

void DeckReportBuilder::enumerate() {
    if (!options_.enumerate || report_.enumerated) {
        return;
    }
    // The constructor let in only a deck and a worker count it takes.
    const auto ran = enumerateHands(report_.deck, report_.state, options_.progress,
                                    {.workers = options_.workers});
    if (!ran) {
        throw std::logic_error("the enumeration refused a deck it was checked for");
    }
    report_.enumerated = true;
    report_.threads = *ran;
}

DeckReport DeckReportBuilder::finish() {
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

DeckReport buildDeckReport(const DeckReportOptions& options) {
    DeckReportBuilder builder(options);
    builder.enumerate();
    return builder.finish();
}

std::vector<ResultRow> rowsInAddOrder(const DeckReport& report) {
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
