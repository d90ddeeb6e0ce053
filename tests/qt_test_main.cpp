// SPDX-License-Identifier: MIT
// Runs a GUI test program inside a QApplication, on the offscreen platform
// unless the caller chose another one (xvfb-run, say, to look at the pixels),
// with the program's settings in a fresh folder of this process's own: CTest
// runs several test processes at once, and none may see another's settings
// (or the user's).
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QTemporaryDir settingsHome;
    if (!settingsHome.isValid()) {
        return 1;
    }
    qputenv("XDG_CONFIG_HOME", settingsHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
