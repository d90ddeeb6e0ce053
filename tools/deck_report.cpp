#include "deck_report.h"

#include <stdexcept>
#include <string>

#include "binomial.h"
#include "closed_form.h"
#include "engine_state.h"
#include "result_rows.h"
#include "totals.h"

namespace marvane {

DeckReport buildDeckReport(Deck deck, bool enumerate, const ProgressCallback& progress) {
    if (!deck.isAdmissible()) {
        // The formulas and the progress step are only sound inside the ranges.
        throw std::invalid_argument("deck " + std::to_string(deck.suits) + " x " +
                                    std::to_string(deck.ranks) + " is not admissible");
    }

    DeckReport report;
    report.deck = deck;
    report.enumerated = enumerate;
    report.hands = binomial(deck.cardCount(), kHandSize, report.floatingPath);

    EngineState state;
    state.computed = compute_counts(deck);
    if (enumerate) {
        state.progressStep = progressStepFor(report.hands);
        state.handCounter = 0;
        if (!enumerateHands(deck, state, progress)) {
            throw std::logic_error("the enumeration refused an admissible deck");
        }
        report.mismatches = findCountMismatches(state.enumerated, state.computed);
    }
    state.totals = computeTotals(enumerate ? state.enumerated : state.computed);

    for (HandCategory category : displayOrder(state.totals)) {
        const auto enumerated =
            enumerate ? std::optional(state.enumerated[category]) : std::nullopt;
        report.rows.push_back({category, displayName(category), enumerated,
                               state.computed[category], state.totals[category]});
    }
    return report;
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
