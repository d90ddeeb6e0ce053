// SPDX-License-Identifier: MIT
// No text of the results list is cut short: every cell and every heading is
// measured against the rectangle it is drawn in, for the widest decks, at two
// font sizes, after sorting by every column.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QStyle>
#include <QStyleOptionViewItem>

#include "app/app_settings.h"
#include "listctrl/csortheaderctrl.h"
#include "tests/app/dialog_fixture.h"

namespace marvane {

namespace {

// Texts wider than the room the view gives them, as "row,column: text".
QStringList elidedCells(const CSortListCtrl& list) {
    QStringList elided;
    const QFontMetricsF metrics(list.font());
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    for (int row = 0; row < list.rowCount(); ++row) {
        for (int column = 0; column < list.columnCount(); ++column) {
            const QModelIndex index = list.model()->index(row, column);
            QStyleOptionViewItem option;
            option.initFrom(list.viewport());
            option.font = list.font();
            option.rect = list.visualRect(index);
            option.text = list.item(row, column)->text();
            option.features = QStyleOptionViewItem::HasDisplay;
            option.displayAlignment = Qt::Alignment(list.item(row, column)->textAlignment());
            const QRect textRect =
                list.style()->subElementRect(QStyle::SE_ItemViewItemText, &option, &list);
            if (textRect.width() - 2 * margin < metrics.horizontalAdvance(option.text)) {
                elided << QStringLiteral("%1,%2: %3").arg(row).arg(column).arg(option.text);
            }
        }
    }
    return elided;
}

QStringList elidedHeadings(const CSortHeaderCtrl& header) {
    QStringList elided;
    for (int section = 0; section < header.count(); ++section) {
        const QString title = header.model()->headerData(section, Qt::Horizontal).toString();
        const QRect rect(header.sectionViewportPosition(section), 0, header.sectionSize(section),
                         header.height());
        if (header.IsOwnerDrawn(section) && header.titleRect(rect, section).width() <
                                                header.fontMetrics().horizontalAdvance(title)) {
            elided << title;
        }
    }
    return elided;
}

TEST(DialogReadable, NoCellOrHeadingIsCutShort) {
    const QFont defaultFont = QApplication::font();
    const struct {
        int suits, ranks;
        bool enumerate;
    } decks[] = {{8, 20, true}, {8, 20, false}, {6, 18, false}};
    for (double scale : {1.0, 1.5}) {
        QFont font = defaultFont;
        font.setPointSizeF(defaultFont.pointSizeF() * scale);
        QApplication::setFont(font);
        for (const auto& deck : decks) {
            DialogDriver d;
            // With the optional columns, whose texts come after the rows.
            d.dialog.findChild<QAction*>("oddsAction")->setChecked(deck.enumerate);
            d.dialog.findChild<QAction*>("probabilityAction")->setChecked(deck.enumerate);
            d.compute(deck.suits, deck.ranks, deck.enumerate);
            CSortHeaderCtrl* header = d.list()->sortHeader();
            const QString where = QStringLiteral("%1x%2 %3 x%4 sorted by ")
                                      .arg(deck.suits)
                                      .arg(deck.ranks)
                                      .arg(deck.enumerate ? "enumerated" : "computed")
                                      .arg(scale);
            EXPECT_EQ(elidedCells(*d.list()), QStringList()) << qPrintable(where);
            EXPECT_EQ(elidedHeadings(*header), QStringList()) << qPrintable(where + "Total");
            const QList<int> widths = [&] {
                QList<int> w;
                for (int s = 0; s < header->count(); ++s)
                    w << header->sectionSize(s);
                return w;
            }();
            for (int column = 0; column < header->count(); ++column) {
                const QPoint at(header->sectionViewportPosition(column) + 10, header->height() / 2);
                QTest::mousePress(header->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, at);
                ASSERT_EQ(header->GetSortColumn(), column);
                EXPECT_EQ(elidedHeadings(*header), QStringList())
                    << qPrintable(where + QString::number(column));
                EXPECT_EQ(elidedCells(*d.list()), QStringList())
                    << qPrintable(where + QString::number(column));
                for (int s = 0; s < header->count(); ++s) {
                    EXPECT_EQ(header->sectionSize(s), widths[s]) << "width jumped";
                }
            }
        }
    }
    QApplication::setFont(defaultFont);
    AppSettings().clear();
}

}  // namespace

}  // namespace marvane
