// SPDX-License-Identifier: MIT
#include "results_export.h"

#include <QFileDialog>
#include <QSaveFile>
#include <sstream>

#include "report_format.h"

namespace {

const QString kCsvFilter = QStringLiteral("CSV files (*.csv)");
const QString kJsonFilter = QStringLiteral("JSON files (*.json)");

}  // namespace

QString askSavePath(QWidget* parent, const QString& suggestedPath) {
    QFileDialog dialog(parent, QStringLiteral("Save Results As"), suggestedPath);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({kCsvFilter, kJsonFilter});
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    // A name typed without a suffix gets the chosen type's.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) {
                         dialog.setDefaultSuffix(filter == kJsonFilter ? QStringLiteral("json")
                                                                       : QStringLiteral("csv"));
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString saveResults(const QString& path, const marvane::DeckReport& report, bool odds) {
    const bool json = path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive);
    std::ostringstream text;
    marvane::writeReports(
        text, {report},
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
