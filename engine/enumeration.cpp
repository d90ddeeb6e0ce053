#include "enumeration.h"

#include "fast_enumerator.h"

namespace marvane {

std::uint32_t progressStepFor(std::uint32_t possibleHands) {
    const std::uint32_t step = possibleHands / 1000;
    return step == 0 ? 1 : step;
}

bool enumerateHands(Deck deck, EngineState& state, const ProgressCallback& progress) {
    return enumerateFast(deck, state, progress);
}

}  // namespace marvane
