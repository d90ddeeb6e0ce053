// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

#include "engine/vocabulary/category_order.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/hand_count.h"
#include "report/writers/five_card_writer.h"

namespace marvane {

// --find-order: the search for a self-consistent order, deck by deck.
struct FindOrderOptions {
    std::vector<Deck> decks;
    std::uint32_t cards = kHandSize;
    std::uint32_t jokers = 0;
    ReportOptions report;  // the format, and whether the decks are --all
};

// --check-order: the pairs of categories that break an order.
struct CheckOrderOptions {
    std::vector<Deck> decks;
    std::uint32_t cards = kHandSize;
    std::uint32_t jokers = 0;
    CategoryOrder order;  // empty: the deck's own
    ReportOptions report;
};

// Each writes its report to stdout: kExitFailure only when that fails.
int run(const FindOrderOptions& options);
// A report, not a verdict: the status is the same whether pairs break or not.
int run(const CheckOrderOptions& options);

}  // namespace marvane
