// SPDX-License-Identifier: MIT
#include "listctrl/csortheaderctrl.h"
#include "listctrl/csortlistctrl.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

using marvane::CSortHeaderCtrl;
using marvane::CSortListCtrl;

// Paints a small list as the user sees it and finds the arrow in its header.
// With MARVANE_LISTCTRL_SHOT set, the picture is saved there as a PNG.
TEST(ListScreenshot, SortedListShowsTheArrowInItsHeader) {
    CSortListCtrl list;
    list.resize(330, 150);
    list.SetGridLines(true);
    list.DefineColumns("Hand, 140; Computed, 2, 80; Total, 2, 80");
    for (const QStringList& row : QList<QStringList>{{"Straight Flush", "40", "40"},
                                                     {"4 of a Kind", "624", "664"},
                                                     {"Full House", "3744", "4408"},
                                                     {"Flush", "5108", "9516"},
                                                     {"Straight", "10200", "19716"}}) {
        list.AddRow(0, row);
    }
    list.SortByColumn(2, false);
    list.SelectRow(1, false);
    list.show();

    const QImage shot = list.grab().toImage();
    const CSortHeaderCtrl* header = list.sortHeader();
    const QPoint origin = header->viewport()->mapTo(&list, QPoint(0, 0));
    const int right = origin.x() + header->sectionViewportPosition(2) + header->sectionSize(2);
    const int off = header->height() / 4;
    // The descending arrow's top right corner, in the title's colour.
    EXPECT_EQ(shot.pixelColor(right - off - 1, origin.y() + off),
              header->palette().color(QPalette::ButtonText));

    const QString path = qEnvironmentVariable("MARVANE_LISTCTRL_SHOT");
    if (!path.isEmpty()) {
        EXPECT_TRUE(shot.save(path, "PNG"));
    }
}
