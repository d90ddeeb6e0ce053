// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace marvane {

// What the command line asks for, decided before any QApplication exists so
// that --help and --version work without a display.
struct CommandLineRequest {
    bool startGui = true;  // false: print and exit with exitStatus
    int exitStatus = 0;
    QString out;  // for stdout
    QString err;  // for stderr, one line
};

// Reads the arguments (the program's name first). Qt's own options such as
// -style and -platform are accepted and left for QApplication to act on.
CommandLineRequest readCommandLine(const QStringList& arguments);

// argv as Qt reads it, in the locale's encoding.
QStringList argumentsOf(int argc, char** argv);

}  // namespace marvane
