// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/deck.h"
#include "engine/engine_state.h"
#include "engine/enumeration.h"
#include "engine/hand_category.h"
#include "engine/result_rows.h"
#include "engine/worker_run.h"
#include "report/count_mismatch.h"
#include "report/odds.h"

namespace marvane {

// What to compute for one deck.
struct DeckReportOptions {
    Deck deck{};
    bool enumerate = false;       // also visit and classify every hand
    ProgressCallback progress{};  // during the enumeration, about a thousand calls
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
struct DeckReport {
    Deck deck;
    std::uint32_t hands = 0;    // C(S*R, 5)
    bool floatingPath = false;  // the "*": C(S*R, 5) needed floating point
    bool enumerated = false;
    // The three tables; the hand counter and progress step only when enumerated.
    EngineState state;
    std::vector<ReportRow> rows;            // the 17 categories, in displayOrder
    std::vector<CountMismatch> mismatches;  // empty unless enumeration disagrees
    WorkersRan threads;                     // what the enumeration ran on, when it ran

    // How often the enumeration calls progress: the end of a progress range.
    std::uint32_t progressTicks() const;
};

// Computes a deck one step at a time, for a caller that shows each step as
// it comes (the dialog shows the number of hands before it enumerates):
// the constructor takes the hands and the closed-form counts, enumerate()
// visits every hand when asked to, finish() adds the Totals and the rows.
class DeckReportBuilder {
public:
    // Throws std::invalid_argument for a deck outside 4..8 x 7..20 (the
    // formulas and the progress step are only sound inside the ranges) or a
    // worker count outside 1..kMaxWorkers.
    explicit DeckReportBuilder(DeckReportOptions options);

    const DeckReport& report() const { return report_; }

    // The exhaustive enumeration, when the options ask for it; else nothing.
    void enumerate();

    DeckReport finish();

private:
    DeckReportOptions options_;
    DeckReport report_;
};

// All the steps at once.
DeckReport buildDeckReport(const DeckReportOptions& options);

// The list's row texts in the order the rows are added, each on top.
std::vector<ResultRow> rowsInAddOrder(const DeckReport& report);

// Every admissible deck, suits 4..8 outermost, ranks 7..20 within.
std::vector<Deck> allAdmissibleDecks();

}  // namespace marvane
