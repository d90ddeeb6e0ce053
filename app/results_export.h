// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>

#include "report/deck_report.h"

class QWidget;

// Asks where to save the results, starting at suggestedPath; an empty path
// when the user cancels. Tests put their own in place of the file dialog.
using SavePathFunction = std::function<QString(QWidget* parent, const QString& suggestedPath)>;

// The file dialog, offering CSV and JSON.
QString askSavePath(QWidget* parent, const QString& suggestedPath);

// Writes the report as marvane-count writes it for this deck: JSON for a path
// ending in ".json", else CSV, with the probability and odds when `odds`. The
// file is replaced whole or not at all. An empty string on success, else
// why it failed.
QString saveResults(const QString& path, const marvane::DeckReport& report, bool odds);
