// SPDX-License-Identifier: MIT
#include "cli/option_reading.h"

#include <span>
#include <string_view>

#include "report/input/number_reading.h"
#include "report/input/order_reading.h"
#include "report/results/five_card_report.h"
#include "report/words/explanations.h"

namespace marvane {

namespace {

// Options that can't be given together, and what the user is told. CLI11's
// excludes() would say it in its own words and add lines to the help.
struct ExclusionRule {
    bool (*breaks)(const GivenOptions&);
    std::string_view message;
};

// Options of a deck's counts, which no series of crossings has.
bool perDeckOption(const GivenOptions& given) {
    return given.all || given.enumerate || given.odds;
}

// The order reports against each other and against the rest.
constexpr ExclusionRule kOrderRules[] = {
    {[](const GivenOptions& g) { return g.findOrder && g.checkOrder; },
     "--find-order and --check-order are two reports: choose one"},
    {[](const GivenOptions& g) { return g.order && g.findOrder; },
     "--find-order starts from the deck's own order: leave out --order"},
    {[](const GivenOptions& g) { return (g.order || g.findOrder || g.checkOrder) && g.crossings; },
     "--order, --find-order and --check-order cannot be combined with --crossings"},
    {[](const GivenOptions& g) { return g.order && g.all; },
     "--order names the categories of one deck: leave out --all"},
    {[](const GivenOptions& g) { return g.findOrder && (g.enumerate || g.odds); },
     "--find-order works from the exact count: leave out --enumerate and --odds"},
    {[](const GivenOptions& g) { return g.checkOrder && (g.enumerate || g.odds); },
     "--check-order works from the exact count: leave out --enumerate and --odds"},
};

// --crossings cards and --crossings jokers: one deck, and the series covers
// what it varies.
constexpr ExclusionRule kOneDeckCrossingsRules[] = {
    {perDeckOption, "--crossings cannot be combined with --all, --enumerate or --odds"},
    {[](const GivenOptions& g) { return *g.crossings == "jokers" && g.jokers; },
     "--crossings jokers covers 0 to 4 jokers: leave out --jokers"},
    {[](const GivenOptions& g) { return *g.crossings == "cards" && g.cards; },
     "--crossings cards covers 3 to 8 cards: leave out --cards"},
};

// Names the first rule broken, in the table's order. Mistakes are thrown as
// UsageError, which readOptions returns.
void checkRules(std::span<const ExclusionRule> rules, const GivenOptions& given) {
    for (const ExclusionRule& rule : rules) {
        if (rule.breaks(given)) {
            throw UsageError{std::string(rule.message)};
        }
    }
}

// The dialog's own message for a bad number: "--jobs: Please enter ...".
std::uint32_t readNumberOption(std::string_view name, const std::string& text, std::uint32_t min,
                               std::uint32_t max) {
    const NumberReading reading = readNumber(text, min, max);
    if (reading.status != NumberReadingStatus::Ok) {
        throw UsageError{std::string(name) + ": " + numberReadingMessage(reading.status, min, max)};
    }
    return reading.value;
}

std::uint32_t readDimension(std::string_view name, const std::optional<std::string>& text,
                            std::uint32_t min, std::uint32_t max) {
    if (!text) {
        throw UsageError{std::string(name) + " is required (or use --all)"};
    }
    return readNumberOption(name, *text, min, max);
}

Deck readDeck(const GivenOptions& given) {
    const std::uint32_t suits = readDimension("--suits", given.suits, kMinSuits, kMaxSuits);
    return {suits, readDimension("--ranks", given.ranks, kMinRanks, kMaxRanks)};
}

ParseOutcome readCrossings(const GivenOptions& given, std::uint32_t cards, std::uint32_t jokers,
                           ReportFormat format) {
    const std::string& name = *given.crossings;
    if (name == "cards" || name == "jokers") {
        checkRules(kOneDeckCrossingsRules, given);
        const Deck deck = readDeck(given);
        if (name == "jokers") {
            return JokerCrossingsOptions{deck, cards, format};
        }
        return CardCrossingsOptions{deck, jokers, format};
    }
    auto query = readCrossingsQuery({name, given.suits, given.ranks, perDeckOption(given)});
    if (const auto* message = std::get_if<std::string>(&query)) {
        throw UsageError{*message};
    }
    return DeckCrossingsOptions{std::get<CrossingsQuery>(query), cards, jokers, format};
}

std::uint32_t readCards(const GivenOptions& given) {
    if (!given.cards) {
        return kHandSize;
    }
    const NumberReading reading = readNumber(*given.cards, kMinCards, kMaxCards);
    if (reading.status != NumberReadingStatus::Ok) {
        // Whatever is wrong, the range says what to give.
        throw UsageError{"--cards: Please enter an integer between " + std::to_string(kMinCards) +
                         " and " + std::to_string(kMaxCards) + "."};
    }
    return reading.value;
}

ParseOutcome readMode(const GivenOptions& given) {
    const std::uint32_t jokers =
        given.jokers ? readNumberOption("--jokers", *given.jokers, 0, kMaxJokers) : 0;
    if (given.explain) {
        return TextToPrint{explanationText(jokers, readCards(given))};
    }
    checkRules(kOrderRules, given);
    const std::uint32_t jobs =
        given.jobs ? readNumberOption("--jobs", *given.jobs, 1, kMaxWorkers) : defaultWorkerCount();
    const std::uint32_t cards = readCards(given);
    const ReportOptions report{
        .format = reportFormatFromName(given.format).value_or(ReportFormat::Table),
        .odds = given.odds,
        .allDecks = given.all};
    if (given.crossings) {
        return readCrossings(given, cards, jokers, report.format);
    }

    const std::vector<Deck> decks = given.all ? allAdmissibleDecks() : std::vector{readDeck(given)};
    CategoryOrder order;
    if (given.order) {  // never with --all
        auto reading = readCategoryOrder(*given.order, decks.front(), cards, jokers);
        if (const auto* message = std::get_if<std::string>(&reading)) {
            throw UsageError{"--order: " + *message + "."};
        }
        order = std::get<CategoryOrder>(std::move(reading));
    }
    if (given.findOrder) {
        return FindOrderOptions{decks, cards, jokers, report};
    }
    if (given.checkOrder) {
        return CheckOrderOptions{decks, cards, jokers, std::move(order), report};
    }
    return CountOptions{decks, cards, jokers, std::move(order), given.enumerate, jobs, report};
}

}  // namespace

ParseOutcome readOptions(const GivenOptions& given) {
    try {
        return readMode(given);
    } catch (const UsageError& error) {
        return error;
    }
}

}  // namespace marvane
