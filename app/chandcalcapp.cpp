// SPDX-License-Identifier: MIT
#include "app/chandcalcapp.h"

#include <QLocale>

#include "app/app_icon.h"
#include "app/dialog/chandcalcdialog.h"
#include "app/translators.h"

namespace marvane {

CHandCalcApp::CHandCalcApp(int& argc, char** argv) : QApplication(argc, argv) {
    // The application name stays the executable's name: it is the title of
    // the validation messages.
    setDesktopFileName(QString::fromLatin1(kDesktopFileId));
    setWindowIcon(applicationIcon());
    // QLocale() reads the user's language from the environment without
    // touching the C library's locale, so a locale that was never generated
    // cannot stop the program.
    installTranslators(QLocale());
}

bool CHandCalcApp::InitInstance() {
    CHandCalcDialog dialog;
    dialog.exec();
    return false;
}

}  // namespace marvane
