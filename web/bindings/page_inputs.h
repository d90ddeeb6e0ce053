// SPDX-License-Identifier: MIT
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "report/results/count_request.h"

namespace marvane::web {

// A field the page could not take, and what it shows beside it: the
// dialog's own message ("Please enter an integer between 4 and 8.").
struct FieldError {
    std::string field;  // "suits", "ranks", "cards", "jokers" or "order"
    std::string message;
};

// The page's fields as the user typed them, read in the dialog's order
// (suits, ranks, cards, jokers, then the order), stopping at the first bad
// one, which is thrown as a FieldError. Only what the request names is
// read: a missing "order" is the deck's own, a missing "enumerate" is false.
// At five cards without jokers an order is read (so a bad one is still
// told) but not passed on: it changes no count there.
CountRequest readRequest(const nlohmann::json& fields);

// The admissible ranges and the version, for the page's fields and its About.
nlohmann::json limitsJson();

}  // namespace marvane::web
