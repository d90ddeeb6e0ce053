#include "dialog_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "csortlistctrl.h"
#include "updownctrl.h"

DialogDriver::DialogDriver() {
    dialog_.setMessageFunction([this](QWidget*, const QString& title, const QString& text) {
        titles << title;
        messages << text;
    });
    dialog_.show();
    dialog_.activateWindow();
    if (!QTest::qWaitForWindowExposed(&dialog_)) {
        qWarning("the dialog was not exposed");
    }
}

QLineEdit* DialogDriver::suitsBox() const {
    return qobject_cast<QLineEdit*>(dialog_.control(IdSuitsBox));
}
QLineEdit* DialogDriver::ranksBox() const {
    return qobject_cast<QLineEdit*>(dialog_.control(IdRanksBox));
}
UpDownCtrl* DialogDriver::suitsSpin() const {
    return qobject_cast<UpDownCtrl*>(dialog_.control(IdSuitsSpin));
}
UpDownCtrl* DialogDriver::ranksSpin() const {
    return qobject_cast<UpDownCtrl*>(dialog_.control(IdRanksSpin));
}
QCheckBox* DialogDriver::enumerateBox() const {
    return qobject_cast<QCheckBox*>(dialog_.control(IdEnumerate));
}
QPushButton* DialogDriver::button(int id) const {
    return qobject_cast<QPushButton*>(dialog_.control(id));
}
QLabel* DialogDriver::label(int id) const {
    return qobject_cast<QLabel*>(dialog_.control(id));
}
CSortListCtrl* DialogDriver::list() const {
    return qobject_cast<CSortListCtrl*>(dialog_.control(IdResultsList));
}
QProgressBar* DialogDriver::progressBar() const {
    return qobject_cast<QProgressBar*>(dialog_.control(IdProgressBar));
}
QLabel* DialogDriver::elapsedTime() const {
    return dialog_.findChild<QLabel*>(QStringLiteral("elapsedTime"));
}

void DialogDriver::type(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

void DialogDriver::click(int buttonId) {
    QTest::mouseClick(button(buttonId), Qt::LeftButton);
}

void DialogDriver::setEnumerate(bool on) {
    if (enumerateBox()->isChecked() != on) {
        QTest::mouseClick(enumerateBox(), Qt::LeftButton, {},
                          QPoint(enumerateBox()->width() - 8, enumerateBox()->height() / 2));
    }
}

void DialogDriver::compute(int suits, int ranks, bool withEnumeration) {
    type(suitsBox(), QString::number(suits));
    type(ranksBox(), QString::number(ranks));
    setEnumerate(withEnumeration);
    click(IdComputeOdds);
}

QStringList DialogDriver::column(int column) const {
    QStringList texts;
    for (int row = 0; row < list()->rowCount(); ++row) {
        texts << list()->rowTexts(row).value(column);
    }
    return texts;
}

QStringList DialogDriver::headings() const {
    QStringList titles;
    for (int column = 0; column < list()->columnCount(); ++column) {
        titles << list()->horizontalHeaderItem(column)->text();
    }
    return titles;
}
