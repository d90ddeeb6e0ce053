// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <functional>

#include "app/prompts.h"

namespace marvane {

// Records warnings and questions instead of showing them, answers questions
// with `confirmAnswer` and save-path questions with `savePath` (cancelled
// when it is empty).
struct FakePrompts final : Prompts {
    void warn(QWidget*, const QString& text) override { messages << text; }
    bool confirm(QWidget*, const QString& text) override {
        questions << text;
        return confirmAnswer;
    }
    std::optional<CategoryOrder> askOrder(QWidget*, const CategoryOrder& current) override {
        asked = current;
        return orderAnswer;
    }
    QString askSavePath(QWidget*, FileKind kind, const QString& suggested) override {
        kinds.push_back(kind);
        return savePath ? savePath(suggested) : QString();
    }

    QStringList messages;
    QStringList questions;
    bool confirmAnswer = true;
    std::optional<CategoryOrder> asked;        // the order the last askOrder started from
    std::optional<CategoryOrder> orderAnswer;  // nothing: cancelled
    std::vector<FileKind> kinds;
    std::function<QString(const QString& suggested)> savePath;
};

}  // namespace marvane
