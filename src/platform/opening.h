// A window's showing handler (FormShow) belongs to its opening, by show() or exec(). Restoring a
// minimised window from the task bar sends it a show event too, a spontaneous one from the window
// system: running the handler again then would clear or re-list what the user had typed or chosen.
//
//   void TWinZestawy::showEvent(QShowEvent* event) {
//     QDialog::showEvent(event);
//     platform::RunAtOpening(event, [this] { FormShow(); });
//   }
#pragma once

#include <QShowEvent>
#include <utility>

#include "platform/guard.h"

namespace platform {

// Runs handler under the handler guard when the event opens the window, not when it restores it.
template <typename Fn>
void RunAtOpening(const QShowEvent* event, Fn&& handler) {
  if (!event->spontaneous()) RunGuarded(std::forward<Fn>(handler));
}

}  // namespace platform
