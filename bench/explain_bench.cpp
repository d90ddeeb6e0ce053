// SPDX-License-Identifier: MIT
// Time to find an example hand for all 17 categories of one deck, and
// everything the dialog does after a result to explain it: every row and
// heading of the results list gets its tooltip, warning mark and accessible
// text, example hands included. The latter runs on the dialog's thread, so
// it has to stay well under a frame or two (20 ms) on the largest deck.
//
//   build/<dir>/bench/marvane_explain_bench
//   build/<dir>/bench/marvane_explain_bench --benchmark_filter=BM_ExplainResults

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>

#include "app/dialog/dialog_controls.h"
#include "app/results/results_explanations.h"
#include "app/results/results_list.h"
#include "listctrl/csortlistctrl.h"
#include "report/examples/example_hands.h"
#include "report/results/count_request.h"
#include "report/results/shown_report.h"

namespace {

void examplesForEveryCategory(benchmark::State& bench, marvane::Deck deck) {
    for (auto _ : bench) {
        for (std::size_t i = 0; i < marvane::kCategoryCount; ++i) {
            benchmark::DoNotOptimize(exampleHand(*marvane::categoryFromIndex(i), deck));
        }
    }
}

BENCHMARK_CAPTURE(examplesForEveryCategory, deck4x13, marvane::Deck{4, 13});
BENCHMARK_CAPTURE(examplesForEveryCategory, deck8x20, marvane::Deck{8, 20});

// The list needs an application, one for the whole program: made on first
// use, offscreen unless the caller chose a platform, and never destroyed,
// as the program ends right after the benchmarks.
void ensureApplication() {
    if (QApplication::instance() != nullptr) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "marvane_explain_bench";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

// The dialog's own list, filled with a result as the dialog fills it; then
// what the dialog does once per result.
void BM_ExplainResults(benchmark::State& bench, marvane::Deck deck, std::uint32_t cards) {
    ensureApplication();
    QDialog dialog;
    const marvane::DialogControls controls = marvane::createDialogControls(&dialog);
    marvane::CSortListCtrl& list = *controls.resultsList;
    const marvane::ShownReport report = marvane::answer({.deck = deck, .cards = cards});
    marvane::defineResultColumns(list, report.enumerated);
    marvane::addResultRows(list, report);
    for (auto _ : bench) {
        marvane::explainResults(&list, report);
    }
}

// Registered by name: BENCHMARK_CAPTURE's name would not survive formatting.
[[maybe_unused]] const benchmark::internal::Benchmark* const kExplain8x20 =
    benchmark::RegisterBenchmark("BM_ExplainResults/8x20/7", BM_ExplainResults,
                                 marvane::Deck{8, 20}, 7u)
        ->Unit(benchmark::kMillisecond);
[[maybe_unused]] const benchmark::internal::Benchmark* const kExplain4x13 =
    benchmark::RegisterBenchmark("BM_ExplainResults/4x13/7", BM_ExplainResults,
                                 marvane::Deck{4, 13}, 7u)
        ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
