// SPDX-License-Identifier: MIT
#include "cli/deck_batch.h"

#include <gtest/gtest.h>

#include <system_error>
#include <thread>

namespace marvane {
namespace {

// Refused threads leave their decks to the one that starts, or to the
// calling thread when none does: every deck is enumerated, in the caller's
// order, each reported done once, and the batch says it had one thread.
TEST(DeckBatch, DecksOfThreadsThatCannotStartAreCountedByTheOthers) {
    const std::vector<Deck> decks = {{4, 7}, {5, 7}, {4, 8}};
    const std::uint32_t hands[] = {98'280, 324'632, 201'376};
    for (const std::uint32_t firstRefused : {2u, 1u}) {
        std::uint32_t starts = 0;
        const ThreadStart refuse = [&](std::function<void()> body) {
            if (++starts >= firstRefused) {
                throw std::system_error(
                    std::make_error_code(std::errc::resource_unavailable_try_again));
            }
            return std::jthread(std::move(body));
        };
        std::uint32_t decksDone = 0;
        const DeckBatch batch = countDecks(
            decks, {.enumerate = true}, 3, [&] { ++decksDone; }, refuse);
        EXPECT_EQ(batch.threads.wanted, 3u) << firstRefused;
        EXPECT_EQ(batch.threads.ran, 1u) << firstRefused;
        EXPECT_EQ(decksDone, 3u) << firstRefused;
        ASSERT_EQ(batch.reports.size(), decks.size());
        for (std::size_t i = 0; i < decks.size(); ++i) {
            const ShownReport& report = batch.reports[i];
            EXPECT_EQ(report.deck, decks[i]);
            EXPECT_TRUE(report.enumerated);
            EXPECT_EQ(std::get<FiveCardReport>(report.source).state.handCounter, hands[i]);
            EXPECT_TRUE(report.mismatches.empty());
        }
    }
}

}  // namespace
}  // namespace marvane
