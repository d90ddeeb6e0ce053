// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "engine/threads/worker_run.h"
#include "report/results/count_request.h"
#include "report/results/shown_report.h"

namespace marvane {

// Answers `each` (its deck aside) for every deck on up to `jobs` threads at
// once, each deck on one of them, largest decks first so the threads end
// together. The reports come back in the order of `decks`, identical to
// computing them one by one. deckDone is called on the calling thread once
// per finished deck. An exception from any deck is rethrown here once every
// thread has stopped. A thread that can't start leaves its decks to the
// others (to the calling thread when none starts); the batch says how many
// threads it had.
struct DeckBatch {
    std::vector<ShownReport> reports;
    WorkersRan threads;
};
DeckBatch countDecks(const std::vector<Deck>& decks, const CountRequest& each, std::uint32_t jobs,
                     const std::function<void()>& deckDone = {},
                     const ThreadStart& startThread = {});

}  // namespace marvane
