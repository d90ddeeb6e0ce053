// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <functional>

#include "app/prompts.h"

namespace marvane {

// Records warnings instead of showing them and answers save-path questions
// with `savePath` (cancelled when it is empty).
struct FakePrompts final : Prompts {
    void warn(QWidget*, const QString& text) override { messages << text; }
    QString askSavePath(QWidget*, FileKind kind, const QString& suggested) override {
        kinds.push_back(kind);
        return savePath ? savePath(suggested) : QString();
    }

    QStringList messages;
    std::vector<FileKind> kinds;
    std::function<QString(const QString& suggested)> savePath;
};

}  // namespace marvane
