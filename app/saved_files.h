// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>

#include "app/prompts.h"
#include "engine/vocabulary/deck.h"

class QWidget;

namespace marvane {

// The name a saved file of this deck starts with: "marvane-4x13".
// With another hand size than five or with jokers the stem says so:
// "marvane-4x13-7cards", "marvane-4x13-3cards", "marvane-4x13-1joker",
// "marvane-4x13-6cards-2jokers".
QString defaultFileStem(const Deck& deck, std::uint32_t cards = 5, std::uint32_t jokers = 0);

// Asks where to save a file of this kind, suggesting `fileName` in the
// folder the last file of that kind went to (see AppSettings), and remembers
// the folder of the path chosen. An empty string when the user cancels.
QString askSavePath(QWidget* parent, Prompts& prompts, Prompts::FileKind kind,
                    const QString& fileName);

}  // namespace marvane
