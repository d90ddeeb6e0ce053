// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <memory>
#include <optional>

#include "app/charts/across_decks_chart.h"
#include "app/prompts.h"
#include "report/results/deck_series.h"
#include "report/results/shown_report.h"

class QChart;
class QChartView;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace marvane {

// The chart window: the deck's categories as bars of their probability
// ("Deck"), and every category's probability along a series of decks with
// the places where two categories change order ("Across decks"). Not modal;
// it shows the dialog's latest results and is emptied by "Again?".
class ChartWindow : public QWidget {
    Q_OBJECT

public:
    enum class View { Deck = 0, AcrossDecks = 1 };

    explicit ChartWindow(QWidget* parent = nullptr);
    ~ChartWindow() override;

    // Draws this deck's results; the across-decks view follows its deck.
    void showReport(const marvane::ShownReport& report);
    // Back to no results.
    void clear();
    bool hasReport() const { return report_.has_value(); }

    View view() const;
    void setView(View view);
    // What the across-decks view varies: suits, ranks, jokers or cards per hand.
    AcrossAxis acrossAxis() const { return axis_; }
    void setAcrossAxis(AcrossAxis axis);
    void setAcrossDimension(marvane::DeckDimension dimension) {
        setAcrossAxis(dimension == marvane::DeckDimension::Suits ? AcrossAxis::Suits
                                                                 : AcrossAxis::Ranks);
    }

    // Asks for a file name and writes the shown view as PNG or SVG at the
    // window's size; a failure is shown as a message.
    void saveChartAs();
    // The crossings as text, one sentence per line, onto the clipboard.
    void copyCrossings();

    // Where the file names are asked and errors shown; nullptr for the real dialogs.
    void setPrompts(std::shared_ptr<Prompts> prompts);

    // The charts as last drawn: a hidden window draws its report when shown.
    QChart* deckChart() const;
    QChart* acrossChart() const;
    QString neverText() const;
    QString crossingsText() const;
    // What the bar picked by hover or the arrow keys stands for.
    QString detailsText() const;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* createDeckPage();
    QWidget* createAcrossPage();
    QWidget* createButtons();
    void createShortcuts();

    void rebuildCharts();
    void rebuildDeckChart();
    void rebuildAcrossChart();
    void replaceChart(QChartView* view, std::unique_ptr<QChart> chart);
    void connectBarHover(QChart* chart);
    void connectLineHover(QChart* chart);
    void pickBar(int fromTop);
    void showDetails(const QString& text);
    void updateEnabled();
    QString suggestedFileName() const;
    void rememberGeometry();

    std::optional<marvane::ShownReport> report_;
    AcrossAxis axis_ = AcrossAxis::Suits;
    int pickedBar_ = -1;        // from the top, -1 for none
    bool chartsStale_ = false;  // the report changed while the window was hidden

    QTabWidget* tabs_ = nullptr;
    QChartView* deckView_ = nullptr;
    QLabel* details_ = nullptr;
    QLabel* never_ = nullptr;
    QRadioButton* suitsButton_ = nullptr;
    QRadioButton* ranksButton_ = nullptr;
    QRadioButton* jokersButton_ = nullptr;
    QRadioButton* cardsButton_ = nullptr;
    QChartView* acrossView_ = nullptr;
    QPlainTextEdit* crossings_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* copy_ = nullptr;

    std::shared_ptr<Prompts> prompts_;
};

}  // namespace marvane
