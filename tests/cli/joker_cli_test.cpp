// SPDX-License-Identifier: MIT
// marvane-count --jokers and --crossings jokers, run as scripts run them.

#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>

#include "tests/cli/tool_process.h"

namespace marvane {
namespace {

using testing::runMarvaneCount;

const std::vector<std::string> kDeck = {"--suits", "4", "--ranks", "13"};

std::vector<std::string> withDeck(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), kDeck.begin(), kDeck.end());
    return arguments;
}

// Computed counts by name, from the JSON output.
std::map<std::string, std::uint64_t> computedOf(const std::string& json) {
    std::map<std::string, std::uint64_t> counts;
    const auto document = nlohmann::json::parse(json);
    for (const auto& row : document["rows"]) {
        counts[row["name"].get<std::string>()] = row["computed"].get<std::uint64_t>();
    }
    return counts;
}

// The published counts of the 52-card deck with jokers, and the paradox
// turned around when two pair ranks above three of a kind.
TEST(JokerCli, FiftyTwoCardsWithJokersGiveThePublishedCounts) {
    const std::string twoPairAboveTrips =
        "Five of a Kind, Straight Flush, Hypochromatic 4 of a Kind, Hypochromatic Full House, "
        "Flush, Hypochromatic Straight, Hypochromatic 2 Pair, Hypochromatic 3 of a Kind, "
        "Hypochromatic 1 Pair, Garbage";
    struct Case {
        std::vector<std::string> arguments;
        std::map<std::string, std::uint64_t> published;
    };
    const Case cases[] = {
        {{"--jokers", "1"},
         {{"Five of a Kind", 13},
          {"Straight Flush", 204},
          {"Hypochromatic 3 of a Kind", 137'280},
          {"Hypochromatic 2 Pair", 123'552},
          {"Garbage", 1'302'540}}},
        {{"--jokers", "1", "--order", twoPairAboveTrips},
         {{"Hypochromatic 2 Pair", 205'920}, {"Hypochromatic 3 of a Kind", 54'912}}},
        {{"--jokers", "2"}, {{"Five of a Kind", 78}, {"Hypochromatic 4 of a Kind", 9'360}}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments = withDeck(c.arguments);
        arguments.insert(arguments.end(), {"--format", "json"});
        const auto run = runMarvaneCount(arguments);
        ASSERT_EQ(run.exitStatus, 0) << run.err;
        EXPECT_EQ(run.err, "");  // an order changes counts with jokers: no note
        const auto document = nlohmann::json::parse(run.out);
        EXPECT_EQ(document["cards"], 5);
        EXPECT_EQ(document["jokers"], std::stoi(c.arguments[1]));
        const auto counts = computedOf(run.out);
        for (const auto& [name, hands] : c.published) {
            EXPECT_EQ(counts.at(name), hands) << name;
        }
    }
}

// No jokers is today's output; with jokers every format names them.
TEST(JokerCli, NoJokersIsTodaysOutputAndJokersAreNamed) {
    for (const std::vector<std::string>& rest : {std::vector<std::string>{"--format", "csv"},
                                                 {"--cards", "7"},
                                                 {"--cards", "6", "--odds"}}) {
        std::vector<std::string> zero = withDeck(rest);
        zero.insert(zero.end(), {"--jokers", "0"});
        EXPECT_EQ(runMarvaneCount(zero).out, runMarvaneCount(withDeck(rest)).out);
    }
    const auto table = runMarvaneCount(withDeck({"--jokers", "2", "--cards", "6"}));
    EXPECT_EQ(table.out.substr(0, table.out.find('\n')),
              "4 suits x 13 ranks, 6 cards, 2 jokers: 25827165 possible hands");
    const auto csv = runMarvaneCount(withDeck({"--jokers", "1", "--format", "csv"}));
    EXPECT_EQ(csv.out.substr(0, csv.out.find('\n')),
              "suits,ranks,cards,jokers,hands,floating_path,index,hand,computed,total");
}

TEST(JokerCli, CrossingsAlongJokersNameATie) {
    const auto run = runMarvaneCount(withDeck({"--crossings", "jokers"}));
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    for (const char* sentence :
         {"from 0 to 1 joker, Hypochromatic 2 Pair becomes rarer than Hypochromatic 3 of a Kind\n",
          "from 2 to 3 jokers, Hypochromatic Full House becomes rarer than Hypochromatic 4 of a "
          "Kind (equal at 2)\n"}) {
        EXPECT_NE(run.out.find(sentence), std::string::npos) << sentence;
    }
    const auto csv = runMarvaneCount(withDeck({"--crossings", "jokers", "--format", "csv"}));
    EXPECT_NE(csv.out.find("2,3,Hypochromatic Full House,Hypochromatic 4 of a Kind,2\n"),
              std::string::npos);
}

TEST(JokerCli, WithAJokerNoOrderHoldsAtFiveCards) {
    const auto run = runMarvaneCount(withDeck({"--jokers", "1", "--find-order"}));
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_NE(run.out.find("no self-consistent order reached: the orders cycle with period 2\n"
                           "no self-consistent order exists\n"),
              std::string::npos);
}

TEST(JokerCli, BadValuesAndCombinationsAreUsageErrors) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {withDeck({"--jokers", "5"}), "--jokers: Please enter an integer between 0 and 4."},
        {withDeck({"--jokers", "x"}), "--jokers: Please enter a positive integer."},
        {withDeck({"--crossings", "jokers", "--jokers", "1"}),
         "--crossings jokers covers 0 to 4 jokers: leave out --jokers"},
        {{"--crossings", "jokers", "--suits", "4"}, "--ranks is required (or use --all)"},
        {withDeck({"--jokers", "1", "--order",
                   "Straight Flush, Hypochromatic 4 of a Kind, Hypochromatic Full House, Flush, "
                   "Hypochromatic Straight, Hypochromatic 3 of a Kind, Hypochromatic 2 Pair, "
                   "Hypochromatic 1 Pair, Garbage"}),
         "--order: leaves out \"Five of a Kind\", which 4 x 13 with 1 joker has hands of."},
    };
    for (const auto& [arguments, message] : cases) {
        const auto run = runMarvaneCount(arguments);
        EXPECT_EQ(run.exitStatus, 2) << message;
        EXPECT_EQ(run.err, "marvane-count: " + message + "\n");
        EXPECT_EQ(run.out, "");
    }
}

}  // namespace
}  // namespace marvane
