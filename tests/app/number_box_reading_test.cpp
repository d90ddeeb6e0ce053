// SPDX-License-Identifier: MIT
#include "app/number_box_reading.h"

#include <gtest/gtest.h>

#include <string>

namespace marvane {
namespace {

// A box holds 31 characters; its reading looks at nothing beyond them.
TEST(NumberBoxReading, StopsAtThirtyOneCharacters) {
    const std::string blanks30(30, ' ');
    EXPECT_EQ(readNumberBox(blanks30 + " 5", 4, 8).status, NumberReadingStatus::NotAnInteger);
    const NumberReading cut = readNumberBox("5" + blanks30 + "x", 4, 8);
    EXPECT_EQ(cut.status, NumberReadingStatus::Ok);
    EXPECT_EQ(cut.value, 5u);
}

}  // namespace
}  // namespace marvane
