#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "count_mismatch.h"
#include "deck.h"
#include "enumeration.h"
#include "hand_category.h"

namespace marvane {

// One line of the results list.
struct ReportRow {
    HandCategory category;
    std::string_view name;
    std::optional<std::uint32_t> enumerated;  // only when the deck was enumerated
    std::uint32_t computed;
    std::uint32_t total;

    // The count the Total and the odds are built from: the enumerated one
    // when there is one, as in the dialog.
    std::uint32_t sourceCount() const { return enumerated.value_or(computed); }
};

// Everything the dialog shows for one deck after a computation.
struct DeckReport {
    Deck deck;
    std::uint32_t hands = 0;    // C(S*R, 5)
    bool floatingPath = false;  // the dialog's "*": C(S*R, 5) needed floating point
    bool enumerated = false;
    std::vector<ReportRow> rows;            // the 17 categories, top of the list first
    std::vector<CountMismatch> mismatches;  // empty unless enumeration disagrees
};

// Computes one deck the way the dialog does: closed-form counts, with
// `enumerate` also the exhaustive enumeration (progress is called about a
// thousand times), then the Totals and the list's order after its sort by
// Total. Throws std::invalid_argument for a deck outside 4..8 x 7..20.
DeckReport buildDeckReport(Deck deck, bool enumerate, const ProgressCallback& progress = {});

// Every admissible deck, suits 4..8 outermost, ranks 7..20 within.
std::vector<Deck> allAdmissibleDecks();

}  // namespace marvane
