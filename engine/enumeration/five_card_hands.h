// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "engine/enumeration/worker_driver.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/engine_state.h"
#include "engine/vocabulary/hand_category.h"

namespace marvane {

// Called each time the hand counter reaches a multiple of the progress step,
// before that hand is classified.
using ProgressCallback = std::function<void()>;

// Hands per progress tick: about a thousand ticks for any deck. Never 0.
std::uint32_t progressStepFor(std::uint32_t possibleHands);

// Visits every five-card hand of the deck once, adding each to
// state.enumerated and counting it in state.handCounter; progress is called
// as described above, with state.progressStep hands per tick. The caller sets
// the counter and step first. Uses the fastest path available.
//
// One worker visits the hands on the calling thread in lexicographic order of
// card numbers; inside progress, state.enumerated holds every hand before the
// current one. Several workers split the hands between them; the results and
// the final counter are the same, progress still fires on the calling thread
// at the same counter values, in order, but the table is only filled at the
// end (inside progress it is still the table from before the run).
//
// Returns false, having changed nothing, when the deck is not admissible or
// workers is outside 1..kMaxWorkers (0 is refused, not read as "default":
// pass defaultWorkerCount() for that).
[[nodiscard]] bool enumerateFiveCardHands(Deck deck, EngineState& state,
                                          const ProgressCallback& progress = {},
                                          std::uint32_t workers = 1);

// The same with every option of a run (see worker_driver.h): progress and
// stop besides the ticks, a share of the hands, the threads to start. One
// worker with none of these takes the single-threaded path above. Refused,
// changing nothing, as above.
[[nodiscard]] EnumerationRun enumerateFiveCardHands(Deck deck, EngineState& state,
                                                    const ProgressCallback& progress,
                                                    const RunOptions& options);

}  // namespace marvane
