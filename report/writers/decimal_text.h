// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace marvane {

// The shortest text that reads back as the same double, as std::to_chars
// writes it (plain or scientific, whichever is shorter, plain on a tie), so
// CSV and JSON lose nothing. Finite values only.
std::string exactDecimal(double value);

// The same bytes by way of printf and strtod, for a standard library without
// floating-point std::to_chars (the web build's). exactDecimal uses it there.
std::string exactDecimalByPrintf(double value);

}  // namespace marvane
