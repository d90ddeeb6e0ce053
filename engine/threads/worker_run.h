// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>

#if MARVANE_THREADS
#include <thread>
#endif

namespace marvane {

// Most workers one run takes.
inline constexpr std::uint32_t kMaxWorkers = 256;

// One worker per hardware thread, between 1 and kMaxWorkers; 1 in a build
// without threads.
std::uint32_t defaultWorkerCount();

#if MARVANE_THREADS
// Starts a thread that runs `body`, or throws (std::thread throws
// std::system_error when the system has no thread left to give). Tests pass
// one that fails on purpose; an empty one means a plain std::jthread.
using ThreadStart = std::function<std::jthread(std::function<void()> body)>;
#else
// A build without threads starts none: every run is the calling thread's.
struct ThreadStart {
    explicit operator bool() const { return false; }
};
#endif

// How many threads a run asked for and how many did its work.
struct WorkersRan {
    std::uint32_t wanted = 0;
    // The threads that started, or 1 when none did and the calling thread
    // did all the work itself.
    std::uint32_t ran = 0;

    bool fewer() const { return ran < wanted; }
};

// One worker's work: `slot` (0 to workers - 1) is its own, for a table
// nobody else writes; `stop` turns true when the caller's poll asks to stop.
// `onCallingThread` says that the worker is the caller itself (no thread
// started, or a build without threads): nobody polls for it then, so it
// reports its progress itself. Workers take their shares from a queue they
// all draw on, so the work of a worker that never started is done by the
// others.
using WorkerBody =
    std::function<void(std::size_t slot, const std::atomic<bool>& stop, bool onCallingThread)>;

struct WorkerRunOptions {
    ThreadStart startThread{};
    // Called on the calling thread about every `interval` while workers run,
    // with no lock held, so a slow caller delays no worker; false asks the
    // workers to stop. Not called once every worker has finished. When it
    // throws, the workers are stopped and joined before the exception leaves.
    std::function<bool()> poll{};
    std::chrono::milliseconds interval{20};
};

// Runs `work` on up to `workers` threads and returns once all have finished.
// A thread that can't be started is not retried: the workers that did start
// do its share. When none starts, or the build has no threads, the calling
// thread runs work(0, stop, true) itself, and poll is never called.
WorkersRan runWorkers(std::uint32_t workers, const WorkerBody& work,
                      const WorkerRunOptions& options = {});

}  // namespace marvane
