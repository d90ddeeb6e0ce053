// SPDX-License-Identifier: MIT
#pragma once

class QAction;
class QMenu;
class QMenuBar;
class QObject;
class QWidget;

namespace marvane {

class CSortListCtrl;

// The calculator's actions, each one object wherever it shows (menu bar,
// context menus, shortcuts), so enabling and checking show everywhere at once.
struct DialogActions {
    QAction* copy = nullptr;
    QAction* copyAll = nullptr;
    QAction* saveResults = nullptr;
    QAction* saveChart = nullptr;
    QAction* quit = nullptr;
    QAction* probability = nullptr;
    QAction* odds = nullptr;
    QAction* chart = nullptr;
    QAction* help = nullptr;
    QAction* about = nullptr;
};

// The actions with their texts, shortcuts and object names: the saves off
// until there are results, the column choices checked as they were last
// time. The owner connects them.
DialogActions createDialogActions(QObject* owner);

// File, View (with the ranking menu) and Help, with their mnemonics.
QMenuBar* createMenuBar(QWidget* parent, const DialogActions& actions, QMenu* ranking);

// The context menus: the dialog's (About, Help, Quit, the chart, the save),
// the results list's (copy, the columns, the chart, the save) and its
// headings' (which columns to show).
void addContextMenus(QWidget* dialog, CSortListCtrl& list, const DialogActions& actions);

}  // namespace marvane
