// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "report/shown_report.h"

namespace marvane {

// Writes the report as marvane-count writes it for this deck: JSON for a path
// ending in ".json", else CSV, with the probability and odds when `odds`. The
// file is replaced whole or not at all. An empty string on success, else
// why it failed.
QString saveResults(const QString& path, const marvane::ShownReport& report, bool odds);

}  // namespace marvane
