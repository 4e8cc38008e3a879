#include "platform/user_change.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include "platform/guard.h"

namespace platform {

namespace {

// Qt's own inner widgets (a tool bar's extension button, which is checkable) are no input.
bool QtsOwn(const QObject* widget) {
  return widget->objectName().startsWith(QLatin1String("qt_"));
}

}  // namespace

void OnUserChange(QWidget* window, const std::function<void()>& handler) {
  for (QLineEdit* edit : window->findChildren<QLineEdit*>())
    Connect(edit, &QLineEdit::textEdited, window, handler);
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
    if (button->isCheckable() && !QtsOwn(button))
      Connect(button, &QAbstractButton::clicked, window, handler);
  for (QComboBox* list : window->findChildren<QComboBox*>())
    Connect(list, &QComboBox::activated, window, handler);
}

}  // namespace platform
