// SPDX-License-Identifier: MIT
#include "app/saved_files.h"

#include <QDir>
#include <QFileInfo>

#include "app/app_settings.h"

namespace marvane {

QString defaultFileStem(const Deck& deck, std::uint32_t cards, std::uint32_t jokers) {
    QString stem = QStringLiteral("marvane-%1x%2").arg(deck.suits).arg(deck.ranks);
    if (cards != kHandSize) {
        stem += QStringLiteral("-%1cards").arg(cards);
    }
    if (jokers > 0) {
        stem += jokers == 1 ? QStringLiteral("-1joker") : QStringLiteral("-%1jokers").arg(jokers);
    }
    return stem;
}

QString askSavePath(QWidget* parent, Prompts& prompts, Prompts::FileKind kind,
                    const QString& fileName) {
    AppSettings settings;
    const bool chart = kind == Prompts::FileKind::Chart;
    const QString folder = chart ? settings.chartFolder() : settings.exportFolder();
    QString path = prompts.askSavePath(parent, kind, QDir(folder).filePath(fileName));
    if (!path.isEmpty()) {
        const QString chosen = QFileInfo(path).absolutePath();
        chart ? settings.setChartFolder(chosen) : settings.setExportFolder(chosen);
    }
    return path;
}

}  // namespace marvane
