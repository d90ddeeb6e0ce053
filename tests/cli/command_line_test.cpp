// SPDX-License-Identifier: MIT
#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marvane {
namespace {

ParseOutcome parse(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "marvane-count");
    return parseCommandLine(static_cast<int>(arguments.size()), arguments.data());
}

TEST(CommandLine, EachModeGetsTheValuesItRunsOn) {
    const auto count = parse({"--suits", "4", "--ranks", "13", "--cards", "7", "--jokers", "1",
                              "--jobs", "3", "--enumerate"});
    ASSERT_TRUE(std::holds_alternative<CountOptions>(count));
    const auto& counting = std::get<CountOptions>(count);
    EXPECT_EQ(counting.decks, std::vector<Deck>{Deck(4, 13)});
    EXPECT_EQ(counting.cards, 7u);
    EXPECT_EQ(counting.jokers, 1u);
    EXPECT_EQ(counting.jobs, 3u);
    EXPECT_TRUE(counting.enumerate);

    const auto find = parse({"--all", "--cards", "6", "--find-order", "--format", "json"});
    ASSERT_TRUE(std::holds_alternative<FindOrderOptions>(find));
    EXPECT_EQ(std::get<FindOrderOptions>(find).decks.size(), 70u);
    EXPECT_TRUE(std::get<FindOrderOptions>(find).report.allDecks);
    EXPECT_EQ(std::get<FindOrderOptions>(find).report.format, ReportFormat::Json);

    // Each series within one deck keeps the other number it is taken at.
    const auto jokers =
        parse({"--crossings", "jokers", "--suits", "6", "--ranks", "10", "--cards", "7"});
    ASSERT_TRUE(std::holds_alternative<JokerCrossingsOptions>(jokers));
    EXPECT_EQ(std::get<JokerCrossingsOptions>(jokers).deck, Deck(6, 10));
    EXPECT_EQ(std::get<JokerCrossingsOptions>(jokers).cards, 7u);
    const auto cards =
        parse({"--crossings", "cards", "--suits", "5", "--ranks", "9", "--jokers", "2"});
    ASSERT_TRUE(std::holds_alternative<CardCrossingsOptions>(cards));
    EXPECT_EQ(std::get<CardCrossingsOptions>(cards).jokers, 2u);
    const auto ranks = parse({"--crossings", "ranks", "--suits", "4", "--cards", "6"});
    ASSERT_TRUE(std::holds_alternative<DeckCrossingsOptions>(ranks));
    EXPECT_EQ(std::get<DeckCrossingsOptions>(ranks).query.varying, DeckDimension::Ranks);
    EXPECT_EQ(std::get<DeckCrossingsOptions>(ranks).cards, 6u);

    const auto check = parse({"--check-order", "--suits", "4", "--ranks", "7", "--cards", "6"});
    ASSERT_TRUE(std::holds_alternative<CheckOrderOptions>(check));
    EXPECT_EQ(std::get<CheckOrderOptions>(check).cards, 6u);
}

// Of two mistakes the same one is named whatever the options' places, and
// --help and --explain are answered whatever else is wrong (but the jokers and
// the hand size --explain explains).
TEST(CommandLine, ProblemsAreFoundInAFixedOrder) {
    const std::vector<std::pair<std::vector<const char*>, std::string>> cases = {
        {{"--jokers", "9", "--unknown"}, "The following argument was not expected: --unknown"},
        {{"--jobs", "0", "--find-order", "--check-order"},
         "--find-order and --check-order are two reports: choose one"},
        {{"--cards", "x", "--jobs", "0"}, "--jobs: Please enter an integer between 1 and 256."},
        {{"--crossings", "banana", "--cards", "9"},
         "--cards: Please enter an integer between 3 and 8."},
        // --explain reads the hand size it explains.
        {{"--explain", "--jobs", "0", "--cards", "9"},
         "--cards: Please enter an integer between 3 and 8."},
        {{"--crossings", "jokers", "--jokers", "1", "--odds"},
         "--crossings cannot be combined with --all, --enumerate or --odds"},
        {{"--ranks", "99"}, "--suits is required (or use --all)"},
        {{"--order", "Nonsense", "--suits", "4"}, "--ranks is required (or use --all)"},
    };
    for (const auto& [arguments, message] : cases) {
        const auto outcome = parse(arguments);
        ASSERT_TRUE(std::holds_alternative<UsageError>(outcome)) << message;
        EXPECT_EQ(std::get<UsageError>(outcome).message, message);
    }
    for (const auto& arguments : {std::vector{"--help", "--jobs", "0"},
                                  std::vector{"--explain", "--jobs", "0", "--cards", "4"}}) {
        EXPECT_TRUE(std::holds_alternative<TextToPrint>(parse(arguments))) << arguments[0];
    }
}

}  // namespace
}  // namespace marvane
