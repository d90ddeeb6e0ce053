// SPDX-License-Identifier: MIT
#include "report/orders/order_report.h"

#include "report/input/order_reading.h"

namespace marvane {

namespace {

// The order without the categories no hand reaches: no hand ever falls
// into them, so they would only add pairs against 0 hands.
CategoryOrder rankedOnly(Deck deck, std::uint32_t cards, const CategoryOrder& order,
                         std::uint32_t jokers) {
    const std::uint32_t reachable = reachableCategories(deck, cards, jokers);
    CategoryOrder ranked;
    for (HandCategory category : order) {
        if (reachable & (1u << indexOf(category))) {
            ranked.push_back(category);
        }
    }
    return ranked;
}

}  // namespace

OrderSearchReport buildOrderSearchReport(Deck deck, std::uint32_t cards, std::uint32_t jokers) {
    return buildOrderSearchReport(OrderCounter(deck, cards, jokers));
}

OrderSearchReport buildOrderSearchReport(const OrderCounter& counter) {
    OrderSearchReport report{counter.deck(), counter.cards(), searchOrder(counter), std::nullopt,
                             counter.jokers()};
    report.consistentOrder = report.search.outcome == OrderSearchOutcome::SelfConsistent
                                 ? std::optional(report.search.steps.back().order)
                                 : findSelfConsistentOrder(counter);
    return report;
}

std::string searchOutcomeSentence(const OrderSearch& search) {
    if (search.outcome == OrderSearchOutcome::SelfConsistent) {
        const std::size_t sorts = search.sorts();
        return "self-consistent after " + std::to_string(sorts) + (sorts == 1 ? " step" : " steps");
    }
    return "no self-consistent order reached: the orders cycle with period " +
           std::to_string(search.period);
}

std::string existenceSentence(const OrderSearchReport& report) {
    return report.consistentOrder
               ? "a self-consistent order exists: " + orderText(*report.consistentOrder)
               : std::string("no self-consistent order exists");
}

OrderCheckReport buildOrderCheckReport(Deck deck, std::uint32_t cards, const CategoryOrder& order,
                                       std::uint32_t jokers) {
    const OrderCounter counter(deck, cards, jokers);  // checks its arguments first
    OrderCheckReport report{
        deck,
        cards,
        order.empty() ? defaultOrder(deck, cards, jokers) : rankedOnly(deck, cards, order, jokers),
        {},
        {},
        jokers};
    report.counts = counter.counts(report.order);
    report.pairs = breakingPairs(report.order, report.counts);
    return report;
}

std::vector<BreakingPair> breakingPairs(const KCardReport& report) {
    return breakingPairs(rankedOnly(report.deck, report.cards, report.order, report.jokers),
                         report.enumerated ? report.enumeratedCounts : report.computed);
}

std::string breakingPairSentence(const BreakingPair& pair) {
    return std::string(displayName(pair.rarer)) + " is rarer than " +
           std::string(displayName(pair.commoner)) +
           ", but ranks below it: " + std::to_string(pair.rarerCount) + " against " +
           std::to_string(pair.commonerCount) + " hands";
}

}  // namespace marvane
