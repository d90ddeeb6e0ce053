// SPDX-License-Identifier: MIT
#include "app/help/help_window.h"

#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <array>
#include <initializer_list>

#include "app/engine_texts.h"
#include "app/results/result_headings.h"
#include "engine/vocabulary/hand_category.h"
#include "engine/vocabulary/suit_pattern.h"
#include "report/words/category_definitions.h"

namespace marvane {

namespace {

QString heading(const QString& text) {
    return QStringLiteral("<h3>%1</h3>").arg(text.toHtmlEscaped());
}

QString paragraph(const QString& text) {
    return QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped());
}

// Cards as the example hands write them, in the code font and on one line.
QString cards(const char* text) {
    QString html = QString::fromLatin1(text);
    html.replace(QLatin1Char(' '), QChar(0x00A0));
    return QStringLiteral("<code>%1</code>").arg(html);
}

// Command lines each on a line of its own: a line break after a hyphen
// would turn --find-order into two words.
QString commands(std::initializer_list<const char*> lines) {
    QString items;
    for (const char* line : lines) {
        items += QStringLiteral("<li style=\"white-space: pre\"><code>%1</code></li>")
                     .arg(QString::fromLatin1(line).toHtmlEscaped());
    }
    return QStringLiteral("<ul>%1</ul>").arg(items);
}

// Name and definition side by side; the names are short enough to wrap
// rarely, and the definitions take the rest of the width.
QString termRow(const QString& name, const QString& definition) {
    return QStringLiteral("<tr><td width=\"34%\"><b>%1</b></td><td>%2</td></tr>")
        .arg(name.toHtmlEscaped(), definition.toHtmlEscaped());
}

QString table(const QString& rows) {
    return QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\">%1</table>")
        .arg(rows);
}

QString categorySection() {
    QString rows;
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        const HandCategory category = *categoryFromIndex(i);
        rows += termRow(categoryName(category), categoryDefinitionText(category, 0, kHandSize));
    }
    return heading(HelpWindow::tr("Categories")) +
           paragraph(HelpWindow::tr(
               "Every row of the results list is one category: a rank pattern (five of a kind "
               "down to no pair, or a straight) crossed with a suit pattern. In the list, point "
               "at a name in the Hand column for its definition and an example hand from the "
               "deck on screen.")) +
           table(rows);
}

QString suitPatternSection() {
    // kSuitPatternTerms lists the patterns in the enumeration's order.
    constexpr std::array patterns = {SuitPattern::Flush, SuitPattern::Rainbow,
                                     SuitPattern::Hypochromatic};
    static_assert(patterns.size() == kSuitPatternTerms.size());
    QString rows;
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        rows += termRow(suitPatternText(patterns[i]), engineText(kSuitPatternTerms[i].definition));
    }
    return heading(HelpWindow::tr("Suit patterns")) + table(rows);
}

QString columnSection() {
    const QString rows =
        termRow(columnTitle(ResultColumn::Total), engineText(kTotalTerm.definition)) +
        termRow(QString::fromUtf8(kFloatingPathTerm.name.data(),
                                  static_cast<qsizetype>(kFloatingPathTerm.name.size())),
                engineText(kFloatingPathTerm.definition));
    return heading(HelpWindow::tr("Total and the * mark")) + table(rows);
}

QString notationSection() {
    const QString example =
        HelpWindow::tr(
            "%1 is a pair of 7s, a pair of 4s and a 2 in five different suits. Rank 1 "
            "is the lowest, and also counts above R in exactly one straight: in a "
            "13-rank deck %2 is a straight, %3 is not.")
            .toHtmlEscaped()
            .arg(cards("7a 7b 4c 4d 2e"), cards("10 11 12 13 1"), cards("12 13 1 2 3"));
    return heading(HelpWindow::tr("Example hands")) + paragraph(engineText(kCardNotation)) +
           QStringLiteral("<p>%1</p>").arg(example);
}

// The categories and suit patterns as a hand of three or four cards, classed
// as itself, makes them.
QString smallHandDefinitionRows() {
    constexpr std::uint32_t kFourCards = 4;
    QString rows;
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        const HandCategory category = *categoryFromIndex(i);
        rows += termRow(categoryName(category), categoryDefinitionText(category, 0, kFourCards));
    }
    constexpr std::array patterns = {SuitPattern::Flush, SuitPattern::Rainbow,
                                     SuitPattern::Hypochromatic};
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        rows += termRow(HelpWindow::tr("%1 (suit pattern)").arg(suitPatternText(patterns[i])),
                        engineText(suitPatternTerms(0, kFourCards)[i].definition));
    }
    return rows;
}

QString handSizeSection() {
    QString rows;
    for (const Term& term : kHandSizeTerms) {
        rows += termRow(engineText(term.name), engineText(term.definition));
    }
    return heading(HelpWindow::tr("Hands of three to eight cards")) + table(rows) +
           paragraph(HelpWindow::tr(
               "Cards per Hand (3 to 8) sets the hand size. A hand of three or four cards has "
               "no five-card hands in it, so it is classed as itself, and the categories read "
               "as follows; its suit pattern is that of all its cards:")) +
           table(smallHandDefinitionRows()) +
           paragraph(HelpWindow::tr(
               "With three or four cards the deck's own order ranks the categories by their "
               "counts at that hand size, so without jokers it always holds. In 3-card hands of 4 "
               "suits x 13 ranks both straights (288 and 432 hands) are rarer than a flush "
               "(1,096), so they rank above it, as Three Card Poker ranks them; in 4-card hands "
               "Rainbow, no pair in four suits (16,896 hands), is rarer than Hypochromatic 1 "
               "Pair (72,072) and ranks above it.")) +
           paragraph(HelpWindow::tr(
               "With six to eight cards a ranking can defeat itself. In 7-card hands of 4 suits "
               "x 13 ranks, no pair (23,294,460 hands) is rarer than one pair (58,627,800), yet "
               "it ranks below it: seven cards that hold a pair count as at least that pair, so "
               "no pair keeps only the hands without one. Rows that are commoner than a category "
               "ranked below them are marked in the list with a warning sign; the tooltip names "
               "the pair. View > Ranking chooses the order the counts use: this deck's own, an "
               "order of the search, a self-consistent order when one exists, or your own.")) +
           paragraph(HelpWindow::tr("These options of marvane-count ask which ranking holds:")) +
           commands({"marvane-count --order", "marvane-count --find-order",
                     "marvane-count --check-order"});
}

// The definitions a joker makes false, as they read with jokers: those that
// differ from the ones above, found by comparing, so a sentence changed for
// jokers shows here without a change to this page.
QString jokerDefinitionRows() {
    QString rows;
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        const HandCategory category = *categoryFromIndex(i);
        if (categoryDefinition(category, 1) != categoryDefinition(category)) {
            rows += termRow(categoryName(category), categoryDefinitionText(category, 1, kHandSize));
        }
    }
    constexpr std::array patterns = {SuitPattern::Flush, SuitPattern::Rainbow,
                                     SuitPattern::Hypochromatic};
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        const std::string_view definition = suitPatternTerms(1)[i].definition;
        if (definition != kSuitPatternTerms[i].definition) {
            rows += termRow(HelpWindow::tr("%1 (suit pattern)").arg(suitPatternText(patterns[i])),
                            engineText(definition));
        }
    }
    return rows;
}

QString jokerSection() {
    const QString joker = termRow(engineText(kJokerTerm.name), engineText(kJokerTerm.definition));
    return heading(HelpWindow::tr("Jokers")) + table(joker) +
           paragraph(HelpWindow::tr(
               "The Jokers box (0 to 4), after Cards per Hand, adds that many jokers to the "
               "deck. With J jokers the possible hands of K cards are C(S x R + J, K), all "
               "counted exactly, and the * mark appears only at five cards without jokers. A "
               "joker may repeat a card, so with jokers these definitions read:")) +
           table(jokerDefinitionRows()) +
           paragraph(HelpWindow::tr(
               "Jokers can turn a ranking around. With one joker in 4 suits x 13 ranks, three "
               "of a kind (137,280 hands) is commoner than two pair (123,552), yet ranks above "
               "it: a pair and a joker can make either, and count as the better. Rank two pair "
               "higher under View > Ranking, and two pair becomes the commoner: 205,920 hands "
               "against 54,912. With one joker or more no deck has a ranking of five-card hands "
               "that holds.")) +
           paragraph(HelpWindow::tr("These options of marvane-count count with jokers:")) +
           commands({"marvane-count --jokers", "marvane-count --crossings jokers",
                     "marvane-count --explain --jokers 1"});
}

QString helpHtml() {
    return categorySection() + suitPatternSection() + columnSection() + notationSection() +
           handSizeSection() + jokerSection();
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("Marvane Help"));
    setAccessibleName(tr("Marvane Help"));

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpText"));
    browser_->setAccessibleName(tr("Help text"));
    browser_->setAccessibleDescription(tr("What the results list says"));
    browser_->setOpenLinks(false);
    browser_->setHtml(helpHtml());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_, 1);
    layout->addWidget(createButtons());

    auto* escape = new QAction(this);
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(escape, &QAction::triggered, this, &QWidget::close);
    addAction(escape);
    // F1 here: the help is already open; bring it forward.
    auto* help = new QAction(this);
    help->setShortcut(QKeySequence::HelpContents);
    connect(help, &QAction::triggered, this, [this] {
        raise();
        activateWindow();
    });
    addAction(help);

    setMinimumSize(420, 320);
    // Room for the category table without scrolling sideways, but never
    // larger than the screen it opens on.
    QSize size(640, 720);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableSize() * 9 / 10).expandedTo(minimumSize());
    }
    resize(size);
}

void HelpWindow::addHelpKey(QWidget* window) {
    auto* help = new QAction(window);
    help->setShortcut(QKeySequence::HelpContents);
    QObject::connect(help, &QAction::triggered, window, [window] { showHelp(window); });
    window->addAction(help);
}

QWidget* HelpWindow::createButtons() {
    auto* row = new QWidget(this);
    close_ = new QPushButton(tr("&Close"), row);
    close_->setObjectName(QStringLiteral("helpClose"));
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    layout->addWidget(close_);
    return row;
}

HelpWindow* HelpWindow::showHelp(QWidget* from) {
    QWidget* owner = from != nullptr ? from->window() : nullptr;
    HelpWindow* help = owner != nullptr
                           ? owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly)
                           : nullptr;
    if (help == nullptr) {
        help = new HelpWindow(owner);
        if (owner == nullptr) {
            help->setAttribute(Qt::WA_DeleteOnClose);
        }
    }
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}

}  // namespace marvane
