// SPDX-License-Identifier: MIT
#pragma once

#include "tests/listctrl/qt_printers.h"

#include <QStringList>

namespace marvane {
class CSortListCtrl;
}  // namespace marvane
using marvane::CSortListCtrl;
class QHeaderView;

// The cell texts of one row or one column, as the table shows them.
QStringList CellTexts(const CSortListCtrl& list, int row);
QStringList ColumnCells(const CSortListCtrl& list, int column);

// Presses and releases the mouse on a header section, as a user's click.
void ClickSection(QHeaderView* header, int section);
