// SPDX-License-Identifier: MIT
#include "report/words/result_notes.h"

#include "report/examples/example_hands.h"
#include "report/examples/joker_examples.h"
#include "report/orders/order_report.h"

namespace marvane {

namespace {

CategoryNotes exampleNotes(HandCategory category, const ShownReport& report) {
    CategoryNotes notes;
    // A hand of three or four cards is classed as itself: its own example.
    CategoryExample example = report.cards < kHandSize
                                  ? smallHandExample(category, report.deck, report.cards)
                                  : exampleHand(category, report.deck);
    if (example.occurs() && report.cards > kHandSize) {
        // A category without hands of this size needs no search to say so.
        const ShownRow* row = report.row(category);
        if (row != nullptr && row->sourceCount() == 0) {
            notes.example = ExampleStatus::NoHandOfThisSize;
            return notes;
        }
        example = exampleHand(category, report.deck, report.cards, report.order);
        if (!example.occurs()) {
            notes.example = ExampleStatus::NotFound;
            return notes;
        }
    }
    if (example.occurs()) {
        notes.example = ExampleStatus::Found;
        notes.hand = std::move(example.hand);
    } else {
        notes.example = ExampleStatus::CannotOccur;
        notes.reason = std::move(example.reason);
    }
    return notes;
}

// With jokers: a hand that holds one where it shows the category best.
CategoryNotes jokerNotes(HandCategory category, const ShownReport& report) {
    CategoryNotes notes;
    const bool reachable =
        (reachableCategories(report.deck, report.cards, report.jokers) >> indexOf(category)) & 1U;
    if (!reachable) {
        notes.example = ExampleStatus::CannotOccur;
        notes.reason = report.cards < kHandSize
                           ? smallHandExample(category, report.deck, report.cards).reason
                           : exampleHand(category, report.deck).reason;
        return notes;
    }
    const ShownRow* row = report.row(category);
    if (row != nullptr && row->sourceCount() == 0) {
        notes.example = ExampleStatus::NoHandOfThisSize;
        return notes;
    }
    JokerExample example =
        exampleJokerHand(category, report.deck, report.cards, report.jokers, report.order);
    if (example.occurs()) {
        notes.example = ExampleStatus::Found;
        notes.hand = std::move(example.naturals);
        notes.handJokers = example.jokers;
    }
    return notes;
}

}  // namespace

ResultNotes resultNotes(const ShownReport& report) {
    ResultNotes notes;
    notes.deckOrder = report.order == defaultOrder(report.deck, report.cards, report.jokers);
    for (std::size_t index = 0; index < kCategoryCount; ++index) {
        const HandCategory category = *categoryFromIndex(index);
        notes.categories[index] =
            report.jokers > 0 ? jokerNotes(category, report) : exampleNotes(category, report);
    }
    if (const auto* cards = std::get_if<KCardReport>(&report.source)) {
        for (const BreakingPair& pair : breakingPairs(*cards)) {
            notes.categories[indexOf(pair.commoner)].brokenBy.push_back(pair);
        }
    }
    return notes;
}

}  // namespace marvane
