#include "platform/message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace platform {

Answer MessageBox(const QString& text, const QString& title, Icon icon, Buttons buttons) {
  return CurrentBackend().ShowBox(BoxRequest{text, title, icon, buttons});
}

void ErrorBox(const QString& text) {
  MessageBox(text, kApplicationTitle, Icon::Stop, Buttons::Ok);
}

void PlainBox(const QString& text) {
  MessageBox(text, kApplicationTitle, Icon::None, Buttons::Ok);
}

void MessageBoxWarningNotifier::Warn(const std::string& caption, const std::string& text) {
  MessageBox(QString::fromStdString(text), QString::fromStdString(caption), Icon::Warning,
             Buttons::Ok);
}

namespace {

QMessageBox::Icon QtIcon(Icon icon) {
  switch (icon) {
    case Icon::Information:
      return QMessageBox::Information;
    case Icon::Warning:
      return QMessageBox::Warning;
    case Icon::Question:
      return QMessageBox::Question;
    case Icon::Stop:
      return QMessageBox::Critical;
    case Icon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

struct ButtonText {
  QMessageBox::StandardButton button;
  const char* text;
  Answer answer;
};

// In the order the boxes show them; the first one is the default button.
constexpr ButtonText kOk{QMessageBox::Ok, "OK", Answer::Ok};
constexpr ButtonText kCancel{QMessageBox::Cancel, "Anuluj", Answer::Cancel};
constexpr ButtonText kYes{QMessageBox::Yes, "Tak", Answer::Yes};
constexpr ButtonText kNo{QMessageBox::No, "Nie", Answer::No};

std::vector<ButtonText> ButtonsOf(Buttons buttons) {
  switch (buttons) {
    case Buttons::OkCancel:
      return {kOk, kCancel};
    case Buttons::YesNo:
      return {kYes, kNo};
    case Buttons::YesNoCancel:
      return {kYes, kNo, kCancel};
    case Buttons::Ok:
      break;
  }
  return {kOk};
}

// A window kept above the others (the splash at start) would hide a box that has no active window
// to open over: the box is then kept above too, and opens over it.
bool AWindowIsKeptOnTop() {
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
      return true;
  }
  return false;
}

}  // namespace

// The real box, used by the system backend.
Answer ShowSystemBox(const BoxRequest& request) {
  QWidget* parent = QApplication::activeWindow();
  QMessageBox box(parent);
  if (!parent && AWindowIsKeptOnTop()) box.setWindowFlag(Qt::WindowStaysOnTopHint);
  box.setWindowTitle(request.title);
  box.setTextFormat(Qt::PlainText);
  box.setText(request.text);
  box.setIcon(QtIcon(request.icon));
  const std::vector<ButtonText> buttons = ButtonsOf(request.buttons);
  QMessageBox::StandardButtons standard;
  for (const ButtonText& b : buttons) standard |= b.button;
  box.setStandardButtons(standard);
  for (const ButtonText& b : buttons) box.button(b.button)->setText(QString::fromUtf8(b.text));
  box.setDefaultButton(buttons.front().button);
  // Escape and the close button give the most cautious answer the box offers.
  box.setEscapeButton(buttons.back().button);
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  for (const ButtonText& b : buttons) {
    if (clicked == box.button(b.button)) return b.answer;
  }
  return buttons.back().answer;
}

}  // namespace platform
