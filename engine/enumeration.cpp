// SPDX-License-Identifier: MIT
#include "engine/enumeration.h"

#include <algorithm>
#include <thread>

#include "engine/fast_enumerator.h"

namespace marvane {

std::uint32_t progressStepFor(std::uint32_t possibleHands) {
    const std::uint32_t step = possibleHands / 1000;
    return step == 0 ? 1 : step;
}

std::uint32_t defaultWorkerCount() {
    // hardware_concurrency() is 0 when the system won't say.
    return std::clamp<std::uint32_t>(std::thread::hardware_concurrency(), 1, kMaxWorkers);
}

bool enumerateHands(Deck deck, EngineState& state, const ProgressCallback& progress,
                    std::uint32_t workers) {
    return enumerateHands(deck, state, progress, {.workers = workers}).has_value();
}

std::optional<WorkersRan> enumerateHands(Deck deck, EngineState& state,
                                         const ProgressCallback& progress,
                                         const HandsEnumerationOptions& options) {
    if (options.workers == 1) {
        if (!enumerateFast(deck, state, progress)) {
            return std::nullopt;
        }
        return WorkersRan{.wanted = 1, .ran = 1};
    }
    return enumerateFastParallel(deck, state, progress, options);
}

}  // namespace marvane
