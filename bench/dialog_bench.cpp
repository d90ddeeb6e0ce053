// SPDX-License-Identifier: MIT
// What the dialog adds to an enumeration: its "Compute Odds" click (locking,
// the bar, the results list, the sort; what its "Elapsed Time" covers, the
// results' first paint after the click is not) against the same report built
// by the engine alone, measured in one run since the ratio is the goal.
// Run it on a real display server to count the painting too:
//
//   xvfb-run -a build/<dir>/bench/marvane_dialog_bench --benchmark_repetitions=5
//
// Both take all hardware threads, as the dialog does.

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <string>

#include "app/dialog/chandcalcdialog.h"
#include "app/dialog/control_ids.h"
#include "engine/exact/binomial.h"
#include "report/results/count_request.h"
#include "report/results/five_card_report.h"

using namespace marvane;  // a program of its own, all of it the app's

namespace {

using marvane::Deck;

// The calculator, shown, with the deck typed in and "Enumerate?" ticked; each
// iteration clicks "Compute Odds" and then "Again?" (untimed).
void dialogRun(benchmark::State& bench, Deck deck) {
    CHandCalcDialog dialog;
    // A warning means the deck was not taken: the run would measure nothing.
    struct SkippingPrompts final : Prompts {
        explicit SkippingPrompts(benchmark::State& state) : bench(state) {}
        void warn(QWidget*, const QString& text) override { bench.SkipWithError(qPrintable(text)); }
        bool confirm(QWidget*, const QString&) override { return true; }
        std::optional<CategoryOrder> askOrder(QWidget*, const CategoryOrder&) override {
            return std::nullopt;
        }
        QString askSavePath(QWidget*, FileKind, const QString&) override { return {}; }
        benchmark::State& bench;
    };
    dialog.setPrompts(std::make_shared<SkippingPrompts>(bench));
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog)) {
        bench.SkipWithError("the dialog was not exposed");
        return;
    }
    qobject_cast<QLineEdit*>(dialog.control(IdSuitsBox))->setText(QString::number(deck.suits));
    qobject_cast<QLineEdit*>(dialog.control(IdRanksBox))->setText(QString::number(deck.ranks));
    qobject_cast<QCheckBox*>(dialog.control(IdEnumerate))->setChecked(true);
    auto* computeOdds = qobject_cast<QAbstractButton*>(dialog.control(IdComputeOdds));
    auto* again = qobject_cast<QAbstractButton*>(dialog.control(IdAgain));
    for (auto _ : bench) {
        const auto start = std::chrono::steady_clock::now();
        computeOdds->click();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        bench.SetIterationTime(took.count());
        if (dialog.engineState().handCounter != marvane::binomial(deck.cardCount(), 5)) {
            bench.SkipWithError("the run missed hands");
            break;
        }
        QApplication::processEvents();  // the results' paint, outside the timing
        again->click();
        QApplication::processEvents();
    }
}

// The same report with a progress callback that only counts.
void engineRun(benchmark::State& bench, Deck deck) {
    for (auto _ : bench) {
        std::uint32_t ticks = 0;
        const marvane::ShownReport report =
            marvane::answer({.deck = deck, .enumerate = true, .progress = [&](auto, auto) {
                                 ++ticks;
                                 return true;
                             }});
        benchmark::DoNotOptimize(ticks);
        if (!report.enumerated) {
            bench.SkipWithError("the run missed hands");
            break;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const QTemporaryDir settingsHome;  // the benchmark leaves the user's settings alone
    if (!settingsHome.isValid()) {
        return 1;
    }
    qputenv("XDG_CONFIG_HOME", settingsHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    const Deck deck{8, 20};
    benchmark::RegisterBenchmark("BM_DialogEnumerate/8x20", dialogRun, deck)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime();
    benchmark::RegisterBenchmark("BM_ReportEnumerate/8x20", engineRun, deck)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
