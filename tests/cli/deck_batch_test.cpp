// SPDX-License-Identifier: MIT
#include "cli/deck_batch.h"

#include <gtest/gtest.h>

#include <system_error>
#include <thread>

namespace marvane {
namespace {

// With the second thread refused, the first does every deck: all are
// enumerated, in the caller's order, and the batch says it had one thread.
TEST(DeckBatch, ThreadsThatStartCountTheDecksOfThoseThatCannot) {
    const std::vector<Deck> decks = {{4, 7}, {5, 7}, {4, 8}};
    const std::uint32_t hands[] = {98'280, 324'632, 201'376};
    std::uint32_t starts = 0;
    const ThreadStart secondFails = [&starts](std::function<void()> body) {
        if (++starts == 2) {
            throw std::system_error(
                std::make_error_code(std::errc::resource_unavailable_try_again));
        }
        return std::jthread(std::move(body));
    };
    std::uint32_t decksDone = 0;
    const DeckBatch batch = countDecks(
        decks, true, 3, [&] { ++decksDone; }, secondFails);
    EXPECT_EQ(batch.threads.wanted, 3u);
    EXPECT_EQ(batch.threads.ran, 1u);
    EXPECT_EQ(decksDone, 3u);
    ASSERT_EQ(batch.reports.size(), decks.size());
    for (std::size_t i = 0; i < decks.size(); ++i) {
        const DeckReport& report = batch.reports[i];
        EXPECT_EQ(report.deck, decks[i]);
        EXPECT_TRUE(report.enumerated);
        EXPECT_EQ(report.state.handCounter, hands[i]);
        EXPECT_EQ(report.state.enumerated, report.state.computed);
    }
}

}  // namespace
}  // namespace marvane
