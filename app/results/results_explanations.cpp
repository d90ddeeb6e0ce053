// SPDX-License-Identifier: MIT
#include "app/results/results_explanations.h"

#include <QCoreApplication>
#include <QIcon>
#include <QStyle>
#include <QTableWidgetItem>
#include <optional>

#include "app/engine_texts.h"
#include "app/results/result_headings.h"
#include "app/results/results_list.h"
#include "listctrl/csortlistctrl.h"
#include "report/examples/joker_examples.h"
#include "report/words/card_notation.h"
#include "report/words/category_definitions.h"
#include "report/words/result_notes.h"

namespace marvane {

namespace {

using marvane::HandCategory;

// The translation context of the texts below (lupdate finds ExplanationTexts::tr).
struct ExplanationTexts {
    Q_DECLARE_TR_FUNCTIONS(ResultsExplanations)
};

// The definition starts lower-case so it can follow a name and a colon; a
// tooltip of its own starts with a capital.
QString sentence(const QString& text) {
    QString result = text;
    if (!result.isEmpty()) {
        result[0] = result[0].toUpper();
    }
    return result;
}

// Qt wraps a rich-text tooltip into a narrow column of a few words; lines
// broken here, at about this many characters, make a wider and shorter box.
constexpr int kToolTipLineLength = 60;

QStringList brokenLines(const QString& text) {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > kToolTipLineLength) {
            lines << line;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty()) {
        lines << line;
    }
    return lines;
}

// The lines as one paragraph that keeps our breaks and makes no others.
QString paragraph(const QString& text) {
    QStringList lines = brokenLines(text);
    for (QString& line : lines) {
        line = line.toHtmlEscaped();
    }
    return QStringLiteral("<p style='white-space:pre'>") + lines.join(QStringLiteral("<br>")) +
           QStringLiteral("</p>");
}

struct CellTexts {
    QString toolTip;      // rich text: the name in bold, our own line breaks
    QString description;  // the same words as plain text, for screen readers
};

// What the example line says for a category of the report.
QString exampleLine(const CategoryNotes& notes, const ShownReport& report) {
    switch (notes.example) {
        case ExampleStatus::Found:
            return ExplanationTexts::tr("Example: %1")
                .arg(QString::fromStdString(handText(notes.hand, notes.handJokers)));
        case ExampleStatus::NoHandOfThisSize:
            // Below five cards a hand is classed as itself, not as its best five.
            return report.cards < kHandSize
                       ? ExplanationTexts::tr("No hand of %1 cards of this deck has it.")
                             .arg(report.cards)
                       : ExplanationTexts::tr(
                             "No hand of %1 cards of this deck has it as its best five.")
                             .arg(report.cards);
        case ExampleStatus::NotFound:
            // Hands exist, but none grows from the five-card example.
            return ExplanationTexts::tr("No example hand of %1 cards was found.").arg(report.cards);
        case ExampleStatus::CannotOccur:
            break;
    }
    // Every deck has enough suits for a hand of three or four cards: the
    // reason speaks of the hand's size.
    if (report.cards < kHandSize) {
        return ExplanationTexts::tr("Cannot occur: %1.").arg(engineText(notes.reason));
    }
    return ExplanationTexts::tr("Cannot occur with %1 suits: %2.")
        .arg(report.deck.suits)
        .arg(engineText(notes.reason));
}

// The mark of a row that breaks the ranking: the style's warning sign.
QIcon breakingIcon(const QWidget& list) {
    return list.style()->standardIcon(QStyle::SP_MessageBoxWarning);
}

CellTexts explainCategory(HandCategory category, const ShownReport& report,
                          const ResultNotes& notes) {
    const QString name = categoryName(category);
    QString definition = categoryDefinitionText(category, report.jokers, report.cards);
    if (report.cards > kHandSize && notes.deckOrder) {
        definition = ExplanationTexts::tr(
                         "the best five of %1 cards, best meaning rarer among this deck's "
                         "five-card hands, are %2")
                         .arg(report.cards)
                         .arg(definition);
    } else if (report.cards > kHandSize) {
        definition = ExplanationTexts::tr(
                         "the best five of %1 cards, best meaning earlier in the chosen order, "
                         "are %2")
                         .arg(report.cards)
                         .arg(definition);
    }
    const QString instance = exampleLine(notes.of(category), report);
    // With jokers, what a joker may stand for decides the category.
    const QString joker =
        report.jokers > 0 ? sentence(engineText(kJokerTerm.definition)) : QString();
    // French puts a space before the colon.
    const QString defined =
        ExplanationTexts::tr("%1: %2", "a category name and its definition").arg(name, definition);
    // The name leads in bold; it is short enough to stay on the first line.
    QString toolTip =
        paragraph(defined) + (joker.isEmpty() ? QString() : paragraph(joker)) + paragraph(instance);
    const QString escapedName = name.toHtmlEscaped();
    const qsizetype nameAt = toolTip.indexOf(escapedName);
    toolTip.insert(nameAt + escapedName.size(), QStringLiteral("</b>"));
    toolTip.insert(nameAt, QStringLiteral("<b>"));
    return {toolTip, defined + ' ' + (joker.isEmpty() ? QString() : joker + ' ') + instance};
}

// "Garbage is rarer than Hypochromatic 1 Pair, but ranks below it: 23294460
// against 58627800 hands", in the user's language.
QString pairSentence(const BreakingPair& pair) {
    return ExplanationTexts::tr("%1 is rarer than %2, but ranks below it: %3 against %4 hands")
        .arg(categoryName(pair.rarer), categoryName(pair.commoner))
        .arg(pair.rarerCount)
        .arg(pair.commonerCount);
}

// What a column counts.
QString explainHeading(ResultColumn column, std::uint32_t cards) {
    if (column == ResultColumn::Hand) {
        return ExplanationTexts::tr(
                   "The category of hand. Point at a name for its definition and an example "
                   "hand from this deck. ") +
               engineText(marvane::kCardNotation);
    }
    if (column == ResultColumn::Enumerated) {
        return ExplanationTexts::tr(
            "Hands of this category, counted by visiting and classifying every hand of "
            "the deck.");
    }
    if (column == ResultColumn::Computed) {
        return ExplanationTexts::tr(
            "Hands of this category, counted by formula without visiting a hand.");
    }
    if (column == ResultColumn::Total) {
        QString text = sentence(engineText(marvane::kTotalTerm.definition)) + ' ' +
                       ExplanationTexts::tr(
                           "Summed from Enumerated when the hands were enumerated, else from "
                           "Computed.");
        if (cards != kHandSize) {
            text += ' ' + ExplanationTexts::tr(
                              "With more or fewer than five cards the Totals add the same "
                              "categories as with five, whatever the ranking.");
        }
        return text;
    }
    if (column == ResultColumn::Probability) {
        return ExplanationTexts::tr(
            "The chance that a hand dealt from this deck falls in this category: its "
            "count divided by the number of possible hands.");
    }
    if (column == ResultColumn::Odds) {
        return ExplanationTexts::tr("On average one hand of this category in this many hands.");
    }
    return {};
}

}  // namespace

void explainHeadings(CSortListCtrl* list, std::uint32_t cards) {
    if (!list) {
        return;
    }
    for (int column = 0; column < list->columnCount(); ++column) {
        QTableWidgetItem* heading = list->horizontalHeaderItem(column);
        if (!heading) {
            continue;
        }
        const std::optional<ResultColumn> role = columnRole(*list, column);
        const QString text = role ? explainHeading(*role, cards) : QString();
        heading->setToolTip(text.isEmpty() ? QString() : paragraph(text));
        heading->setData(Qt::AccessibleDescriptionRole, text);
    }
}

void explainResults(CSortListCtrl* list, const ShownReport& report) {
    if (!list) {
        return;
    }
    explainHeadings(list, report.cards);
    const int handColumn = columnWithRole(*list, ResultColumn::Hand);
    if (handColumn < 0) {
        return;
    }
    const ResultNotes notes = resultNotes(report);
    bool marked = false;
    for (int row = 0; row < list->rowCount(); ++row) {
        QTableWidgetItem* cell = list->item(row, handColumn);
        const std::optional<HandCategory> category = rowCategory(*list, row);
        if (!cell || !category) {
            continue;
        }
        CellTexts texts = explainCategory(*category, report, notes);
        // A row that is commoner than a category ranked below it is marked
        // beside its name, and says why in its tooltip and to screen readers.
        const std::vector<BreakingPair>& broken = notes.of(*category).brokenBy;
        for (const BreakingPair& pair : broken) {
            const QString sentence = pairSentence(pair);
            texts.toolTip += paragraph(sentence);
            texts.description += ' ' + sentence;
        }
        cell->setIcon(broken.empty() ? QIcon() : breakingIcon(*list));
        marked = marked || !broken.empty();
        cell->setToolTip(texts.toolTip);
        cell->setData(Qt::AccessibleDescriptionRole, texts.description);
    }
    if (marked) {
        list->fitColumnsToText();  // the mark takes room beside the name
    }
}

}  // namespace marvane
