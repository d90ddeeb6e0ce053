// SPDX-License-Identifier: MIT
#pragma once

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace marvane {

// The actions the menu bar shows, each the same object as in the context
// menus, so enabling and checking show everywhere at once.
struct MenuActions {
    QAction* saveResults = nullptr;
    QAction* saveChart = nullptr;
    QAction* quit = nullptr;
    QAction* probability = nullptr;
    QAction* odds = nullptr;
    QAction* chart = nullptr;
    QMenu* ranking = nullptr;  // the ranking for hands of more than five cards
    QAction* help = nullptr;
    QAction* about = nullptr;
};

// File, View and Help, with their mnemonics.
QMenuBar* createMenuBar(QWidget* parent, const MenuActions& actions);

}  // namespace marvane
