// SPDX-License-Identifier: MIT
#pragma once

#include "engine/enumeration/five_card_hands.h"
#include "engine/enumeration/worker_driver.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/engine_state.h"

namespace marvane {

// The same hands and the same results split across `options.workers`
// workers on the one driver, each taking pieces of the first cards in turn
// and counting them into a table of its own; the tables are added to
// state.enumerated at the end. progress fires on the calling thread at the
// same counter values as above, once the hand that reaches each has been
// counted; inside it, state.handCounter is that value and state.enumerated is
// still the table from before the run. options.progress and options.stop
// work as for every enumeration (a stop takes effect after a worker's
// piece); with options.share only the hands of that share are visited.
//
// A worker that can't start leaves its pieces to the others (to the calling
// thread when none starts, whose ticks then fire at its reports); the counts
// are the same, and the result says how many threads ran and what this run
// counted.
//
// Refused, changing nothing, when the deck is not admissible or the worker
// count is out of range.
[[nodiscard]] EnumerationRun enumerateFiveCardsOnWorkers(Deck deck, EngineState& state,
                                                         const ProgressCallback& progress,
                                                         const RunOptions& options);

}  // namespace marvane
