// SPDX-License-Identifier: MIT
#include "engine/enumeration/five_card_workers.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "engine/enumeration/five_card_loop.h"
#include "engine/enumeration/worker_driver.h"

namespace marvane {

namespace {

// Hands a worker's loop counts between two reports to the driver: it leaves
// its fast block that often, so not too often.
constexpr std::uint32_t kReportEvery = 1u << 16;

// Pieces of the first cards per worker (see below).
constexpr std::uint32_t kPiecesPerWorker = 64;

// Fires, on the calling thread, the ticks a single-threaded run would fire:
// at the same counter values, in the same order, each once its hand is done.
class Ticker {
public:
    Ticker(EngineState& state, const ProgressCallback& progress)
        : state_(state),
          progress_(progress),
          start_(state.handCounter),
          step_(state.progressStep),
          nextTickAt_(progress && step_ != 0 ? fivecardloop::handsToNextTick(start_, step_)
                                             : std::numeric_limits<std::uint64_t>::max()) {}

    // Fires every tick due within the first `done` hands.
    void catchUp(std::uint64_t done) {
        while (nextTickAt_ <= done) {
            const auto counter = static_cast<std::uint32_t>(start_ + nextTickAt_);
            state_.handCounter = counter;
            progress_();
            nextTickAt_ += fivecardloop::handsToNextTick(counter, step_);
        }
    }

private:
    EngineState& state_;
    const ProgressCallback& progress_;
    std::uint32_t start_;
    std::uint32_t step_;
    std::uint64_t nextTickAt_;  // hands done when the next tick is due
};

}  // namespace

EnumerationRun enumerateFiveCardsOnWorkers(Deck deck, EngineState& state,
                                           const ProgressCallback& progress,
                                           const RunOptions& options) {
    EnumerationRun result;
    const std::uint32_t workers = options.workers;
    if (!deck.isAdmissible() || workers == 0 || workers > kMaxWorkers) {
        return result;
    }
    const std::uint32_t startCounter = state.handCounter;
    const std::uint32_t n = deck.cardCount();
    const FirstCards firsts = firstCardsOf(n, kHandSize, options.share);
    const std::uint64_t total = handsWithFirstCards(n, kHandSize, firsts);
    // Many more pieces than workers, as equal in hands as whole first cards
    // allow (the largest first), taken in order by whichever worker is free.
    // A hand costs more where the first cards are high (the inner loops are
    // shorter), so one piece per worker would leave the one with the high
    // cards working alone at the end; with small pieces last, the workers
    // finish within one of them. A share is cut the same way within itself.
    std::vector<FirstCards> pieces =
        splitFirstCards(n, kHandSize, workers * kPiecesPerWorker, firsts);
    std::erase_if(pieces, [](FirstCards piece) { return piece.begin == piece.end; });
    std::vector<CategoryCounts> counts(driverSlots(workers, pieces.size()));

    // A worker counts its pieces on a state of its own, building the loop's
    // tables once, and tells the driver its hands every kReportEvery of them;
    // a stop ends it after its piece.
    const DriverJob job{
        .pieces = pieces.size(),
        .weight = 1,
        .work = [&](std::size_t slot, const NextPiece& next, const HandsDone& report) {
            bool goOn = true;
            const fivecardloop::NextFirstCards takePiece = [&](FirstCards& range) {
                std::size_t piece = 0;
                if (!goOn || !next(piece)) {
                    return false;
                }
                range = pieces[piece];
                return true;
            };
            EngineState mine;
            mine.progressStep = kReportEvery;
            std::uint32_t reported = 0;
            const ProgressCallback tell = [&] {
                goOn = report(mine.handCounter - reported) && goOn;
                reported = mine.handCounter;
            };
            fivecardloop::runLoop(deck, takePiece, mine, tell, fivecardloop::NoVisitor{});
            (void)report(mine.handCounter - reported);
            counts[slot] = mine.enumerated;
        }};
    Ticker ticker(state, progress);
    RunOptions driven = options;
    driven.progress = [&](std::uint64_t done, std::uint64_t all) {
        ticker.catchUp(done);
        return !options.progress || options.progress(done, all);
    };
    result.threads = driveWorkers(job, driven, 0, total);

    for (const CategoryCounts& share : counts) {
        for (std::size_t c = 0; c < kCategoryCount; ++c) {
            result.counts[c] += share[c];
        }
    }
    result.handsVisited = result.counts.sum();
    const bool complete = result.handsVisited == total;
    if (complete) {
        // Every worker has finished: the ticks still due fire now, in order.
        ticker.catchUp(total);
        if (options.progress) {
            options.progress(total, total);
        }
    }
    for (std::size_t c = 0; c < kCategoryCount; ++c) {
        state.enumerated[c] += static_cast<std::uint32_t>(result.counts[c]);
    }
    state.handCounter = static_cast<std::uint32_t>(startCounter + result.handsVisited);
    result.status = complete ? RunStatus::Completed : RunStatus::Cancelled;
    return result;
}

}  // namespace marvane
