// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <QTableWidget>

#include <functional>
#include <optional>
#include <vector>

namespace marvane {

class CSortHeaderCtrl;
struct RowRecord;

// A report-style list: columns declared by one heading string, rows added with
// one text per column, and sorting by any column on a header click.
//
// Every row added through AddRow keeps a private copy of its texts; sorting
// works on those copies, which column insertion and deletion through this class
// re-read from the cells. Rows that arrive another way (QTableWidget's own
// insertRow) have no copy and sort as if all their texts were empty.
class CSortListCtrl : public QTableWidget {
    Q_OBJECT
public:
    enum ColumnFormat { LVCFMT_LEFT = 0, LVCFMT_RIGHT = 1, LVCFMT_CENTER = 2 };
    // Returns true to let the row with this user data be deleted.
    using VetoCallback = std::function<bool(quint32 userData)>;

    explicit CSortListCtrl(QWidget* parent = nullptr);
    ~CSortListCtrl() override;

    // Appends one column per "title, [alignment,] width" segment of the
    // string; false when a column could not be added (earlier ones stay).
    bool DefineColumns(const QString& headings);

    // Inserts a row at position (clamped to the end) with one text per column:
    // missing texts are empty, surplus ones ignored. The new row's index, or
    // -1 for a negative position.
    int AddRow(int position, const QStringList& texts);
    bool DeleteRow(int row, bool selectNext = false, const VetoCallback& veto = {});
    // Deletes from the top until a deletion fails; the number deleted.
    int DeleteAllRows(const VetoCallback& veto = {});

    // width -1 leaves the default width; subItem is accepted for compatibility
    // and has no effect, as every column shows its own cells. The new
    // column's index (position clamped to the end), or -1 for a negative one.
    int InsertColumn(int position, const QString& title, ColumnFormat format = LVCFMT_LEFT,
                     int width = -1, int subItem = -1);
    bool DeleteColumn(int column);
    bool DeleteAllColumns();

    // Adds the row to the selection without touching other rows or the
    // current index. An invalid row fails unless clamp moves it into range.
    bool SelectRow(int row, bool clamp);

    void SetGridLines(bool on);
    void SetCheckboxes(bool on);
    void SetFullRowSelect(bool on);

    bool IsValidRow(int row) const;
    int GetColumnCount() const;
    // 0 for a row without a record.
    quint32 GetRowUserData(int row) const;
    // False for a row without a record.
    bool SetRowUserData(int row, quint32 userData);

    // Sorts every row by the column's texts, or by the cells' sort keys when
    // every row of the column has one; does nothing for a column out of range.
    void SortByColumn(int column, bool ascending);

    // Sets a cell's text and the row's copy of it, making the cell if the
    // row has none in that column yet; false for a row or column out of range.
    bool setCellText(int row, int column, const QString& text);

    // Gives a cell a number to sort by in place of its text (a count behind a
    // text such as "1 in 509", say). It moves with its cell. False when there
    // is no such cell.
    bool setCellSortKey(int row, int column, double key);

    // With this on, no column is narrower than its widest text, heading
    // included: columns widen as rows and columns are added and when the font
    // changes, and a column dragged narrower springs back. The width a column
    // was declared with stays its minimum. Off by default.
    void setColumnsFitText(bool on);
    // Widens every column to its widest cell again, for cells changed after
    // they were added (an icon set beside a text); only while fitting.
    void fitColumnsToText();
    bool columnsFitText() const { return columnsFitText_; }
    // The width at which every text of the column, heading included, shows in
    // full, and never less than the column's declared width.
    int requiredColumnWidth(int column) const;

    CSortHeaderCtrl* sortHeader() const { return header_; }
    // The row record's texts; empty texts for a row without a record, and an
    // empty list for an invalid row.
    QStringList rowTexts(int row) const;

public slots:
    // A click on a column header: the sorted column toggles its direction,
    // any other column sorts ascending.
    void OnColumnClick(int column);

protected:
    void changeEvent(QEvent* event) override;
    // Focus alone selects nothing: Copy then still takes the whole list.
    void focusInEvent(QFocusEvent* event) override;
    // The header's height sets the room its titles get; refit them to it.
    void updateGeometries() override;

private:
    void FitRowHeightToFont();
    RowRecord* Record(int row) const;
    QString SortText(int row, int column) const;
    void AttachRowTexts(int row, const QStringList& texts);
    bool RefreshRowTexts(int row);
    void RefreshAllRowTexts();
    void FreeRowRecord(int row);
    QTableWidgetItem* MakeCell(const QString& text, int column) const;
    std::vector<Qt::CheckState> RowCheckStates() const;
    void PlaceCheckBoxes(const std::vector<Qt::CheckState>& states);
    void PutRowsInOrder(const std::vector<int>& order);
    std::optional<std::vector<int>> orderByCellKeys(int column, bool ascending) const;
    int cellTextWidth(int row, int column) const;
    void widenColumn(int column, int width);

    void keepSectionWideEnough(int section, int oldSize, int newSize);

    CSortHeaderCtrl* header_ = nullptr;
    bool checkboxes_ = false;
    bool columnsFitText_ = false;
};

}  // namespace marvane
