#include "csortheaderctrl.h"

#include "sort_arrow.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTableWidget>

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

void CSortHeaderCtrl::DrawItem(QPainter* painter, const QRect& rect, int section,
                               bool pressed) const {
    // Edges as left/top inclusive, right/bottom exclusive.
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.left() + rect.width();
    const int bottom = rect.top() + rect.height();

    painter->save();
    painter->setClipRect(rect);
    painter->fillRect(rect, palette().color(QPalette::Button));

    const QString title = model()
                              ->headerData(section, orientation(), Qt::DisplayRole)
                              .toString()
                              .left(kMaxTitleLength);
    const int format = SectionFormat(section);
    const bool sorted = section == sortColumn_;

    int labelLeft = left;
    int labelTop = top;
    int labelRight = right;
    if (pressed) {
        labelLeft += 1;
        labelRight += 1;
        labelTop += 2;
    }
    const int off = (bottom - top) / 4;
    if (sorted) {
        labelRight -= 3 * off;  // room for the arrow
    }
    labelLeft += off;
    labelRight -= off;

    if (labelLeft < labelRight) {
        const QRect label(labelLeft, labelTop, labelRight - labelLeft, bottom - labelTop);
        const QString shown = painter->fontMetrics().elidedText(title, Qt::ElideRight,
                                                                label.width(), Qt::TextSingleLine);
        painter->setPen(palette().color(QPalette::ButtonText));
        painter->drawText(label,
                          int(horizontalAlignment(format) | Qt::AlignVCenter) | Qt::TextSingleLine |
                              Qt::TextDontClip,
                          shown);
    }

    if (sorted) {
        // Light is the bevel's highlight, Dark its shadow (not Shadow, which
        // is the near-black outer edge of a 3D frame).
        const QColor light = palette().color(QPalette::Light);
        const QColor shadow = palette().color(QPalette::Dark);
        for (const marvane::ArrowLine& line :
             marvane::sortArrowLines(right, bottom, off, sortAscending_)) {
            drawArrowLine(painter, line, line.light ? light : shadow);
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
