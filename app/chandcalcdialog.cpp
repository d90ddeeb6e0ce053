#include "chandcalcdialog.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QStringList>
#include <array>
#include <chrono>

#include "aboutdialog.h"
#include "app_icon.h"
#include "binomial.h"
#include "closed_form.h"
#include "control_ids.h"
#include "csortlistctrl.h"
#include "dialog_units.h"
#include "enumeration.h"
#include "number_box_reading.h"
#include "result_rows.h"
#include "results_clipboard.h"
#include "totals.h"
#include "updownctrl.h"

using marvane::Deck;

namespace {

// Where every control sits, in dialog units (x, y, width, height).
struct ControlPlace {
    int id;
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

constexpr char kNotAnIntegerMessage[] = "Please enter a positive integer.";
constexpr char kOutOfRangeMessage[] = "Please enter an integer between %1 and %2.";

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

QStringList toQStringList(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts) {
        list << QString::fromStdString(text);
    }
    return list;
}

}  // namespace

CHandCalcDialog::CHandCalcDialog(QWidget* parent) : QDialog(parent), showMessage_(showWarning) {
    setWindowTitle(QStringLiteral("Marvane"));
    // A window of its own (own taskbar entry) with a close box, no minimise or maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(applicationIcon());
    state_.clearTables();

    createControls();
    layOutControls();
    setUpTabOrder();
    OnInitDialog();
}

CHandCalcDialog::~CHandCalcDialog() = default;

void CHandCalcDialog::createControls() {
    // Created in the order of the layout table, which the focus chain follows.
    suitsBox_ =
        tagged(makeNumberBox(this), IdSuitsBox, "suitsBox", QStringLiteral("Number of Suits"));
    suitsSpin_ = tagged(new UpDownCtrl(this), IdSuitsSpin, "suitsSpin",
                        QStringLiteral("Number of Suits spin buttons"));
    ranksBox_ =
        tagged(makeNumberBox(this), IdRanksBox, "ranksBox", QStringLiteral("Number of Ranks"));
    ranksSpin_ = tagged(new UpDownCtrl(this), IdRanksSpin, "ranksSpin",
                        QStringLiteral("Number of Ranks spin buttons"));
    suitsSpin_->setBuddy(suitsBox_);
    ranksSpin_->setBuddy(ranksBox_);

    suitsLabel_ = tagged(makeLabel(QStringLiteral("Number of Suits"), this), IdSuitsLabel,
                         "suitsLabel", QStringLiteral("Number of Suits"));
    ranksLabel_ = tagged(makeLabel(QStringLiteral("Number of Ranks"), this), IdRanksLabel,
                         "ranksLabel", QStringLiteral("Number of Ranks"));
    suitsLabel_->setBuddy(suitsBox_);
    ranksLabel_->setBuddy(ranksBox_);

    enumerateBox_ = tagged(new QCheckBox(QStringLiteral("Enumerate?"), this), IdEnumerate,
                           "enumerateBox", QStringLiteral("Enumerate?"));
    enumerateBox_->setLayoutDirection(Qt::RightToLeft);  // the text left of the box

    computeOdds_ = tagged(new QPushButton(QStringLiteral("Compute Odds"), this), IdComputeOdds,
                          "computeOdds", QStringLiteral("Compute Odds"));

    possibleHands_ = tagged(makeLabel(QStringLiteral("Static"), this), IdPossibleHands,
                            "possibleHands", QStringLiteral("Number of possible hands"));
    possibleHands_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    possibleHandsLabel_ =
        tagged(makeLabel(QStringLiteral("Possible Hands"), this), IdPossibleHandsLabel,
               "possibleHandsLabel", QStringLiteral("Possible Hands"));

    resultsList_ =
        tagged(new CSortListCtrl(this), IdResultsList, "resultsList", QStringLiteral("Results"));
    enableResultsCopy(resultsList_);

    again_ = tagged(new QPushButton(QStringLiteral("Again?"), this), IdAgain, "again",
                    QStringLiteral("Again?"));
    close_ = tagged(new QPushButton(QStringLiteral("Close"), this), IdClose, "close",
                    QStringLiteral("Close"));
    close_->setDefault(true);

    floatingPathMark_ =
        tagged(makeLabel(QStringLiteral("*"), this), IdFloatingPathMark, "floatingPathMark",
               QStringLiteral("Possible hands computed in floating point"));
    progressBar_ = tagged(new QProgressBar(this), IdProgressBar, "progressBar",
                          QStringLiteral("Enumeration progress"));
    progressBar_->setTextVisible(false);
    progressBar_->setRange(0, 100);

    elapsedTime_ = new QLabel(this);
    elapsedTime_->setObjectName(QStringLiteral("elapsedTime"));
    elapsedTime_->setAccessibleName(QStringLiteral("Elapsed time"));
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
    auto* about = new QAction(QStringLiteral("&About Marvane..."), this);
    about->setObjectName(QStringLiteral("aboutAction"));
    about->setShortcut(QKeySequence::HelpContents);
    connect(about, &QAction::triggered, this, &CHandCalcDialog::showAboutBox);
    addAction(about);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void CHandCalcDialog::layOutControls() {
    const DialogBaseUnits base = dialogBaseUnits(font());
    setFixedSize(mapDialogRect(QRect(QPoint(0, 0), kDialogSize), base).size());
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
    suitsBox_->selectAll();
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
    const marvane::NumberBoxReading reading =
        marvane::readNumberBox(box->text().toStdString(), minimum, maximum);
    if (reading.status == marvane::NumberBoxStatus::NotAnInteger) {
        failExchange(box, QLatin1String(kNotAnIntegerMessage));
        return false;
    }
    entered = reading.value;
    if (reading.status == marvane::NumberBoxStatus::OutOfRange) {
        failExchange(box, QString::fromLatin1(kOutOfRangeMessage).arg(minimum).arg(maximum));
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

    const Deck deck{workingSuits_, workingRanks_};
    // The mark shows whether the last binomial, C(S*R, 5), needed floating point.
    bool floatingPath = !floatingPathMark_->isHidden();
    const std::uint32_t possible =
        marvane::binomial(workingRanks_ * workingSuits_, marvane::kHandSize, floatingPath);
    floatingPathMark_->setHidden(!floatingPath);
    possibleHands_->setText(QString::number(possible));
    state_.computed = marvane::compute_counts(deck, floatingPath);
    floatingPathMark_->setHidden(!floatingPath);

    resultsList_->SetGridLines(false);
    resultsList_->SetCheckboxes(false);
    const bool withEnumeration = enumerateFlag_;
    if (withEnumeration) {
        resultsList_->DefineColumns(QString::fromLatin1(marvane::kHeadingsWithEnumeration.data(),
                                                        marvane::kHeadingsWithEnumeration.size()));
        runEnumeration(deck, possible);
    } else {
        resultsList_->DefineColumns(QString::fromLatin1(marvane::kHeadingsComputedOnly.data(),
                                                        marvane::kHeadingsComputedOnly.size()));
    }
    fillResults(withEnumeration);
    showElapsedTime();
    EnableEndButtons(true);
}

void CHandCalcDialog::runEnumeration(Deck deck, std::uint32_t possibleHands) {
    state_.progressStep = marvane::progressStepFor(possibleHands);
    progressBar_->show();
    progressBar_->setRange(0, static_cast<int>(possibleHands / state_.progressStep));
    progressBar_->setValue(0);
    state_.handCounter = 0;
    // Input stays blocked until the run ends: no event processing in here.
    // Paint the running state once, "*" included (a control just shown is not
    // painted along with the bar); from then on the bar repaints itself
    // whenever a step makes it visibly longer.
    repaint();
    // The reading admits only decks the enumeration takes.
    [[maybe_unused]] const bool ran =
        marvane::enumerateHands(deck, state_, [this] { stepProgressBar(); });
    Q_ASSERT(ran);
}

void CHandCalcDialog::stepProgressBar() {
    progressBar_->setValue(progressBar_->value() + 1);
}

void CHandCalcDialog::fillResults(bool withEnumeration) {
    state_.totals = marvane::computeTotals(withEnumeration ? state_.enumerated : state_.computed);
    for (const marvane::ResultRow& row : marvane::resultRows(state_, withEnumeration)) {
        resultsList_->AddRow(0, toQStringList(row.texts));
    }
    const int totalColumn = withEnumeration ? 3 : 2;
    resultsList_->SortByColumn(totalColumn, true);

    // The heading widths were made for a smaller dialog font than most
    // desktops use; widen the Hand column so no category name is cut short.
    const int headingWidth = resultsList_->columnWidth(0);
    resultsList_->resizeColumnToContents(0);
    if (resultsList_->columnWidth(0) < headingWidth) {
        resultsList_->setColumnWidth(0, headingWidth);
    }
}

void CHandCalcDialog::showElapsedTime() {
    const std::chrono::duration<double> elapsed =
        std::chrono::steady_clock::now() - state_.startTime;
    elapsedTime_->setText(QStringLiteral("Elapsed Time: %1 s").arg(elapsed.count(), 0, 'f', 3));
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
    elapsedTime_->clear();
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
