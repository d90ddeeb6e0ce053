#include "number_box_reading.h"

#include <gtest/gtest.h>

#include <string>

namespace marvane {
namespace {

NumberBoxReading suits(std::string_view text) {
    return readNumberBox(text, 4, 8);
}

TEST(NumberBoxReading, AcceptsDigitsBetweenBlanksAndTabs) {
    for (const char* text : {"5", " 5", "\t5", " \t 5 \t ", "005"}) {
        const NumberBoxReading reading = suits(text);
        EXPECT_EQ(reading.status, NumberBoxStatus::Ok) << '"' << text << '"';
        EXPECT_EQ(reading.value, 5u) << '"' << text << '"';
    }
}

TEST(NumberBoxReading, TextWithoutAPlainNumberIsNotAnInteger) {
    for (const char* text : {"", "   ", "\t", "-", "-5", " -5", "+5", "x", "5x", "5 5", "5\n",
                             "\n5", "1.0", "0x5", "\xef\xbc\x95"}) {
        EXPECT_EQ(suits(text).status, NumberBoxStatus::NotAnInteger) << '"' << text << '"';
    }
}

TEST(NumberBoxReading, NumberOutsideTheBoundsKeepsItsValue) {
    // Zero is a number like any other: it fails the range, not the reading.
    EXPECT_EQ(suits("0").status, NumberBoxStatus::OutOfRange);
    EXPECT_EQ(suits("0").value, 0u);
    EXPECT_EQ(suits("3").status, NumberBoxStatus::OutOfRange);
    EXPECT_EQ(suits("4").status, NumberBoxStatus::Ok);
    EXPECT_EQ(suits("8").status, NumberBoxStatus::Ok);
    EXPECT_EQ(suits(" 9 ").status, NumberBoxStatus::OutOfRange);
    EXPECT_EQ(suits(" 9 ").value, 9u);
}

TEST(NumberBoxReading, NumbersBeyond32BitsSaturate) {
    EXPECT_EQ(suits("4294967295").value, 4294967295u);
    EXPECT_EQ(suits("4294967296").value, 4294967295u);
    EXPECT_EQ(suits("99999999999999999999999999999").value, 4294967295u);
    EXPECT_EQ(suits("4294967296").status, NumberBoxStatus::OutOfRange);
    EXPECT_EQ(readNumberBox("4294967296", 0, 4294967295u).status, NumberBoxStatus::Ok);
    // No wrap-around into the range: 2^32 + 5 is not 5.
    EXPECT_EQ(suits("4294967301").status, NumberBoxStatus::OutOfRange);
}

TEST(NumberBoxReading, OnlyTheFirst31CharactersCount) {
    const std::string blanks30(30, ' ');
    EXPECT_EQ(suits(blanks30 + "5").status, NumberBoxStatus::Ok);
    EXPECT_EQ(suits(blanks30 + " 5").status, NumberBoxStatus::NotAnInteger);
    EXPECT_EQ(suits("5" + blanks30 + "x").status, NumberBoxStatus::Ok);
    EXPECT_EQ(suits("5" + blanks30 + "x").value, 5u);
}

}  // namespace
}  // namespace marvane
