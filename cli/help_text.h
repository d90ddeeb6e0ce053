// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace marvane {

// The help's first line.
inline constexpr std::string_view kHelpDescription =
    "Counts poker hands of three to eight cards, category by category, in a deck of 4 "
    "to 8 suits and 7 to 20 ranks.";

// What the help says after the options; the manual page is made from the
// help, so every word here is also the manual's.
inline constexpr std::string_view kHelpFooter =
    R"(Rows are listed as the dialog lists them after sorting by Total: ascending,
rows of equal Total in the dialog's own order. Totals and odds come from the
enumerated counts with --enumerate, else from the computed ones. A "*" after the
number of possible hands (JSON/CSV: floating_path) means it was worked out in
floating point. --all cannot be combined with --suits or --ranks.
--crossings lists, from the closed formulas, where two categories change places
between neighbouring decks: as suits go from 4 to 8 at --ranks R, or as ranks go
from 7 to 20 at --suits S, or as cards per hand go from 3 to 8 in one deck.
With --cards 3 or 4 a hand is classed as itself: its rank pattern (three of a
kind, a pair, all its ranks in a row, ...) crossed with the suits of all its
cards, so four suits have rainbow hands; the deck's own order ranks the
categories with fewer such hands first. With --cards 6 to 8 a hand counts as
the best of its fives: the category with fewer five-card hands in the deck is
the better, of two with equal counts the one listed first by --explain (unless
--order says otherwise); counts and possible hands are exact.
--order counts under an order of your own: the list's names, best first,
commas between, every category the deck has hands of exactly once (five-card
hands from five cards up; the others may be named or left out). At three to
five cards every hand has one category, so the counts stay the same.
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
repeat a card, so five of a kind may repeat a suit. --explain --cards 3 or 4
gives them as hands of that many cards make them.

Examples:
  marvane-count --suits 4 --ranks 13
  marvane-count --suits 5 --ranks 7 --enumerate --odds
  marvane-count --suits 8 --ranks 20 --format json
  marvane-count --all --format csv > counts.csv
  marvane-count --crossings suits --ranks 13
  marvane-count --suits 4 --ranks 13 --cards 7
  marvane-count --suits 4 --ranks 13 --cards 3
  marvane-count --crossings cards --suits 4 --ranks 13
  marvane-count --suits 4 --ranks 13 --cards 7 --check-order
  marvane-count --suits 5 --ranks 7 --cards 6 --find-order
  marvane-count --all --cards 7 --find-order --format json
  marvane-count --suits 4 --ranks 13 --jokers 1
  marvane-count --crossings jokers --suits 4 --ranks 13
  marvane-count --all --jokers 1 --cards 6 --find-order
  marvane-count --explain --jokers 1
  marvane-count --explain --cards 4

Exit status: 0 on success; 1 if enumerated and computed counts differ (each
difference is reported on stderr) or the output could not be written;
2 for bad arguments.)";

}  // namespace marvane
