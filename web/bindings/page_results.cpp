// SPDX-License-Identifier: MIT
#include "web/bindings/page_results.h"

#include <sstream>
#include <stdexcept>

#include "engine/series/crossings.h"
#include "engine/vocabulary/category_order.h"
#include "report/input/order_reading.h"
#include "report/orders/order_report.h"
#include "report/results/deck_series.h"
#include "report/words/card_notation.h"
#include "report/words/category_definitions.h"
#include "report/words/crossing_words.h"
#include "report/words/explanations.h"
#include "report/words/result_notes.h"
#include "report/writers/order_writer.h"

namespace marvane::web {

namespace {

using Json = nlohmann::json;

std::string written(const ShownReport& report, ReportFormat format) {
    std::ostringstream out;
    writeShownReport(out, report, {.format = format, .odds = true});
    return out.str();
}

Json orderNames(const CategoryOrder& order) {
    Json names = Json::array();
    for (HandCategory category : order) {
        names.push_back(displayName(category));
    }
    return names;
}

const char* exampleStatusName(ExampleStatus status) {
    switch (status) {
        case ExampleStatus::Found:
            return "found";
        case ExampleStatus::CannotOccur:
            return "cannotOccur";
        case ExampleStatus::NoHandOfThisSize:
            return "noHandOfThisSize";
        case ExampleStatus::NotFound:
            break;
    }
    return "notFound";
}

Json pairJson(const BreakingPair& pair) {
    return {{"rarer", displayName(pair.rarer)},
            {"commoner", displayName(pair.commoner)},
            {"rarerCount", std::to_string(pair.rarerCount)},
            {"commonerCount", std::to_string(pair.commonerCount)},
            {"sentence", breakingPairSentence(pair)}};
}

Json rowJson(const ShownRow& row, const ShownReport& report) {
    Json item{{"index", indexOf(row.category)},
              {"name", row.name},
              {"computed", std::to_string(row.computed)},
              {"total", std::to_string(row.total)},
              {"probability", probabilityText(row)},
              {"odds", row.odds ? Json(*row.odds) : Json(nullptr)},
              // What the probability and odds columns sort by.
              {"sourceCount", static_cast<double>(row.sourceCount())},
              {"definition", categoryDefinition(row.category, report.jokers, report.cards)},
              {"brokenBy", Json::array()}};
    if (row.enumerated) {
        item["enumerated"] = std::to_string(*row.enumerated);
    }
    return item;
}

}  // namespace

Json resultJson(const CountRequest& request, const ShownReport& report) {
    Json rows = Json::array();
    for (const ShownRow& row : report.rows) {
        rows.push_back(rowJson(row, report));
    }
    // A row commoner than a category ranked below it is marked, as in the dialog.
    if (const auto* cards = std::get_if<KCardReport>(&report.source)) {
        for (const BreakingPair& pair : breakingPairs(*cards)) {
            for (Json& row : rows) {
                if (row["index"] == indexOf(pair.commoner)) {
                    row["brokenBy"].push_back(pairJson(pair));
                }
            }
        }
    }
    Json mismatches = Json::array();
    for (const CountMismatch& mismatch : report.mismatches) {
        mismatches.push_back(describeMismatch(report.deck, report.cards, report.jokers, mismatch));
    }
    return {{"suits", report.deck.suits},
            {"ranks", report.deck.ranks},
            {"cards", report.cards},
            {"jokers", report.jokers},
            {"hands", std::to_string(report.hands)},
            {"floatingPath", report.floatingPath},
            {"enumerated", report.enumerated},
            {"order", orderNames(report.order)},
            {"orderText", orderText(report.order)},
            {"chosenOrder", !request.order.empty()},
            {"deckOrder", report.order == defaultOrder(report.deck, report.cards, report.jokers)},
            {"fiveCards", countedByFiveCardFormulas(report.cards, report.jokers)},
            // Without jokers a hand of up to five cards has one category, so
            // an order changes no count there.
            {"oneCategoryPerHand", report.jokers == 0 && report.cards <= kHandSize},
            {"rows", std::move(rows)},
            {"mismatches", std::move(mismatches)},
            {"table", written(report, ReportFormat::Table)},
            {"csv", written(report, ReportFormat::Csv)},
            {"json", written(report, ReportFormat::Json)}};
}

Json examplesJson(const ShownReport& report) {
    const ResultNotes notes = resultNotes(report);
    Json examples = Json::array();
    for (std::size_t index = 0; index < kCategoryCount; ++index) {
        const CategoryNotes& category = notes.categories[index];
        examples.push_back({{"index", index},
                            {"example", exampleStatusName(category.example)},
                            {"hand", category.example == ExampleStatus::Found
                                         ? handText(category.hand, category.handJokers)
                                         : std::string()},
                            {"reason", category.reason}});
    }
    return examples;
}

Json countsJson(const CategoryCounts64& counts) {
    Json texts = Json::array();
    for (std::size_t index = 0; index < kCategoryCount; ++index) {
        texts.push_back(std::to_string(counts[index]));
    }
    return texts;
}

CategoryCounts64 countsFromJson(const Json& counts) {
    if (!counts.is_array() || counts.size() != kCategoryCount) {
        throw std::invalid_argument("the shares' counts need one number per category");
    }
    CategoryCounts64 result;
    for (std::size_t index = 0; index < kCategoryCount; ++index) {
        const std::string text = counts[index].get<std::string>();
        std::size_t used = 0;
        result[index] = std::stoull(text, &used);
        if (used != text.size()) {
            throw std::invalid_argument("a share's count is not a number: " + text);
        }
    }
    return result;
}

Json orderSearchJson(const OrderCounter& counting) {
    const OrderSearchReport report = buildOrderSearchReport(counting);
    std::ostringstream table;
    writeOrderSearches(table, {report}, {});
    Json steps = Json::array();
    for (const OrderStep& step : report.search.steps) {
        steps.push_back({{"order", orderNames(step.order)}, {"text", orderText(step.order)}});
    }
    return {{"table", table.str()},
            {"steps", std::move(steps)},
            {"outcome", searchOutcomeSentence(report.search)},
            {"existence", existenceSentence(report)},
            {"consistent",
             report.consistentOrder ? Json(orderText(*report.consistentOrder)) : Json(nullptr)}};
}

Json orderCheckJson(const CountRequest& request) {
    const OrderCheckReport report =
        buildOrderCheckReport(request.deck, request.cards, request.order, request.jokers);
    std::ostringstream table;
    writeOrderChecks(table, {report}, {});
    Json pairs = Json::array();
    for (const BreakingPair& pair : report.pairs) {
        pairs.push_back(pairJson(pair));
    }
    return {{"table", table.str()},
            {"order", orderText(report.order)},
            {"selfConsistent", report.pairs.empty()},
            {"pairs", std::move(pairs)}};
}

namespace {

// Each deck of a series: the value that varies and every category's
// probability, for a chart of one category along the series.
Json seriesJson(const std::vector<std::pair<std::uint32_t, ShownReport>>& reports) {
    Json points = Json::array();
    for (const auto& [value, report] : reports) {
        Json probabilities = Json::array();
        for (std::size_t index = 0; index < kCategoryCount; ++index) {
            const ShownRow* row = report.row(*categoryFromIndex(index));
            probabilities.push_back(row ? row->probability : 0.0);
        }
        points.push_back({{"value", value}, {"probabilities", std::move(probabilities)}});
    }
    return points;
}

// A crossing in parts, for the page's languages, and in marvane-count's words.
Json crossingJson(const Crossing& crossing, std::string_view unit) {
    return {{"from", crossing.from},
            {"to", crossing.to},
            {"rarer", displayName(crossing.rarer)},
            {"commoner", displayName(crossing.commoner)},
            {"equalFrom", crossing.equalFrom ? Json(*crossing.equalFrom) : Json(nullptr)},
            {"unit", unit},
            {"sentence", describeCrossing(crossing, unit)}};
}

}  // namespace

Json crossingsJson(const CountRequest& request, const std::string& varying) {
    std::vector<std::pair<std::uint32_t, ShownReport>> reports;
    Json sentences = Json::array();
    if (varying == "cards") {
        for (const Crossing& crossing : findCardCrossings(request.deck, request.jokers)) {
            sentences.push_back(crossingJson(crossing, "cards"));
        }
        std::uint32_t cards = kMinCards;
        for (ShownReport& report : cardSeriesReports(request.deck, request.jokers)) {
            reports.emplace_back(cards++, std::move(report));
        }
    } else if (varying == "jokers") {
        for (const Crossing& crossing : findJokerCrossings(request.deck, request.cards)) {
            sentences.push_back(crossingJson(crossing, jokerUnit(crossing)));
        }
        std::uint32_t jokers = 0;
        for (ShownReport& report : jokerSeriesReports(request.deck, request.cards)) {
            reports.emplace_back(jokers++, std::move(report));
        }
    } else {
        const auto dimension = dimensionFromName(varying);
        if (!dimension) {
            throw std::invalid_argument("no such series: " + varying);
        }
        const std::uint32_t fixed =
            *dimension == DeckDimension::Suits ? request.deck.ranks : request.deck.suits;
        for (const Crossing& crossing :
             findCrossings(*dimension, fixed, request.cards, request.jokers)) {
            sentences.push_back(crossingJson(crossing, dimensionName(*dimension)));
        }
        for (ShownReport& report :
             seriesReports(*dimension, request.deck, request.cards, request.jokers)) {
            const std::uint32_t value = varyingValue(report.deck, *dimension);
            reports.emplace_back(value, std::move(report));
        }
    }
    return {
        {"varying", varying}, {"crossings", std::move(sentences)}, {"series", seriesJson(reports)}};
}

Json explanationJson(std::uint32_t jokers, std::uint32_t cards) {
    Json terms = Json::array();
    auto add = [&terms](std::string_view name, std::string_view definition) {
        terms.push_back({{"name", name}, {"definition", definition}});
    };
    for (const Term& term : suitPatternTerms(jokers, cards)) {
        add(term.name, term.definition);
    }
    add(kTotalTerm.name, kTotalTerm.definition);
    add(kFloatingPathTerm.name, kFloatingPathTerm.definition);
    for (const Term& term : kHandSizeTerms) {
        add(term.name, term.definition);
    }
    add(kJokerTerm.name, kJokerTerm.definition);
    Json categories = Json::array();
    for (std::size_t index = 0; index < kCategoryCount; ++index) {
        const HandCategory category = *categoryFromIndex(index);
        categories.push_back({{"index", index},
                              {"name", displayName(category)},
                              {"definition", categoryDefinition(category, jokers, cards)}});
    }
    return {{"text", explanationText(jokers, cards)},
            {"categories", std::move(categories)},
            {"terms", std::move(terms)},
            {"notation", kCardNotation}};
}

}  // namespace marvane::web
