// SPDX-License-Identifier: MIT
#include "cli/count_mode.h"

#include <unistd.h>

#include <iostream>
#include <optional>
#include <string>

#include "cli/count_progress.h"
#include "cli/deck_batch.h"
#include "cli/program_output.h"
#include "cli/progress_bar.h"
#include "report/results/count_request.h"
#include "report/words/card_notation.h"

namespace marvane {

namespace {

std::string deckText(Deck deck) {
    return std::to_string(deck.suits) + " x " + std::to_string(deck.ranks);
}

CountRequest requestFor(Deck deck, const CountOptions& options) {
    return {.deck = deck,
            .cards = options.cards,
            .jokers = options.jokers,
            .order = options.order,
            .enumerate = options.enumerate,
            .workers = options.jobs};
}

// One deck of five-card hands; with a bar, whose range is the enumeration's
// progress steps.
ShownReport countFiveCardDeck(CountRequest request, bool showProgress) {
    if (!showProgress) {
        return answer(request);
    }
    ProgressBar bar(std::cerr, "Enumerating " + deckText(request.deck),
                    fiveCardProgressTicks(request.deck));
    request.progress = [&bar](std::uint64_t, std::uint64_t) {
        bar.tick();
        return true;
    };
    ShownReport report = answer(request);
    bar.finish();
    return report;
}

// Five-card hands. Several decks go one after another with --jobs 1, each
// deck's enumeration on one thread; otherwise they are shared among the
// threads, and the bar counts finished decks. The threads a batch had join
// the reports' own.
std::vector<ShownReport> countFiveCardDecks(const CountOptions& options, bool showProgress,
                                            std::vector<WorkersRan>& threads) {
    std::vector<ShownReport> reports;
    if (options.decks.size() == 1 || options.jobs == 1) {
        for (Deck deck : options.decks) {
            reports.push_back(countFiveCardDeck(requestFor(deck, options), showProgress));
        }
        return reports;
    }
    std::optional<ProgressBar> bar;
    if (showProgress) {
        bar.emplace(std::cerr, "Enumerating " + std::to_string(options.decks.size()) + " decks",
                    static_cast<std::uint32_t>(options.decks.size()));
    }
    DeckBatch batch = countDecks(options.decks, requestFor({}, options), options.jobs, [&bar] {
        if (bar) {
            bar->tick();
        }
    });
    threads.push_back(batch.threads);
    if (bar) {
        bar->finish();
    }
    return std::move(batch.reports);
}

// Hands of other sizes than five, or with jokers: enumerated deck after deck,
// each on every thread, with a bar, one over all the decks' hands; counted
// exactly, the decks are shared among the threads.
std::vector<ShownReport> countKCardDecks(const CountOptions& options, bool showProgress) {
    if (!options.enumerate && options.decks.size() > 1 && options.jobs > 1) {
        return countDecks(options.decks, requestFor({}, options), options.jobs).reports;
    }
    std::optional<HandsProgress> progress;
    if (showProgress) {
        std::uint64_t hands = 0;
        for (Deck deck : options.decks) {
            hands += handsOf(deck, options.cards, options.jokers);
        }
        const std::string decks = options.decks.size() == 1
                                      ? deckText(options.decks.front())
                                      : std::to_string(options.decks.size()) + " decks";
        progress.emplace("Enumerating " + decks + ", " + std::to_string(options.cards) + " cards" +
                             (options.jokers > 0 ? ", " + jokersText(options.jokers) : ""),
                         hands);
    }
    std::vector<ShownReport> reports;
    for (Deck deck : options.decks) {
        CountRequest request = requestFor(deck, options);
        if (progress) {
            request.progress = progress->forDeck(handsOf(deck, options.cards, options.jokers));
        }
        reports.push_back(answer(request));
    }
    if (progress) {
        progress->finish();
    }
    return reports;
}

// Says once, when the system gave fewer threads than were asked for: the
// counts are complete, only the run took longer.
void noteFewerThreads(const std::vector<WorkersRan>& runs) {
    for (const WorkersRan& run : runs) {
        if (run.fewer()) {
            sayOnStderr("ran on " + std::to_string(run.ran) +
                        (run.ran == 1 ? " thread" : " threads") + " instead of " +
                        std::to_string(run.wanted) + ": the system would not start more");
            return;
        }
    }
}

}  // namespace

int run(const CountOptions& options) {
    const bool fiveCards = countedByFiveCardFormulas(options.cards, options.jokers);
    // Below five cards too, without jokers, every hand has one category.
    if (options.jokers == 0 && options.cards <= kHandSize && !options.order.empty()) {
        const std::string size = options.cards == 3   ? "three"
                                 : options.cards == 4 ? "four"
                                                      : "five";
        sayOnStderr("--order changes no count at " + size + " cards: every " + size +
                    "-card hand has one category");
    }
    const bool showProgress = options.enumerate && isatty(STDERR_FILENO) == 1;
    std::vector<WorkersRan> batchThreads;
    const std::vector<ShownReport> reports =
        fiveCards ? countFiveCardDecks(options, showProgress, batchThreads)
                  : countKCardDecks(options, showProgress);
    std::vector<WorkersRan> threads;
    threads.reserve(reports.size() + batchThreads.size());
    for (const ShownReport& report : reports) {
        threads.push_back(report.threads);
    }
    threads.insert(threads.end(), batchThreads.begin(), batchThreads.end());
    noteFewerThreads(threads);

    writeShownReports(std::cout, reports, options.report);
    if (!outputWritten()) {
        return kExitFailure;
    }
    bool countsDiffer = false;
    for (const ShownReport& report : reports) {
        for (const CountMismatch& mismatch : report.mismatches) {
            sayOnStderr("enumerated and computed counts differ: " +
                        describeMismatch(report.deck, report.cards, report.jokers, mismatch));
            countsDiffer = true;
        }
    }
    return countsDiffer ? kExitFailure : kExitSuccess;
}

}  // namespace marvane
