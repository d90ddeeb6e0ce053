// SPDX-License-Identifier: MIT
#include "engine/enumeration/worker_driver.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "engine/enumeration/five_card_hands.h"
#include "engine/enumeration/joker_enumerator.h"
#include "engine/enumeration/k_card_enumerator.h"
#include "engine/vocabulary/hand_count.h"

namespace marvane {
namespace {

// Every enumeration tells its caller how far it is, on the caller's thread
// and never backwards, and stops when the caller says so: on workers, and in
// a build without threads, where the caller's own thread does the work and
// asks after every batch of hands as a worker reports.
TEST(WorkerDriver, ProgressAndStopReachTheCallerInEveryRun) {
    struct Case {
        const char* what;
        std::uint64_t hands;
        std::function<EnumerationRun(const RunOptions&)> run;
    };
    const Case cases[] = {
        {"five cards, 8 x 20", handsOf({8, 20}, 5),
         [](const RunOptions& options) {
             EngineState state;
             return enumerateFiveCardHands({8, 20}, state, {}, options);
         }},
        {"seven cards, 6 x 10", handsOf({6, 10}, 7),
         [](const RunOptions& options) {
             return enumerateKCards({6, 10}, 7, defaultOrder({6, 10}, 7, 0), options);
         }},
        {"seven cards with a joker, 8 x 20", handsOf({8, 20}, 7, 1),
         [](const RunOptions& options) {
             return enumerateJokers({8, 20}, 7, 1, defaultOrder({8, 20}, 7, 1), options);
         }},
    };
    for (const Case& c : cases) {
        for (std::uint32_t workers : {1u, 2u}) {
            const std::thread::id caller = std::this_thread::get_id();
            std::uint32_t calls = 0;
            std::uint64_t last = 0;
            bool forward = true;
            bool elsewhere = false;
            const RunOptions options{
                .workers = workers, .progress = [&](std::uint64_t done, std::uint64_t total) {
                    forward = forward && done >= last && total == c.hands;
                    last = done;
                    elsewhere = elsewhere || std::this_thread::get_id() != caller;
                    return ++calls < 3;
                }};
            const EnumerationRun run = c.run(options);
            EXPECT_EQ(run.status, RunStatus::Cancelled) << c.what << ", " << workers;
            EXPECT_LT(run.handsVisited, c.hands) << c.what;
            EXPECT_EQ(calls, 3u) << c.what << ", " << workers;
            EXPECT_TRUE(forward) << c.what;
            EXPECT_FALSE(elsewhere) << c.what;
        }
    }
}

}  // namespace
}  // namespace marvane
