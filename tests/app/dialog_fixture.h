// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include "app/dialog/chandcalcdialog.h"
#include "app/dialog/control_ids.h"
#include "app/dialog/up_down_ctrl.h"
#include "listctrl/csortlistctrl.h"
#include "tests/app/fake_prompts.h"

namespace marvane {

// One shown calculator dialog, driven as a user would: typing, clicks,
// keys. Validation messages are recorded instead of shown.
struct DialogDriver {
    DialogDriver() {
        dialog.setPrompts(prompts);
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog)) {
            qWarning("the dialog was not exposed");
        }
    }

    template <typename Control = QWidget>
    Control* get(int id) const {
        return qobject_cast<Control*>(dialog.control(id));
    }
    QLineEdit* box(int id) const { return get<QLineEdit>(id); }
    UpDownCtrl* spin(int id) const { return get<UpDownCtrl>(id); }
    CSortListCtrl* list() const { return get<CSortListCtrl>(IdResultsList); }

    void type(int boxId, const QString& text) {
        box(boxId)->setFocus();
        box(boxId)->selectAll();
        QTest::keyClick(box(boxId), Qt::Key_Delete);
        QTest::keyClicks(box(boxId), text);
    }
    void click(int id) { QTest::mouseClick(get<QAbstractButton>(id), Qt::LeftButton); }
    void compute(int suits, int ranks, bool withEnumeration) {
        type(IdSuitsBox, QString::number(suits));
        type(IdRanksBox, QString::number(ranks));
        get<QCheckBox>(IdEnumerate)->setChecked(withEnumeration);
        click(IdComputeOdds);
    }
    void expectEnabled(std::initializer_list<int> ids, bool enabled) const {
        for (int id : ids) {
            EXPECT_EQ(get(id)->isEnabled(), enabled) << "control " << id;
        }
    }
    // One column's texts, top to bottom.
    QStringList column(int column) const {
        QStringList texts;
        for (int row = 0; row < list()->rowCount(); ++row) {
            texts << list()->rowTexts(row).value(column);
        }
        return texts;
    }

    std::shared_ptr<FakePrompts> prompts = std::make_shared<FakePrompts>();
    CHandCalcDialog dialog;
    QStringList& messages = prompts->messages;
};

}  // namespace marvane
