// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/enumeration/five_card_hands.h"
#include "engine/threads/worker_run.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/engine_state.h"
#include "engine/vocabulary/hand_category.h"
#include "report/results/count_mismatch.h"
#include "report/results/odds.h"
#include "report/results/result_rows.h"

namespace marvane {

// What to compute for one deck.
struct FiveCardReportOptions {
    Deck deck{};
    bool enumerate = false;  // also visit and classify every hand
    // During the enumeration, about a thousand calls, each where the hand
    // counter reaches a multiple of the progress step, with that counter and
    // the number of hands; false (or a stop) ends the run early.
    RunProgress progress{};
    const std::atomic<bool>* stop = nullptr;
    // Threads the enumeration shares its hands among, 1 to kMaxWorkers; the
    // results are the same for any number.
    std::uint32_t workers = defaultWorkerCount();
};

// One line of the results, as the list shows it: counts of 32 bits for
// five-card hands, of 64 for more cards.
template <typename Count>
struct BasicReportRow {
    HandCategory category;
    std::string_view name;
    std::optional<Count> enumerated;  // only when the deck was enumerated
    Count computed = 0;
    Count total = 0;
    double probability = 0.0;         // of the source count among all hands
    std::optional<std::string> odds;  // "1 in N"; nothing for a count of 0

    // The count the Total and the odds are built from: the enumerated one
    // when there is one.
    Count sourceCount() const { return enumerated.value_or(computed); }
};

using ReportRow = BasicReportRow<std::uint32_t>;

// The category's row from its counts: its name, and the probability and
// odds of the count its Total is built from among `hands` hands.
template <typename Count>
BasicReportRow<Count> makeReportRow(HandCategory category, std::optional<Count> enumerated,
                                    Count computed, Count total, Count hands) {
    BasicReportRow<Count> row{category, displayName(category), enumerated, computed, total,
                              0.0,      std::nullopt};
    row.probability = probability64(row.sourceCount(), hands);
    row.odds = oddsText64(row.sourceCount(), hands);
    return row;
}

// Everything one computation of a deck gives: what the dialog shows, what
// marvane-count prints and what an export writes.
struct FiveCardReport {
    Deck deck;
    std::uint32_t hands = 0;    // C(S*R, 5)
    bool floatingPath = false;  // the "*": C(S*R, 5) needed floating point
    bool enumerated = false;
    bool cancelled = false;  // an enumeration was asked for and stopped
    // The three tables; the hand counter and progress step only when enumerated.
    EngineState state;
    std::vector<ReportRow> rows;            // the 17 categories, in displayOrder
    std::vector<CountMismatch> mismatches;  // empty unless enumeration disagrees
    WorkersRan threads;                     // what the enumeration ran on, when it ran
};

// Computes a deck one step at a time, for a caller that shows each step as
// it comes (the dialog shows the number of hands before it enumerates):
// the constructor takes the hands and the closed-form counts, enumerate()
// visits every hand when asked to, finish() adds the Totals and the rows.
class FiveCardReportBuilder {
public:
    // Throws std::invalid_argument for a deck outside 4..8 x 7..20 (the
    // formulas and the progress step are only sound inside the ranges) or a
    // worker count outside 1..kMaxWorkers.
    explicit FiveCardReportBuilder(FiveCardReportOptions options);

    const FiveCardReport& report() const { return report_; }

    // The exhaustive enumeration, when the options ask for it; else nothing.
    // A run stopped early leaves the report as if none was asked for, with
    // cancelled set.
    void enumerate();
    // Counts enumerated elsewhere (shares added up) stand for the enumeration.
    void takeEnumerated(const CategoryCounts& counts);

    FiveCardReport finish();

private:
    FiveCardReportOptions options_;
    FiveCardReport report_;
};

// All the steps at once.
FiveCardReport buildFiveCardReport(const FiveCardReportOptions& options);

// The list's row texts in the order the rows are added, each on top.
std::vector<ResultRow> rowsInAddOrder(const FiveCardReport& report);

// Every admissible deck, suits 4..8 outermost, ranks 7..20 within.
std::vector<Deck> allAdmissibleDecks();

}  // namespace marvane
