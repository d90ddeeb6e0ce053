// SPDX-License-Identifier: MIT
// The calculator's decisions without a window: the reading's first-failure
// rule, what a writing puts back, the spin steps and the guard.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "app/calculator_session.h"
#include "report/results/shown_report.h"

namespace marvane {

namespace {

using Item = CalculatorSession::Item;

TEST(CalculatorSession, ReadingStopsAtTheFirstBadBoxAndWritesBackOnlyWhatItRead) {
    struct Case {
        const char* suits;
        const char* ranks;
        const char* cards;
        const char* jokers;
        bool read;
        std::optional<Item> rejected;
        const char* message;
        // Entered after the reading (from 4 x 13, not enumerating), and what a
        // writing then shows: -1 for a box it leaves alone.
        std::uint32_t suitsAfter, ranksAfter;
        int suitsShown, ranksShown, cardsShown;
        bool enumerateShown;
    };
    const Case cases[] = {
        {"5", "20", "7", "0", true, {}, "", 5, 20, 5, 20, 7, true},
        {"005", " 7", "5", "0", true, {}, "", 5, 7, 5, 7, 5, true},
        {"", "20", "6", "0", false, Item::SuitsItem, "Please enter a positive integer.", 4, 13, 4,
         -1, -1, false},
        {"9", "x", "6", "0", false, Item::SuitsItem, "Please enter an integer between 4 and 8.", 9,
         13, 9, -1, -1, false},
        {"6", "21", "6", "0", false, Item::RanksItem, "Please enter an integer between 7 and 20.",
         6, 21, 6, 21, -1, false},
        {"6", "", "6", "0", false, Item::RanksItem, "Please enter a positive integer.", 6, 13, 6,
         13, -1, false},
        // The cards box is read after the ranks box, before "Enumerate?".
        {"6", "9", "9", "0", false, Item::CardsItem, "Please enter an integer between 3 and 8.", 6,
         9, 6, 9, 9, false},
        // The jokers box after the cards box.
        {"6", "9", "6", "5", false, Item::JokersItem, "Please enter an integer between 0 and 4.", 6,
         9, 6, 9, 6, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.suits) + " / " + c.ranks);
        CalculatorSession session;
        session.enterWorkingValues();
        QSignalSpy rejected(&session, &CalculatorSession::inputRejected);
        EXPECT_EQ(session.read({c.suits, c.ranks, c.cards, c.jokers, true}), c.read);
        ASSERT_EQ(rejected.size(), c.rejected ? 1 : 0);
        if (c.rejected) {
            EXPECT_EQ(rejected[0][0].value<Item>(), *c.rejected);
            EXPECT_EQ(rejected[0][1].toString(), QString::fromLatin1(c.message));
        }
        EXPECT_EQ(session.enteredSuits(), c.suitsAfter);
        EXPECT_EQ(session.enteredRanks(), c.ranksAfter);
        const CalculatorSession::Shown shown = session.write();
        EXPECT_EQ(shown.suits ? static_cast<int>(*shown.suits) : -1, c.suitsShown);
        EXPECT_EQ(shown.ranks ? static_cast<int>(*shown.ranks) : -1, c.ranksShown);
        EXPECT_EQ(shown.cards ? static_cast<int>(*shown.cards) : -1, c.cardsShown);
        EXPECT_EQ(shown.enumerate.value_or(false), c.enumerateShown);
        // A writing forgets what went unread: the next shows everything.
        const CalculatorSession::Shown again = session.write();
        EXPECT_TRUE(again.suits && again.ranks && again.cards && again.enumerate);
    }
}

TEST(CalculatorSession, StepsStayInRange) {
    CalculatorSession session;
    session.step(Item::SuitsItem, 8, 1);  // past the top: nothing moves
    session.step(Item::RanksItem, 7, -1);
    EXPECT_EQ(session.workingDeck().suits, 4u);
    EXPECT_EQ(session.workingDeck().ranks, 13u);
    session.step(Item::SuitsItem, 7, 1);
    session.step(Item::RanksItem, 8, -1);
    EXPECT_EQ(session.workingDeck().suits, 8u);
    EXPECT_EQ(session.workingDeck().ranks, 7u);
    EXPECT_EQ(session.enteredSuits(), 8u);
    EXPECT_EQ(session.enteredRanks(), 7u);
}

TEST(CalculatorSession, ARunTellsItsStartProgressAndResultInOrder) {
    CalculatorSession session;
    ASSERT_TRUE(session.read({"4", "7", "5", "0", true}));
    QStringList told;
    QObject::connect(&session, &CalculatorSession::runStarted, [&](const ShownReport& report) {
        told << QStringLiteral("start %1").arg(report.hands);
    });
    int lastTicks = 0;
    QObject::connect(&session, &CalculatorSession::progressed, [&](int ticks) {
        EXPECT_GE(ticks, lastTicks);  // never backwards
        lastTicks = ticks;
    });
    QObject::connect(&session, &CalculatorSession::finished, [&](const ShownReport& report) {
        told << QStringLiteral("done %1").arg(report.rows.size());
    });
    session.compute();
    // C(28, 5) hands; the last progress is the full count.
    EXPECT_EQ(told, QStringList({"start 98280", "done 17"}));
    ASSERT_TRUE(session.report());
    EXPECT_EQ(lastTicks, session.progressTicks());
    EXPECT_EQ(session.engineState().handCounter, 98280u);
    session.clearResults();
    EXPECT_FALSE(session.report());
    EXPECT_EQ(session.engineState().computed[0], 0u);
}

// Six or seven cards with "Enumerate?" run on the workers: compute returns at
// once, and the results (or the cancellation) arrive through the event loop.
TEST(CalculatorSession, ALongRunEndsInItsResultsOrInACancel) {
    CalculatorSession session;
    ASSERT_TRUE(session.read({"4", "7", "6", "0", true}));
    EXPECT_TRUE(session.computeIsLong());
    EXPECT_EQ(session.plannedHands(), 376740u);  // C(28, 6)
    QSignalSpy finished(&session, &CalculatorSession::finished);
    session.compute();
    EXPECT_TRUE(session.running());
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_FALSE(session.running());
    ASSERT_TRUE(session.report());
    EXPECT_EQ(session.report()->cards, 6u);
    EXPECT_TRUE(session.report()->enumerated);
    for (const ShownRow& row : session.report()->rows) {
        EXPECT_EQ(row.enumerated, row.computed) << row.name;
    }

    // The largest deck would take many minutes; Cancel stops it promptly.
    ASSERT_TRUE(session.read({"8", "20", "7", "0", true}));
    QSignalSpy cancelled(&session, &CalculatorSession::cancelled);
    session.compute();
    session.cancel();
    ASSERT_TRUE(cancelled.wait(10000));
    EXPECT_FALSE(session.running());
    EXPECT_FALSE(session.report());

    // Stopping and waiting says nothing afterwards.
    session.compute();
    session.stopAndWait();
    EXPECT_FALSE(session.running());
    EXPECT_FALSE(cancelled.wait(200));
    EXPECT_EQ(cancelled.size(), 1);
}

}  // namespace

}  // namespace marvane
