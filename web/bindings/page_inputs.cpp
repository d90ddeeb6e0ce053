// SPDX-License-Identifier: MIT
#include "web/bindings/page_inputs.h"

#include <variant>

#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/hand_count.h"
#include "report/input/number_reading.h"
#include "report/input/order_reading.h"

#ifndef MARVANE_WEB_VERSION
#define MARVANE_WEB_VERSION "unknown"
#endif

namespace marvane::web {

namespace {

// A field's text; a number sent as a number (a test's shortcut) reads as its digits.
std::string fieldText(const nlohmann::json& fields, const char* name, const char* fallback) {
    const auto found = fields.find(name);
    if (found == fields.end() || found->is_null()) {
        return fallback;
    }
    if (found->is_string()) {
        return found->get<std::string>();
    }
    if (found->is_number_unsigned()) {
        return std::to_string(found->get<std::uint64_t>());
    }
    // Anything else is no number at all: the reading says so in its words.
    return "?";
}

std::uint32_t readField(const nlohmann::json& fields, const char* name, const char* fallback,
                        std::uint32_t min, std::uint32_t max) {
    const NumberReading reading = readNumber(fieldText(fields, name, fallback), min, max);
    if (reading.status != NumberReadingStatus::Ok) {
        throw FieldError{name, numberReadingMessage(reading.status, min, max)};
    }
    return reading.value;
}

}  // namespace

CountRequest readRequest(const nlohmann::json& fields) {
    if (!fields.is_object()) {
        throw FieldError{
            "suits", numberReadingMessage(NumberReadingStatus::NotAnInteger, kMinSuits, kMaxSuits)};
    }
    CountRequest request;
    request.deck.suits = readField(fields, "suits", "", kMinSuits, kMaxSuits);
    request.deck.ranks = readField(fields, "ranks", "", kMinRanks, kMaxRanks);
    request.cards = readField(fields, "cards", "5", kMinCards, kMaxCards);
    request.jokers = readField(fields, "jokers", "0", 0, kMaxJokers);
    // One module instance runs on one thread: the page's workers are
    // separate instances, each with its share.
    request.workers = 1;
    const auto enumerate = fields.find("enumerate");
    request.enumerate =
        enumerate != fields.end() && enumerate->is_boolean() && enumerate->get<bool>();
    const std::string orderText = fieldText(fields, "order", "");
    if (orderText.find_first_not_of(" \t") != std::string::npos) {
        auto reading = readCategoryOrder(orderText, request.deck, request.cards, request.jokers);
        if (const auto* message = std::get_if<std::string>(&reading)) {
            throw FieldError{"order", *message + "."};
        }
        if (!countedByFiveCardFormulas(request.cards, request.jokers)) {
            request.order = std::get<CategoryOrder>(std::move(reading));
        }
    }
    return request;
}

nlohmann::json limitsJson() {
    return {{"suits", {kMinSuits, kMaxSuits}}, {"ranks", {kMinRanks, kMaxRanks}},
            {"cards", {kMinCards, kMaxCards}}, {"jokers", {0, kMaxJokers}},
            {"fiveCards", kHandSize},          {"version", MARVANE_WEB_VERSION}};
}

}  // namespace marvane::web
