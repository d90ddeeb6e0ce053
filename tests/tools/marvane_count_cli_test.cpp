// Runs the built program: what scripts and spreadsheets actually read.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "binomial.h"
#include "closed_form.h"
#include "odds.h"
#include "result_rows.h"
#include "tool_process.h"
#include "totals.h"

namespace marvane {
namespace {

using testing::runMarvaneCount;
using Json = nlohmann::json;

std::vector<std::vector<std::string>> splitCsv(const std::string& text) {
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields;
        std::istringstream fieldsIn(line);
        for (std::string field; std::getline(fieldsIn, field, ',');) {
            fields.push_back(field);
        }
        lines.push_back(fields);
    }
    return lines;
}

std::vector<std::string> deckArguments(Deck deck, std::string format) {
    return {"--suits", std::to_string(deck.suits),
            "--ranks", std::to_string(deck.ranks),
            "--odds",  "--format",
            format};
}

TEST(MarvaneCountCli, JsonAndCsvAgreeWithTheEngine) {
    for (Deck deck : {Deck{4, 7}, Deck{4, 13}, Deck{5, 19}, Deck{8, 12}, Deck{8, 20}}) {
        SCOPED_TRACE(std::to_string(deck.suits) + "x" + std::to_string(deck.ranks));
        bool floatingPath = false;
        const std::uint32_t hands = binomial(deck.cardCount(), 5, floatingPath);
        const CategoryCounts computed = compute_counts(deck);
        const CategoryCounts totals = computeTotals(computed);
        const auto order = displayOrder(totals);

        const auto json = runMarvaneCount(deckArguments(deck, "json"));
        ASSERT_EQ(json.exitStatus, 0) << json.err;
        const Json report = Json::parse(json.out);
        EXPECT_EQ(report["suits"], deck.suits);
        EXPECT_EQ(report["ranks"], deck.ranks);
        EXPECT_EQ(report["hands"], hands);
        EXPECT_EQ(report["floating_path"], floatingPath);
        ASSERT_EQ(report["rows"].size(), kCategoryCount);

        const auto csv = splitCsv(runMarvaneCount(deckArguments(deck, "csv")).out);
        ASSERT_EQ(csv.size(), kCategoryCount + 1);
        EXPECT_EQ(csv[0],
                  (std::vector<std::string>{"suits", "ranks", "hands", "floating_path", "index",
                                            "hand", "computed", "total", "probability", "odds"}));

        for (std::size_t i = 0; i < kCategoryCount; ++i) {
            const HandCategory category = order[i];
            const Json& row = report["rows"][i];
            EXPECT_EQ(row["index"], indexOf(category));
            EXPECT_EQ(row["name"], displayName(category));
            EXPECT_EQ(row["computed"], computed[category]);
            EXPECT_EQ(row["total"], totals[category]);
            EXPECT_FALSE(row.contains("enumerated"));
            EXPECT_DOUBLE_EQ(row["probability"].get<double>(),
                             probability(computed[category], hands));
            const auto odds = oddsText(computed[category], hands);
            EXPECT_EQ(row["odds"], odds ? Json(*odds) : Json(nullptr));

            EXPECT_EQ(csv[i + 1],
                      (std::vector<std::string>{
                          std::to_string(deck.suits), std::to_string(deck.ranks),
                          std::to_string(hands), floatingPath ? "true" : "false",
                          std::to_string(indexOf(category)), std::string(displayName(category)),
                          std::to_string(computed[category]), std::to_string(totals[category]),
                          csv[i + 1][8], oddsOrNever(computed[category], hands)}));
            EXPECT_DOUBLE_EQ(std::stod(csv[i + 1][8]), probability(computed[category], hands));
        }
    }
}

TEST(MarvaneCountCli, AllCoversEverySeventyDecksInOrder) {
    const auto json = runMarvaneCount({"--all", "--format", "json"});
    ASSERT_EQ(json.exitStatus, 0) << json.err;
    const Json decks = Json::parse(json.out);
    ASSERT_EQ(decks.size(), 70u);
    EXPECT_EQ(decks.front()["suits"], 4);
    EXPECT_EQ(decks.front()["ranks"], 7);
    EXPECT_EQ(decks[14]["suits"], 5);  // ranks run fastest
    EXPECT_EQ(decks.back()["hands"], 820384032);

    const auto csv = splitCsv(runMarvaneCount({"--all", "--format", "csv"}).out);
    ASSERT_EQ(csv.size(), 70 * kCategoryCount + 1);
    EXPECT_EQ(csv.back()[0], "8");
    EXPECT_EQ(csv.back()[1], "20");
}

TEST(MarvaneCountCli, EnumerationOfSmallDecksAgreesWithTheFormulas) {
    for (const char* suits : {"4", "5"}) {
        const auto run =
            runMarvaneCount({"--suits", suits, "--ranks", "7", "--enumerate", "--format", "json"});
        ASSERT_EQ(run.exitStatus, 0) << run.err;
        EXPECT_EQ(run.err, "");  // no progress bar when stderr is not a terminal
        const Json report = Json::parse(run.out);
        for (const Json& row : report["rows"]) {
            EXPECT_EQ(row["enumerated"], row["computed"]) << row["name"];
        }
    }
}

TEST(MarvaneCountCli, DefaultTableShowsHandsAndSeventeenRows) {
    const auto run = runMarvaneCount({"--suits", "8", "--ranks", "20"});
    ASSERT_EQ(run.exitStatus, 0);
    EXPECT_NE(run.out.find("820384032* possible hands"), std::string::npos);
    EXPECT_NE(run.out.find("Garbage                    403281480  820384032\n"), std::string::npos);
}

TEST(MarvaneCountCli, BadArgumentsGiveOneLineAndStatusTwo) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--suits", "9", "--ranks", "13"}, "Please enter an integer between 4 and 8."},
        {{"--suits", "4", "--ranks", "6"}, "Please enter an integer between 7 and 20."},
        {{"--suits", "4", "--ranks", "99999999999"}, "between 7 and 20."},
        {{"--suits", "four", "--ranks", "13"}, "Please enter a positive integer."},
        {{"--suits=-4", "--ranks", "13"}, "Please enter a positive integer."},
        {{"--suits", "4"}, "--ranks is required"},
        {{}, "--suits is required"},
        {{"--suits", "4", "--ranks", "7", "--colour"}, "--colour"},
        {{"--suits", "4", "--ranks", "7", "12"}, "12"},
        {{"--suits", "4", "--ranks", "7", "--format", "xml"}, "table, csv or json"},
        {{"--all", "--ranks", "7"}, "--all"},
        {{"--suits"}, "--suits"},
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
    EXPECT_NE(run.out.find("--enumerate"), std::string::npos);
    EXPECT_NE(run.out.find("Examples:"), std::string::npos);
    EXPECT_EQ(run.err, "");
}

}  // namespace
}  // namespace marvane
