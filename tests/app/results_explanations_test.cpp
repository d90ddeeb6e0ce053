// SPDX-License-Identifier: MIT
// The results list says what it shows: tooltips on the Hand cells and headings.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QSet>

#include "tests/app/dialog_fixture.h"

namespace marvane {

namespace {

QString toolTip(const DialogDriver& d, int row) {
    const QTableWidgetItem* cell = d.list()->item(row, 0);
    return cell ? cell->toolTip() : QString();
}

// What a screen reader gets for the row's Hand cell.
QString description(const DialogDriver& d, int row) {
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(d.list());
    QAccessibleInterface* cell =
        list && list->tableInterface() ? list->tableInterface()->cellAt(row, 0) : nullptr;
    return cell ? cell->text(QAccessible::Description) : QString();
}

// Every Hand cell names its own category first, whatever the order of rows.
void expectEveryRowExplained(const DialogDriver& d) {
    QSet<QString> toolTips;
    for (int row = 0; row < d.list()->rowCount(); ++row) {
        const QString name = d.list()->rowTexts(row).value(0);
        EXPECT_TRUE(toolTip(d, row).contains("<b>" + name + "</b>: "))
            << toolTip(d, row).toStdString();
        EXPECT_TRUE(description(d, row).startsWith(name + ": "))
            << description(d, row).toStdString();
        toolTips.insert(toolTip(d, row));
    }
    EXPECT_EQ(toolTips.size(), 17);
}

TEST(ResultsExplanations, EveryHandCellAndHeadingIsExplained) {
    const struct {
        int suits, ranks;
        bool enumerate;
        int impossible;  // categories that need five suits
    } decks[] = {{4, 13, false, 8}, {5, 7, true, 0}, {8, 20, false, 0}};
    for (const auto& deck : decks) {
        SCOPED_TRACE(QString("%1 x %2").arg(deck.suits).arg(deck.ranks).toStdString());
        DialogDriver d;
        d.compute(deck.suits, deck.ranks, deck.enumerate);
        ASSERT_EQ(d.list()->rowCount(), 17);
        expectEveryRowExplained(d);

        int examples = 0;
        int cannotOccur = 0;
        for (int row = 0; row < 17; ++row) {
            examples += description(d, row).contains(". Example: ");
            cannotOccur += description(d, row).endsWith(
                QString(". Cannot occur with %1 suits: needs at least 5 suits, one for each card.")
                    .arg(deck.suits));
        }
        EXPECT_EQ(examples, 17 - deck.impossible);
        // Five of a Kind gives its own reason.
        EXPECT_EQ(cannotOccur, std::max(deck.impossible - 1, 0));

        QSet<QString> headingTips;
        for (int column = 0; column < d.list()->columnCount(); ++column) {
            headingTips.insert(d.list()->horizontalHeaderItem(column)->toolTip());
        }
        headingTips.remove(QString());
        EXPECT_EQ(headingTips.size(), d.list()->columnCount());
    }
}

TEST(ResultsExplanations, TextsMatchTheirRowsAfterResorting) {
    DialogDriver d;
    d.compute(5, 7, false);
    d.list()->OnColumnClick(0);  // by name, ascending
    d.list()->OnColumnClick(0);  // and descending
    ASSERT_EQ(d.list()->rowTexts(0).value(0), "Straight Flush");
    expectEveryRowExplained(d);
    const int row = static_cast<int>(d.column(0).indexOf("Rainbow 2 Pair"));
    EXPECT_EQ(description(d, row).toStdString(),
              "Rainbow 2 Pair: two pairs and a fifth card, all five cards of different suits. "
              "Example: 7a 7b 4c 4d 2e");
    const QString total =
        d.list()->horizontalHeaderItem(2)->data(Qt::AccessibleDescriptionRole).toString();
    EXPECT_TRUE(
        total.startsWith("This category's count plus the counts of every category that "
                         "dominates it"))
        << total.toStdString();
}

}  // namespace

}  // namespace marvane
