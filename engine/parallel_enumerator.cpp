// SPDX-License-Identifier: MIT
#include <algorithm>
#include <atomic>
#include <limits>
#include <vector>

#include "engine/fast_enumerator.h"
#include "engine/fast_loop.h"
#include "engine/worker_run.h"

namespace marvane {

namespace {

// Fewest hands a worker counts between two reports of its progress, so that
// a tiny step never makes the workers contend for the shared count.
constexpr std::uint32_t kMinBatch = 1u << 16;

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
          nextTickAt_(progress && step_ != 0 ? fastloop::handsToNextTick(start_, step_)
                                             : std::numeric_limits<std::uint64_t>::max()) {}

    bool active() const { return nextTickAt_ != std::numeric_limits<std::uint64_t>::max(); }

    // Fires every tick due within the first `done` hands.
    void catchUp(std::uint64_t done) {
        while (nextTickAt_ <= done) {
            const auto counter = static_cast<std::uint32_t>(start_ + nextTickAt_);
            state_.handCounter = counter;
            progress_();
            nextTickAt_ += fastloop::handsToNextTick(counter, step_);
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

std::optional<WorkersRan> enumerateFastParallel(Deck deck, EngineState& state,
                                                const ProgressCallback& progress,
                                                const HandsEnumerationOptions& options) {
    const std::uint32_t workers = options.workers;
    if (!deck.isAdmissible() || workers == 0 || workers > kMaxWorkers) {
        return std::nullopt;
    }
    const std::uint32_t startCounter = state.handCounter;
    // Many more pieces than workers, as equal in hands as whole first cards
    // allow (the largest first), taken in order by whichever worker is free.
    // A hand costs more where the first cards are high (the inner loops are
    // shorter), so one piece per worker would leave the one with the high
    // cards working alone at the end; with small pieces last, the workers
    // finish within one of them.
    std::vector<FirstCards> pieces = splitFirstCardsByHands(deck, workers * kPiecesPerWorker);
    std::erase_if(pieces, [](FirstCards piece) { return piece.begin == piece.end; });
    std::atomic<std::size_t> nextPiece{0};

    const auto threadCount =
        static_cast<std::uint32_t>(std::min<std::size_t>(workers, pieces.size()));
    std::vector<CategoryCounts> counts(threadCount);
    std::atomic<std::uint64_t> done{0};
    const std::uint64_t total = handsAmong(deck.cardCount());
    Ticker ticker(state, progress);
    const std::uint32_t batch = ticker.active() ? std::max(state.progressStep, kMinBatch) : 0;

    // A worker counts its pieces on a state of its own and adds its hands to
    // the shared count every `batch` hands (with no ticks to fire, only at
    // the end). A stop (the caller's progress threw) ends it after its piece.
    const WorkerBody work = [&](std::size_t worker, const std::atomic<bool>& stop) {
        const fastloop::NextFirstCards takePiece = [&](FirstCards& next) {
            const std::size_t piece = nextPiece.fetch_add(1, std::memory_order_relaxed);
            if (piece >= pieces.size() || stop.load(std::memory_order_relaxed)) {
                return false;
            }
            next = pieces[piece];
            return true;
        };
        EngineState mine;
        mine.progressStep = batch;
        std::uint32_t published = 0;
        auto publish = [&] {
            done.fetch_add(mine.handCounter - published, std::memory_order_release);
            published = mine.handCounter;
        };
        fastloop::runLoop(deck, takePiece, mine, batch != 0 ? publish : ProgressCallback{},
                          fastloop::NoVisitor{});
        publish();
        counts[worker] = mine.enumerated;
    };
    WorkerRunOptions run{.startThread = options.startThread};
    if (ticker.active()) {
        run.poll = [&] {
            ticker.catchUp(done.load(std::memory_order_acquire));
            return true;
        };
    }
    const WorkersRan ran = runWorkers(threadCount, work, run);
    // Every worker has finished: the ticks still due fire now, in order.
    ticker.catchUp(done.load(std::memory_order_acquire));

    for (const CategoryCounts& share : counts) {
        for (std::size_t c = 0; c < kCategoryCount; ++c) {
            state.enumerated[c] += share[c];
        }
    }
    state.handCounter = static_cast<std::uint32_t>(startCounter + total);
    return ran;
}

}  // namespace marvane
