// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace marvane::testing {

struct ToolRun {
    int exitStatus = -1;  // -1 if the program did not exit normally
    std::string out;
    std::string err;
};

// Runs the built marvane-count with these arguments, stdout and stderr
// captured separately in temporary files (a pipe could fill up and block).
ToolRun runMarvaneCount(const std::vector<std::string>& arguments);

}  // namespace marvane::testing
