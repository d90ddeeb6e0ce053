// SPDX-License-Identifier: MIT
#pragma once

#include <QHeaderView>

namespace marvane {

// The list's column header. It keeps the sort state (which column, which
// direction) and paints the items of columns that have been sorted itself:
// a plain button face with the title and, in the sorted column, a small
// arrow in the title's colour pointing up for ascending and down for
// descending order.
//
// Each section's format lives in the model's header data under FormatRole:
// the alignment (HDF_LEFT, HDF_RIGHT, HDF_CENTER) plus HDF_OWNERDRAW once the
// column has been sorted.
class CSortHeaderCtrl : public QHeaderView {
    Q_OBJECT
public:
    enum ItemFormat { HDF_LEFT = 0x0, HDF_RIGHT = 0x1, HDF_CENTER = 0x2, HDF_OWNERDRAW = 0x8000 };
    static constexpr int FormatRole = Qt::UserRole + 0x4D5;

    explicit CSortHeaderCtrl(QWidget* parent = nullptr);
    ~CSortHeaderCtrl() override;

    int GetSortColumn() const { return sortColumn_; }
    void SetSortColumn(int column) { sortColumn_ = column; }
    bool IsSortAscending() const { return sortAscending_; }
    void SetSortAscending(bool ascending) { sortAscending_ = ascending; }

    // Makes the sort column's item owner-drawn (it stays so) and repaints.
    void MarkSortColumn();

    int SectionFormat(int section) const;
    bool IsOwnerDrawn(int section) const;

    // Where an owner-drawn item's title goes within its section rectangle
    // (empty when there is no room): the title is elided to this width.
    QRect titleRect(const QRect& sectionRect, int section, bool pressed = false) const;
    // The narrowest width at which the section's title is drawn in full,
    // owner-drawn or not, with room for the arrow in any case.
    int requiredSectionWidth(int section) const;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    // Paints one owner-drawn item into rect; pressed while the user holds the
    // mouse button down on it.
    virtual void DrawItem(QPainter* painter, const QRect& rect, int section, bool pressed) const;

private:
    static int arrowOffset(const QRect& sectionRect);
    QString sectionTitle(int section) const;
    void OnSectionPressed(int section);
    void SetPressedInside(bool inside);

    int sortColumn_ = -1;
    bool sortAscending_ = true;
    int pressedSection_ = -1;  // section under the held mouse button, or -1
    bool pressedInside_ = false;
};

}  // namespace marvane
