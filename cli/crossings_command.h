// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "engine/series/crossings.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/hand_count.h"
#include "report/writers/five_card_writer.h"

namespace marvane {

// What the command line gave for --crossings: the dimension that varies and
// the texts of --suits and --ranks (nothing when not given).
struct CrossingsArguments {
    std::string dimension;
    std::optional<std::string> suits;
    std::optional<std::string> ranks;
    bool perDeckOptions = false;  // --all, --enumerate or --odds: meaningless here
};

struct CrossingsQuery {
    DeckDimension varying;
    std::uint32_t fixed;  // the other dimension's number
};

// The query, or the message for a bad combination: the varying dimension
// must be left out, the other one given.
std::variant<CrossingsQuery, std::string> readCrossingsQuery(const CrossingsArguments& arguments);

// --crossings suits or ranks: along a series of decks.
struct DeckCrossingsOptions {
    CrossingsQuery query;
    std::uint32_t cards = kHandSize;
    std::uint32_t jokers = 0;
    ReportFormat format = ReportFormat::Table;
};

// --crossings cards: from 5 to 7 cards per hand in one deck.
struct CardCrossingsOptions {
    Deck deck;
    std::uint32_t jokers = 0;
    ReportFormat format = ReportFormat::Table;
};

// --crossings jokers: from 0 to 4 jokers in one deck.
struct JokerCrossingsOptions {
    Deck deck;
    std::uint32_t cards = kHandSize;
    ReportFormat format = ReportFormat::Table;
};

// Each writes its crossings to stdout: kExitFailure only when that fails.
int run(const DeckCrossingsOptions& options);
int run(const CardCrossingsOptions& options);
int run(const JokerCrossingsOptions& options);

// One sentence per line (table), from,to,rarer,commoner (CSV), or one JSON
// array of {"from", "to", "rarer", "commoner"} objects.
void writeCrossings(std::ostream& out, const std::vector<Crossing>& crossings,
                    DeckDimension varying, ReportFormat format);
// The same with the unit the sentences name: "suits", "ranks" or "cards".
void writeCrossings(std::ostream& out, const std::vector<Crossing>& crossings,
                    std::string_view unit, ReportFormat format);
// Along jokers: "joker" or "jokers" by the crossing, and where a tie came
// before the crossing, its first value (CSV: an equal_from column, empty
// without a tie; JSON: an equal_from field, null without one).
void writeJokerCrossings(std::ostream& out, const std::vector<Crossing>& crossings,
                         ReportFormat format);

}  // namespace marvane
