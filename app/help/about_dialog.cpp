// SPDX-License-Identifier: MIT
#include "app/help/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/dialog/control_ids.h"
#include "app/help/help_window.h"
#include "marvane_version.h"

namespace marvane {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Marvane"));
    HelpWindow::addHelpKey(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("aboutIcon"));
    const int iconSize = style()->pixelMetric(QStyle::PM_LargeIconSize);
    // The dialog's own icon, which falls back to the parent's and then the application's.
    icon->setPixmap(windowIcon().pixmap(iconSize, iconSize));
    icon->setAccessibleName(tr("Marvane icon"));

    auto* version =
        new QLabel(tr("Marvane Version %1").arg(QLatin1String(marvane::kVersion)), this);
    version->setObjectName(QStringLiteral("aboutText"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(tr("OK"));
    ok->setProperty(kControlIdProperty, IdClose);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addWidget(version, 1, Qt::AlignVCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace marvane
