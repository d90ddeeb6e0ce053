// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace marvane {

// The program's icon (five fanned cards), from the compiled-in resources.
QIcon applicationIcon();

}  // namespace marvane
