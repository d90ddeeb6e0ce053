// SPDX-License-Identifier: MIT
// CompareRows on arbitrary pairs of texts: always -1, 0 or 1; a text ranks
// level with itself; descending is the mirror of ascending; the order is
// antisymmetric except between a number and a non-number; and where no date
// is involved the result is the one a plain reading of the rules gives.
//
// Input: one length byte n, then text1 (n bytes, or what is left), then text2.

#include <QString>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/offscreen_app.h"
#include "fuzz/text_model.h"
#include "listctrl/row_compare.h"

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The bytes the list sees: UTF-8 as Qt makes it, trimmed.
std::string trimmedUtf8(const QString& text) {
    return textmodel::trim(text.toUtf8().toStdString());
}

// What CompareRows(text1, text2, true) must give, or 2 when a date might
// decide it (the date reading belongs to the locale and is not modelled).
int modelAscending(const QString& text1, const QString& text2) {
    const std::string a = trimmedUtf8(text1);
    const std::string b = trimmedUtf8(text2);
    if (a.empty() || b.empty()) {
        return textmodel::compareBytes(a, b);
    }
    if (textmodel::looksNumeric(a)) {
        return textmodel::sign(textmodel::leadingNumber(a), textmodel::leadingNumber(b));
    }
    const bool aDate = marvane::ParsesAsDate(QString::fromUtf8(a));
    const bool bDate = marvane::ParsesAsDate(QString::fromUtf8(b));
    if (aDate && bDate) {
        return 2;
    }
    return textmodel::compareBytes(a, b);
}

bool isOrder(int result) {
    return result == -1 || result == 0 || result == 1;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    startOffscreenApplication((*argv)[0]);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const auto* bytes = reinterpret_cast<const char*>(data + 1);
    const std::size_t rest = size - 1;
    const std::size_t length1 = std::min<std::size_t>(data[0], rest);
    const QString text1 = QString::fromUtf8(bytes, static_cast<qsizetype>(length1));
    const QString text2 =
        QString::fromUtf8(bytes + length1, static_cast<qsizetype>(rest - length1));

    const int up = marvane::CompareRows(text1, text2, true);
    const int down = marvane::CompareRows(text1, text2, false);
    const int upSwapped = marvane::CompareRows(text2, text1, true);
    check(isOrder(up) && isOrder(down) && isOrder(upSwapped));

    check(marvane::CompareRows(text1, text1, true) == 0);
    check(marvane::CompareRows(text2, text2, false) == 0);
    // The kind comes from text1 either way, and every kind is antisymmetric
    // in its operands, so swapping them for descending order mirrors ascending.
    check(down == -up);

    const std::string a = trimmedUtf8(text1);
    const std::string b = trimmedUtf8(text2);
    const bool mixedKinds =
        !a.empty() && !b.empty() && textmodel::looksNumeric(a) != textmodel::looksNumeric(b);
    if (!mixedKinds) {
        check(upSwapped == -up);
    }

    const int expected = modelAscending(text1, text2);
    if (expected != 2) {
        check(up == expected);
    }
    return 0;
}
