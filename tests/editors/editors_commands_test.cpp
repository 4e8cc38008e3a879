// The editors' commands: add, change, delete, show and clear, as the shared frame carries them out
// for each finished editor, with the file, the main window's table and the list kept equal.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QtTest/QTest>
#include <cstdint>
#include <functional>
#include <memory>

#include "catalogue_records.h"
#include "catalogue_set.h"
#include "editors/AddKolektor.h"
#include "editors/AddKonstrukcja.h"
#include "editors/AddLokalizacja.h"
#include "editors/AddNaczynie.h"
#include "editors/AddPompa.h"
#include "editors/AddProducent.h"
#include "editors/AddSterownik.h"
#include "editors/AddZasobnik.h"
#include "file_size_limit.h"
#include "main/izolacja.h"
#include "main/lokalizacja.h"
#include "main/vindargast.h"
#include "platform/cellgrid_qt.h"
#include "recording_dialogs.h"

namespace {

using catalogue_records::Bytes;
using catalogue_records::Records;
using catalogue_records::Row;

// One finished editor: how to make it, find its controls and fill its fields.
struct EditorCase {
  const char* name;
  const char* file;
  CCatalogueTable CCatalogues::*table;
  std::function<std::unique_ptr<CatalogueEditorFrame>()> create;
  const char* list;
  const char* add;
  const char* change;
  const char* remove;
  const char* clear;
  const char* emptied;  // a required field the missing-field tests empty
  // Fills every field; the optional ones (web page, description...) stay empty.
  std::function<void(CatalogueEditorFrame&)> fillRequired;
  Row required;  // columns 1 .. the last required one, as filled
  int optionalColumns;
  std::function<void(const std::string&)> setModelInUse;
  const char* vendorDeleteText;
  const char* vendorChangeText = "Nie można edytować urządzeń pobranych z bazy";
  const char* question = "Czy na pewno chcesz usunąć\nwybrany sprzęt z programu ?";
  bool device = true;  // counted in DeviceCount, sets the catalogues-changed flag
};

// An editor with its widgets built, as the user finds it opened.
template <class Editor>
std::unique_ptr<CatalogueEditorFrame> Opened() {
  auto editor = std::make_unique<Editor>();
  editor->BuildWidgets();
  return editor;
}

void EmptyField(CatalogueEditorFrame& editor, const char* name) {
  if (auto* combo = editor.findChild<QComboBox*>(name)) combo->setEditText("");
  if (auto* edit = editor.findChild<QLineEdit*>(name)) edit->clear();
}

template <class Editor>
Editor& As(CatalogueEditorFrame& frame) {
  return static_cast<Editor&>(frame);
}

void FillTank(TWinAddZasobnik& editor, const char* capacity, const char* height,
              const char* diameter, const char* insulation) {
  auto& ui = editor.ui;
  ui().ComboBox1->setEditText("Kalorynka");
  ui().Edit2->setText(QString::fromUtf8("Zasobnik Ś-300"));
  ui().Edit3->setText("biwalentny");
  ui().Edit4->setText(capacity);
  ui().Edit5->setText("12");
  ui().Edit6->setText("8.5");
  ui().Edit7->setText("95");
  ui().Edit8->setText("10");
  ui().Edit9->setText(height);
  ui().Edit10->setText(diameter);
  ui().Edit11->setText(insulation);
  ui().Edit12->setText("2999");
}

void FillCollector(TWinAddKolektor& editor, const char* k1, const char* k2,
                   const char* efficiency) {
  auto& ui = editor.ui;
  ui().ComboBox1->setEditText("Kalorynka");
  ui().Edit2->setText("płaski");
  ui().Edit3->setText(QString::fromUtf8("Kolektor Ź-2"));
  ui().Edit4->setText(k1);
  ui().Edit5->setText(k2);
  ui().Edit6->setText(efficiency);
  ui().Edit7->setText("40");
  ui().Edit8->setText("3.5");
  ui().Edit9->setText("1.7");
  ui().Edit10->setText("2.3");
  ui().Edit11->setText("1450");
}

// The location's name, the three monthly quantities (month m in grid row m) and the latitude:
// insolation 101.5 to 112.5, air temperatures -6.5 to 5.5, sunshine hours 301.5 to 312.5.
Row LocationValues() {
  Row values{"Łomianki"};
  for (int quantity = 1; quantity <= 3; ++quantity)
    for (int month = 1; month <= 12; ++month)
      values.push_back(std::to_string(quantity == 2 ? month - 7 : quantity * 100 + month) + ".5");
  values.push_back("52.3");
  return values;
}

void FillLocation(TWinAddMiasta& editor) {
  const Row values = LocationValues();
  editor.ui().Edit1->setText(QString::fromStdString(values[0]));
  for (int quantity = 1; quantity <= 3; ++quantity)
    for (int month = 1; month <= 12; ++month)
      platform::SetCell(editor.ui().DaneMiasta, quantity, month,
                        values[size_t(12 * (quantity - 1) + month)]);
  editor.ui().Edit2->setText(QString::fromStdString(values[37]));
}

std::vector<EditorCase> Editors() {
  return {
      {"pompa",
       "Dane/pompy.xml",
       &CCatalogues::PumpCatalogue,
       Opened<TWinAddPompa>,
       "LstPompa",
       "BitBtn1",
       "BitBtn3",
       "BitBtn4",
       "BitBtn5",
       "ComboBox1",
       [](CatalogueEditorFrame& frame) {
         auto& ui = As<TWinAddPompa>(frame).ui;
         ui().ComboBox1->setEditText("Kalorynka");
         ui().Edit2->setText(QString::fromUtf8("Pompa Ż-6"));
         ui().Edit3->setText("6.5");
         ui().Edit4->setText("2");
         ui().Edit5->setText("6");
         ui().Edit6->setText("300-2400");
         ui().Edit7->setText("799");
       },
       {"Kalorynka", "Pompa Ż-6", "6.5", "2", "6", "300-2400", "799"},
       3,
       [](const std::string& model) { Engine.SelectedPump->Model = model; },
       "Nie można usuwać urzadzeń producentów pobranych z bazy"},
      {"miasta", "Dane/miasta.xml", &CCatalogues::CityCatalogue, Opened<TWinAddMiasta>, "LstMiasta",
       "BitBtn2", "BitBtn3", "BitBtn1", nullptr, "Edit2",
       [](CatalogueEditorFrame& frame) { FillLocation(As<TWinAddMiasta>(frame)); },
       LocationValues(), 0,
       nullptr,  // the location in use is the location window's (its own test)
       "Nie można usuwać urządzeń producentów pobranych z bazy",
       "Nie można edytować miejscowości pobranych z bazy",
       "Czy na pewno chcesz usunąć\nwybrany sprzęt z programu ?", false},
      {"naczynie",
       "Dane/naczynie.xml",
       &CCatalogues::VesselCatalogue,
       Opened<TWinAddNaczynie>,
       "LstNaczynie",
       "BitBtn1",
       "BitBtn3",
       "BitBtn4",
       "BitBtn5",
       "ComboBox1",
       [](CatalogueEditorFrame& frame) {
         auto& ui = As<TWinAddNaczynie>(frame).ui;
         ui().ComboBox1->setEditText("Kalorynka");
         ui().Edit2->setText(QString::fromUtf8("Naczynie Ł-25"));
         ui().Edit3->setText("110");
         ui().Edit4->setText("8");
         ui().Edit5->setText("1.5");
         ui().Edit6->setText("25");
         ui().Edit7->setText("199.99");
       },
       {"Kalorynka", "Naczynie Ł-25", "110", "8", "1.5", "25", "199.99"},
       2,
       [](const std::string& model) { Engine.SelectedVessel->Model = model; },
       "Nie można usuwać urządzeń producentów pobranych z bazy"},
      {"sterownik",
       "Dane/sterownik.xml",
       &CCatalogues::ControllerCatalogue,
       Opened<TWinAddSterownik>,
       "LstSterownik",
       "BitBtn1",
       "BitBtn4",
       "BitBtn3",
       "BitBtn5",
       "ComboBox4",
       [](CatalogueEditorFrame& frame) {
         auto& ui = As<TWinAddSterownik>(frame).ui;
         ui().ComboBox4->setEditText("Kalorynka");
         ui().Edit2->setText("2");
         ui().ComboBox2->setEditText("Nie");
         ui().Edit3->setText("4");
         ui().Edit4->setText("2");
         ui().Edit5->setText("3");
         ui().Edit6->setText("PT1000");
         ui().Edit7->setText(QString::fromUtf8("Sterownik Ż-7"));
         ui().Edit8->setText("450");
       },
       {"Kalorynka", "2", "Tak", "Nie", "Tak", "4", "2", "3", "PT1000", "Sterownik Ż-7", "450"},
       2,
       [](const std::string& model) { Engine.SelectedController->Model = model; },
       "Nie można usuwać urzadzeń producentów pobranych z bazy"},
      {"zasobnik",
       "Dane/zasobnik.xml",
       &CCatalogues::TankCatalogue,
       Opened<TWinAddZasobnik>,
       "ListBoxZasobnik",
       "BitBtnDodaj",
       "BitBtn4",
       "BitDelete",
       "BitBtn3",
       "ComboBox1",
       [](CatalogueEditorFrame& frame) {
         FillTank(As<TWinAddZasobnik>(frame), "300", "1500", "600", "50");
       },
       {"Kalorynka", "Zasobnik Ś-300", "biwalentny", "300", "12", "8.5", "95", "10", "1500", "600",
        "50", "2999"},
       2,
       [](const std::string& model) { Engine.SelectedTank->Model = model; },
       "Nie można usuwać urzadzeń producentów pobranych z bazy"},
      {"kolektor",
       "Dane/kolektor.xml",
       &CCatalogues::CollectorCatalogue,
       Opened<TWinAddKolektor>,
       "LstKolektory",
       "BitBtn1",
       "BitBtn3",
       "BtnDelete",
       "BitBtn4",
       "ComboBox1",
       [](CatalogueEditorFrame& frame) {
         FillCollector(As<TWinAddKolektor>(frame), "3.9", "0.014", "79");
       },
       {"Kalorynka", "płaski", "Kolektor Ź-2", "3.9", "0.014", "79", "40", "3.5", "1.7", "2.3",
        "1450"},
       4,
       [](const std::string& model) { Engine.SelectedCollector->Model = model; },
       "Nie można usuwać urzadzeń producentów pobranych z bazy"},
      {"konstrukcja",
       "Dane/konstrukcje.xml",
       &CCatalogues::StructureCatalogue,
       Opened<TWinAddKonstrukcja>,
       "LstKonstrukcja",
       "BitBtn2",
       "BitBtn3",
       "BitBtn5",
       "BitBtn1",
       "ComboBox2",
       [](CatalogueEditorFrame& frame) {
         auto& ui = As<TWinAddKonstrukcja>(frame).ui;
         ui().ComboBox1->setEditText("Kalorynka");
         ui().Edit1->setText(QString::fromUtf8("Rama Ą-2"));
         ui().Edit2->setText("2");
         ui().Edit3->setText("płaski");
         ui().Edit4->setText("45");
         ui().Edit5->setText("2.5");
         ui().Edit6->setText("dachówka");
         ui().Edit7->setText("800");
       },
       {"Kalorynka", "Rama Ą-2", "2", "płaski", "45", "2.5", "Tak", "dachówka", "800"},
       2,
       [](const std::string& model) { Engine.SelectedStructure->Model = model; },
       "Nie można usuwać urzadzeń producentów pobranych z bazy"},
      {"producent",
       "Dane/producenci.xml",
       &CCatalogues::ProducerCatalogue,
       Opened<TWinAddProducent>,
       "LstProducent",
       "BitBtn1",
       "BitBtn2",
       "BitBtn4",
       "BitBtn5",
       "Edit2",
       [](CatalogueEditorFrame& frame) {
         auto& ui = As<TWinAddProducent>(frame).ui;
         ui().Edit1->setText(QString::fromUtf8("Słoneczny Łan"));
         ui().Edit2->setText("https://lan.example");
         ui().Opis->clear();
       },
       {"Słoneczny Łan", "https://lan.example"},
       1,
       nullptr,
       "Nie można usuwać producentów pobranych z bazy",
       "Nie można edytować producentów pobranych z bazy",
       "Czy na pewno chcesz usunąć\ndane producenta z programu ?",
       false},
  };
}

EditorCase Case(const std::string& name) {
  for (const EditorCase& c : Editors())
    if (c.name == name) return c;
  throw std::logic_error("no editor case " + name);
}

class EditorCommandsTest : public CatalogueSetTest {
 protected:
  QPushButton* Button(CatalogueEditorFrame& editor, const char* name) {
    auto* button = editor.findChild<QPushButton*>(name);
    EXPECT_NE(button, nullptr) << name;
    return button;
  }
  QListWidget* List(CatalogueEditorFrame& editor, const EditorCase& c) {
    return editor.findChild<QListWidget*>(c.list);
  }
  void Select(CatalogueEditorFrame& editor, const EditorCase& c, int row) {
    List(editor, c)->setCurrentRow(row);
  }
  // Runs the check on a fresh editor of each finished catalogue, with the file's bytes kept.
  void ForEachEditor(const std::function<void(const EditorCase&, CatalogueEditorFrame*)>& check) {
    for (const EditorCase& c : Editors()) {
      SCOPED_TRACE(c.name);
      std::unique_ptr<CatalogueEditorFrame> editor = c.create();
      Snapshot(c);
      check(c, editor.get());
    }
  }

  // Keeps the file's bytes, which a refused or failed command must leave as they are.
  void Snapshot(const EditorCase& c) { before_ = Bytes(dir_.File(c.file)); }
  bool FileUnchanged(const EditorCase& c) const { return Bytes(dir_.File(c.file)) == before_; }
  std::string before_;

  static Row Expected(const EditorCase& c, const std::string& id) {
    Row row{id};
    row.insert(row.end(), c.required.begin(), c.required.end());
    for (int k = 0; k < c.optionalColumns; ++k) row.push_back("brak");
    row.push_back("0");
    return row;
  }
};

const QString kInUse = QString::fromUtf8(
    "Nie można usunąć tego modelu ponieważ \njest on obecnie ustawiony w programie.\nAby usunąć "
    "ten model należy ustawić inny model w programie.");
const QString kMissing =
    QString::fromUtf8("Nie wypełniono wszystkich pól.\nProszę uzupełnić brakujące pola");

TEST_F(EditorCommandsTest, AddWritesTheNextIdAndEveryColumnAndReloadsTheTable) {
  for (const EditorCase& c : Editors()) {
    SCOPED_TRACE(c.name);
    CCatalogueTable& table = Form1->*c.table;
    const int columns = table.ColumnCount;
    // Ids are not filled into gaps: the new row gets the largest + 1.
    dir_.Write(c.file, catalogue_set::CatalogueXml(
                           "katalog", {catalogue_set::Record(columns, 3, "1", {{2, "A"}}),
                                       catalogue_set::Record(columns, 7, "0", {{2, "B"}}),
                                       catalogue_set::Record(columns, 5, "0", {{2, "C"}})}));
    std::unique_ptr<CatalogueEditorFrame> editor = c.create();
    const int devices = Form1->DeviceCount;
    Engine.CataloguesChanged = 0;
    c.fillRequired(*editor);

    Button(*editor, c.add)->click();

    const std::vector<Row> records = Records(dir_.File(c.file));
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records.back(), Expected(c, "8"));
    ASSERT_EQ(table.RowCount, 4);
    EXPECT_EQ(table.Rows.back(), Expected(c, "8"));
    EXPECT_EQ(Form1->DeviceCount, devices + (c.device ? 1 : 0));
    EXPECT_EQ(Engine.CataloguesChanged, c.device ? 1 : 0);
    EXPECT_FALSE(editor->Document.IsLoaded()) << "no tree is held between commands";
    EXPECT_EQ(List(*editor, c)->count(), 4);
    EXPECT_TRUE(editor->RowBuffer.empty());

    // The fields keep their texts: a second add gives an equal row with the following id.
    Button(*editor, c.add)->click();
    EXPECT_EQ(Records(dir_.File(c.file)).back(), Expected(c, "9"));
    EXPECT_EQ(table.RowCount, 5);
  }
}

TEST_F(EditorCommandsTest, AddWithAnEmptyRequiredFieldIsRefusedAndWritesNothing) {
  for (const EditorCase& c : Editors()) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<CatalogueEditorFrame> editor = c.create();
    c.fillRequired(*editor);
    EmptyField(*editor, c.emptied);
    Snapshot(c);
    dialogs.ExpectBox(QString::fromUtf8("Ostrzeżenie"), kMissing, platform::Icon::Warning);
    Button(*editor, c.add)->click();
    EXPECT_TRUE(FileUnchanged(c));
    EXPECT_TRUE(editor->RowBuffer.empty());
  }
}

TEST_F(EditorCommandsTest, AddIsRefusedWhenNoIdIsLeft) {
  for (const EditorCase& c : Editors()) {
    SCOPED_TRACE(c.name);
    const int columns = (Form1->*c.table).ColumnCount;
    dir_.Write(c.file, catalogue_set::CatalogueXml(
                           "katalog", {catalogue_set::Record(columns, INT32_MAX, "0", {})}));
    std::unique_ptr<CatalogueEditorFrame> editor = c.create();
    c.fillRequired(*editor);
    Snapshot(c);
    const std::string base = std::string(c.file).substr(5);
    dialogs.ExpectBox("Uwaga",
                      QString::fromUtf8("Nie można dodać nowego rekordu: w pliku %1 wyczerpano "
                                        "numery identyfikatorów.")
                          .arg(QString::fromStdString(base)),
                      platform::Icon::Warning);
    Button(*editor, c.add)->click();
    EXPECT_TRUE(FileUnchanged(c));
    EXPECT_EQ(List(*editor, c)->count(), 1);
  }
}

TEST_F(EditorCommandsTest, VendorRowsCanBeNeitherChangedNorDeleted) {
  ForEachEditor([&](const EditorCase& c, CatalogueEditorFrame* editor) {
    const CatalogueRows rows = (Form1->*c.table).Rows;
    const int devices = Form1->DeviceCount;
    c.fillRequired(*editor);
    Select(*editor, c, 0);

    dialogs.ExpectBox("Uwaga", QString::fromUtf8(c.vendorChangeText), platform::Icon::None);
    Button(*editor, c.change)->click();
    dialogs.ExpectBox("Pytanie", QString::fromUtf8(c.question), platform::Icon::Question,
                      platform::Buttons::YesNo, platform::Answer::Yes);
    dialogs.ExpectBox("Uwaga", QString::fromUtf8(c.vendorDeleteText), platform::Icon::Warning);
    Button(*editor, c.remove)->click();

    EXPECT_TRUE(FileUnchanged(c));
    EXPECT_EQ((Form1->*c.table).Rows, rows);
    EXPECT_EQ(Form1->DeviceCount, devices);
    EXPECT_EQ(List(*editor, c)->count(), 2);
  });
}

TEST_F(EditorCommandsTest, TheDeviceInUseIsNotDeletedAndNoQuestionIsAsked) {
  for (const EditorCase& c : Editors()) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<CatalogueEditorFrame> editor = c.create();
    if (!c.setModelInUse) continue;  // a catalogue without a record in use
    c.setModelInUse(List(*editor, c)->item(1)->text().toStdString());
    Snapshot(c);
    Select(*editor, c, 1);
    dialogs.ExpectBox("Uwaga", kInUse, platform::Icon::Warning);
    Button(*editor, c.remove)->click();
    EXPECT_TRUE(FileUnchanged(c));
    EXPECT_EQ(List(*editor, c)->count(), 2);
  }
}

TEST_F(EditorCommandsTest, DeleteOfAUserRowAsksAndRemovesItEverywhereOnlyOnYes) {
  ForEachEditor([&](const EditorCase& c, CatalogueEditorFrame* editor) {
    const int devices = Form1->DeviceCount;
    Select(*editor, c, 1);
    const QString question = QString::fromUtf8(c.question);

    dialogs.ExpectBox("Pytanie", question, platform::Icon::Question, platform::Buttons::YesNo,
                      platform::Answer::No);
    Button(*editor, c.remove)->click();
    EXPECT_TRUE(FileUnchanged(c));
    EXPECT_EQ(Form1->DeviceCount, devices);

    Engine.CataloguesChanged = 0;
    dialogs.ExpectBox("Pytanie", question, platform::Icon::Question, platform::Buttons::YesNo,
                      platform::Answer::Yes);
    Button(*editor, c.remove)->click();
    const std::vector<Row> records = Records(dir_.File(c.file));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0][0], "1");
    EXPECT_EQ((Form1->*c.table).RowCount, 1);
    EXPECT_EQ((Form1->*c.table).Rows.size(), 1u);
    EXPECT_EQ(List(*editor, c)->count(), 1);
    EXPECT_FALSE(editor->Document.IsLoaded()) << "no tree is held between commands";
    EXPECT_EQ(Form1->DeviceCount, devices - (c.device ? 1 : 0));
    EXPECT_EQ(Engine.CataloguesChanged, c.device ? 1 : 0);
  });
}

// After a delete the fields show no record that is gone. Deleting another record keeps the shown
// one and selects it again, so that "Zmień" writes over it; deleting the shown one empties its
// fields (a Tak/Nie choice keeps its answer), selects nothing, and "Zmień" then writes nothing.
TEST_F(EditorCommandsTest, AfterADeleteTheFieldsShowNoRecordThatIsGone) {
  for (const EditorCase& c : Editors()) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<CatalogueEditorFrame> editor = c.create();
    QListWidget* list = List(*editor, c);
    const auto answerYes = [&] {
      dialogs.ExpectBox("Pytanie", QString::fromUtf8(c.question), platform::Icon::Question,
                        platform::Buttons::YesNo, platform::Answer::Yes);
    };
    c.fillRequired(*editor);
    Button(*editor, c.add)->click();  // id 3
    ASSERT_EQ(list->count(), 3);
    Select(*editor, c, 1);
    editor->ShowRow(1);  // id 2
    const QString shown = list->item(1)->text();

    Select(*editor, c, 2);
    answerYes();
    Button(*editor, c.remove)->click();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(list->item(1)->text(), shown);
    c.fillRequired(*editor);
    Button(*editor, c.change)->click();
    const size_t listed = size_t(editor->Frame().listColumn);
    const Row changed = Records(dir_.File(c.file))[1];
    EXPECT_EQ(changed[0], "2");
    EXPECT_EQ(changed[listed], Expected(c, "2")[listed]);

    Select(*editor, c, 1);
    answerYes();
    Button(*editor, c.remove)->click();
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->currentRow(), -1);
    for (const QLineEdit* edit : editor->findChildren<QLineEdit*>(QRegularExpression("^Edit")))
      EXPECT_EQ(edit->text(), "") << edit->objectName().toStdString();
    for (const QPlainTextEdit* memo : editor->findChildren<QPlainTextEdit*>())
      EXPECT_EQ(memo->toPlainText(), "") << memo->objectName().toStdString();
    for (const QComboBox* combo : editor->findChildren<QComboBox*>()) {
      const bool choice = combo->findText("Tak") >= 0;
      EXPECT_EQ(combo->currentText().isEmpty(), !choice) << combo->objectName().toStdString();
    }
    for (const QTableWidget* grid : editor->findChildren<QTableWidget*>())
      for (int row = 1; row < grid->rowCount(); ++row)
        for (int col = 1; col < grid->columnCount(); ++col)
          EXPECT_EQ(platform::Cell(grid, col, row), "") << col << ", " << row;
    Snapshot(c);
    c.fillRequired(*editor);
    Button(*editor, c.change)->click();
    EXPECT_TRUE(FileUnchanged(c));
    EXPECT_EQ(list->count(), 1);
  }
}

// "Zmień" writes the fields into the file and the table, and the list shows the changed record.
TEST_F(EditorCommandsTest, ChangeWritesTheFieldsIntoTheFileTheTableAndTheList) {
  for (const EditorCase& c : Editors()) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<CatalogueEditorFrame> editor = c.create();
    c.fillRequired(*editor);
    Select(*editor, c, 1);
    Button(*editor, c.change)->click();

    const Row expected = Expected(c, "2");
    EXPECT_EQ(Records(dir_.File(c.file))[1], expected);
    EXPECT_EQ((Form1->*c.table).Rows[1], expected);
    const int listColumn = editor->Frame().listColumn;
    EXPECT_EQ(List(*editor, c)->item(1)->text().toStdString(), expected[size_t(listColumn)]);
    EXPECT_EQ(List(*editor, c)->currentRow(), 1);
    EXPECT_TRUE(editor->RowBuffer.empty());

    // An empty required field refuses the change.
    EmptyField(*editor, c.emptied);
    Snapshot(c);
    dialogs.ExpectBox(QString::fromUtf8("Ostrzeżenie"), kMissing, platform::Icon::Warning);
    Button(*editor, c.change)->click();
    EXPECT_TRUE(FileUnchanged(c));
  }
}

// A save that fails (the disk refuses the write) leaves the file byte for byte, the table and the
// list as they were, and is reported in the error box.
TEST_F(EditorCommandsTest, AFailedSaveLeavesTheFileAndIsReported) {
  ForEachEditor([&](const EditorCase& c, CatalogueEditorFrame* editor) {
    const CatalogueRows rows = (Form1->*c.table).Rows;
    const int devices = Form1->DeviceCount;
    c.fillRequired(*editor);
    RecordingDialogs recorded;  // the error's text is the writer's own
    {
      FileSizeLimit limit(64);
      Button(*editor, c.add)->click();
      Select(*editor, c, 1);
      Button(*editor, c.change)->click();
    }
    ASSERT_EQ(recorded.boxes.size(), 2u);
    for (const platform::BoxRequest& box : recorded.boxes) {
      EXPECT_EQ(box.title, "Vindargast");
      EXPECT_EQ(box.icon, platform::Icon::Stop);
    }
    EXPECT_TRUE(FileUnchanged(c));
    EXPECT_EQ((Form1->*c.table).Rows, rows);
    EXPECT_EQ(Form1->DeviceCount, devices);
    EXPECT_EQ(List(*editor, c)->count(), 2);
    EXPECT_FALSE(editor->Document.IsLoaded()) << "no tree is held between commands";
    EXPECT_TRUE(editor->RowBuffer.empty());
  });
}

TEST_F(EditorCommandsTest, ShowLoadsTheRowAndClearEmptiesTheFields) {
  for (const EditorCase& c : Editors()) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<CatalogueEditorFrame> editor = c.create();
    c.fillRequired(*editor);
    Button(*editor, c.add)->click();
    const int added = List(*editor, c)->count() - 1;
    if (c.clear) {  // an editor without "Wyczyść" is shown over its fields
      Button(*editor, c.clear)->click();
      for (QLineEdit* edit : editor->findChildren<QLineEdit*>()) {
        if (edit->objectName().startsWith("Edit")) {
          EXPECT_EQ(edit->text(), "") << edit->objectName().toStdString();
        }
      }
    }
    editor->ShowRow(added);
    // Shown and added again, the row reads back the same, "brak" included.
    Button(*editor, c.add)->click();
    Row again = Records(dir_.File(c.file)).back();
    again[0] = "";
    EXPECT_EQ(again, Expected(c, ""));

    const std::string base = std::string(c.file).substr(5);
    dialogs.ExpectBox(
        "UWAGA", QString::fromUtf8("Nie udało się wczytać pliku ") + QString::fromStdString(base),
        platform::Icon::Warning);
    editor->ShowRow(-1);
  }
}

// The editor keeps no copy of its file between commands: a record is shown as the file holds it
// when asked, and a file that went bad meanwhile, or a record cut short, is reported.
TEST_F(EditorCommandsTest, ShowReadsTheFileAsItIsNow) {
  for (const EditorCase& c : Editors()) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<CatalogueEditorFrame> editor = c.create();
    const std::string base = std::string(c.file).substr(5);
    const QString failed =
        QString::fromUtf8("Nie udało się wczytać pliku ") + QString::fromStdString(base);
    const std::string original = Bytes(dir_.File(c.file));
    for (const char* damaged : {"<katalog><row><field>1</field>", "<katalog><row/></katalog>"}) {
      SCOPED_TRACE(damaged);
      dir_.Write(c.file, damaged);
      dialogs.ExpectBox("UWAGA", failed, platform::Icon::Warning);
      editor->ShowRow(0);
    }
    dir_.Write(c.file, original);
    editor->ShowRow(1);
    EXPECT_FALSE(editor->Document.IsLoaded());
  }
}

TEST_F(EditorCommandsTest, VesselValueEditsTakeOnlyDecimalKeys) {
  TWinAddNaczynie editor;
  for (QLineEdit* edit : {editor.ui().Edit3, editor.ui().Edit4, editor.ui().Edit5,
                          editor.ui().Edit6, editor.ui().Edit7}) {
    QTest::keyClicks(edit, "1,5x.2");
    EXPECT_EQ(edit->text(), "1.5.2") << edit->objectName().toStdString();
  }
  QTest::keyClicks(editor.ui().Edit2, "A,b");
  EXPECT_EQ(editor.ui().Edit2->text(), "A,b");
}

TEST_F(EditorCommandsTest, VesselProducerChoiceFillsWebPageAndDescription) {
  TWinAddNaczynie editor;
  editor.ProducerSelected(0);
  EXPECT_EQ(editor.ui().Edit8->text(), "https://www.promienny-dom.example");
  EXPECT_EQ(editor.ui().Opis->toPlainText(), "Kolektory");
}

// An emptied Tak/Nie choice is a missing field like an empty edit.
TEST_F(EditorCommandsTest, ControllerWithAnEmptiedChoiceIsRefused) {
  TWinAddSterownik editor;
  const std::string before = Bytes(dir_.File("Dane/sterownik.xml"));
  for (QComboBox* choice : {editor.ui().ComboBox1, editor.ui().ComboBox2, editor.ui().ComboBox3}) {
    Case("sterownik").fillRequired(editor);
    choice->setEditText("");
    dialogs.ExpectBox(QString::fromUtf8("Ostrzeżenie"), kMissing, platform::Icon::Warning);
    editor.ui().BitBtn1->click();
    choice->setCurrentIndex(0);
  }
  EXPECT_EQ(Bytes(dir_.File("Dane/sterownik.xml")), before);
}

// The tank's dimension checks, in their order, with equality at each bound.
TEST_F(EditorCommandsTest, TankDimensionChecks) {
  const QString insulation = QString::fromUtf8(
      "Grubość izolacji musi być dwa razy mniejsza od wysokości oraz średnicy Zasobnika !");
  const QString capacity = QString::fromUtf8(
      "Nieprawidłowa pojemność lub wymiary zasobnika (wymiary należy podawać w milimetrach a "
      "pojemność w litrach)!");
  struct Case {
    const char *capacity, *height, *diameter, *insulation;
    const QString* message;  // null: written
  } cases[] = {
      {"200", "1000", "500", "250", nullptr},     {"200", "1000", "500", "251", &insulation},
      {"200", "400", "500", "250", &insulation},  {"249", "1000", "500", "10", nullptr},
      {"250", "1000", "500", "10", &capacity},    {"200", "1", "0.5", "0.05", &capacity},
      {"900", "1000", "500", "300", &insulation},  // both fail: only the first message
  };
  const std::string file = dir_.File("Dane/zasobnik.xml");
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.capacity) + " " + c.height + " " + c.diameter + " " + c.insulation);
    TWinAddZasobnik editor;
    FillTank(editor, c.capacity, c.height, c.diameter, c.insulation);
    const size_t records = Records(file).size();
    const std::string before = Bytes(file);
    if (c.message) {
      dialogs.ExpectBox(QString::fromUtf8("Ostrzeżenie"), *c.message, platform::Icon::Warning);
      editor.ui().BitBtnDodaj->click();
      EXPECT_EQ(Bytes(file), before);
      // A change that fails the check leaves the record as it was.
      editor.ui().ListBoxZasobnik->setCurrentRow(1);
      dialogs.ExpectBox(QString::fromUtf8("Ostrzeżenie"), *c.message, platform::Icon::Warning);
      editor.ui().BitBtn4->click();
      EXPECT_EQ(Bytes(file), before);
    } else {
      editor.ui().BitBtnDodaj->click();
      EXPECT_EQ(Records(file).size(), records + 1);
    }
  }
}

// Each opening empties the fields; what each editor keeps between openings stays.
TEST_F(EditorCommandsTest, ShowingTheWindowAgainEmptiesTheFields) {
  TWinAddNaczynie vessel;
  Case("naczynie").fillRequired(vessel);
  vessel.ui().Edit8->setText("https://a.example");
  vessel.ui().Opis->setPlainText("opis");
  vessel.show();
  for (QLineEdit* edit : vessel.findChildren<QLineEdit*>())
    if (edit->objectName().startsWith("Edit")) {
      EXPECT_EQ(edit->text(), "");
    }
  EXPECT_EQ(vessel.ui().Opis->toPlainText(), "");
  EXPECT_EQ(vessel.ui().ComboBox1->count(), 2);

  TWinAddSterownik controller;
  Case("sterownik").fillRequired(controller);
  controller.ui().Edit9->setText("https://b.example");
  controller.show();
  EXPECT_EQ(controller.ui().Edit2->text(), "");
  EXPECT_EQ(controller.ui().Edit9->text(), "https://b.example");
  EXPECT_EQ(controller.ui().ComboBox2->currentText(), "Nie");

  TWinAddZasobnik tank;
  tank.ui().Opis->setPlainText("opis");
  tank.ui().Edit13->setText("https://c.example");
  tank.show();
  EXPECT_EQ(tank.ui().Edit13->text(), "");
  EXPECT_EQ(tank.ui().Opis->toPlainText(), "opis");
}

// An empty grid cell is a missing field; the location chosen in the location window is in use.
TEST_F(EditorCommandsTest, LocationGridCellsAreRequiredAndTheChosenLocationStays) {
  TWinAddMiasta editor;
  FillLocation(editor);
  platform::SetCell(editor.ui().DaneMiasta, 3, 12, "");
  const std::string before = Bytes(dir_.File("Dane/miasta.xml"));
  dialogs.ExpectBox(QString::fromUtf8("Ostrzeżenie"), kMissing, platform::Icon::Warning);
  editor.ui().BitBtn2->click();
  EXPECT_EQ(Bytes(dir_.File("Dane/miasta.xml")), before);

  TWinLokalizacja location;
  WinLokalizacja = &location;
  struct Unset {
    ~Unset() { WinLokalizacja = nullptr; }
  } unset;
  location.ui().ComboWyborLokalizacji->setEditText("Testowo");
  if (location.ui().ComboWyborLokalizacji->currentText() != "Testowo")
    location.ui().ComboWyborLokalizacji->setCurrentText("Testowo");
  ASSERT_EQ(location.ui().ComboWyborLokalizacji->currentText(), "Testowo");
  editor.ui().LstMiasta->setCurrentRow(1);
  dialogs.ExpectBox("Uwaga",
                    QString::fromUtf8("Nie można usunąć tej miejscowości ponieważ \njest ona "
                                      "obecnie ustawiona w programie.\nAby ją usunąć należy "
                                      "ustawić inną miejscowość w programie."),
                    platform::Icon::Warning);
  editor.ui().BitBtn1->click();
  EXPECT_EQ(Bytes(dir_.File("Dane/miasta.xml")), before);
}

// A climate that no place has is refused by "Dodaj" and "Zmień", naming the field and the month,
// and nothing is stored; a latitude is refused where the compute would refuse it.
TEST_F(EditorCommandsTest, LocationWithAClimateNoPlaceHasIsRefused) {
  const EditorCase c = Case("miasta");
  struct Refused {
    const char* name;
    int quantity;  // grid column; 0: the latitude
    int month;
    const char* typed;
    const char* message;
  };
  const Refused cases[] = {
      {"negative insolation", 1, 2, "-0.5",
       "Wartość „-0.5” w polu „Nasłonecznienie w [kWh/m2], Luty” jest ujemna: nasłonecznienie nie "
       "może być mniejsze od 0."},
      {"mean air temperature of boiling water", 2, 1, "250",
       "Wartość „250” w polu „Temperatura w [C], Styczeń” jest poza zakresem od -90 do 60 °C: "
       "żadne miejsce nie ma takiej średniej temperatury miesiąca."},
      {"mean air temperature below any measured", 2, 12, "-90.5",
       "Wartość „-90.5” w polu „Temperatura w [C], Grudzień” jest poza zakresem od -90 do 60 °C: "
       "żadne miejsce nie ma takiej średniej temperatury miesiąca."},
      {"more sunshine than July has hours", 3, 7, "900",
       "Wartość „900” w polu „Usłonecznienie w godzinach, Lipiec” jest poza zakresem od 0 do 744 "
       "godzin, jakie ma ten miesiąc."},
      {"more sunshine than a leap February has hours", 3, 2, "696.5",
       "Wartość „696.5” w polu „Usłonecznienie w godzinach, Luty” jest poza zakresem od 0 do 696 "
       "godzin, jakie ma ten miesiąc."},
      {"negative sunshine", 3, 11, "-1",
       "Wartość „-1” w polu „Usłonecznienie w godzinach, Listopad” jest poza zakresem od 0 do 720 "
       "godzin, jakie ma ten miesiąc."},
      {"latitude beyond the pole", 0, 0, "95",
       "Wartość „95” w polu „Szerokość geograficzna” jest poza zakresem metody obliczeń: w "
       "niektórych miesiącach panuje tam dzień lub noc polarna."},
      {"latitude of polar nights", 0, 0, "-70",
       "Wartość „-70” w polu „Szerokość geograficzna” jest poza zakresem metody obliczeń: w "
       "niektórych miesiącach panuje tam dzień lub noc polarna."},
  };
  const QString ending = QString::fromUtf8("\nProszę wprowadzić poprawną wartość");
  const QString latitudeEnding = QString::fromUtf8(
      "\nProszę wprowadzić szerokość geograficzną miejsca położonego bliżej równika.");
  for (const Refused& r : cases) {
    SCOPED_TRACE(r.name);
    std::unique_ptr<CatalogueEditorFrame> editor = c.create();
    TWinAddMiasta& location = As<TWinAddMiasta>(*editor);
    FillLocation(location);
    if (r.quantity == 0)
      location.ui().Edit2->setText(r.typed);
    else
      platform::SetCell(location.ui().DaneMiasta, r.quantity, r.month, r.typed);
    Snapshot(c);
    const QString message =
        QString::fromUtf8(r.message) + (r.quantity == 0 ? latitudeEnding : ending);
    dialogs.ExpectBox(QString::fromUtf8("Ostrzeżenie"), message, platform::Icon::Warning);
    location.ui().BitBtn2->click();
    Select(*editor, c, 1);
    dialogs.ExpectBox(QString::fromUtf8("Ostrzeżenie"), message, platform::Icon::Warning);
    location.ui().BitBtn3->click();
    EXPECT_EQ(dialogs.Pending(), 0u);
    EXPECT_TRUE(FileUnchanged(c));
    EXPECT_EQ(Form1->CityCatalogue.RowCount, 2);
    EXPECT_TRUE(editor->RowBuffer.empty());
    // The refused value is the one the user is taken to.
    if (r.quantity != 0) {
      EXPECT_EQ(location.ui().DaneMiasta->currentRow(), r.month);
      EXPECT_EQ(location.ui().DaneMiasta->currentColumn(), r.quantity);
    }
  }
}

// A plain winter, a southern latitude and the ends of the ranges are a climate like any other.
TEST_F(EditorCommandsTest, LocationWinterSouthAndRangeEndsAreStoredAsTyped) {
  const EditorCase c = Case("miasta");
  std::unique_ptr<CatalogueEditorFrame> editor = c.create();
  TWinAddMiasta& location = As<TWinAddMiasta>(*editor);
  FillLocation(location);
  const struct {
    int quantity, month;
    const char* typed;
  } values[] = {{2, 1, "-3.5"}, {2, 7, "60"},  {2, 12, "-90"}, {1, 12, "0"},
                {3, 2, "696"},  {3, 7, "744"}, {3, 11, "0"}};
  Row expected = LocationValues();
  for (const auto& v : values) {
    platform::SetCell(location.ui().DaneMiasta, v.quantity, v.month, v.typed);
    expected[size_t(12 * (v.quantity - 1) + v.month)] = v.typed;
  }
  location.ui().Edit2->setText("-33.9");
  expected[37] = "-33.9";
  location.ui().BitBtn2->click();
  std::vector<Row> records = Records(dir_.File(c.file));
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(Row(records.back().begin() + 1, records.back().end() - 1), expected);

  Select(*editor, c, 1);
  location.ui().Edit2->setText("66.5");
  expected[37] = "66.5";
  location.ui().BitBtn3->click();
  records = Records(dir_.File(c.file));
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(Row(records[1].begin() + 1, records[1].end() - 1), expected);
  EXPECT_EQ(dialogs.Pending(), 0u);
}

// The producer lists, from which the device editors offer producers, follow every change.
TEST_F(EditorCommandsTest, ProducerListsFollowTheProducerCatalogue) {
  TWinAddProducent editor;
  editor.ui().Edit1->setText("Nowy");
  editor.ui().Edit2->setText("https://nowy.example");
  editor.ui().BitBtn1->click();
  ASSERT_EQ(Form1->ProducerLists.size(), 3u);
  EXPECT_EQ(Form1->ProducerLists[2], (Row{"3", "Nowy", "https://nowy.example", "brak", "0"}));

  editor.ui().LstProducent->setCurrentRow(1);
  editor.ui().Edit2->setText("https://kalorynka.example/nowa");
  editor.ui().BitBtn2->click();
  EXPECT_EQ(Form1->ProducerLists[1][2], "https://kalorynka.example/nowa");
  TWinAddNaczynie vessel;
  vessel.ProducerSelected(1);
  EXPECT_EQ(vessel.ui().Edit8->text(), "https://kalorynka.example/nowa");

  dialogs.ExpectBox("Pytanie",
                    QString::fromUtf8("Czy na pewno chcesz usunąć\ndane producenta z programu ?"),
                    platform::Icon::Question, platform::Buttons::YesNo, platform::Answer::Yes);
  editor.ui().BitBtn4->click();
  ASSERT_EQ(Form1->ProducerLists.size(), 2u);
  EXPECT_EQ(Form1->ProducerLists[1][1], "Nowy");
}

// An added structure is offered at once by the insulation selection window.
TEST_F(EditorCommandsTest, AddedStructureIsOfferedByTheInsulationWindow) {
  TWinIzolacja selection;
  WinIzolacja = &selection;
  struct Unset {
    ~Unset() { WinIzolacja = nullptr; }
  } unset;
  TWinAddKonstrukcja editor;
  Case("konstrukcja").fillRequired(editor);
  editor.ui().BitBtn2->click();
  QComboBox* combo = WinIzolacja->ui().ComboWyborKonstrukcji;
  ASSERT_EQ(combo->count(), 3);
  EXPECT_EQ(combo->itemText(2), QString::fromUtf8("Rama Ą-2"));
  EXPECT_EQ(combo->currentIndex(), -1);
}

// The collector's ranges, in their order, with the limits passing.
TEST_F(EditorCommandsTest, CollectorValueChecks) {
  const QString k1 = QString::fromUtf8(
      "Wartość liniowego wskaźnika przenikalności cieplnej k1 poza dopuszczalną wartością.\nProszę "
      "wprowadzić poprawną wartość");
  const QString k2 = QString::fromUtf8(
      "Wartość kwadratowego wskaźnika przenikalności cieplnej k2 poza dopuszczalną wartością .\n"
      "Proszę wprowadzić poprawną wartość");
  const QString efficiency = QString::fromUtf8(
      "Nieprawidłowa wartość sprawności optycznej!\nProszę wprowadzić poprawną wartość");
  struct Case {
    const char *k1, *k2, *efficiency;
    const QString* message;  // null: written
  } cases[] = {
      {"5.0", "1.0", "50", nullptr},
      {"0", "0", "99", nullptr},
      {"5.01", "0.5", "70", &k1},
      {"4", "1.01", "70", &k2},
      {"4", "0.5", "0.8", &efficiency},
      {"4", "0.5", "99.5", &efficiency},
      {"6", "2", "10", &k1},  // all out of range: only the first message
  };
  const std::string file = dir_.File("Dane/kolektor.xml");
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.k1) + " " + c.k2 + " " + c.efficiency);
    TWinAddKolektor editor;
    FillCollector(editor, c.k1, c.k2, c.efficiency);
    const size_t records = Records(file).size();
    const std::string before = Bytes(file);
    if (c.message) {
      dialogs.ExpectBox(QString::fromUtf8("Ostrzeżenie"), *c.message, platform::Icon::Warning);
      editor.ui().BitBtn1->click();
      editor.ui().LstKolektory->setCurrentRow(1);
      dialogs.ExpectBox(QString::fromUtf8("Ostrzeżenie"), *c.message, platform::Icon::Warning);
      editor.ui().BitBtn3->click();
      EXPECT_EQ(Bytes(file), before);
    } else {
      editor.ui().BitBtn1->click();
      EXPECT_EQ(Records(file).size(), records + 1);
    }
  }
}

// A dimension that passes the key filter but is no number ("1.2.3") is refused by the check of
// the numeric columns before the dimension checks convert it.
TEST_F(EditorCommandsTest, TankDimensionThatIsNoNumberWritesNothing) {
  TWinAddZasobnik editor;
  FillTank(editor, "300", "1.2.3", "600", "50");
  const std::string before = Bytes(dir_.File("Dane/zasobnik.xml"));
  dialogs.ExpectBox(QString::fromUtf8("Ostrzeżenie"),
                    QString::fromUtf8("Wartość „1.2.3” w polu „Wysokość zasobnika” nie jest "
                                      "liczbą.\nProszę wprowadzić poprawną wartość"),
                    platform::Icon::Warning);
  editor.ui().BitBtnDodaj->click();
  EXPECT_EQ(Bytes(dir_.File("Dane/zasobnik.xml")), before);
  EXPECT_TRUE(editor.RowBuffer.empty());
}

// Both tank objects of the design are in use, whatever the number of tanks.
TEST_F(EditorCommandsTest, TankInUseCoversTheSecondTank) {
  TWinAddZasobnik editor;
  Engine.SelectedTank2->Model = "ZS-200";
  editor.ui().ListBoxZasobnik->setCurrentRow(0);
  dialogs.ExpectBox("Uwaga", kInUse, platform::Icon::Warning);
  editor.ui().BitDelete->click();
}

// A text that is no number, typed into a column the program reads as a number, is refused with a
// warning naming the field, by the add and by the change: the catalogue must stay readable.
TEST_F(EditorCommandsTest, ANumericColumnRefusesTextThatIsNoNumber) {
  struct NumericCase {
    const char* editor;
    const char* control;
    QString label;
    bool integer;
    int cellColumn = 0;
    int cellRow = 0;
  };
  std::vector<NumericCase> cases = {
      {"pompa", "Edit3", "Maksymalna wysokość podnoszenia", false},
      {"pompa", "Edit4", "Liczba zaworów odcinających", true},
      {"pompa", "Edit5", "Ciśnienie reakcji zaworu bezpieczeństwa", false},
      {"pompa", "Edit7", "Cena netto", false},
      {"naczynie", "Edit3", "Dopuszczalna temperatura pracy", false},
      {"naczynie", "Edit4", "Dopuszczalne ciśnienie pracy", false},
      {"naczynie", "Edit5", "Ciśnienie wstępne", false},
      {"naczynie", "Edit6", "Pojemność", false},
      {"naczynie", "Edit7", "Cena netto", false},
      {"sterownik", "Edit2", "Liczba zasobników", true},
      {"sterownik", "Edit3", "Liczba czujników temperatury", true},
      {"sterownik", "Edit4", "Liczba obiegów", true},
      {"sterownik", "Edit5", "Liczba wyjść", true},
      {"sterownik", "Edit8", "Cena netto", false},
      {"zasobnik", "Edit4", "Pojemność Zasobnika", false},
      {"zasobnik", "Edit5", "Straty ciśnienia wymiennika solarnego", false},
      {"zasobnik", "Edit6", "Pojemność wymiennika solarnego", false},
      {"zasobnik", "Edit7", "Maksymalna temperatura wody", false},
      {"zasobnik", "Edit8", "Maksymalne cisnienie pracy", false},
      {"zasobnik", "Edit9", "Wysokość zasobnika", false},
      {"zasobnik", "Edit10", "Średnica zasobnika", false},
      {"zasobnik", "Edit11", "Grubość izolacji zasobnika", false},
      {"zasobnik", "Edit12", "Cena", false},
      {"kolektor", "Edit4", "Liniowy wskaźnik przenikania ciepła", false},
      {"kolektor", "Edit5", "Kwadratowy wskaźnik przenikania ciepła", false},
      {"kolektor", "Edit6", "Sprawność optyczna", false},
      {"kolektor", "Edit7", "Jednostkowe natężenie przepływu", false},
      {"kolektor", "Edit8", "Jednostkowa strata ciśnienia", false},
      {"kolektor", "Edit9", "Pojemność absorbera", false},
      {"kolektor", "Edit10", "Powierzchnia efektywna", false},
      {"kolektor", "Edit11", "Cena netto", false},
      {"konstrukcja", "Edit5", "Nośność", false},
      {"konstrukcja", "Edit7", "Cena netto", false},
      {"miasta", "Edit2", "Szerokość geograficzna", false},
  };
  const char* const quantities[] = {"Nasłonecznienie w [kWh/m2]", "Temperatura w [C]",
                                    "Usłonecznienie w godzinach"};
  for (int quantity = 1; quantity <= 3; ++quantity)
    for (int month = 1; month <= 12; ++month)
      cases.push_back({"miasta", "DaneMiasta",
                       QString::fromUtf8(quantities[quantity - 1]) + ", " + MonthNames[month - 1],
                       false, quantity, month});

  for (const NumericCase& n : cases) {
    const EditorCase c = Case(n.editor);
    SCOPED_TRACE(std::string(n.editor) + " " + n.label.toStdString());
    std::unique_ptr<CatalogueEditorFrame> editor = c.create();
    c.fillRequired(*editor);
    // A decimal comma, as a Polish keyboard gives it; for a count, a fraction.
    const QString typed = n.integer ? "4.5" : "49,62";
    if (auto* grid = editor->findChild<QTableWidget*>(n.control)) {
      platform::SetCell(grid, n.cellColumn, n.cellRow, typed);
    } else {
      auto* edit = editor->findChild<QLineEdit*>(n.control);
      ASSERT_NE(edit, nullptr);
      edit->setText(typed);
    }
    Snapshot(c);
    const QString message =
        QString::fromUtf8(n.integer ? "Wartość „%1” w polu „%2” nie jest liczbą całkowitą.\n"
                                      "Proszę wprowadzić poprawną wartość"
                                    : "Wartość „%1” w polu „%2” nie jest liczbą.\n"
                                      "Proszę wprowadzić poprawną wartość")
            .arg(typed, n.label);
    dialogs.ExpectBox(QString::fromUtf8("Ostrzeżenie"), message, platform::Icon::Warning);
    Button(*editor, c.add)->click();
    Select(*editor, c, 1);
    dialogs.ExpectBox(QString::fromUtf8("Ostrzeżenie"), message, platform::Icon::Warning);
    Button(*editor, c.change)->click();
    EXPECT_TRUE(FileUnchanged(c));
    EXPECT_EQ((Form1->*c.table).RowCount, 2);
    EXPECT_TRUE(editor->RowBuffer.empty());
  }
}

// After the file was replaced under the editor, a change or a delete acts on the record with the
// id the entry showed, wherever it stands now; a record that is gone is reported and nothing is
// written, and the list shows the file as it is.
TEST_F(EditorCommandsTest, ChangeAndDeleteFindTheSelectedRecordByItsId) {
  ForEachEditor([&](const EditorCase& c, CatalogueEditorFrame* editor) {
    CCatalogueTable& table = Form1->*c.table;
    const int columns = table.ColumnCount;
    const int shown = editor->Frame().listColumn;
    auto write = [&](const std::vector<std::pair<int, std::string>>& records) {
      std::vector<Row> rows;
      for (const auto& [id, listed] : records)
        rows.push_back(catalogue_set::Record(columns, id, "0", {{shown, listed}}));
      dir_.Write(c.file, catalogue_set::CatalogueXml("katalog", rows));
    };
    const QString gone =
        QString::fromUtf8("Wybranej pozycji nie ma już w pliku %1.\nLista została odświeżona.")
            .arg(QString::fromStdString(std::string(c.file).substr(5)));

    // The selected entry is the record with id 2; another record now stands at its place.
    Select(*editor, c, 1);
    write({{2, "Dwa"}, {9, "Dziewięć"}});
    c.fillRequired(*editor);
    Button(*editor, c.change)->click();
    std::vector<Row> records = Records(dir_.File(c.file));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], Expected(c, "2"));
    EXPECT_EQ(records[1][size_t(shown)], "Dziewięć");
    EXPECT_EQ(table.Rows[0], Expected(c, "2"));
    ASSERT_EQ(List(*editor, c)->count(), 2);
    EXPECT_EQ(List(*editor, c)->item(0)->text().toStdString(), Expected(c, "2")[size_t(shown)]);
    EXPECT_EQ(List(*editor, c)->currentRow(), 0);

    // The record with id 9 is deleted, not the one now at its place.
    Select(*editor, c, 1);
    write({{9, "Dziewięć"}, {2, "Dwa"}});
    dialogs.ExpectBox("Pytanie", QString::fromUtf8(c.question), platform::Icon::Question,
                      platform::Buttons::YesNo, platform::Answer::Yes);
    Button(*editor, c.remove)->click();
    records = Records(dir_.File(c.file));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0][0], "2");
    EXPECT_EQ(table.RowCount, 1);
    EXPECT_EQ(List(*editor, c)->count(), 1);

    // A change refused for a missing field still lists the rewritten file, the entry's record
    // selected, so that the next command acts on the record the user sees selected.
    Select(*editor, c, 0);
    write({{5, "Pięć"}, {2, "Dwa"}});
    Snapshot(c);
    c.fillRequired(*editor);
    EmptyField(*editor, c.emptied);
    dialogs.ExpectBox(QString::fromUtf8("Ostrzeżenie"), kMissing, platform::Icon::Warning);
    Button(*editor, c.change)->click();
    EXPECT_TRUE(FileUnchanged(c));
    ASSERT_EQ(List(*editor, c)->count(), 2);
    EXPECT_EQ(List(*editor, c)->item(0)->text(), QString::fromUtf8("Pięć"));
    EXPECT_EQ(List(*editor, c)->currentRow(), 1);

    // The selected record is gone: reported, nothing written, the list shows the file.
    Select(*editor, c, 0);
    write({{3, "Trzy"}});
    Snapshot(c);
    dialogs.ExpectBox("Uwaga", gone, platform::Icon::Warning);
    Button(*editor, c.change)->click();
    EXPECT_TRUE(FileUnchanged(c));
    ASSERT_EQ(List(*editor, c)->count(), 1);
    EXPECT_EQ(List(*editor, c)->item(0)->text(), "Trzy");

    Select(*editor, c, 0);
    write({{4, "Cztery"}});
    Snapshot(c);
    const int devices = Form1->DeviceCount;
    dialogs.ExpectBox("Pytanie", QString::fromUtf8(c.question), platform::Icon::Question,
                      platform::Buttons::YesNo, platform::Answer::Yes);
    dialogs.ExpectBox("Uwaga", gone, platform::Icon::Warning);
    Button(*editor, c.remove)->click();
    EXPECT_TRUE(FileUnchanged(c));
    EXPECT_EQ(Form1->DeviceCount, devices);
    EXPECT_EQ(List(*editor, c)->item(0)->text(), "Cztery");
    EXPECT_TRUE(editor->RowBuffer.empty());
  });
}

// A producer added or deleted reaches the open device editors at once; a combo filled before the
// change finds its producers by name, never the producer now at the same place.
TEST_F(EditorCommandsTest, ProducerChangesReachTheOtherEditorsByName) {
  TWinAddNaczynie vessel;
  vessel.BuildWidgets();
  WinAddNaczynie = &vessel;
  struct Unset {
    ~Unset() { WinAddNaczynie = nullptr; }
  } unset;
  TWinAddPompa pump;  // not one of the program's instances: its combo stays as it was filled
  pump.BuildWidgets();
  TWinAddProducent producers;
  producers.ui().Edit1->setText("Nowy");
  producers.ui().Edit2->setText("https://nowy.example");
  producers.ui().Opis->setPlainText("Nowy producent");
  producers.ui().BitBtn1->click();

  auto items = [](const QComboBox* combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    return texts;
  };
  EXPECT_EQ(items(vessel.ui().ComboBox1), (QStringList{"Promienny Dom", "Kalorynka", "Nowy"}));
  vessel.ProducerSelected(2);
  EXPECT_EQ(vessel.ui().Edit8->text(), "https://nowy.example");
  EXPECT_EQ(vessel.ui().Opis->toPlainText(), "Nowy producent");

  producers.ui().LstProducent->setCurrentRow(1);
  dialogs.ExpectBox("Pytanie",
                    QString::fromUtf8("Czy na pewno chcesz usunąć\ndane producenta z programu ?"),
                    platform::Icon::Question, platform::Buttons::YesNo, platform::Answer::Yes);
  producers.ui().BitBtn4->click();
  EXPECT_EQ(items(vessel.ui().ComboBox1), (QStringList{"Promienny Dom", "Nowy"}));

  // The pump editor still offers "Kalorynka" at place 1, where "Nowy" stands in the lists now.
  ASSERT_EQ(pump.ui().ComboBox1->itemText(1), "Kalorynka");
  pump.ui().Edit8->setText("https://moja.example");
  pump.ProducerSelected(1);
  EXPECT_EQ(pump.ui().Edit8->text(), "https://moja.example");
  pump.ProducerSelected(0);
  EXPECT_EQ(pump.ui().Edit8->text(), "https://www.promienny-dom.example");
}

}  // namespace
