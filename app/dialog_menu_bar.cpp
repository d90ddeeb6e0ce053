// SPDX-License-Identifier: MIT
#include "app/dialog_menu_bar.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace marvane {

namespace {

struct MenuTexts {
    Q_DECLARE_TR_FUNCTIONS(MenuBar)
};

}  // namespace

QMenuBar* createMenuBar(QWidget* parent, const MenuActions& actions) {
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
    view->addMenu(actions.ranking);

    QMenu* help = bar->addMenu(MenuTexts::tr("&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    help->addAction(actions.help);
    help->addSeparator();
    help->addAction(actions.about);
    return bar;
}

}  // namespace marvane
