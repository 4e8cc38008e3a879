// Windows opened from other windows.
#pragma once

#include <QWidget>

namespace platform {

// Shows a window opened by `opener`. A window opened from a modal one is modal as well, or the
// modal one would take every click and key until it closes; from any other window it is not.
void ShowFromOpener(QWidget& window, const QWidget& opener);

}  // namespace platform
