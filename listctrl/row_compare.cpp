// SPDX-License-Identifier: MIT
#include "listctrl/row_compare.h"

#include "listctrl/text_conversions.h"

#include <QLocale>

#include <algorithm>
#include <cstring>

namespace marvane {
namespace {

std::string_view utf8View(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

int sign(double x, double y) {
    if (x < y) {
        return -1;
    }
    return x > y ? 1 : 0;
}

int compareDates(const SortKey& x, const SortKey& y) {
    if (!x.date || !y.date) {
        return CompareAsTexts(utf8View(x.utf8), utf8View(y.utf8));
    }
    if (*x.date < *y.date) {
        return -1;
    }
    return *y.date < *x.date ? 1 : 0;
}

enum class Kind { Number, Date, Text };

Kind chooseKind(const SortKey& key1, const SortKey& key2) {
    if (key1.utf8.isEmpty() || key2.utf8.isEmpty()) {
        return Kind::Text;
    }
    if (key1.numeric) {
        return Kind::Number;
    }
    return key1.date ? Kind::Date : Kind::Text;
}

}  // namespace

QString trimWhiteSpace(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isCSpace(text[begin].unicode())) {
        ++begin;
    }
    while (end > begin && isCSpace(text[end - 1].unicode())) {
        --end;
    }
    return text.mid(begin, end - begin);
}

bool LooksNumeric(std::string_view utf8) {
    if (utf8.empty()) {
        return false;
    }
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        const bool passes =
            (c >= '0' && c <= '9') || c == '+' || (c == '-' && i == 0 && utf8.size() >= 2);
        if (!passes) {
            return false;
        }
    }
    return true;
}

namespace {

// The locale's formats as written, and each with a two-digit year widened to
// four digits: short formats such as "M/d/yy" would otherwise refuse
// "12/31/2023", the way most people write dates.
QStringList dateFormats(const QLocale& locale, bool withTime) {
    QStringList formats;
    for (const QLocale::FormatType type : {QLocale::ShortFormat, QLocale::LongFormat}) {
        const QString format = withTime ? locale.dateTimeFormat(type) : locale.dateFormat(type);
        formats.append(format);
        if (format.contains(QLatin1String("yy")) && !format.contains(QLatin1String("yyyy"))) {
            formats.append(QString(format).replace(QLatin1String("yy"), QLatin1String("yyyy")));
        }
    }
    return formats;
}

// Two-digit years read as 1900..1999; as on the desktop, 00..29 mean 2000..2029.
QDateTime withTwoDigitYearPivot(QDateTime dateTime, const QString& format) {
    if (!format.contains(QLatin1String("yyyy")) && dateTime.date().year() < 1930) {
        dateTime = dateTime.addYears(100);
    }
    return dateTime;
}

}  // namespace

std::optional<QDateTime> parseLocaleDateTime(const QString& text) {
    const QLocale locale;
    for (const QString& format : dateFormats(locale, true)) {
        const QDateTime dateTime = locale.toDateTime(text, format);
        if (dateTime.isValid()) {
            return withTwoDigitYearPivot(dateTime, format);
        }
    }
    for (const QString& format : dateFormats(locale, false)) {
        const QDate date = locale.toDate(text, format);
        if (date.isValid()) {
            return withTwoDigitYearPivot(date.startOfDay(), format);
        }
    }
    return std::nullopt;
}

bool ParsesAsDate(const QString& text) {
    return parseLocaleDateTime(text).has_value();
}

int CompareAsNumbers(std::string_view x, std::string_view y) {
    return sign(parseLeadingDouble(x), parseLeadingDouble(y));
}

int CompareAsDates(const QString& x, const QString& y) {
    return compareDates(makeSortKey(x, true), makeSortKey(y, true));
}

int CompareAsTexts(std::string_view x, std::string_view y) {
    const std::size_t common = std::min(x.size(), y.size());
    const int bytes = common == 0 ? 0 : std::memcmp(x.data(), y.data(), common);
    if (bytes != 0) {
        return bytes < 0 ? -1 : 1;
    }
    if (x.size() == y.size()) {
        return 0;
    }
    return x.size() < y.size() ? -1 : 1;
}

SortKey makeSortKey(const QString& text, bool withDate) {
    SortKey key;
    key.trimmed = trimWhiteSpace(text);
    key.utf8 = key.trimmed.toUtf8();
    key.numeric = LooksNumeric(utf8View(key.utf8));
    key.number = parseLeadingDouble(utf8View(key.utf8));
    if (withDate && !key.trimmed.isEmpty()) {
        key.date = parseLocaleDateTime(key.trimmed);
    }
    return key;
}

int compareSortKeys(const SortKey& key1, const SortKey& key2, bool ascending) {
    const SortKey& x = ascending ? key1 : key2;
    const SortKey& y = ascending ? key2 : key1;
    switch (chooseKind(key1, key2)) {
        case Kind::Number:
            return sign(x.number, y.number);
        case Kind::Date:
            return compareDates(x, y);
        case Kind::Text:
            break;
    }
    return CompareAsTexts(utf8View(x.utf8), utf8View(y.utf8));
}

int CompareRows(const QString& text1, const QString& text2, bool ascending) {
    return compareSortKeys(makeSortKey(text1, true), makeSortKey(text2, true), ascending);
}

}  // namespace marvane
