// SPDX-License-Identifier: MIT
#include "engine/enumeration/worker_driver.h"

#include <algorithm>

namespace marvane {

namespace {

// Hands a worker gathers before it adds them to the shared count: the
// workers don't take turns on one cache line, and the count the caller sees
// lags by well under a millisecond of work.
constexpr std::uint64_t kBatch = std::uint64_t{1} << 16;

}  // namespace

std::uint32_t driverSlots(std::uint32_t workers, std::size_t pieces) {
    return static_cast<std::uint32_t>(
        std::clamp<std::size_t>(pieces, 1, std::max<std::uint32_t>(workers, 1)));
}

WorkersRan driveWorkers(const DriverJob& job, const RunOptions& options, std::uint64_t before,
                        std::uint64_t total) {
    std::atomic<std::size_t> nextPiece{0};
    std::atomic<std::uint64_t> done{0};
    std::atomic<bool> progressStopped{false};
    // The caller's word on the hands done so far: go on or stop.
    const auto goOn = [&](std::uint64_t hands) {
        return !options.progress || options.progress(before + hands * job.weight, total);
    };

    const WorkerBody body = [&](std::size_t slot, const std::atomic<bool>& stopping,
                                bool onCallingThread) {
        const auto stopAsked = [&] {
            return stopping.load(std::memory_order_relaxed) ||
                   progressStopped.load(std::memory_order_relaxed) ||
                   (options.stop != nullptr && options.stop->load(std::memory_order_relaxed));
        };
        std::uint64_t pending = 0;
        const HandsDone report = [&](std::uint64_t hands) {
            pending += hands;
            if (pending >= kBatch) {
                const std::uint64_t now =
                    done.fetch_add(pending, std::memory_order_relaxed) + pending;
                pending = 0;
                // Nobody polls for the calling thread: it asks for itself,
                // until the answer is to stop.
                if (onCallingThread && !progressStopped.load(std::memory_order_relaxed) &&
                    !goOn(now)) {
                    progressStopped.store(true, std::memory_order_relaxed);
                }
            }
            return !stopAsked();
        };
        const NextPiece next = [&](std::size_t& piece) {
            if (stopAsked()) {
                return false;
            }
            piece = nextPiece.fetch_add(1, std::memory_order_relaxed);
            return piece < job.pieces;
        };
        job.work(slot, next, report);
        done.fetch_add(pending, std::memory_order_relaxed);
    };

    WorkerRunOptions run{.startThread = options.startThread};
    if (options.progress) {
        run.poll = [&] { return goOn(done.load(std::memory_order_relaxed)); };
    }
    return runWorkers(driverSlots(options.workers, job.pieces), body, run);
}

}  // namespace marvane
