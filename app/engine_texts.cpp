// SPDX-License-Identifier: MIT
#include "app/engine_texts.h"

#include <QCoreApplication>
#include <string>

#include "report/words/category_definitions.h"

namespace marvane {

namespace {

// The translation context of every engine text.
constexpr char kContext[] = "EngineTexts";

// The engine's English texts that the dialog shows, for lupdate to collect.
// Keyed by the English text, so a sentence changed in the engine shows in
// English until its translation follows (a test lists the ones missing).
[[maybe_unused]] constexpr const char* kEngineTexts[] = {
    // Hands of other sizes than five
    QT_TRANSLATE_NOOP("EngineTexts", "As itself"),
    QT_TRANSLATE_NOOP("EngineTexts", "Best five"),
    QT_TRANSLATE_NOOP("EngineTexts", "Self-consistent"),
    QT_TRANSLATE_NOOP("EngineTexts", "Choosing a ranking"),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "a hand of three or four cards is classed as itself: its rank pattern "
                      "crossed with the suits of all its cards; the deck's own order ranks the "
                      "rarer of such hands first."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "a hand of six to eight cards counts in the best category among its "
                      "five-card hands; best means rarer among this deck's five-card hands, or "
                      "earlier in a chosen order."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "a ranking under which no category has fewer hands of that many cards "
                      "than one ranked above it; with six to eight cards most rankings are not."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "View > Ranking in the dialog, or --order on the command line, counts "
                      "under another order: one the search for a self-consistent order passes "
                      "through, a self-consistent one when it exists, or your own; a row "
                      "commoner than a category ranked below it is marked, and --check-order "
                      "lists such pairs."),
    // Category names
    QT_TRANSLATE_NOOP("EngineTexts", "Five of a Kind"),
    QT_TRANSLATE_NOOP("EngineTexts", "Rainbow 4 of a Kind"),
    QT_TRANSLATE_NOOP("EngineTexts", "Hypochromatic 4 of a Kind"),
    QT_TRANSLATE_NOOP("EngineTexts", "Rainbow Full House"),
    QT_TRANSLATE_NOOP("EngineTexts", "Hypochromatic Full House"),
    QT_TRANSLATE_NOOP("EngineTexts", "Rainbow 3 of a Kind"),
    QT_TRANSLATE_NOOP("EngineTexts", "Hypochromatic 3 of a Kind"),
    QT_TRANSLATE_NOOP("EngineTexts", "Rainbow 2 Pair"),
    QT_TRANSLATE_NOOP("EngineTexts", "Hypochromatic 2 Pair"),
    QT_TRANSLATE_NOOP("EngineTexts", "Rainbow 1 Pair"),
    QT_TRANSLATE_NOOP("EngineTexts", "Hypochromatic 1 Pair"),
    QT_TRANSLATE_NOOP("EngineTexts", "Straight Flush"),
    QT_TRANSLATE_NOOP("EngineTexts", "Flush"),
    QT_TRANSLATE_NOOP("EngineTexts", "Rainbow Straight"),
    QT_TRANSLATE_NOOP("EngineTexts", "Hypochromatic Straight"),
    QT_TRANSLATE_NOOP("EngineTexts", "Rainbow"),
    QT_TRANSLATE_NOOP("EngineTexts", "Garbage"),
    // Category definitions
    QT_TRANSLATE_NOOP("EngineTexts",
                      "five cards of one rank, which always have five different suits."),
    QT_TRANSLATE_NOOP(
        "EngineTexts",
        "four cards of one rank and a fifth card, all five cards of different suits."),
    QT_TRANSLATE_NOOP(
        "EngineTexts",
        "four cards of one rank and a fifth card that shares a suit with one of them."),
    QT_TRANSLATE_NOOP(
        "EngineTexts",
        "three cards of one rank and two of another, all five cards of different suits."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "three cards of one rank and two of another, with at least two cards of one "
                      "suit."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "three cards of one rank and two cards of two other ranks, all five cards of "
                      "different suits."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "three cards of one rank and two cards of two other ranks, with at least two "
                      "cards of one suit."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "two pairs and a fifth card, all five cards of different suits."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "two pairs and a fifth card, with at least two cards of one suit."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "one pair and three cards of three other ranks, all five cards of different "
                      "suits."),
    QT_TRANSLATE_NOOP(
        "EngineTexts",
        "one pair and three cards of three other ranks, with at least two cards of one "
        "suit."),
    QT_TRANSLATE_NOOP(
        "EngineTexts",
        "five ranks in a row (or 1 with the four highest ranks), all five cards of one "
        "suit."),
    QT_TRANSLATE_NOOP("EngineTexts", "five cards of one suit whose ranks are not in a row."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "five ranks in a row (or 1 with the four highest ranks), all five cards of "
                      "different suits."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "five ranks in a row (or 1 with the four highest ranks), neither all of one "
                      "suit nor all of different suits."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "five different ranks not in a row, all five cards of different suits."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "five different ranks not in a row, neither all of one suit nor all of "
                      "different suits."),
    // Category definitions with jokers, where a joker may repeat a card
    QT_TRANSLATE_NOOP("EngineTexts",
                      "five cards of one rank; a joker may repeat a card, so their suits need not "
                      "differ, and a deck of four suits has them too."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "four cards of one rank and a fifth card, with at least two cards of one "
                      "suit; a joker may repeat a card, so two of the four may share a suit."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "five cards of one suit and of five different ranks not in a row; a joker "
                      "that repeats a card makes a pair, never a flush."),
    // Category definitions of hands of three or four cards, classed as themselves
    QT_TRANSLATE_NOOP("EngineTexts", "a hand of three or four cards never falls here."),
    QT_TRANSLATE_NOOP("EngineTexts", "a hand of three cards never falls here."),
    QT_TRANSLATE_NOOP("EngineTexts", "four cards of one rank, all of different suits."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "four cards of one rank with two of one suit, which only a joker that "
                      "repeats a card makes."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "three cards of one rank (and, in a hand of four, a card of another rank), "
                      "all the hand's cards of different suits."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "three cards of one rank (and, in a hand of four, a card of another rank), "
                      "with at least two cards of one suit; in a hand of three only a joker that "
                      "repeats a card makes one."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "two pairs in a hand of four cards, all four of different suits."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "two pairs in a hand of four cards, with at least two cards of one suit."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "one pair and the hand's other cards of other ranks, all the hand's cards "
                      "of different suits."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "one pair and the hand's other cards of other ranks, with at least two "
                      "cards of one suit."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "all the hand's ranks in a row (or 1 with the highest ranks), all its cards "
                      "of one suit."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "all the hand's cards of one suit, their ranks different and not in a row; "
                      "a joker that repeats a card makes a pair, never a flush."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "all the hand's ranks in a row (or 1 with the highest ranks), all its cards "
                      "of different suits."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "all the hand's ranks in a row (or 1 with the highest ranks), neither all "
                      "of one suit nor all of different suits."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "all the hand's ranks different and not in a row, all its cards of "
                      "different suits."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "all the hand's ranks different and not in a row, neither all of one suit "
                      "nor all of different suits."),
    // Suit patterns
    QT_TRANSLATE_NOOP("EngineTexts", "all five cards of one suit."),
    QT_TRANSLATE_NOOP(
        "EngineTexts",
        "all five cards of different suits; only a deck of at least 5 suits has them."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "neither flush nor rainbow, so some cards share a suit but not all five."),
    // Suit patterns with jokers
    QT_TRANSLATE_NOOP("EngineTexts",
                      "all five cards of one suit and of five different ranks; a joker that "
                      "repeats a card makes a pair, never a flush."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "neither flush nor rainbow, so some cards share a suit; with a joker that "
                      "repeats a card, a hand with a repeated rank may have all five cards in one "
                      "suit."),
    // Suit patterns of hands of three or four cards
    QT_TRANSLATE_NOOP("EngineTexts",
                      "all the hand's cards of one suit and of different ranks; a joker that "
                      "repeats a card makes a pair, never a flush."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "all the hand's cards of different suits, which four suits allow."),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "neither flush nor rainbow, so some cards share a suit but not all."),
    // The wild card
    QT_TRANSLATE_NOOP("EngineTexts", "Joker"),
    QT_TRANSLATE_NOOP("EngineTexts",
                      "a wild card that stands for any card, any rank in any suit, also one the "
                      "hand already holds, written Jk in example hands; a hand counts in the best "
                      "category it can make, and a category only jokers make (Five of a Kind in "
                      "four suits) ranks first in the deck's own order."),
    // The Total column
    QT_TRANSLATE_NOOP("EngineTexts",
                      "this category's count plus the counts of every category that dominates "
                      "it; that is, the number of hands at least this good."),
    // The mark after the number of possible hands
    QT_TRANSLATE_NOOP("EngineTexts",
                      "the number of possible hands was worked out in floating point."),
    // How example hands are written
    QT_TRANSLATE_NOOP("EngineTexts",
                      "Cards are written rank then suit letter, ranks 1 to R and suits a to h; "
                      "7a is the 7 of the first suit."),
    // Why a category has no example hand
    QT_TRANSLATE_NOOP("EngineTexts",
                      "needs at least 5 suits, since a rank has one card in each suit"),
    QT_TRANSLATE_NOOP("EngineTexts", "needs at least 5 suits, one for each card"),
    QT_TRANSLATE_NOOP("EngineTexts", "the deck must have 4 to 8 suits and 7 to 20 ranks"),
    QT_TRANSLATE_NOOP("EngineTexts", "no example hand was found"),
    QT_TRANSLATE_NOOP("EngineTexts", "not a hand category"),
    QT_TRANSLATE_NOOP("EngineTexts", "a hand of three or four cards never has it"),
    QT_TRANSLATE_NOOP("EngineTexts", "a hand of three cards never has it"),
    QT_TRANSLATE_NOOP("EngineTexts", "only a joker that repeats a card makes it"),
};

// The suit patterns, told apart from the categories of the same name.
constexpr char kSuitPatternComment[] = "suit pattern";
[[maybe_unused]] constexpr const char* kSuitPatterns[][2] = {
    QT_TRANSLATE_NOOP3("EngineTexts", "Flush", "suit pattern"),
    QT_TRANSLATE_NOOP3("EngineTexts", "Rainbow", "suit pattern"),
    QT_TRANSLATE_NOOP3("EngineTexts", "Hypochromatic", "suit pattern"),
};

// The number boxes' messages take their numbers as arguments.
struct OddsTexts {
    Q_DECLARE_TR_FUNCTIONS(OddsColumns)
};

struct JokerTexts {
    Q_DECLARE_TR_FUNCTIONS(Jokers)
};

}  // namespace

QString engineText(std::string_view english) {
    const std::string key(english);  // translate() wants a terminated string
    return QCoreApplication::translate(kContext, key.c_str());
}

QString jokersPhrase(std::uint32_t jokers) {
    return jokers == 1 ? JokerTexts::tr("1 joker") : JokerTexts::tr("%1 jokers").arg(jokers);
}

QString categoryName(marvane::HandCategory category) {
    return engineText(marvane::displayName(category));
}

QString categoryDefinitionText(marvane::HandCategory category, std::uint32_t jokers,
                               std::uint32_t cards) {
    return engineText(marvane::categoryDefinition(category, jokers, cards));
}

QString suitPatternText(marvane::SuitPattern pattern) {
    const std::string key(marvane::suitPatternName(pattern));
    return QCoreApplication::translate(kContext, key.c_str(), kSuitPatternComment);
}

QString oddsText(const std::optional<std::string>& odds) {
    if (!odds) {
        return OddsTexts::tr("never", "odds of a category without hands");
    }
    QString english = QString::fromStdString(*odds);
    const QString prefix = QStringLiteral("1 in ");
    if (!english.startsWith(prefix)) {
        return english;
    }
    return OddsTexts::tr("1 in %1", "odds: one hand in this many").arg(english.mid(prefix.size()));
}

}  // namespace marvane
