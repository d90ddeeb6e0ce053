// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <bitset>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/deck.h"
#include "engine/engine_state.h"
#include "report/deck_report.h"

namespace marvane {

// What the calculator decides, without a widget: the values entered and the
// deck being worked on, the reading of the boxes (it stops at the first bad
// one), the spin steps, the guard that keeps one exchange out of another,
// and the run of the engine with its throttled progress. The dialog shows
// what this says; tests drive it directly.
class CalculatorSession : public QObject {
    Q_OBJECT

public:
    // The items of an exchange, in the order a reading takes them.
    enum Item { SuitsItem, RanksItem, EnumerateItem, ItemCount };

    // What the boxes hold when a reading starts.
    struct Inputs {
        std::string suits;
        std::string ranks;
        bool enumerate = false;
    };
    // What a writing puts in the boxes; nothing for an item that the last
    // reading stopped before, whose box still shows what the user set.
    struct Shown {
        std::optional<std::uint32_t> suits;
        std::optional<std::uint32_t> ranks;
        std::optional<bool> enumerate;
    };

    // Holds the exchange guard for its lifetime.
    class ExchangeLock {
    public:
        explicit ExchangeLock(CalculatorSession& session);
        ~ExchangeLock();
        ExchangeLock(const ExchangeLock&) = delete;
        ExchangeLock& operator=(const ExchangeLock&) = delete;

    private:
        CalculatorSession& session_;
        bool wasRunning_;
    };

    explicit CalculatorSession(QObject* parent = nullptr);

    // True while an exchange runs (its message included): the dialog's
    // handlers then return at once.
    bool lockedOut() const { return exchangeRunning_; }

    // Reads the inputs in order, stopping at the first bad box: that one
    // emits inputRejected and the read returns false. A box whose text is a
    // number out of range still takes the number, as the dialog shows it.
    bool read(const Inputs& inputs);
    // What the boxes should show now; forgets which items went unread.
    Shown write();
    // Takes the working deck as the entered values, so a box that fails its
    // first reading gets back what it showed.
    void enterWorkingValues();

    // A spin button's step from `position`: moves the working and entered
    // value when the new one is in range.
    void step(Item item, int position, int delta);

    // The run of "Compute Odds" after a good reading: runStarted with the
    // number of hands, progress while enumerating, then finished. Synchronous.
    void compute();
    // Back to the input state: no tables, no report.
    void clearResults();

    std::uint32_t enteredSuits() const { return enteredSuits_; }
    std::uint32_t enteredRanks() const { return enteredRanks_; }
    bool enumerateFlag() const { return enumerateFlag_; }
    Deck workingDeck() const { return {workingSuits_, workingRanks_}; }
    const EngineState& engineState() const { return state_; }
    // The results on show; nothing before a run and after clearResults.
    const std::optional<DeckReport>& report() const { return report_; }
    // Seconds since the last run started.
    double elapsedSeconds() const;

signals:
    // A reading stopped at this item; the message says why.
    void inputRejected(marvane::CalculatorSession::Item item, const QString& message);
    // The number of hands and the "*" are known; the enumeration, if any, follows.
    void runStarted(const marvane::DeckReport& report);
    // The enumeration's progress ticks so far, at most sixty times a second
    // and once at its end.
    void progressed(int ticks);
    void finished(const marvane::DeckReport& report);

private:
    bool readNumber(Item item, const std::string& text, std::uint32_t& entered,
                    std::uint32_t minimum, std::uint32_t maximum);
    void onProgressTick();
    void keepEngineState(const DeckReport& report);

    bool exchangeRunning_ = false;
    // Items that the last reading stopped before: their values are older than
    // what the boxes show, so the next writing must not put them back.
    std::bitset<ItemCount> unreadItems_;

    std::uint32_t enteredSuits_ = 0;
    std::uint32_t enteredRanks_ = 0;
    bool enumerateFlag_ = false;
    std::uint32_t workingSuits_ = 4;
    std::uint32_t workingRanks_ = 13;
    EngineState state_;
    std::optional<DeckReport> report_;

    // The progress ticks of the run so far, and when they were last told.
    int progressTicks_ = 0;
    std::chrono::steady_clock::time_point progressToldAt_{};
};

}  // namespace marvane
