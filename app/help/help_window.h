// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace marvane {

// The help window: what the results say. Every category with its definition,
// the suit patterns, the Total column, the "*" mark, how example hands are
// written, how hands of three to eight cards are counted and ranked (with
// the definitions as hands of three or four cards make them), and what a
// joker is, with the definitions it changes. The definitions and the card
// notation are the sentences marvane-count --explain prints, in the user's
// language.
//
// A top-level window, not modal, resizable. Closing it (Close, Escape or the
// title bar) only hides it; it remembers nothing between runs. Either let
// showHelp() own it, or construct one and show it yourself.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the help window of `from`'s top-level window and brings it to the
    // front. The first call creates it as that window's child, so it goes
    // with it and stays usable while that window runs modal (the calculator
    // dialog's exec()); later calls show the same one again. With no `from`,
    // a new window that deletes itself when closed. Returns the window shown.
    static HelpWindow* showHelp(QWidget* from);
    // F1 in this window (a dialog of its own, say) opens the help: showHelp(window).
    static void addHelpKey(QWidget* window);

    // The page, as the user reads it.
    QTextBrowser* browser() const { return browser_; }
    QPushButton* closeButton() const { return close_; }

private:
    QWidget* createButtons();

    QTextBrowser* browser_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace marvane
