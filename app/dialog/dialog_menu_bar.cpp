// SPDX-License-Identifier: MIT
#include "app/dialog/dialog_menu_bar.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include "app/app_settings.h"
#include "listctrl/csortheaderctrl.h"
#include "listctrl/csortlistctrl.h"

namespace marvane {

namespace {

struct MenuTexts {
    Q_DECLARE_TR_FUNCTIONS(MenuBar)
};

QAction* makeAction(QObject* owner, const QString& text, const char* objectName,
                    const QKeySequence& shortcut = {}) {
    auto* action = new QAction(text, owner);
    action->setObjectName(QLatin1String(objectName));
    action->setShortcut(shortcut);
    return action;
}

QAction* makeChoice(QObject* owner, const QString& text, const char* objectName, bool checked) {
    QAction* action = makeAction(owner, text, objectName);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

}  // namespace

DialogActions createDialogActions(QObject* owner) {
    const AppSettings settings;
    DialogActions a;
    // Copy takes the selected rows, or all when none is; Copy All always all.
    a.copy = makeAction(owner, MenuTexts::tr("&Copy"), "copyAction", QKeySequence::Copy);
    a.copy->setShortcutContext(Qt::WidgetShortcut);
    a.copyAll = makeAction(owner, MenuTexts::tr("Copy &All"), "copyAllAction");
    a.saveResults = makeAction(owner, MenuTexts::tr("&Save Results As..."), "saveResultsAction",
                               QKeySequence::Save);
    a.saveChart = makeAction(owner, MenuTexts::tr("Save C&hart As..."), "saveChartAction");
    a.saveResults->setEnabled(false);
    a.saveChart->setEnabled(false);
    // Quit ends the program as Escape does, without reading the boxes.
    a.quit =
        makeAction(owner, MenuTexts::tr("&Quit"), "quitAction", QKeySequence(Qt::CTRL | Qt::Key_Q));
    a.probability = makeChoice(owner, MenuTexts::tr("&Probability"), "probabilityAction",
                               settings.probabilityColumn());
    a.odds = makeChoice(owner, MenuTexts::tr("&Odds"), "oddsAction", settings.oddsColumn());
    a.chart = makeAction(owner, MenuTexts::tr("C&hart..."), "chartAction",
                         QKeySequence(Qt::CTRL | Qt::Key_G));
    a.help =
        makeAction(owner, MenuTexts::tr("Marvane &Help"), "helpAction", QKeySequence::HelpContents);
    a.about = makeAction(owner, MenuTexts::tr("&About Marvane..."), "aboutAction");
    return a;
}

QMenuBar* createMenuBar(QWidget* parent, const DialogActions& actions, QMenu* ranking) {
    auto* bar = new QMenuBar(parent);
    bar->setObjectName(QStringLiteral("menuBar"));
    // A menu bar of the dialog's own, also where the desktop has a global one.
    bar->setNativeMenuBar(false);

    QMenu* file = bar->addMenu(MenuTexts::tr("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    file->addActions({actions.saveResults, actions.saveChart});
    file->addSeparator();
    file->addAction(actions.quit);

    QMenu* view = bar->addMenu(MenuTexts::tr("&View"));
    view->setObjectName(QStringLiteral("viewMenu"));
    view->addActions({actions.probability, actions.odds});
    view->addSeparator();
    view->addAction(actions.chart);
    view->addMenu(ranking);

    QMenu* help = bar->addMenu(MenuTexts::tr("&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    help->addAction(actions.help);
    help->addSeparator();
    help->addAction(actions.about);
    return bar;
}

void addContextMenus(QWidget* dialog, CSortListCtrl& list, const DialogActions& actions) {
    const DialogActions& a = actions;
    dialog->addActions({a.about, a.help, a.quit, a.chart, a.saveResults});
    dialog->setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto separator = [dialog] {
        auto* action = new QAction(dialog);
        action->setSeparator(true);
        return action;
    };
    list.addActions({a.copy, a.copyAll, separator(), a.probability, a.odds, separator(), a.chart,
                     a.saveResults});
    list.setContextMenuPolicy(Qt::ActionsContextMenu);
    list.sortHeader()->addActions({a.probability, a.odds});
    list.sortHeader()->setContextMenuPolicy(Qt::ActionsContextMenu);
}

}  // namespace marvane
