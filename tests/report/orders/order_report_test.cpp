// SPDX-License-Identifier: MIT
#include "report/orders/order_report.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "report/input/order_reading.h"
#include "report/writers/order_writer.h"
#include "tests/published_counts.h"

namespace marvane {
namespace {

using enum HandCategory;

const CategoryOrder kFamiliar = published::familiarOrder();

constexpr char kFamiliarText[] =
    "Straight Flush, Hypochromatic 4 of a Kind, Hypochromatic Full House, Flush, "
    "Hypochromatic Straight, Hypochromatic 3 of a Kind, Hypochromatic 2 Pair, "
    "Hypochromatic 1 Pair, Garbage";

TEST(OrderReading, ReadsTheListsNamesAndDropsCategoriesTheDeckLacks) {
    struct Case {
        const char* text;
        CategoryOrder expected;
    };
    for (const Case& c : {
             Case{kFamiliarText, kFamiliar},
             Case{"  Straight Flush ,Hypochromatic 4 of a Kind,Hypochromatic Full House,\tFlush, "
                  "Hypochromatic Straight, Hypochromatic 3 of a Kind, Hypochromatic 2 Pair, "
                  "Hypochromatic 1 Pair, Garbage  ",
                  kFamiliar},
             // Four suits have no rainbow hands: named or not, they take no place.
             Case{"Rainbow, Garbage, Straight Flush, Hypochromatic 4 of a Kind, Five of a Kind, "
                  "Hypochromatic Full House, Flush, Hypochromatic Straight, "
                  "Hypochromatic 3 of a Kind, Hypochromatic 2 Pair, Hypochromatic 1 Pair",
                  {Garbage, StraightFlush, Hypochromatic4OfAKind, HypochromaticFullHouse, Flush,
                   HypochromaticStraight, Hypochromatic3OfAKind, Hypochromatic2Pair,
                   Hypochromatic1Pair}},
         }) {
        const auto order = readCategoryOrder(c.text, Deck{4, 13}, 5, 0);
        ASSERT_TRUE(std::holds_alternative<CategoryOrder>(order))
            << c.text << ": " << std::get<std::string>(order);
        EXPECT_EQ(std::get<CategoryOrder>(order), c.expected) << c.text;
    }
    EXPECT_EQ(orderText(kFamiliar), kFamiliarText);
}

TEST(OrderReading, NamesWhatIsWrong) {
    const std::string tail =
        ", Hypochromatic 4 of a Kind, Hypochromatic Full House, Flush, "
        "Hypochromatic Straight, Hypochromatic 3 of a Kind, "
        "Hypochromatic 2 Pair, Hypochromatic 1 Pair, Garbage";
    struct Case {
        std::string text;
        const char* message;
    };
    for (const Case& c : {
             Case{"Foo" + tail, "unknown category \"Foo\""},
             Case{"straight flush" + tail, "unknown category \"straight flush\""},
             Case{"Straight Flush" + tail + ", Flush", "\"Flush\" appears twice"},
             Case{"Straight Flush, Flush, Garbage",
                  "leaves out \"Hypochromatic 4 of a Kind\", \"Hypochromatic Full House\", "
                  "\"Hypochromatic Straight\", \"Hypochromatic 3 of a Kind\", \"Hypochromatic 2 "
                  "Pair\", \"Hypochromatic 1 Pair\", which 4 x 13 has five-card hands of"},
             Case{"Straight Flush" + tail + ",",
                  "an empty name (two commas in a row, or one at either end)"},
             Case{"", "an empty name (two commas in a row, or one at either end)"},
         }) {
        const auto order = readCategoryOrder(c.text, Deck{4, 13}, 5, 0);
        ASSERT_TRUE(std::holds_alternative<std::string>(order)) << c.text;
        EXPECT_EQ(std::get<std::string>(order), c.message);
    }
}

// The published seven-card table of the 52-card deck under the familiar
// order: no pair is rarer than two pair and one pair above it.
TEST(OrderReport, FamiliarSevenCardOrderBreaksAtNoPair) {
    const OrderCheckReport check = buildOrderCheckReport(Deck{4, 13}, 7, kFamiliar);
    std::vector<std::string> sentences;
    for (const BreakingPair& pair : check.pairs) {
        sentences.push_back(breakingPairSentence(pair));
    }
    EXPECT_EQ(sentences, (std::vector<std::string>{
                             "Garbage is rarer than Hypochromatic 2 Pair, but ranks below it: "
                             "23294460 against 31433400 hands",
                             "Garbage is rarer than Hypochromatic 1 Pair, but ranks below it: "
                             "23294460 against 58627800 hands"}));
    // The dialog's report of the same hands says the same.
    const KCardReport cards = buildKCardReport({.deck = {4, 13}, .cards = 7, .order = kFamiliar});
    EXPECT_EQ(breakingPairs(cards), check.pairs);
    // At five cards the familiar order is the deck's own, and holds.
    EXPECT_TRUE(buildOrderCheckReport(Deck{4, 13}, 5).pairs.empty());
}

TEST(OrderReport, FiveCardsAreSelfConsistentAtOnce) {
    const OrderSearchReport report = buildOrderSearchReport(Deck{4, 13}, 5);
    EXPECT_EQ(searchOutcomeSentence(report.search), "self-consistent after 0 steps");
    EXPECT_EQ(existenceSentence(report),
              std::string("a self-consistent order exists: ") + kFamiliarText);
}

// A made-up two-step cycle, to hold the writers' layout.
OrderSearchReport madeUpCycle() {
    CategoryCounts64 first;
    first[Flush] = 7;
    first[Garbage] = 3;
    CategoryCounts64 second;
    second[Flush] = 2;
    second[Garbage] = 8;
    OrderSearch search{
        {{{Flush, Garbage}, first}, {{Garbage, Flush}, second}}, OrderSearchOutcome::Cycle, 2};
    return {Deck{4, 7}, 6, search, std::nullopt};
}

TEST(OrderReport, SearchWritersSayTheOutcome) {
    const OrderSearchReport report = madeUpCycle();
    EXPECT_EQ(searchOutcomeSentence(report.search),
              "no self-consistent order reached: the orders cycle with period 2");
    EXPECT_EQ(existenceSentence(report), "no self-consistent order exists");

    std::ostringstream csv;
    writeOrderSearches(csv, {report}, {.format = ReportFormat::Csv});
    EXPECT_EQ(csv.str(),
              "suits,ranks,cards,outcome,period,exists,step,place,index,hand,count,"
              "consistent_place\n"
              "4,7,6,cycle,2,false,0,1,12,Flush,7,\n"
              "4,7,6,cycle,2,false,0,2,16,Garbage,3,\n"
              "4,7,6,cycle,2,false,1,1,16,Garbage,8,\n"
              "4,7,6,cycle,2,false,1,2,12,Flush,2,\n");

    std::ostringstream json;
    writeOrderSearches(json, {report}, {.format = ReportFormat::Json});
    const auto document = nlohmann::json::parse(json.str());
    EXPECT_EQ(document["steps"][1]["order"], nlohmann::json({"Garbage", "Flush"}));
    EXPECT_EQ(document["steps"][1]["counts"], nlohmann::json({8, 2}));
    EXPECT_EQ(document["outcome"], "cycle");
    EXPECT_EQ(document["period"], 2);
    EXPECT_EQ(document["exists"], false);
    EXPECT_TRUE(document["consistent_order"].is_null());

    std::ostringstream table;
    writeOrderSearches(table, {report}, {});
    EXPECT_EQ(table.str(),
              "4 suits x 7 ranks, 6 cards\n"
              "\nStep 0 (the deck's own order)\n"
              "Place  Hand     Hands\n"
              "    1  Flush        7\n"
              "    2  Garbage      3\n"
              "\nStep 1\n"
              "Place  Hand     Hands\n"
              "    1  Garbage      8\n"
              "    2  Flush        2\n"
              "\nno self-consistent order reached: the orders cycle with period 2\n"
              "no self-consistent order exists\n");
}

TEST(OrderReport, CheckWritersListThePairs) {
    const OrderCheckReport check = buildOrderCheckReport(Deck{4, 13}, 7, kFamiliar);
    std::ostringstream csv;
    writeOrderChecks(csv, {check}, {.format = ReportFormat::Csv});
    EXPECT_EQ(csv.str(),
              "suits,ranks,cards,rarer,commoner,rarer_place,commoner_place,rarer_count,"
              "commoner_count\n"
              "4,13,7,Garbage,Hypochromatic 2 Pair,9,7,23294460,31433400\n"
              "4,13,7,Garbage,Hypochromatic 1 Pair,9,8,23294460,58627800\n");
    std::ostringstream json;
    writeOrderChecks(json, {check}, {.format = ReportFormat::Json});
    const auto document = nlohmann::json::parse(json.str());
    EXPECT_EQ(document["self_consistent"], false);
    EXPECT_EQ(document["counts"].back(), 23'294'460);
    EXPECT_EQ(document["breaking_pairs"][1]["commoner"], "Hypochromatic 1 Pair");
}

}  // namespace
}  // namespace marvane
