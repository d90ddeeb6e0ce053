// SPDX-License-Identifier: MIT
// marvane-count: the hand counts of the results list on the command line, as
// a table, CSV or JSON, for one deck or for every admissible deck.

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/crossings_command.h"
#include "cli/deck_batch.h"
#include "cli/progress_bar.h"
#include "engine/card_counts.h"
#include "marvane_version.h"
#include "report/cards_format.h"
#include "report/cards_report.h"
#include "report/deck_report.h"
#include "report/explanations.h"
#include "report/number_reading.h"
#include "report/order_format.h"
#include "report/order_reading.h"
#include "report/order_report.h"
#include "report/report_format.h"

namespace {

using namespace marvane;

constexpr std::string_view kProgramName = "marvane-count";

// Exit statuses, as the help text lists them.
constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;  // counts disagree, or the output could not be written
constexpr int kExitUsage = 2;

constexpr std::string_view kFooter =
    R"(Rows are listed as the dialog lists them after sorting by Total: ascending,
rows of equal Total in the dialog's own order. Totals and odds come from the
enumerated counts with --enumerate, else from the computed ones. A "*" after the
number of possible hands (JSON/CSV: floating_path) means it was worked out in
floating point. --all cannot be combined with --suits or --ranks.
--crossings lists, from the closed formulas, where two categories change places
between neighbouring decks: as suits go from 4 to 8 at --ranks R, or as ranks go
from 7 to 20 at --suits S, or as cards per hand go from 5 to 7 in one deck.
With --cards 6 or 7 a hand counts as the best of its fives: the category with
fewer five-card hands in the deck is the better, of two with equal counts the
one listed first by --explain (unless --order says otherwise); counts and
possible hands are exact.
--order counts under an order of your own: the list's names, best first,
commas between, every category the deck has five-card hands of exactly once
(the others may be named or left out). At five cards every hand has one
category, so the counts stay the same.
An order is self-consistent for K cards when no category has more K-card hands
than one ranked below it. --check-order lists every pair that breaks this (not
only neighbours), in order of the rarer one's place, then the commoner one's;
it exits 0 whether pairs break or not.
--find-order starts from the deck's own order, sorts the categories by their
counts (equal counts keep their place) and counts again, until the order stays
(self-consistent) or comes back (a cycle); then it says whether any order at
all is self-consistent, and names one.
--jokers J adds J jokers to the deck. A joker stands for any card, also one the
hand holds, and a hand counts in the best category any five of its cards can
make; the deck's own order puts a category only a joker makes (Five of a Kind in
four suits) first. Counts are exact at any --cards, possible hands are
C(S x R + J, K), and the output names the jokers (CSV and JSON: cards and
jokers). --crossings jokers lists where categories change places as jokers go
from 0 to 4 in one deck, also through a tie, which it names (equal at 2).
--explain --jokers J gives the definitions as jokers make them: a joker may
repeat a card, so five of a kind may repeat a suit.

Examples:
  marvane-count --suits 4 --ranks 13
  marvane-count --suits 5 --ranks 7 --enumerate --odds
  marvane-count --suits 8 --ranks 20 --format json
  marvane-count --all --format csv > counts.csv
  marvane-count --crossings suits --ranks 13
  marvane-count --suits 4 --ranks 13 --cards 7
  marvane-count --crossings cards --suits 4 --ranks 13
  marvane-count --suits 4 --ranks 13 --cards 7 --check-order
  marvane-count --suits 5 --ranks 7 --cards 6 --find-order
  marvane-count --all --cards 7 --find-order --format json
  marvane-count --suits 4 --ranks 13 --jokers 1
  marvane-count --crossings jokers --suits 4 --ranks 13
  marvane-count --all --jokers 1 --cards 6 --find-order
  marvane-count --explain --jokers 1

Exit status: 0 on success; 1 if enumerated and computed counts differ (each
difference is reported on stderr) or the output could not be written;
2 for bad arguments.)";

struct CountRequest {
    std::vector<Deck> decks;
    bool enumerate = false;
    std::uint32_t jobs = defaultWorkerCount();  // threads, for one deck or for --all
    ReportOptions report;
    std::optional<CrossingsQuery> crossings;  // instead of the decks' counts
    std::optional<Deck> cardCrossings;        // from 5 to 7 cards in one deck, instead
    std::uint32_t cards = kMinCards;          // per hand; above 5 the best five counts
    std::uint32_t jokers = 0;                 // each stands for any card
    std::optional<Deck> jokerCrossings;       // from 0 to 4 jokers in one deck, instead
    CategoryOrder order;                      // empty: the deck's own
    bool findOrder = false;                   // the search instead of the counts
    bool checkOrder = false;                  // the breaking pairs instead of the counts
};

struct UsageError {
    std::string message;
};

struct HelpRequest {
    std::string text;
};

using ParseOutcome = std::variant<CountRequest, UsageError, HelpRequest>;

// CLI11 messages can span lines; ours are always one.
std::string oneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

std::variant<std::uint32_t, UsageError> readDimension(const CLI::Option& option,
                                                      const std::string& text, std::uint32_t min,
                                                      std::uint32_t max) {
    if (option.count() == 0) {
        return UsageError{option.get_name() + " is required (or use --all)"};
    }
    const NumberReading reading = readNumber(text, min, max);
    if (reading.status != NumberReadingStatus::Ok) {
        return UsageError{option.get_name() + ": " +
                          numberReadingMessage(reading.status, min, max)};
    }
    return reading.value;
}

// The deck --suits and --ranks name, both required.
std::variant<Deck, UsageError> readDeck(const CLI::Option& suits, const std::string& suitsText,
                                        const CLI::Option& ranks, const std::string& ranksText) {
    auto suitsValue = readDimension(suits, suitsText, kMinSuits, kMaxSuits);
    if (auto* error = std::get_if<UsageError>(&suitsValue)) {
        return *error;
    }
    auto ranksValue = readDimension(ranks, ranksText, kMinRanks, kMaxRanks);
    if (auto* error = std::get_if<UsageError>(&ranksValue)) {
        return *error;
    }
    return Deck{std::get<std::uint32_t>(suitsValue), std::get<std::uint32_t>(ranksValue)};
}

// CLI11 puts the option's name and ": " before the text a check returns.
CLI::Validator formatCheck() {
    return CLI::Validator(
        [](const std::string& name) -> std::string {
            return reportFormatFromName(name) ? "" : "Please choose table, csv or json.";
        },
        "");
}

CLI::Validator leftOutWithAll(const CLI::Option* suits, const CLI::Option* ranks) {
    return CLI::Validator(
        [suits, ranks](const std::string&) -> std::string {
            const bool deckGiven = suits->count() > 0 || ranks->count() > 0;
            return deckGiven ? "covers every deck: leave out --suits and --ranks." : "";
        },
        "");
}

// What can't go with --order, --find-order and --check-order.
std::optional<std::string> orderOptionsProblem(const CountRequest& request, bool orderGiven,
                                               bool all, bool crossings) {
    if (request.findOrder && request.checkOrder) {
        return "--find-order and --check-order are two reports: choose one";
    }
    if (orderGiven && request.findOrder) {
        return "--find-order starts from the deck's own order: leave out --order";
    }
    if ((orderGiven || request.findOrder || request.checkOrder) && crossings) {
        return "--order, --find-order and --check-order cannot be combined with --crossings";
    }
    if (orderGiven && all) {
        return "--order names the categories of one deck: leave out --all";
    }
    if ((request.findOrder || request.checkOrder) && (request.enumerate || request.report.odds)) {
        return std::string(request.findOrder ? "--find-order" : "--check-order") +
               " works from the exact count: leave out --enumerate and --odds";
    }
    return std::nullopt;
}

ParseOutcome parseArguments(int argc, char** argv) {
    CLI::App app{
        "Counts poker hands of five to seven cards, category by category, in a deck of 4 "
        "to 8 suits and 7 to 20 ranks.",
        std::string(kProgramName)};
    app.footer(std::string(kFooter));
    app.set_version_flag("--version", std::string(kProgramName) + " " + kVersion,
                         "Print the version and exit");

    // Suits and ranks are read as text so that a bad value gets the same
    // message as in the dialog rather than CLI11's conversion error.
    std::string suitsText;
    std::string ranksText;
    std::string formatName = "table";
    bool all = false;
    CountRequest request;

    CLI::Option* suits =
        app.add_option("--suits", suitsText, "Number of suits, 4 to 8")->type_name("S");
    CLI::Option* ranks =
        app.add_option("--ranks", ranksText, "Number of ranks, 7 to 20")->type_name("R");
    app.add_flag("--all", all, "Every deck from 4 x 7 to 8 x 20 in one document")
        ->check(leftOutWithAll(suits, ranks));
    app.add_flag("--enumerate", request.enumerate,
                 "Also visit and classify every hand, and check the counts against the formulas");
    app.add_option("--format", formatName, "Output format: table (default), csv or json")
        ->type_name("FORMAT")
        ->check(formatCheck());
    app.add_flag("--odds", request.report.odds, "Add each category's probability and odds");
    std::string jobsText;
    CLI::Option* jobs = app.add_option("--jobs", jobsText,
                                       "Threads to enumerate on, 1 to 256 (default: one per "
                                       "hardware thread; 1 gives a single-threaded run)")
                            ->type_name("N");
    std::string crossingsName;
    CLI::Option* crossings =
        app.add_option("--crossings", crossingsName,
                       "Where categories change places as suits (at --ranks R), ranks "
                       "(at --suits S), cards per hand or jokers (at --suits S --ranks R) grow")
            ->type_name("suits|ranks|cards|jokers");
    std::string cardsText;
    CLI::Option* cards = app.add_option("--cards", cardsText,
                                        "Cards per hand, 5 to 7 (default 5); with 6 or 7 a hand "
                                        "counts as its best five")
                             ->type_name("K");
    std::string jokersText;
    CLI::Option* jokers =
        app.add_option("--jokers", jokersText,
                       "Jokers in the deck, 0 to 4 (default 0); a joker stands for any card, and "
                       "a hand counts in the best category it can make")
            ->type_name("J");
    std::string orderNames;
    CLI::Option* order =
        app.add_option("--order", orderNames,
                       "Count under this order: the list's names, best first, commas between")
            ->type_name("\"NAME, NAME, ...\"");
    app.add_flag("--find-order", request.findOrder,
                 "Search for a self-consistent order for --cards K, and say whether one exists");
    app.add_flag("--check-order", request.checkOrder,
                 "List the pairs of categories that break the order's self-consistency (the "
                 "deck's own order, or --order)");
    bool explain = false;
    app.add_flag("--explain", explain,
                 "Say what each category, suit pattern, Total, the * mark and a joker mean, and "
                 "exit (no deck needed; with --jokers J, the definitions as jokers make them)");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        return HelpRequest{app.help()};
    } catch (const CLI::CallForAllHelp&) {
        return HelpRequest{app.help("", CLI::AppFormatMode::All)};
    } catch (const CLI::CallForVersion& version) {
        return HelpRequest{std::string(version.what()) + "\n"};
    } catch (const CLI::ParseError& error) {
        return UsageError{oneLine(error.what())};
    }
    if (jokers->count() > 0) {
        const NumberReading reading = readNumber(jokersText, 0, kMaxJokers);
        if (reading.status != NumberReadingStatus::Ok) {
            return UsageError{"--jokers: " + numberReadingMessage(reading.status, 0, kMaxJokers)};
        }
        request.jokers = reading.value;
    }
    if (explain) {
        return HelpRequest{explanationText(request.jokers)};
    }
    if (const auto problem =
            orderOptionsProblem(request, order->count() > 0, all, crossings->count() > 0)) {
        return UsageError{*problem};
    }

    if (jobs->count() > 0) {
        const NumberReading reading = readNumber(jobsText, 1, kMaxWorkers);
        if (reading.status != NumberReadingStatus::Ok) {
            return UsageError{"--jobs: " + numberReadingMessage(reading.status, 1, kMaxWorkers)};
        }
        request.jobs = reading.value;
    }
    if (cards->count() > 0) {
        const NumberReading reading = readNumber(cardsText, kMinCards, kMaxCards);
        if (reading.status != NumberReadingStatus::Ok) {
            return UsageError{"--cards: Please enter an integer between 5 and 7."};
        }
        request.cards = reading.value;
    }
    request.report.format = reportFormatFromName(formatName).value_or(ReportFormat::Table);
    request.report.allDecks = all;

    // Crossings within one deck: as the cards or the jokers go through their range.
    if (crossings->count() > 0 && (crossingsName == "cards" || crossingsName == "jokers")) {
        const bool alongJokers = crossingsName == "jokers";
        if (all || request.enumerate || request.report.odds) {
            return UsageError{"--crossings cannot be combined with --all, --enumerate or --odds"};
        }
        if (alongJokers && jokers->count() > 0) {
            return UsageError{"--crossings jokers covers 0 to 4 jokers: leave out --jokers"};
        }
        if (!alongJokers && cards->count() > 0) {
            return UsageError{"--crossings cards covers 5 to 7 cards: leave out --cards"};
        }
        auto deck = readDeck(*suits, suitsText, *ranks, ranksText);
        if (auto* error = std::get_if<UsageError>(&deck)) {
            return *error;
        }
        (alongJokers ? request.jokerCrossings : request.cardCrossings) = std::get<Deck>(deck);
        return request;
    }
    if (crossings->count() > 0) {
        const auto given = [](const CLI::Option* option, const std::string& text) {
            return option->count() > 0 ? std::optional(text) : std::nullopt;
        };
        auto query =
            readCrossingsQuery({crossingsName, given(suits, suitsText), given(ranks, ranksText),
                                all || request.enumerate || request.report.odds});
        if (const auto* message = std::get_if<std::string>(&query)) {
            return UsageError{*message};
        }
        request.crossings = std::get<CrossingsQuery>(query);
        return request;
    }

    if (all) {
        request.decks = allAdmissibleDecks();
        return request;
    }

    auto named = readDeck(*suits, suitsText, *ranks, ranksText);
    if (auto* error = std::get_if<UsageError>(&named)) {
        return *error;
    }
    const Deck deck = std::get<Deck>(named);
    request.decks.push_back(deck);
    if (order->count() > 0) {
        auto reading = readCategoryOrder(orderNames, deck, request.jokers);
        if (const auto* message = std::get_if<std::string>(&reading)) {
            return UsageError{"--order: " + *message + "."};
        }
        request.order = std::get<CategoryOrder>(std::move(reading));
    }
    return request;
}

DeckReport countDeck(Deck deck, bool enumerate, bool showProgress, std::uint32_t workers) {
    if (!enumerate || !showProgress) {
        return buildDeckReport({.deck = deck, .enumerate = enumerate, .workers = workers});
    }
    std::optional<ProgressBar> bar;
    DeckReportBuilder builder(
        {.deck = deck, .enumerate = true, .progress = [&bar] { bar->tick(); }, .workers = workers});
    bar.emplace(std::cerr,
                "Enumerating " + std::to_string(deck.suits) + " x " + std::to_string(deck.ranks),
                builder.report().progressTicks());
    builder.enumerate();
    bar->finish();
    return builder.finish();
}

// Several decks: one after another with --jobs 1, each deck's enumeration on
// one thread; otherwise the decks are shared among the threads, and the bar
// counts finished decks.
std::vector<DeckReport> countAll(const CountRequest& request, bool showProgress,
                                 std::vector<WorkersRan>& threads) {
    std::vector<DeckReport> reports;
    if (request.jobs == 1) {
        for (Deck deck : request.decks) {
            reports.push_back(countDeck(deck, request.enumerate, showProgress, 1));
        }
        return reports;
    }
    std::optional<ProgressBar> bar;
    if (showProgress) {
        bar.emplace(std::cerr, "Enumerating " + std::to_string(request.decks.size()) + " decks",
                    static_cast<std::uint32_t>(request.decks.size()));
    }
    DeckBatch batch = countDecks(request.decks, request.enumerate, request.jobs, [&bar] {
        if (bar) {
            bar->tick();
        }
    });
    threads.push_back(batch.threads);
    reports = std::move(batch.reports);
    if (bar) {
        bar->finish();
    }
    return reports;
}

// One bar over the hands of every deck of a run, deck after deck, so that a
// batch shows its time left as one deck does.
class HandsProgress {
public:
    HandsProgress(std::string label, std::uint64_t hands) : hands_(hands) {
        bar_.emplace(std::cerr, std::move(label), kTicks);
    }

    // The progress of the next deck, of `deckHands` hands.
    CardsProgress forDeck(std::uint64_t deckHands) {
        const std::uint64_t before = before_;
        before_ += deckHands;
        return [this, before](std::uint64_t done, std::uint64_t) {
            for (; ticked_ < (before + done) * kTicks / hands_; ++ticked_) {
                bar_->tick();
            }
            return true;
        };
    }

    void finish() { bar_->finish(); }

private:
    static constexpr std::uint32_t kTicks = 1000;
    std::optional<ProgressBar> bar_;
    std::uint64_t hands_;
    std::uint64_t before_ = 0;
    std::uint32_t ticked_ = 0;
};

CardsReport countCardsDeck(Deck deck, const CountRequest& request, CardsProgress progress) {
    return buildCardsReport({.deck = deck,
                             .cards = request.cards,
                             .jokers = request.jokers,
                             .order = request.order,
                             .enumerate = request.enumerate,
                             .progress = std::move(progress),
                             .workers = request.jobs});
}

// Says once, on stderr, when the system gave fewer threads than were asked
// for: the counts are complete, only the run took longer.
void noteFewerThreads(const std::vector<WorkersRan>& runs) {
    for (const WorkersRan& run : runs) {
        if (run.fewer()) {
            std::cerr << kProgramName << ": ran on " << run.ran
                      << (run.ran == 1 ? " thread" : " threads") << " instead of " << run.wanted
                      << ": the system would not start more\n";
            return;
        }
    }
}

template <typename Report>
std::vector<WorkersRan> threadsOf(const std::vector<Report>& reports) {
    std::vector<WorkersRan> runs;
    runs.reserve(reports.size());
    for (const Report& report : reports) {
        runs.push_back(report.threads);
    }
    return runs;
}

// Flushes what was written; false, having said so, when it could not be.
bool outputWritten() {
    std::cout.flush();
    if (!std::cout) {
        std::cerr << kProgramName << ": could not write the output\n";
        return false;
    }
    return true;
}

// After the reports are written: names every count the enumeration and the
// formulas disagree on. 1 for a failed write or a disagreement, else 0.
template <typename Report, typename Describe>
int checkedExit(const std::vector<Report>& reports, Describe describe) {
    if (!outputWritten()) {
        return kExitFailure;
    }
    bool countsDiffer = false;
    for (const Report& report : reports) {
        for (const auto& mismatch : report.mismatches) {
            std::cerr << kProgramName
                      << ": enumerated and computed counts differ: " << describe(report, mismatch)
                      << '\n';
            countsDiffer = true;
        }
    }
    return countsDiffer ? kExitFailure : kExitSuccess;
}

// Hands of six or seven cards; with --enumerate on a terminal, one bar over
// all the decks' hands.
int runCards(const CountRequest& request) {
    std::optional<HandsProgress> progress;
    if (request.enumerate && isatty(STDERR_FILENO) == 1) {
        std::uint64_t hands = 0;
        for (Deck deck : request.decks) {
            hands += choose64(deck.cardCount() + request.jokers, request.cards);
        }
        const Deck first = request.decks.front();
        const std::string decks =
            request.decks.size() == 1
                ? std::to_string(first.suits) + " x " + std::to_string(first.ranks)
                : std::to_string(request.decks.size()) + " decks";
        progress.emplace("Enumerating " + decks + ", " + std::to_string(request.cards) + " cards" +
                             (request.jokers > 0 ? ", " + jokersText(request.jokers) : ""),
                         hands);
    }
    std::vector<CardsReport> reports;
    for (Deck deck : request.decks) {
        reports.push_back(countCardsDeck(
            deck, request,
            progress ? progress->forDeck(choose64(deck.cardCount() + request.jokers, request.cards))
                     : CardsProgress{}));
    }
    if (progress) {
        progress->finish();
    }
    noteFewerThreads(threadsOf(reports));
    writeCardsReports(std::cout, reports, request.report);
    return checkedExit(reports, [](const CardsReport& report, const CardsMismatch& mismatch) {
        return describeMismatch(report, mismatch);
    });
}

int runCrossings(const CrossingsQuery& query, std::uint32_t cards, std::uint32_t jokers,
                 ReportFormat format) {
    writeCrossings(std::cout,
                   cards == kMinCards && jokers == 0
                       ? findCrossings(query.varying, query.fixed)
                       : findCrossings(query.varying, query.fixed, cards, jokers),
                   query.varying, format);
    return outputWritten() ? kExitSuccess : kExitFailure;
}

// Writes what `write` writes to stdout; 1 when that fails.
template <class Write>
int writeOut(const Write& write) {
    write(std::cout);
    return outputWritten() ? kExitSuccess : kExitFailure;
}

int runFindOrder(const CountRequest& request) {
    std::vector<OrderSearchReport> reports;
    for (Deck deck : request.decks) {
        reports.push_back(buildOrderSearchReport(deck, request.cards, request.jokers));
    }
    return writeOut([&](std::ostream& out) { writeOrderSearches(out, reports, request.report); });
}

// A report, not a verdict: the status is 0 whether pairs break or not.
int runCheckOrder(const CountRequest& request) {
    std::vector<OrderCheckReport> reports;
    for (Deck deck : request.decks) {
        reports.push_back(
            buildOrderCheckReport(deck, request.cards, request.order, request.jokers));
    }
    return writeOut([&](std::ostream& out) { writeOrderChecks(out, reports, request.report); });
}

int run(const CountRequest& request) {
    if (request.findOrder) {
        return runFindOrder(request);
    }
    if (request.checkOrder) {
        return runCheckOrder(request);
    }
    if (request.cardCrossings) {
        writeCrossings(std::cout, findCardCrossings(*request.cardCrossings, request.jokers),
                       "cards", request.report.format);
        return outputWritten() ? kExitSuccess : kExitFailure;
    }
    if (request.jokerCrossings) {
        writeJokerCrossings(std::cout, findJokerCrossings(*request.jokerCrossings, request.cards),
                            request.report.format);
        return outputWritten() ? kExitSuccess : kExitFailure;
    }
    if (request.crossings) {
        return runCrossings(*request.crossings, request.cards, request.jokers,
                            request.report.format);
    }
    if (request.cards > kMinCards || request.jokers > 0) {
        return runCards(request);
    }
    if (!request.order.empty()) {
        std::cerr << kProgramName
                  << ": --order changes no count at five cards: every five-card hand has one "
                     "category\n";
    }
    const bool showProgress = request.enumerate && isatty(STDERR_FILENO) == 1;
    std::vector<WorkersRan> batchThreads;
    const std::vector<DeckReport> reports =
        request.decks.size() == 1
            ? std::vector<DeckReport>{countDeck(request.decks.front(), request.enumerate,
                                                showProgress, request.jobs)}
            : countAll(request, showProgress, batchThreads);
    std::vector<WorkersRan> threads = threadsOf(reports);
    threads.insert(threads.end(), batchThreads.begin(), batchThreads.end());
    noteFewerThreads(threads);

    writeReports(std::cout, reports, request.report);
    return checkedExit(reports, [](const DeckReport& report, const CountMismatch& mismatch) {
        return describeMismatch(report.deck, mismatch);
    });
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const ParseOutcome outcome = parseArguments(argc, argv);
        if (const auto* help = std::get_if<HelpRequest>(&outcome)) {
            std::cout << help->text;
            std::cout.flush();
            return std::cout ? kExitSuccess : kExitFailure;
        }
        if (const auto* error = std::get_if<UsageError>(&outcome)) {
            std::cerr << kProgramName << ": " << error->message << '\n';
            return kExitUsage;
        }
        return run(std::get<CountRequest>(outcome));
    } catch (const std::exception& error) {
        std::cerr << kProgramName << ": " << error.what() << '\n';
        return kExitFailure;
    }
}
