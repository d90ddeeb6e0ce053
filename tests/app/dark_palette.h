// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>
#include <utility>

namespace marvane {

// A dark palette, as a dark desktop theme gives, for the screenshot programs'
// look at the windows in the dark.
inline QPalette darkPalette() {
    QPalette dark;
    const QColor window(45, 45, 48), base(30, 30, 30), text(230, 230, 230);
    for (const auto& [role, colour] : {std::pair{QPalette::Window, window},
                                       {QPalette::WindowText, text},
                                       {QPalette::Base, base},
                                       {QPalette::AlternateBase, window},
                                       {QPalette::Text, text},
                                       {QPalette::Button, window},
                                       {QPalette::ButtonText, text},
                                       {QPalette::Highlight, QColor(42, 130, 218)},
                                       {QPalette::HighlightedText, base},
                                       {QPalette::ToolTipBase, base},
                                       {QPalette::ToolTipText, text},
                                       {QPalette::Light, QColor(70, 70, 74)},
                                       {QPalette::Dark, QColor(25, 25, 25)}}) {
        dark.setColor(role, colour);
    }
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(127, 127, 127));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(127, 127, 127));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(127, 127, 127));
    return dark;
}

}  // namespace marvane
