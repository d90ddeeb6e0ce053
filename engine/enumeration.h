// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "engine/card.h"
#include "engine/deck.h"
#include "engine/engine_state.h"
#include "engine/hand_category.h"
#include "engine/worker_run.h"

namespace marvane {

// Called each time the hand counter reaches a multiple of the progress step,
// before that hand is classified.
using ProgressCallback = std::function<void()>;

// Receives every hand visited, with its category (for cross-checks in tests).
using HandVisitor = std::function<void(const Hand& hand, HandCategory category)>;

// Hands per progress tick: about a thousand ticks for any deck. Never 0.
std::uint32_t progressStepFor(std::uint32_t possibleHands);

// Most worker threads one enumeration takes.
inline constexpr std::uint32_t kMaxWorkers = 256;

// One worker per hardware thread, between 1 and kMaxWorkers.
std::uint32_t defaultWorkerCount();

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
[[nodiscard]] bool enumerateHands(Deck deck, EngineState& state,
                                  const ProgressCallback& progress = {}, std::uint32_t workers = 1);

struct HandsEnumerationOptions {
    std::uint32_t workers = 1;  // 1 to kMaxWorkers; 1 runs on the calling thread
    // Empty: real threads. A worker that can't start leaves its share to the
    // others (to the calling thread when none starts); the counts are the same.
    ThreadStart startThread{};
};

// The same, also saying how many threads the hands were shared among;
// nothing when refused.
[[nodiscard]] std::optional<WorkersRan> enumerateHands(Deck deck, EngineState& state,
                                                       const ProgressCallback& progress,
                                                       const HandsEnumerationOptions& options);

// The straightforward enumeration: one Card object per card, the classifier
// on every hand. It defines what the fast path must reproduce.
class ReferenceEnumerator {
public:
    ReferenceEnumerator(Deck deck, EngineState& state, ProgressCallback progress = {},
                        HandVisitor visitor = {});

    // enumerate(hand, 1, S*R, 1, 5). An inadmissible deck (no suits to
    // number cards by, or more hands than the counter holds) visits nothing
    // and gives false.
    [[nodiscard]] bool enumerate_all(Hand& hand);

    // Extends the hand by each card numbered first..n in turn and recurses
    // until it holds `size` cards, then counts it.
    void enumerate(Hand& hand, std::uint32_t first, std::uint32_t n, std::uint32_t level,
                   std::uint32_t size);

private:
    void countHand(const Hand& hand);

    Deck deck_;
    EngineState& state_;
    ProgressCallback progress_;
    HandVisitor visitor_;
};

}  // namespace marvane
