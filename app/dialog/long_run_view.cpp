// SPDX-License-Identifier: MIT
#include "app/dialog/long_run_view.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <utility>

#include "app/engine_texts.h"
#include "listctrl/csortlistctrl.h"

namespace marvane {

namespace {

struct DurationTexts {
    Q_DECLARE_TR_FUNCTIONS(Durations)
};

}  // namespace

QString durationText(double seconds) {
    const long long whole = std::llround(seconds);
    if (whole < 60) {
        return DurationTexts::tr("%1 s").arg(std::max(1LL, whole));
    }
    const long long minutes = (whole + 30) / 60;
    if (minutes < 60) {
        return DurationTexts::tr("%1 min").arg(minutes);
    }
    return DurationTexts::tr("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

LongRunView::LongRunView(const DialogControls& controls, std::vector<QAction*> resultActions)
    : ui_(controls), resultActions_(std::move(resultActions)) {}

// The texts below were the dialog's own and keep its translation context.

QString LongRunView::question(std::uint32_t cards, std::uint32_t jokers, Deck deck,
                              std::uint64_t hands, double seconds) {
    const QString handsText = QLocale().toString(static_cast<qulonglong>(hands));
    // A deck without jokers keeps its question as it always was.
    if (jokers == 0) {
        return QCoreApplication::translate(
                   "marvane::CHandCalcDialog",
                   "Enumerating every hand of %1 cards of %2 suits x %3 ranks visits %4 hands "
                   "and takes about %5 on this computer. You can cancel it at any time.\n\n"
                   "Start the enumeration?")
            .arg(cards)
            .arg(deck.suits)
            .arg(deck.ranks)
            .arg(handsText, durationText(seconds));
    }
    return QCoreApplication::translate(
               "marvane::CHandCalcDialog",
               "Enumerating every hand of %1 cards of %2 suits x %3 ranks and %4 visits %5 hands "
               "and takes about %6 on this computer. You can cancel it at any time.\n\n"
               "Start the enumeration?")
        .arg(cards)
        .arg(deck.suits)
        .arg(deck.ranks)
        .arg(jokersPhrase(jokers), handsText, durationText(seconds));
}

void LongRunView::start(int ticks, bool longRun) {
    QProgressBar* bar = ui_.progressBar;
    bar->show();
    bar->setRange(0, ticks);
    bar->setValue(0);
    // A long run says how long it has still to go; a five-card one is short.
    bar->setTextVisible(longRun);
    bar->setFormat(QCoreApplication::translate("marvane::CHandCalcDialog", "Starting..."));
    if (longRun) {
        showRunning(true);
    }
}

void LongRunView::showProgress(int ticks) {
    ui_.progressBar->setValue(ticks);
}

void LongRunView::showTimeLeft(double seconds) {
    ui_.progressBar->setFormat(
        seconds < 0 ? QCoreApplication::translate("marvane::CHandCalcDialog", "Starting...")
                    : QCoreApplication::translate("marvane::CHandCalcDialog", "About %1 left")
                          .arg(durationText(seconds)));
}

void LongRunView::end() {
    showRunning(false);
}

void LongRunView::showRunning(bool running) {
    // Only Cancel (and Escape) reach the run; the close box and Quit end it
    // with the program.
    shown_ = running;
    ui_.cancel->setVisible(running);
    ui_.elapsedTime->setHidden(running);
    ui_.resultsList->setEnabled(!running);
    for (QAction* action : resultActions_) {
        action->setEnabled(!running);
    }
    if (running) {
        ui_.cancel->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace marvane
