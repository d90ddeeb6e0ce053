// Saves pictures of the dialog for a person to look at: input.png, then
// results-4x13.png and results-8x20.png (both enumerated), printing each
// run's elapsed time, and the 4 x 13 results with a category's tooltip open
// and of the Total heading (tooltip-example.png, tooltip-impossible.png,
// tooltip-total.png: the whole screen). MARVANE_SCREENSHOT_DIR picks the
// folder (default /tmp).
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QToolTip>
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
    // A tooltip is a window of its own: grab the whole screen while it shows.
    const auto showTipAndGrab = [&](QWidget* widget, QRect rect, const QString& text,
                                    const QString& file) {
        // A tip whose rect does not hold the pointer closes at the next move.
        QTest::mouseMove(widget, rect.center());
        QToolTip::showText(widget->mapToGlobal(rect.center()), text, widget, rect);
        QTest::qWait(300);
        saved = QGuiApplication::primaryScreen()->grabWindow(0).save(dir + '/' + file) && saved;
        QToolTip::hideText();
        QTest::qWait(500);  // gone, so the next one is a fresh tip
    };
    save(QStringLiteral("input.png"));
    for (const auto& [suits, ranks] : {std::pair{4, 13}, std::pair{8, 20}}) {
        d.compute(suits, ranks, true);
        std::printf("%dx%d: %s\n", suits, ranks,
                    qPrintable(d.dialog.findChild<QLabel*>("elapsedTime")->text()));
        save(QStringLiteral("results-%1x%2.png").arg(suits).arg(ranks));
        if (suits == 4) {
            // One category this deck has, one it cannot have, and a heading.
            CSortListCtrl* list = d.list();
            for (const auto& [category, file] :
                 {std::pair{"Hypochromatic 2 Pair", "tooltip-example.png"},
                  std::pair{"Rainbow 2 Pair", "tooltip-impossible.png"}}) {
                const int row = static_cast<int>(d.column(0).indexOf(category));
                list->scrollToItem(list->item(row, 0));
                showTipAndGrab(list->viewport(), list->visualRect(list->model()->index(row, 0)),
                               list->item(row, 0)->toolTip(), file);
            }
            QHeaderView* header = list->horizontalHeader();
            const int total = list->columnCount() - 1;
            showTipAndGrab(header,
                           QRect(header->sectionViewportPosition(total), 0,
                                 header->sectionSize(total), header->height()),
                           list->horizontalHeaderItem(total)->toolTip(), "tooltip-total.png");
        }
        d.click(IdAgain);
    }
    std::printf("%s\n", saved ? "saved" : "could not save every picture");
    return saved && d.messages.isEmpty() ? 0 : 1;
}
