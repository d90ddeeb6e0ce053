// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

#include "engine/enumeration/work_split.h"
#include "engine/threads/worker_run.h"
#include "engine/vocabulary/wide_counts.h"

namespace marvane {

// Called now and then with the hands visited so far and the hands in all;
// return false to stop the run.
using RunProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

// How an enumeration runs: the same for five cards, K cards and jokers.
struct RunOptions {
    std::uint32_t workers = 1;  // 1 to kMaxWorkers
    // On the calling thread, about every 20 ms (in a build without threads,
    // after every batch of hands), and once at the end of a complete run.
    RunProgress progress{};
    // Set it from any thread to stop the run soon after.
    const std::atomic<bool>* stop = nullptr;
    // Empty: real threads. A worker that can't start leaves its share to the
    // others (to the calling thread when none starts); the counts are the same.
    ThreadStart startThread{};
    // Only the hands whose lowest card index lies here (as splitFirstCards
    // cuts them for whole hands), so that separate processes can each run
    // one share and add the counts; nothing: every hand. With jokers, the
    // share that ends at a whole hand's last first card also takes the
    // hands whose fewer natural cards start after it.
    std::optional<FirstCards> share{};
};

enum class RunStatus { Completed, Cancelled, Refused };

// What an enumeration of hands of more than five cards, or with jokers, gives.
struct EnumerationRun {
    RunStatus status = RunStatus::Refused;
    CategoryCounts64 counts;  // complete only when Completed
    std::uint64_t handsVisited = 0;
    WorkersRan threads;  // nothing wanted when Refused
};

// A worker's report of hands it has visited; false asks it to stop now.
using HandsDone = std::function<bool(std::uint64_t hands)>;
// Gives a worker its next piece of work; false when none is left or the run stops.
using NextPiece = std::function<bool(std::size_t& piece)>;

// One enumeration as the driver runs it: `pieces` pieces of work, taken in
// order by whichever worker is free (the caller puts the largest first, so
// that the workers end together). A worker's `work` takes pieces from `next`
// until it says none is left and reports its hands through `report` every
// few thousand; `slot` is its own, for a table nobody else writes.
struct DriverJob {
    std::size_t pieces = 0;
    // What a reported hand stands for in the progress: a joker run's natural
    // part stands for several hands.
    std::uint64_t weight = 1;
    std::function<void(std::size_t slot, const NextPiece& next, const HandsDone& report)> work;
};

// The workers a job runs on: as many as asked, but not more than pieces, and
// at least one.
std::uint32_t driverSlots(std::uint32_t workers, std::size_t pieces);

// Runs the job on driverSlots(options.workers, job.pieces) workers. Progress
// says `before` plus the weighted hands reported, out of `total`; a stop
// (options.stop, or progress giving false) ends every worker at its next
// report. On the calling thread (a build without threads, or none would
// start) progress comes at the same reports, at most once per batch of hands.
// The caller tells a complete run by its counts.
WorkersRan driveWorkers(const DriverJob& job, const RunOptions& options, std::uint64_t before,
                        std::uint64_t total);

}  // namespace marvane
