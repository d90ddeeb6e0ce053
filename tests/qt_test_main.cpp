// SPDX-License-Identifier: MIT
// Runs a GUI test program inside a QApplication, on the offscreen platform
// unless the caller chose another one (xvfb-run, say, to look at the pixels),
// with the program's settings in Qt's test location.
#include <QApplication>
#include <QSettings>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Settings go to a test folder, emptied first, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QSettings(QStringLiteral("marvane"), QStringLiteral("marvane")).clear();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
