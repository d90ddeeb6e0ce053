// SPDX-License-Identifier: MIT
#include "app/results/results_export.h"

#include <QSaveFile>
#include <sstream>

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

}  // namespace marvane
