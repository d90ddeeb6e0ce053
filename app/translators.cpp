// SPDX-License-Identifier: MIT
#include "app/translators.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace marvane {

namespace {

// Our translators are the application's children under this name, so the
// next call finds and replaces them without any state of its own.
const QString kTranslatorName = QStringLiteral("marvaneTranslator");

void removeInstalledTranslators(QCoreApplication& app) {
    const auto installed =
        app.findChildren<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly);
    for (QTranslator* translator : installed) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// Loads "<name>_<language>.qm" from the folder and installs it; a missing
// file is no error: those texts stay English.
void installTranslator(QCoreApplication& app, const QLocale& locale, const QString& name,
                       const QString& folder) {
    auto* translator = new QTranslator(&app);
    translator->setObjectName(kTranslatorName);
    if (translator->load(locale, name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace

void installTranslators(const QLocale& locale) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) {
        return;
    }
    removeInstalledTranslators(*app);
    installTranslator(*app, locale, QStringLiteral("qtbase"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Installed last, so it is asked first.
    installTranslator(*app, locale, QStringLiteral("marvane"), QStringLiteral(":/i18n"));
}

}  // namespace marvane
