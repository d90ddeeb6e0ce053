// Runs the built program: what scripts and spreadsheets actually read.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <utility>

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

TEST(MarvaneCountCli, JsonAndCsvAgreeWithTheEngine) {
    for (Deck deck : {Deck{4, 7}, Deck{4, 13}, Deck{5, 19}, Deck{8, 12}, Deck{8, 20}}) {
        auto runDeck = [deck](const char* format) {
            return runMarvaneCount({"--suits", std::to_string(deck.suits), "--ranks",
                                    std::to_string(deck.ranks), "--odds", "--format", format});
        };
        const auto jsonRun = runDeck("json");
        ASSERT_EQ(jsonRun.exitStatus, 0) << jsonRun.err;
        const Json report = Json::parse(jsonRun.out);
        const auto csv = splitCsv(runDeck("csv").out);

        bool floatingPath = false;
        const std::uint32_t hands = binomial(deck.cardCount(), 5, floatingPath);
        const CategoryCounts computed = compute_counts(deck);
        const CategoryCounts totals = computeTotals(computed);
        const auto order = displayOrder(totals);
        EXPECT_EQ(report["hands"], hands);
        EXPECT_EQ(report["floating_path"], floatingPath);
        ASSERT_EQ(report["rows"].size(), kCategoryCount);
        ASSERT_EQ(csv.size(), kCategoryCount + 1);
        EXPECT_EQ(csv[0].front(), "suits");

        for (std::size_t i = 0; i < kCategoryCount; ++i) {
            const HandCategory category = order[i];
            const Json& row = report["rows"][i];
            const auto odds = oddsText(computed[category], hands);
            EXPECT_EQ(row["index"], indexOf(category));
            EXPECT_EQ(row["computed"], computed[category]);
            EXPECT_EQ(row["total"], totals[category]);
            EXPECT_EQ(row["odds"], odds ? Json(*odds) : Json());
            EXPECT_DOUBLE_EQ(row["probability"], probability(computed[category], hands));

            std::ostringstream expected;
            expected << deck.suits << ',' << deck.ranks << ',' << hands << ','
                     << (floatingPath ? "true" : "false") << ',' << indexOf(category) << ','
                     << displayName(category) << ',' << computed[category] << ','
                     << totals[category] << ",," << odds.value_or("never");
            std::vector<std::string> line = csv[i + 1];
            ASSERT_EQ(line.size(), 10u);
            const std::string probabilityField = std::exchange(line[8], "");
            EXPECT_EQ(splitCsv(expected.str()).front(), line);
            EXPECT_DOUBLE_EQ(std::stod(probabilityField), row["probability"].get<double>());
        }
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

TEST(MarvaneCountCli, TableAlignsItsColumns) {
    const auto run = runMarvaneCount({"--suits", "8", "--ranks", "20"});
    ASSERT_EQ(run.exitStatus, 0);
    EXPECT_NE(run.out.find("820384032* possible hands"), std::string::npos);
    EXPECT_NE(run.out.find("\nGarbage                    403281480  820384032\n"),
              std::string::npos);
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
