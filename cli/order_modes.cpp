// SPDX-License-Identifier: MIT
#include "cli/order_modes.h"

#include <iostream>

#include "cli/program_output.h"
#include "report/orders/order_report.h"
#include "report/writers/order_writer.h"

namespace marvane {

int run(const FindOrderOptions& options) {
    std::vector<OrderSearchReport> reports;
    for (Deck deck : options.decks) {
        reports.push_back(buildOrderSearchReport(deck, options.cards, options.jokers));
    }
    writeOrderSearches(std::cout, reports, options.report);
    return writtenStatus();
}

int run(const CheckOrderOptions& options) {
    std::vector<OrderCheckReport> reports;
    for (Deck deck : options.decks) {
        reports.push_back(
            buildOrderCheckReport(deck, options.cards, options.order, options.jokers));
    }
    writeOrderChecks(std::cout, reports, options.report);
    return writtenStatus();
}

}  // namespace marvane
