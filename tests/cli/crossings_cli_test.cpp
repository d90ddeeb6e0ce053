// SPDX-License-Identifier: MIT
// marvane-count --crossings, run as scripts run it.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/cli/tool_process.h"

namespace marvane {
namespace {

using testing::runMarvaneCount;

// 13 ranks across suits 4 to 8 has thirteen crossings (the engine's tests
// derive them from a table of counts); here only their form is checked.
TEST(CrossingsCli, EachFormatStartsWithTheFirstCrossing) {
    const std::pair<std::string, std::string> cases[] = {
        {"table",
         "from 4 to 5 suits, Flush becomes rarer than Hypochromatic Full House\n"
         "from 5 to 6 suits, Straight Flush becomes rarer than Five of a Kind\n"},
        {"csv", "from,to,rarer,commoner\n4,5,Flush,Hypochromatic Full House\n"},
        {"json",
         "[\n  {\n    \"from\": 4,\n    \"to\": 5,\n    \"rarer\": \"Flush\",\n"
         "    \"commoner\": \"Hypochromatic Full House\"\n  },\n"},
    };
    for (const auto& [format, start] : cases) {
        const auto run =
            runMarvaneCount({"--crossings", "suits", "--ranks", "13", "--format", format});
        EXPECT_EQ(run.exitStatus, 0) << run.err;
        EXPECT_EQ(run.out.substr(0, start.size()), start) << format;
    }
    const auto json =
        runMarvaneCount({"--crossings", "suits", "--ranks", "13", "--format", "json"});
    EXPECT_EQ(nlohmann::json::parse(json.out).size(), 13u);
}

TEST(CrossingsCli, RanksAtFourSuits) {
    const auto run = runMarvaneCount({"--suits", "4", "--crossings", "ranks", "--format", "csv"});
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out,
              "from,to,rarer,commoner\n"
              "8,9,Hypochromatic 4 of a Kind,Flush\n"
              "11,12,Hypochromatic 1 Pair,Garbage\n"
              "12,13,Hypochromatic Full House,Flush\n"
              "15,16,Hypochromatic Straight,Flush\n");
}

TEST(CrossingsCli, BadCombinationsAreUsageErrors) {
    const std::vector<std::string> cases[] = {
        {"--crossings", "suits"},
        {"--crossings", "suits", "--ranks", "13", "--suits", "5"},
        {"--crossings", "ranks", "--ranks", "13"},
        {"--crossings", "colours", "--ranks", "13"},
        {"--crossings", "ranks", "--suits", "9"},
        {"--crossings", "ranks", "--suits", "5", "--odds"},
        {"--crossings", "ranks", "--suits", "5", "--enumerate"},
        {"--crossings", "suits", "--all"},
    };
    for (const auto& arguments : cases) {
        const auto run = runMarvaneCount(arguments);
        EXPECT_EQ(run.exitStatus, 2) << arguments[1] << ' ' << arguments.back();
        EXPECT_TRUE(run.out.empty());
        EXPECT_FALSE(run.err.empty());
    }
}

}  // namespace
}  // namespace marvane
