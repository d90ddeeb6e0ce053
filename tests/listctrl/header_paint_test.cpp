#include "csortheaderctrl.h"
#include "csortlistctrl.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QColor kFace(192, 192, 192);
const QColor kLight(255, 0, 0);
const QColor kShadow(0, 0, 255);

struct Pixel {
    int fromRight;  // x = R - fromRight, R being the item's exclusive right edge
    int y;
    QColor colour;
};

// The list's header at 17 pixels high, in colours that tell face, highlight,
// shadow and text apart; items "Name" 0..99 and "Value" 100..179.
class HeaderPaint : public ::testing::Test {
protected:
    void SetUp() override {
        QPalette palette = header()->palette();
        palette.setColor(QPalette::Button, kFace);
        palette.setColor(QPalette::Light, kLight);
        palette.setColor(QPalette::Dark, kShadow);
        palette.setColor(QPalette::ButtonText, Qt::black);
        header()->setPalette(palette);
    }

    CSortHeaderCtrl* header() const { return list.sortHeader(); }

    QImage Render() const {
        header()->setFixedHeight(17);  // the table would choose its own height
        header()->resize(180, 17);
        QImage image(180, 17, QImage::Format_RGB32);
        header()->render(&image);
        return image;
    }

    // First and last column in [left, right) holding label pixels (neither
    // face nor arrow), or -1 for none.
    static std::pair<int, int> Ink(const QImage& image, int left, int right) {
        std::pair span(-1, -1);
        for (int x = left; x < right; ++x) {
            for (int y = 0; y < image.height(); ++y) {
                const QColor c = image.pixelColor(x, y);
                if (c != kFace && c != kLight && c != kShadow) {
                    span = {span.first < 0 ? x : span.first, x};
                }
            }
        }
        return span;
    }

    // Checks the pixels and that no arrow colour lies outside box.
    static void ExpectArrow(const QImage& image, int right, const QList<Pixel>& pixels,
                            const QRect& box) {
        for (const Pixel& p : pixels) {
            EXPECT_EQ(image.pixelColor(right - p.fromRight, p.y), p.colour)
                << "R - " << p.fromRight << ", " << p.y;
        }
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                ASSERT_FALSE((c == kLight || c == kShadow) && !box.contains(x, y)) << x << "," << y;
            }
        }
    }

    CSortListCtrl list;
};

TEST_F(HeaderPaint, AscendingArrowPointsUp) {
    list.DefineColumns("Name, 100; Value, 2, 80");
    list.SortByColumn(1, true);
    // Light from the apex (R-8, 4) to (R-4, 12) and on to (R-14, 12); shadow
    // from (R-13, 12) to (R-8, 3). End points are left out.
    ExpectArrow(Render(), 180,
                {{8, 4, kLight},
                 {6, 8, kLight},
                 {4, 12, kLight},
                 {12, 12, kLight},
                 {13, 12, kShadow},
                 {9, 4, kShadow},
                 {14, 12, kFace},
                 {8, 3, kFace},
                 {3, 12, kFace}},
                QRect(QPoint(180 - 13, 4), QPoint(180 - 4, 12)));
}

TEST_F(HeaderPaint, DescendingArrowPointsDown) {
    list.DefineColumns("Name, 100; Value, 2, 80");
    list.SortByColumn(0, true);
    list.SortByColumn(1, false);
    // Light from (R-5, 4) to (R-9, 13); shadow from (R-10, 13) to (R-13, 4)
    // and on to (R-5, 4).
    ExpectArrow(Render(), 180,
                {{5, 4, kLight},
                 {8, 11, kLight},
                 {10, 13, kShadow},
                 {13, 4, kShadow},
                 {6, 4, kShadow},
                 {9, 13, kFace},
                 {4, 4, kFace},
                 {14, 4, kFace}},
                QRect(QPoint(180 - 13, 4), QPoint(180 - 5, 13)));
}

TEST_F(HeaderPaint, LabelKeepsItsMarginsAndLeavesRoomForTheArrow) {
    const QString longTitle(40, 'M');
    list.InsertColumn(0, longTitle, CSortListCtrl::LVCFMT_LEFT, 100);
    list.InsertColumn(1, longTitle, CSortListCtrl::LVCFMT_LEFT, 80);
    list.SortByColumn(0, true);
    list.SortByColumn(1, true);
    const QImage image = Render();
    // Owner-drawn, not sorted: between L + 4 and R - 4, elided to fill it.
    const auto [plainFirst, plainLast] = Ink(image, 0, 100);
    EXPECT_TRUE(plainFirst >= 4 && plainFirst <= 6) << plainFirst;
    EXPECT_TRUE(plainLast < 96 && plainLast >= 84) << plainLast;
    // Sorted: between L + 4 and R - 16.
    const auto [sortedFirst, sortedLast] = Ink(image, 100, 180);
    EXPECT_TRUE(sortedFirst >= 104 && sortedFirst <= 106) << sortedFirst;
    EXPECT_TRUE(sortedLast < 164 && sortedLast >= 152) << sortedLast;

    list.DeleteAllColumns();
    list.DefineColumns("1, 2, 100; x, 8");  // right-aligned, then a tiny item
    list.SortByColumn(1, true);
    list.SortByColumn(0, true);
    const QImage aligned = Render();
    const int rightLast = Ink(aligned, 0, 100).second;
    EXPECT_TRUE(rightLast < 84 && rightLast >= 81) << rightLast;
    EXPECT_EQ(Ink(aligned, 100, 108).first, -1);  // no room for a label
}

TEST_F(HeaderPaint, PressedItemShiftsItsLabel) {
    list.DefineColumns("Name, 100; Value, 80");
    list.SortByColumn(0, true);
    const int released = Ink(Render(), 0, 100).first;
    QTest::mousePress(header()->viewport(), Qt::LeftButton, {}, QPoint(50, 8));
    EXPECT_EQ(Ink(Render(), 0, 100).first, released + 1);
    QTest::mouseRelease(header()->viewport(), Qt::LeftButton, {}, QPoint(50, 8));
    EXPECT_EQ(Ink(Render(), 0, 100).first, released);
}

}  // namespace
