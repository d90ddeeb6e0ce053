// SPDX-License-Identifier: MIT
#include "app/app_icon.h"

// Outside any namespace, as the resource initialiser requires.
static void initResources() {
    // The resources live in a static library, whose initialiser the linker
    // would otherwise drop as unreferenced.
    Q_INIT_RESOURCE(marvane);
}

namespace marvane {

QIcon applicationIcon() {
    initResources();
    return QIcon(QStringLiteral(":/icons/marvane.svg"));
}

}  // namespace marvane
