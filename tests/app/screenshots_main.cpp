// Saves pictures of the dialog in its main states, for a person to look at:
//   MARVANE_SCREENSHOT_DIR=/tmp/shots xvfb-run -a app_screenshots
// input.png (at start), results-4x13-enumerated.png, results-8x20-enumerated.png.
// Prints the elapsed time each run showed.
#include <QDir>
#include <QLabel>
#include <QTest>
#include <cstdio>

#include "chandcalcapp.h"
#include "dialog_fixture.h"

namespace {

bool save(DialogDriver& d, const QDir& dir, const QString& name) {
    QTest::qWait(200);  // let every pending repaint land
    const QString path = dir.filePath(name);
    const bool saved = d.dialog().grab().save(path);
    std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(path));
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    CHandCalcApp app(argc, argv);
    const QDir dir(qEnvironmentVariable("MARVANE_SCREENSHOT_DIR", QStringLiteral("/tmp")));
    if (!dir.exists()) {
        std::fprintf(stderr, "no such folder: %s\n", qPrintable(dir.path()));
        return 1;
    }

    DialogDriver d;
    bool ok = save(d, dir, QStringLiteral("input.png"));
    for (const auto& [suits, ranks] : {std::pair{4, 13}, std::pair{8, 20}}) {
        d.compute(suits, ranks, true);
        std::printf("%dx%d enumerated: %s\n", suits, ranks, qPrintable(d.elapsedTime()->text()));
        std::fflush(stdout);
        ok = save(d, dir, QStringLiteral("results-%1x%2-enumerated.png").arg(suits).arg(ranks)) &&
             ok;
        d.click(IdAgain);
    }
    return ok && d.messages.isEmpty() ? 0 : 1;
}
