// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>

namespace marvane {

// The few things the program remembers between runs, each under its own
// key of QSettings("marvane", "marvane"). The one place that opens them.
class AppSettings {
public:
    AppSettings();

    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray& geometry);
    QByteArray chartGeometry() const;
    void setChartGeometry(const QByteArray& geometry);

    // The results' optional columns; both hidden until chosen.
    bool probabilityColumn() const;
    void setProbabilityColumn(bool shown);
    bool oddsColumn() const;
    void setOddsColumn(bool shown);

    // Where the last export of the results went; the home folder before the first.
    QString exportFolder() const;
    void setExportFolder(const QString& folder);
    // Where the last chart was saved; the pictures folder before the first.
    QString chartFolder() const;
    void setChartFolder(const QString& folder);

    // Forgets everything, as on a first run.
    void clear();

private:
    QSettings settings_;
};

}  // namespace marvane
