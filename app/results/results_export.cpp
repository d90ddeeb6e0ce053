// SPDX-License-Identifier: MIT
#include "app/results/results_export.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <sstream>

#include "app/saved_files.h"

namespace marvane {

QString saveResults(const QString& path, const marvane::ShownReport& report, bool odds) {
    const bool json = path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive);
    std::ostringstream text;
    marvane::writeShownReport(
        text, report,
        {.format = json ? marvane::ReportFormat::Json : marvane::ReportFormat::Csv, .odds = odds});
    const std::string bytes = text.str();

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        return file.errorString();
    }
    return {};
}

void saveResultsAs(QWidget* parent, Prompts& prompts, const ShownReport& report, bool odds) {
    const QString path = askSavePath(
        parent, prompts, Prompts::FileKind::Results,
        defaultFileStem(report.deck, report.cards, report.jokers) + QStringLiteral(".csv"));
    if (path.isEmpty()) {
        return;
    }
    const QString error = saveResults(path, report, odds);
    if (!error.isEmpty()) {
        // The dialog's own text once, and still in its translation context.
        prompts.warn(parent, QCoreApplication::translate("marvane::CHandCalcDialog",
                                                         "Could not save the results to %1:\n%2")
                                 .arg(QDir::toNativeSeparators(path), error));
    }
}

}  // namespace marvane
