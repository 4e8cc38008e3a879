// The insulation editor: a kind of insulation with its thickness rows, added, shown in the grid,
// changed with the grid written back, and deleted together with its thickness rows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <string>
#include <vector>

#include "catalogue_records.h"
#include "catalogue_set.h"
#include "editors/AddIzolacja.h"
#include "editors/grubosci.h"
#include "file_size_limit.h"
#include "platform/cellgrid_qt.h"
#include "recording_dialogs.h"
#include "xml/xmldoc.h"

namespace {

using catalogue_records::Bytes;
using catalogue_records::Records;
using catalogue_records::Row;

const std::vector<std::string> kInsulationNames = {
    "idIzolacja", "nazwaProducenta", "wspPrzenikaniaCiepla", "material",
    "symbol",     "dopTempPracy",    "strona_www",           "opis",
    "flaga"};
const std::vector<std::string> kThicknessNames = {"idPrzewodu",     "idIzolacja", "srednica",
                                                  "zakresGrubosci", "cena",       "flaga"};

// Three kinds: the vendor's (id 1) and two of the user's (ids 4 and 7), whose thickness rows lie
// interleaved in the thickness file, some in an order other than the grid's.
const std::vector<Row> kKinds = {
    {"1", "Promienny Dom", "0.035", "kauczuk", "Kauflex 13", "105", "brak", "brak", "1"},
    {"4", "Kalorynka", "0.04", "pianka PE", "Otulina K", "95", "https://k.example", "miękka", "0"},
    {"7", "Kalorynka", "0.038", "wełna", "Otulina W", "250", "brak", "brak", "0"},
};
const std::vector<Row> kThicknesses = {
    {"1", "1", "22", "13", "4.5", "1"},  //
    {"2", "4", "15", "20", "6", "0"},    // kind 4, 15 mm: grid row 3, pair 0
    {"3", "4", "10", "13", "3.2", "0"},  // kind 4, 10 mm: grid row 1, pair 0
    {"4", "7", "10", "19", "5", "0"},    //
    {"5", "4", "15", "25", "7.5", "0"},  // kind 4, 15 mm: grid row 3, pair 1
    {"6", "4", "16", "30", "9", "0"},    // kind 4, a diameter the grid has no row for
    {"7", "7", "35", "40", "12", "0"},   //
};

class InsulationEditorTest : public CatalogueSetTest {
 protected:
  void SetUp() override {
    CatalogueSetTest::SetUp();
    WriteCatalogues(kKinds, kThicknesses);
  }

  // Replaces both files and brings the main window's tables up to date with them.
  void WriteCatalogues(const std::vector<Row>& kinds, const std::vector<Row>& thicknesses) {
    dir_.Write("Dane/izolacja.xml",
               catalogue_set::CatalogueXml("izolacja", kinds, kInsulationNames));
    dir_.Write("Dane/grubosci.xml",
               catalogue_set::CatalogueXml("grubosci", thicknesses, kThicknessNames));
    xml::Document scratch;
    LoadCatalogueTable(scratch, Form1->InsulationCatalogue, "Dane/izolacja.xml");
    LoadCatalogueTable(scratch, Form1->ThicknessCatalogue, "Dane/grubosci.xml");
    Form1->ComputeDeviceCount();
  }

  static void FillKind(TWinAddIzolacja& editor) {
    editor.ui().ComboBox1->setEditText("Kalorynka");
    editor.ui().Edit2->setText("0.036");
    editor.ui().Edit3->setText("kauczuk");
    editor.ui().Edit4->setText(QString::fromUtf8("Otulina Ż"));
    editor.ui().Edit5->setText("110");
  }

  // Double-clicks the list entry, as the user shows a kind.
  static void ShowKind(TWinAddIzolacja& editor, int index) {
    QListWidget* list = editor.ui().LstIzolacja;
    list->setCurrentRow(index);
    emit list->itemDoubleClicked(list->item(index));
  }

  static QString Cell(TWinAddIzolacja& editor, int col, int row) {
    return platform::Cell(editor.ui().GridGrubosci, col, row);
  }

  std::string File(const char* name) const { return dir_.File(name); }
};

// The thickness window that "Dodaj grubości" opens, installed as the program's for one test.
struct ThicknessWindowInstalled {
  TWinGrubosci window;
  ThicknessWindowInstalled() { WinGrubosci = &window; }
  ~ThicknessWindowInstalled() { WinGrubosci = nullptr; }
};

const QString kMissing =
    QString::fromUtf8("Nie wypełniono wszystkich pól.\nProszę uzupełnić brakujące pola");

// ---------------------------------------------------------------- add

TEST_F(InsulationEditorTest, AddWritesTheKindWithItsOwnFieldNamesAndIgnoresTheGrid) {
  TWinAddIzolacja editor;
  const std::string thicknessBefore = Bytes(File("Dane/grubosci.xml"));
  const int devices = Form1->DeviceCount;
  Engine.CataloguesChanged = 0;
  FillKind(editor);
  platform::SetCell(editor.ui().GridGrubosci, 1, 1, "13");  // typed in, but not the add's business
  platform::SetCell(editor.ui().GridGrubosci, 2, 1, "4");

  editor.ui().BitBtn1->click();

  const Row expected = {"8",   "Kalorynka", "0.036", "kauczuk", "Otulina Ż",
                        "110", "brak",      "brak",  "0"};
  xml::Document written;
  written.LoadFile(File("Dane/izolacja.xml"));
  const std::vector<xml::Element> records = written.DocumentElement().Children();
  ASSERT_EQ(records.size(), 4u);
  for (size_t i = 0; i < kInsulationNames.size(); ++i) {
    EXPECT_EQ(records[3].Child(int(i)).Attribute("name"), kInsulationNames[i]);
    EXPECT_EQ(records[3].Child(int(i)).Text(), expected[i]);
  }
  // The new record stands on lines of its own, one tab per level.
  EXPECT_NE(Bytes(File("Dane/izolacja.xml"))
                .find("\n\t<row>\n\t\t<field name=\"idIzolacja\">8</field>\n"),
            std::string::npos);
  EXPECT_EQ(Bytes(File("Dane/grubosci.xml")), thicknessBefore);

  const CCatalogueTable& table = Form1->InsulationCatalogue;
  ASSERT_EQ(table.RowCount, 4);
  EXPECT_EQ(table.Rows[3], expected);
  EXPECT_EQ(Form1->DeviceCount, devices + 1);
  EXPECT_EQ(Engine.CataloguesChanged, 1);
  ASSERT_EQ(editor.ui().LstIzolacja->count(), 4);
  EXPECT_EQ(editor.ui().LstIzolacja->item(3)->text(), QString::fromUtf8("Otulina Ż"));
  EXPECT_FALSE(editor.Document.IsLoaded()) << "no tree is held between commands";
  EXPECT_TRUE(editor.RowBuffer.empty());

  // The fields keep their texts: a second add gives the same kind with the following id.
  editor.ui().BitBtn1->click();
  EXPECT_EQ(Records(File("Dane/izolacja.xml")).back()[0], "9");
}

// An empty catalogue is no obstacle: the names are the window's own and the first id is 1.
TEST_F(InsulationEditorTest, AddIntoAnEmptyCatalogueStartsAtOne) {
  WriteCatalogues({}, kThicknesses);
  TWinAddIzolacja editor;
  FillKind(editor);
  editor.ui().BitBtn1->click();
  const std::vector<Row> records = Records(File("Dane/izolacja.xml"));
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0][0], "1");
}

TEST_F(InsulationEditorTest, AddIsRefusedWhenNoIdIsLeft) {
  std::vector<Row> kinds = kKinds;
  kinds[2][0] = "2147483647";
  WriteCatalogues(kinds, kThicknesses);
  const std::string before = Bytes(File("Dane/izolacja.xml"));
  TWinAddIzolacja editor;
  FillKind(editor);
  dialogs.ExpectBox("Uwaga",
                    QString::fromUtf8("Nie można dodać nowego rekordu: w pliku izolacja.xml "
                                      "wyczerpano numery identyfikatorów."),
                    platform::Icon::Warning);
  editor.ui().BitBtn1->click();
  EXPECT_EQ(Bytes(File("Dane/izolacja.xml")), before);
  EXPECT_TRUE(editor.RowBuffer.empty());
}

TEST_F(InsulationEditorTest, AddIsRefusedForAMissingFieldOrAValueThatIsNoNumber) {
  const QString lambda = QString::fromUtf8("Współczynnik przenikania ciepła");
  const QString temperature = QString::fromUtf8("Dopuszczalna temperatura pracy");
  struct Case {
    const char* name;
    void (*spoil)(TWinAddIzolacja&);
    QString message;
  } cases[] = {
      {"producer", [](TWinAddIzolacja& e) { e.ui().ComboBox1->setEditText(""); }, kMissing},
      {"lambda", [](TWinAddIzolacja& e) { e.ui().Edit2->clear(); }, kMissing},
      {"material", [](TWinAddIzolacja& e) { e.ui().Edit3->clear(); }, kMissing},
      {"symbol", [](TWinAddIzolacja& e) { e.ui().Edit4->clear(); }, kMissing},
      {"temperature", [](TWinAddIzolacja& e) { e.ui().Edit5->clear(); }, kMissing},
      {"lambda 1.2.3", [](TWinAddIzolacja& e) { e.ui().Edit2->setText("1.2.3"); },
       QString::fromUtf8("Wartość „1.2.3” w polu „%1” nie jest liczbą.\nProszę wprowadzić "
                         "poprawną wartość")
           .arg(lambda)},
      {"temperature .", [](TWinAddIzolacja& e) { e.ui().Edit5->setText("."); },
       QString::fromUtf8("Wartość „.” w polu „%1” nie jest liczbą.\nProszę wprowadzić poprawną "
                         "wartość")
           .arg(temperature)},
  };
  const std::string before = Bytes(File("Dane/izolacja.xml"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TWinAddIzolacja editor;
    FillKind(editor);
    c.spoil(editor);
    dialogs.ExpectBox(QString::fromUtf8("Ostrzeżenie"), c.message, platform::Icon::Warning);
    editor.ui().BitBtn1->click();
    EXPECT_EQ(Bytes(File("Dane/izolacja.xml")), before);
    EXPECT_EQ(Form1->InsulationCatalogue.RowCount, 3);
    EXPECT_TRUE(editor.RowBuffer.empty());
  }
}

// ---------------------------------------------------------------- show

TEST_F(InsulationEditorTest, ShowPutsEachThicknessInItsDiametersRowInFileOrder) {
  TWinAddIzolacja editor;
  ShowKind(editor, 1);

  EXPECT_EQ(editor.ui().ComboBox1->currentText(), "Kalorynka");
  EXPECT_EQ(editor.ui().Edit2->text(), "0.04");
  EXPECT_EQ(editor.ui().Edit3->text(), "pianka PE");
  EXPECT_EQ(editor.ui().Edit4->text(), "Otulina K");
  EXPECT_EQ(editor.ui().Edit5->text(), "95");
  EXPECT_EQ(editor.ui().Edit6->text(), "https://k.example");
  EXPECT_EQ(editor.ui().Opis->toPlainText(), QString::fromUtf8("miękka"));

  // Grid row 1 is 10 mm, row 3 is 15 mm; the 16 mm row and the other kinds' rows are not shown.
  for (int k = 1; k <= 8; ++k) {
    for (int col = 1; col <= 10; ++col) {
      QString expected;
      if (k == 1 && col == 1) expected = "13";
      if (k == 1 && col == 2) expected = "3.2";
      if (k == 3 && col == 1) expected = "20";
      if (k == 3 && col == 2) expected = "6";
      if (k == 3 && col == 3) expected = "25";
      if (k == 3 && col == 4) expected = "7.5";
      EXPECT_EQ(Cell(editor, col, k), expected) << "cell (" << col << ", " << k << ")";
    }
  }
  EXPECT_EQ(editor.FreeEditing, 0);

  // Another kind empties what the first one showed.
  ShowKind(editor, 2);
  EXPECT_EQ(Cell(editor, 1, 1), "19");
  EXPECT_EQ(Cell(editor, 3, 3), "");
  EXPECT_EQ(Cell(editor, 1, 8), "40");
}

// Five pairs per diameter: a sixth thickness of one diameter has no cells.
TEST_F(InsulationEditorTest, ShowFillsAtMostFivePairsPerDiameter) {
  std::vector<Row> thicknesses;
  for (int n = 0; n < 6; ++n)
    thicknesses.push_back({std::to_string(n + 1), "4", "22", std::to_string(10 + n), "1", "0"});
  WriteCatalogues(kKinds, thicknesses);
  TWinAddIzolacja editor;
  ShowKind(editor, 1);
  for (int n = 0; n < 5; ++n) EXPECT_EQ(Cell(editor, 2 * n + 1, 5), QString::number(10 + n));
  // The sixth is named in the tip of the diameter's title, and left alone by a change.
  QTableWidgetItem* title = editor.ui().GridGrubosci->item(5, 0);
  EXPECT_EQ(title->toolTip(), QString::fromUtf8("Dalsze grubości tej średnicy:\n15 mm – 1 zł"));
  platform::SetCell(editor.ui().GridGrubosci, 2, 5, "2");
  editor.ui().BitBtn3->click();
  const std::vector<Row> records = Records(File("Dane/grubosci.xml"));
  EXPECT_EQ(records[0][4], "2");
  EXPECT_EQ(records[5], thicknesses[5]);

  ShowKind(editor, 2);
  EXPECT_EQ(title->toolTip(), "");
}

TEST_F(InsulationEditorTest, ShowOfAnUnreadableThicknessFileIsReported) {
  TWinAddIzolacja editor;
  dir_.Write("Dane/grubosci.xml", "<grubosci><row>");
  dialogs.ExpectBox("UWAGA", QString::fromUtf8("Nie udało się wczytać pliku izolacja.xml"),
                    platform::Icon::Warning);
  ShowKind(editor, 1);
  EXPECT_EQ(editor.ui().Edit4->text(), "");
}

// ---------------------------------------------------------------- the grid and the fields

// Opens the cell's editor by typing into the grid, types the rest into the editor and commits
// with Enter, as the user does; a key the grid refuses opens no editor.
void TypeIntoCell(QTableWidget* grid, int col, int row, const QString& text) {
  grid->setFocus();
  grid->setCurrentCell(row, col);
  QTest::keyClicks(grid, text.left(1));
  for (QLineEdit* cellEditor : grid->viewport()->findChildren<QLineEdit*>()) {
    if (!cellEditor->isVisible()) continue;  // one closed before, not yet deleted
    QTest::keyClicks(cellEditor, text.mid(1));
    QTest::keyClick(cellEditor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the delegate commits in a queued call
  }
}

TEST_F(InsulationEditorTest, OnlyFilledCellsAreEditedAfterShowingAKindAndEveryCellAfterClear) {
  TWinAddIzolacja editor;
  editor.show();
  QTableWidget* grid = editor.ui().GridGrubosci;
  ShowKind(editor, 1);
  TypeIntoCell(grid, 1, 2, "9");  // 12 mm: no thickness of this kind
  EXPECT_EQ(Cell(editor, 1, 2), "");
  TypeIntoCell(grid, 2, 1, "4");  // 10 mm: filled
  EXPECT_EQ(Cell(editor, 2, 1), "4");

  editor.ui().BitBtn5->click();  // "Wyczyść": a new kind is entered, every value cell takes keys
  EXPECT_EQ(editor.FreeEditing, 1);
  EXPECT_EQ(Cell(editor, 2, 1), "");
  EXPECT_EQ(editor.ui().Edit4->text(), "");
  TypeIntoCell(grid, 1, 2, "9");
  EXPECT_EQ(Cell(editor, 1, 2), "9");

  // Showing the window frees the grid too.
  ShowKind(editor, 1);
  editor.hide();
  editor.show();
  EXPECT_EQ(editor.FreeEditing, 1);
  EXPECT_EQ(Cell(editor, 1, 1), "");
  TypeIntoCell(grid, 1, 4, "7");
  EXPECT_EQ(Cell(editor, 1, 4), "7");
}

TEST_F(InsulationEditorTest, NumericFieldsAndTheGridTakeOnlyDecimalKeys) {
  TWinAddIzolacja editor;
  editor.show();
  for (QLineEdit* edit : {editor.ui().Edit2, editor.ui().Edit5}) {
    QTest::keyClicks(edit, "1,5x.2");
    EXPECT_EQ(edit->text(), "1.5.2") << edit->objectName().toStdString();
  }
  QTest::keyClicks(editor.ui().Edit3, "a,b");
  EXPECT_EQ(editor.ui().Edit3->text(), "a,b");

  TypeIntoCell(editor.ui().GridGrubosci, 2, 1, "4,5x");
  EXPECT_EQ(Cell(editor, 2, 1), "4.5");
  TypeIntoCell(editor.ui().GridGrubosci, 2, 2, "x");  // a letter opens no cell
  EXPECT_EQ(Cell(editor, 2, 2), "");
}

TEST_F(InsulationEditorTest, ProducerChoiceFillsWebPageAndDescription) {
  TWinAddIzolacja editor;
  editor.show();
  emit editor.ui().ComboBox1->activated(0);
  EXPECT_EQ(editor.ui().Edit6->text(), "https://www.promienny-dom.example");
  EXPECT_EQ(editor.ui().Opis->toPlainText(), "Kolektory");
  EXPECT_EQ(editor.ui().StaticText12->text(), QString::number(255 - 9));
}

TEST_F(InsulationEditorTest, DodajGruboscOpensTheThicknessWindowModally) {
  ThicknessWindowInstalled installed;
  TWinGrubosci& thickness = installed.window;
  TWinAddIzolacja editor;
  bool shownModally = false;
  QTimer::singleShot(0, [&] {
    shownModally = thickness.isVisible() && thickness.isModal();
    thickness.close();
  });
  editor.ui().BitBtn6->click();
  EXPECT_TRUE(shownModally);
}

// A shown kind's grid lists, once the thickness window closes, the thickness it added and the
// price it gave; a cell the user had edited keeps the edit, which the change then writes.
TEST_F(InsulationEditorTest, ThicknessWindowClosedShowsItsRowsInTheShownKindsGrid) {
  ThicknessWindowInstalled installed;
  TWinGrubosci& thickness = installed.window;
  TWinAddIzolacja editor;
  ShowKind(editor, 1);  // kind 4: 10 mm 13 mm at 3.2; 15 mm 20 at 6 and 25 at 7.5
  platform::SetCell(editor.ui().GridGrubosci, 2, 3, "6.5");  // edited by the user, not yet written
  QTimer::singleShot(0, [&] {
    thickness.ui().ComboBox1->setCurrentIndex(1);
    const struct {
      const char *diameter, *value, *price;
    } rows[] = {{"12", "20", "5.5"}, {"10", "13", "3.9"}};
    for (const auto& row : rows) {
      thickness.ui().ComboBox3->setEditText(row.diameter);
      thickness.ui().ComboBox2->setEditText(row.value);
      thickness.ui().Edit1->setText(row.price);
      thickness.ui().btbDodaj->click();
    }
    thickness.close();
  });
  editor.ui().BitBtn6->click();

  EXPECT_EQ(Cell(editor, 1, 2), "20");
  EXPECT_EQ(Cell(editor, 2, 2), "5.5");
  EXPECT_EQ(Cell(editor, 1, 1), "13");
  EXPECT_EQ(Cell(editor, 2, 1), "3.9");
  EXPECT_EQ(Cell(editor, 2, 3), "6.5");
  EXPECT_EQ(Cell(editor, 4, 3), "7.5");
  EXPECT_EQ(Cell(editor, 1, 4), "");  // 18 mm: none

  editor.ui().BitBtn3->click();
  const std::vector<Row> records = Records(File("Dane/grubosci.xml"));
  ASSERT_EQ(records.size(), kThicknesses.size() + 1);
  EXPECT_EQ(records[1][4], "6.5");
  EXPECT_EQ(records[2][4], "3.9");
  EXPECT_EQ(records.back(), (Row{"8", "4", "12", "20", "5.5", "0"}));
}

// ---------------------------------------------------------------- change

const QString kQuestion =
    QString::fromUtf8("Czy na pewno chcesz usunąć\nwybrany sprzęt z programu ?");

TEST_F(InsulationEditorTest, ChangeWritesTheFieldsAndEachGridCellBackToItsOwnRow) {
  TWinAddIzolacja editor;
  ShowKind(editor, 1);
  editor.ui().Edit4->setText("Otulina K2");
  editor.ui().Opis->clear();
  QTableWidget* grid = editor.ui().GridGrubosci;
  platform::SetCell(grid, 1, 1, "15");  // 10 mm: thickness 13 -> 15
  platform::SetCell(grid, 2, 3, "");    // 15 mm, first: an emptied price stays 6
  platform::SetCell(grid, 4, 3, "8");   // 15 mm, second: price 7.5 -> 8
  Engine.CataloguesChanged = 0;

  editor.ui().BitBtn3->click();

  const Row kind = {"4",  "Kalorynka",         "0.04", "pianka PE", "Otulina K2",
                    "95", "https://k.example", "brak", "0"};
  EXPECT_EQ(Records(File("Dane/izolacja.xml"))[1], kind);
  EXPECT_EQ(Form1->InsulationCatalogue.Rows[1], kind);
  std::vector<Row> thicknesses = kThicknesses;
  thicknesses[2] = {"3", "4", "10", "15", "3.2", "0"};
  thicknesses[4] = {"5", "4", "15", "25", "8", "0"};
  EXPECT_EQ(Records(File("Dane/grubosci.xml")), thicknesses);
  EXPECT_EQ(Form1->ThicknessCatalogue.Rows, thicknesses);
  // The list follows the change at once, the kind still selected.
  EXPECT_EQ(editor.ui().LstIzolacja->item(1)->text(), "Otulina K2");
  EXPECT_EQ(editor.ui().LstIzolacja->currentRow(), 1);
  EXPECT_EQ(Engine.CataloguesChanged, 1);
  EXPECT_TRUE(editor.RowBuffer.empty());
}

// A price given in the thickness window while the kind was shown is not put back by a change of
// the kind: only the cells the user edited are written.
TEST_F(InsulationEditorTest, ChangeKeepsAPriceTheThicknessWindowGaveMeanwhile) {
  TWinAddIzolacja editor;
  ShowKind(editor, 1);  // 10 mm: 13 mm at 3.2
  TWinGrubosci thickness;
  thickness.show();
  thickness.ui().ComboBox1->setCurrentIndex(1);
  thickness.ui().ComboBox3->setEditText("10");
  thickness.ui().ComboBox2->setEditText("13");
  thickness.ui().Edit1->setText("3.9");
  thickness.ui().btbDodaj->click();
  ASSERT_EQ(Records(File("Dane/grubosci.xml"))[2][4], "3.9");

  editor.ui().Edit5->setText("100");
  platform::SetCell(editor.ui().GridGrubosci, 2, 3, "6.5");  // 15 mm, first: edited by the user
  editor.ui().BitBtn3->click();
  const std::vector<Row> records = Records(File("Dane/grubosci.xml"));
  EXPECT_EQ(records[2][4], "3.9");
  EXPECT_EQ(records[1][4], "6.5");
  EXPECT_EQ(Records(File("Dane/izolacja.xml"))[1][5], "100");
}

// The grid's cells are matched to thickness rows by position, so they are written back only to the
// kind the grid shows: a change of a kind selected in the list but not shown (double-clicked)
// writes its fields alone, and the cells stay in the grid for the kind they belong to.
TEST_F(InsulationEditorTest, ChangeWritesTheGridOnlyToTheKindItShows) {
  struct Case {
    const char* name;
    void (*prepare)(TWinAddIzolacja&);  // leaves the grid edited and a kind selected
    int changed;                        // the list index "Zmień" acts on
  } cases[] = {
      {"another kind selected",
       [](TWinAddIzolacja& e) {
         ShowKind(e, 1);                                      // kind 4
         platform::SetCell(e.ui().GridGrubosci, 1, 1, "15");  // 10 mm: 13 -> 15 (kind 7 has 19)
         platform::SetCell(e.ui().GridGrubosci, 2, 1, "3.5");
         e.ui().LstIzolacja->setCurrentRow(2);  // kind 7, selected only
       },
       2},
      {"cells typed after clearing",
       [](TWinAddIzolacja& e) {
         ShowKind(e, 2);
         e.ui().BitBtn5->click();
         FillKind(e);
         platform::SetCell(e.ui().GridGrubosci, 1, 1, "15");
         platform::SetCell(e.ui().GridGrubosci, 2, 3, "9.9");
         e.ui().LstIzolacja->setCurrentRow(1);  // kind 4
       },
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteCatalogues(kKinds, kThicknesses);
    const std::string thicknesses = Bytes(File("Dane/grubosci.xml"));
    TWinAddIzolacja editor;
    c.prepare(editor);
    editor.ui().Edit5->setText("100");
    editor.ui().BitBtn3->click();

    EXPECT_EQ(Bytes(File("Dane/grubosci.xml")), thicknesses);
    const std::vector<Row> kinds = Records(File("Dane/izolacja.xml"));
    EXPECT_EQ(kinds[size_t(c.changed)][5], "100");  // the fields are written as before
    EXPECT_EQ(kinds[size_t(3 - c.changed)], kKinds[size_t(3 - c.changed)]);
    EXPECT_EQ(Form1->ThicknessCatalogue.Rows, kThicknesses);
    EXPECT_TRUE(editor.RowBuffer.empty());
  }

  // The edited cells are kept for the shown kind and written when it is the one changed.
  TWinAddIzolacja editor;
  WriteCatalogues(kKinds, kThicknesses);
  cases[0].prepare(editor);
  editor.ui().BitBtn3->click();
  editor.ui().LstIzolacja->setCurrentRow(1);
  editor.ui().BitBtn3->click();
  std::vector<Row> thicknesses = kThicknesses;
  thicknesses[2] = {"3", "4", "10", "15", "3.5", "0"};
  EXPECT_EQ(Records(File("Dane/grubosci.xml")), thicknesses);
}

TEST_F(InsulationEditorTest, ChangeIsRefusedForAVendorKindAMissingFieldOrACellThatIsNoNumber) {
  struct Case {
    const char* name;
    int kind;
    void (*spoil)(TWinAddIzolacja&);
    QString title, message;
    platform::Icon icon;
  } cases[] = {
      {"vendor", 0, [](TWinAddIzolacja&) {}, "Uwaga",
       QString::fromUtf8("Nie można edytować urządzeń pobranych z bazy"), platform::Icon::None},
      {"missing", 1, [](TWinAddIzolacja& e) { e.ui().Edit3->clear(); },
       QString::fromUtf8("Ostrzeżenie"), kMissing, platform::Icon::Warning},
      {"thickness", 1,
       [](TWinAddIzolacja& e) { platform::SetCell(e.ui().GridGrubosci, 3, 3, "25.5"); },
       QString::fromUtf8("Ostrzeżenie"),
       QString::fromUtf8("Wartość „25.5” w polu „Grubość [mm], średnica 15” nie jest liczbą "
                         "całkowitą.\nProszę wprowadzić poprawną wartość"),
       platform::Icon::Warning},
      {"price", 1,
       [](TWinAddIzolacja& e) { platform::SetCell(e.ui().GridGrubosci, 2, 1, "1.2.3"); },
       QString::fromUtf8("Ostrzeżenie"),
       QString::fromUtf8("Wartość „1.2.3” w polu „Cena zł, średnica 10” nie jest liczbą.\nProszę "
                         "wprowadzić poprawną wartość"),
       platform::Icon::Warning},
  };
  const std::string kinds = Bytes(File("Dane/izolacja.xml"));
  const std::string thicknesses = Bytes(File("Dane/grubosci.xml"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TWinAddIzolacja editor;
    ShowKind(editor, c.kind);
    c.spoil(editor);
    Engine.CataloguesChanged = 0;
    dialogs.ExpectBox(c.title, c.message, c.icon);
    editor.ui().BitBtn3->click();
    EXPECT_EQ(Bytes(File("Dane/izolacja.xml")), kinds);
    EXPECT_EQ(Bytes(File("Dane/grubosci.xml")), thicknesses);
    EXPECT_EQ(Engine.CataloguesChanged, 1);  // set also when the change was refused
    EXPECT_TRUE(editor.RowBuffer.empty());
  }
}

// The kind is written first; when the thicknesses cannot be written after it, the kind's file
// gets its bytes back.
TEST_F(InsulationEditorTest, AChangeThatCannotWriteBothFilesLeavesBothAsTheyWere) {
  std::vector<Row> thicknesses = kThicknesses;
  for (int n = 0; n < 40; ++n)
    thicknesses.push_back({std::to_string(100 + n), "1", "99", "13", "1", "1"});
  WriteCatalogues(kKinds, thicknesses);
  const std::string kinds = Bytes(File("Dane/izolacja.xml"));
  const std::string before = Bytes(File("Dane/grubosci.xml"));
  const CatalogueRows kindRows = Form1->InsulationCatalogue.Rows;
  const CatalogueRows thicknessRows = Form1->ThicknessCatalogue.Rows;
  ASSERT_LT(kinds.size() + 200, before.size());

  TWinAddIzolacja editor;
  ShowKind(editor, 1);
  editor.ui().Edit4->setText("Otulina K2");
  platform::SetCell(editor.ui().GridGrubosci, 1, 1, "15");
  RecordingDialogs recorded;  // the error's text is the writer's own
  {
    FileSizeLimit limit(kinds.size() + 100);
    editor.ui().BitBtn3->click();
  }
  ASSERT_EQ(recorded.boxes.size(), 1u);
  EXPECT_EQ(recorded.boxes[0].icon, platform::Icon::Stop);
  EXPECT_EQ(Bytes(File("Dane/izolacja.xml")), kinds);
  EXPECT_EQ(Bytes(File("Dane/grubosci.xml")), before);
  EXPECT_EQ(Form1->InsulationCatalogue.Rows, kindRows);
  EXPECT_EQ(Form1->ThicknessCatalogue.Rows, thicknessRows);
  EXPECT_EQ(editor.ui().LstIzolacja->item(1)->text(), "Otulina K");
  EXPECT_FALSE(editor.Document.IsLoaded()) << "no tree is held between commands";
  EXPECT_TRUE(editor.RowBuffer.empty());
}

// The file was rewritten after the list was filled: the change and the delete act on the kind
// with the listed id wherever it now stands, and a kind that is gone is reported.
TEST_F(InsulationEditorTest, ChangeAndDeleteFindTheListedKindByItsId) {
  TWinAddIzolacja editor;
  ShowKind(editor, 1);  // "Otulina K", id 4
  editor.ui().Edit5->setText("90");
  const Row newcomer = {"9", "Kalorynka", "0.05", "pianka", "Nowa", "80", "brak", "brak", "0"};
  WriteCatalogues({kKinds[0], newcomer, kKinds[1], kKinds[2]}, kThicknesses);

  editor.ui().BitBtn3->click();
  std::vector<Row> records = Records(File("Dane/izolacja.xml"));
  EXPECT_EQ(records[1], newcomer);
  EXPECT_EQ(records[2][0], "4");
  EXPECT_EQ(records[2][5], "90");
  EXPECT_EQ(editor.ui().LstIzolacja->count(), 4);
  EXPECT_EQ(editor.ui().LstIzolacja->currentRow(), 2);

  editor.ui().LstIzolacja->setCurrentRow(3);  // "Otulina W", id 7
  WriteCatalogues({kKinds[0], newcomer, kKinds[1]}, kThicknesses);
  const std::string kinds = Bytes(File("Dane/izolacja.xml"));
  const std::string thicknesses = Bytes(File("Dane/grubosci.xml"));
  const int devices = Form1->DeviceCount;
  dialogs.ExpectBox("Pytanie", kQuestion, platform::Icon::Question, platform::Buttons::YesNo,
                    platform::Answer::Yes);
  dialogs.ExpectBox("Uwaga",
                    QString::fromUtf8("Wybranej pozycji nie ma już w pliku izolacja.xml.\n"
                                      "Lista została odświeżona."),
                    platform::Icon::Warning);
  editor.ui().BitBtn4->click();
  EXPECT_EQ(Bytes(File("Dane/izolacja.xml")), kinds);
  EXPECT_EQ(Bytes(File("Dane/grubosci.xml")), thicknesses);
  EXPECT_EQ(Form1->DeviceCount, devices);
  EXPECT_EQ(editor.ui().LstIzolacja->count(), 3);
}

// A refused change still lists the rewritten file afresh, so that the next command addresses the
// kind the user sees selected.
TEST_F(InsulationEditorTest, ARefusedChangeListsTheRewrittenFileAndTheDeleteTakesTheSelectedKind) {
  TWinAddIzolacja editor;
  ShowKind(editor, 1);  // "Otulina K", id 4
  editor.ui().Edit3->clear();
  const Row newcomer = {"9", "Kalorynka", "0.05", "pianka", "Nowa", "80", "brak", "brak", "0"};
  WriteCatalogues({kKinds[0], newcomer, kKinds[1], kKinds[2]}, kThicknesses);
  dialogs.ExpectBox(QString::fromUtf8("Ostrzeżenie"), kMissing, platform::Icon::Warning);
  editor.ui().BitBtn3->click();
  QListWidget* list = editor.ui().LstIzolacja;
  ASSERT_EQ(list->count(), 4);
  EXPECT_EQ(list->item(1)->text(), "Nowa");
  EXPECT_EQ(list->currentRow(), 2);

  dialogs.ExpectBox("Pytanie", kQuestion, platform::Icon::Question, platform::Buttons::YesNo,
                    platform::Answer::Yes);
  editor.ui().BitBtn4->click();
  EXPECT_EQ(Records(File("Dane/izolacja.xml")), (std::vector<Row>{kKinds[0], newcomer, kKinds[2]}));
}

// ---------------------------------------------------------------- delete

TEST_F(InsulationEditorTest, DeleteRemovesTheKindWithOnlyItsOwnThicknessRows) {
  TWinAddIzolacja editor;
  const int devices = Form1->DeviceCount;
  Engine.CataloguesChanged = 0;
  editor.ui().LstIzolacja->setCurrentRow(1);
  dialogs.ExpectBox("Pytanie", kQuestion, platform::Icon::Question, platform::Buttons::YesNo,
                    platform::Answer::Yes);
  editor.ui().BitBtn4->click();

  // Kind 4 goes with all its rows, the one of a diameter the grid has no row for included.
  const std::vector<Row> kinds = {kKinds[0], kKinds[2]};
  std::vector<Row> thicknesses = {kThicknesses[0], kThicknesses[3], kThicknesses[6]};
  EXPECT_EQ(Records(File("Dane/izolacja.xml")), kinds);
  EXPECT_EQ(Records(File("Dane/grubosci.xml")), thicknesses);
  EXPECT_EQ(Form1->InsulationCatalogue.Rows, kinds);
  EXPECT_EQ(Form1->InsulationCatalogue.RowCount, 2);
  EXPECT_EQ(Form1->ThicknessCatalogue.Rows, thicknesses);
  EXPECT_EQ(Form1->ThicknessCatalogue.RowCount, 3);
  EXPECT_EQ(Form1->DeviceCount, devices - 1);
  EXPECT_EQ(Engine.CataloguesChanged, 1);
  ASSERT_EQ(editor.ui().LstIzolacja->count(), 2);
  EXPECT_EQ(editor.ui().LstIzolacja->item(1)->text(), "Otulina W");

  // The next kind deleted loses only its own rows.
  editor.ui().LstIzolacja->setCurrentRow(1);
  dialogs.ExpectBox("Pytanie", kQuestion, platform::Icon::Question, platform::Buttons::YesNo,
                    platform::Answer::Yes);
  editor.ui().BitBtn4->click();
  EXPECT_EQ(Records(File("Dane/izolacja.xml")), std::vector<Row>{kKinds[0]});
  EXPECT_EQ(Records(File("Dane/grubosci.xml")), std::vector<Row>{kThicknesses[0]});
  EXPECT_EQ(Form1->DeviceCount, devices - 2);
}

// After a delete the window shows no kind that is gone: the deleted kind's fields and grid are
// emptied; a kind still shown is selected again, and "Zmień" changes that kind.
TEST_F(InsulationEditorTest, AfterADeleteTheFieldsShowNoKindThatIsGone) {
  TWinAddIzolacja editor;
  QListWidget* list = editor.ui().LstIzolacja;
  ShowKind(editor, 2);  // "Otulina W", id 7
  ASSERT_EQ(Cell(editor, 1, 1), "19");
  list->setCurrentRow(1);  // "Otulina K", id 4, not shown
  dialogs.ExpectBox("Pytanie", kQuestion, platform::Icon::Question, platform::Buttons::YesNo,
                    platform::Answer::Yes);
  editor.ui().BitBtn4->click();
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->currentRow(), 1);
  EXPECT_EQ(editor.ui().Edit4->text(), "Otulina W");
  EXPECT_EQ(Cell(editor, 1, 1), "19");
  editor.ui().Edit5->setText("240");
  platform::SetCell(editor.ui().GridGrubosci, 1, 1, "20");
  editor.ui().BitBtn3->click();
  std::vector<Row> kinds = {kKinds[0], kKinds[2]};
  kinds[1][5] = "240";
  EXPECT_EQ(Records(File("Dane/izolacja.xml")), kinds);
  EXPECT_EQ(Records(File("Dane/grubosci.xml"))[1], (Row{"4", "7", "10", "20", "5", "0"}));

  // The shown kind deleted: nothing of it stays, and every cell is free for a new kind.
  list->setCurrentRow(1);
  dialogs.ExpectBox("Pytanie", kQuestion, platform::Icon::Question, platform::Buttons::YesNo,
                    platform::Answer::Yes);
  editor.ui().BitBtn4->click();
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->currentRow(), -1);
  for (const QLineEdit* edit : {editor.ui().Edit2, editor.ui().Edit3, editor.ui().Edit4,
                                editor.ui().Edit5, editor.ui().Edit6})
    EXPECT_EQ(edit->text(), "") << edit->objectName().toStdString();
  EXPECT_EQ(editor.ui().Opis->toPlainText(), "");
  for (int k = 1; k <= 8; ++k)
    for (int col = 1; col <= 10; ++col) EXPECT_EQ(Cell(editor, col, k), "") << col << ", " << k;
  EXPECT_EQ(editor.FreeEditing, 1);
}

TEST_F(InsulationEditorTest, DeleteIsRefusedOnNoForAVendorKindTheKindInUseAndIdZero) {
  std::vector<Row> kinds = kKinds;
  kinds.push_back({"0", "Kalorynka", "0.04", "pianka", "Zerowa", "90", "brak", "brak", "0"});
  std::vector<Row> thicknesses = kThicknesses;
  thicknesses.push_back({"8", "0", "22", "13", "4", "0"});
  WriteCatalogues(kinds, thicknesses);
  const std::string kindBytes = Bytes(File("Dane/izolacja.xml"));
  const std::string thicknessBytes = Bytes(File("Dane/grubosci.xml"));
  const int devices = Form1->DeviceCount;
  TWinAddIzolacja editor;
  QListWidget* list = editor.ui().LstIzolacja;

  list->setCurrentRow(1);
  dialogs.ExpectBox("Pytanie", kQuestion, platform::Icon::Question, platform::Buttons::YesNo,
                    platform::Answer::No);
  editor.ui().BitBtn4->click();

  list->setCurrentRow(0);
  dialogs.ExpectBox("Pytanie", kQuestion, platform::Icon::Question, platform::Buttons::YesNo,
                    platform::Answer::Yes);
  dialogs.ExpectBox("Uwaga",
                    QString::fromUtf8("Nie można usuwać urzadzeń producentów pobranych z bazy"),
                    platform::Icon::Warning);
  editor.ui().BitBtn4->click();

  Engine.SelectedInsulation->Model = "Otulina W";
  list->setCurrentRow(2);
  dialogs.ExpectBox(
      "Uwaga",
      QString::fromUtf8("Nie można usunąć tego modelu ponieważ \njest on obecnie ustawiony w "
                        "programie.\nAby usunąć ten model należy ustawić inny model w programie."),
      platform::Icon::Warning);
  editor.ui().BitBtn4->click();

  list->setCurrentRow(3);  // id 0: nothing removed, and nothing said after the question
  dialogs.ExpectBox("Pytanie", kQuestion, platform::Icon::Question, platform::Buttons::YesNo,
                    platform::Answer::Yes);
  editor.ui().BitBtn4->click();

  EXPECT_EQ(Bytes(File("Dane/izolacja.xml")), kindBytes);
  EXPECT_EQ(Bytes(File("Dane/grubosci.xml")), thicknessBytes);
  EXPECT_EQ(Form1->DeviceCount, devices);
  EXPECT_EQ(list->count(), 4);
}

// A thickness record that cannot be read stops the delete before anything is written.
TEST_F(InsulationEditorTest, DeleteThatCannotHandleTheThicknessRowsChangesNeitherFile) {
  std::vector<Row> thicknesses = kThicknesses;
  thicknesses[3][1] = "siedem";
  WriteCatalogues(kKinds, thicknesses);
  const std::string kinds = Bytes(File("Dane/izolacja.xml"));
  const std::string before = Bytes(File("Dane/grubosci.xml"));
  const int devices = Form1->DeviceCount;
  TWinAddIzolacja editor;
  editor.ui().LstIzolacja->setCurrentRow(1);
  dialogs.ExpectBox("Pytanie", kQuestion, platform::Icon::Question, platform::Buttons::YesNo,
                    platform::Answer::Yes);
  dialogs.ExpectBox("Komunikat", QString::fromUtf8("Nie można było usunąc danych"),
                    platform::Icon::Warning);
  editor.ui().BitBtn4->click();
  EXPECT_EQ(Bytes(File("Dane/izolacja.xml")), kinds);
  EXPECT_EQ(Bytes(File("Dane/grubosci.xml")), before);
  EXPECT_EQ(Form1->DeviceCount, devices);
  EXPECT_EQ(editor.ui().LstIzolacja->count(), 3);
}

// The thickness rows are written first; when the kind's file cannot be written after them, they
// get their bytes back: the kind never stays without its thicknesses.
TEST_F(InsulationEditorTest, DeleteThatCannotWriteTheKindLeavesBothFilesByteForByte) {
  std::vector<Row> kinds = kKinds;
  kinds[0][7] = std::string(3000, 'o');  // a long description keeps the kinds' file large
  WriteCatalogues(kinds, kThicknesses);
  const std::string kindBytes = Bytes(File("Dane/izolacja.xml"));
  const std::string thicknessBytes = Bytes(File("Dane/grubosci.xml"));
  const CatalogueRows kindRows = Form1->InsulationCatalogue.Rows;
  const CatalogueRows thicknessRows = Form1->ThicknessCatalogue.Rows;
  const int devices = Form1->DeviceCount;
  ASSERT_LT(thicknessBytes.size() + 200, kindBytes.size() - 1000);

  TWinAddIzolacja editor;
  editor.ui().LstIzolacja->setCurrentRow(1);
  dialogs.ExpectBox("Pytanie", kQuestion, platform::Icon::Question, platform::Buttons::YesNo,
                    platform::Answer::Yes);
  dialogs.ExpectBox("Komunikat", QString::fromUtf8("Wystapił błąd podczas usuwania danych"),
                    platform::Icon::Warning);
  {
    FileSizeLimit limit(thicknessBytes.size() + 100);
    editor.ui().BitBtn4->click();
  }
  EXPECT_EQ(Bytes(File("Dane/izolacja.xml")), kindBytes);
  EXPECT_EQ(Bytes(File("Dane/grubosci.xml")), thicknessBytes);
  EXPECT_EQ(Form1->InsulationCatalogue.Rows, kindRows);
  EXPECT_EQ(Form1->ThicknessCatalogue.Rows, thicknessRows);
  EXPECT_EQ(Form1->DeviceCount, devices);
  EXPECT_EQ(editor.ui().LstIzolacja->count(), 3);
  EXPECT_FALSE(editor.Document.IsLoaded()) << "no tree is held between commands";
}

}  // namespace
