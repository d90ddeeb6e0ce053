// SPDX-License-Identifier: MIT
#include "engine/threads/worker_run.h"

#include <algorithm>

#if MARVANE_THREADS
#include <condition_variable>
#include <exception>
#include <mutex>
#include <utility>
#include <vector>
#endif

namespace marvane {

#if MARVANE_THREADS

namespace {

std::jthread startRealThread(std::function<void()> body) {
    return std::jthread(std::move(body));
}

}  // namespace

std::uint32_t defaultWorkerCount() {
    // hardware_concurrency() is 0 when the system won't say.
    return std::clamp<std::uint32_t>(std::thread::hardware_concurrency(), 1, kMaxWorkers);
}

WorkersRan runWorkers(std::uint32_t workers, const WorkerBody& work,
                      const WorkerRunOptions& options) {
    const ThreadStart start =
        options.startThread ? options.startThread : ThreadStart(startRealThread);
    std::atomic<bool> stop{false};
    std::mutex lock;
    std::condition_variable finished;
    std::size_t running = 0;

    std::vector<std::jthread> threads;
    threads.reserve(workers);
    for (std::size_t slot = 0; slot < workers; ++slot) {
        {
            // Counted before it starts, so that its end can't come first.
            const std::scoped_lock guard(lock);
            ++running;
        }
        try {
            threads.push_back(start([&, slot] {
                work(slot, stop, false);
                const std::scoped_lock guard(lock);
                --running;
                finished.notify_all();
            }));
        } catch (const std::exception&) {
            const std::scoped_lock guard(lock);
            --running;
            break;
        }
    }

    if (threads.empty()) {
        work(0, stop, true);
        return {.wanted = workers, .ran = 1};
    }
    std::unique_lock guard(lock);
    while (running != 0) {
        if (finished.wait_for(guard, options.interval, [&] { return running == 0; })) {
            break;
        }
        guard.unlock();
        try {
            if (options.poll && !stop.load(std::memory_order_relaxed) && !options.poll()) {
                stop.store(true, std::memory_order_relaxed);
            }
        } catch (...) {
            // Not one worker may run on unasked once the caller has given up.
            stop.store(true, std::memory_order_relaxed);
            threads.clear();
            throw;
        }
        guard.lock();
    }
    guard.unlock();
    const auto started = static_cast<std::uint32_t>(threads.size());
    threads.clear();  // joins; every worker has left its body by now
    return {.wanted = workers, .ran = started};
}

#else

std::uint32_t defaultWorkerCount() {
    return 1;
}

WorkersRan runWorkers(std::uint32_t workers, const WorkerBody& work, const WorkerRunOptions&) {
    const std::atomic<bool> stop{false};
    work(0, stop, true);
    return {.wanted = std::min<std::uint32_t>(workers, 1), .ran = 1};
}

#endif

}  // namespace marvane
