// SPDX-License-Identifier: MIT
#include "report/results/count_request.h"

#include <stdexcept>

#include "engine/enumeration/five_card_hands.h"
#include "engine/enumeration/joker_enumerator.h"
#include "engine/exact/binomial.h"
#include "report/results/five_card_report.h"
#include "report/results/k_card_report.h"

namespace marvane {

namespace {

void checkRanges(const CountRequest& request) {
    if (request.cards < kMinCards || request.cards > kMaxCards) {
        throw std::invalid_argument("a hand holds " + std::to_string(kMinCards) + " to " +
                                    std::to_string(kMaxCards) + " cards, not " +
                                    std::to_string(request.cards));
    }
    // The reports check the rest: deck, jokers, workers, order.
}

FiveCardReportOptions fiveCardOptions(const CountRequest& request) {
    return {.deck = request.deck,
            .enumerate = request.enumerate,
            .progress = request.progress,
            .stop = request.stop,
            .workers = request.workers};
}

KCardReportOptions kCardOptions(const CountRequest& request) {
    return {.deck = request.deck,
            .cards = request.cards,
            .jokers = request.jokers,
            .order = request.order,
            .enumerate = request.enumerate,
            .progress = request.progress,
            .stop = request.stop,
            .workers = request.workers,
            .counting = request.counting};
}

}  // namespace

ShownReport answer(const CountRequest& request) {
    checkRanges(request);
    if (request.share) {
        throw std::invalid_argument("a share of the hands is enumerated by enumerateShare");
    }
    if (countedByFiveCardFormulas(request.cards, request.jokers)) {
        // Every five-card hand has one category: an order changes nothing.
        return shownReport(buildFiveCardReport(fiveCardOptions(request)));
    }
    return shownReport(buildKCardReport(kCardOptions(request)));
}

EnumerationRun enumerateShare(const CountRequest& request) {
    if (!request.share || request.cards < kMinCards || request.cards > kMaxCards ||
        !request.deck.isAdmissible()) {
        return {};
    }
    const RunOptions run{.workers = request.workers,
                         .progress = request.progress,
                         .stop = request.stop,
                         .share = request.share};
    if (countedByFiveCardFormulas(request.cards, request.jokers)) {
        EngineState state;
        return enumerateFiveCardHands(request.deck, state, {}, run);
    }
    const CategoryOrder order = request.order.empty()
                                    ? defaultOrder(request.deck, request.cards, request.jokers)
                                    : request.order;
    return enumerateJokers(request.deck, request.cards, request.jokers, order, run);
}

ShownReport answerFromShares(const CountRequest& request, const CategoryCounts64& enumerated) {
    checkRanges(request);
    if (countedByFiveCardFormulas(request.cards, request.jokers)) {
        FiveCardReportOptions options = fiveCardOptions(request);
        options.enumerate = false;
        FiveCardReportBuilder builder(options);
        CategoryCounts counts;
        for (std::size_t c = 0; c < kCategoryCount; ++c) {
            counts[c] = static_cast<std::uint32_t>(enumerated[c]);
        }
        builder.takeEnumerated(counts);
        return shownReport(builder.finish());
    }
    KCardReportOptions options = kCardOptions(request);
    options.enumerate = false;
    options.enumerated = &enumerated;
    return shownReport(buildKCardReport(options));
}

std::uint32_t fiveCardProgressTicks(Deck deck) {
    const std::uint32_t hands = binomial(deck.cardCount(), kHandSize);
    return hands / progressStepFor(hands);
}

}  // namespace marvane
