// SPDX-License-Identifier: MIT
#include "app/app_settings.h"

#include <QDir>
#include <QStandardPaths>

namespace marvane {

namespace {

constexpr char kWindowGeometryKey[] = "window/geometry";
constexpr char kChartGeometryKey[] = "chart/geometry";
constexpr char kProbabilityColumnKey[] = "results/probabilityColumn";
constexpr char kOddsColumnKey[] = "results/oddsColumn";
constexpr char kExportFolderKey[] = "export/lastFolder";
constexpr char kChartFolderKey[] = "chart/lastFolder";

}  // namespace

AppSettings::AppSettings() : settings_(QStringLiteral("marvane"), QStringLiteral("marvane")) {}

QByteArray AppSettings::windowGeometry() const {
    return settings_.value(kWindowGeometryKey).toByteArray();
}

void AppSettings::setWindowGeometry(const QByteArray& geometry) {
    settings_.setValue(kWindowGeometryKey, geometry);
}

QByteArray AppSettings::chartGeometry() const {
    return settings_.value(kChartGeometryKey).toByteArray();
}

void AppSettings::setChartGeometry(const QByteArray& geometry) {
    settings_.setValue(kChartGeometryKey, geometry);
}

bool AppSettings::probabilityColumn() const {
    return settings_.value(kProbabilityColumnKey, false).toBool();
}

void AppSettings::setProbabilityColumn(bool shown) {
    settings_.setValue(kProbabilityColumnKey, shown);
}

bool AppSettings::oddsColumn() const {
    return settings_.value(kOddsColumnKey, false).toBool();
}

void AppSettings::setOddsColumn(bool shown) {
    settings_.setValue(kOddsColumnKey, shown);
}

QString AppSettings::exportFolder() const {
    return settings_.value(kExportFolderKey, QDir::homePath()).toString();
}

void AppSettings::setExportFolder(const QString& folder) {
    settings_.setValue(kExportFolderKey, folder);
}

QString AppSettings::chartFolder() const {
    return settings_
        .value(kChartFolderKey, QStandardPaths::writableLocation(QStandardPaths::PicturesLocation))
        .toString();
}

void AppSettings::setChartFolder(const QString& folder) {
    settings_.setValue(kChartFolderKey, folder);
}

void AppSettings::clear() {
    settings_.clear();
}

}  // namespace marvane
