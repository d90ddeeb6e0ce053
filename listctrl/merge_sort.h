// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace marvane {

// Bottom-up merge sort. compare(a, b) < 0 puts a first, > 0 puts b first and 0
// keeps their present order, so the sort is stable.
//
// Every loop runs over index ranges only, and each pass writes every position
// exactly once from a distinct source, so the result is always a permutation
// of the input and the sort finishes in O(n log n) comparisons even when
// compare is inconsistent (not transitive, not antisymmetric). std::sort and
// std::stable_sort promise neither for such a comparison.
template <typename T, typename Compare>
void stableMergeSort(std::vector<T>& items, Compare compare) {
    const std::size_t n = items.size();
    if (n < 2) {
        return;
    }
    std::vector<T> merged(items);
    for (std::size_t width = 1; width < n; width *= 2) {
        for (std::size_t left = 0; left < n; left += std::min(2 * width, n - left)) {
            const std::size_t mid = left + std::min(width, n - left);
            const std::size_t right = mid + std::min(width, n - mid);
            std::size_t i = left;
            std::size_t j = mid;
            std::size_t out = left;
            while (i < mid && j < right) {
                merged[out++] = compare(items[i], items[j]) > 0 ? items[j++] : items[i++];
            }
            while (i < mid) {
                merged[out++] = items[i++];
            }
            while (j < right) {
                merged[out++] = items[j++];
            }
        }
        items.swap(merged);
    }
}

}  // namespace marvane
