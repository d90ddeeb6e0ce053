// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

// The program's icon (five fanned cards), from the compiled-in resources.
QIcon applicationIcon();
