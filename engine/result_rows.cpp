// SPDX-License-Identifier: MIT
#include "engine/result_rows.h"

#include <algorithm>

namespace marvane {

std::string formatCount(std::uint32_t count) {
    return std::to_string(count);
}

std::vector<ResultRow> resultRows(const EngineState& state, bool withEnumeration) {
    std::vector<ResultRow> rows;
    rows.reserve(kCategoryCount);
    for (HandCategory category : kRowAddOrder) {
        ResultRow row{category, {std::string(displayName(category))}};
        if (withEnumeration) {
            row.texts.push_back(formatCount(state.enumerated[category]));
        }
        row.texts.push_back(formatCount(state.computed[category]));
        row.texts.push_back(formatCount(state.totals[category]));
        rows.push_back(std::move(row));
    }
    return rows;
}

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
