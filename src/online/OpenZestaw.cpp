#include "online/OpenZestaw.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QUrl>

#include "app/windows.h"
#include "economics/koszt.h"
#include "engine/numtext.h"
#include "engine/set_file.h"
#include "engine/vindargast2.h"
#include "main/vindargast.h"
#include "platform/guard.h"
#include "platform/message_box.h"
#include "platform/opening.h"
#include "platform/system.h"

namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

void ReadFailed(const char* number) {
  platform::MessageBox(
      QString::fromLatin1(number) + QStringLiteral(" Nie udało się wczytać pliku xml !!!"),
      QStringLiteral("Uwaga"), platform::Icon::Warning);
}

// The main window's device summary for what a set brought.
void ShowInMainWindow(const setfile::LoadedSet& set) {
  if (!Form1) return;
  auto& ui = Form1->ui;
  if (set.tank1) {
    ui().Label67->setText(Text(General15(set.tank1->PojemnoscZasobnika)));
    ui().Label66->setText(Text(set.tank1->Model));
  }
  if (set.tank2) ui().Label64->setText(Text(General15(set.tank2->PojemnoscZasobnika)));
  if (set.collector) {
    ui().Label61->setText(Text(set.collector->Model));
    // As the collector window shows them: the summary must not round away a digit of the k1
    // the design computes with (3.78 shown as 3.8).
    ui().Label62->setText(Text(GeneralText(set.collector->WspolczynnikLiniowy, 4, 2)));
    ui().Label63->setText(Text(GeneralText(set.collector->WspolczynnikKwadratowy, 2, 3)));
  }
  if (set.controller) ui().Label70->setText(Text(set.controller->Model));
  if (set.vessel) {
    ui().Label73->setText(Text(set.vessel->Model));
    ui().Label75->setText(Text(General15(set.vessel->Pojemnosc)));
  }
  if (set.pump) ui().Label77->setText(Text(set.pump->Model));
  if (set.insulation) {
    ui().Label71->setText(Text(set.insulation->Model));
    ui().Label72->setText(Text(GeneralText(set.insulation->Lambda, 2, 2)));
  }
}

// Empties what the window shows of a set, the addresses its texts open included.
void ClearShownSet(TWinOpenZestaw& window) {
  auto& ui = window.ui;
  for (QLabel* text : {ui().StaticText9, ui().StaticText10, ui().StaticText11, ui().StaticText12,
                       ui().StaticText13, ui().StaticText14, ui().StaticText15, ui().StaticText17})
    text->clear();
  ui().Opis->clear();
  ui().ListBox2->clear();
  window.SetEmail.clear();
  window.SetWebPage.clear();
}

}  // namespace

TWinOpenZestaw::TWinOpenZestaw(QWidget* parent) : QDialog(parent) {
  // Nothing of this window is needed before the user opens it.
  ui.Defer([this] { BuildForm(); });
}

void TWinOpenZestaw::setVisible(bool visible) {
  if (visible) ui.Build();
  QDialog::setVisible(visible);
}

void TWinOpenZestaw::BuildForm() {
  ui.form().setupUi(this);
  platform::Connect(ui().BitBtn2, &QPushButton::clicked, this, &TWinOpenZestaw::BitBtn2Click);
  platform::Connect(ui().BitBtn1, &QPushButton::clicked, this, &TWinOpenZestaw::BitBtn1Click);
  platform::Connect(ui().BitBtn4, &QPushButton::clicked, this, &TWinOpenZestaw::BitBtn4Click);
  platform::Connect(ui().FileListBox1, &QListWidget::itemDoubleClicked, this,
                    [this] { FileListBox1DblClick(); });
  connect(ui().BitBtn3, &QPushButton::clicked, this, &QDialog::close);
  ui().StaticText12->installEventFilter(this);
  ui().StaticText13->installEventFilter(this);
}

void TWinOpenZestaw::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  platform::RunAtOpening(event, [this] { FormShow(); });
}

bool TWinOpenZestaw::eventFilter(QObject* watched, QEvent* event) {
  if (ui.Built() && event->type() == QEvent::MouseButtonRelease) {
    if (watched == ui().StaticText13) platform::RunGuarded([this] { StaticText13Click(); });
    if (watched == ui().StaticText12) platform::RunGuarded([this] { StaticText12Click(); });
  }
  return QDialog::eventFilter(watched, event);
}

void TWinOpenZestaw::FormShow() {
  const QDir sets(QString::fromLatin1(setfile::kFolder));
  if (sets.exists()) folder_ = sets.absolutePath();
  ui().FileListBox1->clear();
  if (!folder_.isEmpty()) {
    const QStringList files =
        QDir(folder_).entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name);
    ui().FileListBox1->addItems(files);
  }
  ui().StaticText13->setCursor(Qt::PointingHandCursor);
  ui().Opis->clear();
}

QString TWinOpenZestaw::SelectedPath() const {
  const QListWidgetItem* item = ui().FileListBox1->currentItem();
  if (!item || ui().FileListBox1->count() == 0) return QString();
  return QDir(folder_).filePath(item->text());
}

void TWinOpenZestaw::BitBtn2Click() {
  const QString path = SelectedPath();
  if (!path.isEmpty()) PreviewSet(path);
}

void TWinOpenZestaw::PreviewSet(const QString& path) {
  setfile::SetPreview preview;
  try {
    XMLZestaw.LoadFile(path.toStdString());
    ui().ListBox2->clear();
    if (!setfile::IsSetDocument(XMLZestaw)) throw xml::Error("Plik nie zawiera zestawu");
    preview = setfile::ReadSetPreview(XMLZestaw);
  } catch (const std::exception&) {
    ReadFailed("2");
    return;
  }
  QLabel* const texts[] = {ui().StaticText9,  ui().StaticText10, ui().StaticText11,
                           ui().StaticText12, ui().StaticText13, ui().StaticText14,
                           ui().StaticText15};
  for (int i = 0; i < 7; ++i) texts[i]->setText(Text(preview.info[i + 1]));
  ui().StaticText17->setText(Text(preview.info[0] + " zł"));
  ui().Opis->setPlainText(Text(preview.info[8]));
  SetEmail = Text(preview.info[4]);
  SetWebPage = Text(preview.info[5]);
  for (const std::string& device : preview.devices) ui().ListBox2->addItem(Text(device));
}

bool TWinOpenZestaw::LoadSetIntoDesign(const QString& path) {
  setfile::LoadedSet set;
  try {
    XMLZestaw.LoadFile(path.toStdString());
    ui().ListBox2->clear();
    if (!setfile::IsSetDocument(XMLZestaw)) throw xml::Error("Plik nie zawiera zestawu");
    set = setfile::ReadSet(XMLZestaw, Engine);
  } catch (const std::exception&) {
    ReadFailed("1");
    return false;
  }
  // The main window's count first: its change handler prices the collectors, which the set's
  // own price then replaces.
  if (Form1) Form1->ui().ELiczbaKolektorow->setText(Text(std::to_string(set.collectors)));
  setfile::ApplySet(set, Engine);
  QLabel* const texts[] = {ui().StaticText9, ui().StaticText10, ui().StaticText11,
                           ui().StaticText12, ui().StaticText13};
  for (int i = 0; i < 5; ++i) texts[i]->setText(Text(set.texts[i + 1]));
  ui().StaticText14->setText(Text(std::to_string(set.collectors)));
  ui().StaticText15->setText(Text(std::to_string(set.tanks)));
  ui().StaticText17->setText(Text(CurrencyText(Engine.CenaZestawu, 7, DotFormatSettings)));
  SetEmail = Text(set.texts[4]);
  SetWebPage = Text(set.texts[5]);
  for (const std::string& model : set.models) ui().ListBox2->addItem(Text(model));
  ShowInMainWindow(set);
  if (Form1) {
    // The scheme that will be computed: the design's heating with the set's tanks.
    Form1->ShowScheme(Engine.CWUCO, Engine.LiczbaZasobnikow);
    Form1->ClearResults();  // the results were those of the devices before
  }
  return true;
}

void TWinOpenZestaw::BitBtn1Click() {
  const QString path = SelectedPath();
  if (path.isEmpty()) return;
  // A set that was not read leaves the total and the picture as the design has them.
  if (!LoadSetIntoDesign(path)) return;
  if (WinKoszty) WinKoszty->ui().ESumaKoszt->setText(Text(ShortestText(Engine.CenaZestawu)));
}

void TWinOpenZestaw::BitBtn4Click() {
  const platform::Answer answer = platform::MessageBox(
      QStringLiteral("Czy na pewno chcesz usunąć\nwybrany zestaw z programu ?"),
      QStringLiteral("Pytanie"), platform::Icon::Question, platform::Buttons::YesNo);
  if (answer != platform::Answer::Yes) return;
  const QString path = SelectedPath();
  if (path.isEmpty()) return;
  if (!QFile::remove(path)) {
    platform::MessageBox(
        QString::fromUtf8("Nie udało się usunąć pliku zestawu %1.").arg(QFileInfo(path).fileName()),
        QStringLiteral("Uwaga"), platform::Icon::Warning);
    return;
  }
  delete ui().FileListBox1->takeItem(ui().FileListBox1->currentRow());
  // The list would move on to the next entry, which the user has not seen: "Akceptuj" must not
  // load it, and the set shown may be the one just deleted.
  ui().FileListBox1->setCurrentRow(-1);
  ClearShownSet(*this);
}

// "brak" stands for no address in a set file: there is nothing to open then.
static bool HasAddress(const QString& address) {
  return !address.isEmpty() && address != QStringLiteral("brak");
}

void TWinOpenZestaw::StaticText13Click() {
  if (HasAddress(SetWebPage)) platform::ShellOpen(SetWebPage);
}

void TWinOpenZestaw::StaticText12Click() {
  if (HasAddress(SetEmail)) platform::ShellOpen(QStringLiteral("mailto:") + SetEmail);
}
