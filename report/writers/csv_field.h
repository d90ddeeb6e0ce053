// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace marvane {

// One CSV field as RFC 4180 wants it: quoted when it holds a comma, a double
// quote or a line break, with inner double quotes doubled; unchanged otherwise.
std::string csvField(std::string_view text);

}  // namespace marvane
