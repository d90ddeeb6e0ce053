#include "deck_argument.h"

#include <gtest/gtest.h>

namespace marvane {
namespace {

std::string messageFor(std::string_view text) {
    const auto result = parseDeckDimension(text, 4, 8);
    const auto* error = std::get_if<ArgumentError>(&result);
    return error ? error->message : "";
}

TEST(DeckArgument, ReadsDigitsWithinRange) {
    EXPECT_EQ(std::get<std::uint32_t>(parseDeckDimension("4", 4, 8)), 4u);
    EXPECT_EQ(std::get<std::uint32_t>(parseDeckDimension(" \t8 ", 4, 8)), 8u);
    EXPECT_EQ(std::get<std::uint32_t>(parseDeckDimension("007", 7, 20)), 7u);
}

TEST(DeckArgument, NonNumbersAskForAPositiveInteger) {
    for (const char* text : {"", "  ", "-4", "+5", "4.0", "4x", "x4", "4 5", "0x5"}) {
        EXPECT_EQ(messageFor(text), "Please enter a positive integer.") << '"' << text << '"';
    }
}

TEST(DeckArgument, OutOfRangeNamesTheBounds) {
    for (const char* text : {"0", "3", "9", "4294967296", "99999999999999999999999"}) {
        EXPECT_EQ(messageFor(text), "Please enter an integer between 4 and 8.") << text;
    }
    const auto ranks = parseDeckDimension("21", 7, 20);
    EXPECT_EQ(std::get<ArgumentError>(ranks).message, "Please enter an integer between 7 and 20.");
}

}  // namespace
}  // namespace marvane
