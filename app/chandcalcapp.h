// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

namespace marvane {

// The application object: its only job is to run the dialog.
class CHandCalcApp : public QApplication {
    Q_OBJECT

public:
    CHandCalcApp(int& argc, char** argv);

    // Runs the calculator dialog until it is closed, whichever way. Returns
    // false: once the dialog is gone there is nothing left to run.
    bool InitInstance();
};

// Shared by the desktop file, the AppStream metainfo and the installed icon.
inline constexpr char kDesktopFileId[] = "io.github.marvane.Marvane";

}  // namespace marvane
