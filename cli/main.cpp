// SPDX-License-Identifier: MIT
// marvane-count: the hand counts of the results list on the command line, as
// a table, CSV or JSON, for one deck or for every admissible deck.

#include <exception>
#include <iostream>
#include <variant>

#include "cli/command_line.h"
#include "cli/program_output.h"

namespace {

using namespace marvane;

template <class... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};
template <class... Visitors>
Overloaded(Visitors...) -> Overloaded<Visitors...>;

// What the command line comes to: the exit status, once done.
const Overloaded kCarryOut{
    // Help, version and --explain: a failed write shows in the status only.
    [](const TextToPrint& text) {
        std::cout << text.text << std::flush;
        return std::cout ? kExitSuccess : kExitFailure;
    },
    [](const UsageError& error) {
        sayOnStderr(error.message);
        return kExitUsage;
    },
    // Every mode writes its report and says how that went.
    [](const auto& mode) { return run(mode); },
};

}  // namespace

int main(int argc, char** argv) {
    try {
        return std::visit(kCarryOut, parseCommandLine(argc, argv));
    } catch (const std::exception& error) {
        sayOnStderr(error.what());
        return kExitFailure;
    }
}
