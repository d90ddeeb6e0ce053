// SPDX-License-Identifier: MIT
// marvane-count --explain and the README's tables say the same thing.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/vocabulary/hand_category.h"
#include "tests/cli/tool_process.h"

namespace marvane {
namespace {

using Definitions = std::vector<std::pair<std::string, std::string>>;

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// "Name: definition" lines; a "(suit pattern)", "(column)", "(mark)", "(hand size)" or
// "(card)" qualifier is dropped from the name, as the README says it with its
// table's heading, unless asked to keep it.
Definitions explainLines(const std::string& text, bool keepQualifier = false) {
    Definitions definitions;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const auto colon = line.find(": ");
        if (colon == std::string::npos) {
            continue;
        }
        std::string name = line.substr(0, colon);
        if (const auto qualifier = name.find(" (");
            !keepQualifier && qualifier != std::string::npos) {
            name.erase(qualifier);
        }
        definitions.emplace_back(name, line.substr(colon + 2));
    }
    return definitions;
}

std::vector<std::string> cellsOf(const std::string& line) {
    std::vector<std::string> cells;
    std::istringstream fields(line.substr(1));
    for (std::string cell; std::getline(fields, cell, '|');) {
        cells.push_back(trimmed(cell));
    }
    return cells;
}

// The body rows of the two-column tables in a section of the README
// ("## What the results say"), in order; headings (a row followed by |---|)
// are skipped. With `heading`, only the tables whose first heading cell it is.
Definitions readmeRows(std::istream& readme, const std::string& section,
                       const std::string& heading = "") {
    std::vector<std::vector<std::string>> tables;
    bool inSection = false;
    bool inTable = false;
    for (std::string line; std::getline(readme, line);) {
        if (line.rfind("## ", 0) == 0) {
            inSection = line == section;
        }
        const bool tableLine = inSection && line.rfind("|", 0) == 0;
        if (tableLine && !inTable) {
            tables.emplace_back();
        }
        if (tableLine) {
            tables.back().push_back(line);
        }
        inTable = tableLine;
    }
    Definitions rows;
    for (const std::vector<std::string>& table : tables) {
        if (!heading.empty() && cellsOf(table.front()).at(0) != heading) {
            continue;
        }
        // The heading row and the |---| row under it.
        for (std::size_t i = 2; i < table.size(); ++i) {
            const std::vector<std::string> cells = cellsOf(table[i]);
            EXPECT_EQ(cells.size(), 2u) << table[i];
            rows.emplace_back(cells.at(0), cells.size() > 1 ? cells[1] : "");
        }
    }
    return rows;
}

TEST(Explain, CategoriesFirstThenTheirWordsAndTheReadmeSaysTheSame) {
    const auto run = testing::runMarvaneCount({"--explain"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind("Five of a Kind: ", 0), 0u) << "nothing before the categories";
    const Definitions fromProgram = explainLines(run.out);
    ASSERT_EQ(fromProgram.size(), kCategoryCount + 10) << run.out;
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        EXPECT_EQ(fromProgram[i].first, displayName(*categoryFromIndex(i)));
    }
    const std::vector<std::string> words = {
        "Flush",     "Rainbow",         "Hypochromatic",      "Total", "*", "As itself",
        "Best five", "Self-consistent", "Choosing a ranking", "Joker"};
    for (std::size_t i = 0; i < words.size(); ++i) {
        EXPECT_EQ(fromProgram[kCategoryCount + i].first, words[i]);
    }

    std::ifstream readme(MARVANE_README_PATH);
    ASSERT_TRUE(readme) << MARVANE_README_PATH;
    const Definitions fromReadme = readmeRows(readme, "## What the results say");
    ASSERT_EQ(fromReadme.size(), fromProgram.size());
    for (std::size_t i = 0; i < fromProgram.size(); ++i) {
        EXPECT_EQ(fromReadme[i], fromProgram[i]) << "README table row " << i;
    }
}

// A joker may repeat a card the hand holds: five of a kind may then repeat a
// suit, four of a kind hold two cards of one suit, and five cards of one suit
// be a pair. With --jokers the lines that said otherwise change, and no
// other; the README's table of them says the same, and any number of
// jokers reads alike.
TEST(Explain, WithJokersTheDefinitionsARepeatedCardMakesFalseChange) {
    const auto plain = testing::runMarvaneCount({"--explain"});
    const Definitions withoutJokers = explainLines(plain.out, true);
    std::ifstream readme(MARVANE_README_PATH);
    ASSERT_TRUE(readme) << MARVANE_README_PATH;
    const Definitions fromReadme = readmeRows(readme, "## Jokers", "With jokers");
    const std::vector<std::string> changed = {"Five of a Kind", "Hypochromatic 4 of a Kind",
                                              "Flush", "Flush (suit pattern)",
                                              "Hypochromatic (suit pattern)"};
    ASSERT_EQ(fromReadme.size(), changed.size());

    for (const char* jokers : {"1", "4"}) {
        SCOPED_TRACE(jokers);
        const auto run = testing::runMarvaneCount({"--explain", "--jokers", jokers});
        ASSERT_EQ(run.exitStatus, 0) << run.err;
        const Definitions withJokers = explainLines(run.out, true);
        ASSERT_EQ(withJokers.size(), withoutJokers.size());
        Definitions differing;
        for (std::size_t i = 0; i < withJokers.size(); ++i) {
            EXPECT_EQ(withJokers[i].first, withoutJokers[i].first);
            if (withJokers[i].second != withoutJokers[i].second) {
                differing.push_back(withJokers[i]);
            }
        }
        ASSERT_EQ(differing.size(), changed.size()) << run.out;
        for (std::size_t i = 0; i < changed.size(); ++i) {
            EXPECT_EQ(differing[i].first, changed[i]);
            EXPECT_EQ(fromReadme[i], differing[i]) << "README jokers table row " << i;
        }
    }
    EXPECT_EQ(testing::runMarvaneCount({"--explain", "--jokers", "0"}).out, plain.out);
    const auto bad = testing::runMarvaneCount({"--explain", "--jokers", "5"});
    EXPECT_EQ(bad.exitStatus, 2);
    EXPECT_EQ(bad.out, "");
    EXPECT_NE(bad.err.find("--jokers: Please enter an integer between 0 and 4."), std::string::npos)
        << bad.err;
}

// A hand of three or four cards is classed as itself: --explain --cards 4
// says what such hands hold, as the README's table does, and three cards
// differ only where a category takes four cards; from five cards up the
// definitions are the five-card ones.
TEST(Explain, HandsOfThreeOrFourCardsHaveTheirOwnDefinitions) {
    const Definitions five = explainLines(testing::runMarvaneCount({"--explain"}).out);
    const Definitions four =
        explainLines(testing::runMarvaneCount({"--explain", "--cards", "4"}).out);
    const Definitions three =
        explainLines(testing::runMarvaneCount({"--explain", "--cards", "3"}).out);
    const Definitions eight =
        explainLines(testing::runMarvaneCount({"--explain", "--cards", "8"}).out);
    ASSERT_EQ(four.size(), five.size());
    ASSERT_EQ(three.size(), five.size());
    EXPECT_EQ(eight, five);
    std::ifstream readme(MARVANE_README_PATH);
    ASSERT_TRUE(readme) << MARVANE_README_PATH;
    const Definitions fromReadme =
        readmeRows(readme, "## Hands of three to eight cards", "Three or four cards");
    // The categories and then the suit patterns.
    ASSERT_EQ(fromReadme.size(), kCategoryCount + 3);
    for (std::size_t i = 0; i < fromReadme.size(); ++i) {
        EXPECT_EQ(fromReadme[i], four[i]) << "README row " << i;
    }
    const std::vector<std::string> fourCardsOnly = {"Rainbow 4 of a Kind",
                                                    "Hypochromatic 4 of a Kind", "Rainbow 2 Pair",
                                                    "Hypochromatic 2 Pair"};
    for (std::size_t i = 0; i < three.size(); ++i) {
        const bool takesFour = std::find(fourCardsOnly.begin(), fourCardsOnly.end(),
                                         three[i].first) != fourCardsOnly.end();
        EXPECT_EQ(three[i] != four[i], takesFour) << three[i].first;
    }
}

}  // namespace
}  // namespace marvane
