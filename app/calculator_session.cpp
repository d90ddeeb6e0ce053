// SPDX-License-Identifier: MIT
#include "app/calculator_session.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <exception>

#include "app/number_box_reading.h"
#include "report/input/number_reading.h"
#include "report/results/count_request.h"
#include "report/results/count_table.h"

namespace marvane {

namespace {

// A long run's bar counts in thousandths of the hands.
constexpr int kLongRunTicks = 1000;

// Hands one worker visits in a second, measured with marvane_bench on the
// development machine; the estimate before a long run only has to be the
// right size. Hands of eight cards go about four times slower than hands of
// six or seven.
constexpr double kCardHandsPerWorkerSecond = 9.0e8;
constexpr std::uint32_t kEightCards = 8;
constexpr double kEightCardHandsPerWorkerSecond = 2.0e8;

// The number boxes' messages take their numbers as arguments.
struct NumberBoxTexts {
    Q_DECLARE_TR_FUNCTIONS(NumberBox)
};

// The number box's message for a failed reading; empty for a good one.
QString numberBoxMessage(NumberReadingStatus status, std::uint32_t minimum, std::uint32_t maximum) {
    switch (status) {
        case NumberReadingStatus::Ok:
            break;
        case NumberReadingStatus::NotAnInteger:
            return NumberBoxTexts::tr("Please enter a positive integer.");
        case NumberReadingStatus::OutOfRange:
            // Plain digits: QString::arg with an integer neither groups nor localises.
            return NumberBoxTexts::tr("Please enter an integer between %1 and %2.")
                .arg(minimum)
                .arg(maximum);
    }
    return {};
}

}  // namespace

CalculatorSession::CalculatorSession(QObject* parent) : QObject(parent) {
    state_.clearTables();
}

CalculatorSession::~CalculatorSession() {
    stopAndWait();
}

bool CalculatorSession::read(const Inputs& inputs) {
    unreadItems_.reset();
    if (!readNumber(SuitsItem, inputs.suits, enteredSuits_, kMinSuits, kMaxSuits)) {
        unreadItems_.set(RanksItem).set(CardsItem).set(JokersItem).set(EnumerateItem);
        return false;
    }
    if (!readNumber(RanksItem, inputs.ranks, enteredRanks_, kMinRanks, kMaxRanks)) {
        unreadItems_.set(CardsItem).set(JokersItem).set(EnumerateItem);
        return false;
    }
    if (!readNumber(CardsItem, inputs.cards, enteredCards_, kMinCards, kMaxCards)) {
        unreadItems_.set(JokersItem).set(EnumerateItem);
        return false;
    }
    if (!readNumber(JokersItem, inputs.jokers, enteredJokers_, 0, kMaxJokers)) {
        unreadItems_.set(EnumerateItem);
        return false;
    }
    enumerateFlag_ = inputs.enumerate;
    return true;
}

bool CalculatorSession::readNumber(Item item, const std::string& text, std::uint32_t& entered,
                                   std::uint32_t minimum, std::uint32_t maximum) {
    const NumberReading reading = readNumberBox(text, minimum, maximum);
    if (reading.status != NumberReadingStatus::NotAnInteger) {
        entered = reading.value;
    }
    if (reading.status != NumberReadingStatus::Ok) {
        emit inputRejected(item, numberBoxMessage(reading.status, minimum, maximum));
        return false;
    }
    return true;
}

CalculatorSession::Shown CalculatorSession::write() {
    Shown shown;
    if (!unreadItems_[SuitsItem]) {
        shown.suits = enteredSuits_;
    }
    if (!unreadItems_[RanksItem]) {
        shown.ranks = enteredRanks_;
    }
    if (!unreadItems_[CardsItem]) {
        shown.cards = enteredCards_;
    }
    if (!unreadItems_[JokersItem]) {
        shown.jokers = enteredJokers_;
    }
    if (!unreadItems_[EnumerateItem]) {
        shown.enumerate = enumerateFlag_;
    }
    unreadItems_.reset();
    return shown;
}

void CalculatorSession::enterWorkingValues() {
    enteredSuits_ = workingSuits_;
    enteredRanks_ = workingRanks_;
    enteredCards_ = workingCards_;
    enteredJokers_ = workingJokers_;
}

void CalculatorSession::step(Item item, int position, int delta) {
    struct Stepped {
        std::uint32_t minimum, maximum;
        std::uint32_t& working;
        std::uint32_t& entered;
    };
    if (item == EnumerateItem || item == ItemCount) {
        return;
    }
    const Stepped s =
        item == SuitsItem   ? Stepped{kMinSuits, kMaxSuits, workingSuits_, enteredSuits_}
        : item == RanksItem ? Stepped{kMinRanks, kMaxRanks, workingRanks_, enteredRanks_}
        : item == CardsItem ? Stepped{kMinCards, kMaxCards, workingCards_, enteredCards_}
                            : Stepped{0, kMaxJokers, workingJokers_, enteredJokers_};
    const long long stepped = static_cast<long long>(position) + delta;
    if (stepped < s.minimum || stepped > s.maximum) {
        return;
    }
    s.working = static_cast<std::uint32_t>(stepped);
    s.entered = s.working;
    unreadItems_.reset(item);
}

bool CalculatorSession::computeIsLong() const {
    // Only the five-card enumeration of a deck without jokers is quick
    // enough to run inside the click.
    return enumerateFlag_ && !countedByFiveCardFormulas(enteredCards_, enteredJokers_);
}

bool CalculatorSession::computeAsksFirst() const {
    // A hand of three or four cards is quick whatever the deck: at most
    // C(164, 4) = 29,051,001 hands, fewer than the five-card enumeration of
    // the largest deck, which runs without asking.
    return computeIsLong() && enteredCards_ >= kHandSize;
}

std::uint64_t CalculatorSession::plannedHands() const {
    return handsOf({enteredSuits_, enteredRanks_}, enteredCards_, enteredJokers_);
}

double CalculatorSession::estimatedSeconds() const {
    const double rate =
        enteredCards_ == kEightCards ? kEightCardHandsPerWorkerSecond : kCardHandsPerWorkerSecond;
    return static_cast<double>(plannedHands()) / (rate * enumerationWorkers());
}

void CalculatorSession::compute() {
    if (running()) {
        return;
    }
    const bool longRun = computeIsLong();
    workingSuits_ = enteredSuits_;
    workingRanks_ = enteredRanks_;
    workingCards_ = enteredCards_;
    workingJokers_ = enteredJokers_;
    state_.startTime = std::chrono::steady_clock::now();
    // A ranking chosen for one deck, hand size and jokers is not carried to another.
    if (chosenFor_ != std::tuple{workingDeck(), workingCards_, workingJokers_}) {
        chosenOrder_.clear();
    }
    if (longRun) {
        startLongRun();
    } else {
        computeNow();
    }
}

CountRequest CalculatorSession::requestFor(Deck deck, std::uint32_t cards, std::uint32_t jokers) {
    CountRequest request{.deck = deck, .cards = cards, .jokers = jokers};
    if (!countedByFiveCardFormulas(cards, jokers)) {
        request.order = orderFor(deck, cards, jokers);
        request.counting = countingFor(deck, cards, jokers);
    }
    return request;
}

void CalculatorSession::computeNow() {
    // The number of hands, the "*" and the counts come first, so that they
    // show while a five-card enumeration runs.
    CountRequest request = requestFor(workingDeck(), workingCards_, workingJokers_);
    ShownReport report = answer(request);
    progressTicks_ = 0;
    progressRange_ = enumerateFlag_ ? static_cast<int>(fiveCardProgressTicks(report.deck)) : 0;
    emit runStarted(report);
    if (enumerateFlag_) {
        request.enumerate = true;
        request.progress = [this](std::uint64_t, std::uint64_t) {
            onProgressTick();
            return true;
        };
        progressToldAt_ = std::chrono::steady_clock::now();
        report = answer(request);
        emit progressed(progressTicks_);
    }
    keepEngineState(report);
    show(report);
}

CategoryOrder CalculatorSession::orderFor(Deck deck, std::uint32_t cards,
                                          std::uint32_t jokers) const {
    return orderProblem(deck, cards, chosenOrder_, jokers) ? CategoryOrder{} : chosenOrder_;
}

void CalculatorSession::setChosenOrder(CategoryOrder order) {
    chosenOrder_ = std::move(order);
    if (report_) {
        chosenFor_ = {report_->deck, report_->cards, report_->jokers};
    }
}

bool CalculatorSession::canRecount() const {
    return report_ && !countedByFiveCardFormulas(report_->cards, report_->jokers) && !running();
}

void CalculatorSession::recount() {
    if (!canRecount()) {
        return;
    }
    // Counted again by the exact method: an enumeration was under the old order.
    show(answer(requestFor(report_->deck, report_->cards, report_->jokers)));
}

std::vector<BreakingPair> CalculatorSession::breakingPairs() const {
    if (!report_) {
        return {};
    }
    const auto* cards = std::get_if<KCardReport>(&report_->source);
    return cards ? marvane::breakingPairs(*cards) : std::vector<BreakingPair>{};
}

const OrderCounter* CalculatorSession::countingFor(Deck deck, std::uint32_t cards,
                                                   std::uint32_t jokers) {
    if (!counting_ || counting_->deck() != deck || counting_->cards() != cards ||
        counting_->jokers() != jokers) {
        counting_ = buildCountTable(deck, cards, jokers);
    }
    return counting_.get();
}

void CalculatorSession::show(const ShownReport& report) {
    if (std::holds_alternative<KCardReport>(report.source)) {
        // The engine state's tables are the five-card ones without jokers.
        state_.clearTables();
        if (!orderSearch_ || orderSearch_->deck != report.deck ||
            orderSearch_->cards != report.cards || orderSearch_->jokers != report.jokers) {
            orderSearch_ =
                buildOrderSearchReport(*countingFor(report.deck, report.cards, report.jokers));
        }
    } else {
        orderSearch_.reset();
    }
    report_ = report;
    emit finished(report);
}

void CalculatorSession::startLongRun() {
    const Deck deck = workingDeck();
    const std::uint32_t cards = workingCards_;
    const std::uint32_t jokers = workingJokers_;
    progressRange_ = kLongRunTicks;
    ShownReport start;
    start.deck = deck;
    start.cards = cards;
    start.jokers = jokers;
    start.hands = handsOf(deck, cards, jokers);
    longRun_ = true;
    emit runStarted(start);

    stop_ = false;
    const std::uint64_t run = ++runNumber_;
    const auto started = std::chrono::steady_clock::now();
    // The workers report through queued calls, so everything they say is
    // shown on the dialog's thread; a call from a run that was abandoned
    // (stopAndWait) finds another run number and does nothing.
    const auto progress = [this, run, started](std::uint64_t done, std::uint64_t total) {
        const int ticks =
            total == 0 ? kLongRunTicks : static_cast<int>(done * kLongRunTicks / total);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
        const double left =
            done == 0 ? -1.0 : elapsed.count() * static_cast<double>(total - done) / done;
        QMetaObject::invokeMethod(
            this,
            [this, run, ticks, left] {
                if (run == runNumber_) {
                    emit progressed(ticks);
                    emit timeLeft(left);
                }
            },
            Qt::QueuedConnection);
        return !stop_.load();
    };
    CountRequest request{.deck = deck,
                         .cards = cards,
                         .jokers = jokers,
                         .order = orderFor(deck, cards, jokers),
                         .enumerate = true,
                         .progress = progress,
                         .stop = &stop_};
    worker_ = std::jthread([this, request, run]() mutable {
        // Nothing may escape a thread: a refusal comes back as no report.
        // The count table is built here too, off the dialog's thread, and
        // comes back with the report for its order search.
        std::optional<ShownReport> report;
        SharedCountTable counting;
        try {
            counting = buildCountTable(request.deck, request.cards, request.jokers);
            request.counting = counting.get();
            report = answer(request);
        } catch (const std::exception&) {
            report.reset();
        }
        QMetaObject::invokeMethod(
            this,
            [this, run, report = std::move(report), counting = std::move(counting)] {
                if (run == runNumber_) {
                    endLongRun(report, counting);
                }
            },
            Qt::QueuedConnection);
    });
}

void CalculatorSession::endLongRun(const std::optional<ShownReport>& report,
                                   SharedCountTable counting) {
    worker_.join();  // it has sent its last word
    longRun_ = false;
    if (counting) {
        counting_ = std::move(counting);
    }
    // A run that ended early without a Cancel was refused.
    if (!report || (report->cancelled && !stop_)) {
        clearResults();
        emit failed();
        return;
    }
    if (report->cancelled) {
        clearResults();
        emit cancelled();
        return;
    }
    emit progressed(kLongRunTicks);
    show(*report);
}

void CalculatorSession::cancel() {
    stop_ = true;
}

void CalculatorSession::stopAndWait() {
    ++runNumber_;
    stop_ = true;
    if (worker_.joinable()) {
        worker_.join();
    }
    longRun_ = false;
}

void CalculatorSession::onProgressTick() {
    // A bar paints at once whenever a new value makes it visibly longer, a
    // few hundred times in a run, each paint taking time from the workers.
    // Sixty new values a second move it just as smoothly to the eye.
    constexpr std::chrono::microseconds kTellInterval{16'667};
    ++progressTicks_;
    const auto now = std::chrono::steady_clock::now();
    if (now - progressToldAt_ >= kTellInterval) {
        progressToldAt_ = now;
        emit progressed(progressTicks_);
    }
}

void CalculatorSession::keepEngineState(const ShownReport& shown) {
    const auto* report = std::get_if<FiveCardReport>(&shown.source);
    if (report == nullptr) {
        return;  // show() clears the five-card tables for other results
    }
    state_.enumerated = report->state.enumerated;
    state_.computed = report->state.computed;
    state_.totals = report->state.totals;
    // The counter and step keep the last enumeration's values.
    if (report->enumerated) {
        state_.handCounter = report->state.handCounter;
        state_.progressStep = report->state.progressStep;
    }
}

void CalculatorSession::clearResults() {
    state_.clearTables();
    report_.reset();
    orderSearch_.reset();
}

double CalculatorSession::elapsedSeconds() const {
    const std::chrono::duration<double> elapsed =
        std::chrono::steady_clock::now() - state_.startTime;
    return elapsed.count();
}

}  // namespace marvane
