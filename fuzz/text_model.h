// SPDX-License-Identifier: MIT
#pragma once

// Plain, slow readings of the list's sort rules, written apart from the list
// code so the fuzz targets can hold one against the other.

#include <cstdlib>
#include <string>
#include <string_view>

namespace textmodel {

inline bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

inline std::string trim(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isSpace(text.back())) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

// Digits and "+" anywhere, "-" only first and only in a text of two bytes or more.
inline bool looksNumeric(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!(isDigit(c) || c == '+' || (c == '-' && i == 0 && text.size() > 1))) {
            return false;
        }
    }
    return true;
}

// strtod restricted to decimal notation: the longest prefix of the form
// blanks, sign, digits with an optional point, an optional exponent.
inline double leadingNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && isSpace(text[pos])) {
        ++pos;
    }
    const std::size_t start = pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    std::size_t digits = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
        ++digits;
    }
    if (pos < text.size() && text[pos] == '.') {
        std::size_t after = pos + 1;
        std::size_t fraction = 0;
        while (after < text.size() && isDigit(text[after])) {
            ++after;
            ++fraction;
        }
        if (digits + fraction > 0) {
            pos = after;
            digits += fraction;
        }
    }
    if (digits == 0) {
        return 0.0;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t after = pos + 1;
        if (after < text.size() && (text[after] == '+' || text[after] == '-')) {
            ++after;
        }
        if (after < text.size() && isDigit(text[after])) {
            while (after < text.size() && isDigit(text[after])) {
                ++after;
            }
            pos = after;
        }
    }
    const std::string number(text.substr(start, pos - start));
    return std::strtod(number.c_str(), nullptr);
}

inline int sign(double x, double y) {
    return x < y ? -1 : (x > y ? 1 : 0);
}

inline int compareBytes(const std::string& x, const std::string& y) {
    const int c = x.compare(y);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

}  // namespace textmodel
