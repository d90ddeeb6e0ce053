// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>
#include <optional>

#include "app/calculator_session.h"
#include "app/dialog/dialog_controls.h"
#include "app/dialog/dialog_layout.h"
#include "app/dialog/dialog_menu_bar.h"
#include "app/dialog/exchange_lock.h"
#include "app/dialog/long_run_view.h"
#include "app/prompts.h"
#include "engine/vocabulary/deck.h"
#include "engine/vocabulary/engine_state.h"

class QAction;
class QPushButton;

namespace marvane {

class ChartWindow;
class RankingMenu;
class HelpWindow;
struct ShownReport;

// The calculator: number boxes with spin buttons for suits, ranks, cards
// per hand and jokers, the "Enumerate?" choice, the possible-hands number, the
// progress bar and the results list, under a menu bar. It wires its
// controls to the session it owns, which decides and runs everything, and
// shows what the session says. A run happens inside the "Compute Odds"
// click, and the dialog takes no input until it ends, except a long run
// (enumerating hands of other sizes than five, or with jokers): that one goes on on worker threads
// while the event loop runs, and only Cancel, Escape, the close box and
// Quit reach the dialog until it ends (see LongRunView).
class CHandCalcDialog : public QDialog {
    Q_OBJECT

public:
    explicit CHandCalcDialog(QWidget* parent = nullptr);
    ~CHandCalcDialog() override;

    // The control with this id (see control_ids.h), or nullptr.
    QWidget* control(int id) const;

    // Where warnings and save paths are asked, for the dialog and its chart
    // window; nullptr for the real dialogs.
    void setPrompts(std::shared_ptr<Prompts> prompts);

    // Reads the boxes into the entered values, validating them (true), or
    // writes the entered values into the boxes (false). A read that stops at
    // a bad box shows its message, focuses and selects that box, and returns false.
    bool UpdateData(bool saveAndValidate = true);

    const CalculatorSession& session() const { return session_; }
    std::uint32_t enteredSuits() const { return session_.enteredSuits(); }
    std::uint32_t enteredRanks() const { return session_.enteredRanks(); }
    bool enumerateFlag() const { return session_.enumerateFlag(); }
    Deck workingDeck() const { return session_.workingDeck(); }
    const EngineState& engineState() const { return session_.engineState(); }

    // The control handlers. Each does nothing while a data exchange runs.
    // A run that is not long has ended, and filled the list, when
    // OnComputeOdds returns.
    void OnComputeOdds();
    void OnAgain();
    void OnDeltaposSuits(int position, int delta) {
        deltaPos(CalculatorSession::SuitsItem, position, delta);
    }
    void OnDeltaposRanks(int position, int delta) {
        deltaPos(CalculatorSession::RanksItem, position, delta);
    }
    void OnDeltaposCards(int position, int delta) {
        deltaPos(CalculatorSession::CardsItem, position, delta);
    }
    void OnDeltaposJokers(int position, int delta) {
        deltaPos(CalculatorSession::JokersItem, position, delta);
    }
    // "Close": ends the dialog only when both boxes hold valid numbers.
    void OnOK();

    void showAboutBox();

    // Ends the dialog, remembering the window's size and place for next time.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

public slots:
    // Escape and the window's close box: no validation. During a long run
    // Escape cancels the run instead.
    void reject() override;
    // Ends the program without reading the boxes, stopping a long run.
    void quit();

private:
    void connectControls();
    void createActions();
    void showHelp();
    // Adds or removes the probability and odds columns as their entries say.
    void showOddsColumns();
    void saveResultsAs();
    void showChart();
    // Enter clicks this button: "Compute Odds" for input, "Close" for results.
    void setDefaultButton(QPushButton* button);
    void OnInitDialog();

    bool DoDataExchange(bool saveAndValidate);
    void showRejectedInput(CalculatorSession::Item item, const QString& message);
    void deltaPos(CalculatorSession::Item item, int position, int delta);

    void showRunStart(const ShownReport& report);
    void fillResults(const ShownReport& report);
    void showCancelled();
    void showResultsState();
    void showElapsedTime();
    void showRankings();
    void chooseOrder(const CategoryOrder& order);
    void askOwnOrder();

    CalculatorSession session_;
    ExchangeGuard exchange_;
    std::shared_ptr<Prompts> prompts_;
    // Controls, owned through Qt's parent chain.
    DialogControls ui_;
    DialogLayout layout_;
    DialogActions actions_;
    RankingMenu* rankingMenu_ = nullptr;
    ChartWindow* chartWindow_ = nullptr;
    HelpWindow* helpWindow_ = nullptr;    // made on first use
    std::optional<LongRunView> longRun_;  // made with the controls
    // Whether "Again?" was enabled when the last run began: a cancelled
    // long run leaves it so.
    bool againBeforeRun_ = false;
};

}  // namespace marvane
