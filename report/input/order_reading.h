// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "engine/vocabulary/category_order.h"
#include "engine/vocabulary/deck.h"

namespace marvane {

// An order written as the list writes the names, best first, commas
// between: "Straight Flush, Hypochromatic 4 of a Kind, ...". Blanks around
// a name don't count. Every category a hand can reach (with jokers, Five of
// a Kind too) must be named exactly once; the others may be named or left
// out, and are dropped, since no order places them.
//
// The order for hands of `cards` cards, or what is wrong with the text in a
// few words that name the culprit, e.g. `unknown category "Foo"`, `"Flush"
// appears twice`, `leaves out "Flush", which 4 x 13 has five-card hands of`
// (three-card, four-card: those of a hand of three or four cards), or with
// jokers `leaves out "Five of a Kind", which 4 x 13 with 1 joker has hands of`.
std::variant<CategoryOrder, std::string> readCategoryOrder(std::string_view text, Deck deck,
                                                           std::uint32_t cards,
                                                           std::uint32_t jokers);

// The order in the same form, so it reads back.
std::string orderText(const CategoryOrder& order);

}  // namespace marvane
