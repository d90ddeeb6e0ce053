// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>
#include <string_view>

namespace marvane {

// Removes blanks, tabs, line feeds, vertical tabs, form feeds and carriage
// returns from both ends. Other white space (no-break space...) stays.
QString trimWhiteSpace(const QString& text);

// True for a non-empty text made only of digits and "+", with "-" allowed as
// the first byte of a text at least two bytes long. A decimal point, comma,
// blank, letter or any non-ASCII byte makes the text non-numeric.
bool LooksNumeric(std::string_view utf8);

// Reads a date or a date with time in the default locale (QLocale()), in its
// short or long format; nothing when the text is neither.
std::optional<QDateTime> parseLocaleDateTime(const QString& text);
bool ParsesAsDate(const QString& text);

// Each returns -1, 0 or 1 for x before, level with or after y.
int CompareAsNumbers(std::string_view x, std::string_view y);
int CompareAsDates(const QString& x, const QString& y);
int CompareAsTexts(std::string_view x, std::string_view y);

// The order of two rows by their texts in the sorted column (text1 from the
// first row). The kind of comparison is chosen from the trimmed text1 alone:
// text when either text is empty, else number when text1 looks numeric, else
// date when it parses as one, else text. Descending order compares the same
// kind with the operands swapped rather than negating the result. Negative
// means the first row goes first.
int CompareRows(const QString& text1, const QString& text2, bool ascending);

// A row's sorted-column text prepared once, so that sorting a column does
// not trim, convert or parse the same text at every comparison.
struct SortKey {
    QString trimmed;
    QByteArray utf8;
    bool numeric = false;
    double number = 0.0;
    std::optional<QDateTime> date;  // filled only when dates were asked for
};

// withDate: parse the text as a date too. Dates matter only for a column
// where some non-empty text does not look numeric.
SortKey makeSortKey(const QString& text, bool withDate);

// Same result as CompareRows on the keys' texts, given keys made withDate
// whenever the first key's text is non-empty and not numeric.
int compareSortKeys(const SortKey& key1, const SortKey& key2, bool ascending);

}  // namespace marvane
