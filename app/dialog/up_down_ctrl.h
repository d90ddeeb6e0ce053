// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace marvane {

// A spin button pair attached to a number box (its buddy). A click on an
// arrow, or the Up or Down key in the box, first takes the position from the
// box's text when that is a number within range, then announces the step with
// deltaPos(position, delta) so the owner can react before anything moves, and
// only then moves the position, clamped to the range, writing it into the box
// when it changed.
class UpDownCtrl : public QWidget {
    Q_OBJECT

public:
    explicit UpDownCtrl(QWidget* parent = nullptr);

    void setBuddy(QLineEdit* buddy);
    QLineEdit* buddy() const { return buddy_; }

    // The up arrow moves towards maximum.
    void setRange(int minimum, int maximum);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

    // Clamps to the range and writes the position into the buddy.
    void setPosition(int position);
    int position() const { return position_; }

    // What one arrow click or arrow key does: +1 up, -1 down.
    void step(int delta);

    // Lets go of an arrow held down, so its auto-repeat stops; called before
    // anything modal opens in the middle of a step.
    void releaseButtons();

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void deltaPos(int position, int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void takePositionFromBuddy();
    void writePositionToBuddy();
    bool inRange(long long value) const { return value >= minimum_ && value <= maximum_; }

    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
    QLineEdit* buddy_ = nullptr;
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
};

}  // namespace marvane
