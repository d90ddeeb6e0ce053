// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/search/order_search.h"
#include "engine/vocabulary/card.h"
#include "engine/vocabulary/hand_category.h"
#include "report/results/shown_report.h"

namespace marvane {

// How a category's example hand came out for a result.
enum class ExampleStatus {
    Found,             // `hand` has the result's number of cards
    CannotOccur,       // the deck has no hand of the category; `reason` says why
    NoHandOfThisSize,  // six or seven cards or jokers, and no such hand counts in it
    NotFound,          // hands of that size exist, but none grows from the five-card example
};

// What the results' explanations say of one category besides its definition.
struct CategoryNotes {
    ExampleStatus example = ExampleStatus::NotFound;
    Hand hand;                     // its cards other than jokers
    std::uint32_t handJokers = 0;  // the jokers it holds besides
    std::string reason;
    // The pairs that break the result's order with this category as the
    // commoner one, in the order breakingPairs lists them.
    std::vector<BreakingPair> brokenBy;
};

// Everything the explanations of one result need beyond texts, found once
// per result: the example hands (a search for six or seven cards) and the
// pairs that break the order.
struct ResultNotes {
    bool deckOrder = true;  // the counts are under the deck's own order
    std::array<CategoryNotes, kCategoryCount> categories;  // by category index

    const CategoryNotes& of(HandCategory category) const {
        return categories.at(indexOf(category));
    }
};

ResultNotes resultNotes(const ShownReport& report);

}  // namespace marvane
