// SPDX-License-Identifier: MIT
#include "app/results/order_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/engine_texts.h"
#include "app/help/help_window.h"

namespace marvane {

OrderDialog::OrderDialog(const CategoryOrder& start, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Your Own Ranking"));
    auto* intro = new QLabel(
        tr("Best first: a hand of more than five cards counts as the first of these its fives "
           "make."),
        this);
    intro->setWordWrap(true);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("orderList"));
    list_->setAccessibleName(tr("Ranking, best first"));
    for (HandCategory category : start) {
        auto* item = new QListWidgetItem(categoryName(category), list_);
        item->setData(Qt::UserRole, static_cast<int>(indexOf(category)));
    }
    list_->setCurrentRow(0);
    list_->installEventFilter(this);
    connect(list_, &QListWidget::currentRowChanged, this, &OrderDialog::updateButtons);

    up_ = new QPushButton(tr("Move &Up"), this);
    down_ = new QPushButton(tr("Move &Down"), this);
    up_->setObjectName(QStringLiteral("moveUp"));
    down_->setObjectName(QStringLiteral("moveDown"));
    connect(up_, &QPushButton::clicked, this, [this] { moveCurrent(-1); });
    connect(down_, &QPushButton::clicked, this, [this] { moveCurrent(1); });
    auto* moves = new QVBoxLayout;
    moves->addWidget(up_);
    moves->addWidget(down_);
    moves->addStretch(1);

    auto* middle = new QHBoxLayout;
    middle->addWidget(list_, 1);
    middle->addLayout(moves);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(middle, 1);
    layout->addWidget(buttons);
    resize(sizeHint().expandedTo(QSize(380, 420)));
    HelpWindow::addHelpKey(this);
    updateButtons();
}

CategoryOrder OrderDialog::order() const {
    CategoryOrder order;
    for (int row = 0; row < list_->count(); ++row) {
        order.push_back(static_cast<HandCategory>(list_->item(row)->data(Qt::UserRole).toInt()));
    }
    return order;
}

void OrderDialog::moveCurrent(int step) {
    const int from = list_->currentRow();
    const int to = from + step;
    if (from < 0 || to < 0 || to >= list_->count()) {
        return;
    }
    QListWidgetItem* item = list_->takeItem(from);
    list_->insertItem(to, item);
    list_->setCurrentRow(to);
}

bool OrderDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::ControlModifier &&
            (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            moveCurrent(key->key() == Qt::Key_Up ? -1 : 1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void OrderDialog::updateButtons() {
    const int row = list_->currentRow();
    up_->setEnabled(row > 0);
    down_->setEnabled(row >= 0 && row + 1 < list_->count());
}

}  // namespace marvane
