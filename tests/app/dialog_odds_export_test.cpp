// SPDX-License-Identifier: MIT
// The probability and odds columns, their sort, saving the results and the
// chart window: texts and files are held against marvane-count's golden
// files for 4 x 13.
#include <gtest/gtest.h>

#include <QAction>
#include <QChart>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include "app/app_settings.h"
#include "app/charts/chart_window.h"
#include "listctrl/csortheaderctrl.h"
#include "tests/app/dialog_fixture.h"

namespace marvane {

namespace {

QByteArray golden(const QString& name) {
    QFile file(QStringLiteral(MARVANE_GOLDEN_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QAction* action(const QWidget& owner, const char* name) {
    return owner.findChild<QAction*>(QLatin1String(name));
}

void clickHeading(const DialogDriver& d, int column) {
    CSortHeaderCtrl* header = d.list()->sortHeader();
    const QPoint at(header->sectionViewportPosition(column) + 10, header->height() / 2);
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, at);
}

// Leaves the settings as the next test expects to find them: columns off.
struct ColumnsOff {
    ~ColumnsOff() {
        AppSettings settings;
        settings.setProbabilityColumn(false);
        settings.setOddsColumn(false);
    }
};

TEST(DialogOddsColumns, HeaderMenuAddsTheCliTextsAndTheChoiceLasts) {
    ColumnsOff restore;
    // Hand name -> {probability, odds} from the golden CSV.
    QMap<QString, QStringList> expected;
    for (const QByteArray& line : golden("4x13-odds.csv").split('\n').mid(1)) {
        const QStringList fields = QString::fromUtf8(line).split(',');
        if (fields.size() == 10) {
            expected[fields[5]] = {fields[8], fields[9]};
        }
    }
    ASSERT_EQ(expected.size(), 17);
    {
        DialogDriver d;
        d.compute(4, 13, false);
        const QList<QAction*> menu = d.list()->sortHeader()->actions();
        ASSERT_EQ(menu.size(), 2);
        EXPECT_EQ(QStringList({menu[0]->text(), menu[1]->text()}),
                  QStringList({"&Probability", "&Odds"}));
        menu[0]->trigger();
        menu[1]->trigger();
        ASSERT_EQ(d.list()->columnCount(), 5);
        for (int row = 0; row < 17; ++row) {
            const QStringList texts = d.list()->rowTexts(row);
            const QStringList& want = expected[texts[0]];
            EXPECT_EQ(texts[4], want[1]) << qPrintable(texts[0]);
            EXPECT_NEAR(texts[3].toDouble(), want[0].toDouble(), want[0].toDouble() * 5e-4)
                << qPrintable(texts[0]);
        }
        EXPECT_EQ(d.column(3).value(d.column(0).indexOf("Straight Flush")), "1.539e-05");
        menu[0]->trigger();
        EXPECT_EQ(d.list()->columnCount(), 4);
        EXPECT_EQ(d.list()->horizontalHeaderItem(3)->text(), " Odds");
    }
    DialogDriver next;  // the Odds column alone comes back
    next.compute(4, 13, false);
    EXPECT_EQ(next.list()->columnCount(), 4);
    EXPECT_EQ(next.column(3).value(next.column(0).indexOf("Straight Flush")), "1 in 64974");
}

TEST(DialogOddsColumns, OddsSortLikeTheCounts) {
    ColumnsOff restore;
    for (bool enumerate : {false, true}) {
        DialogDriver d;
        action(d.dialog, "oddsAction")->setChecked(true);
        d.compute(5, 7, enumerate);
        const int computed = enumerate ? 2 : 1;
        const int odds = d.list()->columnCount() - 1;
        // From the same order (by Hand), one click sorts ascending, two descending.
        const auto sortedBy = [&](int column, int clicks) {
            clickHeading(d, 0);
            for (int i = 0; i < clicks; ++i) {
                clickHeading(d, column);
            }
            return d.column(0).join(',');
        };
        for (int clicks : {1, 2}) {
            EXPECT_EQ(sortedBy(odds, clicks).toStdString(),
                      sortedBy(computed, clicks).toStdString())
                << enumerate << clicks;
        }
    }
}

TEST(DialogSaveResults, FilesEqualTheCliOutputAndFailuresLeaveNothing) {
    ColumnsOff restore;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const struct {
        bool odds;
        const char* file;
    } cases[] = {{false, "4x13.csv"},
                 {false, "4x13.json"},
                 {true, "4x13-odds.csv"},
                 {true, "4x13-odds.json"}};
    for (const auto& c : cases) {
        DialogDriver d;
        QAction* save = action(d.dialog, "saveResultsAction");
        EXPECT_FALSE(save->isEnabled());  // nothing to save yet
        action(d.dialog, "oddsAction")->setChecked(c.odds);
        d.compute(4, 13, false);
        QString suggested;
        const QString path = dir.filePath(QLatin1String(c.file));
        d.prompts->savePath = [&](const QString& suggestion) {
            suggested = suggestion;
            return path;
        };
        ASSERT_TRUE(save->isEnabled());
        save->trigger();
        EXPECT_EQ(QFileInfo(suggested).fileName(), "marvane-4x13.csv");
        QFile saved(path);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly)) << c.file;
        EXPECT_EQ(saved.readAll(), golden(QLatin1String(c.file))) << c.file;
        EXPECT_TRUE(d.messages.isEmpty());
    }

    // A folder that is a file: the message names the path, nothing is written.
    QFile blocker(dir.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    DialogDriver d;
    d.compute(4, 13, false);
    const QString bad = dir.filePath("blocker/results.csv");
    d.prompts->savePath = [&](const QString& suggestion) {
        EXPECT_EQ(QFileInfo(suggestion).absolutePath(), dir.path());  // the last folder used
        return bad;
    };
    action(d.dialog, "saveResultsAction")->trigger();
    ASSERT_EQ(d.messages.size(), 1);
    EXPECT_TRUE(d.messages[0].startsWith("Could not save the results to " + bad));
    EXPECT_FALSE(QFile::exists(bad));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 5);  // four saved, the blocker
    d.click(IdAgain);
    EXPECT_FALSE(action(d.dialog, "saveResultsAction")->isEnabled());
}

TEST(DialogChart, TheChartFollowsComputeOddsAndAgain) {
    DialogDriver d;
    auto* chart = d.dialog.findChild<ChartWindow*>();
    ASSERT_TRUE(chart != nullptr);
    QAction* open = action(d.dialog, "chartAction");
    EXPECT_EQ(open->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
    EXPECT_TRUE(d.list()->actions().contains(open));
    open->trigger();
    EXPECT_TRUE(chart->isVisible());
    EXPECT_FALSE(chart->hasReport());

    d.compute(4, 13, false);
    EXPECT_EQ(chart->deckChart()->title(), "4 suits x 13 ranks, 2598960 hands");
    d.click(IdAgain);
    EXPECT_FALSE(chart->hasReport());
    d.compute(8, 20, false);
    EXPECT_EQ(chart->deckChart()->title(), "8 suits x 20 ranks, 820384032 hands");
    chart->close();
    // Results that arrive while the window is closed show when it opens.
    d.click(IdAgain);
    d.compute(6, 13, false);
    open->trigger();
    EXPECT_EQ(chart->deckChart()->title(), "6 suits x 13 ranks, 21111090 hands");
    chart->close();
}

}  // namespace

}  // namespace marvane
