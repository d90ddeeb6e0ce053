// SPDX-License-Identifier: MIT
// Long seeded random sequences of user actions on the dialog. After every
// action the controls must match the dialog's state (input or results), and
// the list must be empty or hold the 17 rows the engine gives for the deck
// that was computed, ordered by the column last sorted. A second test runs
// many compute and "Again?" cycles and checks that nothing piles up; under
// the sanitized build LeakSanitizer checks the rest when the process ends.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <array>
#include <cstdint>
#include <iostream>
#include <map>
#include <optional>
#include <random>

#include "engine/exact/five_card_formulas.h"
#include "engine/vocabulary/hand_category.h"
#include "engine/vocabulary/totals.h"
#include "listctrl/csortheaderctrl.h"
#include "tests/app/dialog_fixture.h"

namespace marvane {

namespace {

constexpr std::uint32_t kSeed = 20240613;
constexpr int kActions = 5000;

const QString kNotANumber = QStringLiteral("Please enter a positive integer.");

constexpr std::array kInputControls = {IdSuitsBox,   IdSuitsSpin,  IdRanksBox,  IdRanksSpin,
                                       IdSuitsLabel, IdRanksLabel, IdEnumerate, IdComputeOdds};

struct Bounds {
    std::uint64_t minimum;
    std::uint64_t maximum;
};
constexpr Bounds kSuits{4, 8};
constexpr Bounds kRanks{7, 20};

// A box's text read as the user means it: the boxes take digits only, so a
// text is a number unless it is empty. Values past 32 bits saturate.
std::optional<std::uint64_t> numberIn(QString text) {
    if (text.isEmpty()) {
        return std::nullopt;
    }
    while (text.size() > 1 && text.front() == u'0') {
        text.remove(0, 1);
    }
    return text.size() > 10 ? 0xFFFFFFFFull : std::min(text.toULongLong(), 0xFFFFFFFFull);
}

std::optional<QString> complaintAbout(const QString& text, Bounds bounds) {
    const std::optional<std::uint64_t> number = numberIn(text);
    if (!number) {
        return kNotANumber;
    }
    if (*number < bounds.minimum || *number > bounds.maximum) {
        return QStringLiteral("Please enter an integer between %1 and %2.")
            .arg(bounds.minimum)
            .arg(bounds.maximum);
    }
    return std::nullopt;
}

std::uint64_t handsIn(std::uint64_t cards) {
    return cards * (cards - 1) * (cards - 2) * (cards - 3) * (cards - 4) / 120;
}

// Counts and totals by category name, as the engine gives them for a deck.
struct EngineRows {
    std::map<QString, std::uint32_t> computed;
    std::map<QString, std::uint32_t> totals;
};

const EngineRows& engineRows(marvane::Deck deck) {
    static std::map<std::pair<std::uint32_t, std::uint32_t>, EngineRows> cache;
    EngineRows& rows = cache[{deck.suits, deck.ranks}];
    if (rows.computed.empty()) {
        const marvane::CategoryCounts counts = marvane::compute_counts(deck);
        const marvane::CategoryCounts totals = marvane::computeTotals(counts);
        for (std::size_t i = 0; i < marvane::kCategoryCount; ++i) {
            const auto name = marvane::displayName(*marvane::categoryFromIndex(i));
            const QString key =
                QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
            rows.computed[key] = counts[i];
            rows.totals[key] = totals[i];
        }
    }
    return rows;
}

// How the list was last sorted: the list's own state, which the session
// knows nothing of.
struct ListSort {
    int column = -1;
    bool ascending = true;
};

// Answers the dialog's real message boxes while it runs; tries the dialog's
// own buttons first, which must do nothing while the box is up.
class MessageBoxAnswerer : public QObject {
public:
    MessageBoxAnswerer(DialogDriver& d, std::mt19937& random) : d_(d), random_(random) {
        timer_.setInterval(0);
        connect(&timer_, &QTimer::timeout, this, &MessageBoxAnswerer::answer);
        timer_.start();
    }
    int answered = 0;

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        EXPECT_EQ(box->windowTitle(), QCoreApplication::applicationName());
        EXPECT_EQ(box->parentWidget(), &d_.dialog);
        d_.messages << box->text();
        d_.click(IdComputeOdds);
        d_.click(IdClose);
        QTest::keyClick(&d_.dialog, Qt::Key_Escape);
        ++answered;
        switch (random_() % 3) {
            case 0:
                QTest::keyClick(box, Qt::Key_Enter);
                break;
            case 1:
                QTest::keyClick(box, Qt::Key_Escape);
                break;
            default:
                box->button(QMessageBox::Ok)->click();
        }
    }

    DialogDriver& d_;
    std::mt19937& random_;
    QTimer timer_;
};

class Stress {
public:
    explicit Stress(std::uint32_t seed) : seed_(seed), random_(seed) {}

    void run(int actions) {
        checkState("start");
        // The first failure ends the run: later ones would only follow from it.
        for (int i = 0; i < actions && !::testing::Test::HasFailure(); ++i) {
            SCOPED_TRACE(::testing::Message() << "action " << i);
            const int messagesBefore = static_cast<int>(d_.messages.size());
            const bool realBoxes = pick(10) == 0;
            std::optional<MessageBoxAnswerer> answerer;
            if (realBoxes) {
                d_.dialog.setPrompts(nullptr);
                answerer.emplace(d_, random_);
            }
            const char* action = act();
            if (realBoxes) {
                realBoxesAnswered_ += answerer->answered;
                answerer.reset();
                d_.dialog.setPrompts(d_.prompts);
            }
            QCoreApplication::processEvents();
            ++counts_[action];
            EXPECT_EQ(d_.messages.mid(messagesBefore), expectedMessages_);
            checkState(action);
        }
    }

    void report() const {
        std::cout << "[ stress  ] seed " << seed_ << ", " << total() << " actions:";
        for (const auto& [action, count] : counts_) {
            std::cout << ' ' << action << ' ' << count;
        }
        std::cout << "; " << d_.messages.size() << " validation messages, " << realBoxesAnswered_
                  << " of them in real message boxes\n";
    }

    int total() const {
        int sum = 0;
        for (const auto& entry : counts_) {
            sum += entry.second;
        }
        return sum;
    }

private:
    int pick(int n) { return static_cast<int>(random_() % static_cast<std::uint32_t>(n)); }
    QLineEdit* box(int id) const { return d_.box(id); }
    QString text(int id) const { return box(id)->text(); }
    bool enumerateChecked() const { return d_.get<QCheckBox>(IdEnumerate)->isChecked(); }
    // The dialog's state is the session's: results are on show while it has a report.
    const CalculatorSession& session() const { return d_.dialog.session(); }
    bool results() const { return session().report().has_value(); }

    // The message the next reading of the boxes should give, if any.
    std::optional<QString> readingComplaint() const {
        if (auto complaint = complaintAbout(text(IdSuitsBox), kSuits)) {
            return complaint;
        }
        return complaintAbout(text(IdRanksBox), kRanks);
    }

    using Action = const char* (Stress::*)();

    // Typing and stepping dominate, as with a person trying decks; ending the
    // dialog is rare, as the test then has to show it again.
    const char* act() {
        static constexpr std::array<std::pair<int, Action>, 12> kActions = {{
            {6, &Stress::typeIntoEither},
            {6, &Stress::spinClick},
            {4, &Stress::arrowKey},
            {2, &Stress::toggleEnumerate},
            {4, &Stress::computeOdds},
            {2, &Stress::computeSmallDeckWithEnumeration},
            {4, &Stress::again},
            {4, &Stress::headerClick},
            {2, &Stress::copyResults},
            {3, &Stress::clickRow},
            {1, &Stress::close},
            {1, &Stress::escape},
        }};
        expectedMessages_.clear();
        int ticket = pick(39);
        for (const auto& [weight, action] : kActions) {
            if (ticket < weight) {
                return (this->*action)();
            }
            ticket -= weight;
        }
        return "none";
    }

    const char* typeIntoEither() { return typeInto(pick(2) == 0 ? IdSuitsBox : IdRanksBox); }

    const char* typeInto(int id) {
        // Empty, leading zeros, 33 digits (the box keeps 31), past 32 bits,
        // and characters the box must refuse.
        static const std::array<const char*, 12> samples = {
            "",   "0",  "05", "13",  "99",  "4294967296", "000000000000000000000000000000007",
            "20", "-5", "+7", " 6 ", "1.5x"};
        const QString typed = pick(3) == 0 ? QString::number(pick(25))
                                           : QString::fromLatin1(samples[pick(samples.size())]);
        const QString before = text(id);
        d_.type(id, typed);
        const QString digits = QString(typed).remove(QRegularExpression(QStringLiteral("[^0-9]")));
        EXPECT_EQ(text(id), results() ? before : digits.left(31));
        return "type";
    }

    // A step of a spin, by its arrow or by the arrow key in its box.
    void step(int boxId, int delta, const std::function<void()>& doStep) {
        const bool suits = boxId == IdSuitsBox;
        const int otherId = suits ? IdRanksBox : IdSuitsBox;
        const Bounds bounds = suits ? kSuits : kRanks;
        const QString own = text(boxId);
        const QString other = text(otherId);
        const std::optional<std::uint64_t> otherNumber = numberIn(other);
        const bool checked = enumerateChecked();
        const std::optional<QString> complaint = readingComplaint();
        const std::optional<std::uint64_t> typed = numberIn(own);
        const std::uint64_t from =
            typed && !complaintAbout(own, bounds) ? *typed : d_.spin(boxId + 1)->position();

        doStep();
        if (results()) {
            EXPECT_EQ(text(boxId), own);
            return;
        }
        if (complaint) {
            expectedMessages_ << *complaint;
            return;
        }
        const std::uint64_t to =
            std::clamp<std::uint64_t>(from + delta, bounds.minimum, bounds.maximum);
        // The step writes both boxes back from what it just read: "05" comes back as "5".
        EXPECT_EQ(text(boxId), QString::number(to));
        EXPECT_EQ(text(otherId), QString::number(*otherNumber));
        EXPECT_EQ(enumerateChecked(), checked);
    }

    const char* spinClick() {
        const int boxId = pick(2) == 0 ? IdSuitsBox : IdRanksBox;
        const int delta = pick(2) == 0 ? 1 : -1;
        UpDownCtrl* spin = d_.spin(boxId + 1);
        step(boxId, delta, [&] {
            QTest::mouseClick(delta > 0 ? spin->upButton() : spin->downButton(), Qt::LeftButton);
        });
        return "spin";
    }

    const char* arrowKey() {
        const int boxId = pick(2) == 0 ? IdSuitsBox : IdRanksBox;
        const int delta = pick(2) == 0 ? 1 : -1;
        step(boxId, delta,
             [&] { QTest::keyClick(box(boxId), delta > 0 ? Qt::Key_Up : Qt::Key_Down); });
        return "arrow key";
    }

    void clickEnumerate() {
        auto* check = d_.get<QCheckBox>(IdEnumerate);
        // The box sits at the right end: its text is laid out to its left.
        QTest::mouseClick(check, Qt::LeftButton, {},
                          QPoint(check->width() - 8, check->height() / 2));
    }

    const char* toggleEnumerate() {
        const bool before = enumerateChecked();
        clickEnumerate();
        EXPECT_EQ(enumerateChecked(), results() ? before : !before);
        return "toggle enumerate";
    }

    static bool smallDeck(marvane::Deck deck) { return deck.suits <= 5 && deck.ranks <= 8; }

    // "Compute Odds" by its button, or by Enter in a box, where it is the
    // default button.
    void clickComputeOdds(bool byEnter = false) {
        const std::optional<QString> complaint = readingComplaint();
        const bool resultsBefore = results();
        if (byEnter && !resultsBefore) {
            QLineEdit* into = box(pick(2) == 0 ? IdSuitsBox : IdRanksBox);
            into->setFocus();
            QTest::keyClick(into, Qt::Key_Return);
        } else {
            d_.click(IdComputeOdds);
        }
        if (resultsBefore) {
            return;  // the button is disabled
        }
        if (complaint) {
            expectedMessages_ << *complaint;
            return;
        }
        // The session computed the deck in the boxes, as the boxes asked.
        computedBefore_ = true;
        ASSERT_TRUE(results());
        EXPECT_EQ(session().workingDeck().suits, *numberIn(text(IdSuitsBox)));
        EXPECT_EQ(session().workingDeck().ranks, *numberIn(text(IdRanksBox)));
        EXPECT_EQ(session().report()->enumerated, enumerateChecked());
        sort_ = {session().report()->enumerated ? 3 : 2, true};
    }

    const char* computeOdds() {
        // Enumerating is kept to the smallest decks, so the run stays short.
        if (!results() && enumerateChecked() && !readingComplaint() &&
            !smallDeck({static_cast<std::uint32_t>(*numberIn(text(IdSuitsBox))),
                        static_cast<std::uint32_t>(*numberIn(text(IdRanksBox)))})) {
            clickEnumerate();
        }
        const bool byEnter = pick(2) == 0;
        clickComputeOdds(byEnter);
        return byEnter ? "compute by enter" : "compute";
    }

    const char* computeSmallDeckWithEnumeration() {
        if (!results()) {
            d_.type(IdSuitsBox, QString::number(4 + pick(2)));
            d_.type(IdRanksBox, QString::number(7 + pick(2)));
            if (!enumerateChecked()) {
                clickEnumerate();
            }
        }
        clickComputeOdds();
        return "compute enumerating";
    }

    const char* again() {
        d_.click(IdAgain);
        EXPECT_FALSE(results());
        return "again";
    }

    const char* headerClick() {
        CSortListCtrl* list = d_.list();
        if (list->columnCount() == 0) {
            return "header click (no columns)";
        }
        const int column = pick(list->columnCount());
        QHeaderView* header = list->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, at);
        sort_.ascending = column == sort_.column ? !sort_.ascending : true;
        sort_.column = column;
        return "header click";
    }

    const char* copyResults() {
        CSortListCtrl* list = d_.list();
        if (!results()) {
            // The disabled list can't take the focus; the key goes where the focus is.
            if (QWidget* focus = d_.dialog.focusWidget()) {
                QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
            }
            return "copy (input)";
        }
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        const QString copied = QGuiApplication::clipboard()->text();
        const QStringList lines = copied.split(u'\n');
        const int selected = static_cast<int>(list->selectionModel()->selectedRows().size());
        EXPECT_EQ(lines.size(), 2 + (selected > 0 ? selected : 17));  // "\n" ends the last
        EXPECT_EQ(lines.value(0), session().report()->enumerated
                                      ? "Hand\tEnumerated\tComputed\tTotal"
                                      : "Hand\tComputed\tTotal");
        return "copy";
    }

    const char* clickRow() {
        CSortListCtrl* list = d_.list();
        if (list->rowCount() == 0) {
            return "row click (no rows)";
        }
        const int row = pick(list->rowCount());
        const QPoint at(10, list->rowViewportPosition(row) + list->rowHeight(row) / 2);
        if (at.y() < 0 || at.y() >= list->viewport()->height()) {
            return "row click (scrolled off)";
        }
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        EXPECT_TRUE(list->selectionModel()->isRowSelected(row, QModelIndex())) << row;
        return "row click";
    }

    // Ends the dialog and shows it again, if it ended.
    void reopenIfEnded(QDialog::DialogCode expected, bool shouldEnd) {
        EXPECT_EQ(d_.dialog.isVisible(), !shouldEnd);
        if (!d_.dialog.isVisible()) {
            EXPECT_EQ(d_.dialog.result(), expected);
            d_.dialog.setResult(0);
            d_.dialog.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&d_.dialog));
        }
    }

    // "Close" by its button, or by Enter in the list once there are results
    // ("Close" is then the default button).
    const char* close() {
        const std::optional<QString> complaint = readingComplaint();
        const bool byEnter = results() && pick(2) == 0;
        if (byEnter) {
            d_.list()->setFocus();
            QTest::keyClick(d_.list(), Qt::Key_Return);
        } else {
            d_.click(IdClose);
        }
        if (complaint) {
            expectedMessages_ << *complaint;
        }
        reopenIfEnded(QDialog::Accepted, !complaint);
        return byEnter ? "enter" : "close";
    }

    const char* escape() {
        QTest::keyClick(&d_.dialog, Qt::Key_Escape);
        reopenIfEnded(QDialog::Rejected, true);
        return "escape";
    }

    void checkState(const char* action) {
        SCOPED_TRACE(action);
        for (int id : kInputControls) {
            EXPECT_EQ(d_.get(id)->isEnabled(), !results()) << "control " << id;
        }
        for (int id : {IdPossibleHands, IdPossibleHandsLabel, IdResultsList}) {
            EXPECT_EQ(d_.get(id)->isEnabled(), results()) << "control " << id;
        }
        EXPECT_EQ(d_.get(IdAgain)->isEnabled(), computedBefore_);
        EXPECT_TRUE(d_.get(IdClose)->isEnabled());
        if (results()) {
            checkResults();
            return;
        }
        EXPECT_EQ(d_.get<QLabel>(IdPossibleHands)->text(), computedBefore_ ? "" : "Static");
        EXPECT_FALSE(d_.get(IdFloatingPathMark)->isVisible());
        EXPECT_FALSE(d_.get(IdProgressBar)->isVisible());
        EXPECT_EQ(d_.list()->rowCount(), 0);
        EXPECT_EQ(d_.list()->columnCount(), 0);
    }

    void checkResults() {
        const marvane::Deck deck = session().workingDeck();
        const bool enumerated = session().report()->enumerated;
        EXPECT_EQ(d_.get<QLabel>(IdPossibleHands)->text(),
                  QString::number(handsIn(deck.cardCount())));
        EXPECT_EQ(d_.get(IdFloatingPathMark)->isVisible(), deck.cardCount() >= 93);
        const auto* bar = d_.get<QProgressBar>(IdProgressBar);
        EXPECT_EQ(bar->isVisible(), enumerated);
        if (enumerated) {
            EXPECT_EQ(bar->value(), bar->maximum());
        }

        const CSortListCtrl* list = d_.list();
        const QStringList headings = enumerated
                                         ? QStringList{"Hand", " Enumerated", " Computed", " Total"}
                                         : QStringList{"Hand", " Computed", " Total"};
        ASSERT_EQ(list->columnCount(), headings.size());
        for (int column = 0; column < headings.size(); ++column) {
            EXPECT_EQ(list->horizontalHeaderItem(column)->text(), headings[column]);
        }
        ASSERT_EQ(list->rowCount(), 17);

        const EngineRows& engine = engineRows(deck);
        const int total = static_cast<int>(headings.size()) - 1;
        QStringList seen;
        for (int row = 0; row < list->rowCount(); ++row) {
            const QStringList texts = list->rowTexts(row);
            ASSERT_EQ(texts.size(), headings.size());
            for (int column = 0; column < texts.size(); ++column) {
                EXPECT_EQ(list->item(row, column)->text(), texts[column]);
            }
            const QString& hand = texts[0];
            ASSERT_TRUE(engine.totals.count(hand)) << hand.toStdString();
            EXPECT_FALSE(seen.contains(hand)) << hand.toStdString();
            seen << hand;
            EXPECT_EQ(texts[total], QString::number(engine.totals.at(hand)));
            EXPECT_EQ(texts[total - 1], QString::number(engine.computed.at(hand)));
            if (enumerated) {
                EXPECT_EQ(texts[1], texts[2]) << hand.toStdString();
            }
        }
        checkOrder();
    }

    // The rows follow the last sorted column: numbers by value, names by bytes.
    void checkOrder() {
        const QStringList texts = d_.column(sort_.column);
        for (int row = 1; row < texts.size(); ++row) {
            const QString& a = sort_.ascending ? texts[row - 1] : texts[row];
            const QString& b = sort_.ascending ? texts[row] : texts[row - 1];
            if (sort_.column == 0) {
                EXPECT_LE(a.toUtf8(), b.toUtf8()) << row;
            } else {
                EXPECT_LE(a.toULongLong(), b.toULongLong()) << row;
            }
        }
    }

    DialogDriver d_;
    std::uint32_t seed_;
    std::mt19937 random_;
    ListSort sort_;
    bool computedBefore_ = false;
    QStringList expectedMessages_;
    std::map<std::string, int> counts_;
    int realBoxesAnswered_ = 0;
};

TEST(DialogStress, SeededRandomUserActionsKeepTheStateTableAndTheResults) {
    Stress stress(kSeed);
    stress.run(kActions);
    stress.report();
    EXPECT_EQ(stress.total(), kActions);
}

// Everything the dialog makes for one computation goes again with "Again?",
// and every widget goes with the dialog. LeakSanitizer can't see widgets
// left behind (the application keeps a list of all of them), so count them.
TEST(DialogStress, ComputeAndAgainCyclesLeaveNothingBehind) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const qsizetype widgetsBefore = QApplication::allWidgets().size();
    {
        DialogDriver d;
        const auto objectCount = [&] { return d.dialog.findChildren<QObject*>().size(); };
        qsizetype objectsAfterWarmUp = 0;
        for (int cycle = 0; cycle < 200; ++cycle) {
            if (cycle % 25 == 0) {
                d.compute(4, 7, true);
            } else {
                d.compute(4 + cycle % 5, 7 + cycle % 14, false);
            }
            QHeaderView* header = d.list()->horizontalHeader();
            QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
            QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
            QTest::keyClick(d.list(), Qt::Key_C, Qt::ControlModifier);
            d.click(IdAgain);
            QCoreApplication::processEvents();
            ASSERT_EQ(d.list()->rowCount(), 0);
            ASSERT_EQ(d.list()->columnCount(), 0);
            if (cycle == 10) {
                objectsAfterWarmUp = objectCount();
            }
        }
        EXPECT_EQ(objectCount(), objectsAfterWarmUp);
        EXPECT_TRUE(d.messages.isEmpty());
        d.dialog.reject();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(QApplication::allWidgets().size(), widgetsBefore);
}

}  // namespace

}  // namespace marvane
