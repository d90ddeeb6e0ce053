// SPDX-License-Identifier: MIT
// Saves pictures of the chart window for a person to look at.
// MARVANE_SCREENSHOT_DIR picks the folder (default /tmp). The pictures:
//   deck-4x13-light.png, deck-4x13-dark.png, deck-8x20-light.png,
//   deck-8x20-dark.png              the deck view, Fusion in both palettes
//   across-suits-13.png, across-ranks-5.png
//                                   across decks from 5 x 13, both ways
//   across-ranks-4-dark.png         from 4 x 13, ranks, dark palette
//   across-jokers-4x13.png          4 x 13 with 0 to 4 jokers
//   across-cards-4x13.png, across-cards-4x13x1-dark.png
//                                   4 x 13 at 3 to 8 cards, then with a joker, dark
//   saved-8x20.png, saved-8x20.svg  what "Save Chart As..." writes
//   tooltip-8x20.png                the whole screen with a bar's tooltip
#include <QApplication>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLocale>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QToolTip>
#include <cstdio>

#include "app/app_settings.h"
#include "app/charts/chart_window.h"
#include "app/translators.h"
#include "report/results/count_request.h"
#include "report/results/shown_report.h"
#include "tests/app/dark_palette.h"
#include "tests/app/fake_prompts.h"

using namespace marvane;  // a program of its own, all of it the app's

int main(int argc, char** argv) {
    // The window's remembered geometry goes to a test folder, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    installTranslators(QLocale());  // LANG=de_DE.UTF-8 and so on, as the program does
    AppSettings().clear();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QPalette light = QApplication::style()->standardPalette();
    const QString dir = qEnvironmentVariable("MARVANE_SCREENSHOT_DIR", QStringLiteral("/tmp"));
    bool saved = true;

    ChartWindow window;
    window.show();
    const auto shoot = [&](const QString& name) {
        QTest::qWait(300);
        saved = window.grab().save(dir + '/' + name) && saved;
    };
    const auto deck = [](std::uint32_t suits, std::uint32_t ranks) {
        return answer({.deck = {suits, ranks}});
    };

    for (const auto& [palette, suffix] : {std::pair{light, "light"}, {darkPalette(), "dark"}}) {
        QApplication::setPalette(palette);
        window.setView(ChartWindow::View::Deck);
        window.showReport(deck(4, 13));
        shoot(QStringLiteral("deck-4x13-%1.png").arg(suffix));
        window.showReport(deck(8, 20));
        shoot(QStringLiteral("deck-8x20-%1.png").arg(suffix));
    }

    QApplication::setPalette(light);
    auto prompts = std::make_shared<FakePrompts>();
    window.setPrompts(prompts);
    prompts->savePath = [&](const QString&) { return dir + "/saved-8x20.png"; };
    window.saveChartAs();
    prompts->savePath = [&](const QString&) { return dir + "/saved-8x20.svg"; };
    window.saveChartAs();

    // A bar's tooltip: hover the middle of the fourth bar from the top.
    auto* view = window.findChild<QChartView*>(QStringLiteral("deckView"));
    const QRectF plot = window.deckChart()->plotArea();
    const int bars = 17;
    const QPointF bar(plot.left() + 40, plot.top() + plot.height() * (3.5 / bars));
    QTest::mouseMove(view->viewport(), view->mapFromScene(window.deckChart()->mapToScene(bar)));
    QTest::qWait(500);
    saved =
        QGuiApplication::primaryScreen()->grabWindow(0).save(dir + "/tooltip-8x20.png") && saved;

    window.setView(ChartWindow::View::AcrossDecks);
    window.showReport(deck(5, 13));
    window.setAcrossDimension(marvane::DeckDimension::Suits);
    shoot(QStringLiteral("across-suits-13.png"));
    window.setAcrossDimension(marvane::DeckDimension::Ranks);
    shoot(QStringLiteral("across-ranks-5.png"));
    QApplication::setPalette(darkPalette());
    window.showReport(deck(4, 13));
    shoot(QStringLiteral("across-ranks-4-dark.png"));
    QApplication::setPalette(light);
    window.setAcrossAxis(AcrossAxis::Jokers);
    shoot(QStringLiteral("across-jokers-4x13.png"));
    window.setAcrossAxis(AcrossAxis::Cards);
    shoot(QStringLiteral("across-cards-4x13.png"));
    QApplication::setPalette(darkPalette());
    window.showReport(answer({.deck = {4, 13}, .cards = 4, .jokers = 1}));
    shoot(QStringLiteral("across-cards-4x13x1-dark.png"));
    QApplication::setPalette(light);

    std::printf("%s\n", saved ? "saved" : "some pictures could not be saved");
    return saved ? 0 : 1;
}
