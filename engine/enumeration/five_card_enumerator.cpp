// SPDX-License-Identifier: MIT
#include "engine/enumeration/five_card_enumerator.h"

#include <utility>

#include "engine/enumeration/five_card_loop.h"

namespace marvane {

namespace fivecardloop {

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

}  // namespace fivecardloop

namespace {

template <class Visitor>
bool run(Deck deck, EngineState& state, const ProgressCallback& progress, Visitor visitor) {
    if (!deck.isAdmissible()) {
        return false;
    }
    bool given = false;
    const fivecardloop::NextFirstCards all = [&](FirstCards& next) {
        next = fivecardloop::allFirstCards(deck);
        return !std::exchange(given, true);
    };
    fivecardloop::runLoop(deck, all, state, progress, visitor);
    return true;
}

}  // namespace

bool enumerateFiveCards(Deck deck, EngineState& state, const ProgressCallback& progress) {
    return run(deck, state, progress, fivecardloop::NoVisitor{});
}

bool enumerateFiveCardsVisiting(Deck deck, EngineState& state, const ProgressCallback& progress,
                                const FiveCardVisitor& visitor) {
    return run(deck, state, progress, fivecardloop::CallingVisitor{visitor});
}

}  // namespace marvane
