// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "cli/command_line.h"

namespace marvane {

// The command line as CLI11 leaves it: the text of each option given, the
// flags, and the format name, which CLI11 has checked.
struct GivenOptions {
    std::optional<std::string> suits;
    std::optional<std::string> ranks;
    std::optional<std::string> jobs;
    std::optional<std::string> cards;
    std::optional<std::string> jokers;
    std::optional<std::string> order;
    std::optional<std::string> crossings;
    std::string format = "table";
    bool all = false;
    bool enumerate = false;
    bool odds = false;
    bool findOrder = false;
    bool checkOrder = false;
    bool explain = false;
};

// The mode the options ask for, their values read, or the first thing wrong
// with them. The reading goes in one fixed order, so that of two mistakes
// the same one is always named: --jokers, --explain (which needs nothing
// else), what can't go with --order, --find-order and --check-order,
// --jobs, --cards, --crossings, the deck, and last --order's names.
ParseOutcome readOptions(const GivenOptions& given);

}  // namespace marvane
