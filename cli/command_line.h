// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <variant>

#include "cli/count_mode.h"
#include "cli/crossings_command.h"
#include "cli/order_modes.h"

namespace marvane {

// --help, --version or --explain: text for stdout, and nothing else to do.
struct TextToPrint {
    std::string text;
};

// Bad arguments: one line for stderr, after the program's name.
struct UsageError {
    std::string message;
};

// What the command line asks for: one mode with its options read and
// checked, or text to print, or what is wrong with the arguments.
using ParseOutcome =
    std::variant<CountOptions, FindOrderOptions, CheckOrderOptions, DeckCrossingsOptions,
                 CardCrossingsOptions, JokerCrossingsOptions, TextToPrint, UsageError>;

// argv[0] is the program's name, as main() gets it.
ParseOutcome parseCommandLine(int argc, const char* const* argv);

}  // namespace marvane
