#pragma once

#include <QStringList>

#include "chandcalcdialog.h"
#include "control_ids.h"

class CSortListCtrl;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class UpDownCtrl;

// Drives one shown calculator dialog the way a user would: typing, clicks,
// keys. Validation messages are recorded instead of shown.
class DialogDriver {
public:
    DialogDriver();

    CHandCalcDialog& dialog() { return dialog_; }
    QLineEdit* suitsBox() const;
    QLineEdit* ranksBox() const;
    UpDownCtrl* suitsSpin() const;
    UpDownCtrl* ranksSpin() const;
    QCheckBox* enumerateBox() const;
    QPushButton* button(int id) const;
    QLabel* label(int id) const;
    CSortListCtrl* list() const;
    QProgressBar* progressBar() const;
    QLabel* elapsedTime() const;

    // Replaces the box's text by typing, as far as the box lets it through.
    void type(QLineEdit* box, const QString& text);
    void click(int buttonId);
    void setEnumerate(bool on);
    // Types the deck, sets "Enumerate?" and clicks "Compute Odds".
    void compute(int suits, int ranks, bool withEnumeration);

    // The texts of one column, top to bottom, and the column titles.
    QStringList column(int column) const;
    QStringList headings() const;

    QStringList messages;  // every validation message, in order
    QStringList titles;    // the title each was shown with

private:
    CHandCalcDialog dialog_;
};
