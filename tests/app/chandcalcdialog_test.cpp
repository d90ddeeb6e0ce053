#include "chandcalcdialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "aboutdialog.h"
#include "csortlistctrl.h"
#include "dialog_fixture.h"
#include "updownctrl.h"

namespace {

TEST(HandCalcDialog, StartsInTheInputState) {
    DialogDriver d;
    EXPECT_EQ(d.suitsBox()->text(), "4");
    EXPECT_EQ(d.ranksBox()->text(), "13");
    EXPECT_FALSE(d.enumerateBox()->isChecked());
    EXPECT_EQ(d.label(IdPossibleHands)->text(), "Static");
    EXPECT_FALSE(d.label(IdPossibleHands)->isEnabled());
    EXPECT_FALSE(d.label(IdPossibleHandsLabel)->isEnabled());
    EXPECT_FALSE(d.button(IdAgain)->isEnabled());
    EXPECT_TRUE(d.button(IdClose)->isEnabled());
    EXPECT_TRUE(d.button(IdComputeOdds)->isEnabled());
    EXPECT_FALSE(d.list()->isEnabled());
    EXPECT_EQ(d.list()->columnCount(), 0);
    EXPECT_EQ(d.list()->rowCount(), 0);
    EXPECT_FALSE(d.label(IdFloatingPathMark)->isVisible());
    EXPECT_FALSE(d.progressBar()->isVisible());
    EXPECT_TRUE(d.elapsedTime()->text().isEmpty());
    for (int id : {IdSuitsBox, IdSuitsSpin, IdRanksBox, IdRanksSpin, IdSuitsLabel, IdRanksLabel,
                   IdEnumerate}) {
        EXPECT_TRUE(d.dialog().control(id)->isEnabled()) << id;
    }
    EXPECT_EQ(QApplication::focusWidget(), d.suitsBox());
    EXPECT_TRUE(d.dialog().workingDeck() == (marvane::Deck{4, 13}));
}

TEST(HandCalcDialog, ControlsCarryTheirTexts) {
    DialogDriver d;
    EXPECT_EQ(d.label(IdSuitsLabel)->text(), "Number of Suits");
    EXPECT_EQ(d.label(IdRanksLabel)->text(), "Number of Ranks");
    EXPECT_EQ(d.enumerateBox()->text(), "Enumerate?");
    EXPECT_EQ(d.button(IdComputeOdds)->text(), "Compute Odds");
    EXPECT_EQ(d.label(IdPossibleHandsLabel)->text(), "Possible Hands");
    EXPECT_EQ(d.button(IdAgain)->text(), "Again?");
    EXPECT_EQ(d.button(IdClose)->text(), "Close");
    EXPECT_EQ(d.label(IdFloatingPathMark)->text(), "*");
    EXPECT_FALSE(d.progressBar()->isTextVisible());
    EXPECT_EQ(d.suitsBox()->maxLength(), 31);
    EXPECT_EQ(d.suitsSpin()->buddy(), d.suitsBox());
    EXPECT_EQ(d.ranksSpin()->buddy(), d.ranksBox());
    EXPECT_EQ(d.dialog().control(4711), nullptr);
}

TEST(HandCalcDialog, IsAFixedSizeTopLevelWindowWithOnlyACloseBox) {
    DialogDriver d;
    CHandCalcDialog& dialog = d.dialog();
    EXPECT_EQ(dialog.windowTitle(), "Marvane");
    EXPECT_EQ(dialog.parentWidget(), nullptr);
    EXPECT_EQ(dialog.windowType(), Qt::Window);
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_FALSE(dialog.windowIcon().isNull());
    EXPECT_TRUE(d.button(IdClose)->isDefault());

    // Every control lies inside the dialog; each spin sits just left of its box.
    for (QWidget* child : dialog.findChildren<QWidget*>()) {
        if (child->parentWidget() == &dialog) {
            EXPECT_TRUE(dialog.rect().contains(child->geometry()))
                << child->objectName().toStdString();
        }
    }
    EXPECT_EQ(d.suitsSpin()->geometry().right() + 1, d.suitsBox()->geometry().left());
    EXPECT_EQ(d.ranksSpin()->geometry().right() + 1, d.ranksBox()->geometry().left());
    EXPECT_LT(d.list()->geometry().top(), d.button(IdClose)->geometry().top());
}

TEST(HandCalcDialog, TabVisitsTheEnabledTabStopsInOrder) {
    DialogDriver d;
    const QList<QWidget*> expected = {d.ranksBox(), d.enumerateBox(), d.button(IdComputeOdds),
                                      d.button(IdClose), d.suitsBox()};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST(HandCalcDialog, F1AndTheContextMenuOpenTheAboutBox) {
    DialogDriver d;
    auto* action = d.dialog().findChild<QAction*>(QStringLiteral("aboutAction"));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), "&About Marvane...");
    EXPECT_TRUE(d.dialog().actions().contains(action));
    EXPECT_EQ(d.dialog().contextMenuPolicy(), Qt::ActionsContextMenu);

    bool seen = false;
    QTimer::singleShot(0, &d.dialog(), [&] {
        auto* about = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        seen = true;
        EXPECT_EQ(about->windowTitle(), "About Marvane");
        EXPECT_EQ(about->parentWidget(), &d.dialog());
        const auto* text = about->findChild<QLabel*>(QStringLiteral("aboutText"));
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->text(), "Marvane Version 1.0");
        const auto* icon = about->findChild<QLabel*>(QStringLiteral("aboutIcon"));
        ASSERT_NE(icon, nullptr);
        EXPECT_FALSE(icon->pixmap().isNull());
        auto* ok = about->findChild<QPushButton*>();
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->text(), "OK");
        ok->click();
    });
    QTest::keyClick(d.suitsBox(), Qt::Key_F1);
    EXPECT_TRUE(seen);
    EXPECT_TRUE(d.dialog().isVisible());
}

}  // namespace
