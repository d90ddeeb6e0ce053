// Saves pictures of the dialog for a person to look at: input.png, then
// results-4x13.png and results-8x20.png (both enumerated), printing each
// run's elapsed time. MARVANE_SCREENSHOT_DIR picks the folder (default /tmp).
#include <QLabel>
#include <cstdio>

#include "chandcalcapp.h"
#include "dialog_fixture.h"

int main(int argc, char** argv) {
    CHandCalcApp app(argc, argv);
    const QString dir = qEnvironmentVariable("MARVANE_SCREENSHOT_DIR", QStringLiteral("/tmp"));
    DialogDriver d;
    bool saved = true;
    const auto save = [&](const QString& name) {
        QTest::qWait(200);  // let pending repaints land
        saved = d.dialog.grab().save(dir + '/' + name) && saved;
    };
    save(QStringLiteral("input.png"));
    for (const auto& [suits, ranks] : {std::pair{4, 13}, std::pair{8, 20}}) {
        d.compute(suits, ranks, true);
        std::printf("%dx%d: %s\n", suits, ranks,
                    qPrintable(d.dialog.findChild<QLabel*>("elapsedTime")->text()));
        save(QStringLiteral("results-%1x%2.png").arg(suits).arg(ranks));
        d.click(IdAgain);
    }
    std::printf("%s\n", saved ? "saved" : "could not save every picture");
    return saved && d.messages.isEmpty() ? 0 : 1;
}
