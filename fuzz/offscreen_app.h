// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <clocale>

// The widget fuzz targets share one offscreen application for the whole run.
// It is made once and never destroyed: widgets outlive single inputs, and
// libFuzzer ends the process with exit().
inline void startOffscreenApplication(char* programName) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt gets an argument list of its own, so it can't take libFuzzer's flags.
    static int argc = 1;
    static char* argv[] = {programName, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
    // QApplication adopts the environment's locale; the models' strtod wants ".".
    std::setlocale(LC_NUMERIC, "C");
}

// Lets the widgets finish what they put off to the event loop (a table view
// queues column-resize work for a zero timer, for one), as between two user
// actions; without it those queues only grow over a run.
inline void settleEvents() {
    QCoreApplication::processEvents();
}
