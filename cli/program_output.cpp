// SPDX-License-Identifier: MIT
#include "cli/program_output.h"

#include <iostream>

namespace marvane {

void sayOnStderr(std::string_view message) {
    std::cerr << kProgramName << ": " << message << '\n';
}

bool outputWritten() {
    std::cout.flush();
    if (!std::cout) {
        sayOnStderr("could not write the output");
        return false;
    }
    return true;
}

int writtenStatus() {
    return outputWritten() ? kExitSuccess : kExitFailure;
}

}  // namespace marvane
