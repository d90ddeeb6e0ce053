// SPDX-License-Identifier: MIT
#include "cli/command_line.h"

#include <CLI/CLI.hpp>

#include "cli/help_text.h"
#include "cli/option_reading.h"
#include "cli/program_output.h"
#include "marvane_version.h"

namespace marvane {

namespace {

// CLI11 messages can span lines; ours are always one.
std::string oneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
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

// An option whose value is read after parsing, as text: a bad value then
// gets the dialog's message rather than CLI11's conversion error, and the
// values are read in readOptions's order. A check() would run before --help
// and --explain are seen, and before CLI11 names a stray argument.
class TextOption {
public:
    TextOption(CLI::App& app, const std::string& name, const std::string& description,
               const std::string& typeName)
        : option_(app.add_option(name, text_, description)->type_name(typeName)) {}
    TextOption(const TextOption&) = delete;
    TextOption& operator=(const TextOption&) = delete;

    CLI::Option* option() const { return option_; }
    std::optional<std::string> given() const {
        return option_->count() > 0 ? std::optional(text_) : std::nullopt;
    }

private:
    std::string text_;
    CLI::Option* option_;
};

}  // namespace

ParseOutcome parseCommandLine(int argc, const char* const* argv) {
    CLI::App app{std::string(kHelpDescription), std::string(kProgramName)};
    app.footer(std::string(kHelpFooter));
    app.set_version_flag("--version", std::string(kProgramName) + " " + kVersion,
                         "Print the version and exit");

    // Declared in the order the help lists them.
    GivenOptions given;
    const TextOption suits(app, "--suits", "Number of suits, 4 to 8", "S");
    const TextOption ranks(app, "--ranks", "Number of ranks, 7 to 20", "R");
    app.add_flag("--all", given.all, "Every deck from 4 x 7 to 8 x 20 in one document")
        ->check(leftOutWithAll(suits.option(), ranks.option()));
    app.add_flag("--enumerate", given.enumerate,
                 "Also visit and classify every hand, and check the counts against the formulas");
    app.add_option("--format", given.format, "Output format: table (default), csv or json")
        ->type_name("FORMAT")
        ->check(formatCheck());
    app.add_flag("--odds", given.odds, "Add each category's probability and odds");
    const TextOption jobs(app, "--jobs",
                          "Threads to enumerate on, 1 to 256 (default: one per hardware thread; "
                          "1 gives a single-threaded run)",
                          "N");
    const TextOption crossings(
        app, "--crossings",
        "Where categories change places as suits (at --ranks R), ranks (at --suits S), cards "
        "per hand or jokers (at --suits S --ranks R) grow",
        "suits|ranks|cards|jokers");
    const TextOption cards(
        app, "--cards",
        "Cards per hand, 3 to 8 (default 5); with 3 or 4 a hand is classed as itself, with 6 "
        "to 8 it counts as its best five",
        "K");
    const TextOption jokers(app, "--jokers",
                            "Jokers in the deck, 0 to 4 (default 0); a joker stands for any "
                            "card, and a hand counts in the best category it can make",
                            "J");
    const TextOption order(app, "--order",
                           "Count under this order: the list's names, best first, commas between",
                           "\"NAME, NAME, ...\"");
    app.add_flag("--find-order", given.findOrder,
                 "Search for a self-consistent order for --cards K, and say whether one exists");
    app.add_flag("--check-order", given.checkOrder,
                 "List the pairs of categories that break the order's self-consistency (the "
                 "deck's own order, or --order)");
    app.add_flag("--explain", given.explain,
                 "Say what each category, suit pattern, Total, the * mark and a joker mean, and "
                 "exit (no deck needed; with --jokers J, the definitions as jokers make them)");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        return TextToPrint{app.help()};
    } catch (const CLI::CallForVersion& version) {
        return TextToPrint{std::string(version.what()) + "\n"};
    } catch (const CLI::ParseError& error) {
        return UsageError{oneLine(error.what())};
    }
    given.suits = suits.given();
    given.ranks = ranks.given();
    given.jobs = jobs.given();
    given.crossings = crossings.given();
    given.cards = cards.given();
    given.jokers = jokers.given();
    given.order = order.given();
    return readOptions(given);
}

}  // namespace marvane
