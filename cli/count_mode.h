// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

#include "engine/threads/worker_run.h"
#include "engine/vocabulary/category_order.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/hand_count.h"
#include "report/writers/five_card_writer.h"

namespace marvane {

// The counts of one deck, or of every deck with --all: the program's own
// report.
struct CountOptions {
    std::vector<Deck> decks;
    std::uint32_t cards = kHandSize;  // per hand; above five a hand counts as its best five
    std::uint32_t jokers = 0;         // each stands for any card
    CategoryOrder order;              // empty: the deck's own
    bool enumerate = false;
    std::uint32_t jobs = defaultWorkerCount();  // threads, for one deck or for --all
    ReportOptions report;
};

// Counts the decks and writes their reports to stdout, then names on stderr
// every count the enumeration and the formulas disagree on. kExitFailure for
// a disagreement or a failed write.
int run(const CountOptions& options);

}  // namespace marvane
