// SPDX-License-Identifier: MIT
#include "report/results/result_rows.h"

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

}  // namespace marvane
