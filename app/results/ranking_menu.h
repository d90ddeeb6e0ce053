// SPDX-License-Identifier: MIT
#pragma once

#include <QMenu>
#include <optional>

#include "engine/vocabulary/category_order.h"
#include "report/orders/order_report.h"

class QActionGroup;

namespace marvane {

// View > Ranking: the orders worth a look for hands of other sizes than five
// or with jokers: the deck's own order (its five-card one, or that of its
// hands of three or four cards), every order of the search for a
// self-consistent one, a self-consistent order when one exists, and the
// user's own. The order on show is ticked.
class RankingMenu : public QMenu {
    Q_OBJECT

public:
    explicit RankingMenu(QWidget* parent = nullptr);

    // Rebuilds the entries for these results; nothing (and disabled)
    // without a search.
    void showOrders(const std::optional<OrderSearchReport>& search, const CategoryOrder& shown,
                    bool enabled);

signals:
    void orderChosen(const marvane::CategoryOrder& order);
    // "Your Own Order...": the owner asks for it, then chooses or rebuilds.
    void ownOrderRequested();

private:
    QActionGroup* group_ = nullptr;
};

}  // namespace marvane
