#pragma once

#include <QString>

class QTableWidget;

// The results as tab-separated text for the clipboard: the column headings
// (trimmed) on the first line, then the selected rows, or every row when none
// is selected, in the order the list shows them. Every line ends in "\n".
QString resultsAsText(const QTableWidget& list);

// Makes Ctrl+C (the platform's Copy key) in the list put resultsAsText on the
// clipboard, in place of the view's default of copying the current cell.
void enableResultsCopy(QTableWidget* list);
