// SPDX-License-Identifier: MIT
#include "app/results/ranking_menu.h"

#include <QActionGroup>
#include <algorithm>
#include <vector>

namespace marvane {

RankingMenu::RankingMenu(QWidget* parent) : QMenu(tr("&Ranking"), parent) {
    setObjectName(QStringLiteral("rankingMenu"));
    menuAction()->setObjectName(QStringLiteral("rankingAction"));
    setEnabled(false);
}

void RankingMenu::showOrders(const std::optional<OrderSearchReport>& search,
                             const CategoryOrder& shown, bool enabled) {
    // The old entries go later: this may run inside one of their own clicks.
    for (QAction* old : actions()) {
        removeAction(old);
        old->deleteLater();
    }
    if (group_ != nullptr) {
        group_->deleteLater();
        group_ = nullptr;
    }
    setEnabled(search.has_value() && enabled);
    if (!search) {
        return;
    }
    group_ = new QActionGroup(this);
    bool ticked = false;
    std::vector<CategoryOrder> listed;
    const auto addOrder = [&](const QString& text, const CategoryOrder& order) {
        if (std::find(listed.begin(), listed.end(), order) != listed.end()) {
            return;  // each order once, under its first name
        }
        listed.push_back(order);
        QAction* action = addAction(text);
        action->setCheckable(true);
        action->setActionGroup(group_);
        if (order == shown && !ticked) {
            action->setChecked(true);
            ticked = true;
        }
        connect(action, &QAction::triggered, this, [this, order] { emit orderChosen(order); });
    };
    const std::vector<OrderStep>& steps = search->search.steps;
    const std::size_t cycleStart = search->search.outcome == OrderSearchOutcome::Cycle
                                       ? steps.size() - search->search.period
                                       : steps.size();
    // Below five cards the deck's own order is that of its hands of that size.
    const bool ownSize = search->cards < kHandSize;
    const QString deckOrder =
        cycleStart == 0
            ? (ownSize ? tr("This deck's &%1-card order (in the cycle)").arg(search->cards)
                       : tr("This deck's &five-card order (in the cycle)"))
        : steps.size() == 1
            ? (ownSize ? tr("This deck's &%1-card order (self-consistent)").arg(search->cards)
                       : tr("This deck's &five-card order (self-consistent)"))
            : (ownSize ? tr("This deck's &%1-card order").arg(search->cards)
                       : tr("This deck's &five-card order"));
    addOrder(deckOrder, steps.front().order);
    for (std::size_t i = 1; i < steps.size(); ++i) {
        const QString text = i >= cycleStart         ? tr("Search step %1 (in the cycle)").arg(i)
                             : i + 1 == steps.size() ? tr("Search step %1 (self-consistent)").arg(i)
                                                     : tr("Search step %1").arg(i);
        addOrder(text, steps[i].order);
    }
    if (search->consistentOrder) {
        addOrder(tr("A &self-consistent order"), *search->consistentOrder);
    } else {
        addAction(tr("No self-consistent order exists"))->setEnabled(false);
    }
    addSeparator();
    QAction* own = addAction(tr("Your &Own Order..."));
    own->setCheckable(true);
    own->setActionGroup(group_);
    own->setChecked(!ticked);
    connect(own, &QAction::triggered, this, &RankingMenu::ownOrderRequested);
}

}  // namespace marvane
