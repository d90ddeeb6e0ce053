// SPDX-License-Identifier: MIT
#pragma once

class QAction;
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
    QAction* help = nullptr;
    QAction* about = nullptr;
};

// File, View and Help, with their mnemonics.
QMenuBar* createMenuBar(QWidget* parent, const MenuActions& actions);

}  // namespace marvane
