// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "app/dialog/dialog_controls.h"
#include "engine/vocabulary/deck.h"

class QAction;

namespace marvane {

// A time span as a person says it: "40 s", "12 min", "2 h 5 min".
QString durationText(double seconds);

// What the dialog shows of an enumeration. A five-card one runs inside the
// "Compute Odds" click: the bar counts its steps and nothing else moves.
// A long one (other hand sizes or jokers, on worker threads) leaves the event loop
// running, so while it goes on the bar shows the time left, Cancel stands in
// place of the elapsed time, and the list and the actions that read the
// results are disabled until it ends.
class LongRunView {
public:
    // The results' actions to disable during a long run.
    LongRunView(const DialogControls& controls, std::vector<QAction*> resultActions);

    // The question before a long run of `hands` hands.
    static QString question(std::uint32_t cards, std::uint32_t jokers, Deck deck,
                            std::uint64_t hands, double seconds);

    // Shows the bar at 0 of `ticks`; a long run also shows Cancel and
    // disables the rest.
    void start(int ticks, bool longRun);
    void showProgress(int ticks);
    // Negative before the run can tell.
    void showTimeLeft(double seconds);
    // Ends a long run's showing: Cancel goes, the elapsed time and the
    // results' controls come back.
    void end();
    // Whether a long run is on show.
    bool shown() const { return shown_; }

private:
    void showRunning(bool running);

    DialogControls ui_;
    std::vector<QAction*> resultActions_;
    bool shown_ = false;
};

}  // namespace marvane
