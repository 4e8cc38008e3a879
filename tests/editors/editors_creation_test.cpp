// The catalogue editors as start-up creates them and as their widgets are built at their first use:
// each then reads its own catalogue file, lists one column of every record with the vendor's
// records grey italic, and offers the producers.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <functional>
#include <memory>

#include "catalogue_set.h"
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
#include "main/gridcell.h"
#include "platform/cellgrid_qt.h"
#include "xml/xmldoc.h"

namespace {

QStringList Items(const QListWidget* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
  return texts;
}

QStringList Items(const QComboBox* combo) {
  QStringList texts;
  for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
  return texts;
}

bool DrawnAsVendor(const QListWidgetItem* item) {
  return item->font().italic() && item->foreground().color() == QColor(128, 128, 128);
}

// What a test needs to see of one editor.
struct EditorCase {
  const char* name;
  CCatalogueTable CCatalogues::*table;
  std::function<std::unique_ptr<CatalogueEditorFrame>()> create;
  const char* list;
  const char* producers;  // null: no producer combo
  const char* counter;    // null: no description counter
  QStringList listed;     // vendor record first, the user's second
  const char* description;
};

template <class Editor>
std::function<std::unique_ptr<CatalogueEditorFrame>()> Make() {
  return [] { return std::make_unique<Editor>(); };
}

const QStringList kDevicesOf(const char* vendor, const char* user) {
  return {vendor, user};
}

std::vector<EditorCase> Editors() {
  return {
      {"pompa", &CCatalogues::PumpCatalogue, Make<TWinAddPompa>(), "LstPompa", "ComboBox1", nullptr,
       kDevicesOf("JH-Solar 1", "Moja pompa"), ""},
      {"zasobnik", &CCatalogues::TankCatalogue, Make<TWinAddZasobnik>(), "ListBoxZasobnik",
       "ComboBox1", "StaticText29", kDevicesOf("ZS-200", "Mój zasobnik 300"), ""},
      {"kolektor", &CCatalogues::CollectorCatalogue, Make<TWinAddKolektor>(), "LstKolektory",
       "ComboBox1", "StaticText25", kDevicesOf("PK-2.5", "Mój kolektor"), ""},
      {"sterownik", &CCatalogues::ControllerCatalogue, Make<TWinAddSterownik>(), "LstSterownik",
       "ComboBox4", "StaticText16", kDevicesOf("ST-1", "Mój sterownik"), ""},
      {"naczynie", &CCatalogues::VesselCatalogue, Make<TWinAddNaczynie>(), "LstNaczynie",
       "ComboBox1", "StaticText17", kDevicesOf("NW-18", "Moje naczynie"), ""},
      {"izolacja", &CCatalogues::InsulationCatalogue, Make<TWinAddIzolacja>(), "LstIzolacja",
       "ComboBox1", "StaticText12", kDevicesOf("Kauflex 13", "Moja izolacja"), ""},
      {"konstrukcja", &CCatalogues::StructureCatalogue, Make<TWinAddKonstrukcja>(),
       "LstKonstrukcja", "ComboBox1", "Label1", kDevicesOf("KW-Dach", "Moja konstrukcja"), ""},
      {"miasta", &CCatalogues::CityCatalogue, Make<TWinAddMiasta>(), "LstMiasta", nullptr, nullptr,
       kDevicesOf("Gdańsk", "Testowo"), nullptr},
      {"producent", &CCatalogues::ProducerCatalogue, Make<TWinAddProducent>(), "LstProducent",
       nullptr, "StaticText5", kDevicesOf("Promienny Dom", "Kalorynka"), "brak"},
  };
}

using EditorCreationTest = CatalogueSetTest;

TEST_F(EditorCreationTest, EachEditorListsItsOwnFileAndOffersTheProducers) {
  for (const EditorCase& c : Editors()) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<CatalogueEditorFrame> editor = c.create();
    EXPECT_EQ(editor->Document.FileName(), editor->Frame().fileName);
    EXPECT_FALSE(editor->WidgetsBuilt());
    editor->BuildWidgets();

    EXPECT_FALSE(editor->Document.IsLoaded()) << "no tree is held between commands";
    EXPECT_EQ(editor->Document.FileName(), editor->Frame().fileName);
    auto* list = editor->findChild<QListWidget*>(c.list);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(Items(list), c.listed);
    EXPECT_TRUE(DrawnAsVendor(list->item(0)));
    EXPECT_FALSE(DrawnAsVendor(list->item(1)));

    if (c.producers) {
      auto* producers = editor->findChild<QComboBox*>(c.producers);
      ASSERT_NE(producers, nullptr);
      EXPECT_EQ(Items(producers), (QStringList{"Promienny Dom", "Kalorynka"}));
      EXPECT_EQ(producers->currentIndex(), -1);
      EXPECT_EQ(producers->currentText(), "");
    }
    if (c.description) {
      auto* description = editor->findChild<QPlainTextEdit*>("Opis");
      ASSERT_NE(description, nullptr);
      EXPECT_EQ(description->toPlainText(), c.description);
    }
    if (c.counter) {
      auto* counter = editor->findChild<QLabel*>(c.counter);
      ASSERT_NE(counter, nullptr);
      EXPECT_EQ(counter->text(), "255");
      // Every change of the description counts down what is left of its 255 characters.
      auto* description = editor->findChild<QPlainTextEdit*>("Opis");
      description->setPlainText(QString::fromUtf8("Żółw"));
      EXPECT_EQ(counter->text(), "251");
      description->clear();
      EXPECT_EQ(counter->text(), "255");
    }
  }
}

// The editors list the file they hold, not the main window's table, so a table that was not
// loaded when the widgets are built leaves the list and the producers empty while the document is
// still read.
TEST_F(EditorCreationTest, WithoutTheMainWindowsTableNothingIsListed) {
  for (const EditorCase& c : Editors()) {
    SCOPED_TRACE(c.name);
    CCatalogueTable& table = Form1->*c.table;
    const CatalogueRows rows = table.Rows;
    std::unique_ptr<CatalogueEditorFrame> editor = c.create();
    table.Rows.clear();
    editor->BuildWidgets();
    table.Rows = rows;

    EXPECT_FALSE(editor->Document.IsLoaded()) << "no tree is held between commands";
    EXPECT_EQ(editor->findChild<QListWidget*>(c.list)->count(), 0);
    if (c.producers) {
      EXPECT_EQ(editor->findChild<QComboBox*>(c.producers)->count(), 0);
    }
  }
}

// A catalogue file that went bad after the main window had loaded it ends only the building of the
// editor's widgets, with the reader's own text in the error box; the window exists with an empty
// list.
TEST_F(EditorCreationTest, AnUnreadableFileIsReportedAndTheWindowStillExists) {
  dir_.Write("Dane/pompy.xml", "<pompy><row><field>1</field>");
  xml::Document probe;
  std::string reason;
  try {
    probe.LoadFile("Dane/pompy.xml");
  } catch (const xml::Error& error) {
    reason = error.what();
  }
  ASSERT_FALSE(reason.empty());
  dialogs.ExpectError(QString::fromStdString(reason));

  TWinAddPompa editor;
  EXPECT_EQ(editor.ui().LstPompa->count(), 0);
  EXPECT_FALSE(editor.Document.IsLoaded());
}

// An editor whose widgets are not built yet is left so by a catalogue update and by producer
// changes: its building, at its first showing, lists the file and the producers as they are then.
TEST_F(EditorCreationTest, AnEditorOpenedAfterChangesShowsTheFileAndProducersAsTheyAreThen) {
  const std::vector<EditorCase> cases = Editors();
  std::vector<std::unique_ptr<CatalogueEditorFrame>> editors;
  for (const EditorCase& c : cases) editors.push_back(c.create());
  TWinGrubosci thicknesses;

  // Each file gains a record of the user's, the producer file a producer, as an update would
  // write them; the main window's tables follow.
  for (const std::unique_ptr<CatalogueEditorFrame>& editor : editors) {
    const CatalogueEditorFrame::Parameters& frame = editor->Frame();
    CCatalogueTable& table = Form1->*frame.table;
    CatalogueRows rows = table.Rows;
    rows.push_back(
        catalogue_set::Record(table.ColumnCount, 3, "0", {{frame.listColumn, "Trzeci"}}));
    dir_.Write(frame.fileName, catalogue_set::CatalogueXml("katalog", rows));
    xml::Document scratch;
    LoadCatalogueTable(scratch, table, frame.fileName);
  }
  Form1->BuildProducerLists();
  for (const std::unique_ptr<CatalogueEditorFrame>& editor : editors) {
    editor->FileReplaced();
    editor->ProducersChanged();
    EXPECT_FALSE(editor->WidgetsBuilt()) << editor->Frame().fileName;
  }
  thicknesses.FileReplaced();
  EXPECT_FALSE(thicknesses.ui.Built());

  for (size_t i = 0; i < cases.size(); ++i) {
    const EditorCase& c = cases[i];
    SCOPED_TRACE(c.name);
    editors[i]->show();
    EXPECT_EQ(Items(editors[i]->findChild<QListWidget*>(c.list)), c.listed + QStringList{"Trzeci"});
    if (c.producers) {
      EXPECT_EQ(Items(editors[i]->findChild<QComboBox*>(c.producers)),
                (QStringList{"Promienny Dom", "Kalorynka", "Trzeci"}));
    }
    editors[i]->hide();
  }
  thicknesses.show();
  EXPECT_EQ(Items(thicknesses.ui().ComboBox1),
            (QStringList{"Kauflex 13", "Moja izolacja", "Trzeci"}));
  EXPECT_EQ(thicknesses.ui().ComboBox1->currentText(), QString::fromUtf8("Wybierz izolację"));
}

TEST_F(EditorCreationTest, ControllerChoicesStartOnTak) {
  TWinAddSterownik editor;
  for (QComboBox* choice : {editor.ui().ComboBox1, editor.ui().ComboBox2, editor.ui().ComboBox3}) {
    EXPECT_EQ(Items(choice), (QStringList{"Tak", "Nie"}));
    EXPECT_EQ(choice->currentText(), "Tak");
  }
}

TEST_F(EditorCreationTest, StructureEditorStartValues) {
  TWinAddKonstrukcja editor;
  EXPECT_EQ(editor.ui().StaticText14->text(), QString::fromUtf8("[ °]"));
  EXPECT_EQ(editor.ui().ComboBox2->currentText(), "Tak");
}

TEST_F(EditorCreationTest, InsulationGridTitlesTheDiametersAndThicknessPricePairs) {
  TWinAddIzolacja editor;
  QTableWidget* grid = editor.ui().GridGrubosci;
  ASSERT_EQ(grid->columnCount(), 11);
  ASSERT_EQ(grid->rowCount(), 9);
  EXPECT_EQ(platform::Cell(grid, 0, 0), QString::fromUtf8("Średnica przewodu rurowego"));
  for (int n = 0; n < 5; ++n) {
    EXPECT_EQ(platform::Cell(grid, 2 * n + 1, 0), QString::fromUtf8("Grubość [mm]"));
    EXPECT_EQ(platform::Cell(grid, 2 * n + 2, 0), QString::fromUtf8("Cena zł"));
  }
  const QStringList diameters = {"10", "12", "15", "18", "22", "28", "30", "35"};
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(platform::Cell(grid, 0, k), diameters[k - 1]);
    for (int col = 1; col <= 10; ++col) EXPECT_EQ(platform::Cell(grid, col, k), "");
  }
  // Titles are not typed over; the value cells are.
  EXPECT_FALSE(grid->item(0, 3)->flags() & Qt::ItemIsEditable);
  EXPECT_FALSE(grid->item(4, 0)->flags() & Qt::ItemIsEditable);
  EXPECT_TRUE(grid->item(4, 3)->flags() & Qt::ItemIsEditable);
  EXPECT_NE(dynamic_cast<GridCellDelegate*>(grid->itemDelegate()), nullptr);
  EXPECT_EQ(grid->rowHeight(0), 40);
  EXPECT_EQ(grid->columnWidth(0), 64);
  EXPECT_EQ(editor.XMLGrubosci.FileName(), "Dane/grubosci.xml");
  EXPECT_FALSE(editor.XMLGrubosci.IsLoaded());
  EXPECT_EQ(editor.FreeEditing, 1);
}

TEST_F(EditorCreationTest, LocationGridTitlesTheMonthsAndQuantities) {
  TWinAddMiasta editor;
  QTableWidget* grid = editor.ui().DaneMiasta;
  ASSERT_EQ(grid->columnCount(), 4);
  ASSERT_EQ(grid->rowCount(), 13);
  const QStringList headings = {
      QString::fromUtf8("Miesiąc"), QString::fromUtf8("Nasłonecznienie w [kWh/m2]"),
      "Temperatura w [C]", QString::fromUtf8("Usłonecznienie w godzinach")};
  const int widths[4] = {70, 160, 120, 140};
  for (int col = 0; col < 4; ++col) {
    EXPECT_EQ(platform::Cell(grid, col, 0), headings[col]);
    EXPECT_EQ(grid->columnWidth(col), widths[col]);
  }
  for (int month = 1; month <= 12; ++month)
    EXPECT_EQ(platform::Cell(grid, 0, month), MonthNames[month - 1]);
  EXPECT_EQ(platform::Cell(grid, 0, 1), QString::fromUtf8("Styczeń"));
  EXPECT_EQ(grid->rowHeight(0), 28);  // two lines of a heading
  EXPECT_NE(dynamic_cast<GridCellDelegate*>(grid->itemDelegate()), nullptr);
}

TEST_F(EditorCreationTest, ThicknessWindowOffersKindsDiametersAndThicknesses) {
  TWinGrubosci window;
  EXPECT_EQ(Items(window.ui().ComboBox1), (QStringList{"Kauflex 13", "Moja izolacja"}));
  EXPECT_EQ(Items(window.ui().ComboBox3),
            (QStringList{"10", "12", "15", "18", "22", "28", "30", "35"}));
  EXPECT_EQ(Items(window.ui().ComboBox2),
            (QStringList{"13", "15", "19", "20", "25", "30", "32", "35", "40"}));
  for (QComboBox* combo : {window.ui().ComboBox1, window.ui().ComboBox2, window.ui().ComboBox3})
    EXPECT_EQ(combo->currentIndex(), 0);
  EXPECT_EQ(window.FieldNames, (std::vector<std::string>{"idPrzewodu", "idIzolacja", "srednica",
                                                         "zakresGrubosci", "cena", "flaga"}));
  EXPECT_TRUE(window.RowBuffer.empty());
}

}  // namespace
