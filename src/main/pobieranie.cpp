#include "main/pobieranie.h"

#include <QPixmap>
#include <QShowEvent>

#include "app/windows.h"
#include "main/pictures.h"
#include "main/vindargast.h"
#include "platform/guard.h"

TForm2::TForm2(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  // Built when a download first shows it or writes its texts.
  ui.Defer([this] { BuildForm(); });
}

void TForm2::setVisible(bool visible) {
  if (visible) ui.Build();
  QDialog::setVisible(visible);
}

void TForm2::BuildForm() {
  ui.form().setupUi(this);
  RegisterWindowPictures();
  setFixedSize(439, 129);
  ui().Image1->setPixmap(QPixmap(QStringLiteral(":/images/pobieranie.png")));
  platform::Connect(ui().BitBtn1, &QPushButton::clicked, this, &TForm2::BitBtn1Click);
}

void TForm2::BitBtn1Click() {
  done(1);
}

void TForm2::showEvent(QShowEvent* event) {
  if (Form1 && !event->spontaneous()) move(Form1->frameGeometry().center() - rect().center());
  QDialog::showEvent(event);
}
