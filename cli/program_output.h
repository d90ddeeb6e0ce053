// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace marvane {

inline constexpr std::string_view kProgramName = "marvane-count";

// Exit statuses, as the help text lists them.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // counts disagree, or the output could not be written
inline constexpr int kExitUsage = 2;

// One line on stderr, after the program's name: "marvane-count: <message>".
void sayOnStderr(std::string_view message);

// Flushes stdout; false, having said so, when it could not be written.
bool outputWritten();

// kExitSuccess when stdout was written, else kExitFailure.
int writtenStatus();

}  // namespace marvane
