// The catalogue update: the eleven catalogue files from the vendor's server, with the rows the
// user added appended again. Every file is checked before it replaces the local one: it must
// parse, hold at least one record and have the local table's columns; a catalogue that fails
// keeps its file and table as they were and is named in the final message.
#include <QApplication>
#include <QFile>
#include <QProgressBar>
#include <QTemporaryDir>
#include <algorithm>
#include <exception>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/windows.h"
#include "editors/AddIzolacja.h"
#include "editors/AddKolektor.h"
#include "editors/AddKonstrukcja.h"
#include "editors/AddLokalizacja.h"
#include "editors/AddNaczynie.h"
#include "editors/AddPompa.h"
#include "editors/AddProducent.h"
#include "editors/AddSterownik.h"
#include "editors/AddZasobnik.h"
#include "editors/grubosci.h"
#include "editors/paired_files.h"
#include "engine/catalogue.h"
#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "main/izolacja.h"
#include "main/kolektor.h"
#include "main/naczynie.h"
#include "main/pobieranie.h"
#include "main/pompa.h"
#include "main/sterownik.h"
#include "main/vindargast.h"
#include "main/zasobnik.h"
#include "online/web_download.h"
#include "platform/message_box.h"
#include "platform/system.h"

namespace {

// One catalogue of the update, in the order handled. The pause steps drive the progress bar
// (0 to 110) after a file arrived.
struct UpdatedCatalogue {
  const char* file;  // in "Dane"
  const char* serverPath;
  CCatalogueTable CCatalogues::*table;
  bool keepsUserRows;
  int firstStep;
  int lastStep;
};

const UpdatedCatalogue kCatalogues[] = {
    {"kolektor.xml", "/Dane/pelna/kolektor.xml", &CCatalogues::CollectorCatalogue, true, 0, 9},
    {"zasobnik.xml", "/Dane/zasobnik.xml", &CCatalogues::TankCatalogue, true, 10, 19},
    {"sterownik.xml", "/Dane/sterownik.xml", &CCatalogues::ControllerCatalogue, true, 20, 29},
    {"pompy.xml", "/Dane/pompy.xml", &CCatalogues::PumpCatalogue, true, 30, 39},
    {"naczynie.xml", "/Dane/naczynie.xml", &CCatalogues::VesselCatalogue, true, 40, 49},
    {"miasta.xml", "/Dane/miasta.xml", &CCatalogues::CityCatalogue, true, 50, 59},
    {"grubosci.xml", "/Dane/grubosci.xml", &CCatalogues::ThicknessCatalogue, true, 60, 69},
    {"izolacja.xml", "/Dane/izolacja.xml", &CCatalogues::InsulationCatalogue, true, 70, 79},
    {"paliwa1.xml", "/Dane/paliwa1.xml", &CCatalogues::FuelCatalogue, false, 80, 89},
    {"konstrukcje.xml", "/Dane/konstrukcje.xml", &CCatalogues::StructureCatalogue, true, 90, 99},
    {"producenci.xml", "/Dane/producenci.xml", &CCatalogues::ProducerCatalogue, true, 100, 119},
};
constexpr int kCatalogueCount = int(std::size(kCatalogues));
constexpr int kThickness = 6;
constexpr int kInsulation = 7;
// The thickness rows' column holding their insulation kind's id.
constexpr size_t kThicknessKindColumn = 1;

// A catalogue on its way: the downloaded file in a staging folder, extended by the kept rows and
// read back into a table; or why it cannot replace the local one.
struct Staged {
  QString path;
  CCatalogueTable table;
  std::vector<std::string> columnNames;
  QString failure;
  bool Usable() const { return failure.isEmpty(); }
};

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

std::string LocalPath(const UpdatedCatalogue& catalogue) {
  return std::string("Dane/") + catalogue.file;
}

std::vector<std::string> CCatalogues::*ColumnNamesOf(const UpdatedCatalogue& catalogue) {
  for (const CCatalogues::Entry& entry : CCatalogues::Files)
    if (entry.table == catalogue.table) return entry.columnNames;
  return nullptr;
}

// Lets the windows repaint without taking the user's input, so no other command starts halfway.
void Repaint() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void SetLine(const QString& text) {
  Form2->ui().StaticText1->setText(text);
  Repaint();
}

void Pause(const UpdatedCatalogue& catalogue) {
  for (int step = catalogue.firstStep; step <= catalogue.lastStep; ++step) {
    Repaint();
    Form2->ui().ProgressBar1->setValue(step * 100 / 110);
    platform::Sleep(100);
  }
}

// The downloaded file, checked and extended by the user's rows of the current table. Thickness
// rows that belong to one of the user's insulation kinds follow its new id (kindIds: old id to
// new one, filled when the insulation kinds are staged). Throws with a Polish reason.
void StageCatalogue(const UpdatedCatalogue& catalogue, const CCatalogueTable& current,
                    std::map<std::string, std::string>& kindIds, Staged& staged) {
  const std::string path = staged.path.toStdString();
  xml::Document document;
  CCatalogueTable fresh(current.ColumnCount);
  try {
    LoadCatalogueTable(document, fresh, path);
    // The table read keeps no tree; the field count of the first record is taken from one.
    document.LoadFile(path);
  } catch (const std::exception&) {
    throw std::runtime_error("plik jest uszkodzony");
  }
  if (fresh.RowCount < 1) throw std::runtime_error("plik nie zawiera żadnego rekordu");
  const int columns = document.DocumentElement().Child(0).ChildCount();
  if (columns != current.ColumnCount) {
    throw std::runtime_error("plik ma " + std::to_string(columns) + " kolumn zamiast " +
                             std::to_string(current.ColumnCount));
  }

  if (catalogue.keepsUserRows) {
    const int32_t flagColumn = current.ColumnCount - 1;
    CatalogueRows kept;
    int32_t count = 0;
    try {
      count = CountUserRows(current.Rows, current.RowCount, flagColumn);
      kept.assign(size_t(count), std::vector<std::string>(size_t(current.ColumnCount)));
      CopyUserRows(current.Rows, kept, count, current.RowCount, current.ColumnCount, flagColumn);
    } catch (const NumberConversionError& error) {
      throw std::runtime_error(std::string("obecny katalog ma wiersz z błędną flagą (") +
                               error.what() + ")");
    }
    const bool thickness = catalogue.table == &CCatalogues::ThicknessCatalogue;
    std::vector<std::string> oldIds;
    for (std::vector<std::string>& row : kept) {
      oldIds.push_back(row[0]);
      if (!thickness) continue;
      const auto moved = kindIds.find(row[kThicknessKindColumn]);
      if (moved != kindIds.end()) row[kThicknessKindColumn] = moved->second;
    }
    if (count > 0) AppendCatalogueRows(document, path, kept, count);
    // AppendCatalogueRows wrote each kept row's new id into it.
    if (catalogue.table == &CCatalogues::InsulationCatalogue)
      for (size_t j = 0; j < kept.size(); ++j) kindIds[oldIds[j]] = kept[j][0];
    LoadCatalogueTable(document, fresh, path);
  }
  staged.table = std::move(fresh);
  if (ColumnNamesOf(catalogue)) {
    document.SetFileName(path);
    ReadCatalogueColumnNames(document, staged.columnNames);
  }
}

QByteArray ReadBytes(const QString& path, bool& ok) {
  QFile file(path);
  ok = file.open(QIODevice::ReadOnly);
  QByteArray bytes = ok ? file.readAll() : QByteArray();
  ok = ok && file.error() == QFileDevice::NoError;
  return bytes;
}

std::string Bytes(const QByteArray& bytes) {
  return std::string(bytes.constData(), size_t(bytes.size()));
}

// Puts the staged files of the catalogues in place of the local ones, all of them or none: a
// failed write gives the files already replaced their bytes back. Returns -1, or the catalogue
// whose file could not be read or written with the reason.
int ReplaceTogether(const std::vector<Staged>& staged, const std::vector<int>& together,
                    QString& reason) {
  std::vector<editors::FileReplacement> files;
  for (int i : together) {
    bool ok = false;
    const QByteArray after = ReadBytes(staged[size_t(i)].path, ok);
    if (!ok) {
      reason = QStringLiteral("nie można odczytać pobranego pliku");
      return i;
    }
    const std::string local = LocalPath(kCatalogues[i]);
    std::string before;
    // A single file has nothing to restore; every one of a pair must be restorable.
    if (together.size() > 1) {
      before = Bytes(ReadBytes(Text(local), ok));
      if (!ok) {
        reason = QStringLiteral("nie można odczytać obecnego pliku");
        return i;
      }
    }
    files.push_back({local, std::move(before), Bytes(after)});
  }
  size_t failed = 0;
  try {
    editors::ReplaceFilesTogether(files, &failed);
  } catch (const std::exception& error) {
    reason = QString::fromUtf8(error.what());
    return together[failed];
  }
  return -1;
}

// What was derived from the tables, and every window that shows a table or holds a copy of a
// file, follows the new files.
void RefreshAfterUpdate(TForm1& form) {
  form.ComputeDeviceCount();
  form.BuildProducerLists();
  Engine.CataloguesChanged = 1;
  const std::initializer_list<TSelectionWindow*> selections = {
      WinKolektor, WinZasobnik, WinSterownik, WinIzolacja, WinNaczynie, WinPompa};
  for (TSelectionWindow* window : selections)
    if (window) window->CataloguesReplaced();
  const std::initializer_list<CatalogueEditorFrame*> editors = {
      WinAddZasobnik, WinAddKolektor, WinAddSterownik,   WinAddNaczynie, WinAddPompa,
      WinAddIzolacja, WinAddMiasta,   WinAddKonstrukcja, WinAddProducent};
  for (CatalogueEditorFrame* editor : editors)
    if (editor) editor->FileReplaced();
  if (WinGrubosci) WinGrubosci->FileReplaced();
}

}  // namespace

void TForm1::Dane1Click() {
  if (platform::MessageBox(
          QStringLiteral("Aktualizacja danych spowoduje usunięcie istniejących \n danych w bazie "
                         "produktów oraz ich zastąpienie nowymi.\nCzy checesz kontynuować ?"),
          QStringLiteral("UWAGA !!!"), platform::Icon::Question,
          platform::Buttons::YesNo) != platform::Answer::Yes)
    return;

  Form2->show();
  Form2->ui().StaticText2->hide();
  Form2->ui().StaticText3->hide();
  Form2->ui().Label1->hide();
  Form2->ui().ProgressBar1->setMaximum(110);
  Form2->ui().ProgressBar1->setValue(0);
  Form2->ui().BitBtn1->setEnabled(false);
  SetLine(QStringLiteral("Pobieranie pliku kolektor.xml"));

  std::vector<Staged> staged(kCatalogueCount);
  QTemporaryDir staging;
  const QString address = ServerAddress();
  for (int i = 0; i < kCatalogueCount; ++i) {
    const UpdatedCatalogue& catalogue = kCatalogues[i];
    if (catalogue.table == &CCatalogues::TankCatalogue)
      SetLine(QStringLiteral("Pobieranie pliku zasobnik.xml"));
    const online::FetchResult fetched =
        online::Fetch(address + QString::fromLatin1(catalogue.serverPath));
    staged[i].path = staging.filePath(QString::fromLatin1(catalogue.file));
    if (!fetched.ok) {
      staged[i].failure = fetched.reason;
      continue;
    }
    QFile file(staged[i].path);
    if (!staging.isValid() || !file.open(QIODevice::WriteOnly) ||
        file.write(fetched.body) != fetched.body.size() || !file.flush()) {
      staged[i].failure =
          QStringLiteral("nie można zapisać pobranego pliku w folderze tymczasowym");
      continue;
    }
    file.close();
    SetLine(QStringLiteral("Pobrano plik ") + QString::fromLatin1(catalogue.file));
    Pause(catalogue);
  }

  // The insulation kinds first: the thickness rows the user added follow their kinds' new ids.
  int order[kCatalogueCount];
  for (int i = 0; i < kCatalogueCount; ++i) order[i] = i;
  std::swap(order[kThickness], order[kInsulation]);
  std::map<std::string, std::string> kindIds;
  for (int i : order) {
    if (!staged[i].Usable()) continue;
    try {
      StageCatalogue(kCatalogues[i], this->*kCatalogues[i].table, kindIds, staged[i]);
    } catch (const std::exception& error) {
      staged[i].failure = QString::fromUtf8(error.what());
    }
  }
  // Thickness rows name their insulation kinds by id: the two files change together or not at
  // all.
  for (const auto& [one, other] : {std::pair{kThickness, kInsulation}, {kInsulation, kThickness}}) {
    if (staged[one].Usable() && !staged[other].Usable()) {
      staged[one].failure = QStringLiteral("zmienia się tylko razem z plikiem ") +
                            QString::fromLatin1(kCatalogues[other].file);
    }
  }

  bool replaced = false;
  for (int i : order) {
    // The thickness file is written with its insulation kinds.
    if (!staged[i].Usable() || i == kThickness) continue;
    std::vector<int> together = {i};
    if (i == kInsulation) together.push_back(kThickness);
    QString failure;
    const int failed = ReplaceTogether(staged, together, failure);
    if (failed >= 0) {
      for (int j : together) {
        staged[j].failure = j == failed ? failure
                                        : QStringLiteral("zmienia się tylko razem z plikiem ") +
                                              QString::fromLatin1(kCatalogues[failed].file);
      }
      continue;
    }
    for (int j : together) {
      this->*kCatalogues[j].table = std::move(staged[j].table);
      if (std::vector<std::string> CCatalogues::*names = ColumnNamesOf(kCatalogues[j]))
        this->*names = staged[j].columnNames;
    }
    replaced = true;
  }
  if (replaced) RefreshAfterUpdate(*this);

  Form2->ui().BitBtn1->setEnabled(true);
  QString failures;
  for (int i = 0; i < kCatalogueCount; ++i) {
    if (!staged[i].Usable())
      failures += QStringLiteral("\n%1: %2")
                      .arg(QString::fromLatin1(kCatalogues[i].file), staged[i].failure);
  }
  if (failures.isEmpty()) {
    SetLine(QStringLiteral("Pobieranie zakończone sukcesem !!!"));
    return;
  }
  SetLine(QStringLiteral("Pobieranie zakończone z błędami"));
  platform::MessageBox(QStringLiteral("Nie udało się zaktualizować katalogów:") + failures +
                           QStringLiteral("\n\nTe katalogi pozostały bez zmian."),
                       QString::fromLatin1(platform::kApplicationTitle), platform::Icon::Warning);
}
