// SPDX-License-Identifier: MIT
#include "engine/vocabulary/display_order.h"

#include <algorithm>

namespace marvane {

namespace {

template <class Counts>
std::array<HandCategory, kCategoryCount> orderByTotal(const Counts& totals) {
    // Each row is added on top, so the list shows the add order reversed.
    std::array<HandCategory, kCategoryCount> order{};
    std::reverse_copy(kRowAddOrder.begin(), kRowAddOrder.end(), order.begin());
    std::stable_sort(order.begin(), order.end(),
                     [&](HandCategory a, HandCategory b) { return totals[a] < totals[b]; });
    return order;
}

}  // namespace

std::array<HandCategory, kCategoryCount> displayOrder(const CategoryCounts& totals) {
    return orderByTotal(totals);
}

std::array<HandCategory, kCategoryCount> displayOrder(const CategoryCounts64& totals) {
    return orderByTotal(totals);
}

}  // namespace marvane
