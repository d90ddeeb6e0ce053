// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include "engine/vocabulary/category_order.h"

class QListWidget;
class QPushButton;

namespace marvane {

// The user's own ranking: the categories best first, each moved up or down
// with its buttons (or Ctrl+Up and Ctrl+Down in the list).
class OrderDialog : public QDialog {
    Q_OBJECT

public:
    explicit OrderDialog(const CategoryOrder& start, QWidget* parent = nullptr);

    CategoryOrder order() const;
    QListWidget* list() const { return list_; }
    // Moves the current category one place; -1 is up.
    void moveCurrent(int step);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateButtons();

    QListWidget* list_ = nullptr;
    QPushButton* up_ = nullptr;
    QPushButton* down_ = nullptr;
};

}  // namespace marvane
