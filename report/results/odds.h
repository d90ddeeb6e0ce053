// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace marvane {

// The chance of one category: count / hands. 0 when there are no hands at all,
// so that the result is always a finite number.
double probability(std::uint32_t count, std::uint32_t hands);

// The odds of one category as "1 in N" with N = hands / count: three
// significant figures while N is below 1,000 ("1 in 4.17", "1 in 650"), the
// nearest whole number from there on ("1 in 64974"). Nothing when the count
// is 0: the hand never occurs.
std::optional<std::string> oddsText(std::uint32_t count, std::uint32_t hands);

// The same for hands of six or seven cards, whose counts need 64 bits.
double probability64(std::uint64_t count, std::uint64_t hands);
std::optional<std::string> oddsText64(std::uint64_t count, std::uint64_t hands);

}  // namespace marvane
