// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "engine/vocabulary/category_order.h"

class QWidget;

namespace marvane {

// What the program's windows ask of the user in a window of its own: to read
// a warning, or to choose where a file goes. The windows take one of these,
// so tests put a single fake in place of the real dialogs.
class Prompts {
public:
    enum class FileKind { Results, Chart };

    Prompts() = default;
    Prompts(const Prompts&) = delete;
    Prompts& operator=(const Prompts&) = delete;
    virtual ~Prompts() = default;

    // A modal warning with the program's name as its title.
    virtual void warn(QWidget* parent, const QString& text) = 0;
    // A question to go ahead or not (Yes and No, No the default); true for Yes.
    virtual bool confirm(QWidget* parent, const QString& text) = 0;
    // The user's own ranking, starting from `current` (best first); nothing
    // when the user cancels.
    virtual std::optional<CategoryOrder> askOrder(QWidget* parent,
                                                  const CategoryOrder& current) = 0;
    // Where to save a file of this kind, starting at suggestedPath; an empty
    // string when the user cancels.
    virtual QString askSavePath(QWidget* parent, FileKind kind, const QString& suggestedPath) = 0;
};

// The real thing: QMessageBox and QFileDialog.
std::shared_ptr<Prompts> dialogPrompts();

}  // namespace marvane
