// The thickness window: a thickness of a kind for a pipe diameter is added, or re-priced when the
// kind already has that thickness for that diameter; the main window's thickness table follows.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>
#include <string>
#include <vector>

#include "catalogue_records.h"
#include "catalogue_set.h"
#include "editors/AddIzolacja.h"
#include "editors/grubosci.h"
#include "file_size_limit.h"
#include "recording_dialogs.h"

namespace {

using catalogue_records::Bytes;
using catalogue_records::Records;
using catalogue_records::Row;

// The catalogue set holds the kinds "Kauflex 13" (id 1) and "Moja izolacja" (id 2) and the
// thickness rows {1, kind 1, 22 mm, 13 mm, 4.5} and {2, kind 2, 15 mm, 20 mm, 6}.
const std::vector<Row> kThicknesses = {{"1", "1", "22", "13", "4.5", "1"},
                                       {"2", "2", "15", "20", "6", "0"}};

class ThicknessWindowTest : public CatalogueSetTest {
 protected:
  std::string File() const { return dir_.File("Dane/grubosci.xml"); }

  // Shows the window as the insulation editor's button does, and fills it in.
  static void Fill(TWinGrubosci& window, const char* kind, const char* diameter,
                   const char* thickness, const char* price) {
    if (!window.isVisible()) window.show();
    const int item = window.ui().ComboBox1->findText(QString::fromUtf8(kind));
    if (item >= 0) {
      window.ui().ComboBox1->setCurrentIndex(item);
    } else {
      window.ui().ComboBox1->setEditText(QString::fromUtf8(kind));
    }
    window.ui().ComboBox3->setEditText(diameter);
    window.ui().ComboBox2->setEditText(thickness);
    window.ui().Edit1->setText(price);
  }
};

TEST_F(ThicknessWindowTest, AThicknessNewForTheKindIsAddedAndAKnownOneRePriced) {
  struct Case {
    const char *name, *kind, *diameter, *thickness, *price;
    std::vector<Row> expected;  // the file's records after the click
  } cases[] = {
      {"new diameter",
       "Moja izolacja",
       "28",
       "20",
       "7.25",
       {kThicknesses[0], kThicknesses[1], {"3", "2", "28", "20", "7.25", "0"}}},
      {"a thickness not offered",
       "Moja izolacja",
       "15",
       "50",
       "9",
       {kThicknesses[0], kThicknesses[1], {"3", "2", "15", "50", "9", "0"}}},
      // Another kind's row of the same diameter and thickness is not this kind's.
      {"other kind",
       "Kauflex 13",
       "15",
       "20",
       "5",
       {kThicknesses[0], kThicknesses[1], {"3", "1", "15", "20", "5", "0"}}},
      {"known",
       "Moja izolacja",
       "15",
       "20",
       "6.5",
       {kThicknesses[0], {"2", "2", "15", "20", "6.5", "0"}}},
      // Compared as whole numbers: "015" is 15 and "020" is 20.
      {"leading zeros",
       "Moja izolacja",
       "015",
       "020",
       "8",
       {kThicknesses[0], {"2", "2", "15", "20", "8", "0"}}},
      // A new row keeps the diameter as typed.
      {"new, typed with a zero",
       "Moja izolacja",
       "022",
       "13",
       "3",
       {kThicknesses[0], kThicknesses[1], {"3", "2", "022", "13", "3", "0"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dir_.Write("Dane/grubosci.xml",
               catalogue_set::CatalogueXml(
                   "grubosci", kThicknesses,
                   {"idPrzewodu", "idIzolacja", "srednica", "zakresGrubosci", "cena", "flaga"}));
    TWinGrubosci window;
    Fill(window, c.kind, c.diameter, c.thickness, c.price);
    window.ui().btbDodaj->click();

    EXPECT_EQ(Records(File()), c.expected);
    EXPECT_EQ(Form1->ThicknessCatalogue.Rows, c.expected);  // the table shows it at once
    EXPECT_EQ(Form1->ThicknessCatalogue.RowCount, int(c.expected.size()));
    EXPECT_TRUE(window.RowBuffer.empty());
    EXPECT_TRUE(window.isVisible());  // open for the next thickness
  }
}

// A row whose kind, diameter or thickness is no whole number (as a server may deliver it) matches
// no search: it stays as it is, and the rows after it are still found and re-priced, or added to.
TEST_F(ThicknessWindowTest, ARowThatIsNoWholeNumberIsPassedOver) {
  const Row odd[] = {{"3", "2.0", "15", "20", "1", "0"},
                     {"3", "2", "15.0", "20", "1", "0"},
                     {"3", "2", "15", "20 mm", "1", "0"},
                     {"3", "", "", "", "1", "0"}};
  for (const Row& bad : odd) {
    SCOPED_TRACE(bad[1] + "|" + bad[2] + "|" + bad[3]);
    // The odd row comes first, before the kind's row of 15 mm and 20 mm.
    const std::vector<Row> rows = {kThicknesses[0], bad, kThicknesses[1]};
    dir_.Write("Dane/grubosci.xml",
               catalogue_set::CatalogueXml(
                   "grubosci", rows,
                   {"idPrzewodu", "idIzolacja", "srednica", "zakresGrubosci", "cena", "flaga"}));
    TWinGrubosci window;
    Fill(window, "Moja izolacja", "15", "20", "6.5");
    window.ui().btbDodaj->click();
    Fill(window, "Moja izolacja", "28", "20", "7");
    window.ui().btbDodaj->click();

    const std::vector<Row> expected = {
        kThicknesses[0], bad, {"2", "2", "15", "20", "6.5", "0"}, {"4", "2", "28", "20", "7", "0"}};
    EXPECT_EQ(Records(File()), expected);
    EXPECT_EQ(Form1->ThicknessCatalogue.Rows, expected);
  }
}

TEST_F(ThicknessWindowTest, AnAddedRowCarriesTheFieldNamesAndAddingTwiceRePrices) {
  TWinGrubosci window;
  Fill(window, "Moja izolacja", "35", "40", "12");
  window.ui().btbDodaj->click();
  window.ui().Edit1->setText("13");
  window.ui().btbDodaj->click();

  xml::Document written;
  written.LoadFile(File());
  const std::vector<xml::Element> records = written.DocumentElement().Children();
  ASSERT_EQ(records.size(), 3u);
  const char* const names[] = {"idPrzewodu",     "idIzolacja", "srednica",
                               "zakresGrubosci", "cena",       "flaga"};
  const Row values = {"3", "2", "35", "40", "13", "0"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(records[2].Child(i).Attribute("name"), names[i]);
    EXPECT_EQ(records[2].Child(i).Text(), values[size_t(i)]);
  }
}

TEST_F(ThicknessWindowTest, AnAddIsRefusedWithoutAPriceAKindOrNumbers) {
  const QString ostrzezenie = QString::fromUtf8("Ostrzeżenie");
  const auto notNumber = [](const char* text, const char* field, bool whole) {
    return QString::fromUtf8(
               "Wartość „%1” w polu „%2” nie jest liczbą%3.\nProszę wprowadzić "
               "poprawną wartość")
        .arg(QString::fromUtf8(text), QString::fromUtf8(field),
             whole ? QString::fromUtf8(" całkowitą") : QString());
  };
  struct Case {
    const char *name, *kind, *diameter, *thickness, *price;
    QString title, message;
  } cases[] = {
      {"no price", "Moja izolacja", "15", "20", "", "Komunikat", "Nie podano ceny !!!"},
      {"no kind chosen", "Wybierz izolację", "15", "20", "5", "Komunikat",
       "Nie wybrano izolacji !!!"},
      {"a kind not listed", "Otulina X", "15", "20", "5", "Komunikat", "Nie wybrano izolacji !!!"},
      {"diameter", "Moja izolacja", "1.5", "20", "5", ostrzezenie,
       notNumber("1.5", "Średnica przewodu rurowego", true)},
      {"empty diameter", "Moja izolacja", "", "20", "5", ostrzezenie,
       notNumber("", "Średnica przewodu rurowego", true)},
      {"thickness", "Moja izolacja", "15", "2O", "5", ostrzezenie,
       notNumber("2O", "Grubość izolacji", true)},
      {"price", "Moja izolacja", "15", "20", "1.2.3", ostrzezenie,
       notNumber("1.2.3", "Cena za metr bieżacy", false)},
  };
  const std::string before = Bytes(File());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TWinGrubosci window;
    Fill(window, c.kind, c.diameter, c.thickness, c.price);
    dialogs.ExpectBox(c.title, c.message, platform::Icon::Warning);
    window.ui().btbDodaj->click();
    EXPECT_EQ(Bytes(File()), before);
    EXPECT_EQ(Form1->ThicknessCatalogue.RowCount, 2);
  }
}

// Each showing lists the kinds as the insulation table holds them then, whatever the
// catalogues-changed flag says, and asks for a choice.
TEST_F(ThicknessWindowTest, EachShowingListsTheKindsAfreshAndAsksForAChoice) {
  TWinGrubosci window;
  TWinAddIzolacja editor;
  editor.ui().ComboBox1->setEditText("Kalorynka");
  editor.ui().Edit2->setText("0.04");
  editor.ui().Edit3->setText("pianka");
  editor.ui().Edit4->setText("Otulina N");
  editor.ui().Edit5->setText("90");
  editor.ui().BitBtn1->click();  // kind 3
  // The user's first kind is deleted: the new one moves up to its place in the table.
  editor.ui().LstIzolacja->setCurrentRow(1);
  dialogs.ExpectBox("Pytanie",
                    QString::fromUtf8("Czy na pewno chcesz usunąć\nwybrany sprzęt z programu ?"),
                    platform::Icon::Question, platform::Buttons::YesNo, platform::Answer::Yes);
  editor.ui().BitBtn4->click();
  Engine.CataloguesChanged = 0;  // as the set builder leaves it after rebuilding its lists

  window.show();
  QComboBox* kinds = window.ui().ComboBox1;
  ASSERT_EQ(kinds->count(), 2);
  EXPECT_EQ(kinds->itemText(1), "Otulina N");
  EXPECT_EQ(kinds->currentIndex(), -1);
  EXPECT_EQ(kinds->currentText(), QString::fromUtf8("Wybierz izolację"));
  EXPECT_EQ(Engine.CataloguesChanged, 0);

  // The row names the chosen kind's id, not the id of the kind once at that place.
  Fill(window, "Otulina N", "22", "13", "4");
  window.ui().btbDodaj->click();
  EXPECT_EQ(Records(File()).back(), (Row{"2", "3", "22", "13", "4", "0"}));
}

TEST_F(ThicknessWindowTest, ThePriceTakesOnlyDecimalKeys) {
  TWinGrubosci window;
  QTest::keyClicks(window.ui().Edit1, "4,5x-1");
  EXPECT_EQ(window.ui().Edit1->text(), "4.51");
}

TEST_F(ThicknessWindowTest, AFailedWriteLeavesTheFileAndTheTable) {
  TWinGrubosci window;
  const std::string before = Bytes(File());
  const CatalogueRows rows = Form1->ThicknessCatalogue.Rows;
  RecordingDialogs recorded;  // the error's text is the writer's own
  {
    FileSizeLimit limit(64);
    Fill(window, "Moja izolacja", "28", "20", "7");
    window.ui().btbDodaj->click();
    Fill(window, "Moja izolacja", "15", "20", "7");
    window.ui().btbDodaj->click();
  }
  ASSERT_EQ(recorded.boxes.size(), 2u);
  for (const platform::BoxRequest& box : recorded.boxes) EXPECT_EQ(box.icon, platform::Icon::Stop);
  EXPECT_EQ(Bytes(File()), before);
  EXPECT_EQ(Form1->ThicknessCatalogue.Rows, rows);
  EXPECT_TRUE(window.RowBuffer.empty());
}

}  // namespace
