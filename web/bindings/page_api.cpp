// SPDX-License-Identifier: MIT
// The module's one entry point for the page, its workers and the tests: a
// JSON request in, a JSON answer out. Whatever the engine or report throws
// comes back as {"error": ...}; nothing aborts the module.

#include <emscripten/emscripten.h>

#include <exception>
#include <nlohmann/json.hpp>
#include <string>

#include "engine/enumeration/work_split.h"
#include "report/results/count_request.h"
#include "report/results/count_table.h"
#include "web/bindings/page_inputs.h"
#include "web/bindings/page_results.h"

// The worker's script hears how far its share has got (hands done, hands in
// the share); the page's main module has no listener and ignores it.
// NOLINTNEXTLINE
EM_JS(void, marvane_share_progress, (double done, double total), {
    if (Module["onShareProgress"]) {
        Module["onShareProgress"](done, total);
    }
});

namespace marvane::web {

namespace {

using Json = nlohmann::json;

// The hands' first cards cut into `shares` parts of about equal work, as
// the desktop's workers cut them.
Json splitJson(const CountRequest& request, std::uint32_t shares) {
    const std::vector<FirstCards> parts =
        countedByFiveCardFormulas(request.cards, request.jokers)
            ? splitFirstCardsByHands(request.deck, shares)
            : splitFirstCards(request.deck.cardCount(), request.cards, shares);
    Json ranges = Json::array();
    for (const FirstCards& part : parts) {
        ranges.push_back({part.begin, part.end});
    }
    return {{"hands", std::to_string(handsOf(request.deck, request.cards, request.jokers))},
            {"shares", std::move(ranges)}};
}

Json shareJson(CountRequest request, const Json& share) {
    if (!share.is_array() || share.size() != 2) {
        throw std::invalid_argument("a share is [first, end) of the first cards");
    }
    request.share = FirstCards{share[0].get<std::uint32_t>(), share[1].get<std::uint32_t>()};
    request.progress = [](std::uint64_t done, std::uint64_t total) {
        marvane_share_progress(static_cast<double>(done), static_cast<double>(total));
        return true;
    };
    const EnumerationRun run = enumerateShare(request);
    if (run.status != RunStatus::Completed) {
        throw std::invalid_argument("the share could not be enumerated");
    }
    return {{"counts", countsJson(run.counts)}, {"visited", std::to_string(run.handsVisited)}};
}

// The count table of the last deck, hand size and jokers asked about: a
// result, its example hands, its order search and its enumeration's report
// all read it, and building it is the expensive part of a K-card result.
const OrderCounter& countingFor(const CountRequest& request) {
    static SharedCountTable table;
    if (!table || table->deck() != request.deck || table->cards() != request.cards ||
        table->jokers() != request.jokers) {
        table = buildCountTable(request.deck, request.cards, request.jokers);
    }
    return *table;
}

Json carryOut(const Json& call) {
    const std::string op = call.value("op", "");
    if (op == "limits") {
        return limitsJson();
    }
    if (op == "explain") {
        // The help text needs no deck; the jokers and the hand size change its words.
        const CountRequest words = readRequest({{"suits", "4"},
                                                {"ranks", "13"},
                                                {"cards", call.value("cards", Json("5"))},
                                                {"jokers", call.value("jokers", Json("0"))}});
        return explanationJson(words.jokers, words.cards);
    }
    // Everything else is about the deck in the fields.
    CountRequest request = readRequest(call);
    if (op == "read") {
        return {{"ok", true}};
    }
    // The ops that read the deck's count table share the last one built.
    if (op == "count" || op == "examples" || op == "fromShares" || op == "findOrder") {
        request.counting = &countingFor(request);
    }
    if (op == "count") {
        return resultJson(request, answer(request));
    }
    if (op == "examples") {
        return examplesJson(answer(request));
    }
    if (op == "split") {
        return splitJson(request, call.value("shares", 1U));
    }
    if (op == "share") {
        return shareJson(request, call.value("share", Json()));
    }
    if (op == "fromShares") {
        return resultJson(request, answerFromShares(request, countsFromJson(call.at("counts"))));
    }
    if (op == "findOrder") {
        return orderSearchJson(*request.counting);
    }
    if (op == "checkOrder") {
        return orderCheckJson(request);
    }
    if (op == "crossings") {
        return crossingsJson(request, call.value("varying", ""));
    }
    throw std::invalid_argument("unknown request: " + op);
}

// The answer lives until the next call, for the caller to copy.
std::string& lastAnswer() {
    static std::string answer;
    return answer;
}

}  // namespace

}  // namespace marvane::web

extern "C" EMSCRIPTEN_KEEPALIVE const char* marvane_call(const char* request) {
    using marvane::web::FieldError;
    nlohmann::json answer;
    try {
        answer = marvane::web::carryOut(nlohmann::json::parse(request));
    } catch (const FieldError& error) {
        answer = {{"error", error.message}, {"field", error.field}};
    } catch (const std::exception& error) {
        answer = {{"error", error.what()}};
    } catch (...) {
        answer = {{"error", "an unexpected failure"}};
    }
    // Invalid UTF-8 from the page comes back replaced, never as an exception.
    marvane::web::lastAnswer() =
        answer.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    return marvane::web::lastAnswer().c_str();
}
