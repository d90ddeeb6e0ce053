// SPDX-License-Identifier: MIT
#include "app/prompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "app/results/order_dialog.h"

namespace marvane {

namespace {

struct PromptTexts {
    Q_DECLARE_TR_FUNCTIONS(Prompts)
};

// What a file dialog offers for one kind of file: its title, its types and
// the suffix of the first.
struct SaveChoice {
    QString title;
    QStringList filters;
    QStringList suffixes;
};

// Functions, not constants: the texts are in the language of the moment.
SaveChoice saveChoice(Prompts::FileKind kind) {
    if (kind == Prompts::FileKind::Chart) {
        return {PromptTexts::tr("Save Chart As"),
                {PromptTexts::tr("PNG image (*.png)"), PromptTexts::tr("SVG image (*.svg)")},
                {QStringLiteral("png"), QStringLiteral("svg")}};
    }
    return {PromptTexts::tr("Save Results As"),
            {PromptTexts::tr("CSV files (*.csv)"), PromptTexts::tr("JSON files (*.json)")},
            {QStringLiteral("csv"), QStringLiteral("json")}};
}

class DialogPrompts final : public Prompts {
public:
    void warn(QWidget* parent, const QString& text) override {
        QMessageBox::warning(parent, QCoreApplication::applicationName(), text);
    }

    bool confirm(QWidget* parent, const QString& text) override {
        return QMessageBox::question(parent, QCoreApplication::applicationName(), text,
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    }

    std::optional<CategoryOrder> askOrder(QWidget* parent, const CategoryOrder& current) override {
        OrderDialog dialog(current, parent);
        if (dialog.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return dialog.order();
    }

    QString askSavePath(QWidget* parent, FileKind kind, const QString& suggestedPath) override {
        const SaveChoice choice = saveChoice(kind);
        QFileDialog dialog(parent, choice.title);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(choice.filters);
        dialog.setDefaultSuffix(choice.suffixes.constFirst());
        dialog.selectFile(suggestedPath);
        // A name typed without a suffix gets the chosen type's.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, &choice](const QString& filter) {
                             const auto index = choice.filters.indexOf(filter);
                             if (index >= 0) {
                                 dialog.setDefaultSuffix(choice.suffixes.at(index));
                             }
                         });
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return {};
        }
        return dialog.selectedFiles().constFirst();
    }
};

}  // namespace

std::shared_ptr<Prompts> dialogPrompts() {
    return std::make_shared<DialogPrompts>();
}

}  // namespace marvane
