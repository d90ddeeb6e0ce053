// SPDX-License-Identifier: MIT
#include "app/command_line.h"

#include <QCommandLineParser>

#include "marvane_version.h"

namespace marvane {

namespace {

constexpr int kExitUsage = 2;
constexpr char kProgramName[] = "marvane";

// The options QGuiApplication and QApplication take out of argv themselves.
// The parser must know them, or it would call them unknown; the help names
// them in one sentence rather than one line each.
void addQtOptions(QCommandLineParser& parser) {
    const char* const withValue[] = {
        "style",   "stylesheet",      "platform",      "platformpluginpath", "platformtheme",
        "plugin",  "qwindowgeometry", "qwindowicon",   "qwindowtitle",       "session",
        "display", "geometry",        "qmljsdebugger",
    };
    const char* const flags[] = {"reverse", "widgetcount"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QString usageError(const QString& message) {
    return QStringLiteral("%1: %2\n").arg(QLatin1String(kProgramName), message.simplified());
}

}  // namespace

CommandLineRequest readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's options are single-dash words (-style, -platform).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Counts poker hands of three to eight cards, category by category, in a deck of 4 "
        "to 8 suits and 7 to 20 ranks with up to four jokers, in a dialog. The standard Qt "
        "options, such as -style and -platform, are accepted too."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Print this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Print the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    addQtOptions(parser);

    if (!parser.parse(arguments)) {
        return {false, kExitUsage, {}, usageError(parser.errorText())};
    }
    if (parser.isSet(help)) {
        // The parser names the program only when a QCoreApplication exists,
        // which it must not yet, so the usage line is our own.
        QString text = parser.helpText();
        text.remove(0, text.indexOf(QLatin1Char('\n')) + 1);
        text.prepend(QStringLiteral("Usage: %1 [options]\n").arg(QLatin1String(kProgramName)));
        return {false, 0, text, {}};
    }
    if (parser.isSet(version)) {
        return {false,
                0,
                QStringLiteral("%1 %2\n").arg(QLatin1String(kProgramName),
                                              QLatin1String(marvane::kVersion)),
                {}};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return {false,
                kExitUsage,
                {},
                usageError(QStringLiteral("unexpected argument '%1'.")
                               .arg(parser.positionalArguments().constFirst()))};
    }
    return {};
}

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

}  // namespace marvane
