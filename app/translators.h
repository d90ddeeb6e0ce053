// SPDX-License-Identifier: MIT
#pragma once

class QLocale;

namespace marvane {

// Puts the program's texts and Qt's own (buttons, standard menus) into the
// locale's language: ours from the resources, Qt's from its installed
// qtbase_*.qm. Translators installed by an earlier call go first, so calling
// it again switches the language; a locale with no translation leaves the
// English texts. Needs the application object.
void installTranslators(const QLocale& locale);

}  // namespace marvane
