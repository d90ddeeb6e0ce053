// SPDX-License-Identifier: MIT
#include "cli/deck_batch.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <numeric>
#include <thread>

namespace marvane {

std::vector<DeckReport> countDecks(const std::vector<Deck>& decks, bool enumerate,
                                   std::uint32_t jobs, const std::function<void()>& deckDone) {
    std::vector<std::size_t> queue(decks.size());
    std::iota(queue.begin(), queue.end(), std::size_t{0});
    std::stable_sort(queue.begin(), queue.end(), [&](std::size_t a, std::size_t b) {
        return decks[a].cardCount() > decks[b].cardCount();
    });

    std::vector<DeckReport> reports(decks.size());
    std::atomic<std::size_t> next{0};
    std::atomic<std::uint32_t> done{0};
    std::mutex failureLock;
    std::exception_ptr failure;
    const auto work = [&] {
        for (std::size_t i = next++; i < queue.size(); i = next++) {
            try {
                reports[queue[i]] = buildDeckReport(
                    {.deck = decks[queue[i]], .enumerate = enumerate, .workers = 1});
            } catch (...) {
                const std::scoped_lock lock(failureLock);
                failure = failure ? failure : std::current_exception();
            }
            ++done;
            done.notify_one();
        }
    };
    {
        const std::size_t threads =
            std::clamp<std::size_t>(jobs, 1, std::max<std::size_t>(decks.size(), 1));
        std::vector<std::jthread> pool;
        pool.reserve(threads);
        for (std::size_t t = 0; t < threads; ++t) {
            pool.emplace_back(work);
        }
        // Report each finished deck from here, where the caller lives.
        for (std::uint32_t seen = 0; seen < decks.size();) {
            done.wait(seen);
            for (const std::uint32_t now = done.load(); seen < now; ++seen) {
                if (deckDone) {
                    deckDone();
                }
            }
        }
    }  // the pool joins here
    if (failure) {
        std::rethrow_exception(failure);
    }
    return reports;
}

}  // namespace marvane
