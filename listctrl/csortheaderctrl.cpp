// SPDX-License-Identifier: MIT
#include "listctrl/csortheaderctrl.h"

#include "listctrl/sort_arrow.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

namespace marvane {

namespace {

constexpr int kMaxTitleLength = 255;

Qt::Alignment horizontalAlignment(int format) {
    if (format & CSortHeaderCtrl::HDF_CENTER) {
        return Qt::AlignHCenter;
    }
    if (format & CSortHeaderCtrl::HDF_RIGHT) {
        return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

void drawArrowLine(QPainter* painter, const marvane::ArrowLine& line, const QColor& color) {
    for (const QPoint& pixel : marvane::linePixels(line.from, line.to)) {
        painter->fillRect(QRect(pixel, QSize(1, 1)), color);
    }
}

}  // namespace

CSortHeaderCtrl::CSortHeaderCtrl(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setSortIndicatorShown(false);
    setHighlightSections(false);
    setMinimumSectionSize(1);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(this, &QHeaderView::sectionPressed, this, &CSortHeaderCtrl::OnSectionPressed);
}

CSortHeaderCtrl::~CSortHeaderCtrl() = default;

int CSortHeaderCtrl::SectionFormat(int section) const {
    if (!model() || section < 0 || section >= count()) {
        return HDF_LEFT;
    }
    return model()->headerData(section, orientation(), FormatRole).toInt();
}

bool CSortHeaderCtrl::IsOwnerDrawn(int section) const {
    return (SectionFormat(section) & HDF_OWNERDRAW) != 0;
}

void CSortHeaderCtrl::MarkSortColumn() {
    if (!model() || sortColumn_ < 0 || sortColumn_ >= count()) {
        return;
    }
    // A column made with the table's own insertColumn has no header item to
    // hold the format; give it one so the sorted column still gets its arrow.
    if (auto* table = qobject_cast<QTableWidget*>(parentWidget());
        table && !table->horizontalHeaderItem(sortColumn_)) {
        table->setHorizontalHeaderItem(
            sortColumn_,
            new QTableWidgetItem(model()->headerData(sortColumn_, orientation()).toString()));
    }
    model()->setHeaderData(sortColumn_, orientation(), SectionFormat(sortColumn_) | HDF_OWNERDRAW,
                           FormatRole);
    viewport()->update();
}

void CSortHeaderCtrl::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!IsOwnerDrawn(logicalIndex)) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    DrawItem(painter, rect, logicalIndex, logicalIndex == pressedSection_ && pressedInside_);
}

int CSortHeaderCtrl::arrowOffset(const QRect& sectionRect) {
    return sectionRect.height() / 4;
}

QRect CSortHeaderCtrl::titleRect(const QRect& sectionRect, int section, bool pressed) const {
    // Edges as left/top inclusive, right/bottom exclusive.
    int labelLeft = sectionRect.left();
    int labelTop = sectionRect.top();
    int labelRight = sectionRect.left() + sectionRect.width();
    const int bottom = sectionRect.top() + sectionRect.height();
    if (pressed) {
        labelLeft += 1;
        labelRight += 1;
        labelTop += 2;
    }
    const int off = arrowOffset(sectionRect);
    if (section == sortColumn_) {
        labelRight -= 3 * off;  // room for the arrow
    }
    labelLeft += off;
    labelRight -= off;
    if (labelLeft >= labelRight) {
        return {};
    }
    return {labelLeft, labelTop, labelRight - labelLeft, bottom - labelTop};
}

QString CSortHeaderCtrl::sectionTitle(int section) const {
    if (!model()) {
        return {};
    }
    return model()
        ->headerData(section, orientation(), Qt::DisplayRole)
        .toString()
        .left(kMaxTitleLength);
}

int CSortHeaderCtrl::requiredSectionWidth(int section) const {
    if (!model() || section < 0 || section >= count()) {
        return 0;
    }
    // Owner-drawn: the title between margins of off on both sides, plus the
    // arrow's 3 * off whether or not the column is sorted now, so the width
    // does not change when the sort moves to another column.
    const int height = std::max(this->height(), sizeHint().height());
    const int off = arrowOffset(QRect(0, 0, 1, height));
    // Rounded up: a title whose advance is a fraction wider than its room is
    // elided, and QFontMetrics rounds to the nearest pixel.
    const int titleWidth =
        static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(sectionTitle(section))));
    const int ownerDrawn = titleWidth + 5 * off;
    return std::max(ownerDrawn, sectionSizeFromContents(section).width());
}

void CSortHeaderCtrl::DrawItem(QPainter* painter, const QRect& rect, int section,
                               bool pressed) const {
    painter->save();
    painter->setClipRect(rect);
    painter->fillRect(rect, palette().color(QPalette::Button));

    const QColor ink = palette().color(QPalette::ButtonText);
    const QRect label = titleRect(rect, section, pressed);
    if (label.isValid()) {
        const QString shown = painter->fontMetrics().elidedText(
            sectionTitle(section), Qt::ElideRight, label.width(), Qt::TextSingleLine);
        painter->setPen(ink);
        painter->drawText(label,
                          int(horizontalAlignment(SectionFormat(section)) | Qt::AlignVCenter) |
                              Qt::TextSingleLine | Qt::TextDontClip,
                          shown);
    }

    if (section == sortColumn_) {
        // One colour, the title's own: it has the contrast of text against
        // the face, which a bevel's highlight and shadow do not.
        const int right = rect.left() + rect.width();
        const int bottom = rect.top() + rect.height();
        for (const marvane::ArrowLine& line :
             marvane::sortArrowLines(right, bottom, arrowOffset(rect), sortAscending_)) {
            drawArrowLine(painter, line, ink);
        }
    }
    painter->restore();
}

void CSortHeaderCtrl::OnSectionPressed(int section) {
    pressedSection_ = section;
    SetPressedInside(true);
}

void CSortHeaderCtrl::mouseMoveEvent(QMouseEvent* event) {
    QHeaderView::mouseMoveEvent(event);
    if (pressedSection_ >= 0) {
        SetPressedInside(logicalIndexAt(event->position().toPoint()) == pressedSection_);
    }
}

void CSortHeaderCtrl::mouseReleaseEvent(QMouseEvent* event) {
    QHeaderView::mouseReleaseEvent(event);
    if (pressedSection_ >= 0) {
        SetPressedInside(false);
        pressedSection_ = -1;
    }
}

void CSortHeaderCtrl::SetPressedInside(bool inside) {
    if (pressedInside_ != inside) {
        pressedInside_ = inside;
        viewport()->update();
    }
}

}  // namespace marvane
