// SPDX-License-Identifier: MIT
#include "app/dialog/chandcalcdialog.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>

#include "app/app_icon.h"
#include "app/app_settings.h"
#include "app/charts/chart_window.h"
#include "app/dialog/dialog_menu_bar.h"
#include "app/dialog/up_down_ctrl.h"
#include "app/help/about_dialog.h"
#include "app/help/help_window.h"
#include "app/results/odds_columns.h"
#include "app/results/ranking_menu.h"
#include "app/results/results_clipboard.h"
#include "app/results/results_explanations.h"
#include "app/results/results_export.h"
#include "app/results/results_list.h"
#include "engine/vocabulary/wide_counts.h"
#include "listctrl/csortlistctrl.h"
#include "report/results/shown_report.h"

namespace marvane {

namespace {

// Shows a window of the dialog's in front, with the focus.
void bringUp(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

CHandCalcDialog::CHandCalcDialog(QWidget* parent) : QDialog(parent), prompts_(dialogPrompts()) {
    setWindowTitle(QStringLiteral("Marvane"));
    // A window of its own (own taskbar entry) with close and maximise boxes.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMaximizeButtonHint);
    setWindowIcon(applicationIcon());

    ui_ = createDialogControls(this);
    connectControls();
    createActions();
    // The template's size is the smallest; the window may grow from there.
    const QSize templateSize = layout_.layOut(*this, ui_);
    setMinimumSize(templateSize);
    resize(templateSize);
    setUpTabOrder(ui_);
    OnInitDialog();
    restoreGeometry(AppSettings().windowGeometry());
}

CHandCalcDialog::~CHandCalcDialog() = default;

void CHandCalcDialog::connectControls() {
    connect(ui_.computeOdds, &QPushButton::clicked, this, &CHandCalcDialog::OnComputeOdds);
    connect(ui_.again, &QPushButton::clicked, this, &CHandCalcDialog::OnAgain);
    connect(ui_.close, &QPushButton::clicked, this, &CHandCalcDialog::OnOK);
    connect(ui_.suitsSpin, &UpDownCtrl::deltaPos, this, &CHandCalcDialog::OnDeltaposSuits);
    connect(ui_.ranksSpin, &UpDownCtrl::deltaPos, this, &CHandCalcDialog::OnDeltaposRanks);
    connect(ui_.cardsSpin, &UpDownCtrl::deltaPos, this, &CHandCalcDialog::OnDeltaposCards);
    connect(ui_.jokersSpin, &UpDownCtrl::deltaPos, this, &CHandCalcDialog::OnDeltaposJokers);
    connect(ui_.cancel, &QPushButton::clicked, &session_, &CalculatorSession::cancel);

    connect(&session_, &CalculatorSession::inputRejected, this,
            &CHandCalcDialog::showRejectedInput);
    connect(&session_, &CalculatorSession::runStarted, this, &CHandCalcDialog::showRunStart);
    connect(&session_, &CalculatorSession::progressed, this,
            [this](int ticks) { longRun_->showProgress(ticks); });
    connect(&session_, &CalculatorSession::finished, this, &CHandCalcDialog::fillResults);
    connect(&session_, &CalculatorSession::timeLeft, this,
            [this](double seconds) { longRun_->showTimeLeft(seconds); });
    connect(&session_, &CalculatorSession::cancelled, this, &CHandCalcDialog::showCancelled);
    connect(&session_, &CalculatorSession::failed, this, [this] {
        showCancelled();
        prompts_->warn(this, tr("The enumeration could not be run."));
    });
}

void CHandCalcDialog::showHelp() {
    if (helpWindow_ == nullptr) {
        helpWindow_ = new HelpWindow(this);
    }
    bringUp(helpWindow_);
}

void CHandCalcDialog::createActions() {
    actions_ = createDialogActions(this);
    const DialogActions& a = actions_;
    longRun_.emplace(ui_, std::vector<QAction*>{a.probability, a.odds, a.chart});
    CSortListCtrl* list = ui_.resultsList;
    connect(a.copy, &QAction::triggered, this,
            [list] { copyResults(*list, CopiedRows::SelectedOrAll); });
    connect(a.copyAll, &QAction::triggered, this, [list] { copyResults(*list, CopiedRows::All); });
    // The optional columns, remembered for the next run.
    connect(a.probability, &QAction::toggled, this, [this](bool shown) {
        AppSettings().setProbabilityColumn(shown);
        showOddsColumns();
    });
    connect(a.odds, &QAction::toggled, this, [this](bool shown) {
        AppSettings().setOddsColumn(shown);
        showOddsColumns();
    });
    connect(a.saveResults, &QAction::triggered, this, &CHandCalcDialog::saveResultsAs);
    connect(a.saveChart, &QAction::triggered, this, [this] {
        // What is saved is what the chart window shows: it draws on showing.
        if (!exchange_.lockedOut()) {
            showChart();
            chartWindow_->saveChartAs();
        }
    });
    connect(a.quit, &QAction::triggered, this, &CHandCalcDialog::quit);
    connect(a.chart, &QAction::triggered, this, &CHandCalcDialog::showChart);
    connect(a.help, &QAction::triggered, this, &CHandCalcDialog::showHelp);
    // The window manager's menu can't be extended, so the About box hangs off
    // Help and the dialog's context menu.
    connect(a.about, &QAction::triggered, this, &CHandCalcDialog::showAboutBox);
    addContextMenus(this, *list, a);
    // The chart window: its own window, following the results; F1 there
    // too, by the same action.
    chartWindow_ = new ChartWindow(this);
    chartWindow_->setPrompts(prompts_);
    chartWindow_->addAction(a.help);
    // A Copy key sent to the list while it lacks the focus misses the
    // shortcut; catch it on its way in.
    list->installEventFilter(this);

    rankingMenu_ = new RankingMenu(this);
    connect(rankingMenu_, &RankingMenu::orderChosen, this, &CHandCalcDialog::chooseOrder);
    connect(rankingMenu_, &RankingMenu::ownOrderRequested, this, &CHandCalcDialog::askOwnOrder);
    ui_.menuBar = createMenuBar(this, a, rankingMenu_);
}

void CHandCalcDialog::showOddsColumns() {
    const std::optional<ShownReport>& report = session_.report();
    if (!report) {
        return;  // they come with the next results
    }
    showOddsColumn(*ui_.resultsList, *report, OddsColumn::Probability,
                   actions_.probability->isChecked());
    showOddsColumn(*ui_.resultsList, *report, OddsColumn::Odds, actions_.odds->isChecked());
    explainHeadings(ui_.resultsList, report->cards);
}

void CHandCalcDialog::setPrompts(std::shared_ptr<Prompts> prompts) {
    prompts_ = prompts ? std::move(prompts) : dialogPrompts();
    chartWindow_->setPrompts(prompts_);
}

void CHandCalcDialog::showChart() {
    bringUp(chartWindow_);
}

void CHandCalcDialog::saveResultsAs() {
    const std::optional<ShownReport>& report = session_.report();
    if (!exchange_.lockedOut() && report) {
        const bool odds = actions_.probability->isChecked() || actions_.odds->isChecked();
        marvane::saveResultsAs(this, *prompts_, *report, odds);
    }
}

bool CHandCalcDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_.resultsList && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        actions_.copy->trigger();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CHandCalcDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layout_.stretch(size());
}

void CHandCalcDialog::done(int result) {
    AppSettings().setWindowGeometry(saveGeometry());
    QDialog::done(result);
}

void CHandCalcDialog::OnInitDialog() {
    UpdateData(false);
    const Deck deck = session_.workingDeck();
    ui_.suitsSpin->setRange(static_cast<int>(kMinSuits), static_cast<int>(kMaxSuits));
    ui_.suitsSpin->setPosition(static_cast<int>(deck.suits));
    ui_.ranksSpin->setRange(static_cast<int>(kMinRanks), static_cast<int>(kMaxRanks));
    ui_.ranksSpin->setPosition(static_cast<int>(deck.ranks));
    ui_.cardsSpin->setRange(static_cast<int>(kMinCards), static_cast<int>(kMaxCards));
    ui_.cardsSpin->setPosition(static_cast<int>(session_.workingCards()));
    ui_.jokersSpin->setRange(0, static_cast<int>(kMaxJokers));
    ui_.jokersSpin->setPosition(static_cast<int>(session_.workingJokers()));
    session_.enterWorkingValues();
    ui_.floatingPathMark->hide();
    ui_.progressBar->hide();
    setDefaultButton(ui_.computeOdds);
    ui_.suitsBox->selectAll();
}

void CHandCalcDialog::setDefaultButton(QPushButton* button) {
    for (QPushButton* candidate : {ui_.computeOdds, ui_.close}) {
        candidate->setDefault(candidate == button);
    }
}

QWidget* CHandCalcDialog::control(int id) const {
    return controlWithId(*this, id);
}

bool CHandCalcDialog::UpdateData(bool saveAndValidate) {
    // While this runs, its message box included, the control handlers stand still.
    const ExchangeLock lock(exchange_);
    return DoDataExchange(saveAndValidate);
}

bool CHandCalcDialog::DoDataExchange(bool saveAndValidate) {
    if (saveAndValidate) {
        return session_.read({.suits = ui_.suitsBox->text().toStdString(),
                              .ranks = ui_.ranksBox->text().toStdString(),
                              .cards = ui_.cardsBox->text().toStdString(),
                              .jokers = ui_.jokersBox->text().toStdString(),
                              .enumerate = ui_.enumerateBox->isChecked()});
    }
    // What a stopped reading never reached still shows what the user set.
    const CalculatorSession::Shown shown = session_.write();
    if (shown.suits) {
        ui_.suitsBox->setText(QString::number(*shown.suits));
    }
    if (shown.ranks) {
        ui_.ranksBox->setText(QString::number(*shown.ranks));
    }
    if (shown.cards) {
        ui_.cardsBox->setText(QString::number(*shown.cards));
    }
    if (shown.jokers) {
        ui_.jokersBox->setText(QString::number(*shown.jokers));
    }
    if (shown.enumerate) {
        ui_.enumerateBox->setChecked(*shown.enumerate);
    }
    return true;
}

void CHandCalcDialog::showRejectedInput(CalculatorSession::Item item, const QString& message) {
    QLineEdit* box = numberBox(ui_, item);
    // An arrow held down would keep repeating behind the message box.
    for (UpDownCtrl* spin : {ui_.suitsSpin, ui_.ranksSpin, ui_.cardsSpin, ui_.jokersSpin}) {
        spin->releaseButtons();
    }
    prompts_->warn(this, message);
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

void CHandCalcDialog::deltaPos(CalculatorSession::Item item, int position, int delta) {
    if (exchange_.lockedOut()) {
        return;
    }
    // A bad box shows its message here, and the step still goes ahead.
    UpdateData(true);
    session_.step(item, position, delta);
    UpdateData(false);
}

void CHandCalcDialog::OnComputeOdds() {
    if (exchange_.lockedOut() || session_.running() || !UpdateData(true)) {
        return;
    }
    if (session_.computeAsksFirst() &&
        !prompts_->confirm(this,
                           LongRunView::question(session_.enteredCards(), session_.enteredJokers(),
                                                 session_.enteredDeck(), session_.plannedHands(),
                                                 session_.estimatedSeconds()))) {
        return;
    }
    againBeforeRun_ = ui_.again->isEnabled();
    enableInputControls(ui_, false);
    enableResultControls(ui_, true);
    enableEndButtons(ui_, false);
    session_.compute();
    if (!session_.running()) {
        showResultsState();
    }
}

void CHandCalcDialog::showResultsState() {
    showElapsedTime();
    enableEndButtons(ui_, true);
    setDefaultButton(ui_.close);
}

void CHandCalcDialog::showCancelled() {
    longRun_->end();
    OnAgain();
    ui_.again->setEnabled(againBeforeRun_);
    ui_.close->setEnabled(true);
    ui_.suitsBox->setFocus(Qt::OtherFocusReason);
}

void CHandCalcDialog::showRunStart(const ShownReport& report) {
    // The mark shows whether the last binomial, C(S*R, 5), needed floating
    // point; hands of more cards or with jokers are always counted exactly.
    ui_.floatingPathMark->setHidden(!report.floatingPath);
    ui_.possibleHands->setText(QString::number(report.hands));
    layout_.fitPossibleHands(size());
    defineResultColumns(*ui_.resultsList, session_.enumerateFlag());
    if (!session_.enumerateFlag()) {
        return;
    }
    longRun_->start(session_.progressTicks(), session_.running());
    if (session_.running()) {
        return;  // the event loop goes on: the bar paints as it grows
    }
    // Input stays blocked until the run ends: no event processing in here.
    // Paint the running state once, "*" included (a control just shown is not
    // painted along with the bar); from then on the bar repaints itself as
    // the steps make it longer.
    repaint();
}

void CHandCalcDialog::fillResults(const ShownReport& report) {
    addResultRows(*ui_.resultsList, report);
    showOddsColumns();
    // Once per result: the examples and marks do not change with the columns.
    explainResults(ui_.resultsList, report);
    actions_.saveResults->setEnabled(true);
    chartWindow_->showReport(report);
    actions_.saveChart->setEnabled(true);
    showRankings();
    if (longRun_->shown()) {
        longRun_->end();
        showResultsState();
    }
}

void CHandCalcDialog::showRankings() {
    const std::optional<ShownReport>& report = session_.report();
    rankingMenu_->showOrders(session_.orderSearch(), report ? report->order : CategoryOrder{},
                             session_.canRecount());
}

void CHandCalcDialog::askOwnOrder() {
    if (const auto order = prompts_->askOrder(this, session_.report()->order)) {
        chooseOrder(*order);
    } else {
        showRankings();  // the tick goes back where it was
    }
}

void CHandCalcDialog::chooseOrder(const CategoryOrder& order) {
    if (!session_.canRecount()) {
        return;
    }
    session_.setChosenOrder(order);
    ui_.resultsList->DeleteAllRows();
    if (session_.report()->enumerated) {
        // The new counts come from the formulas alone.
        ui_.resultsList->DeleteAllColumns();
        defineResultColumns(*ui_.resultsList, false);
        ui_.progressBar->hide();
    }
    session_.recount();  // finished refills the list
}

void CHandCalcDialog::showElapsedTime() {
    // The user's decimal separator; three decimals, no grouping.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    ui_.elapsedTime->setText(
        tr("Elapsed Time: %1 s").arg(locale.toString(session_.elapsedSeconds(), 'f', 3)));
}

void CHandCalcDialog::OnAgain() {
    if (exchange_.lockedOut()) {
        return;
    }
    enableInputControls(ui_, true);
    enableResultControls(ui_, false);
    ui_.possibleHands->setText(QString());
    layout_.fitPossibleHands(size());
    ui_.floatingPathMark->hide();
    ui_.progressBar->hide();
    ui_.resultsList->DeleteAllRows();
    ui_.resultsList->DeleteAllColumns();
    session_.clearResults();
    actions_.saveResults->setEnabled(false);
    actions_.saveChart->setEnabled(false);
    chartWindow_->clear();
    showRankings();
    ui_.elapsedTime->clear();
    setDefaultButton(ui_.computeOdds);
}

void CHandCalcDialog::OnOK() {
    if (!exchange_.lockedOut() && UpdateData(true)) {
        accept();
    }
}

void CHandCalcDialog::reject() {
    if (session_.running()) {
        session_.cancel();  // Escape is the run's Cancel
    } else if (!exchange_.lockedOut()) {
        QDialog::reject();
    }
}

void CHandCalcDialog::quit() {
    session_.stopAndWait();
    if (!exchange_.lockedOut()) {
        QDialog::reject();
    }
}

void CHandCalcDialog::closeEvent(QCloseEvent* event) {
    if (session_.running()) {
        // The close box ends the program, and with it the run.
        session_.stopAndWait();
        QDialog::reject();
        event->accept();
        return;
    }
    QDialog::closeEvent(event);
}

void CHandCalcDialog::showAboutBox() {
    AboutDialog about(this);
    about.exec();
}

}  // namespace marvane
