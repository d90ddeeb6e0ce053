// SPDX-License-Identifier: MIT
// Jokers in the dialog: the box and its message, the published one-joker
// table and its paradox under another ranking, the export against
// marvane-count, and the enumeration as a long run.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>

#include "tests/app/dialog_fixture.h"
#include "tests/published_counts.h"

namespace marvane {

namespace {

void computeJokers(DialogDriver& d, int suits, int ranks, int cards, int jokers, bool enumerate) {
    d.type(IdCardsBox, QString::number(cards));
    d.type(IdJokersBox, QString::number(jokers));
    d.compute(suits, ranks, enumerate);
}

// Hand name -> the Computed column's text.
QMap<QString, QString> computedByHand(const DialogDriver& d) {
    QMap<QString, QString> texts;
    const QStringList hands = d.column(0);
    const QStringList values = d.column(1);
    for (int row = 0; row < hands.size(); ++row) {
        texts[hands[row]] = values[row];
    }
    return texts;
}

QByteArray countOutput(const QStringList& arguments) {
    QProcess cli;
    cli.start(QStringLiteral(MARVANE_COUNT_PATH), arguments);
    EXPECT_TRUE(cli.waitForFinished(30000));
    return cli.readAllStandardOutput();
}

TEST(DialogJokers, TheBoxTakesZeroToFourAfterTheCardsAndSaysSoOtherwise) {
    DialogDriver d;
    EXPECT_EQ(d.box(IdJokersBox)->text(), "0");
    d.box(IdCardsBox)->setFocus();
    QTest::keyClick(d.box(IdCardsBox), Qt::Key_Tab);
    EXPECT_TRUE(d.box(IdJokersBox)->hasFocus());

    for (const char* bad : {"5", "40"}) {
        computeJokers(d, 4, 13, 5, QString::fromLatin1(bad).toInt(), false);
        ASSERT_EQ(d.messages.size(), 1) << bad;
        EXPECT_EQ(d.messages.takeFirst(), "Please enter an integer between 0 and 4.");
        EXPECT_TRUE(d.box(IdJokersBox)->hasFocus());
        EXPECT_EQ(d.list()->rowCount(), 0);
    }
    // The spin buttons stop at the range's ends.
    d.type(IdJokersBox, "4");
    d.spin(IdJokersSpin)->deltaPos(4, 1);
    EXPECT_EQ(d.box(IdJokersBox)->text(), "4");
    d.spin(IdJokersSpin)->deltaPos(4, -1);
    EXPECT_EQ(d.box(IdJokersBox)->text(), "3");
}

// 4 x 13 with one joker, five cards: the published table; with two pair
// ranked above three of a kind the paradox turns around.
TEST(DialogJokers, OneJokerGivesThePublishedCountsAndTheCliBytes) {
    DialogDriver d;
    computeJokers(d, 4, 13, 5, 1, false);
    EXPECT_TRUE(d.messages.isEmpty());
    EXPECT_EQ(d.get<QLabel>(IdPossibleHands)->text(), "2869685");  // C(53, 5)
    EXPECT_FALSE(d.get(IdFloatingPathMark)->isVisible());
    d.expectEnabled({IdJokersBox, IdJokersSpin, IdJokersLabel}, false);
    const QMap<QString, QString> computed = computedByHand(d);
    for (const auto& entry : published::kOneJoker) {
        const QString hand =
            QString::fromLatin1(entry.name.data(), static_cast<qsizetype>(entry.name.size()));
        EXPECT_EQ(computed.value(hand), QString::number(entry.hands)) << entry.name;
    }
    EXPECT_EQ(computed.value("Rainbow 1 Pair"), "0");
    // Five of a Kind needs the joker, and its example shows one.
    const int five = static_cast<int>(d.column(0).indexOf("Five of a Kind"));
    EXPECT_TRUE(d.list()->item(five, 0)->toolTip().contains("Jk")) << five;

    QTemporaryDir dir;
    d.prompts->savePath = [&](const QString& suggested) {
        EXPECT_TRUE(suggested.endsWith("marvane-4x13-1joker.csv")) << suggested.toStdString();
        return dir.filePath("joker.csv");
    };
    d.dialog.findChild<QAction*>(QStringLiteral("saveResultsAction"))->trigger();
    QFile saved(dir.filePath("joker.csv"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(),
              countOutput({"--suits", "4", "--ranks", "13", "--jokers", "1", "--format", "csv"}));

    // Two pair just above three of a kind.
    CategoryOrder swapped = d.dialog.session().report()->order;
    const auto at = [&](HandCategory category) {
        return std::find(swapped.begin(), swapped.end(), category);
    };
    std::iter_swap(at(HandCategory::Hypochromatic3OfAKind), at(HandCategory::Hypochromatic2Pair));
    d.prompts->orderAnswer = swapped;
    auto* ranking = d.dialog.findChild<QMenu*>(QStringLiteral("rankingMenu"));
    ASSERT_TRUE(ranking->isEnabled());
    ranking->actions().back()->trigger();
    QCoreApplication::processEvents();
    const QMap<QString, QString> turned = computedByHand(d);
    EXPECT_EQ(turned.value("Hypochromatic 2 Pair"), "205920");
    EXPECT_EQ(turned.value("Hypochromatic 3 of a Kind"), "54912");
    EXPECT_EQ(turned.value("Straight Flush"), "204");
}

TEST(DialogJokers, EnumeratingWithAJokerIsALongRunThatAgreesWithTheFormulas) {
    DialogDriver d;
    d.prompts->confirmAnswer = true;
    computeJokers(d, 4, 7, 5, 1, true);
    ASSERT_EQ(d.prompts->questions.size(), 1);
    EXPECT_TRUE(d.prompts->questions[0].contains("and 1 joker visits 118,755 hands"))  // C(29, 5)
        << d.prompts->questions[0].toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return d.list()->rowCount() == 17; }, 20000));
    EXPECT_TRUE(d.dialog.session().report()->enumerated);
    EXPECT_EQ(d.column(1), d.column(2));  // Enumerated equals Computed
    d.click(IdAgain);
    d.expectEnabled({IdJokersBox, IdJokersSpin, IdJokersLabel}, true);
    EXPECT_TRUE(d.messages.isEmpty());
}

}  // namespace

}  // namespace marvane
