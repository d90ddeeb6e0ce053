// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "app/prompts.h"
#include "report/results/shown_report.h"

class QWidget;

namespace marvane {

// Writes the report as marvane-count writes it for this deck: JSON for a path
// ending in ".json", else CSV, with the probability and odds when `odds`. The
// file is replaced whole or not at all. An empty string on success, else
// why it failed.
QString saveResults(const QString& path, const marvane::ShownReport& report, bool odds);

// File > Save Results As: asks where (see askSavePath), saves, and shows
// a failure in a message box.
void saveResultsAs(QWidget* parent, Prompts& prompts, const ShownReport& report, bool odds);

}  // namespace marvane
