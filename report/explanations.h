// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace marvane {

// What marvane-count --explain prints: one line per category, in index order,
// "Name: definition"; then, after a blank line, the suit patterns, Total and
// the "*" mark in the same form, the words for hands of six or seven cards,
// and the card notation. `head -n 17` gives
// just the categories.
std::string explanationText();

}  // namespace marvane
