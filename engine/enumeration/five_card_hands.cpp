// SPDX-License-Identifier: MIT
#include "engine/enumeration/five_card_hands.h"

#include "engine/enumeration/five_card_enumerator.h"
#include "engine/enumeration/five_card_workers.h"

namespace marvane {

std::uint32_t progressStepFor(std::uint32_t possibleHands) {
    const std::uint32_t step = possibleHands / 1000;
    return step == 0 ? 1 : step;
}

bool enumerateFiveCardHands(Deck deck, EngineState& state, const ProgressCallback& progress,
                            std::uint32_t workers) {
    return enumerateFiveCardHands(deck, state, progress, {.workers = workers}).status !=
           RunStatus::Refused;
}

EnumerationRun enumerateFiveCardHands(Deck deck, EngineState& state,
                                      const ProgressCallback& progress, const RunOptions& options) {
    const bool plain =
        options.workers == 1 && !options.progress && options.stop == nullptr && !options.share;
    if (!plain) {
        return enumerateFiveCardsOnWorkers(deck, state, progress, options);
    }
    const CategoryCounts before = state.enumerated;
    const std::uint32_t counterBefore = state.handCounter;
    EnumerationRun run;
    if (!enumerateFiveCards(deck, state, progress)) {
        return run;
    }
    for (std::size_t c = 0; c < kCategoryCount; ++c) {
        run.counts[c] = state.enumerated[c] - before[c];
    }
    run.handsVisited = state.handCounter - counterBefore;
    run.status = RunStatus::Completed;
    run.threads = {.wanted = 1, .ran = 1};
    return run;
}

}  // namespace marvane
