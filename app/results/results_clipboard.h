// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QTableWidget;

namespace marvane {

// Which rows a copy takes.
enum class CopiedRows { SelectedOrAll, All };

// The results as tab-separated text for the clipboard: the column headings
// (trimmed) on the first line, then the rows in the order the list shows them:
// with SelectedOrAll the selected rows, or every row when none is selected.
// Every line ends in "\n"; an empty string for a list without columns.
QString resultsAsText(const QTableWidget& list, CopiedRows rows = CopiedRows::SelectedOrAll);

// Puts resultsAsText on the clipboard.
void copyResults(const QTableWidget& list, CopiedRows rows);

}  // namespace marvane
