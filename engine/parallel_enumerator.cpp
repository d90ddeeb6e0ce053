#include <algorithm>
#include <atomic>
#include <limits>
#include <system_error>
#include <thread>
#include <vector>

#include "fast_enumerator.h"
#include "fast_loop.h"

namespace marvane {

namespace {

using fastloop::CounterBanks;

// Fewest hands a worker counts between two reports of its progress, so that
// a tiny step never makes the workers contend for the shared count.
constexpr std::uint32_t kMinBatch = 1u << 16;

// One worker's share: counts into its own table and adds its hands to the
// shared count every `batch` hands (never when batch is 0) and at the end.
class WorkerSink {
public:
    WorkerSink(std::atomic<std::uint64_t>& done, std::uint32_t batch, CategoryCounts& counts)
        : done_(done), batch_(batch), counts_(counts) {}

    std::uint32_t counter() const { return 0; }
    std::uint32_t step() const { return batch_; }
    bool ticks() const { return batch_ != 0; }

    void tick(std::uint32_t counter, CounterBanks&) { publish(counter); }
    void finish(std::uint32_t counter, CounterBanks& banks) {
        banks.drainInto(counts_);
        publish(counter);
    }

private:
    void publish(std::uint32_t counter) {
        done_.fetch_add(counter - published_, std::memory_order_release);
        published_ = counter;
        done_.notify_all();
    }

    std::atomic<std::uint64_t>& done_;
    std::uint32_t batch_;
    CategoryCounts& counts_;
    std::uint32_t published_ = 0;
};

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

bool enumerateFastParallel(Deck deck, EngineState& state, const ProgressCallback& progress,
                           std::uint32_t workers) {
    if (!deck.isAdmissible() || workers == 0 || workers > kMaxWorkers) {
        return false;
    }
    const std::uint32_t startCounter = state.handCounter;
    const fastloop::LoopTables tables(deck);
    const std::vector<FirstCards> shares = splitFirstCardsByHands(deck, workers);
    std::vector<CategoryCounts> counts(shares.size());
    std::atomic<std::uint64_t> done{0};
    const std::uint64_t total = handsAmong(deck.cardCount());
    Ticker ticker(state, progress);
    const std::uint32_t batch = ticker.active() ? std::max(state.progressStep, kMinBatch) : 0;

    auto work = [&](std::size_t share) {
        fastloop::withSuitCount(deck.suits, [&]<std::uint32_t S>() {
            WorkerSink sink(done, batch, counts[share]);
            fastloop::Loop<S, fastloop::NoVisitor, WorkerSink>(tables, shares[share], sink, {})
                .run();
        });
    };
    {
        std::vector<std::jthread> threads;
        threads.reserve(shares.size());
        std::vector<std::size_t> unstarted;
        for (std::size_t share = 0; share < shares.size(); ++share) {
            if (shares[share].begin == shares[share].end) {
                continue;
            }
            try {
                threads.emplace_back(work, share);
            } catch (const std::system_error&) {
                unstarted.push_back(share);  // out of threads: this one does it below
            }
        }
        for (std::size_t share : unstarted) {
            work(share);
        }
        if (ticker.active()) {
            std::uint64_t seen = done.load(std::memory_order_acquire);
            while (seen < total) {
                ticker.catchUp(seen);
                done.wait(seen, std::memory_order_acquire);
                seen = done.load(std::memory_order_acquire);
            }
            ticker.catchUp(seen);
        }
    }  // the workers join here; their tables are complete

    for (const CategoryCounts& share : counts) {
        for (std::size_t c = 0; c < kCategoryCount; ++c) {
            state.enumerated[c] += share[c];
        }
    }
    state.handCounter = static_cast<std::uint32_t>(startCounter + total);
    return true;
}

}  // namespace marvane
