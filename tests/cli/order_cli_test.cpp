// SPDX-License-Identifier: MIT
// marvane-count --order, --check-order and --find-order.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "tests/cli/tool_process.h"
#include "tests/published_counts.h"

namespace marvane {
namespace {

using testing::runMarvaneCount;

constexpr char kFamiliar[] =
    "Straight Flush, Hypochromatic 4 of a Kind, Hypochromatic Full House, Flush, "
    "Hypochromatic Straight, Hypochromatic 3 of a Kind, Hypochromatic 2 Pair, "
    "Hypochromatic 1 Pair, Garbage";
constexpr char kReversed[] =
    "Garbage, Hypochromatic 1 Pair, Hypochromatic 2 Pair, Hypochromatic 3 of a Kind, "
    "Hypochromatic Straight, Flush, Hypochromatic Full House, Hypochromatic 4 of a Kind, "
    "Straight Flush";

TEST(OrderCli, TheFamiliarOrderAtSevenCardsGivesThePublishedCounts) {
    const auto run = runMarvaneCount({"--suits", "4", "--ranks", "13", "--cards", "7", "--order",
                                      kFamiliar, "--format", "json"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    std::map<std::string, std::uint64_t> published;
    for (const auto& entry : published::kSevenCards) {
        published[std::string(entry.name)] = entry.hands;
    }
    const auto document = nlohmann::json::parse(run.out);
    ASSERT_EQ(document["rows"].size(), 17u);
    for (const auto& row : document["rows"]) {
        const auto it = published.find(row["name"]);
        EXPECT_EQ(row["computed"], it == published.end() ? 0 : it->second) << row["name"];
    }
}

std::string goldenFile(const std::string& name) {
    std::ifstream in(std::string(MARVANE_GOLDEN_DIR) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(OrderCli, AnOrderChangesNothingAtFiveCardsAndIsEnumeratedAtSix) {
    const auto five =
        runMarvaneCount({"--suits", "4", "--ranks", "13", "--order", kReversed, "--format", "csv"});
    EXPECT_EQ(five.exitStatus, 0) << five.err;
    EXPECT_EQ(five.out, goldenFile("4x13.csv"));
    EXPECT_EQ(five.err,
              "marvane-count: --order changes no count at five cards: every five-card hand has "
              "one category\n");
    // The enumeration counts under the same order, or the counts would differ
    // and the status be 1.
    const auto six = runMarvaneCount({"--suits", "4", "--ranks", "7", "--cards", "6", "--order",
                                      kReversed, "--enumerate", "--jobs", "2", "--format", "json"});
    EXPECT_EQ(six.exitStatus, 0) << six.err;
    EXPECT_EQ(six.err, "");
    const auto rows = nlohmann::json::parse(six.out)["rows"];
    const auto garbage = std::find_if(rows.begin(), rows.end(),
                                      [](const auto& row) { return row["name"] == "Garbage"; });
    ASSERT_NE(garbage, rows.end());
    // Ranked first, no pair takes every hand with five ranks not in a row
    // and not of one suit; at 4 x 7 that is far more than under the deck's order.
    EXPECT_EQ((*garbage)["enumerated"], (*garbage)["computed"]);
    EXPECT_GT((*garbage)["computed"].get<std::uint64_t>(), 100'000u);
}

TEST(OrderCli, BadOrdersAndCombinationsAreUsageErrors) {
    struct Case {
        std::vector<std::string> arguments;
        const char* message;  // nullptr: any one line
    };
    const std::vector<std::string> deck{"--suits", "4", "--ranks", "13"};
    auto with = [&](std::vector<std::string> more) {
        more.insert(more.begin(), deck.begin(), deck.end());
        return more;
    };
    for (const Case& c : {
             Case{with({"--order", std::string("Foo, ") + kFamiliar}),
                  "marvane-count: --order: unknown category \"Foo\".\n"},
             Case{with({"--order", std::string(kFamiliar) + ", Flush"}),
                  "marvane-count: --order: \"Flush\" appears twice.\n"},
             Case{with({"--order",
                        "Straight Flush, Hypochromatic 4 of a Kind, Hypochromatic Full House, "
                        "Hypochromatic Straight, Hypochromatic 3 of a Kind, Hypochromatic 2 "
                        "Pair, Hypochromatic 1 Pair, Garbage"}),
                  "marvane-count: --order: leaves out \"Flush\", which 4 x 13 has five-card "
                  "hands of.\n"},
             Case{{"--all", "--order", kFamiliar}, nullptr},
             Case{{"--crossings", "cards", "--suits", "4", "--ranks", "13", "--check-order"},
                  nullptr},
             Case{with({"--find-order", "--order", kFamiliar}), nullptr},
             Case{with({"--find-order", "--check-order"}), nullptr},
             Case{with({"--check-order", "--enumerate"}), nullptr},
             Case{with({"--find-order", "--odds"}), nullptr},
         }) {
        const auto run = runMarvaneCount(c.arguments);
        EXPECT_EQ(run.exitStatus, 2) << c.arguments.back();
        EXPECT_TRUE(run.out.empty()) << c.arguments.back();
        if (c.message != nullptr) {
            EXPECT_EQ(run.err, c.message);
        } else {
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        }
    }
}

TEST(OrderCli, CheckOrderListsTheBreakingPairsAndExitsZero) {
    const auto broken =
        runMarvaneCount({"--suits", "4", "--ranks", "13", "--cards", "7", "--check-order"});
    EXPECT_EQ(broken.exitStatus, 0) << broken.err;
    EXPECT_EQ(broken.out, std::string("4 suits x 13 ranks, 7 cards, order: ") + kFamiliar +
                              "\n"
                              "Garbage is rarer than Hypochromatic 2 Pair, but ranks below it: "
                              "23294460 against 31433400 hands\n"
                              "Garbage is rarer than Hypochromatic 1 Pair, but ranks below it: "
                              "23294460 against 58627800 hands\n");
    // Five cards under the deck's own order hold; reversed, every pair breaks.
    const auto held = runMarvaneCount({"--suits", "4", "--ranks", "13", "--check-order"});
    EXPECT_EQ(held.exitStatus, 0) << held.err;
    EXPECT_NE(held.out.find("\nself-consistent: no category is rarer than one ranked above it\n"),
              std::string::npos)
        << held.out;
    const auto reversed = runMarvaneCount({"--suits", "4", "--ranks", "13", "--check-order",
                                           "--order", kReversed, "--format", "csv"});
    EXPECT_EQ(reversed.exitStatus, 0) << reversed.err;
    EXPECT_EQ(std::count(reversed.out.begin(), reversed.out.end(), '\n'), 1 + 9 * 8 / 2);
    EXPECT_NE(reversed.out.find("\n4,13,5,Straight Flush,Garbage,9,1,40,1302540\n"),
              std::string::npos);
}

// The search as the tool reports it for every deck: each step's order is
// the previous one sorted by its counts, each step counts every hand once,
// and the outcome and existence follow.
TEST(OrderCli, FindOrderOverEveryDeckFollowsItsOwnSteps) {
    for (const char* cards : {"6", "7"}) {
        const auto run =
            runMarvaneCount({"--all", "--cards", cards, "--find-order", "--format", "json"});
        ASSERT_EQ(run.exitStatus, 0) << run.err;
        const auto document = nlohmann::json::parse(run.out);
        ASSERT_EQ(document.size(), 70u);
        for (const auto& deck : document) {
            const std::string where = deck["suits"].dump() + "x" + deck["ranks"].dump();
            const auto& steps = deck["steps"];
            ASSERT_FALSE(steps.empty()) << where;
            std::vector<std::string> sorted;
            for (std::size_t i = 0; i < steps.size(); ++i) {
                std::vector<std::pair<std::uint64_t, std::string>> byCount;
                std::uint64_t hands = 0;
                for (std::size_t p = 0; p < steps[i]["order"].size(); ++p) {
                    byCount.emplace_back(steps[i]["counts"][p], steps[i]["order"][p]);
                    hands += byCount.back().first;
                }
                const std::uint64_t cardCount =
                    deck["suits"].get<std::uint64_t>() * deck["ranks"].get<std::uint64_t>();
                std::uint64_t possible = 1;
                for (std::uint64_t k = 1; k <= std::stoull(cards); ++k) {
                    possible = possible * (cardCount - std::stoull(cards) + k) / k;
                }
                EXPECT_EQ(hands, possible) << where << " step " << i;
                std::stable_sort(byCount.begin(), byCount.end(),
                                 [](const auto& a, const auto& b) { return a.first < b.first; });
                sorted.clear();
                for (const auto& [count, name] : byCount) {
                    sorted.push_back(name);
                }
                if (i + 1 < steps.size()) {
                    EXPECT_EQ(nlohmann::json(sorted), steps[i + 1]["order"]) << where << " " << i;
                }
            }
            if (deck["outcome"] == "self-consistent") {
                EXPECT_EQ(nlohmann::json(sorted), steps.back()["order"]) << where;
                EXPECT_EQ(deck["consistent_order"], steps.back()["order"]) << where;
            } else {
                ASSERT_EQ(deck["outcome"], "cycle") << where;
                const std::size_t period = deck["period"];
                ASSERT_LE(period, steps.size()) << where;
                EXPECT_EQ(nlohmann::json(sorted), steps[steps.size() - period]["order"]) << where;
            }
            EXPECT_EQ(deck["exists"], !deck["consistent_order"].is_null()) << where;
        }
    }
    // Tried over every order of their nine categories (the engine's tests):
    // 4 x 18 has a self-consistent order at six cards, 4 x 13 none at seven.
    const auto has = runMarvaneCount(
        {"--suits", "4", "--ranks", "18", "--cards", "6", "--find-order", "--format", "json"});
    EXPECT_EQ(nlohmann::json::parse(has.out)["exists"], true);
    const auto hasNot =
        runMarvaneCount({"--suits", "4", "--ranks", "13", "--cards", "7", "--find-order"});
    EXPECT_NE(hasNot.out.find("\nno self-consistent order exists\n"), std::string::npos);
    const auto five = runMarvaneCount({"--suits", "4", "--ranks", "13", "--find-order"});
    EXPECT_NE(five.out.find("\nself-consistent after 0 steps\n"), std::string::npos);
}

}  // namespace
}  // namespace marvane
