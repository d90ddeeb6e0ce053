#include "enumeration.h"

namespace marvane {

std::uint32_t progressStepFor(std::uint32_t possibleHands) {
    const std::uint32_t step = possibleHands / 1000;
    return step == 0 ? 1 : step;
}

void enumerateHands(Deck deck, EngineState& state, const ProgressCallback& progress) {
    Hand hand;
    ReferenceEnumerator(deck, state, progress).enumerate_all(hand);
}

}  // namespace marvane
