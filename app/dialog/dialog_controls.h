// SPDX-License-Identifier: MIT
#pragma once

class QCheckBox;
class QDialog;
class QLabel;
class QLineEdit;
class QMenuBar;
class QProgressBar;
class QWidget;
class QPushButton;

namespace marvane {

class CSortListCtrl;

class UpDownCtrl;

// The calculator's controls, children of its dialog. Each carries its id
// (control_ids.h), an object name and an accessible name.
struct DialogControls {
    QLineEdit* suitsBox = nullptr;
    UpDownCtrl* suitsSpin = nullptr;
    QLineEdit* ranksBox = nullptr;
    UpDownCtrl* ranksSpin = nullptr;
    QLabel* suitsLabel = nullptr;
    QLabel* ranksLabel = nullptr;
    QLineEdit* cardsBox = nullptr;
    UpDownCtrl* cardsSpin = nullptr;
    QLabel* cardsLabel = nullptr;
    QLineEdit* jokersBox = nullptr;
    UpDownCtrl* jokersSpin = nullptr;
    QLabel* jokersLabel = nullptr;
    QCheckBox* enumerateBox = nullptr;
    QPushButton* computeOdds = nullptr;
    QLabel* possibleHands = nullptr;
    QLabel* possibleHandsLabel = nullptr;
    CSortListCtrl* resultsList = nullptr;
    QPushButton* again = nullptr;
    QPushButton* close = nullptr;
    QPushButton* cancel = nullptr;  // shown only while a long run goes on
    QLabel* floatingPathMark = nullptr;
    QProgressBar* progressBar = nullptr;
    QLabel* elapsedTime = nullptr;
    // Above the template's controls; the dialog adds it (it holds the dialog's actions).
    QMenuBar* menuBar = nullptr;
};

// Creates the controls in the dialog, in the order that the focus chain
// follows, in the start state: the results side disabled.
DialogControls createDialogControls(QDialog* dialog);

// The focus chain through the dialog's tab stops, the suits box first.
void setUpTabOrder(const DialogControls& controls);

// Enable or disable the input side (the boxes, their labels and spins,
// "Enumerate?" and "Compute Odds"), the results side (the possible hands and
// the list) and the end buttons ("Again?" and "Close").
void enableInputControls(const DialogControls& controls, bool enable);
void enableResultControls(const DialogControls& controls, bool enable);
void enableEndButtons(const DialogControls& controls, bool enable);

// The number box of the suits, ranks, cards or jokers: index 0 to 3, the
// order a reading takes them.
QLineEdit* numberBox(const DialogControls& controls, int index);

// The dialog's control with this id, or nullptr.
QWidget* controlWithId(const QWidget& dialog, int id);

}  // namespace marvane
