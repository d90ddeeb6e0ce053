#include "deck_report.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace marvane {
namespace {

TEST(DeckReport, EnumerationFillsBothColumnsAndStepsProgress) {
    int ticks = 0;
    const DeckReport report = buildDeckReport({4, 7}, true, [&ticks] { ++ticks; });
    EXPECT_EQ(ticks, 1002);  // 98280 hands at 98 per tick
    EXPECT_TRUE(report.mismatches.empty());
    ASSERT_EQ(report.rows.size(), kCategoryCount);
    for (const ReportRow& row : report.rows) {
        EXPECT_EQ(row.enumerated, row.computed) << row.name;
    }
}

TEST(DeckReport, RefusesDecksOutsideTheRanges) {
    EXPECT_THROW(buildDeckReport({3, 13}, false), std::invalid_argument);
    EXPECT_THROW(buildDeckReport({9, 13}, false), std::invalid_argument);
    EXPECT_THROW(buildDeckReport({4, 21}, true), std::invalid_argument);
}

}  // namespace
}  // namespace marvane
