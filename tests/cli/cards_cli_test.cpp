// SPDX-License-Identifier: MIT
// marvane-count --cards: hands of six and seven cards, counted as their best five.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "tests/cli/tool_process.h"
#include "tests/published_counts.h"

namespace marvane {
namespace {

using testing::runMarvaneCount;

std::string goldenFile(const std::string& name) {
    std::ifstream in(std::string(MARVANE_GOLDEN_DIR) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(CardsCli, FiveCardsAreTodaysOutputByteForByte) {
    const auto run =
        runMarvaneCount({"--suits", "4", "--ranks", "13", "--cards", "5", "--format", "csv"});
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out, goldenFile("4x13.csv"));
}

TEST(CardsCli, SevenCardsOfFiftyTwoGiveThePublishedCounts) {
    const auto run =
        runMarvaneCount({"--suits", "4", "--ranks", "13", "--cards", "7", "--format", "json"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const auto document = nlohmann::json::parse(run.out);
    EXPECT_EQ(document["cards"], 7);
    EXPECT_EQ(document["hands"], 133'784'560u);
    EXPECT_EQ(document["floating_path"], false);
    std::map<std::string, std::uint64_t> published;
    for (const auto& entry : published::kSevenCards) {
        published[std::string(entry.name)] = entry.hands;
    }
    ASSERT_EQ(document["rows"].size(), 17u);
    for (const auto& row : document["rows"]) {
        const auto it = published.find(row["name"]);
        EXPECT_EQ(row["computed"], it == published.end() ? 0 : it->second) << row["name"];
    }
    // The first row with its 64-bit Total, and the columns in CSV and table.
    const auto csv =
        runMarvaneCount({"--suits", "8", "--ranks", "20", "--cards", "7", "--format", "csv"});
    EXPECT_EQ(csv.out.substr(0, csv.out.find('\n')),
              "suits,ranks,cards,hands,floating_path,index,hand,computed,total");
    EXPECT_NE(csv.out.find("8,20,7,466251591520,false,"), std::string::npos);
    const auto table = runMarvaneCount({"--suits", "4", "--ranks", "13", "--cards", "6"});
    EXPECT_EQ(table.out.substr(0, table.out.find('\n')),
              "4 suits x 13 ranks, 6 cards: 20358520 possible hands");
}

TEST(CardsCli, EnumerationAgreesWithTheCount) {
    const auto run = runMarvaneCount(
        {"--suits", "5", "--ranks", "7", "--cards", "6", "--enumerate", "--jobs", "2"});
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;
    EXPECT_NE(run.out.find("Enumerated"), std::string::npos);
}

// From three to seven cards the published tables of the 52-card deck give
// every line; each hand size under its own order.
TEST(CardsCli, CrossingsFromThreeToEightCards) {
    const auto run = runMarvaneCount({"--crossings", "cards", "--suits", "4", "--ranks", "13"});
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out,
              "from 3 to 4 cards, Rainbow Straight becomes rarer than Rainbow 3 of a Kind\n"
              "from 3 to 4 cards, Rainbow becomes rarer than Hypochromatic 1 Pair\n"
              "from 4 to 5 cards, Flush becomes rarer than Hypochromatic Straight\n"
              "from 4 to 5 cards, Flush becomes rarer than Hypochromatic 3 of a Kind\n"
              "from 4 to 5 cards, Flush becomes rarer than Hypochromatic 2 Pair\n"
              "from 4 to 5 cards, Hypochromatic Straight becomes rarer than Hypochromatic 3 of a "
              "Kind\n"
              "from 4 to 5 cards, Hypochromatic Straight becomes rarer than Hypochromatic 2 Pair\n"
              "from 5 to 6 cards, Garbage becomes rarer than Hypochromatic 1 Pair\n"
              "from 6 to 7 cards, Garbage becomes rarer than Hypochromatic 2 Pair\n"
              "from 7 to 8 cards, Hypochromatic 3 of a Kind becomes rarer than Hypochromatic Full "
              "House\n"
              "from 7 to 8 cards, Hypochromatic 3 of a Kind becomes rarer than Flush\n"
              "from 7 to 8 cards, Hypochromatic 3 of a Kind becomes rarer than Hypochromatic "
              "Straight\n"
              "from 7 to 8 cards, Hypochromatic 1 Pair becomes rarer than Hypochromatic 2 Pair\n"
              "from 7 to 8 cards, Garbage becomes rarer than Hypochromatic Straight\n");
}

TEST(CardsCli, BadValuesAreUsageErrors) {
    for (const char* value : {"2", "9", "x", "", "-6", "6.5"}) {
        const auto run = runMarvaneCount({"--suits", "4", "--ranks", "13", "--cards", value});
        EXPECT_EQ(run.exitStatus, 2) << value;
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(run.err, "marvane-count: --cards: Please enter an integer between 3 and 8.\n")
            << value;
    }
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--crossings", "cards", "--suits", "4"},
          std::vector<std::string>{"--crossings", "cards", "--suits", "4", "--ranks", "13",
                                   "--cards", "6"},
          std::vector<std::string>{"--crossings", "cards", "--all"}}) {
        const auto run = runMarvaneCount(arguments);
        EXPECT_EQ(run.exitStatus, 2) << arguments.back();
        EXPECT_TRUE(run.out.empty());
    }
}

}  // namespace
}  // namespace marvane
