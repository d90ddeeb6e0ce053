// SPDX-License-Identifier: MIT
#include "engine/fast_enumerator.h"

#include <utility>

#include "engine/fast_loop.h"

namespace marvane {

namespace fastloop {

template <class Visitor>
void runLoop(Deck deck, const NextFirstCards& next, EngineState& state,
             const ProgressCallback& progress, Visitor visitor) {
    // Built here, not passed in: as a local the compiler can tell the tables
    // from the counters the loop stores to, and keeps their addresses in
    // registers (about 8% faster than through a reference).
    const LoopTables tables(deck);
    static_assert(kMinSuits == 4 && kMaxSuits == 8, "one case per admissible suit count");
    for (FirstCards firstCards; next(firstCards);) {
        switch (deck.suits) {
            case 4:
                Loop<4, Visitor>(tables, firstCards, state, progress, visitor).run();
                break;
            case 5:
                Loop<5, Visitor>(tables, firstCards, state, progress, visitor).run();
                break;
            case 6:
                Loop<6, Visitor>(tables, firstCards, state, progress, visitor).run();
                break;
            case 7:
                Loop<7, Visitor>(tables, firstCards, state, progress, visitor).run();
                break;
            case 8:
                Loop<8, Visitor>(tables, firstCards, state, progress, visitor).run();
                break;
        }
    }
}

template void runLoop(Deck, const NextFirstCards&, EngineState&, const ProgressCallback&,
                      NoVisitor);
template void runLoop(Deck, const NextFirstCards&, EngineState&, const ProgressCallback&,
                      CallingVisitor);

}  // namespace fastloop

namespace {

template <class Visitor>
bool run(Deck deck, EngineState& state, const ProgressCallback& progress, Visitor visitor) {
    if (!deck.isAdmissible()) {
        return false;
    }
    bool given = false;
    const fastloop::NextFirstCards all = [&](FirstCards& next) {
        next = fastloop::allFirstCards(deck);
        return !std::exchange(given, true);
    };
    fastloop::runLoop(deck, all, state, progress, visitor);
    return true;
}

}  // namespace

bool enumerateFast(Deck deck, EngineState& state, const ProgressCallback& progress) {
    return run(deck, state, progress, fastloop::NoVisitor{});
}

bool enumerateFastVisiting(Deck deck, EngineState& state, const ProgressCallback& progress,
                           const FastHandVisitor& visitor) {
    return run(deck, state, progress, fastloop::CallingVisitor{visitor});
}

}  // namespace marvane
