// SPDX-License-Identifier: MIT
#include "report/words/crossing_words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace marvane {
namespace {

using enum HandCategory;

TEST(CrossingWords, AcrossSuitsAndRanks) {
    EXPECT_EQ(describeCrossing({5, 6, StraightFlush, FiveOfAKind}, DeckDimension::Suits),
              "from 5 to 6 suits, Straight Flush becomes rarer than Five of a Kind");
    EXPECT_EQ(describeCrossing({8, 9, Hypochromatic4OfAKind, Flush}, DeckDimension::Ranks),
              "from 8 to 9 ranks, Hypochromatic 4 of a Kind becomes rarer than Flush");
}

TEST(CrossingWords, AlongJokersTheSentenceSeesThroughATie) {
    std::vector<std::string> sentences;
    for (const Crossing& crossing : findJokerCrossings(Deck{4, 13}, 5)) {
        sentences.push_back(describeCrossing(crossing, jokerUnit(crossing)));
    }
    for (const char* expected :
         {"from 0 to 1 joker, Hypochromatic 2 Pair becomes rarer than Hypochromatic 3 of a Kind",
          "from 2 to 3 jokers, Hypochromatic Full House becomes rarer than Hypochromatic 4 of a "
          "Kind (equal at 2)"}) {
        EXPECT_NE(std::find(sentences.begin(), sentences.end(), expected), sentences.end())
            << expected;
    }
    // Each crossing's sentence once; no tie is reported as a crossing of its own.
    for (const std::string& sentence : sentences) {
        EXPECT_EQ(std::count(sentences.begin(), sentences.end(), sentence), 1) << sentence;
        EXPECT_EQ(sentence.find("from 1 to 2 jokers, Hypochromatic Full House"), std::string::npos);
    }
}

}  // namespace
}  // namespace marvane
