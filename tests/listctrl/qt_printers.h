// SPDX-License-Identifier: MIT
#pragma once

// Lets test failures show Qt strings as text rather than bytes.
#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
