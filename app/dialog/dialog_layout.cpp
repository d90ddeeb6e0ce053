// SPDX-License-Identifier: MIT
#include "app/dialog/dialog_layout.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <initializer_list>

#include "app/dialog/control_ids.h"
#include "app/dialog/dialog_units.h"
#include "app/dialog/up_down_ctrl.h"
#include "listctrl/csortlistctrl.h"

namespace marvane {

namespace {

// Where every control sits, in dialog units (x, y, width, height).
struct ControlPlace {
    int id = 0;
    QRect dialogUnits;
};

constexpr QSize kDialogSize(277, 277);
constexpr std::array<ControlPlace, 22> kControlPlaces = {{
    {IdSuitsBox, {70, 12, 26, 12}},
    {IdSuitsSpin, {113, 12, 10, 11}},
    {IdRanksBox, {70, 29, 26, 12}},
    {IdRanksSpin, {113, 29, 10, 11}},
    {IdSuitsLabel, {7, 12, 63, 11}},
    {IdRanksLabel, {7, 29, 63, 11}},
    {IdEnumerate, {159, 21, 59, 10}},
    {IdComputeOdds, {15, 49, 76, 21}},
    {IdPossibleHands, {145, 66, 49, 11}},
    {IdPossibleHandsLabel, {197, 66, 66, 9}},
    {IdResultsList, {7, 98, 263, 151}},
    {IdAgain, {17, 256, 50, 14}},
    {IdClose, {220, 256, 50, 14}},
    {IdFloatingPathMark, {134, 67, 8, 8}},
    {IdProgressBar, {7, 80, 263, 16}},
    // Beyond the template: the cards per hand and the jokers in the free room
    // right of the number boxes (the possible hands and the progress bar a
    // row lower for them), and a long run's Cancel where the run time shows
    // after it.
    {IdCardsLabel, {100, 37, 105, 11}},
    {IdCardsBox, {208, 37, 26, 12}},
    {IdCardsSpin, {234, 37, 10, 11}},
    {IdJokersLabel, {100, 52, 105, 11}},
    {IdJokersBox, {208, 52, 26, 12}},
    {IdJokersSpin, {234, 52, 10, 11}},
    {IdCancel, {118, 256, 50, 14}},
}};
// The run time, between "Again?" and "Close".
constexpr QRect kElapsedTimePlace(70, 256, 147, 14);

}  // namespace

QSize DialogLayout::layOut(QWidget& dialog, const DialogControls& controls) {
    controls_ = controls;
    const DialogBaseUnits base = dialogBaseUnits(dialog.font());
    // The template's controls sit below the menu bar, which spans the top.
    const int top = controls_.menuBar ? controls_.menuBar->sizeHint().height() : 0;
    templateSize_ = mapDialogRect(QRect(QPoint(0, 0), kDialogSize), base).size() + QSize(0, top);
    if (controls_.menuBar) {
        controls_.menuBar->setGeometry(0, 0, templateSize_.width(), top);
    }
    for (const ControlPlace& place : kControlPlaces) {
        controlWithId(dialog, place.id)
            ->setGeometry(mapDialogRect(place.dialogUnits, base).translated(0, top));
    }
    controls_.elapsedTime->setGeometry(mapDialogRect(kElapsedTimePlace, base).translated(0, top));

    // Each spin attaches itself to the left edge of its box, which gives up
    // that much room.
    for (UpDownCtrl* spin :
         {controls_.suitsSpin, controls_.ranksSpin, controls_.cardsSpin, controls_.jokersSpin}) {
        QLineEdit* box = spin->buddy();
        const QRect boxPlace = box->geometry();
        const int spinWidth = spin->width();
        spin->setGeometry(boxPlace.x(), boxPlace.y(), spinWidth, boxPlace.height());
        box->setGeometry(boxPlace.adjusted(spinWidth, 0, 0, 0));
    }
    makeRoomForNumberCaptions();
    templatePlaces_.clear();
    possibleHandsPlace_ = controls_.possibleHands->geometry();
    for (QWidget* child : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        // Windows of their own (the chart window) keep their own places.
        if (!child->isWindow()) {
            templatePlaces_.emplace_back(child, child->geometry());
        }
    }
    return templateSize_;
}

void DialogLayout::makeRoomForNumberCaptions() const {
    // Some languages need more room than the captions have beside the
    // number boxes. Then the captions widen and both boxes, with their
    // spins, move right by the same amount, so they stay one above the
    // other; never so far that they reach the "Enumerate?" box.
    const DialogControls& c = controls_;
    int wanted = 0;
    for (const QLabel* label : {c.suitsLabel, c.ranksLabel}) {
        // A blank's width keeps a moved caption off its spin.
        const int needed =
            label->sizeHint().width() + label->fontMetrics().horizontalAdvance(QLatin1Char(' '));
        wanted = std::max(wanted, needed - label->width());
    }
    const int gap = c.enumerateBox->x() - (c.suitsBox->geometry().right() + 1);
    const int shift = std::min(wanted, gap - c.suitsSpin->width());
    if (shift <= 0) {
        return;
    }
    for (QLabel* label : {c.suitsLabel, c.ranksLabel}) {
        label->resize(label->width() + shift, label->height());
    }
    for (QWidget* moved :
         std::initializer_list<QWidget*>{c.suitsSpin, c.suitsBox, c.ranksSpin, c.ranksBox}) {
        moved->move(moved->x() + shift, moved->y());
    }
}

void DialogLayout::fitPossibleHands(const QSize& size) {
    QLabel* box = controls_.possibleHands;
    const int needed = box->sizeHint().width();
    QRect place = possibleHandsPlace_;
    if (needed > place.width()) {
        // Never past Compute Odds, with a gap of one character.
        const int leftmost =
            controls_.computeOdds->geometry().right() + box->fontMetrics().averageCharWidth() * 2;
        place.setLeft(std::max(leftmost, place.right() + 1 - needed));
    }
    for (auto& [child, templatePlace] : templatePlaces_) {
        if (child == box) {
            templatePlace = place;
        }
    }
    stretch(size);
}

void DialogLayout::stretch(const QSize& size) const {
    // The list takes all the extra room; the menu bar, the progress bar and
    // the time stretch with it, and the buttons and the time stay on the bottom edge, "Close" in
    // its corner. Everything else keeps its place from the top left.
    const int dx = std::max(0, size.width() - templateSize_.width());
    const int dy = std::max(0, size.height() - templateSize_.height());
    for (const auto& [child, place] : templatePlaces_) {
        QRect moved = place;
        if (child == controls_.resultsList) {
            moved.adjust(0, 0, dx, dy);
        } else if (child == controls_.progressBar || child == controls_.menuBar) {
            moved.adjust(0, 0, dx, 0);
        } else if (child == controls_.elapsedTime) {
            moved.adjust(0, dy, dx, dy);
        } else if (child == controls_.again) {
            moved.translate(0, dy);
        } else if (child == controls_.close) {
            moved.translate(dx, dy);
        }
        child->setGeometry(moved);
    }
}

}  // namespace marvane
