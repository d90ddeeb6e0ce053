// SPDX-License-Identifier: MIT
// marvane-count --explain and the README's table say the same thing.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/hand_category.h"
#include "tests/cli/tool_process.h"

namespace marvane {
namespace {

using Definitions = std::vector<std::pair<std::string, std::string>>;

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// "Name: definition" lines; a "(suit pattern)", "(column)", "(mark)" or "(hand size)"
// qualifier is dropped from the name, as the README says it with its table's
// heading.
Definitions explainLines(const std::string& text) {
    Definitions definitions;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const auto colon = line.find(": ");
        if (colon == std::string::npos) {
            continue;
        }
        std::string name = line.substr(0, colon);
        if (const auto qualifier = name.find(" ("); qualifier != std::string::npos) {
            name.erase(qualifier);
        }
        definitions.emplace_back(name, line.substr(colon + 2));
    }
    return definitions;
}

// The body rows of every two-column table in the README's section on the
// results, in order; headings (a row followed by |---|) are skipped.
Definitions readmeRows(std::istream& readme) {
    std::vector<std::string> tableLines;
    bool inSection = false;
    for (std::string line; std::getline(readme, line);) {
        if (line.rfind("## ", 0) == 0) {
            inSection = line == "## What the results say";
        } else if (inSection && line.rfind("|", 0) == 0) {
            tableLines.push_back(line);
        }
    }
    Definitions rows;
    for (std::size_t i = 0; i < tableLines.size(); ++i) {
        const std::string& line = tableLines[i];
        const bool heading = i + 1 < tableLines.size() && tableLines[i + 1].rfind("|---", 0) == 0;
        if (heading || line.rfind("|---", 0) == 0) {
            continue;
        }
        std::vector<std::string> cells;
        std::istringstream fields(line.substr(1));
        for (std::string cell; std::getline(fields, cell, '|');) {
            cells.push_back(trimmed(cell));
        }
        EXPECT_EQ(cells.size(), 2u) << line;
        rows.emplace_back(cells.at(0), cells.size() > 1 ? cells[1] : "");
    }
    return rows;
}

TEST(Explain, CategoriesFirstThenTheirWordsAndTheReadmeSaysTheSame) {
    const auto run = testing::runMarvaneCount({"--explain"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind("Five of a Kind: ", 0), 0u) << "nothing before the categories";
    const Definitions fromProgram = explainLines(run.out);
    ASSERT_EQ(fromProgram.size(), kCategoryCount + 8) << run.out;
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        EXPECT_EQ(fromProgram[i].first, displayName(*categoryFromIndex(i)));
    }
    const std::vector<std::string> words = {
        "Flush", "Rainbow",   "Hypochromatic",   "Total",
        "*",     "Best five", "Self-consistent", "Choosing a ranking"};
    for (std::size_t i = 0; i < words.size(); ++i) {
        EXPECT_EQ(fromProgram[kCategoryCount + i].first, words[i]);
    }

    std::ifstream readme(MARVANE_README_PATH);
    ASSERT_TRUE(readme) << MARVANE_README_PATH;
    const Definitions fromReadme = readmeRows(readme);
    ASSERT_EQ(fromReadme.size(), fromProgram.size());
    for (std::size_t i = 0; i < fromProgram.size(); ++i) {
        EXPECT_EQ(fromReadme[i], fromProgram[i]) << "README table row " << i;
    }
}

}  // namespace
}  // namespace marvane
