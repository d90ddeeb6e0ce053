// SPDX-License-Identifier: MIT
#include "listctrl/csortlistctrl.h"

#include "listctrl/csortheaderctrl.h"
#include "listctrl/heading_parser.h"
#include "listctrl/merge_sort.h"
#include "listctrl/row_compare.h"
#include "listctrl/row_record.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelection>
#include <QStyledItemDelegate>

#include <algorithm>
#include <memory>
#include <numeric>

namespace marvane {

namespace {

// The width a column was declared with, kept in its header item.
constexpr int kDeclaredWidthRole = Qt::UserRole + 0x4D6;
// A cell's number to sort by, when it has one.
constexpr int kSortKeyRole = Qt::UserRole + 0x4D7;

int headerFormatOf(CSortListCtrl::ColumnFormat format) {
    switch (format) {
        case CSortListCtrl::LVCFMT_RIGHT:
            return CSortHeaderCtrl::HDF_RIGHT;
        case CSortListCtrl::LVCFMT_CENTER:
            return CSortHeaderCtrl::HDF_CENTER;
        default:
            return CSortHeaderCtrl::HDF_LEFT;
    }
}

CSortListCtrl::ColumnFormat listFormatOf(marvane::HeadingAlignment alignment) {
    switch (alignment) {
        case marvane::HeadingAlignment::Right:
            return CSortListCtrl::LVCFMT_RIGHT;
        case marvane::HeadingAlignment::Center:
            return CSortListCtrl::LVCFMT_CENTER;
        case marvane::HeadingAlignment::Left:
            break;
    }
    return CSortListCtrl::LVCFMT_LEFT;
}

Qt::Alignment alignmentOf(int headerFormat) {
    if (headerFormat & CSortHeaderCtrl::HDF_CENTER) {
        return Qt::AlignHCenter | Qt::AlignVCenter;
    }
    if (headerFormat & CSortHeaderCtrl::HDF_RIGHT) {
        return Qt::AlignRight | Qt::AlignVCenter;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

bool hasCheckBox(const QTableWidgetItem* item) {
    return item && item->data(Qt::CheckStateRole).isValid();
}

void removeCheckBox(QTableWidgetItem* item) {
    item->setData(Qt::CheckStateRole, QVariant());
    item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
}

void addCheckBox(QTableWidgetItem* item, Qt::CheckState state) {
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(state);
}

}  // namespace

CSortListCtrl::CSortListCtrl(QWidget* parent)
    : QTableWidget(parent), header_(new CSortHeaderCtrl(this)) {
    setHorizontalHeader(header_);
    setSortingEnabled(false);
    // With sorting off the table selects a whole column when its header is
    // pressed (setSortingEnabled connects that); a list keeps its selection.
    disconnect(header_, &QHeaderView::sectionPressed, this, nullptr);
    disconnect(header_, &QHeaderView::sectionEntered, this, nullptr);
    connect(header_, &QHeaderView::sectionClicked, this, &CSortListCtrl::OnColumnClick);
    connect(header_, &QHeaderView::sectionResized, this, &CSortListCtrl::keepSectionWideEnough);

    verticalHeader()->hide();
    FitRowHeightToFont();
    setEditTriggers(NoEditTriggers);
    // One tab stop, as a list box is: Tab leaves the list, arrows move in it.
    setTabKeyNavigation(false);
    setSelectionMode(ExtendedSelection);
    setWordWrap(false);
    setShowGrid(false);
    SetFullRowSelect(true);
}

void CSortListCtrl::FitRowHeightToFont() {
    // Report rows are one line of text high, not the table's roomier default.
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
}

void CSortListCtrl::changeEvent(QEvent* event) {
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        FitRowHeightToFont();
        if (columnsFitText_) {
            fitColumnsToText();
        }
    }
}

void CSortListCtrl::updateGeometries() {
    QTableWidget::updateGeometries();
    if (columnsFitText_) {
        for (int column = 0; column < GetColumnCount(); ++column) {
            widenColumn(column, header_->requiredSectionWidth(column));
        }
    }
}

void CSortListCtrl::focusInEvent(QFocusEvent* event) {
    // The view would make the first row current and selected; make it
    // current only.
    if (!currentIndex().isValid() && rowCount() > 0 && columnCount() > 0) {
        selectionModel()->setCurrentIndex(model()->index(0, 0), QItemSelectionModel::NoUpdate);
    }
    QTableWidget::focusInEvent(event);
}

CSortListCtrl::~CSortListCtrl() {
    for (int row = 0; row < rowCount(); ++row) {
        FreeRowRecord(row);
    }
}

bool CSortListCtrl::DefineColumns(const QString& headings) {
    for (const marvane::ColumnSpec& column : marvane::parseHeadings(headings)) {
        if (InsertColumn(GetColumnCount(), column.title, listFormatOf(column.alignment),
                         column.width) < 0) {
            return false;
        }
    }
    return true;
}

int CSortListCtrl::AddRow(int position, const QStringList& texts) {
    if (position < 0) {
        return -1;
    }
    const int row = std::min(position, rowCount());
    insertRow(row);
    if (!IsValidRow(row)) {
        return -1;
    }
    const int columns = GetColumnCount();
    QStringList stored;
    stored.reserve(columns);
    for (int column = 0; column < columns; ++column) {
        const QString text = column < texts.size() ? texts[column] : QString();
        QTableWidgetItem* cell = MakeCell(text, column);
        if (column == 0 && checkboxes_) {
            addCheckBox(cell, Qt::Unchecked);
        }
        setItem(row, column, cell);
        stored.append(text);
        if (columnsFitText_) {
            widenColumn(column, cellTextWidth(row, column));
        }
    }
    AttachRowTexts(row, stored);
    return row;
}

bool CSortListCtrl::DeleteRow(int row, bool selectNext, const VetoCallback& veto) {
    if (!IsValidRow(row)) {
        return false;
    }
    // The callback may change the list; check the row again afterwards.
    if (veto && (!veto(GetRowUserData(row)) || !IsValidRow(row))) {
        return false;
    }
    std::unique_ptr<QTableWidgetItem> record(takeVerticalHeaderItem(row));
    const int rowsBefore = rowCount();
    removeRow(row);
    if (rowCount() != rowsBefore - 1) {
        setVerticalHeaderItem(row, record.release());
        return false;
    }
    record.reset();
    if (selectNext) {
        SelectRow(row, true);
    }
    return true;
}

int CSortListCtrl::DeleteAllRows(const VetoCallback& veto) {
    int deleted = 0;
    while (DeleteRow(0, false, veto)) {
        ++deleted;
    }
    return deleted;
}

int CSortListCtrl::InsertColumn(int position, const QString& title, ColumnFormat format, int width,
                                int /*subItem*/) {
    if (position < 0) {
        return -1;
    }
    const std::vector<Qt::CheckState> checks = RowCheckStates();
    const int column = std::min(position, GetColumnCount());
    insertColumn(column);

    const int headerFormat = headerFormatOf(format);
    auto* headerItem = new QTableWidgetItem(title);
    headerItem->setData(CSortHeaderCtrl::FormatRole, headerFormat);
    headerItem->setTextAlignment(alignmentOf(headerFormat));
    setHorizontalHeaderItem(column, headerItem);
    if (width != -1) {
        header_->resizeSection(column, std::clamp(width, 0, header_->maximumSectionSize()));
    }
    headerItem->setData(kDeclaredWidthRole, header_->sectionSize(column));
    if (columnsFitText_) {
        widenColumn(column, requiredColumnWidth(column));
    }

    RefreshAllRowTexts();
    PlaceCheckBoxes(checks);
    return column;
}

bool CSortListCtrl::DeleteColumn(int column) {
    if (column < 0 || column >= GetColumnCount()) {
        return false;
    }
    const std::vector<Qt::CheckState> checks = RowCheckStates();
    removeColumn(column);
    RefreshAllRowTexts();
    PlaceCheckBoxes(checks);
    return true;
}

bool CSortListCtrl::DeleteAllColumns() {
    while (GetColumnCount() > 0) {
        if (!DeleteColumn(0)) {
            return false;
        }
    }
    return true;
}

bool CSortListCtrl::SelectRow(int row, bool clamp) {
    if (!IsValidRow(row)) {
        if (!clamp || rowCount() == 0) {
            return false;
        }
        row = std::clamp(row, 0, rowCount() - 1);
    }
    const QModelIndex first = model()->index(row, 0);
    if (!first.isValid()) {
        return false;  // no column to select
    }
    selectionModel()->select(first, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    return true;
}

void CSortListCtrl::SetGridLines(bool on) {
    setShowGrid(on);
}

void CSortListCtrl::SetCheckboxes(bool on) {
    const std::vector<Qt::CheckState> checks = RowCheckStates();
    checkboxes_ = on;
    PlaceCheckBoxes(checks);
}

void CSortListCtrl::setColumnsFitText(bool on) {
    columnsFitText_ = on;
    if (on) {
        fitColumnsToText();
    }
}

int CSortListCtrl::requiredColumnWidth(int column) const {
    if (column < 0 || column >= GetColumnCount()) {
        return 0;
    }
    const QTableWidgetItem* headerItem = horizontalHeaderItem(column);
    int width = headerItem ? headerItem->data(kDeclaredWidthRole).toInt() : 0;
    width = std::max(width, header_->requiredSectionWidth(column));
    for (int row = 0; row < rowCount(); ++row) {
        width = std::max(width, cellTextWidth(row, column));
    }
    return std::min(width, header_->maximumSectionSize());
}

int CSortListCtrl::cellTextWidth(int row, int column) const {
    const QModelIndex index = model()->index(row, column);
    QAbstractItemDelegate* delegate = itemDelegateForIndex(index);
    if (!delegate) {
        return 0;
    }
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    // The delegate's size hint is the text's advance plus the style's margins;
    // a grid line takes one more pixel off every cell.
    return delegate->sizeHint(option, index).width() + (showGrid() ? 1 : 0);
}

void CSortListCtrl::widenColumn(int column, int width) {
    if (header_->sectionSize(column) < width) {
        header_->resizeSection(column, std::min(width, header_->maximumSectionSize()));
    }
}

void CSortListCtrl::fitColumnsToText() {
    if (!columnsFitText_) {
        return;
    }
    for (int column = 0; column < GetColumnCount(); ++column) {
        widenColumn(column, requiredColumnWidth(column));
    }
}

void CSortListCtrl::keepSectionWideEnough(int section, int /*oldSize*/, int newSize) {
    if (!columnsFitText_) {
        return;
    }
    const int required = requiredColumnWidth(section);
    if (newSize < required) {
        // Queued: the header is still inside its own resize.
        QMetaObject::invokeMethod(
            this, [this, section] { widenColumn(section, requiredColumnWidth(section)); },
            Qt::QueuedConnection);
    }
}

void CSortListCtrl::SetFullRowSelect(bool on) {
    setSelectionBehavior(on ? SelectRows : SelectItems);
}

bool CSortListCtrl::IsValidRow(int row) const {
    return row >= 0 && row < rowCount();
}

int CSortListCtrl::GetColumnCount() const {
    return header_->count();
}

quint32 CSortListCtrl::GetRowUserData(int row) const {
    const RowRecord* record = Record(row);
    return record ? record->userData : 0;
}

bool CSortListCtrl::SetRowUserData(int row, quint32 userData) {
    RowRecord* record = Record(row);
    if (!record) {
        return false;
    }
    record->userData = userData;
    return true;
}

QStringList CSortListCtrl::rowTexts(int row) const {
    if (!IsValidRow(row)) {
        return {};
    }
    const RowRecord* record = Record(row);
    return record ? record->texts : QStringList(GetColumnCount(), QString());
}

void CSortListCtrl::SortByColumn(int column, bool ascending) {
    if (column < 0 || column >= GetColumnCount()) {
        return;
    }
    header_->SetSortColumn(column);
    header_->SetSortAscending(ascending);
    header_->MarkSortColumn();

    if (const auto byKeys = orderByCellKeys(column, ascending)) {
        PutRowsInOrder(*byKeys);
        return;
    }
    const int rows = rowCount();
    std::vector<marvane::SortKey> keys;
    keys.reserve(rows);
    for (int row = 0; row < rows; ++row) {
        keys.push_back(marvane::makeSortKey(SortText(row, column), false));
    }
    // Dates come into play only through a non-empty text that is not a number.
    const bool needDates = std::any_of(keys.begin(), keys.end(), [](const marvane::SortKey& key) {
        return !key.utf8.isEmpty() && !key.numeric;
    });
    if (needDates) {
        for (marvane::SortKey& key : keys) {
            if (!key.trimmed.isEmpty()) {
                key.date = marvane::parseLocaleDateTime(key.trimmed);
            }
        }
    }

    std::vector<int> order(rows);
    std::iota(order.begin(), order.end(), 0);
    marvane::stableMergeSort(order, [&](int row1, int row2) {
        return marvane::compareSortKeys(keys[row1], keys[row2], ascending);
    });
    PutRowsInOrder(order);
}

bool CSortListCtrl::setCellText(int row, int column, const QString& text) {
    if (!IsValidRow(row) || column < 0 || column >= GetColumnCount()) {
        return false;
    }
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
        // A column inserted after the row has no cell in it yet.
        setItem(row, column, MakeCell(text, column));
        cell = item(row, column);
    }
    cell->setText(text);
    if (RowRecord* record = Record(row); record && column < record->texts.size()) {
        record->texts[column] = text;
    }
    if (columnsFitText_) {
        widenColumn(column, cellTextWidth(row, column));
    }
    return true;
}

bool CSortListCtrl::setCellSortKey(int row, int column, double key) {
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
        return false;
    }
    cell->setData(kSortKeyRole, key);
    return true;
}

std::optional<std::vector<int>> CSortListCtrl::orderByCellKeys(int column, bool ascending) const {
    const int rows = rowCount();
    std::vector<double> keys;
    keys.reserve(rows);
    for (int row = 0; row < rows; ++row) {
        const QTableWidgetItem* cell = item(row, column);
        const QVariant key = cell ? cell->data(kSortKeyRole) : QVariant();
        if (!key.isValid()) {
            return std::nullopt;  // the column sorts by its texts
        }
        keys.push_back(key.toDouble());
    }
    std::vector<int> order(rows);
    std::iota(order.begin(), order.end(), 0);
    marvane::stableMergeSort(order, [&](int row1, int row2) {
        const int byKey = (keys[row1] > keys[row2]) - (keys[row1] < keys[row2]);
        return ascending ? byKey : -byKey;
    });
    return order;
}

void CSortListCtrl::OnColumnClick(int column) {
    const bool ascending = column == header_->GetSortColumn() ? !header_->IsSortAscending() : true;
    SortByColumn(column, ascending);
}

RowRecord* CSortListCtrl::Record(int row) const {
    if (!IsValidRow(row)) {
        return nullptr;
    }
    auto* item = dynamic_cast<RowRecordItem*>(verticalHeaderItem(row));
    return item ? &item->record : nullptr;
}

QString CSortListCtrl::SortText(int row, int column) const {
    const RowRecord* record = Record(row);
    if (!record || column < 0 || column >= record->texts.size()) {
        return {};
    }
    return record->texts[column];
}

void CSortListCtrl::AttachRowTexts(int row, const QStringList& texts) {
    RowRecord record;
    record.userData = GetRowUserData(row);
    const int columns = GetColumnCount();
    record.texts = QStringList(columns, QString());
    for (int i = 0; i < std::min<qsizetype>(texts.size(), columns); ++i) {
        record.texts[i] = texts[i];
    }
    // The table owns the item from here and frees any earlier one.
    setVerticalHeaderItem(row, new RowRecordItem(std::move(record)));
}

bool CSortListCtrl::RefreshRowTexts(int row) {
    RowRecord* record = Record(row);
    if (!record) {
        return false;
    }
    const int columns = GetColumnCount();
    record->texts.resize(columns);
    for (int column = 0; column < columns; ++column) {
        const QTableWidgetItem* cell = item(row, column);
        record->texts[column] = cell ? cell->text() : QString();
    }
    return true;
}

void CSortListCtrl::RefreshAllRowTexts() {
    for (int row = 0; row < rowCount(); ++row) {
        RefreshRowTexts(row);
    }
}

void CSortListCtrl::FreeRowRecord(int row) {
    if (Record(row)) {
        delete takeVerticalHeaderItem(row);
    }
}

QTableWidgetItem* CSortListCtrl::MakeCell(const QString& text, int column) const {
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    cell->setTextAlignment(alignmentOf(header_->SectionFormat(column)));
    return cell;
}

std::vector<Qt::CheckState> CSortListCtrl::RowCheckStates() const {
    std::vector<Qt::CheckState> states(rowCount(), Qt::Unchecked);
    if (!checkboxes_) {
        return states;
    }
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            const QTableWidgetItem* cell = item(row, column);
            if (hasCheckBox(cell)) {
                states[row] = cell->checkState();
                break;
            }
        }
    }
    return states;
}

void CSortListCtrl::PlaceCheckBoxes(const std::vector<Qt::CheckState>& states) {
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            QTableWidgetItem* cell = item(row, column);
            if (hasCheckBox(cell) && !(checkboxes_ && column == 0)) {
                removeCheckBox(cell);
            }
        }
        if (!checkboxes_ || columnCount() == 0) {
            continue;
        }
        QTableWidgetItem* first = item(row, 0);
        if (!first) {
            first = MakeCell(QString(), 0);
            setItem(row, 0, first);
        }
        const Qt::CheckState state =
            static_cast<std::size_t>(row) < states.size() ? states[row] : Qt::Unchecked;
        addCheckBox(first, state);
    }
}

void CSortListCtrl::PutRowsInOrder(const std::vector<int>& order) {
    const int rows = rowCount();
    const int columns = columnCount();
    if (std::is_sorted(order.begin(), order.end())) {
        return;  // already in this order
    }
    std::vector<int> newRowOf(rows);
    for (int newRow = 0; newRow < rows; ++newRow) {
        newRowOf[order[newRow]] = newRow;
    }
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    const QModelIndex current = currentIndex();

    // Lift every row's cells and record out, then set them back in the new order.
    std::vector<QTableWidgetItem*> cells(static_cast<std::size_t>(rows) * columns);
    std::vector<QTableWidgetItem*> records(rows);
    for (int row = 0; row < rows; ++row) {
        records[row] = takeVerticalHeaderItem(row);
        for (int column = 0; column < columns; ++column) {
            cells[static_cast<std::size_t>(row) * columns + column] = takeItem(row, column);
        }
    }
    for (int newRow = 0; newRow < rows; ++newRow) {
        const int oldRow = order[newRow];
        if (records[oldRow]) {
            setVerticalHeaderItem(newRow, records[oldRow]);
        }
        for (int column = 0; column < columns; ++column) {
            QTableWidgetItem* cell = cells[static_cast<std::size_t>(oldRow) * columns + column];
            if (cell) {
                setItem(newRow, column, cell);
            }
        }
    }

    // The selection and the current cell stay with their rows.
    QItemSelection moved;
    for (const QModelIndex& index : selected) {
        const QModelIndex target = model()->index(newRowOf[index.row()], index.column());
        moved.select(target, target);
    }
    selectionModel()->select(moved, QItemSelectionModel::ClearAndSelect);
    if (current.isValid()) {
        selectionModel()->setCurrentIndex(model()->index(newRowOf[current.row()], current.column()),
                                          QItemSelectionModel::NoUpdate);
    }
}

}  // namespace marvane
