// SPDX-License-Identifier: MIT
#include "listctrl/row_compare.h"

#include "tests/listctrl/qt_printers.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

using marvane::CompareRows;

struct RowCase {
    const char* text1;
    const char* text2;
    bool ascending;
    int expected;
};

TEST(CompareRows, ChoosesTheKindFromTheFirstText) {
    const RowCase cases[] = {
        {"9", "10", true, -1},  // numbers by value, in either position
        {"10", "9", true, 1},
        {"9", "10", false, 1},
        {"-5", "+", true, -1},  // "+" alone reads as 0
        {" 42 ", "42", true, 0},
        {"\t42\r\n", "042", false, 0},
        {"", "5", true, -1},  // empty: text order, so first when ascending
        {"", "5", false, 1},
        {"   ", "5", true, -1},  // blanks only are empty
        {"-", "5", true, -1},    // "-" alone is text
        {"5-3", "5-2", true, 1},
        {"1.5", "1.25", true, 1},  // not numbers, and no date in the C locale
        {"B", "a", true, -1},      // byte order: upper case first
        {"\xC3\xA9", "z", true, 1},
        {"ab", "abc", true, -1},
        {"5", "x", false, -1},  // number chosen from "5": 0 for "x" is below 5
        {"5", "x", true, 1},
        {"x", "5", false, -1},   // text chosen from "x", operands swapped
        {"7", "none", true, 1},  // a mixed column is inconsistent:
        {"none", "7", true, 1},  // both say the first row goes last
        {"\xC2\xA0"
         "5",
         "6", true, 1},  // a no-break space is not trimmed
    };
    for (const RowCase& c : cases) {
        EXPECT_EQ(CompareRows(QString::fromUtf8(c.text1), QString::fromUtf8(c.text2), c.ascending),
                  c.expected)
            << '"' << c.text1 << "\" \"" << c.text2 << "\" " << c.ascending;
    }
}

TEST(CompareRows, DatesInTheUsersLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const RowCase cases[] = {
        {"12/31/23", "1/2/24", true, -1},  // as texts "1/2/24" would go first
        {"12/31/23", "1/2/24", false, 1},
        {"1/2/24 3:00 PM", "1/2/24 9:00 AM", true, 1},
        {"Monday, January 1, 2024", "Sunday, December 31, 2023", true, 1},
        {"12/31/23", " 12/31/23\t", true, 0},
        {"1/2/24", "zzz", true, -1},           // an unreadable second date: text order
        {"5", "1/2/24", true, 1},              // a number first means numbers
        {"12/31/2023", "2/1/2024", true, -1},  // four-digit years in a two-digit format
        {"1/1/05", "12/31/99", true, 1},       // 05 is 2005, after 1999
    };
    for (const RowCase& c : cases) {
        EXPECT_EQ(CompareRows(c.text1, c.text2, c.ascending), c.expected)
            << c.text1 << " / " << c.text2;
    }
    EXPECT_FALSE(marvane::ParsesAsDate("none"));
    QLocale::setDefault(saved);
}

}  // namespace
