// SPDX-License-Identifier: MIT
#include "app/dialog/up_down_ctrl.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

namespace marvane {

namespace {

QToolButton* makeArrowButton(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    // Focus stays in the number box, as with a native spin control.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

UpDownCtrl::UpDownCtrl(QWidget* parent)
    : QWidget(parent),
      up_(makeArrowButton(Qt::UpArrow, this)),
      down_(makeArrowButton(Qt::DownArrow, this)) {
    setFocusPolicy(Qt::NoFocus);
    up_->setAccessibleName(tr("Up"));
    down_->setAccessibleName(tr("Down"));
    // pressed() fires on the press and again on every auto-repeat, which is
    // when a spin control steps; clicked() would only step on release.
    connect(up_, &QToolButton::pressed, this, [this] { step(+1); });
    connect(down_, &QToolButton::pressed, this, [this] { step(-1); });
}

void UpDownCtrl::setBuddy(QLineEdit* buddy) {
    if (buddy_ != nullptr) {
        buddy_->removeEventFilter(this);
    }
    buddy_ = buddy;
    if (buddy_ != nullptr) {
        buddy_->installEventFilter(this);
    }
}

void UpDownCtrl::setRange(int minimum, int maximum) {
    minimum_ = std::min(minimum, maximum);
    maximum_ = std::max(minimum, maximum);
    position_ = std::clamp(position_, minimum_, maximum_);
}

void UpDownCtrl::setPosition(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
    writePositionToBuddy();
}

void UpDownCtrl::step(int delta) {
    if (buddy_ != nullptr && buddy_->isEnabled()) {
        buddy_->setFocus(Qt::OtherFocusReason);
    }
    takePositionFromBuddy();
    emit deltaPos(position_, delta);

    const long long target = static_cast<long long>(position_) + delta;
    if (!inRange(target)) {
        // At an end the position stays there and the box is left as it is.
        position_ = delta > 0 ? maximum_ : minimum_;
        return;
    }
    position_ = static_cast<int>(target);
    if (delta != 0) {
        writePositionToBuddy();
    }
}

void UpDownCtrl::releaseButtons() {
    up_->setDown(false);
    down_->setDown(false);
}

bool UpDownCtrl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buddy_ && event->type() == QEvent::KeyPress && isEnabled()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            step(key->key() == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDownCtrl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int upperHalf = height() / 2;
    up_->setGeometry(0, 0, width(), upperHalf);
    down_->setGeometry(0, upperHalf, width(), height() - upperHalf);
}

void UpDownCtrl::takePositionFromBuddy() {
    if (buddy_ == nullptr) {
        return;
    }
    bool isNumber = false;
    const int fromText = buddy_->text().toInt(&isNumber, 10);
    if (isNumber && inRange(fromText)) {
        position_ = fromText;
    }
}

void UpDownCtrl::writePositionToBuddy() {
    if (buddy_ != nullptr) {
        buddy_->setText(QString::number(position_));
    }
}

}  // namespace marvane
