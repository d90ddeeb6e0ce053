// SPDX-License-Identifier: MIT
#include "app/dialog/dialog_controls.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <array>
#include <initializer_list>

#include "app/dialog/control_ids.h"
#include "app/dialog/up_down_ctrl.h"
#include "app/number_box_reading.h"
#include "listctrl/csortlistctrl.h"

namespace marvane {

namespace {

struct ControlTexts {
    Q_DECLARE_TR_FUNCTIONS(CHandCalcDialog)
};

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
    box->setMaxLength(static_cast<int>(kNumberBoxReadLength));
    return box;
}

QLabel* makeLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

}  // namespace

DialogControls createDialogControls(QDialog* dialog) {
    DialogControls c;
    c.suitsBox =
        tagged(makeNumberBox(dialog), IdSuitsBox, "suitsBox", ControlTexts::tr("Number of Suits"));
    c.suitsSpin = tagged(new UpDownCtrl(dialog), IdSuitsSpin, "suitsSpin",
                         ControlTexts::tr("Number of Suits spin buttons"));
    c.ranksBox =
        tagged(makeNumberBox(dialog), IdRanksBox, "ranksBox", ControlTexts::tr("Number of Ranks"));
    c.ranksSpin = tagged(new UpDownCtrl(dialog), IdRanksSpin, "ranksSpin",
                         ControlTexts::tr("Number of Ranks spin buttons"));
    c.cardsBox =
        tagged(makeNumberBox(dialog), IdCardsBox, "cardsBox", ControlTexts::tr("Cards per Hand"));
    c.cardsSpin = tagged(new UpDownCtrl(dialog), IdCardsSpin, "cardsSpin",
                         ControlTexts::tr("Cards per Hand spin buttons"));
    c.jokersBox =
        tagged(makeNumberBox(dialog), IdJokersBox, "jokersBox", ControlTexts::tr("Jokers"));
    c.jokersSpin = tagged(new UpDownCtrl(dialog), IdJokersSpin, "jokersSpin",
                          ControlTexts::tr("Jokers spin buttons"));
    c.suitsSpin->setBuddy(c.suitsBox);
    c.ranksSpin->setBuddy(c.ranksBox);
    c.cardsSpin->setBuddy(c.cardsBox);
    c.jokersSpin->setBuddy(c.jokersBox);

    // Alt + the underlined letter: a label's takes the focus to its box.
    c.suitsLabel = tagged(makeLabel(ControlTexts::tr("Number of &Suits"), dialog), IdSuitsLabel,
                          "suitsLabel", ControlTexts::tr("Number of Suits"));
    c.ranksLabel = tagged(makeLabel(ControlTexts::tr("Number of &Ranks"), dialog), IdRanksLabel,
                          "ranksLabel", ControlTexts::tr("Number of Ranks"));
    // Alt+H belongs to the Help menu.
    c.cardsLabel = tagged(makeLabel(ControlTexts::tr("Car&ds per Hand"), dialog), IdCardsLabel,
                          "cardsLabel", ControlTexts::tr("Cards per Hand"));
    c.cardsLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c.jokersLabel = tagged(makeLabel(ControlTexts::tr("&Jokers"), dialog), IdJokersLabel,
                           "jokersLabel", ControlTexts::tr("Jokers"));
    c.jokersLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c.suitsLabel->setBuddy(c.suitsBox);
    c.ranksLabel->setBuddy(c.ranksBox);
    c.cardsLabel->setBuddy(c.cardsBox);
    c.jokersLabel->setBuddy(c.jokersBox);

    c.enumerateBox = tagged(new QCheckBox(ControlTexts::tr("&Enumerate?"), dialog), IdEnumerate,
                            "enumerateBox", ControlTexts::tr("Enumerate?"));
    c.enumerateBox->setLayoutDirection(Qt::RightToLeft);  // the text left of the box

    c.computeOdds = tagged(new QPushButton(ControlTexts::tr("Compute &Odds"), dialog),
                           IdComputeOdds, "computeOdds", ControlTexts::tr("Compute Odds"));

    // The number, the mark and the time read out as what they show: no fixed
    // accessible name that would hide their text.
    c.possibleHands = tagged(makeLabel(QStringLiteral("Static"), dialog), IdPossibleHands,
                             "possibleHands", QString());
    c.possibleHands->setAccessibleDescription(ControlTexts::tr("Number of possible hands"));
    c.possibleHands->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    c.possibleHandsLabel =
        tagged(makeLabel(ControlTexts::tr("Possible Hands"), dialog), IdPossibleHandsLabel,
               "possibleHandsLabel", ControlTexts::tr("Possible Hands"));

    c.resultsList = tagged(new CSortListCtrl(dialog), IdResultsList, "resultsList",
                           ControlTexts::tr("Results"));
    c.resultsList->setColumnsFitText(true);

    c.again = tagged(new QPushButton(ControlTexts::tr("&Again?"), dialog), IdAgain, "again",
                     ControlTexts::tr("Again?"));
    c.close = tagged(new QPushButton(ControlTexts::tr("&Close"), dialog), IdClose, "close",
                     ControlTexts::tr("Close"));
    c.cancel = tagged(new QPushButton(ControlTexts::tr("Cancel"), dialog), IdCancel, "cancel",
                      ControlTexts::tr("Cancel"));
    c.cancel->hide();

    c.floatingPathMark = tagged(makeLabel(QStringLiteral("*"), dialog), IdFloatingPathMark,
                                "floatingPathMark", QString());
    const QString floatingPathNote =
        ControlTexts::tr("The number of possible hands was worked out in floating point.");
    c.floatingPathMark->setToolTip(floatingPathNote);
    c.floatingPathMark->setAccessibleDescription(floatingPathNote);
    c.progressBar = tagged(new QProgressBar(dialog), IdProgressBar, "progressBar",
                           ControlTexts::tr("Enumeration progress"));
    c.progressBar->setTextVisible(false);
    c.progressBar->setRange(0, 100);

    c.elapsedTime = new QLabel(dialog);
    c.elapsedTime->setObjectName(QStringLiteral("elapsedTime"));
    c.elapsedTime->setAccessibleDescription(ControlTexts::tr("Time the last computation took"));
    c.elapsedTime->setAlignment(Qt::AlignCenter);

    // Start state of the template: results side disabled.
    c.possibleHands->setEnabled(false);
    c.possibleHandsLabel->setEnabled(false);
    c.resultsList->setEnabled(false);
    c.again->setEnabled(false);
    return c;
}

void setUpTabOrder(const DialogControls& c) {
    const std::array<QWidget*, 10> tabStops = {
        c.suitsBox,    c.ranksBox,    c.cardsBox, c.jokersBox, c.enumerateBox,
        c.computeOdds, c.resultsList, c.again,    c.cancel,    c.close};
    for (std::size_t i = 1; i < tabStops.size(); ++i) {
        QWidget::setTabOrder(tabStops[i - 1], tabStops[i]);
    }
    c.suitsBox->setFocus(Qt::TabFocusReason);
}

void enableInputControls(const DialogControls& c, bool enable) {
    for (QWidget* input : std::initializer_list<QWidget*>{
             c.computeOdds, c.ranksLabel, c.ranksBox, c.ranksSpin, c.suitsLabel, c.suitsBox,
             c.suitsSpin, c.cardsLabel, c.cardsBox, c.cardsSpin, c.jokersLabel, c.jokersBox,
             c.jokersSpin, c.enumerateBox}) {
        input->setEnabled(enable);
    }
}

void enableResultControls(const DialogControls& c, bool enable) {
    c.possibleHands->setEnabled(enable);
    c.resultsList->setEnabled(enable);
    c.possibleHandsLabel->setEnabled(enable);
}

void enableEndButtons(const DialogControls& c, bool enable) {
    c.again->setEnabled(enable);
    c.close->setEnabled(enable);
}

QLineEdit* numberBox(const DialogControls& c, int index) {
    const std::array<QLineEdit*, 4> boxes = {c.suitsBox, c.ranksBox, c.cardsBox, c.jokersBox};
    return boxes.at(static_cast<std::size_t>(index));
}

QWidget* controlWithId(const QWidget& dialog, int id) {
    for (QWidget* child : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->property(kControlIdProperty).toInt() == id) {
            return child;
        }
    }
    return nullptr;
}

}  // namespace marvane
