// SPDX-License-Identifier: MIT
#include "app/results/result_headings.h"

#include <QCoreApplication>

namespace marvane {

namespace {

struct HeadingTexts {
    Q_DECLARE_TR_FUNCTIONS(ResultHeadings)
};

}  // namespace

QString columnTitle(ResultColumn column) {
    switch (column) {
        case ResultColumn::Hand:
            return HeadingTexts::tr("Hand", "results column: the category of hand");
        case ResultColumn::Enumerated:
            return HeadingTexts::tr("Enumerated", "results column: hands counted one by one");
        case ResultColumn::Computed:
            return HeadingTexts::tr("Computed", "results column: hands counted by formula");
        case ResultColumn::Total:
            return HeadingTexts::tr("Total", "results column: cumulative count");
        case ResultColumn::Probability:
            return HeadingTexts::tr("Probability", "results column");
        case ResultColumn::Odds:
            return HeadingTexts::tr("Odds", "results column: one hand in how many");
    }
    return {};
}

QString resultHeadings(bool withEnumeration) {
    // The list separates titles with ';' and a title from its width with
    // ','; a translated title must not contain either. The list widens a
    // column to its title when the title needs more room.
    const QString hand = QStringLiteral("%1, 140; ").arg(columnTitle(ResultColumn::Hand));
    const QString counts =
        QStringLiteral("%1, 70; %2, 70")
            .arg(columnTitle(ResultColumn::Computed), columnTitle(ResultColumn::Total));
    if (!withEnumeration) {
        return hand + counts;
    }
    return hand + QStringLiteral("%1, 80; ").arg(columnTitle(ResultColumn::Enumerated)) + counts;
}

}  // namespace marvane
