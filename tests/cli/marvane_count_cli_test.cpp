// SPDX-License-Identifier: MIT
// Runs the built program: what scripts and spreadsheets actually read.

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <tuple>
#include <utility>

#include "engine/vocabulary/hand_category.h"
#include "tests/cli/tool_process.h"

namespace marvane {
namespace {

using testing::runMarvaneCount;
using Json = nlohmann::json;

// Good enough for our CSV, whose fields hold no commas or quotes.
std::vector<std::vector<std::string>> splitCsv(const std::string& text) {
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        lines.emplace_back();
        for (std::string field; std::getline(fields, field, ',');) {
            lines.back().push_back(field);
        }
    }
    return lines;
}

std::string readGolden(const std::string& name) {
    std::ifstream in(std::string(MARVANE_GOLDEN_DIR) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(MarvaneCountCli, FourByThirteenMatchesTheGoldenFiles) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--format", "csv"}, "4x13.csv"},
        {{"--format", "csv", "--odds"}, "4x13-odds.csv"},
        {{"--format", "json"}, "4x13.json"},
        {{"--format", "json", "--odds"}, "4x13-odds.json"},
    };
    for (const auto& [options, golden] : cases) {
        std::vector<std::string> arguments{"--suits", "4", "--ranks", "13"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const auto run = runMarvaneCount(arguments);
        EXPECT_EQ(run.exitStatus, 0) << run.err;
        const std::string expected = readGolden(golden);
        ASSERT_FALSE(expected.empty()) << golden;
        EXPECT_EQ(run.out, expected) << golden;
    }
}

TEST(MarvaneCountCli, EightByTwentyGivesTheWorkedTable) {
    // Index: computed count, Total.
    const std::pair<std::uint32_t, std::uint32_t> expected[kCategoryCount] = {
        {1120, 1120},           {106400, 107520},       {106400, 213920},
        {212800, 213920},       {383040, 596960},       {3830400, 4150720},
        {8426880, 13067040},    {5745600, 6065920},     {15704640, 22260000},
        {65116800, 75013120},   {212714880, 312348960}, {136, 136},
        {123896, 124032},       {114240, 114240},       {442680, 557056},
        {104072640, 179200000}, {403281480, 820384032},
    };
    const auto run =
        runMarvaneCount({"--suits", "8", "--ranks", "20", "--format", "json", "--odds"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const Json report = Json::parse(run.out);
    EXPECT_EQ(report["hands"], 820384032);
    EXPECT_EQ(report["floating_path"], true);
    ASSERT_EQ(report["rows"].size(), kCategoryCount);
    std::uint32_t previousTotal = 0;
    for (const Json& row : report["rows"]) {
        const auto& [computed, total] = expected[row["index"].get<std::size_t>()];
        EXPECT_EQ(row["computed"], computed) << row["name"];
        EXPECT_EQ(row["total"], total) << row["name"];
        EXPECT_GE(total, previousTotal) << row["name"];  // ascending by Total
        previousTotal = total;
    }
    EXPECT_EQ(report["rows"][0]["name"], "Straight Flush");
    EXPECT_EQ(report["rows"][0]["odds"], "1 in 6032236");  // 820384032 / 136, rounded
}

TEST(MarvaneCountCli, HandsAndStarOfFurtherDecks) {
    const std::tuple<const char*, const char*, std::uint32_t, bool> decks[] = {
        {"4", "7", 98280, false},
        {"7", "13", 46504458, false},  // 91 cards
        {"5", "19", 57940519, true},   // 95 cards
        {"8", "12", 61124064, true},
    };
    for (const auto& [suits, ranks, hands, floatingPath] : decks) {
        const auto run =
            runMarvaneCount({"--suits", suits, "--ranks", ranks, "--format", "csv", "--odds"});
        const auto csv = splitCsv(run.out);
        ASSERT_EQ(csv.size(), kCategoryCount + 1) << suits << "x" << ranks;
        EXPECT_EQ(csv.back()[2], std::to_string(hands));
        EXPECT_EQ(csv.back()[3], floatingPath ? "true" : "false");
        EXPECT_EQ(csv.back()[5] + "," + csv.back()[7], "Garbage," + std::to_string(hands));
    }
}

TEST(MarvaneCountCli, AllCoversTheSeventyDecksInOrder) {
    const Json decks = Json::parse(runMarvaneCount({"--all", "--format", "json"}).out);
    ASSERT_EQ(decks.size(), 70u);
    EXPECT_EQ(decks[14]["suits"], 5);  // ranks run fastest
    EXPECT_EQ(decks[14]["ranks"], 7);
    EXPECT_EQ(decks.back()["hands"], 820384032);

    const auto csv = splitCsv(runMarvaneCount({"--all", "--format", "csv"}).out);
    ASSERT_EQ(csv.size(), 70 * kCategoryCount + 1);
    EXPECT_EQ(csv.back()[0] + "x" + csv.back()[1], "8x20");
    // Shared among threads, the decks still come out in deck order.
    EXPECT_EQ(runMarvaneCount({"--all", "--format", "csv", "--jobs", "3"}).out,
              runMarvaneCount({"--all", "--format", "csv", "--jobs", "1"}).out);
}

TEST(MarvaneCountCli, EnumerationOfSmallDecksAgreesWithTheFormulas) {
    for (const auto& [suits, jobs] : {std::pair{"4", "1"}, std::pair{"5", "3"}}) {
        const auto run = runMarvaneCount(
            {"--suits", suits, "--ranks", "7", "--enumerate", "--format", "json", "--jobs", jobs});
        ASSERT_EQ(run.exitStatus, 0) << run.err;
        EXPECT_EQ(run.err, "");  // no progress bar when stderr is not a terminal
        const Json report = Json::parse(run.out);
        for (const Json& row : report["rows"]) {
            EXPECT_EQ(row["enumerated"], row["computed"]) << row["name"];
        }
    }
}

TEST(MarvaneCountCli, TableAlignsItsColumns) {
    const auto run = runMarvaneCount({"--suits", "8", "--ranks", "20"});
    ASSERT_EQ(run.exitStatus, 0);
    EXPECT_NE(run.out.find("820384032* possible hands"), std::string::npos);
    EXPECT_NE(run.out.find("\nGarbage                    403281480  820384032\n"),
              std::string::npos);
    EXPECT_TRUE(run.out.ends_with(
        "\n\n* The number of possible hands was worked out in floating point.\n"));
}

TEST(MarvaneCountCli, BadArgumentsGiveOneLineAndStatusTwo) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--suits", "9", "--ranks", "13"}, "Please enter an integer between 4 and 8."},
        {{"--suits", "4", "--ranks", "99999999999"}, "Please enter an integer between 7 and 20."},
        {{"--suits", "four", "--ranks", "13"}, "Please enter a positive integer."},
        {{"--suits=-4", "--ranks", "13"}, "Please enter a positive integer."},
        {{"--suits", "4", "--ranks", "7.0"}, "Please enter a positive integer."},
        {{"--suits", "4"}, "--ranks is required"},
        {{}, "--suits is required"},
        {{"--suits", "4", "--ranks", "7", "--colour"}, "--colour"},
        {{"--suits", "4", "--ranks", "7", "12"}, "12"},
        {{"--suits", "4", "--ranks", "7", "--format", "xml"}, "table, csv or json"},
        {{"--all", "--ranks", "7"}, "--all"},
        {{"--suits", "4", "--ranks", "7", "--jobs", "0"},
         "--jobs: Please enter an integer between 1 and 256."},
        {{"--suits", "4", "--ranks", "7", "--jobs", "257"}, "between 1 and 256"},
        {{"--all", "--jobs", "two"}, "--jobs: Please enter a positive integer."},
    };
    for (const auto& [arguments, message] : cases) {
        const auto run = runMarvaneCount(arguments);
        EXPECT_EQ(run.exitStatus, 2) << message;
        EXPECT_EQ(run.out, "") << message;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
}

TEST(MarvaneCountCli, HelpGoesToStdoutWithStatusZero) {
    const auto run = runMarvaneCount({"--help"});
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_NE(run.out.find("Examples:"), std::string::npos);
    EXPECT_EQ(run.err, "");
}

}  // namespace
}  // namespace marvane
