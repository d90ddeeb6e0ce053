// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <algorithm>
#include <utility>

#include "app/help/help_window.h"
#include "app/translators.h"

namespace {

using marvane::HelpWindow;
using Rows = std::vector<std::pair<QString, QString>>;

QString cellText(const QTextTable* table, int row, int column) {
    const QTextTableCell cell = table->cellAt(row, column);
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

// Every two-column row of the page's tables, in order.
Rows tableRows(const HelpWindow& window) {
    Rows rows;
    for (const QTextFrame* frame : window.browser()->document()->rootFrame()->childFrames()) {
        const auto* table = qobject_cast<const QTextTable*>(frame);
        if (table == nullptr || table->columns() != 2) {
            continue;
        }
        for (int row = 0; row < table->rows(); ++row) {
            rows.emplace_back(cellText(table, row, 0), cellText(table, row, 1));
        }
    }
    return rows;
}

TEST(HelpWindow, ExplainsEveryCategoryAndWordOfTheResults) {
    const HelpWindow window;
    const Rows rows = tableRows(window);
    // The README's table of categories, in the list's index order.
    const char* const categories[] = {
        "Five of a Kind",
        "Rainbow 4 of a Kind",
        "Hypochromatic 4 of a Kind",
        "Rainbow Full House",
        "Hypochromatic Full House",
        "Rainbow 3 of a Kind",
        "Hypochromatic 3 of a Kind",
        "Rainbow 2 Pair",
        "Hypochromatic 2 Pair",
        "Rainbow 1 Pair",
        "Hypochromatic 1 Pair",
        "Straight Flush",
        "Flush",
        "Rainbow Straight",
        "Hypochromatic Straight",
        "Rainbow",
        "Garbage",
    };
    // The categories, nine words of the results, the categories and suit
    // patterns of hands of three or four cards, the joker, and the five
    // definitions a joker changes.
    const std::size_t small = std::size(categories) + 9;
    const std::size_t joker = small + std::size(categories) + 3;
    ASSERT_EQ(rows.size(), joker + 6);
    for (std::size_t i = 0; i < std::size(categories); ++i) {
        EXPECT_EQ(rows[i].first, QString::fromLatin1(categories[i]));
        EXPECT_FALSE(rows[i].second.isEmpty()) << categories[i];
    }
    EXPECT_EQ(rows[1].second, QStringLiteral("four cards of one rank and a fifth card, all five "
                                             "cards of different suits."));
    const Rows words = {
        {"Flush", "all five cards of one suit."},
        {"Rainbow", "all five cards of different suits; only a deck of at least 5 suits has them."},
        {"Hypochromatic",
         "neither flush nor rainbow, so some cards share a suit but not all five."},
        {"Total",
         "this category's count plus the counts of every category that dominates it; that is, "
         "the number of hands at least this good."},
        {"*", "the number of possible hands was worked out in floating point."},
    };
    const auto wordsAt = rows.begin() + static_cast<std::ptrdiff_t>(std::size(categories));
    EXPECT_EQ(Rows(wordsAt, wordsAt + 5), words);
    // Then what hands of other sizes count as, as the README says it.
    EXPECT_EQ(rows[std::size(categories) + 5].first, "As itself");
    EXPECT_EQ(rows[std::size(categories) + 6].first, "Best five");
    EXPECT_TRUE(rows[std::size(categories) + 6].second.startsWith(
        "a hand of six to eight cards counts in the best category"));
    // Then every category and suit pattern as a hand of four cards makes it.
    const Rows smallHands = {
        {"Five of a Kind", "a hand of three or four cards never falls here."},
        {"Rainbow 4 of a Kind", "four cards of one rank, all of different suits."},
        {"Rainbow 2 Pair", "two pairs in a hand of four cards, all four of different suits."},
        {"Garbage",
         "all the hand's ranks different and not in a row, neither all of one suit nor all of "
         "different suits."},
        {"Rainbow (suit pattern)",
         "all the hand's cards of different suits, which four suits allow."},
    };
    for (const auto& [name, definition] : smallHands) {
        const auto found = std::find_if(rows.begin() + static_cast<std::ptrdiff_t>(small),
                                        rows.begin() + static_cast<std::ptrdiff_t>(joker),
                                        [&](const auto& row) { return row.first == name; });
        ASSERT_NE(found, rows.begin() + static_cast<std::ptrdiff_t>(joker)) << name.toStdString();
        EXPECT_EQ(found->second, definition);
    }

    // Then the joker, and the definitions as a joker that repeats a card
    // makes them, each unlike its own without jokers.
    EXPECT_EQ(rows[joker].first, "Joker");
    EXPECT_TRUE(rows[joker].second.startsWith("a wild card that stands for any card"));
    const std::pair<const char*, std::size_t> changed[] = {
        {"Five of a Kind", 0},
        {"Hypochromatic 4 of a Kind", 2},
        {"Flush", 12},
        {"Flush (suit pattern)", std::size(categories)},
        {"Hypochromatic (suit pattern)", std::size(categories) + 2},
    };
    for (std::size_t i = 0; i < std::size(changed); ++i) {
        const auto& [name, without] = changed[i];
        EXPECT_EQ(rows[joker + 1 + i].first, QString::fromLatin1(name));
        EXPECT_NE(rows[joker + 1 + i].second, rows[without].second) << name;
        EXPECT_TRUE(rows[joker + 1 + i].second.contains("joker")) << name;
    }

    const QString page = window.browser()->toPlainText();
    EXPECT_TRUE(page.contains(QStringLiteral("C(S x R + J, K)")));
    EXPECT_TRUE(page.contains(QStringLiteral("7a is the 7 of the first suit.")));
    EXPECT_TRUE(page.contains(QStringLiteral("58,627,800")));
    EXPECT_TRUE(page.contains(QStringLiteral("Hands of three to eight cards")));
    EXPECT_TRUE(window.browser()->isReadOnly());
    EXPECT_FALSE(window.browser()->accessibleName().isEmpty());
}

TEST(HelpWindow, StaysBesideItsOwnerUntilClosedOrEscaped) {
    QWidget owner;
    owner.show();
    HelpWindow* help = HelpWindow::showHelp(&owner);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    EXPECT_TRUE(help->isWindow());
    EXPECT_FALSE(help->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(HelpWindow::showHelp(owner.window()), help) << "one help window per owner";

    QTest::keyClick(help->browser(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    EXPECT_EQ(HelpWindow::showHelp(&owner), help);
    EXPECT_TRUE(help->isVisible());
    QTest::mouseClick(help->closeButton(), Qt::LeftButton);
    EXPECT_FALSE(help->isVisible());
}

TEST(HelpWindow, SpeaksTheUsersLanguage) {
    marvane::installTranslators(QLocale(QStringLiteral("de_DE")));
    const HelpWindow window;
    marvane::installTranslators(QLocale::c());  // the other tests read English
    const Rows rows = tableRows(window);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[5].first, QStringLiteral("Drilling (bunt)"));
    EXPECT_EQ(window.closeButton()->text(), QStringLiteral("&Schließen"));
}

}  // namespace
