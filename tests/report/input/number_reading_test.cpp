// SPDX-License-Identifier: MIT
#include "report/input/number_reading.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace marvane {
namespace {

TEST(NumberReading, ReadsDigitsBetweenBlanksAndNothingElse) {
    const std::string blanks30(30, ' ');
    // Numbers are read whether in range or not; beyond 32 bits they saturate
    // instead of wrapping into the range; a long text is read to its end.
    const std::pair<std::string, std::uint32_t> numbers[] = {
        {"5", 5},
        {" \t 5 \t", 5},
        {"005", 5},
        {"0", 0},
        {" 9 ", 9},
        {"4294967301", 4294967295u},
        {"99999999999999999999999", 4294967295u},
        {blanks30 + "5", 5},
        {blanks30 + " 5" + blanks30, 5}};
    for (const auto& [text, value] : numbers) {
        const NumberReading reading = readNumber(text, 4, 8);
        EXPECT_EQ(reading.value, value) << '"' << text << '"';
        EXPECT_EQ(reading.status, value >= 4 && value <= 8 ? NumberReadingStatus::Ok
                                                           : NumberReadingStatus::OutOfRange)
            << '"' << text << '"';
    }
    const std::string xAfter31 = "5" + blanks30 + "x";
    for (const char* text :
         {"", " \t ", "-5", "+5", "5x", "5 5", "\n5", "1.0", "\xef\xbc\x95", xAfter31.c_str()}) {
        EXPECT_EQ(readNumber(text, 4, 8).status, NumberReadingStatus::NotAnInteger)
            << '"' << text << '"';
    }
}

TEST(NumberReading, MessagesNameTheBounds) {
    EXPECT_EQ(numberReadingMessage(NumberReadingStatus::NotAnInteger, 4, 8),
              "Please enter a positive integer.");
    EXPECT_EQ(numberReadingMessage(NumberReadingStatus::OutOfRange, 4, 8),
              "Please enter an integer between 4 and 8.");
    EXPECT_EQ(numberReadingMessage(NumberReadingStatus::OutOfRange, 7, 20),
              "Please enter an integer between 7 and 20.");
    EXPECT_EQ(numberReadingMessage(NumberReadingStatus::Ok, 7, 20), "");
}

}  // namespace
}  // namespace marvane
