// SPDX-License-Identifier: MIT
#include "app/dialog/chandcalcdialog.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStringList>
#include <array>

#include "app/app_icon.h"
#include "app/app_settings.h"
#include "app/charts/chart_window.h"
#include "app/dialog/control_ids.h"
#include "app/dialog/dialog_menu_bar.h"
#include "app/dialog/up_down_ctrl.h"
#include "app/engine_texts.h"
#include "app/help/about_dialog.h"
#include "app/help/help_window.h"
#include "app/results/odds_columns.h"
#include "app/results/ranking_menu.h"
#include "app/results/result_headings.h"
#include "app/results/results_clipboard.h"
#include "app/results/results_explanations.h"
#include "app/results/results_export.h"
#include "engine/card_counts.h"
#include "listctrl/csortheaderctrl.h"
#include "listctrl/csortlistctrl.h"
#include "report/shown_report.h"

namespace marvane {

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
    setUpTabOrder();
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
    connect(ui_.cancel, &QPushButton::clicked, &session_, &CalculatorSession::cancel);

    connect(&session_, &CalculatorSession::inputRejected, this,
            &CHandCalcDialog::showRejectedInput);
    connect(&session_, &CalculatorSession::runStarted, this, &CHandCalcDialog::showRunStart);
    connect(&session_, &CalculatorSession::progressed, this, &CHandCalcDialog::showProgress);
    connect(&session_, &CalculatorSession::finished, this, &CHandCalcDialog::fillResults);
    connect(&session_, &CalculatorSession::timeLeft, this, &CHandCalcDialog::showTimeLeft);
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
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

void CHandCalcDialog::createActions() {
    actions_ = createDialogActions(this);
    const DialogActions& a = actions_;
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
        if (!session_.lockedOut()) {
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
    addActions({a.about, a.help, a.quit, a.chart, a.saveResults});
    setContextMenuPolicy(Qt::ActionsContextMenu);

    // The chart window: its own window, following the results; F1 there
    // too, by the same action.
    chartWindow_ = new ChartWindow(this);
    chartWindow_->setPrompts(prompts_);
    chartWindow_->addAction(a.help);

    const auto separator = [this] {
        auto* action = new QAction(this);
        action->setSeparator(true);
        return action;
    };
    list->addActions({a.copy, a.copyAll, separator(), a.probability, a.odds, separator(), a.chart,
                      a.saveResults});
    list->setContextMenuPolicy(Qt::ActionsContextMenu);
    // Right-click on the headings: which columns to show.
    list->sortHeader()->addActions({a.probability, a.odds});
    list->sortHeader()->setContextMenuPolicy(Qt::ActionsContextMenu);
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
    explainResults(ui_.resultsList, *report);
}

void CHandCalcDialog::setPrompts(std::shared_ptr<Prompts> prompts) {
    prompts_ = prompts ? std::move(prompts) : dialogPrompts();
    chartWindow_->setPrompts(prompts_);
}

void CHandCalcDialog::showChart() {
    chartWindow_->show();
    chartWindow_->raise();
    chartWindow_->activateWindow();
}

void CHandCalcDialog::saveResultsAs() {
    const std::optional<ShownReport>& report = session_.report();
    if (session_.lockedOut() || !report) {
        return;
    }
    AppSettings settings;
    const QString suggested =
        QDir(settings.exportFolder())
            .filePath(defaultFileStem(report->deck, report->cards) + QStringLiteral(".csv"));
    const QString path = prompts_->askSavePath(this, Prompts::FileKind::Results, suggested);
    if (path.isEmpty()) {
        return;
    }
    settings.setExportFolder(QFileInfo(path).absolutePath());
    const bool odds = actions_.probability->isChecked() || actions_.odds->isChecked();
    const QString error = saveResults(path, *report, odds);
    if (!error.isEmpty()) {
        prompts_->warn(
            this,
            tr("Could not save the results to %1:\n%2").arg(QDir::toNativeSeparators(path), error));
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

void CHandCalcDialog::setUpTabOrder() {
    const std::array<QWidget*, 9> tabStops = {ui_.suitsBox,     ui_.ranksBox,    ui_.cardsBox,
                                              ui_.enumerateBox, ui_.computeOdds, ui_.resultsList,
                                              ui_.again,        ui_.cancel,      ui_.close};
    for (std::size_t i = 1; i < tabStops.size(); ++i) {
        QWidget::setTabOrder(tabStops[i - 1], tabStops[i]);
    }
    ui_.suitsBox->setFocus(Qt::TabFocusReason);
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
    const CalculatorSession::ExchangeLock lock(session_);
    return DoDataExchange(saveAndValidate);
}

bool CHandCalcDialog::DoDataExchange(bool saveAndValidate) {
    if (saveAndValidate) {
        return session_.read({.suits = ui_.suitsBox->text().toStdString(),
                              .ranks = ui_.ranksBox->text().toStdString(),
                              .cards = ui_.cardsBox->text().toStdString(),
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
    if (shown.enumerate) {
        ui_.enumerateBox->setChecked(*shown.enumerate);
    }
    return true;
}

void CHandCalcDialog::showRejectedInput(CalculatorSession::Item item, const QString& message) {
    QLineEdit* box = item == CalculatorSession::SuitsItem   ? ui_.suitsBox
                     : item == CalculatorSession::RanksItem ? ui_.ranksBox
                                                            : ui_.cardsBox;
    // An arrow held down would keep repeating behind the message box.
    for (UpDownCtrl* spin : {ui_.suitsSpin, ui_.ranksSpin, ui_.cardsSpin}) {
        spin->releaseButtons();
    }
    prompts_->warn(this, message);
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

void CHandCalcDialog::OnDeltaposSuits(int position, int delta) {
    deltaPos(CalculatorSession::SuitsItem, position, delta);
}

void CHandCalcDialog::OnDeltaposRanks(int position, int delta) {
    deltaPos(CalculatorSession::RanksItem, position, delta);
}

void CHandCalcDialog::OnDeltaposCards(int position, int delta) {
    deltaPos(CalculatorSession::CardsItem, position, delta);
}

void CHandCalcDialog::deltaPos(CalculatorSession::Item item, int position, int delta) {
    if (session_.lockedOut()) {
        return;
    }
    // A bad box shows its message here, and the step still goes ahead.
    UpdateData(true);
    session_.step(item, position, delta);
    UpdateData(false);
}

void CHandCalcDialog::OnComputeOdds() {
    if (session_.lockedOut() || session_.running() || !UpdateData(true)) {
        return;
    }
    if (session_.computeIsLong() && !confirmLongRun()) {
        return;
    }
    againBeforeRun_ = ui_.again->isEnabled();
    EnableInputControls(false);
    EnableResultControls(true);
    EnableEndButtons(false);
    session_.compute();
    if (!session_.running()) {
        showResultsState();
    }
}

bool CHandCalcDialog::confirmLongRun() {
    const QLocale locale;
    return prompts_->confirm(
        this, tr("Enumerating every hand of %1 cards of %2 suits x %3 ranks visits %4 hands "
                 "and takes about %5 on this computer. You can cancel it at any time.\n\n"
                 "Start the enumeration?")
                  .arg(session_.enteredCards())
                  .arg(session_.enteredSuits())
                  .arg(session_.enteredRanks())
                  .arg(locale.toString(static_cast<qulonglong>(session_.plannedHands())),
                       durationText(session_.estimatedSeconds())));
}

void CHandCalcDialog::showResultsState() {
    showElapsedTime();
    EnableEndButtons(true);
    setDefaultButton(ui_.close);
}

void CHandCalcDialog::showLongRun(bool running) {
    // Only Cancel (and Escape) reach the run; the close box and Quit end it
    // with the program.
    longRunShown_ = running;
    ui_.cancel->setVisible(running);
    ui_.elapsedTime->setHidden(running);
    ui_.resultsList->setEnabled(!running);
    for (QAction* action : {actions_.probability, actions_.odds, actions_.chart}) {
        action->setEnabled(!running);
    }
    if (running) {
        ui_.cancel->setFocus(Qt::OtherFocusReason);
    }
}

void CHandCalcDialog::showTimeLeft(double seconds) {
    ui_.progressBar->setFormat(seconds < 0 ? tr("Starting...")
                                           : tr("About %1 left").arg(durationText(seconds)));
}

void CHandCalcDialog::showCancelled() {
    showLongRun(false);
    OnAgain();
    ui_.again->setEnabled(againBeforeRun_);
    ui_.close->setEnabled(true);
    ui_.suitsBox->setFocus(Qt::OtherFocusReason);
}

void CHandCalcDialog::showRunStart(const ShownReport& report) {
    // The mark shows whether the last binomial, C(S*R, 5), needed floating point.
    ui_.floatingPathMark->setHidden(!report.floatingPath);
    ui_.possibleHands->setText(QString::number(report.hands));
    layout_.fitPossibleHands(size());
    CSortListCtrl* list = ui_.resultsList;
    list->SetGridLines(false);
    list->SetCheckboxes(false);
    list->DefineColumns(resultHeadings(session_.enumerateFlag()));
    if (!session_.enumerateFlag()) {
        return;
    }
    ui_.progressBar->show();
    ui_.progressBar->setRange(0, session_.progressTicks());
    ui_.progressBar->setValue(0);
    // A long run says how long it has still to go; a five-card one is short.
    ui_.progressBar->setTextVisible(session_.running());
    ui_.progressBar->setFormat(tr("Starting..."));
    if (session_.running()) {
        showLongRun(true);
        return;  // the event loop goes on: the bar paints as it grows
    }
    // Input stays blocked until the run ends: no event processing in here.
    // Paint the running state once, "*" included (a control just shown is not
    // painted along with the bar); from then on the bar repaints itself as
    // the steps make it longer.
    repaint();
}

void CHandCalcDialog::showProgress(int ticks) {
    ui_.progressBar->setValue(ticks);
}

void CHandCalcDialog::fillResults(const ShownReport& report) {
    for (const ResultRow& row : rowsInAddOrder(report)) {
        ui_.resultsList->AddRow(0, rowTexts(row));
    }
    const int totalColumn = report.enumerated ? 3 : 2;
    ui_.resultsList->SortByColumn(totalColumn, true);
    showOddsColumns();
    actions_.saveResults->setEnabled(true);
    chartWindow_->showReport(report);
    actions_.saveChart->setEnabled(true);
    showRankings();
    if (longRunShown_) {
        showLongRun(false);
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
        ui_.resultsList->DefineColumns(resultHeadings(false));
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
    if (session_.lockedOut()) {
        return;
    }
    EnableInputControls(true);
    EnableResultControls(false);
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
    if (!session_.lockedOut() && UpdateData(true)) {
        accept();
    }
}

void CHandCalcDialog::reject() {
    if (session_.running()) {
        session_.cancel();  // Escape is the run's Cancel
    } else if (!session_.lockedOut()) {
        QDialog::reject();
    }
}

void CHandCalcDialog::quit() {
    session_.stopAndWait();
    if (!session_.lockedOut()) {
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

void CHandCalcDialog::EnableInputControls(bool enable) {
    for (QWidget* input : std::initializer_list<QWidget*>{
             ui_.computeOdds, ui_.ranksLabel, ui_.ranksBox, ui_.ranksSpin, ui_.suitsLabel,
             ui_.suitsBox, ui_.suitsSpin, ui_.cardsLabel, ui_.cardsBox, ui_.cardsSpin,
             ui_.enumerateBox}) {
        input->setEnabled(enable);
    }
}

void CHandCalcDialog::EnableResultControls(bool enable) {
    ui_.possibleHands->setEnabled(enable);
    ui_.resultsList->setEnabled(enable);
    ui_.possibleHandsLabel->setEnabled(enable);
}

void CHandCalcDialog::EnableEndButtons(bool enable) {
    ui_.again->setEnabled(enable);
    ui_.close->setEnabled(enable);
}

}  // namespace marvane
