// SPDX-License-Identifier: MIT
// Hands of six and seven cards in the dialog: the counts against the
// published seven-card table, the export against marvane-count, and the
// long run on the workers with its question, its Cancel and its end.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <span>
#include <utility>

#include "report/input/order_reading.h"
#include "tests/app/dialog_fixture.h"
#include "tests/published_counts.h"

namespace marvane {

namespace {

void computeCards(DialogDriver& d, int suits, int ranks, int cards, bool enumerate) {
    d.type(IdCardsBox, QString::number(cards));
    d.compute(suits, ranks, enumerate);
}

// Hand name -> one column's text.
QMap<QString, QString> byHand(const DialogDriver& d, int column) {
    QMap<QString, QString> texts;
    const QStringList hands = d.column(0);
    const QStringList values = d.column(column);
    for (int row = 0; row < hands.size(); ++row) {
        texts[hands[row]] = values[row];
    }
    return texts;
}

TEST(DialogCards, SevenCardsOfTheFamiliarDeckGiveThePublishedCountsAndTheCliBytes) {
    DialogDriver d;
    EXPECT_EQ(d.box(IdCardsBox)->text(), "5");
    computeCards(d, 4, 13, 7, false);
    EXPECT_EQ(d.get<QLabel>(IdPossibleHands)->text(), "133784560");  // C(52, 7)
    EXPECT_FALSE(d.get(IdFloatingPathMark)->isVisible());
    ASSERT_EQ(d.list()->rowCount(), 17);
    const QMap<QString, QString> computed = byHand(d, 1);
    for (const auto& entry : published::kSevenCards) {
        EXPECT_EQ(computed.value(QString::fromLatin1(entry.name.data(),
                                                     static_cast<qsizetype>(entry.name.size()))),
                  QString::number(entry.hands))
            << entry.name;
    }
    EXPECT_EQ(computed.value("Five of a Kind"), "0");
    EXPECT_EQ(computed.value("Rainbow 1 Pair"), "0");
    // The tooltips speak of the best five of seven cards.
    const int garbage = static_cast<int>(d.column(0).indexOf("Garbage"));
    EXPECT_TRUE(d.list()->item(garbage, 0)->toolTip().contains("best five of 7 cards"));

    // The saved file is what marvane-count writes.
    QTemporaryDir dir;
    d.prompts->savePath = [&](const QString& suggested) {
        EXPECT_TRUE(suggested.endsWith("marvane-4x13-7cards.csv"));
        return dir.filePath("seven.csv");
    };
    d.dialog.findChild<QAction*>(QStringLiteral("saveResultsAction"))->trigger();
    QFile saved(dir.filePath("seven.csv"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    QProcess cli;
    cli.start(QStringLiteral(MARVANE_COUNT_PATH),
              {"--suits", "4", "--ranks", "13", "--cards", "7", "--format", "csv"});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(saved.readAll(), cli.readAllStandardOutput());
    EXPECT_TRUE(d.messages.isEmpty());
}

TEST(DialogCards, ALongRunAsksFirstAndLocksTheDialogButCancel) {
    DialogDriver d;
    // Declined: nothing runs.
    d.prompts->confirmAnswer = false;
    computeCards(d, 4, 7, 6, true);
    ASSERT_EQ(d.prompts->questions.size(), 1);
    EXPECT_TRUE(d.prompts->questions[0].contains("376,740 hands"))
        << d.prompts->questions[0].toStdString();
    EXPECT_TRUE(d.get(IdComputeOdds)->isEnabled());
    EXPECT_EQ(d.list()->rowCount(), 0);

    // Accepted: the run ends in the results, enumerated and computed alike.
    d.prompts->confirmAnswer = true;
    d.click(IdComputeOdds);
    EXPECT_TRUE(d.get(IdCancel)->isVisible());
    EXPECT_FALSE(d.get(IdComputeOdds)->isEnabled());
    EXPECT_FALSE(d.get(IdCardsBox)->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return d.list()->rowCount() == 17; }, 20000));
    EXPECT_FALSE(d.get(IdCancel)->isVisible());
    EXPECT_TRUE(d.get(IdAgain)->isEnabled());
    EXPECT_EQ(d.column(1), d.column(2));  // Enumerated equals Computed
    const auto* bar = d.get<QProgressBar>(IdProgressBar);
    EXPECT_EQ(bar->value(), bar->maximum());
    // Another ranking for enumerated results: counted again by the formulas.
    CategoryOrder own = d.dialog.session().report()->order;
    std::swap(own[0], own[1]);
    d.prompts->orderAnswer = own;
    auto* ranking = d.dialog.findChild<QMenu*>(QStringLiteral("rankingMenu"));
    ASSERT_TRUE(ranking->isEnabled());
    ranking->actions().back()->trigger();
    EXPECT_EQ(d.dialog.session().report()->order, own);
    EXPECT_FALSE(d.dialog.session().report()->enumerated);
    EXPECT_EQ(d.list()->columnCount(), 3);  // Hand, Computed, Total
    EXPECT_EQ(d.list()->rowCount(), 17);

    // 8 x 20 at seven or eight cards would take many minutes or hours:
    // Cancel, and Escape, bring back the input state with nothing computed.
    d.click(IdAgain);
    for (const bool byEscape : {false, true}) {
        SCOPED_TRACE(byEscape ? "Escape" : "Cancel");
        computeCards(d, 8, 20, byEscape ? 8 : 7, true);
        ASSERT_TRUE(d.get(IdCancel)->isVisible());
        if (byEscape) {
            QTest::keyClick(&d.dialog, Qt::Key_Escape);
        } else {
            d.click(IdCancel);
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return !d.get(IdCancel)->isVisible(); }, 20000));
        EXPECT_TRUE(d.dialog.isVisible());
        EXPECT_TRUE(d.get(IdComputeOdds)->isEnabled());
        EXPECT_EQ(d.list()->rowCount(), 0);
        EXPECT_EQ(d.list()->columnCount(), 0);
        EXPECT_FALSE(d.dialog.session().report());
    }

    // The close box ends the program, and the run with it.
    computeCards(d, 8, 20, 7, true);
    ASSERT_TRUE(d.dialog.session().running());
    d.dialog.close();
    EXPECT_FALSE(d.dialog.isVisible());
    EXPECT_FALSE(d.dialog.session().running());
    EXPECT_TRUE(d.messages.isEmpty());
}

// The tooltip of a category's cell in the results list, as plain text.
QString cellDescription(const DialogDriver& d, const char* hand) {
    const int row = static_cast<int>(d.column(0).indexOf(QLatin1String(hand)));
    return row < 0 ? QString()
                   : d.list()->item(row, 0)->data(Qt::AccessibleDescriptionRole).toString();
}

// The cards of the example hand a description gives, or -1 without one.
int exampleCards(const QString& description) {
    static const QRegularExpression example(QStringLiteral("Example: ((\\d+[a-h]|Jk)( |$))+"));
    const QRegularExpressionMatch match = example.match(description);
    return match.hasMatch()
               ? static_cast<int>(match.captured().split(' ', Qt::SkipEmptyParts).size()) - 1
               : -1;
}

// Hands of three and four cards are classed as themselves: the published
// tables, the definitions and examples of that many cards, the reasons a
// category has none, and their own order, which holds. Eight cards are a
// best five again. The saved file is marvane-count's.
TEST(DialogCards, EveryHandSizeHasItsOwnCountsDefinitionsAndExamples) {
    struct Case {
        int cards;
        int jokers;
        const char* possibleHands;
        const char* hand;
        const char* definition;  // in the tooltip
        int exampleCards;        // jokers included; -1: none
        const char* alsoSays;    // in the tooltip too
    };
    const Case cases[] = {
        {3, 0, "22100", "Rainbow 1 Pair", "one pair and the hand's other cards of other ranks", 3,
         ""},
        {3, 0, "22100", "Rainbow 2 Pair", "a hand of three cards never falls here", -1,
         "Cannot occur: a hand of three cards never has it."},
        {4, 0, "270725", "Rainbow 4 of a Kind", "four cards of one rank, all of different suits", 4,
         ""},
        {4, 0, "270725", "Hypochromatic 4 of a Kind", "which only a joker that repeats a card", -1,
         "Cannot occur: only a joker that repeats a card makes it."},
        {4, 0, "270725", "Five of a Kind", "a hand of three or four cards never falls here", -1,
         "Cannot occur: a hand of three or four cards never has it."},
        // C(53, 4): a pair of 7s and a joker that repeats one of them.
        {4, 1, "292825", "Hypochromatic 4 of a Kind", "which only a joker that repeats a card", 4,
         " Jk"},
        {8, 0, "3108105", "Straight Flush", "the best five of 8 cards", 8, ""},  // C(28, 8), 4 x 7
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cards << " cards, " << c.hand);
        DialogDriver d;
        d.type(IdJokersBox, QString::number(c.jokers));
        computeCards(d, 4, c.cards == 8 ? 7 : 13, c.cards, false);
        EXPECT_EQ(d.get<QLabel>(IdPossibleHands)->text(), c.possibleHands);
        const QString description = cellDescription(d, c.hand);
        EXPECT_TRUE(description.contains(QLatin1String(c.definition))) << description.toStdString();
        EXPECT_EQ(exampleCards(description), c.exampleCards) << description.toStdString();
        EXPECT_TRUE(description.contains(QLatin1String(c.alsoSays))) << description.toStdString();
        EXPECT_FALSE(description.contains(QLatin1String("suits:"))) << description.toStdString();
    }

    DialogDriver d;
    using Table = std::span<const published::PublishedCount>;
    for (const auto& [cards, table] :
         {std::pair{3, Table(published::kThreeCards)}, {4, Table(published::kFourCards)}}) {
        computeCards(d, 4, 13, cards, false);
        const QMap<QString, QString> computed = byHand(d, 1);
        for (const published::PublishedCount& entry : table) {
            EXPECT_EQ(computed.value(QString::fromLatin1(
                          entry.name.data(), static_cast<qsizetype>(entry.name.size()))),
                      QString::number(entry.hands))
                << cards << " cards: " << entry.name;
        }
        // Every hand has one category, so the deck's own order holds.
        auto* ranking = d.dialog.findChild<QMenu*>(QStringLiteral("rankingMenu"));
        ASSERT_FALSE(ranking->actions().isEmpty());
        EXPECT_EQ(ranking->actions().value(0)->text(),
                  QStringLiteral("This deck's &%1-card order (self-consistent)").arg(cards));
        EXPECT_TRUE(d.list()->horizontalHeaderItem(2)->toolTip().contains("fewer than five"));
        d.click(IdAgain);
    }

    computeCards(d, 4, 13, 3, false);
    QTemporaryDir dir;
    d.prompts->savePath = [&](const QString& suggested) {
        EXPECT_TRUE(suggested.endsWith("marvane-4x13-3cards.csv")) << suggested.toStdString();
        return dir.filePath("three.csv");
    };
    d.dialog.findChild<QAction*>(QStringLiteral("saveResultsAction"))->trigger();
    QFile saved(dir.filePath("three.csv"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    QProcess cli;
    cli.start(QStringLiteral(MARVANE_COUNT_PATH),
              {"--suits", "4", "--ranks", "13", "--cards", "3", "--format", "csv"});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(saved.readAll(), cli.readAllStandardOutput());
    EXPECT_TRUE(d.messages.isEmpty());
}

// Enumerating hands of three or four cards is quick in any deck, so it runs
// without asking; eight cards of the largest deck ask first, with the count
// in full.
TEST(DialogCards, OnlyALongEnumerationAsksFirst) {
    DialogDriver d;
    for (const auto& [cards, jokers] : {std::pair{3, 0}, {4, 2}}) {
        d.type(IdJokersBox, QString::number(jokers));
        computeCards(d, 4, 13, cards, true);
        EXPECT_TRUE(d.prompts->questions.isEmpty()) << d.prompts->questions.join('|').toStdString();
        EXPECT_TRUE(QTest::qWaitFor([&] { return d.list()->rowCount() == 17; }, 20000));
        EXPECT_EQ(d.column(1), d.column(2));  // Enumerated equals Computed
        d.click(IdAgain);
    }
    d.prompts->confirmAnswer = false;
    d.type(IdJokersBox, "0");
    computeCards(d, 8, 20, 8, true);
    ASSERT_EQ(d.prompts->questions.size(), 1);
    EXPECT_TRUE(
        d.prompts->questions[0].contains("every hand of 8 cards of 8 suits x 20 ranks "
                                         "visits 8,917,061,687,820 hands"))
        << d.prompts->questions[0].toStdString();
    EXPECT_EQ(d.list()->rowCount(), 0);
}

// Under the familiar order, seven-card no pair (Garbage) is rarer than one
// pair and two pair, which rank above it: those two rows are marked. A
// chosen order is counted at once, and the export follows it.
TEST(DialogCards, RowsThatBreakTheRankingAreMarkedAndAnotherRankingCanBeChosen) {
    DialogDriver d;
    computeCards(d, 4, 13, 7, false);
    const QStringList hands = d.column(0);
    const auto cell = [&](const char* hand) {
        return d.list()->item(static_cast<int>(d.column(0).indexOf(QLatin1String(hand))), 0);
    };
    for (const char* hand : {"Hypochromatic 1 Pair", "Hypochromatic 2 Pair"}) {
        EXPECT_FALSE(cell(hand)->icon().isNull()) << hand;
    }
    for (const char* hand : {"Garbage", "Flush", "Straight Flush"}) {
        EXPECT_TRUE(cell(hand)->icon().isNull()) << hand;
    }
    const QString sentence = QStringLiteral(
        "Garbage is rarer than Hypochromatic 1 Pair, but ranks below it: 23294460 against "
        "58627800 hands");
    EXPECT_TRUE(cell("Hypochromatic 1 Pair")->toolTip().contains("58627800"));
    EXPECT_TRUE(cell("Hypochromatic 1 Pair")
                    ->data(Qt::AccessibleDescriptionRole)
                    .toString()
                    .contains(sentence));

    // The ranking menu: the deck's own order ticked, the search's steps, and
    // an order of one's own: here Garbage moved above one pair.
    auto* ranking = d.dialog.findChild<QMenu*>(QStringLiteral("rankingMenu"));
    ASSERT_TRUE(ranking->isEnabled());
    QStringList texts;
    for (const QAction* action : ranking->actions()) {
        texts << action->text();
    }
    EXPECT_EQ(texts.value(0), "This deck's &five-card order");
    EXPECT_TRUE(ranking->actions().value(0)->isChecked());
    EXPECT_TRUE(texts.filter("Search step").last().endsWith("(in the cycle)"))
        << texts.join('|').toStdString();
    const CategoryOrder familiar = d.dialog.session().report()->order;
    CategoryOrder own = familiar;
    std::swap(own[own.size() - 1], own[own.size() - 2]);  // Garbage above one pair
    d.prompts->orderAnswer = own;
    ranking->actions().back()->trigger();
    ASSERT_EQ(d.prompts->asked, familiar);
    QCoreApplication::processEvents();
    EXPECT_EQ(d.dialog.session().report()->order, own);
    ASSERT_EQ(d.list()->rowCount(), 17);
    // Every hand with a pair and five other ranks now counts as no pair.
    EXPECT_GT(byHand(d, 1).value("Garbage").toULongLong(), 58627800u);
    EXPECT_TRUE(cell("Garbage")
                    ->data(Qt::AccessibleDescriptionRole)
                    .toString()
                    .contains("earlier in the chosen order"));

    QTemporaryDir dir;
    d.prompts->savePath = [&](const QString&) { return dir.filePath("own.json"); };
    d.dialog.findChild<QAction*>(QStringLiteral("saveResultsAction"))->trigger();
    QFile saved(dir.filePath("own.json"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    QProcess cli;
    cli.start(QStringLiteral(MARVANE_COUNT_PATH),
              {"--suits", "4", "--ranks", "13", "--cards", "7", "--format", "json", "--order",
               QString::fromStdString(orderText(own))});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(saved.readAll(), cli.readAllStandardOutput());
}

}  // namespace

}  // namespace marvane
