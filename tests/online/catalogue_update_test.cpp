// The catalogue update against a loopback HTTP server holding the vendor's catalogues, over the
// small catalogue set (each catalogue: a vendor record id 1 and a record of the user's id 2).
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "editors/AddIzolacja.h"
#include "editors/AddPompa.h"
#include "editors/grubosci.h"
#include "main/pobieranie.h"
#include "main/pompa.h"
#include "platform/cellgrid_qt.h"
#include "vendor_server_fixture.h"
#include "xml/xmldoc.h"

namespace {

using Row = std::vector<std::string>;

// Every field text of the file, record by record, read straight from the XML.
std::vector<Row> Records(const std::string& path) {
  xml::Document document;
  document.LoadFile(path);
  const xml::Element root = document.DocumentElement();
  std::vector<Row> records(size_t(root.ChildCount()));
  for (size_t i = 0; i < records.size(); ++i) {
    const xml::Element record = root.Child(int(i));
    for (int col = 0; col < record.ChildCount(); ++col)
      records[i].push_back(record.Child(col).Text());
  }
  return records;
}

// The catalogues as the update handles them: file, server path, column count, table.
struct Served {
  const char* file;
  const char* path;
  int columns;
  CCatalogueTable CCatalogues::*table;
};
const Served kServed[] = {
    {"kolektor.xml", "/Dane/pelna/kolektor.xml", 17, &CCatalogues::CollectorCatalogue},
    {"zasobnik.xml", "/Dane/zasobnik.xml", 16, &CCatalogues::TankCatalogue},
    {"sterownik.xml", "/Dane/sterownik.xml", 15, &CCatalogues::ControllerCatalogue},
    {"pompy.xml", "/Dane/pompy.xml", 12, &CCatalogues::PumpCatalogue},
    {"naczynie.xml", "/Dane/naczynie.xml", 11, &CCatalogues::VesselCatalogue},
    {"miasta.xml", "/Dane/miasta.xml", 40, &CCatalogues::CityCatalogue},
    {"grubosci.xml", "/Dane/grubosci.xml", 6, &CCatalogues::ThicknessCatalogue},
    {"izolacja.xml", "/Dane/izolacja.xml", 9, &CCatalogues::InsulationCatalogue},
    {"paliwa1.xml", "/Dane/paliwa1.xml", 14, &CCatalogues::FuelCatalogue},
    {"konstrukcje.xml", "/Dane/konstrukcje.xml", 13, &CCatalogues::StructureCatalogue},
    {"producenci.xml", "/Dane/producenci.xml", 5, &CCatalogues::ProducerCatalogue},
};

const QString kQuestion = QString::fromUtf8(
    "Aktualizacja danych spowoduje usunięcie istniejących \n danych w bazie produktów oraz ich "
    "zastąpienie nowymi.\nCzy checesz kontynuować ?");

// The server's copy: three vendor records with ids 1, 2 and 5 (a gap, so that the largest id and
// the record count differ), each model named after the server.
QByteArray ServerCatalogue(const Served& served, int columns = 0) {
  if (columns == 0) columns = served.columns;
  std::vector<Row> records;
  for (int id : {1, 2, 5}) {
    records.push_back(catalogue_set::Record(columns, id, "1", {}));
    for (int col = 1; col < columns - 1; ++col)
      records.back()[size_t(col)] = "serwer " + std::to_string(id) + "." + std::to_string(col);
  }
  return QByteArray::fromStdString(catalogue_set::CatalogueXml("katalog", records));
}

class CatalogueUpdateTest : public VendorServerTest {
 protected:
  void SetUp() override {
    VendorServerTest::SetUp();
    for (const Served& served : kServed) server_.Route(served.path, ServerCatalogue(served));
  }
  std::string Local(const Served& served) const {
    return dir_.File(std::string("Dane/") + served.file);
  }
};

TEST_F(CatalogueUpdateTest, NothingHappensWithoutYes) {
  const std::string before = ReadFileBytes(dir_.File("Dane/kolektor.xml"));
  dialogs.ExpectBox("UWAGA !!!", kQuestion, platform::Icon::Question, platform::Buttons::YesNo,
                    platform::Answer::No);
  Form1->ui().Dane1->trigger();
  EXPECT_TRUE(server_.Requests().empty());
  EXPECT_FALSE(Form2->isVisible());
  EXPECT_EQ(ReadFileBytes(dir_.File("Dane/kolektor.xml")), before);
}

TEST_F(CatalogueUpdateTest, ReplacesEveryCatalogueAndKeepsTheUsersRowsUnderFreshIds) {
  dialogs.ExpectBox("UWAGA !!!", kQuestion, platform::Icon::Question, platform::Buttons::YesNo,
                    platform::Answer::Yes);
  const Row userThickness = Form1->ThicknessCatalogue.Rows[1];
  ASSERT_EQ(userThickness[1], "2");  // the user's own insulation kind, id 2
  Engine.CataloguesChanged = 0;

  Form1->ui().Dane1->trigger();

  std::vector<QByteArray> paths;
  for (const Served& served : kServed) paths.push_back(served.path);
  EXPECT_EQ(server_.RequestedPaths(), paths);
  for (const Served& served : kServed) {
    SCOPED_TRACE(served.file);
    const std::vector<Row> records = Records(Local(served));
    const bool fuel = served.table == &CCatalogues::FuelCatalogue;
    // The server's three records first, as sent; then the user's one, numbered past the largest
    // id (5) rather than the record count (3): a second kept row would otherwise take id 5 again.
    ASSERT_EQ(records.size(), fuel ? 3u : 4u);
    EXPECT_EQ(records[2][0], "5");
    EXPECT_EQ(records[0][1], "serwer 1.1");
    const CCatalogueTable& table = Form1->*served.table;
    EXPECT_EQ(table.RowCount, int(records.size()));
    EXPECT_EQ(table.Rows, records);
    if (fuel) continue;
    EXPECT_EQ(records[3][0], "6");
    EXPECT_EQ(records[3].back(), "0");
  }
  // The user's thickness row follows its insulation kind to the kind's new id.
  const Row thickness = Records(dir_.File("Dane/grubosci.xml"))[3];
  EXPECT_EQ(thickness, (Row{"6", "6", userThickness[2], userThickness[3], userThickness[4], "0"}));
  EXPECT_EQ(Records(dir_.File("Dane/izolacja.xml"))[3][4], "Moja izolacja");

  // What is derived from the tables follows them.
  EXPECT_EQ(Form1->DeviceCount, 7 * 4);
  ASSERT_EQ(Form1->ProducerLists.size(), 4u);
  EXPECT_EQ(Form1->ProducerLists[3][1], "Kalorynka");
  EXPECT_EQ(Engine.CataloguesChanged, 1);
  // The progress window: 120 pauses of 100 ms, the bar at 108 of 110, the button enabled.
  EXPECT_EQ(dialogs.Sleeps(), std::vector<int>(120, 100));
  EXPECT_TRUE(Form2->isVisible());
  EXPECT_EQ(Form2->ui().ProgressBar1->maximum(), 110);
  EXPECT_EQ(Form2->ui().ProgressBar1->value(), 108);
  EXPECT_TRUE(Form2->ui().BitBtn1->isEnabled());
  EXPECT_EQ(Form2->ui().StaticText1->text(), "Pobieranie zakończone sukcesem !!!");
  EXPECT_FALSE(Form2->ui().StaticText2->isVisible());
}

TEST_F(CatalogueUpdateTest, ACatalogueThatCannotServeKeepsItsOldFileAndIsNamed) {
  std::map<std::string, std::string> before;
  for (const Served& served : kServed) before[served.file] = ReadFileBytes(Local(served));
  server_.Route("/Dane/pelna/kolektor.xml", "<katalog><row><field>1</field>");
  server_.Route("/Dane/zasobnik.xml", "<?xml version=\"1.0\"?>\n<katalog>\n</katalog>\n");
  server_.Route("/Dane/sterownik.xml", ServerCatalogue(kServed[2], 14));
  server_.Route("/Dane/pompy.xml", TestHttpServer::Response{404, "brak", {}, {}, {}});
  TestHttpServer::Response cut;
  cut.body = ServerCatalogue(kServed[4]);
  cut.delivery = TestHttpServer::Delivery::CutShort;
  server_.Route("/Dane/naczynie.xml", cut);
  server_.Route("/Dane/izolacja.xml", ServerCatalogue(kServed[7], 10));
  // A flag of the user's that is no number: the rows to keep cannot be told.
  Form1->StructureCatalogue.Rows[1][12] = "x";
  const CatalogueRows oldTank = Form1->TankCatalogue.Rows;

  dialogs.ExpectBox("UWAGA !!!", kQuestion, platform::Icon::Question, platform::Buttons::YesNo,
                    platform::Answer::Yes);
  dialogs.ExpectBox(
      "Vindargast",
      QString::fromUtf8("Nie udało się zaktualizować katalogów:\n"
                        "kolektor.xml: plik jest uszkodzony\n"
                        "zasobnik.xml: plik nie zawiera żadnego rekordu\n"
                        "sterownik.xml: plik ma 14 kolumn zamiast 15\n"
                        "pompy.xml: serwer odpowiedział kodem 404\n"
                        "naczynie.xml: otrzymano ") +
          QString::number(cut.body.size() / 2) + " z " + QString::number(cut.body.size()) +
          QString::fromUtf8(" bajtów\n"
                            "grubosci.xml: zmienia się tylko razem z plikiem izolacja.xml\n"
                            "izolacja.xml: plik ma 10 kolumn zamiast 9\n"
                            "konstrukcje.xml: obecny katalog ma wiersz z błędną flagą ('x' is not "
                            "a valid integer value)\n\n"
                            "Te katalogi pozostały bez zmian."),
      platform::Icon::Warning);
  Form1->ui().Dane1->trigger();

  for (const Served& served : kServed) {
    SCOPED_TRACE(served.file);
    const std::string file = served.file;
    const bool updated = file == "miasta.xml" || file == "paliwa1.xml" || file == "producenci.xml";
    if (updated) {
      EXPECT_NE(ReadFileBytes(Local(served)), before[file]);
    } else {
      EXPECT_EQ(ReadFileBytes(Local(served)), before[file]);
    }
  }
  EXPECT_EQ(Form1->TankCatalogue.Rows, oldTank);
  EXPECT_EQ(Form1->CityCatalogue.RowCount, 4);
  // No temporary file is left in "Dane".
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path() / "Dane"),
                          std::filesystem::directory_iterator()),
            11);
  EXPECT_EQ(Form2->ui().StaticText1->text(), "Pobieranie zakończone z błędami");
  EXPECT_TRUE(Form2->ui().BitBtn1->isEnabled());
}

// The user's thickness rows name their insulation kind by id, which the update renumbers: a
// file of the two that cannot be written leaves both as they were, byte for byte, whichever of
// the two it is, and the message names both.
TEST_F(CatalogueUpdateTest, TheInsulationKindsAndTheirThicknessesAreReplacedTogetherOrNotAtAll) {
  const struct {
    const char* readOnly;
    const char* thicknessLine;
    const char* insulationLine;
  } cases[] = {
      {"izolacja.xml", "zmienia się tylko razem z plikiem izolacja.xml",
       "Nie można zapisać pliku Dane/izolacja.xml: plik jest tylko do odczytu"},
      {"grubosci.xml", "Nie można zapisać pliku Dane/grubosci.xml: plik jest tylko do odczytu",
       "zmienia się tylko razem z plikiem grubosci.xml"},
  };
  namespace fs = std::filesystem;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.readOnly);
    const std::string kinds = ReadFileBytes(dir_.File("Dane/izolacja.xml"));
    const std::string thicknesses = ReadFileBytes(dir_.File("Dane/grubosci.xml"));
    const CatalogueRows kindRows = Form1->InsulationCatalogue.Rows;
    const CatalogueRows thicknessRows = Form1->ThicknessCatalogue.Rows;
    const fs::path readOnly = dir_.path() / "Dane" / c.readOnly;
    fs::permissions(readOnly,
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    dialogs.ExpectBox("UWAGA !!!", kQuestion, platform::Icon::Question, platform::Buttons::YesNo,
                      platform::Answer::Yes);
    dialogs.ExpectBox("Vindargast",
                      QString::fromUtf8("Nie udało się zaktualizować katalogów:\ngrubosci.xml: ") +
                          QString::fromUtf8(c.thicknessLine) +
                          QString::fromUtf8("\nizolacja.xml: ") +
                          QString::fromUtf8(c.insulationLine) +
                          QString::fromUtf8("\n\nTe katalogi pozostały bez zmian."),
                      platform::Icon::Warning);
    Form1->ui().Dane1->trigger();
    fs::permissions(readOnly, fs::perms::owner_write, fs::perm_options::add);

    EXPECT_EQ(ReadFileBytes(dir_.File("Dane/izolacja.xml")), kinds);
    EXPECT_EQ(ReadFileBytes(dir_.File("Dane/grubosci.xml")), thicknesses);
    EXPECT_EQ(Form1->InsulationCatalogue.Rows, kindRows);
    EXPECT_EQ(Form1->ThicknessCatalogue.Rows, thicknessRows);
    // The others are replaced.
    EXPECT_EQ(Records(dir_.File("Dane/pompy.xml"))[0][1], "serwer 1.1");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path() / "Dane"), fs::directory_iterator()),
              11);
  }
}

TEST_F(CatalogueUpdateTest, OpenEditorsAndSelectionWindowsListTheNewFiles) {
  TWinAddPompa editor;
  TWinPompa selection;
  WinAddPompa = &editor;
  WinPompa = &selection;
  editor.show();
  selection.show();
  ASSERT_EQ(editor.ui().LstPompa->count(), 2);

  dialogs.ExpectBox("UWAGA !!!", kQuestion, platform::Icon::Question, platform::Buttons::YesNo,
                    platform::Answer::Yes);
  Form1->ui().Dane1->trigger();
  WinAddPompa = nullptr;
  WinPompa = nullptr;

  ASSERT_EQ(editor.ui().LstPompa->count(), 4);
  EXPECT_EQ(editor.ui().LstPompa->item(0)->text(), "serwer 1.2");
  EXPECT_EQ(editor.ui().LstPompa->item(3)->text(), "Moja pompa");
  EXPECT_FALSE(editor.Document.IsLoaded()) << "no tree is held between commands";
  ASSERT_EQ(selection.ui().ComboWyborPompy->count(), 4);
  EXPECT_EQ(selection.ui().ComboWyborPompy->itemText(2), "serwer 5.2");
}

// The insulation editor and the thickness window hold the kinds' ids: after the update gave the
// user's kind a new id (2 became 6, and 2 is now a vendor's kind), neither acts on the old one.
TEST_F(CatalogueUpdateTest, TheInsulationEditorAndTheThicknessWindowFollowTheNewIds) {
  const std::vector<Row> served = {{"1", "1", "22", "13", "4.5", "1"},
                                   {"2", "2", "15", "20", "5.5", "1"},
                                   {"5", "5", "28", "30", "7", "1"}};
  server_.Route("/Dane/grubosci.xml",
                QByteArray::fromStdString(catalogue_set::CatalogueXml(
                    "grubosci", served,
                    {"idPrzewodu", "idIzolacja", "srednica", "zakresGrubosci", "cena", "flaga"})));
  TWinAddIzolacja editor;
  TWinGrubosci thickness;
  WinAddIzolacja = &editor;
  WinGrubosci = &thickness;
  struct Unset {
    ~Unset() {
      WinAddIzolacja = nullptr;
      WinGrubosci = nullptr;
    }
  } unset;
  editor.show();
  thickness.show();
  // The user's kind "Moja izolacja" (id 2) shown, its 20 mm at 15 mm in grid row 3; the same kind
  // chosen in the thickness window.
  QListWidget* list = editor.ui().LstIzolacja;
  list->setCurrentRow(1);
  emit list->itemDoubleClicked(list->item(1));
  ASSERT_EQ(platform::Cell(editor.ui().GridGrubosci, 1, 3), "20");
  thickness.ui().ComboBox1->setCurrentIndex(1);
  ASSERT_EQ(thickness.ui().ComboBox1->currentText(), "Moja izolacja");

  dialogs.ExpectBox("UWAGA !!!", kQuestion, platform::Icon::Question, platform::Buttons::YesNo,
                    platform::Answer::Yes);
  Form1->ui().Dane1->trigger();
  ASSERT_EQ(Records(dir_.File("Dane/izolacja.xml"))[3][0], "6");

  // The editor lists the new file; the grid, which showed rows of the old one, is empty and free.
  ASSERT_EQ(list->count(), 4);
  EXPECT_EQ(list->item(3)->text(), "Moja izolacja");
  EXPECT_FALSE(editor.Document.IsLoaded()) << "no tree is held between commands";
  EXPECT_EQ(platform::Cell(editor.ui().GridGrubosci, 1, 3), "");
  EXPECT_EQ(editor.FreeEditing, 1);
  // The thickness window lists the kinds under their new ids, none chosen.
  ASSERT_EQ(thickness.ui().ComboBox1->count(), 4);
  EXPECT_EQ(thickness.ui().ComboBox1->currentIndex(), -1);
  EXPECT_EQ(thickness.ui().ComboBox1->currentText(), QString::fromUtf8("Wybierz izolację"));
  EXPECT_EQ(thickness.ui().ComboBox1->itemData(3).toString(), "6");

  // A thickness added for the kind names its new id.
  thickness.ui().ComboBox1->setCurrentIndex(3);
  thickness.ui().ComboBox3->setEditText("22");
  thickness.ui().ComboBox2->setEditText("25");
  thickness.ui().Edit1->setText("8");
  thickness.ui().btbDodaj->click();
  const Row userThickness = {"6", "6", "15", "20", "6", "0"};
  const Row added = {"7", "6", "22", "25", "8", "0"};
  std::vector<Row> expected = served;
  expected.push_back(userThickness);
  expected.push_back(added);
  EXPECT_EQ(Records(dir_.File("Dane/grubosci.xml")), expected);

  // The editor shows the kind from the new files, and its delete takes the kind with the thickness
  // rows of its new id, leaving the vendor's kind 2 and its row alone.
  list->setCurrentRow(3);
  emit list->itemDoubleClicked(list->item(3));
  EXPECT_EQ(platform::Cell(editor.ui().GridGrubosci, 1, 3), "20");
  EXPECT_EQ(platform::Cell(editor.ui().GridGrubosci, 1, 5), "25");
  EXPECT_EQ(platform::Cell(editor.ui().GridGrubosci, 2, 5), "8");
  dialogs.ExpectBox("Pytanie",
                    QString::fromUtf8("Czy na pewno chcesz usunąć\nwybrany sprzęt z programu ?"),
                    platform::Icon::Question, platform::Buttons::YesNo, platform::Answer::Yes);
  editor.ui().BitBtn4->click();
  const std::vector<Row> kinds = Records(dir_.File("Dane/izolacja.xml"));
  ASSERT_EQ(kinds.size(), 3u);
  EXPECT_EQ(kinds[1][0], "2");
  EXPECT_EQ(Records(dir_.File("Dane/grubosci.xml")), served);
  EXPECT_EQ(Form1->ThicknessCatalogue.Rows, served);
}

}  // namespace
