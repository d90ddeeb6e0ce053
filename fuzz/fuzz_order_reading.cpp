// SPDX-License-Identifier: MIT
// The --order text through readCategoryOrder, held against a plain reading
// of its rules: the text is cut at every comma; each piece, without the
// blanks around it, must be a category's name, none twice; every category
// the deck has five-card hands of must be named. The order is the named
// categories with five-card hands, in the text's order, and reads back from
// orderText. A text that breaks a rule gets the message for the first
// broken rule along the text (a missing name only once the text is read).
//
// Input: one byte picking the deck (its value modulo 70, suits outermost, as
// --all lists them), then the text.

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "engine/exact/five_card_formulas.h"
#include "engine/vocabulary/hand_category.h"
#include "report/input/order_reading.h"

namespace {

using namespace marvane;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

enum class Problem { None, EmptyName, Unknown, Twice, Missing };

struct Expected {
    Problem problem = Problem::None;
    CategoryOrder order;
};

Expected model(const std::string& text, Deck deck) {
    const CategoryCounts fiveCards = compute_counts(deck);
    std::array<bool, kCategoryCount> named{};
    Expected expected;
    std::size_t start = 0;
    for (bool last = false; !last;) {
        const std::size_t comma = text.find(',', start);
        last = comma == std::string::npos;
        std::string piece = text.substr(start, last ? std::string::npos : comma - start);
        start = comma + 1;
        const std::string blanks = " \t\n\v\f\r";
        piece.erase(0, piece.find_first_not_of(blanks) == std::string::npos
                           ? piece.size()
                           : piece.find_first_not_of(blanks));
        piece.erase(piece.find_last_not_of(blanks) + 1);
        if (piece.empty()) {
            return {Problem::EmptyName, {}};
        }
        std::size_t found = kCategoryCount;
        for (std::size_t c = 0; c < kCategoryCount; ++c) {
            if (displayName(static_cast<HandCategory>(c)) == piece) {
                found = c;
            }
        }
        if (found == kCategoryCount) {
            return {Problem::Unknown, {}};
        }
        if (named[found]) {
            return {Problem::Twice, {}};
        }
        named[found] = true;
        if (fiveCards[static_cast<HandCategory>(found)] != 0) {
            expected.order.push_back(static_cast<HandCategory>(found));
        }
    }
    for (std::size_t c = 0; c < kCategoryCount; ++c) {
        if (fiveCards[static_cast<HandCategory>(c)] != 0 && !named[c]) {
            return {Problem::Missing, {}};
        }
    }
    return expected;
}

bool mentions(const std::string& message, std::string_view words) {
    return message.find(words) != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::uint32_t deckIndex = data[0] % 70;
    const Deck deck{4 + deckIndex / 14, 7 + deckIndex % 14};
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    const auto got = readCategoryOrder(text, deck, kHandSize, 0);
    const Expected expected = model(text, deck);
    if (expected.problem == Problem::None) {
        const auto* order = std::get_if<CategoryOrder>(&got);
        check(order != nullptr && *order == expected.order);
        const auto again = readCategoryOrder(orderText(*order), deck, kHandSize, 0);
        check(std::holds_alternative<CategoryOrder>(again) &&
              std::get<CategoryOrder>(again) == *order);
        return 0;
    }
    const auto* message = std::get_if<std::string>(&got);
    check(message != nullptr && !message->empty());
    switch (expected.problem) {
        case Problem::EmptyName:
            check(mentions(*message, "an empty name"));
            break;
        case Problem::Unknown:
            check(mentions(*message, "unknown category \""));
            break;
        case Problem::Twice:
            check(mentions(*message, "\" appears twice"));
            break;
        default:
            check(mentions(*message, "leaves out \""));
            break;
    }
    return 0;
}
