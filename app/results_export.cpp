// SPDX-License-Identifier: MIT
#include "app/results_export.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QSaveFile>
#include <sstream>

#include "report/report_format.h"

namespace {

struct ExportTexts {
    Q_DECLARE_TR_FUNCTIONS(ResultsExport)
};

// Functions, not constants: the texts are in the language of the moment.
QString csvFilter() {
    return ExportTexts::tr("CSV files (*.csv)");
}

QString jsonFilter() {
    return ExportTexts::tr("JSON files (*.json)");
}

}  // namespace

QString askSavePath(QWidget* parent, const QString& suggestedPath) {
    QFileDialog dialog(parent, ExportTexts::tr("Save Results As"), suggestedPath);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QString json = jsonFilter();
    dialog.setNameFilters({csvFilter(), json});
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    // A name typed without a suffix gets the chosen type's.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, json](const QString& filter) {
                         dialog.setDefaultSuffix(filter == json ? QStringLiteral("json")
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
