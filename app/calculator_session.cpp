// SPDX-License-Identifier: MIT
#include "app/calculator_session.h"

#include "app/engine_texts.h"
#include "app/number_box_reading.h"

namespace marvane {

CalculatorSession::ExchangeLock::ExchangeLock(CalculatorSession& session)
    : session_(session), wasRunning_(session.exchangeRunning_) {
    session_.exchangeRunning_ = true;
}

CalculatorSession::ExchangeLock::~ExchangeLock() {
    session_.exchangeRunning_ = wasRunning_;
}

CalculatorSession::CalculatorSession(QObject* parent) : QObject(parent) {
    state_.clearTables();
}

bool CalculatorSession::read(const Inputs& inputs) {
    unreadItems_.reset();
    if (!readNumber(SuitsItem, inputs.suits, enteredSuits_, kMinSuits, kMaxSuits)) {
        unreadItems_.set(RanksItem).set(EnumerateItem);
        return false;
    }
    if (!readNumber(RanksItem, inputs.ranks, enteredRanks_, kMinRanks, kMaxRanks)) {
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
    if (!unreadItems_[EnumerateItem]) {
        shown.enumerate = enumerateFlag_;
    }
    unreadItems_.reset();
    return shown;
}

void CalculatorSession::enterWorkingValues() {
    enteredSuits_ = workingSuits_;
    enteredRanks_ = workingRanks_;
}

void CalculatorSession::step(Item item, int position, int delta) {
    const bool suits = item == SuitsItem;
    const std::uint32_t minimum = suits ? kMinSuits : kMinRanks;
    const std::uint32_t maximum = suits ? kMaxSuits : kMaxRanks;
    const long long stepped = static_cast<long long>(position) + delta;
    if (item == EnumerateItem || stepped < minimum || stepped > maximum) {
        return;
    }
    std::uint32_t& working = suits ? workingSuits_ : workingRanks_;
    working = static_cast<std::uint32_t>(stepped);
    (suits ? enteredSuits_ : enteredRanks_) = working;
    unreadItems_.reset(item);
}

void CalculatorSession::compute() {
    workingSuits_ = enteredSuits_;
    workingRanks_ = enteredRanks_;
    state_.startTime = std::chrono::steady_clock::now();
    // The number of hands, the "*" and the closed-form counts come first, so
    // that they show while the enumeration runs.
    DeckReportBuilder builder({.deck = workingDeck(),
                               .enumerate = enumerateFlag_,
                               .progress = [this] { onProgressTick(); }});
    progressTicks_ = 0;
    emit runStarted(builder.report());
    if (enumerateFlag_) {
        progressToldAt_ = std::chrono::steady_clock::now();
        builder.enumerate();
        emit progressed(progressTicks_);
    }
    const DeckReport report = builder.finish();
    keepEngineState(report);
    report_ = report;
    emit finished(report);
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

void CalculatorSession::keepEngineState(const DeckReport& report) {
    state_.enumerated = report.state.enumerated;
    state_.computed = report.state.computed;
    state_.totals = report.state.totals;
    // The counter and step keep the last enumeration's values.
    if (report.enumerated) {
        state_.handCounter = report.state.handCounter;
        state_.progressStep = report.state.progressStep;
    }
}

void CalculatorSession::clearResults() {
    state_.clearTables();
    report_.reset();
}

double CalculatorSession::elapsedSeconds() const {
    const std::chrono::duration<double> elapsed =
        std::chrono::steady_clock::now() - state_.startTime;
    return elapsed.count();
}

}  // namespace marvane
