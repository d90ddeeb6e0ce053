// SPDX-License-Identifier: MIT
#include "report/input/order_reading.h"

#include <array>
#include <optional>

#include "engine/vocabulary/hand_category.h"

namespace marvane {

namespace {

constexpr std::string_view kBlanks = " \t\n\v\f\r";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::optional<HandCategory> categoryNamed(std::string_view name) {
    for (std::size_t c = 0; c < kCategoryCount; ++c) {
        const auto category = static_cast<HandCategory>(c);
        if (displayName(category) == name) {
            return category;
        }
    }
    return std::nullopt;
}

std::string quoted(std::string_view name) {
    std::string text(1, '"');
    text.append(name).push_back('"');
    return text;
}

// "a, b, c"
void appendListed(std::string& list, std::string_view item) {
    if (!list.empty()) {
        list.append(", ");
    }
    list.append(item);
}

// Whose categories an order names: from five cards up the fives'.
std::string handsWord(std::uint32_t cards) {
    return cards == 3 ? "three-card" : cards == 4 ? "four-card" : "five-card";
}

}  // namespace

std::variant<CategoryOrder, std::string> readCategoryOrder(std::string_view text, Deck deck,
                                                           std::uint32_t cards,
                                                           std::uint32_t jokers) {
    const std::uint32_t reachable = reachableCategories(deck, cards, jokers);
    std::array<bool, kCategoryCount> named{};
    CategoryOrder order;
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        const std::string_view name = trimmed(text.substr(start, comma - start));
        if (name.empty()) {
            return std::string("an empty name (two commas in a row, or one at either end)");
        }
        const auto category = categoryNamed(name);
        if (!category) {
            return "unknown category " + quoted(name);
        }
        if (named[indexOf(*category)]) {
            return quoted(name) + " appears twice";
        }
        named[indexOf(*category)] = true;
        if (reachable & (1u << indexOf(*category))) {
            order.push_back(*category);
        }
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    std::string missing;
    for (HandCategory category : defaultOrder(deck, cards, jokers)) {
        if (!named[indexOf(category)]) {
            appendListed(missing, quoted(displayName(category)));
        }
    }
    if (!missing.empty()) {
        const std::string which = std::to_string(deck.suits) + " x " + std::to_string(deck.ranks);
        return "leaves out " + missing + ", which " +
               (jokers == 0 ? which + " has " + handsWord(cards) + " hands of"
                            : which + " with " + std::to_string(jokers) +
                                  (jokers == 1 ? " joker" : " jokers") + " has hands of");
    }
    return order;
}

std::string orderText(const CategoryOrder& order) {
    std::string text;
    for (HandCategory category : order) {
        appendListed(text, displayName(category));
    }
    return text;
}

}  // namespace marvane
