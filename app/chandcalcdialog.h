// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <bitset>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "app/results_export.h"
#include "engine/deck.h"
#include "engine/engine_state.h"
#include "report/deck_report.h"

class CSortListCtrl;
class ChartWindow;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class UpDownCtrl;

namespace marvane {
class DeckReportBuilder;
struct DeckReport;
}  // namespace marvane

// The calculator: two number boxes with spin buttons, the "Enumerate?" choice,
// the possible-hands number, the progress bar and the results list. It owns
// the engine state of every computation and runs the engine inside the
// "Compute Odds" click (the workers' progress reaches the bar on the dialog's
// thread), so the dialog takes no input during a run.
class CHandCalcDialog : public QDialog {
    Q_OBJECT

public:
    // Shows a validation message: parent, title, text.
    using MessageFunction =
        std::function<void(QWidget* parent, const QString& title, const QString& text)>;

    explicit CHandCalcDialog(QWidget* parent = nullptr);
    ~CHandCalcDialog() override;

    // The control with this id (see control_ids.h), or nullptr.
    QWidget* control(int id) const;

    // Replaces the warning message box, e.g. to record messages in tests.
    void setMessageFunction(MessageFunction showMessage);
    // Replaces the file dialog that asks where to save the results.
    void setSavePathFunction(SavePathFunction askSavePath);

    // Reads the boxes into the entered values, validating them (true), or
    // writes the entered values into the boxes (false). A read that stops at
    // a bad box shows its message, focuses and selects that box, and returns false.
    bool UpdateData(bool saveAndValidate = true);

    std::uint32_t enteredSuits() const { return enteredSuits_; }
    std::uint32_t enteredRanks() const { return enteredRanks_; }
    bool enumerateFlag() const { return enumerateFlag_; }
    marvane::Deck workingDeck() const { return {workingSuits_, workingRanks_}; }
    const marvane::EngineState& engineState() const { return state_; }

    // The control handlers. Each does nothing while a data exchange runs.
    void OnComputeOdds();
    void OnAgain();
    void OnDeltaposSuits(int position, int delta);
    void OnDeltaposRanks(int position, int delta);
    // "Close": ends the dialog only when both boxes hold valid numbers.
    void OnOK();

    void showAboutBox();

    // Ends the dialog, remembering the window's size and place for next time.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

public slots:
    // Escape and the window's close box: no validation.
    void reject() override;

private:
    // The items of a data exchange, in the order it takes them.
    enum ExchangeItem { SuitsItem, RanksItem, EnumerateItem, ExchangeItemCount };

    void createControls();
    QAction* makeAction(const QString& text, const char* objectName);
    QAction* makeSeparator();
    void createResultActions();
    // Adds or removes the probability and odds columns as their entries say.
    void showOddsColumns();
    void saveResultsAs();
    void showChart();
    // Enter clicks this button: "Compute Odds" for input, "Close" for results.
    void setDefaultButton(QPushButton* button);
    void layOutControls();
    void makeRoomForNumberCaptions();
    void setUpTabOrder();
    void OnInitDialog();

    bool DoDataExchange(bool saveAndValidate);
    bool readNumberBox(QLineEdit* box, std::uint32_t& entered, std::uint32_t minimum,
                       std::uint32_t maximum);
    void failExchange(QLineEdit* box, const QString& message);
    void deltaPos(int position, int delta, ExchangeItem item, std::uint32_t minimum,
                  std::uint32_t maximum, std::uint32_t& working, std::uint32_t& entered);
    bool lockedOut() const { return exchangeRunning_; }

    void EnableInputControls(bool enable);
    void EnableResultControls(bool enable);
    void EnableEndButtons(bool enable);

    void runEnumeration(marvane::DeckReportBuilder& builder);
    void stepProgressBar();
    void keepEngineState(const marvane::DeckReport& report);
    void fillResults(const marvane::DeckReport& report);
    void showElapsedTime();

    // Controls, owned through Qt's parent chain.
    QLineEdit* suitsBox_ = nullptr;
    UpDownCtrl* suitsSpin_ = nullptr;
    QLineEdit* ranksBox_ = nullptr;
    UpDownCtrl* ranksSpin_ = nullptr;
    QLabel* suitsLabel_ = nullptr;
    QLabel* ranksLabel_ = nullptr;
    QCheckBox* enumerateBox_ = nullptr;
    QPushButton* computeOdds_ = nullptr;
    QLabel* possibleHands_ = nullptr;
    QLabel* possibleHandsLabel_ = nullptr;
    CSortListCtrl* resultsList_ = nullptr;
    QPushButton* again_ = nullptr;
    QPushButton* close_ = nullptr;
    QLabel* floatingPathMark_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QLabel* elapsedTime_ = nullptr;
    QAction* copyAction_ = nullptr;
    QAction* probabilityAction_ = nullptr;
    QAction* oddsAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    ChartWindow* chartWindow_ = nullptr;

    // The window's smallest size and every control's place at that size.
    QSize templateSize_;
    std::vector<std::pair<QWidget*, QRect>> templatePlaces_;

    MessageFunction showMessage_;
    SavePathFunction askSavePath_;
    bool exchangeRunning_ = false;

    // Items that the last reading stopped before: their values are older than
    // what the boxes show, so the next writing must not put them back.
    std::bitset<ExchangeItemCount> unreadItems_;

    // The last values read from the boxes, and the deck the engine works on.
    std::uint32_t enteredSuits_ = 0;
    std::uint32_t enteredRanks_ = 0;
    bool enumerateFlag_ = false;
    std::uint32_t workingSuits_ = 4;
    std::uint32_t workingRanks_ = 13;
    marvane::EngineState state_;
    // The progress ticks of the run so far, and when the bar last showed them.
    int progressTicks_ = 0;
    std::chrono::steady_clock::time_point barShownAt_{};
    // The results on show, for the extra columns and the export.
    std::optional<marvane::DeckReport> report_;
};
