// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QSize>
#include <utility>
#include <vector>

#include "app/dialog/dialog_controls.h"

class QWidget;

namespace marvane {

// The calculator's arrangement: every control at its template place in
// dialog units of the dialog's font; the template's size is the smallest.
// A larger window gives its extra room to the list.
class DialogLayout {
public:
    // Places the controls and returns the template's size in pixels.
    QSize layOut(QWidget& dialog, const DialogControls& controls);
    // Moves and stretches the controls for the dialog's new size.
    void stretch(const QSize& size) const;
    // Widens the possible-hands box to the left when its number needs the
    // room (seven-card hands have twelve digits), over the "*" that such
    // numbers never show, and back to its own width when it does not.
    void fitPossibleHands(const QSize& size);

private:
    void makeRoomForNumberCaptions() const;

    DialogControls controls_;
    QSize templateSize_;
    // Where everything sits at the template's size.
    std::vector<std::pair<QWidget*, QRect>> templatePlaces_;
    QRect possibleHandsPlace_;  // its own place at the template's size
};

}  // namespace marvane
