#include "platform/opener.h"

namespace platform {

void ShowFromOpener(QWidget& window, const QWidget& opener) {
  const QWidget* owner = opener.window();
  const Qt::WindowModality wanted =
      owner->isVisible() && owner->isModal() ? Qt::ApplicationModal : Qt::NonModal;
  // The modality of a window counts from its next showing.
  if (window.windowModality() != wanted) {
    window.hide();
    window.setWindowModality(wanted);
  }
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace platform
