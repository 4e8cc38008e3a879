#include "main/info.h"

#include <QMouseEvent>
#include <QPixmap>
#include <string>

#include "main/pictures.h"
#include "main/vendor.h"
#include "platform/guard.h"
#include "platform/system.h"
#include "platform/version.h"

TWinInfo::TWinInfo(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  // Nothing of this window is needed before the user opens it.
  ui.Defer([this] { BuildForm(); });
}

void TWinInfo::setVisible(bool visible) {
  if (visible) ui.Build();
  QDialog::setVisible(visible);
}

void TWinInfo::BuildForm() {
  ui.form().setupUi(this);
  RegisterWindowPictures();
  setFixedSize(450, 296);
  ui().Image1->setPixmap(QPixmap(QStringLiteral(":/images/logo.png")));
  ui().Image2->setPixmap(QPixmap(QStringLiteral(":/images/partner.png")));
  for (QWidget* link : {static_cast<QWidget*>(ui().StaticText6), static_cast<QWidget*>(ui().Label2),
                        static_cast<QWidget*>(ui().Label7), static_cast<QWidget*>(ui().Label1)})
    link->installEventFilter(this);
  platform::Connect(ui().BitBtn1, &QPushButton::clicked, this, &TWinInfo::BitBtn1Click);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinInfo::FormCreate() {
  // Only the major and the minor number are shown, after a blank.
  const platform::ProgramVersion& version = platform::Version();
  ui().Label4->setText(QStringLiteral(" ") + QString::fromStdString(std::to_string(version.Major)) +
                       "." + QString::fromStdString(std::to_string(version.Minor)));
}

bool TWinInfo::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == ui().StaticText6) platform::RunGuarded([this] { StaticText6Click(); });
    if (watched == ui().Label2) platform::RunGuarded([this] { Label2Click(); });
    if (watched == ui().Label7) platform::RunGuarded([this] { Label7Click(); });
    if (watched == ui().Label1) platform::RunGuarded([this] { Label1Click(); });
  }
  return QDialog::eventFilter(watched, event);
}

void TWinInfo::StaticText6Click() {
  platform::ShellOpen(QString::fromUtf8(vendor::kWebSite));
}

void TWinInfo::Label2Click() {
  platform::ShellOpen(QString::fromUtf8(vendor::kPartnerSite));
}

void TWinInfo::Label7Click() {
  platform::ShellOpen(QString::fromUtf8(vendor::kWebSite) + QString::fromUtf8(vendor::kHelpPage));
}

void TWinInfo::Label1Click() {
  platform::ShellOpen(QStringLiteral("mailto:") + QString::fromUtf8(vendor::kSupportMail) +
                      QStringLiteral("?subject=Problem z programem"));
}

void TWinInfo::BitBtn1Click() {
  accept();
}
