// SPDX-License-Identifier: MIT
#include "app/charts/chart_window.h"

#include <QAbstractBarSeries>
#include <QAction>
#include <QApplication>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QCursor>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolTip>
#include <QVBoxLayout>
#include <array>
#include <utility>

#include "app/app_settings.h"
#include "app/charts/across_decks_chart.h"
#include "app/charts/chart_export.h"
#include "app/charts/chart_style.h"
#include "app/charts/deck_chart.h"
#include "app/saved_files.h"
#include "report/results/count_request.h"

namespace marvane {

using marvane::DeckDimension;

namespace {

std::unique_ptr<QChart> emptyChart(const QPalette& palette) {
    auto chart = std::make_unique<QChart>();
    chart->setTitle(ChartWindow::tr("Compute the odds of a deck to see its chart here."));
    chart->setTitleBrush(palette.color(QPalette::WindowText));
    chart->setBackgroundBrush(palette.color(QPalette::Window));
    return chart;
}

}  // namespace

ChartWindow::ChartWindow(QWidget* parent) : QWidget(parent, Qt::Window), prompts_(dialogPrompts()) {
    setWindowTitle(tr("Chart"));
    setAccessibleName(tr("Chart"));
    setMinimumSize(480, 360);

    tabs_ = new QTabWidget(this);
    tabs_->setAccessibleName(tr("Chart views"));
    tabs_->addTab(createDeckPage(), tr("&Deck"));
    tabs_->addTab(createAcrossPage(), tr("Across dec&ks"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addWidget(createButtons());
    createShortcuts();

    resize(900, 760);
    const QByteArray geometry = AppSettings().chartGeometry();
    if (!geometry.isEmpty()) {
        restoreGeometry(geometry);
    }
    clear();
}

ChartWindow::~ChartWindow() {
    if (isVisible()) {
        rememberGeometry();
    }
}

QWidget* ChartWindow::createDeckPage() {
    auto* page = new QWidget;
    deckView_ = new QChartView(page);
    deckView_->setRenderHint(QPainter::Antialiasing);
    deckView_->setFocusPolicy(Qt::StrongFocus);
    deckView_->setObjectName(QStringLiteral("deckView"));
    deckView_->setAccessibleName(tr("Chart of the deck"));
    deckView_->installEventFilter(this);
    details_ = new QLabel(page);
    details_->setAccessibleName(tr("Picked bar"));
    details_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    never_ = new QLabel(page);
    never_->setAccessibleName(tr("Categories that never occur"));
    never_->setWordWrap(true);
    never_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(deckView_, 1);
    layout->addWidget(details_);
    layout->addWidget(never_);
    return page;
}

QWidget* ChartWindow::createAcrossPage() {
    auto* page = new QWidget;
    suitsButton_ = new QRadioButton(tr("&Suits 4 to 8"), page);
    ranksButton_ = new QRadioButton(tr("&Ranks 7 to 20"), page);
    jokersButton_ = new QRadioButton(tr("&Jokers 0 to 4"), page);
    cardsButton_ = new QRadioButton(tr("Cards per &hand 3 to 8"), page);
    suitsButton_->setChecked(true);
    const std::array<std::pair<QRadioButton*, AcrossAxis>, 4> axes = {
        {{suitsButton_, AcrossAxis::Suits},
         {ranksButton_, AcrossAxis::Ranks},
         {jokersButton_, AcrossAxis::Jokers},
         {cardsButton_, AcrossAxis::Cards}}};
    for (const auto& entry : axes) {
        const AcrossAxis axis = entry.second;
        connect(entry.first, &QRadioButton::toggled, this, [this, axis](bool checked) {
            if (checked) {
                setAcrossAxis(axis);
            }
        });
    }
    acrossView_ = new QChartView(page);
    acrossView_->setRenderHint(QPainter::Antialiasing);
    acrossView_->setFocusPolicy(Qt::StrongFocus);
    acrossView_->setObjectName(QStringLiteral("acrossView"));
    acrossView_->setAccessibleName(tr("Chart across decks"));
    crossings_ = new QPlainTextEdit(page);
    crossings_->setReadOnly(true);
    crossings_->setAccessibleName(tr("Crossings"));
    // Six whole lines; more scroll.
    const int margins =
        2 * (crossings_->frameWidth() + static_cast<int>(crossings_->document()->documentMargin()));
    crossings_->setMaximumHeight(crossings_->fontMetrics().lineSpacing() * 6 + margins);

    // Two rows of two: in one row the four would make the window wider than
    // a small screen at a large font.
    auto* switches = new QGridLayout;
    switches->addWidget(suitsButton_, 0, 0);
    switches->addWidget(ranksButton_, 0, 1);
    switches->addWidget(jokersButton_, 1, 0);
    switches->addWidget(cardsButton_, 1, 1);
    switches->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(switches);
    layout->addWidget(acrossView_, 1);
    layout->addWidget(crossings_);
    return page;
}

QWidget* ChartWindow::createButtons() {
    auto* row = new QWidget(this);
    save_ = new QPushButton(tr("Save Chart &As..."), row);
    copy_ = new QPushButton(tr("&Copy Crossings"), row);
    auto* close = new QPushButton(tr("Close"), row);
    connect(save_, &QPushButton::clicked, this, &ChartWindow::saveChartAs);
    connect(copy_, &QPushButton::clicked, this, &ChartWindow::copyCrossings);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(save_);
    layout->addWidget(copy_);
    layout->addStretch(1);
    layout->addWidget(close);
    return row;
}

void ChartWindow::createShortcuts() {
    const auto add = [this](const QKeySequence& keys, auto slot) {
        auto* action = new QAction(this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    add(QKeySequence::SaveAs, &ChartWindow::saveChartAs);
    add(QKeySequence::Save, &ChartWindow::saveChartAs);
    add(QKeySequence::Copy, &ChartWindow::copyCrossings);
    add(QKeySequence(Qt::Key_Escape), &QWidget::close);
}

void ChartWindow::showReport(const marvane::ShownReport& report) {
    report_ = report;
    rebuildCharts();
    updateEnabled();
}

void ChartWindow::clear() {
    report_.reset();
    rebuildCharts();
    updateEnabled();
}

void ChartWindow::rebuildCharts() {
    // A hidden window draws when it shows: building both charts takes about
    // 10 ms, which every "Compute Odds" would otherwise spend on a window the
    // user may never open.
    chartsStale_ = !isVisible();
    if (!chartsStale_) {
        rebuildDeckChart();
        rebuildAcrossChart();
    }
}

ChartWindow::View ChartWindow::view() const {
    return static_cast<View>(tabs_->currentIndex());
}

void ChartWindow::setView(View view) {
    tabs_->setCurrentIndex(static_cast<int>(view));
}

void ChartWindow::setAcrossAxis(AcrossAxis axis) {
    if (axis == axis_) {
        return;
    }
    axis_ = axis;
    (axis == AcrossAxis::Suits    ? suitsButton_
     : axis == AcrossAxis::Ranks  ? ranksButton_
     : axis == AcrossAxis::Jokers ? jokersButton_
                                  : cardsButton_)
        ->setChecked(true);
    if (isVisible()) {
        rebuildAcrossChart();
    } else {
        chartsStale_ = true;
    }
}

void ChartWindow::rebuildDeckChart() {
    pickedBar_ = -1;
    details_->clear();
    if (!report_) {
        never_->clear();
        replaceChart(deckView_, emptyChart(palette()));
        return;
    }
    replaceChart(deckView_, createDeckChart(*report_, palette()));
    connectBarHover(deckView_->chart());
    never_->setText(neverLine(*report_));
    never_->setVisible(!never_->text().isEmpty());
    deckView_->setAccessibleDescription(deckTitle(*report_));
}

void ChartWindow::rebuildAcrossChart() {
    if (!report_) {
        crossings_->clear();
        replaceChart(acrossView_, emptyChart(palette()));
        return;
    }
    const ShownReport& report = *report_;
    if (axis_ == AcrossAxis::Jokers) {
        replaceChart(acrossView_,
                     createAcrossJokersChart(report.deck, report.cards, report.jokers, palette()));
        crossings_->setPlainText(jokerCrossingsText(report.deck, report.cards));
    } else if (axis_ == AcrossAxis::Cards) {
        replaceChart(acrossView_,
                     createAcrossCardsChart(report.deck, report.cards, report.jokers, palette()));
        crossings_->setPlainText(cardCrossingsText(report.deck, report.jokers));
    } else {
        const DeckDimension dimension =
            axis_ == AcrossAxis::Suits ? DeckDimension::Suits : DeckDimension::Ranks;
        replaceChart(acrossView_, createAcrossDecksChart(dimension, report.deck, report.cards,
                                                         report.jokers, palette()));
        crossings_->setPlainText(
            marvane::crossingsText(dimension, report.deck, report.cards, report.jokers));
    }
    connectLineHover(acrossView_->chart());
    acrossView_->setAccessibleDescription(acrossView_->chart()->title());
    suitsButton_->setText(tr("&Suits 4 to 8 at %1 ranks").arg(report_->deck.ranks));
    ranksButton_->setText(tr("&Ranks 7 to 20 at %1 suits").arg(report_->deck.suits));
    jokersButton_->setText(
        tr("&Jokers 0 to 4 at %1 x %2").arg(report_->deck.suits).arg(report_->deck.ranks));
    cardsButton_->setText(
        tr("Cards per &hand 3 to 8 at %1 x %2").arg(report_->deck.suits).arg(report_->deck.ranks));
}

void ChartWindow::replaceChart(QChartView* view, std::unique_ptr<QChart> chart) {
    // The view gives up its old chart without deleting it.
    QChart* old = view->chart();
    view->setChart(chart.release());
    delete old;
}

void ChartWindow::connectBarHover(QChart* chart) {
    for (QAbstractSeries* series : chart->series()) {
        for (QBarSet* set : static_cast<QAbstractBarSeries*>(series)->barSets()) {
            connect(set, &QBarSet::hovered, this, [this](bool entered, int index) {
                if (!entered) {
                    QToolTip::hideText();
                    return;
                }
                const auto rows = chartedRows(*report_);
                const int fromTop = static_cast<int>(rows.size()) - 1 - index;
                pickBar(fromTop);
                QToolTip::showText(QCursor::pos(), details_->text(), deckView_);
            });
        }
    }
}

void ChartWindow::connectLineHover(QChart* chart) {
    for (QAbstractSeries* series : chart->series()) {
        auto* line = static_cast<QLineSeries*>(series);
        const QVariant category = line->property(kCategoryProperty);
        if (!category.isValid()) {
            continue;  // the current deck's marker
        }
        connect(line, &QLineSeries::hovered, this, [this, category](QPointF point, bool entered) {
            if (!entered) {
                QToolTip::hideText();
                return;
            }
            marvane::Deck deck = report_->deck;
            std::uint32_t cards = report_->cards;
            std::uint32_t jokers = report_->jokers;
            const auto value = static_cast<std::uint32_t>(std::lround(point.x()));
            (axis_ == AcrossAxis::Suits    ? deck.suits
             : axis_ == AcrossAxis::Ranks  ? deck.ranks
             : axis_ == AcrossAxis::Jokers ? jokers
                                           : cards) = value;
            if (!deck.isAdmissible() || jokers > marvane::kMaxJokers ||
                cards < marvane::kMinCards || cards > marvane::kMaxCards) {
                return;
            }
            const marvane::ShownReport report =
                answer({.deck = deck, .cards = cards, .jokers = jokers});
            for (const marvane::ShownRow& row : report.rows) {
                if (static_cast<int>(marvane::indexOf(row.category)) == category.toInt()) {
                    QToolTip::showText(QCursor::pos(),
                                       deckTitle(report) + '\n' + barDetails(row, report.hands),
                                       acrossView_);
                }
            }
        });
    }
}

void ChartWindow::pickBar(int fromTop) {
    if (!report_) {
        return;
    }
    const auto rows = chartedRows(*report_);
    if (fromTop < 0 || fromTop >= static_cast<int>(rows.size())) {
        return;
    }
    pickedBar_ = fromTop;
    const int index = static_cast<int>(rows.size()) - 1 - fromTop;
    const double value = rows[static_cast<std::size_t>(fromTop)].probability;
    for (QAbstractSeries* series : deckView_->chart()->series()) {
        for (QBarSet* set : static_cast<QAbstractBarSeries*>(series)->barSets()) {
            set->deselectAllBars();
            // The picked bar keeps its pattern's hue, only deeper or lighter.
            set->setSelectedColor(isDarkPalette(palette()) ? set->color().lighter(140)
                                                           : set->color().darker(140));
            if (set->at(index) == value) {
                set->selectBar(index);
            }
        }
    }
    showDetails(barDetails(rows[static_cast<std::size_t>(fromTop)], report_->hands));
}

void ChartWindow::showDetails(const QString& text) {
    details_->setText(text);
    deckView_->setAccessibleDescription(report_ ? deckTitle(*report_) + QStringLiteral(". ") + text
                                                : text);
}

bool ChartWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == deckView_ && event->type() == QEvent::KeyPress && report_) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int last = static_cast<int>(chartedRows(*report_).size()) - 1;
        switch (key) {
            case Qt::Key_Up:
                pickBar(pickedBar_ < 0 ? 0 : std::max(0, pickedBar_ - 1));
                return true;
            case Qt::Key_Down:
                pickBar(std::min(last, pickedBar_ + 1));
                return true;
            case Qt::Key_Home:
                pickBar(0);
                return true;
            case Qt::Key_End:
                pickBar(last);
                return true;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ChartWindow::updateEnabled() {
    save_->setEnabled(report_.has_value());
    copy_->setEnabled(report_.has_value());
    suitsButton_->setEnabled(report_.has_value());
    ranksButton_->setEnabled(report_.has_value());
    jokersButton_->setEnabled(report_.has_value());
    cardsButton_->setEnabled(report_.has_value());
}

QString ChartWindow::suggestedFileName() const {
    QString name = defaultFileStem(report_->deck, report_->cards, report_->jokers);
    if (view() == View::AcrossDecks) {
        name += axis_ == AcrossAxis::Suits    ? QStringLiteral("-across-suits")
                : axis_ == AcrossAxis::Ranks  ? QStringLiteral("-across-ranks")
                : axis_ == AcrossAxis::Jokers ? QStringLiteral("-across-jokers")
                                              : QStringLiteral("-across-cards");
    }
    return name + QStringLiteral(".png");
}

void ChartWindow::saveChartAs() {
    if (!report_) {
        return;
    }
    const QString fileName =
        askSavePath(this, *prompts_, Prompts::FileKind::Chart, suggestedFileName());
    if (fileName.isEmpty()) {
        return;
    }
    const bool deck = view() == View::Deck;
    ChartPicture picture;
    picture.chart = deck ? deckChart() : acrossChart();
    picture.footer = deck ? never_->text() : crossings_->toPlainText().trimmed();
    picture.size = size();
    picture.pixelRatio = devicePixelRatioF();
    const QString error = saveChartPicture(fileName, picture, palette());
    if (!error.isEmpty()) {
        prompts_->warn(this, tr("The chart could not be saved in %1:\n%2")
                                 .arg(QDir::toNativeSeparators(fileName), error));
    }
}

void ChartWindow::copyCrossings() {
    if (report_) {
        QApplication::clipboard()->setText(crossingsText());
    }
}

void ChartWindow::setPrompts(std::shared_ptr<Prompts> prompts) {
    prompts_ = prompts ? std::move(prompts) : dialogPrompts();
}

QChart* ChartWindow::deckChart() const {
    return deckView_->chart();
}
QChart* ChartWindow::acrossChart() const {
    return acrossView_->chart();
}
QString ChartWindow::neverText() const {
    return never_->text();
}
QString ChartWindow::crossingsText() const {
    return crossings_->toPlainText();
}
QString ChartWindow::detailsText() const {
    return details_->text();
}

void ChartWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        rebuildCharts();
    }
}

void ChartWindow::showEvent(QShowEvent* event) {
    if (chartsStale_) {
        chartsStale_ = false;
        rebuildDeckChart();
        rebuildAcrossChart();
    }
    QWidget::showEvent(event);
}

void ChartWindow::hideEvent(QHideEvent* event) {
    rememberGeometry();
    QWidget::hideEvent(event);
}

void ChartWindow::rememberGeometry() {
    AppSettings().setChartGeometry(saveGeometry());
}

}  // namespace marvane
