// SPDX-License-Identifier: MIT
#include "app/chandcalcdialog.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QSettings>
#include <QStringList>
#include <array>
#include <chrono>

#include "app/aboutdialog.h"
#include "app/app_icon.h"
#include "app/app_settings.h"
#include "app/chartwindow.h"
#include "app/control_ids.h"
#include "app/dialog_units.h"
#include "app/engine_texts.h"
#include "app/number_box_reading.h"
#include "app/odds_columns.h"
#include "app/result_headings.h"
#include "app/results_clipboard.h"
#include "app/results_explanations.h"
#include "app/results_export.h"
#include "app/updownctrl.h"
#include "listctrl/csortheaderctrl.h"
#include "listctrl/csortlistctrl.h"
#include "report/deck_report.h"

using marvane::Deck;

namespace {

// Where every control sits, in dialog units (x, y, width, height).
struct ControlPlace {
    int id = 0;
    QRect dialogUnits;
};

constexpr QSize kDialogSize(277, 277);
constexpr std::array<ControlPlace, 15> kControlPlaces = {{
    {IdSuitsBox, {70, 12, 26, 12}},
    {IdSuitsSpin, {113, 12, 10, 11}},
    {IdRanksBox, {70, 29, 26, 12}},
    {IdRanksSpin, {113, 29, 10, 11}},
    {IdSuitsLabel, {7, 12, 63, 11}},
    {IdRanksLabel, {7, 29, 63, 11}},
    {IdEnumerate, {159, 21, 59, 10}},
    {IdComputeOdds, {15, 49, 76, 21}},
    {IdPossibleHands, {145, 56, 49, 11}},
    {IdPossibleHandsLabel, {197, 56, 66, 9}},
    {IdResultsList, {7, 98, 263, 151}},
    {IdAgain, {17, 256, 50, 14}},
    {IdClose, {220, 256, 50, 14}},
    {IdFloatingPathMark, {134, 57, 8, 8}},
    {IdProgressBar, {7, 73, 263, 16}},
}};
// The run time, between "Again?" and "Close".
constexpr QRect kElapsedTimePlace(70, 256, 147, 14);

void showWarning(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::warning(parent, title, text);
}

template <typename Widget>
Widget* tagged(Widget* widget, int id, const char* objectName, const QString& accessibleName) {
    widget->setProperty(kControlIdProperty, id);
    widget->setObjectName(QLatin1String(objectName));
    widget->setAccessibleName(accessibleName);
    return widget;
}

QLineEdit* makeNumberBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    box->setMaxLength(static_cast<int>(marvane::kNumberBoxReadLength));
    return box;
}

QLabel* makeLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

// The row's texts, its category named in the user's language.
QStringList rowTexts(const marvane::ResultRow& row) {
    QStringList list;
    for (const std::string& text : row.texts) {
        list << QString::fromStdString(text);
    }
    if (!list.isEmpty()) {
        list.front() = categoryName(row.category);
    }
    return list;
}

}  // namespace

CHandCalcDialog::CHandCalcDialog(QWidget* parent)
    : QDialog(parent), showMessage_(showWarning), askSavePath_(::askSavePath) {
    setWindowTitle(QStringLiteral("Marvane"));
    // A window of its own (own taskbar entry) with close and maximise boxes.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMaximizeButtonHint);
    setWindowIcon(applicationIcon());
    state_.clearTables();

    createControls();
    layOutControls();
    setUpTabOrder();
    OnInitDialog();
    restoreGeometry(QSettings(kSettingsOrganization, kSettingsApplication)
                        .value(kWindowGeometryKey)
                        .toByteArray());
}

CHandCalcDialog::~CHandCalcDialog() = default;

void CHandCalcDialog::createControls() {
    // Created in the order of the layout table, which the focus chain follows.
    suitsBox_ = tagged(makeNumberBox(this), IdSuitsBox, "suitsBox", tr("Number of Suits"));
    suitsSpin_ =
        tagged(new UpDownCtrl(this), IdSuitsSpin, "suitsSpin", tr("Number of Suits spin buttons"));
    ranksBox_ = tagged(makeNumberBox(this), IdRanksBox, "ranksBox", tr("Number of Ranks"));
    ranksSpin_ =
        tagged(new UpDownCtrl(this), IdRanksSpin, "ranksSpin", tr("Number of Ranks spin buttons"));
    suitsSpin_->setBuddy(suitsBox_);
    ranksSpin_->setBuddy(ranksBox_);

    // Alt + the underlined letter: a label's takes the focus to its box.
    suitsLabel_ = tagged(makeLabel(tr("Number of &Suits"), this), IdSuitsLabel, "suitsLabel",
                         tr("Number of Suits"));
    ranksLabel_ = tagged(makeLabel(tr("Number of &Ranks"), this), IdRanksLabel, "ranksLabel",
                         tr("Number of Ranks"));
    suitsLabel_->setBuddy(suitsBox_);
    ranksLabel_->setBuddy(ranksBox_);

    enumerateBox_ = tagged(new QCheckBox(tr("&Enumerate?"), this), IdEnumerate, "enumerateBox",
                           tr("Enumerate?"));
    enumerateBox_->setLayoutDirection(Qt::RightToLeft);  // the text left of the box

    computeOdds_ = tagged(new QPushButton(tr("Compute &Odds"), this), IdComputeOdds, "computeOdds",
                          tr("Compute Odds"));

    // The number, the mark and the time read out as what they show: no fixed
    // accessible name that would hide their text.
    possibleHands_ = tagged(makeLabel(QStringLiteral("Static"), this), IdPossibleHands,
                            "possibleHands", QString());
    possibleHands_->setAccessibleDescription(tr("Number of possible hands"));
    possibleHands_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    possibleHandsLabel_ = tagged(makeLabel(tr("Possible Hands"), this), IdPossibleHandsLabel,
                                 "possibleHandsLabel", tr("Possible Hands"));

    resultsList_ = tagged(new CSortListCtrl(this), IdResultsList, "resultsList", tr("Results"));
    resultsList_->setColumnsFitText(true);

    again_ = tagged(new QPushButton(tr("&Again?"), this), IdAgain, "again", tr("Again?"));
    close_ = tagged(new QPushButton(tr("&Close"), this), IdClose, "close", tr("Close"));

    floatingPathMark_ = tagged(makeLabel(QStringLiteral("*"), this), IdFloatingPathMark,
                               "floatingPathMark", QString());
    const QString floatingPathNote =
        tr("The number of possible hands was worked out in floating point.");
    floatingPathMark_->setToolTip(floatingPathNote);
    floatingPathMark_->setAccessibleDescription(floatingPathNote);
    progressBar_ =
        tagged(new QProgressBar(this), IdProgressBar, "progressBar", tr("Enumeration progress"));
    progressBar_->setTextVisible(false);
    progressBar_->setRange(0, 100);

    elapsedTime_ = new QLabel(this);
    elapsedTime_->setObjectName(QStringLiteral("elapsedTime"));
    elapsedTime_->setAccessibleDescription(tr("Time the last computation took"));
    elapsedTime_->setAlignment(Qt::AlignCenter);

    // Start state of the template: results side disabled.
    possibleHands_->setEnabled(false);
    possibleHandsLabel_->setEnabled(false);
    resultsList_->setEnabled(false);
    again_->setEnabled(false);

    connect(computeOdds_, &QPushButton::clicked, this, &CHandCalcDialog::OnComputeOdds);
    connect(again_, &QPushButton::clicked, this, &CHandCalcDialog::OnAgain);
    connect(close_, &QPushButton::clicked, this, &CHandCalcDialog::OnOK);
    connect(suitsSpin_, &UpDownCtrl::deltaPos, this, &CHandCalcDialog::OnDeltaposSuits);
    connect(ranksSpin_, &UpDownCtrl::deltaPos, this, &CHandCalcDialog::OnDeltaposRanks);

    // The window manager's menu can't be extended, so the About box hangs off
    // the dialog's context menu, and F1.
    auto* about = new QAction(tr("&About Marvane..."), this);
    about->setObjectName(QStringLiteral("aboutAction"));
    about->setShortcut(QKeySequence::HelpContents);
    connect(about, &QAction::triggered, this, &CHandCalcDialog::showAboutBox);
    addAction(about);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    createResultActions();
}

QAction* CHandCalcDialog::makeAction(const QString& text, const char* objectName) {
    auto* action = new QAction(text, this);
    action->setObjectName(QLatin1String(objectName));
    return action;
}

QAction* CHandCalcDialog::makeSeparator() {
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    return separator;
}

void CHandCalcDialog::createResultActions() {
    // Copy takes the selected rows, or all when none is; Copy All always all.
    copyAction_ = makeAction(tr("&Copy"), "copyAction");
    copyAction_->setShortcut(QKeySequence::Copy);
    copyAction_->setShortcutContext(Qt::WidgetShortcut);
    connect(copyAction_, &QAction::triggered, this,
            [this] { copyResults(*resultsList_, CopiedRows::SelectedOrAll); });
    QAction* copyAll = makeAction(tr("Copy &All"), "copyAllAction");
    connect(copyAll, &QAction::triggered, this,
            [this] { copyResults(*resultsList_, CopiedRows::All); });

    // The optional columns, remembered from the last run.
    const QSettings settings(kSettingsOrganization, kSettingsApplication);
    probabilityAction_ = makeAction(tr("&Probability"), "probabilityAction");
    oddsAction_ = makeAction(tr("&Odds"), "oddsAction");
    for (const auto& choice : {std::pair{probabilityAction_, kProbabilityColumnKey},
                               std::pair{oddsAction_, kOddsColumnKey}}) {
        QAction* action = choice.first;
        const char* key = choice.second;
        action->setCheckable(true);
        action->setChecked(settings.value(key, false).toBool());
        connect(action, &QAction::toggled, this, [this, key](bool shown) {
            QSettings(kSettingsOrganization, kSettingsApplication).setValue(key, shown);
            showOddsColumns();
        });
    }

    // The chart window: its own window, following the results.
    chartWindow_ = new ChartWindow(this);
    QAction* chart = makeAction(tr("C&hart..."), "chartAction");
    chart->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(chart, &QAction::triggered, this, &CHandCalcDialog::showChart);
    addAction(chart);

    saveAction_ = makeAction(tr("&Save Results As..."), "saveResultsAction");
    saveAction_->setShortcut(QKeySequence::Save);
    saveAction_->setEnabled(false);
    connect(saveAction_, &QAction::triggered, this, &CHandCalcDialog::saveResultsAs);
    addAction(saveAction_);

    resultsList_->addActions({copyAction_, copyAll, makeSeparator(), probabilityAction_,
                              oddsAction_, makeSeparator(), chart, saveAction_});
    resultsList_->setContextMenuPolicy(Qt::ActionsContextMenu);
    // Right-click on the headings: which columns to show.
    resultsList_->sortHeader()->addActions({probabilityAction_, oddsAction_});
    resultsList_->sortHeader()->setContextMenuPolicy(Qt::ActionsContextMenu);
    // A Copy key sent to the list while it lacks the focus misses the
    // shortcut; catch it on its way in.
    resultsList_->installEventFilter(this);
}

void CHandCalcDialog::showOddsColumns() {
    if (!report_) {
        return;  // they come with the next results
    }
    showOddsColumn(*resultsList_, *report_, OddsColumn::Probability,
                   probabilityAction_->isChecked());
    showOddsColumn(*resultsList_, *report_, OddsColumn::Odds, oddsAction_->isChecked());
    explainResults(resultsList_, report_->deck);
}

void CHandCalcDialog::setSavePathFunction(SavePathFunction askSavePath) {
    askSavePath_ = askSavePath ? std::move(askSavePath) : SavePathFunction(::askSavePath);
}

void CHandCalcDialog::showChart() {
    chartWindow_->show();
    chartWindow_->raise();
    chartWindow_->activateWindow();
}

void CHandCalcDialog::saveResultsAs() {
    if (lockedOut() || !report_) {
        return;
    }
    QSettings settings(kSettingsOrganization, kSettingsApplication);
    const QDir folder(settings.value(kExportFolderKey, QDir::homePath()).toString());
    const QString path = askSavePath_(
        this,
        folder.filePath(
            QStringLiteral("marvane-%1x%2.csv").arg(report_->deck.suits).arg(report_->deck.ranks)));
    if (path.isEmpty()) {
        return;
    }
    settings.setValue(kExportFolderKey, QFileInfo(path).absolutePath());
    const bool odds = probabilityAction_->isChecked() || oddsAction_->isChecked();
    const QString error = saveResults(path, *report_, odds);
    if (!error.isEmpty()) {
        showMessage_(
            this, QCoreApplication::applicationName(),
            tr("Could not save the results to %1:\n%2").arg(QDir::toNativeSeparators(path), error));
    }
}

bool CHandCalcDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == resultsList_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        copyAction_->trigger();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CHandCalcDialog::layOutControls() {
    const DialogBaseUnits base = dialogBaseUnits(font());
    // The template's size is the smallest; the window may grow from there.
    templateSize_ = mapDialogRect(QRect(QPoint(0, 0), kDialogSize), base).size();
    setMinimumSize(templateSize_);
    resize(templateSize_);
    for (const ControlPlace& place : kControlPlaces) {
        control(place.id)->setGeometry(mapDialogRect(place.dialogUnits, base));
    }
    elapsedTime_->setGeometry(mapDialogRect(kElapsedTimePlace, base));

    // Each spin attaches itself to the left edge of its box, which gives up
    // that much room.
    for (UpDownCtrl* spin : {suitsSpin_, ranksSpin_}) {
        QLineEdit* box = spin->buddy();
        const QRect boxPlace = box->geometry();
        const int spinWidth = spin->width();
        spin->setGeometry(boxPlace.x(), boxPlace.y(), spinWidth, boxPlace.height());
        box->setGeometry(boxPlace.adjusted(spinWidth, 0, 0, 0));
    }
    makeRoomForNumberCaptions();
    // Where everything sits at the template's size; a larger window moves
    // and stretches from these.
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        templatePlaces_.emplace_back(child, child->geometry());
    }
}

void CHandCalcDialog::makeRoomForNumberCaptions() {
    // Some languages need more room than the captions have beside the
    // number boxes. Then the captions widen and both boxes, with their
    // spins, move right by the same amount, so they stay one above the
    // other; never so far that they reach the "Enumerate?" box.
    int wanted = 0;
    for (const QLabel* label : {suitsLabel_, ranksLabel_}) {
        // A blank's width keeps a moved caption off its spin.
        const int needed =
            label->sizeHint().width() + label->fontMetrics().horizontalAdvance(QLatin1Char(' '));
        wanted = std::max(wanted, needed - label->width());
    }
    const int gap = enumerateBox_->x() - (suitsBox_->geometry().right() + 1);
    const int shift = std::min(wanted, gap - suitsSpin_->width());
    if (shift <= 0) {
        return;
    }
    for (QLabel* label : {suitsLabel_, ranksLabel_}) {
        label->resize(label->width() + shift, label->height());
    }
    for (QWidget* moved :
         std::initializer_list<QWidget*>{suitsSpin_, suitsBox_, ranksSpin_, ranksBox_}) {
        moved->move(moved->x() + shift, moved->y());
    }
}

void CHandCalcDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // The list takes all the extra room; the bar and the time stretch with
    // it, and the buttons and the time stay on the bottom edge, "Close" in
    // its corner. Everything else keeps its place from the top left.
    const int dx = std::max(0, width() - templateSize_.width());
    const int dy = std::max(0, height() - templateSize_.height());
    for (const auto& [child, place] : templatePlaces_) {
        QRect moved = place;
        if (child == resultsList_) {
            moved.adjust(0, 0, dx, dy);
        } else if (child == progressBar_) {
            moved.adjust(0, 0, dx, 0);
        } else if (child == elapsedTime_) {
            moved.adjust(0, dy, dx, dy);
        } else if (child == again_) {
            moved.translate(0, dy);
        } else if (child == close_) {
            moved.translate(dx, dy);
        }
        child->setGeometry(moved);
    }
}

void CHandCalcDialog::done(int result) {
    QSettings(kSettingsOrganization, kSettingsApplication)
        .setValue(kWindowGeometryKey, saveGeometry());
    QDialog::done(result);
}

void CHandCalcDialog::setUpTabOrder() {
    const std::array<QWidget*, 7> tabStops = {suitsBox_,    ranksBox_, enumerateBox_, computeOdds_,
                                              resultsList_, again_,    close_};
    for (std::size_t i = 1; i < tabStops.size(); ++i) {
        QWidget::setTabOrder(tabStops[i - 1], tabStops[i]);
    }
    suitsBox_->setFocus(Qt::TabFocusReason);
}

void CHandCalcDialog::OnInitDialog() {
    UpdateData(false);
    suitsSpin_->setRange(static_cast<int>(marvane::kMinSuits),
                         static_cast<int>(marvane::kMaxSuits));
    suitsSpin_->setPosition(static_cast<int>(workingSuits_));
    ranksSpin_->setRange(static_cast<int>(marvane::kMinRanks),
                         static_cast<int>(marvane::kMaxRanks));
    ranksSpin_->setPosition(static_cast<int>(workingRanks_));
    // The boxes now show the working values. Taking them as the entered ones
    // too means a box that fails its first reading gets back what it showed,
    // not a 0 that was never in it.
    enteredSuits_ = workingSuits_;
    enteredRanks_ = workingRanks_;
    floatingPathMark_->hide();
    progressBar_->hide();
    setDefaultButton(computeOdds_);
    suitsBox_->selectAll();
}

void CHandCalcDialog::setDefaultButton(QPushButton* button) {
    for (QPushButton* candidate : {computeOdds_, close_}) {
        candidate->setDefault(candidate == button);
    }
}

QWidget* CHandCalcDialog::control(int id) const {
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->property(kControlIdProperty).toInt() == id) {
            return child;
        }
    }
    return nullptr;
}

void CHandCalcDialog::setMessageFunction(MessageFunction showMessage) {
    showMessage_ = showMessage ? std::move(showMessage) : MessageFunction(showWarning);
}

bool CHandCalcDialog::UpdateData(bool saveAndValidate) {
    // While this runs, its message box included, the control handlers stand still.
    const QScopedValueRollback<bool> lockOut(exchangeRunning_, true);
    return DoDataExchange(saveAndValidate);
}

bool CHandCalcDialog::DoDataExchange(bool saveAndValidate) {
    if (!saveAndValidate) {
        // What a stopped reading never reached still shows what the user set.
        if (!unreadItems_[SuitsItem]) {
            suitsBox_->setText(QString::number(enteredSuits_));
        }
        if (!unreadItems_[RanksItem]) {
            ranksBox_->setText(QString::number(enteredRanks_));
        }
        if (!unreadItems_[EnumerateItem]) {
            enumerateBox_->setChecked(enumerateFlag_);
        }
        unreadItems_.reset();
        return true;
    }

    unreadItems_.reset();
    if (!readNumberBox(suitsBox_, enteredSuits_, marvane::kMinSuits, marvane::kMaxSuits)) {
        unreadItems_.set(RanksItem).set(EnumerateItem);
        return false;
    }
    if (!readNumberBox(ranksBox_, enteredRanks_, marvane::kMinRanks, marvane::kMaxRanks)) {
        unreadItems_.set(EnumerateItem);
        return false;
    }
    enumerateFlag_ = enumerateBox_->isChecked();
    return true;
}

bool CHandCalcDialog::readNumberBox(QLineEdit* box, std::uint32_t& entered, std::uint32_t minimum,
                                    std::uint32_t maximum) {
    const marvane::NumberReading reading =
        marvane::readNumberBox(box->text().toStdString(), minimum, maximum);
    const auto message = [&] { return numberBoxMessage(reading.status, minimum, maximum); };
    if (reading.status == marvane::NumberReadingStatus::NotAnInteger) {
        failExchange(box, message());
        return false;
    }
    entered = reading.value;
    if (reading.status == marvane::NumberReadingStatus::OutOfRange) {
        failExchange(box, message());
        return false;
    }
    return true;
}

void CHandCalcDialog::failExchange(QLineEdit* box, const QString& message) {
    // An arrow held down would keep repeating behind the message box.
    suitsSpin_->releaseButtons();
    ranksSpin_->releaseButtons();
    showMessage_(this, QCoreApplication::applicationName(), message);
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

void CHandCalcDialog::OnDeltaposSuits(int position, int delta) {
    deltaPos(position, delta, SuitsItem, marvane::kMinSuits, marvane::kMaxSuits, workingSuits_,
             enteredSuits_);
}

void CHandCalcDialog::OnDeltaposRanks(int position, int delta) {
    deltaPos(position, delta, RanksItem, marvane::kMinRanks, marvane::kMaxRanks, workingRanks_,
             enteredRanks_);
}

void CHandCalcDialog::deltaPos(int position, int delta, ExchangeItem item, std::uint32_t minimum,
                               std::uint32_t maximum, std::uint32_t& working,
                               std::uint32_t& entered) {
    if (lockedOut()) {
        return;
    }
    // A bad box shows its message here, and the step still goes ahead.
    UpdateData(true);
    const long long stepped = static_cast<long long>(position) + delta;
    if (stepped >= minimum && stepped <= maximum) {
        working = static_cast<std::uint32_t>(stepped);
        entered = working;
        unreadItems_.reset(item);
    }
    UpdateData(false);
}

void CHandCalcDialog::OnComputeOdds() {
    if (lockedOut() || !UpdateData(true)) {
        return;
    }
    workingSuits_ = enteredSuits_;
    workingRanks_ = enteredRanks_;
    state_.startTime = std::chrono::steady_clock::now();
    EnableInputControls(false);
    EnableResultControls(true);
    EnableEndButtons(false);

    const bool withEnumeration = enumerateFlag_;
    // The number of hands, the "*" and the closed-form counts come first, so
    // that they show while the enumeration runs.
    marvane::DeckReportBuilder builder({.deck = Deck{workingSuits_, workingRanks_},
                                        .enumerate = withEnumeration,
                                        .progress = [this] { stepProgressBar(); }});
    // The mark shows whether the last binomial, C(S*R, 5), needed floating point.
    floatingPathMark_->setHidden(!builder.report().floatingPath);
    possibleHands_->setText(QString::number(builder.report().hands));

    resultsList_->SetGridLines(false);
    resultsList_->SetCheckboxes(false);
    if (withEnumeration) {
        resultsList_->DefineColumns(resultHeadings(true));
        runEnumeration(builder);
    } else {
        resultsList_->DefineColumns(resultHeadings(false));
    }
    fillResults(builder.finish());
    showElapsedTime();
    EnableEndButtons(true);
    setDefaultButton(close_);
}

void CHandCalcDialog::runEnumeration(marvane::DeckReportBuilder& builder) {
    progressBar_->show();
    progressBar_->setRange(0, static_cast<int>(builder.report().progressTicks()));
    progressBar_->setValue(0);
    progressTicks_ = 0;
    // Input stays blocked until the run ends: no event processing in here.
    // Paint the running state once, "*" included (a control just shown is not
    // painted along with the bar); from then on the bar repaints itself as
    // the steps make it longer.
    repaint();
    barShownAt_ = std::chrono::steady_clock::now();
    builder.enumerate();
    progressBar_->setValue(progressTicks_);
}

void CHandCalcDialog::stepProgressBar() {
    // The bar paints at once whenever a new value makes it visibly longer, a
    // few hundred times in a run, each paint taking time from the workers.
    // Sixty new values a second move it just as smoothly to the eye.
    constexpr std::chrono::microseconds kBarInterval{16'667};
    ++progressTicks_;
    const auto now = std::chrono::steady_clock::now();
    if (now - barShownAt_ >= kBarInterval) {
        progressBar_->setValue(progressTicks_);
        barShownAt_ = now;
    }
}

void CHandCalcDialog::keepEngineState(const marvane::DeckReport& report) {
    state_.enumerated = report.state.enumerated;
    state_.computed = report.state.computed;
    state_.totals = report.state.totals;
    // The counter and step keep the last enumeration's values.
    if (report.enumerated) {
        state_.handCounter = report.state.handCounter;
        state_.progressStep = report.state.progressStep;
    }
}

void CHandCalcDialog::fillResults(const marvane::DeckReport& report) {
    keepEngineState(report);
    for (const marvane::ResultRow& row : marvane::rowsInAddOrder(report)) {
        resultsList_->AddRow(0, rowTexts(row));
    }
    const int totalColumn = report.enumerated ? 3 : 2;
    resultsList_->SortByColumn(totalColumn, true);
    report_ = report;
    showOddsColumns();
    saveAction_->setEnabled(true);
    chartWindow_->showReport(report);
}

void CHandCalcDialog::showElapsedTime() {
    const std::chrono::duration<double> elapsed =
        std::chrono::steady_clock::now() - state_.startTime;
    // The user's decimal separator; three decimals, no grouping.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    elapsedTime_->setText(tr("Elapsed Time: %1 s").arg(locale.toString(elapsed.count(), 'f', 3)));
}

void CHandCalcDialog::OnAgain() {
    if (lockedOut()) {
        return;
    }
    EnableInputControls(true);
    EnableResultControls(false);
    possibleHands_->setText(QString());
    floatingPathMark_->hide();
    progressBar_->hide();
    resultsList_->DeleteAllRows();
    resultsList_->DeleteAllColumns();
    state_.clearTables();
    report_.reset();
    saveAction_->setEnabled(false);
    chartWindow_->clear();
    elapsedTime_->clear();
    setDefaultButton(computeOdds_);
}

void CHandCalcDialog::OnOK() {
    if (!lockedOut() && UpdateData(true)) {
        accept();
    }
}

void CHandCalcDialog::reject() {
    if (!lockedOut()) {
        QDialog::reject();
    }
}

void CHandCalcDialog::showAboutBox() {
    AboutDialog about(this);
    about.exec();
}

void CHandCalcDialog::EnableInputControls(bool enable) {
    for (QWidget* input :
         std::initializer_list<QWidget*>{computeOdds_, ranksLabel_, ranksBox_, ranksSpin_,
                                         suitsLabel_, suitsBox_, suitsSpin_, enumerateBox_}) {
        input->setEnabled(enable);
    }
}

void CHandCalcDialog::EnableResultControls(bool enable) {
    possibleHands_->setEnabled(enable);
    resultsList_->setEnabled(enable);
    possibleHandsLabel_->setEnabled(enable);
}

void CHandCalcDialog::EnableEndButtons(bool enable) {
    again_->setEnabled(enable);
    close_->setEnabled(enable);
}
