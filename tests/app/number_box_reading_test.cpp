#include "number_box_reading.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace marvane {
namespace {

TEST(NumberBoxReading, ReadsAsTheDialogValidates) {
    const std::string blanks30(30, ' ');
    const std::string fiveAfter31 = blanks30 + " 5";
    // Numbers are read whether in range or not; beyond 32 bits they saturate
    // instead of wrapping into the range; only the first 31 characters count.
    const std::pair<std::string, std::uint32_t> numbers[] = {
        {"5", 5},
        {" \t 5 \t", 5},
        {"005", 5},
        {"0", 0},
        {" 9 ", 9},
        {"4294967301", 4294967295u},
        {"99999999999999999999999", 4294967295u},
        {blanks30 + "5", 5},
        {"5" + blanks30 + "x", 5}};
    for (const auto& [text, value] : numbers) {
        const NumberBoxReading reading = readNumberBox(text, 4, 8);
        EXPECT_EQ(reading.value, value) << '"' << text << '"';
        EXPECT_EQ(reading.status,
                  value >= 4 && value <= 8 ? NumberBoxStatus::Ok : NumberBoxStatus::OutOfRange)
            << '"' << text << '"';
    }
    for (const char* text :
         {"", " \t ", "-5", "+5", "5x", "5 5", "\n5", "1.0", "\xef\xbc\x95", fiveAfter31.c_str()}) {
        EXPECT_EQ(readNumberBox(text, 4, 8).status, NumberBoxStatus::NotAnInteger)
            << '"' << text << '"';
    }
}

}  // namespace
}  // namespace marvane
