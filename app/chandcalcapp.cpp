// SPDX-License-Identifier: MIT
#include "chandcalcapp.h"

#include "app_icon.h"
#include "chandcalcdialog.h"

CHandCalcApp::CHandCalcApp(int& argc, char** argv) : QApplication(argc, argv) {
    // The application name stays the executable's name: it is the title of
    // the validation messages.
    setDesktopFileName(QString::fromLatin1(kDesktopFileId));
    setWindowIcon(applicationIcon());
}

bool CHandCalcApp::InitInstance() {
    CHandCalcDialog dialog;
    dialog.exec();
    return false;
}
