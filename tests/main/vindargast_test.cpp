// The main window's creation, first showing and quit command.
#include "main/vindargast.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "app/windows.h"
#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "platform/cellgrid_qt.h"
#include "platform/scripted_dialogs.h"
#include "platform/version.h"
#include "program_folder.h"
#include "qt_app.h"
#include "recording_dialogs.h"
#include "xml/xmldoc.h"

namespace {

const char* const kCatalogueFiles[11] = {
    "miasta.xml",   "zasobnik.xml", "kolektor.xml", "sterownik.xml",   "naczynie.xml",  "pompy.xml",
    "izolacja.xml", "grubosci.xml", "paliwa1.xml",  "konstrukcje.xml", "producenci.xml"};

QString MissingText(const char* file) {
  return QStringLiteral("Z powodu braku pliku ") + file +
         QStringLiteral(" aplikacje nie może zostać uruchomiona");
}

// The program's collector catalogue with another text in the first record's unit flow.
std::string WithFirstCollectorFlow(const std::string& text) {
  std::string bytes = ReadFileBytes(std::string(VINDARGAST_DATA) + "/Dane/kolektor.xml");
  const std::string field = "<field name=\"Jednostkowe_natezenie\">";
  const size_t start = bytes.find(field) + field.size();
  bytes.replace(start, bytes.find('<', start) - start, text);
  return bytes;
}

int RecordsIn(const std::string& path) {
  xml::Document document;
  document.LoadFile(path);
  return document.DocumentElement().ChildCount();
}

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    Engine = MakeDefaultDesign();
  }
  void TearDown() override { Engine = MakeDefaultDesign(); }

  ProgramFolder folder_;
};

TEST_F(MainWindowTest, CreationShowsVersionStartValuesAndLoadsEveryCatalogue) {
  platform::ScriptedDialogs dialogs;  // no box at all
  Engine.Izolacja = 0;
  Engine.Cyrkulacja = Engine.Basen = Engine.Przeslona = Engine.ProjectLoaded = 1;
  TForm1 form;

  EXPECT_FALSE(form.StartFailed());
  EXPECT_FALSE(form.isVisible());
  const platform::ProgramVersion& version = platform::Version();
  EXPECT_EQ(form.windowTitle(),
            QStringLiteral("Vindargast %1.%2").arg(version.Major).arg(version.Minor));
  EXPECT_EQ(Engine.VersionMajor, version.Major);
  EXPECT_EQ(Engine.VersionMinor, version.Minor);
  EXPECT_EQ(form.StatusText(0), "Gotowy");
  EXPECT_EQ(form.StatusText(1), "Vindargast 2.0");

  EXPECT_EQ(Engine.Izolacja, 1);
  EXPECT_EQ(Engine.Cyrkulacja, 0);
  EXPECT_EQ(Engine.Basen, 0);
  EXPECT_EQ(Engine.Przeslona, 0);
  EXPECT_EQ(Engine.ProjectLoaded, 0);
  EXPECT_EQ(Engine.OutdoorInsulationThickness, 32);
  EXPECT_EQ(Engine.IndoorInsulationThickness, 32);
  EXPECT_EQ(Engine.BasenOd, 5);
  EXPECT_EQ(Engine.BasenDo, 7);

  // The design defaults in the edits, each in the general 15 text.
  const struct {
    QLineEdit* edit;
    const char* text;
  } edits[] = {
      {form.ui().ETempCWU, "45"},
      {form.ui().ELiczbaOsob, "5"},
      {form.ui().EDCWU, "65"},
      {form.ui().ETempZimnaWoda, "7"},
      {form.ui().ETempZasobnika, "50"},
      {form.ui().ETempOtoczZasobnika, "22"},
      {form.ui().EBeta, "45"},
      {form.ui().EGamma, "0"},
      {form.ui().EDlugoscPrzewZew, "1"},
      {form.ui().EDlugoscPrzewWew, "8"},
      {form.ui().EHStatyczna, "4"},
      {form.ui().Edit7, "40"},
      {form.ui().Edit8, "30"},
      {form.ui().PowDomu, "150"},
      {form.ui().EnergiaDom, "120"},
      {form.ui().BasenDlugosc, "5"},
      {form.ui().BasenSzerokosc, "4"},
      {form.ui().BasenGlebokosc, "2"},
      {form.ui().ELiczbaKolektorow, "4"},
  };
  for (const auto& e : edits)
    EXPECT_EQ(e.edit->text(), e.text) << e.edit->objectName().toStdString();
  EXPECT_EQ(form.ui().ComboWspKrotnosci->currentText(), "1.5");
  EXPECT_EQ(form.ui().ComboSrednicaPrzewodu->currentText(), "18");
  EXPECT_EQ(form.ui().basenOD->currentText(), "06");
  EXPECT_EQ(form.ui().basenDO->currentText(), "08");
  EXPECT_EQ(form.ui().ComboPoraRoku->currentIndex(), 1);
  EXPECT_FALSE(form.ui().ObrazekTlo->pixmap().isNull());
  EXPECT_FALSE(form.ui().Image2->pixmap().isNull());
  EXPECT_FALSE(form.ui().Image2->isVisible());

  EXPECT_EQ(platform::Cell(form.ui().TabelaKolektorow, 1, 0), "Średnia sprawność [%]");
  EXPECT_EQ(platform::Cell(form.ui().TabelaKolektorow, 3, 0), "% pokrycia solarnego CWU");
  EXPECT_EQ(platform::Cell(form.ui().TabelaKolektorow, 0, 1), "Styczeń");
  EXPECT_EQ(platform::Cell(form.ui().TabelaKolektorow, 0, 12), "Grudzień");
  EXPECT_EQ(form.ui().TabelaKolektorow->rowHeight(0), 40);
  EXPECT_EQ(form.ui().TabelaKolektorow->columnWidth(3), 65);

  // Every table as its file holds it, with its fixed column count.
  const CCatalogueTable* tables[11] = {
      &form.CityCatalogue,       &form.TankCatalogue,      &form.CollectorCatalogue,
      &form.ControllerCatalogue, &form.VesselCatalogue,    &form.PumpCatalogue,
      &form.InsulationCatalogue, &form.ThicknessCatalogue, &form.FuelCatalogue,
      &form.StructureCatalogue,  &form.ProducerCatalogue};
  const int columns[11] = {40, 16, 17, 15, 11, 12, 9, 6, 14, 13, 5};
  int devices = 0;
  for (int i = 0; i < 11; ++i) {
    SCOPED_TRACE(kCatalogueFiles[i]);
    const int records = RecordsIn(folder_.File(std::string("Dane/") + kCatalogueFiles[i]));
    EXPECT_EQ(tables[i]->RowCount, records);
    EXPECT_EQ(tables[i]->ColumnCount, columns[i]);
    ASSERT_EQ(tables[i]->Rows.size(), static_cast<size_t>(records));
    EXPECT_EQ(tables[i]->Rows[0].size(), static_cast<size_t>(columns[i]));
    if (i >= 1 && i <= 6) devices += records;
    if (i == 9) devices += records;
  }
  EXPECT_EQ(form.DeviceCount, devices);
  EXPECT_EQ(form.ProducerLists.size(), static_cast<size_t>(form.ProducerCatalogue.RowCount));
  EXPECT_EQ(form.ProducerLists[0], form.ProducerCatalogue.Rows[0]);
  EXPECT_EQ(form.CollectorColumnNames.size(), 17u);
  EXPECT_EQ(form.CollectorColumnNames[7], "Jednostkowe_natezenie");
  EXPECT_FALSE(form.StructureColumnNames.empty());
  EXPECT_FLOAT_EQ(Engine.CollectorUnitFlow, ReadFloat(form.CollectorCatalogue.Rows[0][7]));
  EXPECT_FLOAT_EQ(Engine.CollectorUnitPressureDrop, ReadFloat(form.CollectorCatalogue.Rows[0][8]));
}

// Prices are złoty on any system: this program runs once in the C locale and once in Polish, and
// both show "zł" before the amount with the Polish thousands separator (the C locale's own would
// give no symbol and ",", which reads as a decimal comma in Polish).
TEST_F(MainWindowTest, MoneyIsShownInZlotyWhateverTheSystemLanguage) {
  platform::ScriptedDialogs dialogs;
  TForm1 form;
  const QString grouping = QLocale(QLocale::Polish, QLocale::Poland).groupSeparator();
  EXPECT_EQ(QString::fromStdString(DotFormatSettings.symbol), QString::fromUtf8("zł"));
  EXPECT_EQ(QString::fromStdString(DotFormatSettings.thousandsSeparator), grouping);
  EXPECT_EQ(QString::fromStdString(CurrencyText(12345.5, 7, DotFormatSettings)),
            QString::fromUtf8("zł 12") + grouping + QStringLiteral("345.50"));
}

// The heating temperatures' unit "[  C]" takes its degree sign from a small "o" of its own: the
// sign stands in the blanks between "[" and "C", clear of both.
TEST_F(MainWindowTest, DegreeSignOfTheHeatingTemperaturesStandsBetweenBracketAndC) {
  platform::ScriptedDialogs dialogs;
  TForm1 form;
  const struct {
    QLabel* unit;
    QLabel* degree;
  } pairs[] = {{form.ui().Label30, form.ui().Label33}, {form.ui().Label31, form.ui().Label34}};
  for (const auto& pair : pairs) {
    SCOPED_TRACE(pair.unit->objectName().toStdString());
    ASSERT_EQ(pair.unit->text(), "[  C]");
    ASSERT_EQ(pair.degree->text(), "o");
    const QFontMetrics unit(pair.unit->font());
    const int textLeft = pair.unit->x() + pair.unit->contentsRect().x();
    const QRect degree = QFontMetrics(pair.degree->font())
                             .boundingRect("o")
                             .translated(pair.degree->x() + pair.degree->contentsRect().x(), 0);
    // Ink against ink: the bracket's right edge and the C's left edge.
    EXPECT_GT(degree.left(), textLeft + unit.boundingRect(QChar('[')).right());
    EXPECT_LT(degree.right(), textLeft + unit.horizontalAdvance("[  ") + unit.leftBearing('C'));
    EXPECT_LE(degree.right(), pair.degree->geometry().right());
  }
}

TEST_F(MainWindowTest, CreationDeletesTheExecutableLeftByAnUpdate) {
  platform::ScriptedDialogs dialogs;
  const QString old = QCoreApplication::applicationDirPath() + "/Vindargast_old.dat";
  {
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old program");
  }
  TForm1 form;
  EXPECT_FALSE(QFile::exists(old));
}

TEST_F(MainWindowTest, EachMissingCatalogueIsReportedAndEndsTheStart) {
  for (const char* file : kCatalogueFiles) {
    SCOPED_TRACE(file);
    ProgramFolder folder;
    folder.Remove(std::string("Dane/") + file);
    platform::ScriptedDialogs dialogs;
    dialogs.ExpectBox("Błąd", MissingText(file), platform::Icon::Stop);
    TForm1 form;
    EXPECT_TRUE(form.StartFailed());
    EXPECT_FALSE(form.isVisible());
  }
}

TEST_F(MainWindowTest, AllElevenMissingGiveElevenMessagesInLoadingOrder) {
  platform::ScriptedDialogs dialogs;
  for (const char* file : kCatalogueFiles) {
    folder_.Remove(std::string("Dane/") + file);
    dialogs.ExpectBox("Błąd", MissingText(file), platform::Icon::Stop);
  }
  TForm1 form;
  EXPECT_TRUE(form.StartFailed());
}

// A catalogue that exists but cannot be used ends the start as a missing one does, with a message
// that names the file, instead of leaving the later windows an empty table.
TEST_F(MainWindowTest, UnusableCatalogueEndsTheStartNamingTheFile) {
  const struct {
    const char* name;
    const char* file;
    std::string bytes;
  } cases[] = {
      {"not XML", "kolektor.xml", "<kolektory><row><field name=\"ID\">1</field>"},
      {"no records", "pompy.xml", "<?xml version=\"1.0\"?>\n<pompy/>\n"},
      {"collector flow not a number", "kolektor.xml", WithFirstCollectorFlow("osiemdziesiąt")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramFolder folder;
    folder.Write(std::string("Dane/") + c.file, c.bytes);
    RecordingDialogs dialogs;  // the reason comes from the XML layer
    TForm1 form;
    EXPECT_TRUE(form.StartFailed());
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "Błąd");
    EXPECT_EQ(dialogs.boxes[0].icon, platform::Icon::Stop);
    EXPECT_TRUE(dialogs.boxes[0].text.contains(c.file)) << dialogs.boxes[0].text.toStdString();
    // The other catalogues are loaded all the same: only the broken one is reported.
    EXPECT_GT(form.CityCatalogue.RowCount, 0);
    EXPECT_GT(form.ProducerCatalogue.RowCount, 0);
  }
}

TEST_F(MainWindowTest, MissingStartPictureEndsTheStartAfterTheCatalogueMessages) {
  folder_.Remove("Grafika/CWU-1zasobnik.bmp");
  folder_.Remove("Dane/paliwa1.xml");
  platform::ScriptedDialogs dialogs;
  dialogs.ExpectBox("Błąd",
                    "Z powodu braku pliku CWU-1zasobnik.bmp aplikacja nie może zostać uruchomiona",
                    platform::Icon::Stop);
  dialogs.ExpectBox("Błąd", MissingText("paliwa1.xml"), platform::Icon::Stop);
  TForm1 form;
  EXPECT_TRUE(form.StartFailed());
}

TEST_F(MainWindowTest, FirstShowingWithoutDefaultsReportsItAndKeepsTheDefaults) {
  platform::ScriptedDialogs dialogs;
  TForm1 form;
  dialogs.ExpectPlain("Błąd wczytywania pliku z danymi domyślnymi");
  form.show();
  // The first showing reads the defaults once the window is on the screen.
  QTRY_COMPARE(dialogs.Pending(), size_t{0});
  EXPECT_EQ(form.ui().ETempCWU->text(), "45");
  EXPECT_EQ(form.ui().ComboWspKrotnosci->currentText(), "1.5");
  EXPECT_EQ(form.ui().ComboSrednicaPrzewodu->currentText(), "18");
  EXPECT_EQ(form.ui().basenOD->currentText(), "06");
  EXPECT_EQ(form.ui().basenDO->currentText(), "08");
  form.hide();
}

TEST_F(MainWindowTest, FirstShowingTakesTheDefaultSettingsIntoTheInputs) {
  platform::ScriptedDialogs dialogs;  // no box: the file is read
  TForm1 form;
  // The project file's fuel section is checked against the main window's catalogue.
  struct Instance {
    explicit Instance(TForm1* form) { Form1 = form; }
    ~Instance() { Form1 = nullptr; }
  } instance(&form);
  const CVindargast2 started = Engine;
  Engine.TemperaturaCieplejWody = 55;
  Engine.LiczbaOsob = 12;
  Engine.KatBeta = 30.5f;
  ASSERT_GT(Engine.WriteProjectFile("default.xml"), 0);
  Engine = started;

  EXPECT_EQ(form.ui().ETempCWU->text(), "45");
  form.show();
  QTRY_COMPARE(form.ui().ETempCWU->text(), QString("55"));
  EXPECT_EQ(form.ui().ELiczbaOsob->text(), "12");
  EXPECT_EQ(form.ui().EBeta->text(), "30.5");
  EXPECT_FLOAT_EQ(Engine.TemperaturaCieplejWody, 55);
  form.hide();
}

// The menu's commands on whole designs reach the project commands; cancelled, they change nothing.
TEST_F(MainWindowTest, ProjectMenuCommandsAskForTheirFile) {
  platform::ScriptedDialogs dialogs;
  TForm1 form;
  dialogs.ExpectOpenFile(std::nullopt);
  form.ui().Otowrz->trigger();
  dialogs.ExpectSaveFile(std::nullopt);
  form.ui().Zapisz1->trigger();
  dialogs.ExpectBox("Uwaga", "Czy jesteś pewien, że chcesz zmienić zapisane dane? ",
                    platform::Icon::Question, platform::Buttons::YesNo, platform::Answer::No);
  form.ui().Przywrustawianiadomylne1->trigger();
  EXPECT_EQ(form.StatusText(0), "Gotowy");
  EXPECT_EQ(form.ui().Otowrz->shortcut(), QKeySequence("Ctrl+O"));
  EXPECT_EQ(form.ui().Zapisz1->shortcut(), QKeySequence("Ctrl+S"));

  form.ui().Zapiszustawieniajakodomylne1->trigger();
  EXPECT_TRUE(QFile::exists("default.xml"));
}

TEST_F(MainWindowTest, QuitAsksAndClosesOnlyOnYes) {
  platform::ScriptedDialogs dialogs;
  TForm1 form;
  dialogs.ExpectPlain("Błąd wczytywania pliku z danymi domyślnymi");
  form.show();
  QTRY_COMPARE(dialogs.Pending(), size_t{0});
  const QString question = "Czy na pewno chcesz zakończyć pracę programu ?";

  dialogs.ExpectBox("Pytanie", question, platform::Icon::Question, platform::Buttons::YesNo,
                    platform::Answer::No);
  form.ui().Koniec1->trigger();
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.ui().ETempCWU->text(), "45");

  // Ctrl+E asks the same question.
  EXPECT_EQ(form.ui().Koniec1->shortcut(), QKeySequence("Ctrl+E"));
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  dialogs.ExpectBox("Pytanie", question, platform::Icon::Question, platform::Buttons::YesNo,
                    platform::Answer::No);
  QTest::keyClick(&form, Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(dialogs.Pending(), 0u);
  EXPECT_TRUE(form.isVisible());

  dialogs.ExpectBox("Pytanie", question, platform::Icon::Question, platform::Buttons::YesNo,
                    platform::Answer::Yes);
  form.ui().Koniec1->trigger();
  EXPECT_FALSE(form.isVisible());
}

// The main window ends the run loop when it closes, although another window is still open and the
// application does not end with its last window.
TEST_F(MainWindowTest, ClosingTheMainWindowEndsTheProgramWithAModelessWindowOpen) {
  QApplication& app = EnsureApplication();
  const bool quitOnLast = app.quitOnLastWindowClosed();
  app.setQuitOnLastWindowClosed(false);
  platform::ScriptedDialogs dialogs;
  TForm1 form;
  dialogs.ExpectPlain("Błąd wczytywania pliku z danymi domyślnymi");
  form.show();
  QTRY_COMPARE(dialogs.Pending(), size_t{0});
  QWidget modeless;
  modeless.show();
  QTimer::singleShot(0, &form, [&form] { form.close(); });
  QTimer::singleShot(5000, &app, [] { QCoreApplication::exit(1); });  // the loop did not end
  EXPECT_EQ(app.exec(), 0);
  EXPECT_FALSE(form.isVisible());
  app.setQuitOnLastWindowClosed(quitOnLast);
}

}  // namespace
