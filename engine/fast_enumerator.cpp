#include "fast_enumerator.h"

#include "fast_loop.h"

namespace marvane {

namespace {

using fastloop::CounterBanks;

// The single-threaded run: ticks call progress on this thread with the state
// up to date, exactly where the reference enumeration calls it.
class StateSink {
public:
    StateSink(EngineState& state, const ProgressCallback& progress)
        : state_(state), progress_(progress) {}

    std::uint32_t counter() const { return state_.handCounter; }
    std::uint32_t step() const { return state_.progressStep; }
    bool ticks() const { return static_cast<bool>(progress_); }

    void tick(std::uint32_t counter, CounterBanks& banks) {
        finish(counter, banks);
        progress_();
    }
    void finish(std::uint32_t counter, CounterBanks& banks) {
        banks.drainInto(state_.enumerated);
        state_.handCounter = counter;
    }

private:
    EngineState& state_;
    const ProgressCallback& progress_;
};

template <class Visitor>
bool run(Deck deck, EngineState& state, const ProgressCallback& progress, Visitor visitor) {
    if (!deck.isAdmissible()) {
        return false;
    }
    const fastloop::LoopTables tables(deck);
    StateSink sink(state, progress);
    fastloop::withSuitCount(deck.suits, [&]<std::uint32_t S>() {
        fastloop::Loop<S, Visitor, StateSink>(tables, fastloop::allFirstCards(deck), sink, visitor)
            .run();
    });
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
