#include "updownctrl.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWidget>

namespace {

// A box with its spin, range 4..8, at 6.
class UpDownCtrlTest : public ::testing::Test {
protected:
    void SetUp() override {
        spin->setBuddy(box);
        spin->setRange(4, 8);
        spin->setPosition(6);
        spin->setGeometry(0, 0, 16, 24);
        box->setGeometry(16, 0, 40, 24);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QList<int> lastDelta() const { return {steps.last()[0].toInt(), steps.last()[1].toInt()}; }

    QWidget window;
    QLineEdit* box = new QLineEdit(&window);
    UpDownCtrl* spin = new UpDownCtrl(&window);
    QSignalSpy steps{spin, &UpDownCtrl::deltaPos};
};

TEST_F(UpDownCtrlTest, ArrowsAnnounceTheStepThenMoveAndWriteTheBox) {
    EXPECT_EQ(box->text(), "6");
    QObject::connect(spin, &UpDownCtrl::deltaPos, [&] { EXPECT_EQ(box->text(), "6"); });

    QTest::mouseClick(spin->upButton(), Qt::LeftButton);
    ASSERT_EQ(steps.size(), 1);
    EXPECT_EQ(lastDelta(), (QList<int>{6, 1}));
    EXPECT_EQ(spin->position(), 7);
    EXPECT_EQ(box->text(), "7");
    EXPECT_TRUE(box->hasFocus());
}

TEST_F(UpDownCtrlTest, StopsAtBothEndsWithoutTouchingTheBox) {
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(spin->upButton(), Qt::LeftButton);
    }
    EXPECT_EQ(spin->position(), 8);
    EXPECT_EQ(lastDelta(), (QList<int>{8, 1}));
    box->setText(" 8");
    QTest::mouseClick(spin->upButton(), Qt::LeftButton);
    EXPECT_EQ(box->text(), " 8");

    for (int i = 0; i < 6; ++i) {
        QTest::mouseClick(spin->downButton(), Qt::LeftButton);
    }
    EXPECT_EQ(spin->position(), 4);
    EXPECT_EQ(box->text(), "4");
    EXPECT_EQ(lastDelta(), (QList<int>{4, -1}));
}

TEST_F(UpDownCtrlTest, TakesItsPositionFromTheBoxWhenThatIsANumberInRange) {
    box->setText("4");
    QTest::mouseClick(spin->upButton(), Qt::LeftButton);
    EXPECT_EQ(lastDelta(), (QList<int>{4, 1}));
    EXPECT_EQ(box->text(), "5");

    for (const char* unusable : {"12", "", "x"}) {
        box->setText(unusable);
        QTest::mouseClick(spin->upButton(), Qt::LeftButton);
        EXPECT_EQ(lastDelta()[0], 5) << unusable;
        spin->setPosition(5);
    }
}

TEST_F(UpDownCtrlTest, UpAndDownKeysInTheBoxStepLikeTheArrows) {
    QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(box->text(), "7");
    QTest::keyClick(box, Qt::Key_Down);
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(box->text(), "5");
    EXPECT_EQ(steps.size(), 3);

    QTest::keyClick(box, Qt::Key_1);  // other keys still type
    EXPECT_EQ(box->text(), "51");

    spin->setEnabled(false);
    QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(steps.size(), 3);
}

TEST_F(UpDownCtrlTest, ReleasingAHeldArrowStopsItsAutoRepeat) {
    QTest::mousePress(spin->upButton(), Qt::LeftButton);
    ASSERT_EQ(steps.size(), 1);
    EXPECT_TRUE(spin->upButton()->isDown());

    spin->releaseButtons();
    EXPECT_FALSE(spin->upButton()->isDown());
    QTest::qWait(spin->upButton()->autoRepeatDelay() + 3 * spin->upButton()->autoRepeatInterval());
    QTest::mouseRelease(spin->upButton(), Qt::LeftButton);
    EXPECT_EQ(steps.size(), 1);
    EXPECT_EQ(spin->position(), 7);
}

TEST_F(UpDownCtrlTest, HeldArrowRepeats) {
    QTest::mousePress(spin->downButton(), Qt::LeftButton);
    QTest::qWait(spin->downButton()->autoRepeatDelay() +
                 2 * spin->downButton()->autoRepeatInterval());
    QTest::mouseRelease(spin->downButton(), Qt::LeftButton);
    EXPECT_GE(steps.size(), 2);
    EXPECT_EQ(spin->position(), 4);
}

}  // namespace
