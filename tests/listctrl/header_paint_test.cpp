// SPDX-License-Identifier: MIT
#include "listctrl/csortheaderctrl.h"
#include "listctrl/csortlistctrl.h"
#include "listctrl/sort_arrow.h"

#include <QImage>
#include <QStyle>
#include <QStyleFactory>

#include <QTest>

#include <cmath>
#include <memory>

#include <gtest/gtest.h>

using marvane::CSortHeaderCtrl;
using marvane::CSortListCtrl;

namespace {

const QColor kFace(192, 192, 192);
const QColor kInk(0, 0, 128);  // title and arrow

struct Pixel {
    int fromRight;  // x = R - fromRight, R being the item's exclusive right edge
    int y;
    QColor colour;
};

// The list's header at 17 pixels high, in colours that tell face and ink
// apart; items "Name" 0..99 and "Value" 100..179.
class HeaderPaint : public ::testing::Test {
protected:
    void SetUp() override {
        QPalette palette = header()->palette();
        palette.setColor(QPalette::Button, kFace);
        palette.setColor(QPalette::ButtonText, kInk);
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

    // First and last column in [left, right) holding anything but the face,
    // or -1 for none.
    static std::pair<int, int> Ink(const QImage& image, int left, int right) {
        std::pair span(-1, -1);
        for (int x = left; x < right; ++x) {
            for (int y = 0; y < image.height(); ++y) {
                if (image.pixelColor(x, y) != kFace) {
                    span = {span.first < 0 ? x : span.first, x};
                }
            }
        }
        return span;
    }

    // Checks the pixels and that in the item's last 16 columns, where the
    // arrow goes, nothing but the face lies outside box.
    static void ExpectArrow(const QImage& image, int right, const QList<Pixel>& pixels,
                            const QRect& box) {
        for (const Pixel& p : pixels) {
            EXPECT_EQ(image.pixelColor(right - p.fromRight, p.y), p.colour)
                << "R - " << p.fromRight << ", " << p.y;
        }
        for (int y = 0; y < image.height(); ++y) {
            for (int x = right - 16; x < right; ++x) {
                ASSERT_FALSE(image.pixelColor(x, y) != kFace && !box.contains(x, y))
                    << x << "," << y;
            }
        }
    }

    CSortListCtrl list;
};

TEST_F(HeaderPaint, AscendingArrowPointsUp) {
    list.DefineColumns("Name, 100; Value, 2, 80");
    list.SortByColumn(1, true);
    // From the apex (R-8, 4) to (R-4, 12), on to (R-14, 12), and from
    // (R-13, 12) back to (R-8, 3). End points are left out.
    ExpectArrow(Render(), 180,
                {{8, 4, kInk},
                 {6, 8, kInk},
                 {4, 12, kInk},
                 {12, 12, kInk},
                 {13, 12, kInk},
                 {9, 4, kInk},
                 {14, 12, kFace},
                 {8, 3, kFace},
                 {3, 12, kFace}},
                QRect(QPoint(180 - 13, 4), QPoint(180 - 4, 12)));
}

TEST_F(HeaderPaint, DescendingArrowPointsDown) {
    list.DefineColumns("Name, 100; Value, 2, 80");
    list.SortByColumn(0, true);
    list.SortByColumn(1, false);
    // From (R-5, 4) to (R-9, 13), from (R-10, 13) to (R-13, 4) and on to
    // (R-5, 4).
    ExpectArrow(Render(), 180,
                {{5, 4, kInk},
                 {8, 11, kInk},
                 {10, 13, kInk},
                 {13, 4, kInk},
                 {6, 4, kInk},
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
    const auto [sortedFirst, sortedLast] = Ink(image, 100, 180 - 14);  // left of the arrow
    EXPECT_TRUE(sortedFirst >= 104 && sortedFirst <= 106) << sortedFirst;
    EXPECT_TRUE(sortedLast < 164 && sortedLast >= 152) << sortedLast;

    list.DeleteAllColumns();
    list.DefineColumns("1, 2, 100; x, 8");  // right-aligned, then a tiny item
    list.SortByColumn(1, true);
    list.SortByColumn(0, true);
    const QImage aligned = Render();
    const int rightLast = Ink(aligned, 0, 100 - 14).second;  // left of the arrow
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

// WCAG's contrast ratio of two colours, 1 to 21.
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(HeaderArrow, EveryStrokeStandsOutInLightAndDarkPalettes) {
    std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    QPalette dark;
    for (const auto& [role, colour] : {std::pair{QPalette::Window, QColor(53, 53, 53)},
                                       {QPalette::Button, QColor(53, 53, 53)},
                                       {QPalette::ButtonText, QColor(Qt::white)},
                                       {QPalette::WindowText, QColor(Qt::white)},
                                       {QPalette::Light, QColor(90, 90, 90)},
                                       {QPalette::Dark, QColor(35, 35, 35)}}) {
        dark.setColor(role, colour);
    }
    for (const QPalette& palette : {fusion->standardPalette(), dark}) {
        for (bool ascending : {true, false}) {
            CSortListCtrl list;
            list.setStyle(fusion.get());
            list.setPalette(palette);
            list.DefineColumns("Name, 100; Value, 2, 80");
            list.SortByColumn(1, ascending);
            CSortHeaderCtrl* header = list.sortHeader();
            header->setFixedHeight(20);
            header->resize(180, 20);
            QImage image(180, 20, QImage::Format_RGB32);
            header->render(&image);

            // Every stroke pixel, read back from the picture.
            const QColor face = image.pixelColor(178, 1);  // above the arrow
            int strokes = 0;
            for (const marvane::ArrowLine& line : marvane::sortArrowLines(180, 20, 5, ascending)) {
                for (const QPoint& pixel : marvane::linePixels(line.from, line.to)) {
                    const QColor seen = image.pixelColor(pixel);
                    EXPECT_GE(Contrast(seen, face), 3.0)
                        << pixel.x() << "," << pixel.y() << " " << qPrintable(seen.name());
                    ++strokes;
                }
            }
            EXPECT_GT(strokes, 15);
        }
    }
}

}  // namespace
