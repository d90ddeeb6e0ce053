// SPDX-License-Identifier: MIT
// Saves pictures of the dialog for a person to look at, printing each
// enumeration's elapsed time. MARVANE_SCREENSHOT_DIR picks the folder
// (default /tmp). The pictures:
//   input.png, results-4x13.png    the two states, 4 x 13 enumerated
//   message.png                    a validation message (the whole screen)
//   results-8x20.png               8 x 20 enumerated, scrolled to the last row
//   sorted-8x20.png                the same, sorted by Enumerated
//   dark-8x20.png                  Fusion in a dark palette
//   large-8x20.png                 at one and a half times the font size
//   odds-8x20.png                  8 x 20 with probability and odds, enlarged
//   header-menu.png                the headings' menu open (the whole screen)
//   cards-4x13x7.png               4 x 13 at seven cards
//   tooltip-cards-7.png            there, a marked row's tooltip (the whole screen)
//   ranking-menu.png               its ranking menu open (the whole screen)
//   cards-running-8x20x7.png       8 x 20 at seven cards, enumerating
//   jokers-4x13x5x1.png            4 x 13 with one joker, tooltip-joker.png its Five of a Kind
//   menu-1x.png, help-1x.png       the View menu open (the whole screen), the help window
//   menu-large-dark.png, help-large-dark.png
//                                  the same at one and a half times the font, dark
//   cards-4x13x3x0-1x.png and the like, tooltip-cards-...
//                                  hands of 3, 4 (with and without a joker)
//                                  and 8 cards (8 x 20 with four jokers: a
//                                  fourteen-digit count), each with a
//                                  category's tooltip
//   help-cards-1x.png, question-8x20x8-1x.png
//                                  the help's hand-size section, and the
//                                  question before 8 x 20 at eight cards;
//                                  all of these large and dark too
//   tooltip-example.png, tooltip-impossible.png, tooltip-total.png
//                                  4 x 13 with a category's or the Total
//                                  heading's tooltip open (the whole screen)
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStyleFactory>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>
#include <cstdio>

#include "app/chandcalcapp.h"
#include "app/engine_texts.h"
#include "app/help/help_window.h"
#include "listctrl/csortheaderctrl.h"
#include "tests/app/dark_palette.h"
#include "tests/app/dialog_fixture.h"

using namespace marvane;  // a program of its own, all of it the app's

namespace {

void clickHeader(CSortListCtrl* list, int column) {
    CSortHeaderCtrl* header = list->sortHeader();
    const QPoint at(header->sectionViewportPosition(column) + 10, header->height() / 2);
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

int main(int argc, char** argv) {
    CHandCalcApp app(argc, argv);
    const QString dir = qEnvironmentVariable("MARVANE_SCREENSHOT_DIR", QStringLiteral("/tmp"));
    bool saved = true;
    int messages = 0;
    const auto save = [&](DialogDriver& d, const QString& name) {
        QTest::qWait(200);  // let pending repaints land
        saved = d.dialog.grab().save(dir + '/' + name) && saved;
    };
    // A tooltip is a window of its own: grab the whole screen while it shows.
    const auto showTipAndGrab = [&](QWidget* widget, QRect rect, const QString& text,
                                    const QString& file) {
        // A tip whose rect does not hold the pointer closes at the next move.
        QTest::mouseMove(widget, rect.center());
        QToolTip::showText(widget->mapToGlobal(rect.center()), text, widget, rect);
        QTest::qWait(300);
        saved = QGuiApplication::primaryScreen()->grabWindow(0).save(dir + '/' + file) && saved;
        QToolTip::hideText();
        QTest::qWait(500);  // gone, so the next one is a fresh tip
    };
    // The View menu open (the whole screen), then the help window from F1.
    const auto showMenuAndHelp = [&](const QString& suffix) {
        DialogDriver d;
        auto* bar = d.dialog.findChild<QMenuBar*>(QStringLiteral("menuBar"));
        bar->setActiveAction(bar->actions().value(1));
        QTest::qWait(300);
        saved =
            QGuiApplication::primaryScreen()->grabWindow(0).save(dir + "/menu-" + suffix) && saved;
        if (QMenu* open = bar->findChild<QMenu*>(QStringLiteral("viewMenu"))) {
            open->close();
        }
        QTest::qWait(100);
        d.dialog.findChild<QAction*>(QStringLiteral("helpAction"))->trigger();
        auto* help = d.dialog.findChild<HelpWindow*>();
        saved = help != nullptr && QTest::qWaitForWindowExposed(help) && saved;
        QTest::qWait(200);
        saved = help != nullptr && help->grab().save(dir + "/help-" + suffix) && saved;
        messages += d.messages.size();
    };
    const auto showTips = [&](DialogDriver& d) {
        // One category this deck has, one it cannot have, and a heading.
        CSortListCtrl* list = d.list();
        for (const auto& [category, file] :
             {std::pair{marvane::HandCategory::Hypochromatic2Pair, "tooltip-example.png"},
              std::pair{marvane::HandCategory::Rainbow2Pair, "tooltip-impossible.png"}}) {
            const int row = static_cast<int>(d.column(0).indexOf(categoryName(category)));
            list->scrollToItem(list->item(row, 0));
            showTipAndGrab(list->viewport(), list->visualRect(list->model()->index(row, 0)),
                           list->item(row, 0)->toolTip(), file);
        }
        QHeaderView* header = list->horizontalHeader();
        const int total = list->columnCount() - 1;
        showTipAndGrab(header,
                       QRect(header->sectionViewportPosition(total), 0, header->sectionSize(total),
                             header->height()),
                       list->horizontalHeaderItem(total)->toolTip(), "tooltip-total.png");
    };
    // Hands of three, four and eight cards, each with a category's tooltip
    // (the whole screen), the help at its hand-size section, and the
    // question before eight cards of the largest deck.
    const auto showHandSizes = [&](const QString& suffix) {
        struct Shot {
            int suits, ranks, cards, jokers;
            marvane::HandCategory tip;
        };
        using enum marvane::HandCategory;
        for (const Shot& shot :
             {Shot{4, 13, 3, 0, Rainbow2Pair}, Shot{4, 13, 4, 0, Rainbow},
              Shot{4, 13, 4, 1, Hypochromatic4OfAKind}, Shot{5, 13, 8, 0, Hypochromatic1Pair},
              Shot{8, 20, 8, 4, FiveOfAKind}}) {
            DialogDriver d;
            d.type(IdCardsBox, QString::number(shot.cards));
            d.type(IdJokersBox, QString::number(shot.jokers));
            d.compute(shot.suits, shot.ranks, false);
            const QString name = QStringLiteral("cards-%1x%2x%3x%4-%5")
                                     .arg(shot.suits)
                                     .arg(shot.ranks)
                                     .arg(shot.cards)
                                     .arg(shot.jokers)
                                     .arg(suffix);
            save(d, name);
            CSortListCtrl* list = d.list();
            const int row = static_cast<int>(d.column(0).indexOf(categoryName(shot.tip)));
            list->scrollToItem(list->item(row, 0));
            showTipAndGrab(list->viewport(), list->visualRect(list->model()->index(row, 0)),
                           list->item(row, 0)->toolTip(), QStringLiteral("tooltip-") + name);
            messages += d.messages.size();
        }
        {
            DialogDriver d;
            d.dialog.findChild<QAction*>(QStringLiteral("helpAction"))->trigger();
            auto* help = d.dialog.findChild<HelpWindow*>();
            saved = help != nullptr && QTest::qWaitForWindowExposed(help) && saved;
            if (help != nullptr) {
                help->browser()->moveCursor(QTextCursor::End);
                help->browser()->find(QStringLiteral("Hands of three to eight cards"),
                                      QTextDocument::FindBackward);
                QTest::qWait(200);
                saved = help->grab().save(dir + "/help-cards-" + suffix) && saved;
            }
        }
        {
            DialogDriver d;
            d.dialog.setPrompts(nullptr);
            d.type(IdCardsBox, QStringLiteral("8"));
            QTimer::singleShot(500, [&] {
                saved = QGuiApplication::primaryScreen()->grabWindow(0).save(
                            dir + "/question-8x20x8-" + suffix) &&
                        saved;
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    box->button(QMessageBox::No)->click();
                }
            });
            d.compute(8, 20, true);
            saved = !d.dialog.session().running() && saved;
        }
    };
    const auto computeBig = [&](DialogDriver& d) {
        d.compute(8, 20, true);
        std::printf("8x20: %s\n", qPrintable(d.dialog.findChild<QLabel*>("elapsedTime")->text()));
        d.list()->scrollToBottom();  // the Garbage row: the number of hands
    };
    {
        // The real message box, grabbed while it shows and then closed.
        DialogDriver d;
        d.dialog.setPrompts(nullptr);
        d.type(IdSuitsBox, QStringLiteral("9"));
        QTimer::singleShot(500, [&] {
            saved =
                QGuiApplication::primaryScreen()->grabWindow(0).save(dir + "/message.png") && saved;
            if (QWidget* box = QApplication::activeModalWidget()) {
                box->close();
            }
        });
        d.click(IdComputeOdds);
    }
    {
        DialogDriver d;
        save(d, QStringLiteral("input.png"));
        d.compute(4, 13, true);
        save(d, QStringLiteral("results-4x13.png"));
        showTips(d);
        d.click(IdAgain);
        computeBig(d);
        save(d, QStringLiteral("results-8x20.png"));
        clickHeader(d.list(), 1);
        save(d, QStringLiteral("sorted-8x20.png"));
        messages += d.messages.size();
    }
    showMenuAndHelp(QStringLiteral("1x.png"));
    showHandSizes(QStringLiteral("1x.png"));
    {
        // Seven cards: the counts, then a long run under way.
        DialogDriver d;
        d.type(IdCardsBox, QStringLiteral("7"));
        d.compute(4, 13, false);
        d.list()->scrollToBottom();  // the marked rows
        save(d, QStringLiteral("cards-4x13x7.png"));
        {
            CSortListCtrl* list = d.list();
            const int row = static_cast<int>(
                d.column(0).indexOf(categoryName(marvane::HandCategory::Hypochromatic1Pair)));
            showTipAndGrab(list->viewport(), list->visualRect(list->model()->index(row, 0)),
                           list->item(row, 0)->toolTip(), QStringLiteral("tooltip-cards-7.png"));
        }
        // The ranking menu open over the marked rows (the whole screen).
        auto* bar = d.dialog.findChild<QMenuBar*>(QStringLiteral("menuBar"));
        bar->setActiveAction(bar->actions().value(1));
        QTest::qWait(200);
        auto* ranking = d.dialog.findChild<QMenu*>(QStringLiteral("rankingMenu"));
        ranking->popup(d.dialog.mapToGlobal(QPoint(d.dialog.width() / 3, 60)));
        QTest::qWait(300);
        saved = QGuiApplication::primaryScreen()->grabWindow(0).save(dir + "/ranking-menu.png") &&
                saved;
        ranking->close();
        if (QMenu* view = bar->findChild<QMenu*>(QStringLiteral("viewMenu"))) {
            view->close();
        }
        d.click(IdAgain);
        d.compute(8, 20, true);
        QTest::qWait(1500);
        save(d, QStringLiteral("cards-running-8x20x7.png"));
        d.click(IdCancel);
        saved = QTest::qWaitFor([&] { return !d.dialog.session().running(); }, 20000) && saved;
        messages += d.messages.size();
    }
    {
        // One joker: the published table, and Five of a Kind's example with its joker.
        DialogDriver d;
        d.type(IdJokersBox, QStringLiteral("1"));
        d.compute(4, 13, false);
        save(d, QStringLiteral("jokers-4x13x5x1.png"));
        CSortListCtrl* list = d.list();
        const int row =
            static_cast<int>(d.column(0).indexOf(categoryName(marvane::HandCategory::FiveOfAKind)));
        showTipAndGrab(list->viewport(), list->visualRect(list->model()->index(row, 0)),
                       list->item(row, 0)->toolTip(), QStringLiteral("tooltip-joker.png"));
        messages += d.messages.size();
    }
    const QFont font = QApplication::font();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(darkPalette());
    {
        DialogDriver d;
        computeBig(d);
        clickHeader(d.list(), 2);
        save(d, QStringLiteral("dark-8x20.png"));
        messages += d.messages.size();
    }
    QFont large = font;
    large.setPointSizeF(font.pointSizeF() * 1.5);
    QApplication::setFont(large);
    {
        DialogDriver d;
        computeBig(d);
        save(d, QStringLiteral("large-8x20.png"));
        messages += d.messages.size();
    }
    showMenuAndHelp(QStringLiteral("large-dark.png"));
    showHandSizes(QStringLiteral("large-dark.png"));
    QApplication::setFont(font);
    {
        DialogDriver d;
        d.dialog.findChild<QAction*>(QStringLiteral("probabilityAction"))->setChecked(true);
        d.dialog.findChild<QAction*>(QStringLiteral("oddsAction"))->setChecked(true);
        d.dialog.resize(d.dialog.size() + QSize(160, 120));
        computeBig(d);
        save(d, QStringLiteral("odds-8x20.png"));
        // The menu a right-click on the headings opens.
        QMenu menu;
        menu.addActions(d.list()->sortHeader()->actions());
        menu.popup(d.list()->sortHeader()->mapToGlobal(QPoint(60, 10)));
        QTest::qWait(300);
        saved =
            QGuiApplication::primaryScreen()->grabWindow(0).save(dir + "/header-menu.png") && saved;
        menu.close();
        messages += d.messages.size();
        d.dialog.findChild<QAction*>(QStringLiteral("probabilityAction"))->setChecked(false);
        d.dialog.findChild<QAction*>(QStringLiteral("oddsAction"))->setChecked(false);
    }
    std::printf("%s\n", saved ? "saved" : "could not save every picture");
    return saved && messages == 0 ? 0 : 1;
}
