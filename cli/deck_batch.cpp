// SPDX-License-Identifier: MIT
#include "cli/deck_batch.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <numeric>

#include "report/results/count_request.h"

namespace marvane {

DeckBatch countDecks(const std::vector<Deck>& decks, const CountRequest& each, std::uint32_t jobs,
                     const std::function<void()>& deckDone, const ThreadStart& startThread) {
    std::vector<std::size_t> queue(decks.size());
    std::iota(queue.begin(), queue.end(), std::size_t{0});
    std::stable_sort(queue.begin(), queue.end(), [&](std::size_t a, std::size_t b) {
        return decks[a].cardCount() > decks[b].cardCount();
    });

    DeckBatch batch;
    batch.reports.resize(decks.size());
    std::atomic<std::size_t> next{0};
    std::atomic<std::uint32_t> done{0};
    std::mutex failureLock;
    std::exception_ptr failure;
    // Each finished deck is reported from the calling thread, where the
    // caller lives.
    std::uint32_t seen = 0;
    const auto reportDone = [&] {
        for (const std::uint32_t now = done.load(); seen < now; ++seen) {
            if (deckDone) {
                deckDone();
            }
        }
        return true;
    };
    // A stop (deckDone threw) leaves the decks not yet begun. A worker on the
    // calling thread is polled by nobody, so it reports its own decks.
    const WorkerBody work = [&](std::size_t, const std::atomic<bool>& stop, bool onCallingThread) {
        for (std::size_t i = next++; i < queue.size() && !stop; i = next++) {
            try {
                CountRequest request = each;
                request.deck = decks[queue[i]];
                request.workers = 1;
                batch.reports[queue[i]] = answer(request);
            } catch (...) {
                const std::scoped_lock lock(failureLock);
                failure = failure ? failure : std::current_exception();
            }
            ++done;
            if (onCallingThread) {
                reportDone();
            }
        }
    };
    const auto threads = static_cast<std::uint32_t>(
        std::clamp<std::size_t>(jobs, 1, std::max<std::size_t>(decks.size(), 1)));
    batch.threads = runWorkers(threads, work, {.startThread = startThread, .poll = reportDone});
    reportDone();
    if (failure) {
        std::rethrow_exception(failure);
    }
    return batch;
}

}  // namespace marvane
