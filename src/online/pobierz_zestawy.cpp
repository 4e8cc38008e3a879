#include "online/pobierz_zestawy.h"

#include <QFile>
#include <QShowEvent>
#include <QUrl>

#include "engine/set_file.h"
#include "main/vindargast.h"
#include "online/web_download.h"
#include "platform/guard.h"
#include "platform/message_box.h"
#include "platform/opening.h"

namespace {

const char* const kLocalList = "Zestawy/lista_zestawow.txt";

// The set names of the list file: one a line, CR LF or LF. A line that is no bare file name
// (a path, "." or "..", a control character, nothing at all) would let the server choose where
// a download lands, so it is left out.
QStringList SetNames(const QByteArray& bytes) {
  QStringList names;
  for (QByteArray line : bytes.split('\n')) {
    if (line.endsWith('\r')) line.chop(1);
    if (setfile::IsValidSetName(line.toStdString())) names << QString::fromUtf8(line);
  }
  return names;
}

}  // namespace

TWinPobierzZestawy::TWinPobierzZestawy(QWidget* parent) : QDialog(parent) {
  // Nothing of this window is needed before the user opens it.
  ui.Defer([this] { BuildForm(); });
}

void TWinPobierzZestawy::setVisible(bool visible) {
  if (visible) ui.Build();
  QDialog::setVisible(visible);
}

void TWinPobierzZestawy::BuildForm() {
  ui.form().setupUi(this);
  platform::Connect(ui().BitBtn1, &QPushButton::clicked, this, &TWinPobierzZestawy::BitBtn1Click);
  platform::Connect(ui().BitBtn2, &QPushButton::clicked, this, &TWinPobierzZestawy::BitBtn2Click);
  // A line chosen by mouse or keys; emptying the list chooses nothing and keeps the name.
  platform::Connect(ui().ListaZestawow, &QListWidget::itemSelectionChanged, this,
                    &TWinPobierzZestawy::ListaZestawowClick);
  connect(ui().BitBtn3, &QPushButton::clicked, this, &QDialog::close);
  // However the window closes (button, close box, Escape).
  platform::Connect(this, &QDialog::finished, this, &TWinPobierzZestawy::FormClose);
}

void TWinPobierzZestawy::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  platform::RunAtOpening(event, [this] { FormShow(); });
}

// The working folder is the program's folder from the start on, so "Zestawy" is found there.
void TWinPobierzZestawy::FormShow() {
  ui().BitBtn2->setEnabled(false);
}

void TWinPobierzZestawy::BitBtn1Click() {
  const QString local = QString::fromLatin1(kLocalList);
  if (TForm1::DownloadFile(TForm1::ServerAddress() + QString::fromLatin1(online::kSetListPath),
                           local) != 1)
    return;
  QFile file(local);
  if (!file.open(QIODevice::ReadOnly)) return;
  ui().ListaZestawow->clear();
  ui().ListaZestawow->addItems(SetNames(file.readAll()));
  if (ui().ListaZestawow->count() > 0) ui().BitBtn2->setEnabled(true);
}

void TWinPobierzZestawy::ListaZestawowClick() {
  const QList<QListWidgetItem*> selected = ui().ListaZestawow->selectedItems();
  if (!selected.isEmpty()) SelectedSetName = selected.first()->text().toStdString();
}

void TWinPobierzZestawy::BitBtn2Click() {
  bool saved = false;
  // The name came from the filtered list, but it is the one thing of the server's that becomes a
  // path here: it is checked once more, and percent-encoded in the address.
  if (setfile::IsValidSetName(SelectedSetName)) {
    const QString name = QString::fromStdString(SelectedSetName);
    const online::FetchResult fetched =
        online::Fetch(TForm1::ServerAddress() + QString::fromLatin1(online::kSetFolderPath) +
                      QString::fromLatin1(QUrl::toPercentEncoding(name)));
    saved = fetched.ok &&
            online::SaveWhole(QString::fromLatin1(setfile::kFolder) + QLatin1Char('/') + name,
                              fetched.body, nullptr);
  }
  if (saved) {
    platform::MessageBox(QStringLiteral("Zestaw został pobrany"), QStringLiteral("Informacja"));
  } else {
    platform::MessageBox(QStringLiteral("Nie udało się pobrać zestawu"),
                         QStringLiteral("Informacja"), platform::Icon::Warning);
  }
}

void TWinPobierzZestawy::FormClose() {
  ui().ListaZestawow->clear();
}
