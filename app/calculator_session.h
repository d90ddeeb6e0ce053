// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <bitset>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>
#include <tuple>
#include <utility>

#include "engine/vocabulary/category_order.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/engine_state.h"
#include "report/orders/order_report.h"
#include "report/results/count_request.h"
#include "report/results/count_table.h"
#include "report/results/shown_report.h"

namespace marvane {

// What the calculator decides, without a widget: the values entered and the
// deck being worked on, the reading of the boxes (it stops at the first bad
// one), the spin steps, and the run of the report with its throttled
// progress. The dialog shows what this says; tests drive it directly.
//
// Every run is synchronous but one: enumerating hands of other sizes than
// five, or of a deck with jokers, which can take hours. That one runs on
// worker threads (a "long run") while the dialog's event loop goes on; it
// ends in finished or cancelled.
class CalculatorSession : public QObject {
    Q_OBJECT

public:
    // The items of an exchange, in the order a reading takes them.
    enum Item { SuitsItem, RanksItem, CardsItem, JokersItem, EnumerateItem, ItemCount };
    Q_ENUM(Item)

    // What the boxes hold when a reading starts.
    struct Inputs {
        std::string suits;
        std::string ranks;
        std::string cards = "5";
        std::string jokers = "0";
        bool enumerate = false;
    };
    // What a writing puts in the boxes; nothing for an item that the last
    // reading stopped before, whose box still shows what the user set.
    struct Shown {
        std::optional<std::uint32_t> suits;
        std::optional<std::uint32_t> ranks;
        std::optional<std::uint32_t> cards;
        std::optional<std::uint32_t> jokers;
        std::optional<bool> enumerate;
    };

    explicit CalculatorSession(QObject* parent = nullptr);
    // Stops a long run and waits for its workers.
    ~CalculatorSession() override;

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

    // Whether "Compute Odds" with the values read would be a long run, whether
    // it asks first (every long run but the quick ones of three or four
    // cards), and about how long it would take on this machine's workers.
    bool computeIsLong() const;
    bool computeAsksFirst() const;
    std::uint64_t plannedHands() const;
    double estimatedSeconds() const;

    // The run of "Compute Odds" after a good reading: runStarted with the
    // number of hands, progress while enumerating, then finished. A long run
    // returns at once and ends later, in finished or cancelled.
    void compute();
    bool running() const { return longRun_; }
    // Asks a long run's workers to stop; cancelled follows when they have.
    void cancel();
    // Stops a long run and waits until its workers have ended; nothing follows.
    void stopAndWait();
    // Back to the input state: no tables, no report.
    void clearResults();

    // The ranking of categories for hands of other sizes than five or with
    // jokers: the deck's own order unless one is chosen for the
    // results on show. It holds for that deck, hand size and jokers only:
    // another run's starts from its own order again.
    void setChosenOrder(CategoryOrder order);
    const CategoryOrder& chosenOrder() const { return chosenOrder_; }
    // Whether the results on show can be counted again under another
    // order at once: hands of other sizes than five or with jokers, and no run
    // under way.
    bool canRecount() const;
    // Counts the results on show again under the chosen order, by the exact
    // method (an enumeration's counts were under the old order): finished
    // follows.
    void recount();
    // For results of other sizes than five or with jokers: the search for a self-consistent
    // order and the pairs that break the shown order.
    const std::optional<OrderSearchReport>& orderSearch() const { return orderSearch_; }
    std::vector<BreakingPair> breakingPairs() const;

    std::uint32_t enteredSuits() const { return enteredSuits_; }
    std::uint32_t enteredRanks() const { return enteredRanks_; }
    Deck enteredDeck() const { return {enteredSuits_, enteredRanks_}; }
    std::uint32_t enteredCards() const { return enteredCards_; }
    std::uint32_t workingCards() const { return workingCards_; }
    std::uint32_t enteredJokers() const { return enteredJokers_; }
    std::uint32_t workingJokers() const { return workingJokers_; }
    bool enumerateFlag() const { return enumerateFlag_; }
    Deck workingDeck() const { return {workingSuits_, workingRanks_}; }
    const EngineState& engineState() const { return state_; }
    // The results on show; nothing before a run and after clearResults.
    const std::optional<ShownReport>& report() const { return report_; }
    // The progress ticks a full run of the current compute makes.
    int progressTicks() const { return progressRange_; }
    // Seconds since the last run started.
    double elapsedSeconds() const;

signals:
    // A reading stopped at this item; the message says why.
    void inputRejected(marvane::CalculatorSession::Item item, const QString& message);
    // The number of hands and the "*" are known; the enumeration, if any, follows.
    void runStarted(const marvane::ShownReport& report);
    // The enumeration's progress ticks so far, at most sixty times a second
    // and once at its end; a long run adds the seconds it thinks are left.
    void progressed(int ticks);
    void timeLeft(double seconds);
    void finished(const marvane::ShownReport& report);
    // A long run stopped before its end: nothing was computed.
    void cancelled();
    // A long run could not be done (the engine refused it): nothing was computed.
    void failed();

private:
    bool readNumber(Item item, const std::string& text, std::uint32_t& entered,
                    std::uint32_t minimum, std::uint32_t maximum);
    void onProgressTick();
    // Every run but a long one: the counts, and a five-card enumeration on
    // the dialog's thread with its ticks.
    void computeNow();
    // The request for a deck, hand size and jokers under the chosen order,
    // with the deck's count table where one is needed.
    CountRequest requestFor(Deck deck, std::uint32_t cards, std::uint32_t jokers);
    void startLongRun();
    void endLongRun(const std::optional<ShownReport>& report, SharedCountTable counting);
    // The deck's count table at this hand size and jokers, built on first use.
    const OrderCounter* countingFor(Deck deck, std::uint32_t cards, std::uint32_t jokers);
    void show(const ShownReport& report);
    CategoryOrder orderFor(Deck deck, std::uint32_t cards, std::uint32_t jokers) const;
    void keepEngineState(const ShownReport& report);

    // Items that the last reading stopped before: their values are older than
    // what the boxes show, so the next writing must not put them back.
    std::bitset<ItemCount> unreadItems_;

    std::uint32_t enteredSuits_ = 0;
    std::uint32_t enteredRanks_ = 0;
    std::uint32_t enteredCards_ = 5;
    std::uint32_t enteredJokers_ = 0;
    bool enumerateFlag_ = false;
    std::uint32_t workingSuits_ = 4;
    std::uint32_t workingRanks_ = 13;
    std::uint32_t workingCards_ = 5;
    std::uint32_t workingJokers_ = 0;
    EngineState state_;
    std::optional<ShownReport> report_;
    CategoryOrder chosenOrder_;  // empty: the deck's own
    // The deck, hand size and jokers it was chosen for.
    std::tuple<Deck, std::uint32_t, std::uint32_t> chosenFor_{};
    std::optional<OrderSearchReport> orderSearch_;
    // The count table of the last K-card deck, hand size and jokers: the report,
    // its order search and every recount read it, so it is built once.
    SharedCountTable counting_;
    int progressRange_ = 0;

    // A long run: its workers' thread and the flag that stops them.
    std::atomic<bool> stop_{false};
    bool longRun_ = false;         // from its start until finished, cancelled or stopped
    std::uint64_t runNumber_ = 0;  // of the latest long run; only the dialog's thread
    std::jthread worker_;

    // The progress ticks of the run so far, and when they were last told.
    int progressTicks_ = 0;
    std::chrono::steady_clock::time_point progressToldAt_{};
};

}  // namespace marvane
