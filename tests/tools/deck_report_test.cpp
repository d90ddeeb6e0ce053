#include "deck_report.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace marvane {
namespace {

std::vector<std::uint32_t> totalsOf(const DeckReport& report) {
    std::vector<std::uint32_t> totals;
    for (const ReportRow& row : report.rows) {
        totals.push_back(row.total);
    }
    return totals;
}

TEST(DeckReport, RowsFollowTheSortedList) {
    const DeckReport report = buildDeckReport({5, 7}, false);
    EXPECT_EQ(report.hands, 324632u);
    EXPECT_FALSE(report.floatingPath);
    EXPECT_EQ(totalsOf(report),
              (std::vector<std::uint32_t>{7, 20, 105, 217, 427, 480, 1057, 2737, 3787, 4207, 12500,
                                          14287, 16807, 31507, 57757, 259007, 324632}));
    EXPECT_EQ(report.rows[2].name, "Flush");
    EXPECT_EQ(report.rows[2].computed, 85u);
    EXPECT_FALSE(report.rows[2].enumerated);
}

TEST(DeckReport, EqualTotalsKeepTheOrderRowsWereAddedIn) {
    const DeckReport report = buildDeckReport({4, 13}, false);
    const std::vector<std::string_view> zeroRows = {
        "Five of a Kind",      "Rainbow 4 of a Kind", "Rainbow Straight", "Rainbow Full House",
        "Rainbow 3 of a Kind", "Rainbow 2 Pair",      "Rainbow 1 Pair",   "Rainbow"};
    for (std::size_t i = 0; i < zeroRows.size(); ++i) {
        EXPECT_EQ(report.rows[i].name, zeroRows[i]);
        EXPECT_EQ(report.rows[i].total, 0u);
    }
}

TEST(DeckReport, FloatingPathFollowsTheNumberOfCards) {
    EXPECT_FALSE(buildDeckReport({4, 20}, false).floatingPath);  // 80 cards
    const DeckReport ninetyOne = buildDeckReport({7, 13}, false);
    EXPECT_FALSE(ninetyOne.floatingPath);
    EXPECT_EQ(ninetyOne.hands, 46504458u);
    EXPECT_TRUE(buildDeckReport({5, 19}, false).floatingPath);  // 95 cards
    EXPECT_TRUE(buildDeckReport({8, 20}, false).floatingPath);
}

TEST(DeckReport, EnumerationFillsBothColumnsAndStepsProgress) {
    int ticks = 0;
    const DeckReport report = buildDeckReport({4, 7}, true, [&ticks] { ++ticks; });
    EXPECT_EQ(ticks, 1002);  // 98280 hands at 98 per tick
    EXPECT_TRUE(report.mismatches.empty());
    for (const ReportRow& row : report.rows) {
        EXPECT_EQ(row.enumerated, row.computed) << row.name;
    }
}

TEST(DeckReport, RefusesDecksOutsideTheRanges) {
    EXPECT_THROW(buildDeckReport({3, 13}, false), std::invalid_argument);
    EXPECT_THROW(buildDeckReport({9, 13}, false), std::invalid_argument);
    EXPECT_THROW(buildDeckReport({4, 21}, true), std::invalid_argument);
}

TEST(DeckReport, AllAdmissibleDecksRunRanksWithinSuits) {
    const auto decks = allAdmissibleDecks();
    ASSERT_EQ(decks.size(), 70u);
    EXPECT_EQ(decks.front(), (Deck{4, 7}));
    EXPECT_EQ(decks[14], (Deck{5, 7}));
    EXPECT_EQ(decks.back(), (Deck{8, 20}));
}

}  // namespace
}  // namespace marvane
