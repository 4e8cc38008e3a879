#include "platform/guard.h"

#include <QString>

#include "platform/message_box.h"

namespace platform {

void ReportCurrentException() noexcept {
  try {
    try {
      throw;
    } catch (const std::exception& error) {
      ErrorBox(QString::fromUtf8(error.what()));
    } catch (...) {
      ErrorBox(QString());
    }
  } catch (...) {
    // The box itself failed (out of memory): nothing more can be shown, and nothing may escape
    // into the event loop.
  }
}

}  // namespace platform
