// The set builder's lists: filters, the drop rules of the set list, reset and the rebuild after a
// catalogue change.
#include <gtest/gtest.h>

#include <QTest>
#include <string>
#include <vector>

#include "catalogue_set.h"
#include "online/zestawy.h"

namespace {

const QString kFull =
    QString::fromUtf8("Nie można dodać urządzenia ponieważ zestaw jest już pełny !!!");

class SetBuilderListTest : public CatalogueSetTest {
 protected:
  // Drops the device-list lines in order; the lines are those of the list as it shows now.
  static void Drop(TWinZestawy& window, const std::vector<int>& lines) {
    for (int line : lines) {
      window.ui().ListaUrzadzen->setCurrentRow(line);
      window.ListaZestawDragDrop();
    }
  }
  static QStringList SetLines(const TWinZestawy& window) {
    QStringList lines;
    for (int i = 0; i < window.ui().ListaZestaw->count(); ++i)
      lines << window.ui().ListaZestaw->item(i)->text();
    return lines;
  }
  static void Choose(QComboBox* combo, const QString& text) {
    combo->setCurrentText(text);
    emit combo->activated(combo->currentIndex());
  }
};

TEST_F(SetBuilderListTest, FiltersShowOneKindOrProducerAndDropTheLineShown) {
  TWinZestawy window;
  Choose(window.ui().ComboBox1, "Pompa obiegowa");
  ASSERT_EQ(window.ui().ListaUrzadzen->count(), 2);
  EXPECT_EQ(window.ui().StaticText15->text(), "2");
  Drop(window, {1});
  EXPECT_EQ(SetLines(window), QStringList{"Pompa obiegowa=Moja pompa"});
  EXPECT_EQ(window.SetSlots[0], window.DeviceEntries[7]);

  Choose(window.ui().ComboBox2, "Promienny Dom");
  EXPECT_EQ(window.ui().ListaUrzadzen->count(), 7);  // the kind filter no longer acts
  EXPECT_EQ(window.ui().ListaUrzadzen->item(1)->text(), "Kolektor=PK-2.5");
  Choose(window.ui().ComboBox1, "Wszystkie");
  EXPECT_EQ(window.ui().ListaUrzadzen->count(), 14);
}

TEST_F(SetBuilderListTest, DropRulesOfOneAndTwoTankSets) {
  TWinZestawy window;
  // One tank: a second device of a kind and the same device twice are refused without a word.
  Drop(window, {0, 1, 2, 3, 2});
  EXPECT_EQ(SetLines(window), (QStringList{"Zasobnik=ZS-200", "Kolektor=PK-2.5"}));
  EXPECT_EQ(window.SetSlotCount, 2);

  // Two tanks: another tank is taken, the same tank again is not.
  window.ui().RadioButton2->click();
  Drop(window, {1, 0, 3});
  EXPECT_EQ(SetLines(window), (QStringList{"Zasobnik=ZS-200", "Kolektor=PK-2.5",
                                           QString::fromUtf8("Zasobnik=Mój zasobnik 300")}));

  // Reset empties the list and the slots but keeps the set data.
  window.ui().BitBtn1->click();
  EXPECT_EQ(window.ui().ListaZestaw->count(), 0);
  EXPECT_EQ(window.SetSlotCount, 0);
  EXPECT_TRUE(window.SetSlots[2].empty());
  EXPECT_EQ(window.CurrentSet.LiczbaZasobnikow, 2);
}

TEST_F(SetBuilderListTest, EightLinesMakeTheSetFull) {
  TWinZestawy window;
  window.ui().RadioButton2->click();
  Drop(window, {0, 1, 2, 4, 6, 8, 10, 12});
  ASSERT_EQ(window.ui().ListaZestaw->count(), 8);
  // The limit comes before the duplicate rule: even a device already there gets the message.
  for (int line : {13, 0}) {
    dialogs.ExpectPlain(kFull);
    Drop(window, {line});
  }
  EXPECT_EQ(window.SetSlotCount, 8);
}

TEST_F(SetBuilderListTest, ShowingRebuildsTheListOnlyAfterACatalogueChange) {
  TWinZestawy window;
  Drop(window, {2});
  window.ui().Opis->setPlainText("opis");
  Form1->PumpCatalogue.Rows.push_back(Form1->PumpCatalogue.Rows[1]);
  Form1->PumpCatalogue.Rows.back()[2] = "Nowa pompa";
  ++Form1->PumpCatalogue.RowCount;

  window.FormShow();
  EXPECT_EQ(window.ui().ListaUrzadzen->count(), 14);  // no change announced
  EXPECT_TRUE(window.ui().Opis->toPlainText().isEmpty());

  Engine.CataloguesChanged = 1;
  window.FormShow();
  ASSERT_EQ(window.ui().ListaUrzadzen->count(), 15);
  EXPECT_EQ(window.ui().ListaUrzadzen->item(8)->text(), "Pompa obiegowa=Nowa pompa");
  EXPECT_EQ(Engine.CataloguesChanged, 0);
  EXPECT_EQ(SetLines(window), QStringList{"Kolektor=PK-2.5"});  // the set list stays
  Drop(window, {8});
  EXPECT_EQ(window.SetSlots[1][1], "Nowa pompa");
}

TEST_F(SetBuilderListTest, NumberEditsTakeDecimalKeysAndTheProducerGivesItsWebPage) {
  TWinZestawy window;
  for (QLineEdit* edit : {window.ui().Edit1, window.ui().Edit2, window.ui().ECenaZestawu}) {
    edit->clear();
    QTest::keyClicks(edit, "1a2,5 x");
    EXPECT_EQ(edit->text(), "12.5") << edit->objectName().toStdString();
  }
  window.ui().EProducent->setCurrentIndex(1);
  emit window.ui().EProducent->activated(1);
  EXPECT_EQ(window.ui().EWww->text(), "https://kalorynka.example");
}

}  // namespace

// The builder's widgets and lists wait for its first use: they then show the catalogues as they
// are at that moment, announced change or not, while the set's collector count is the design's
// when the builder was created.
TEST_F(SetBuilderListTest, FirstShowingListsTheCataloguesOfThatMomentAndTheCountOfTheCreation) {
  Engine.LiczbaKolektorow = 3;
  TWinZestawy window;
  ASSERT_FALSE(window.ui.Built());
  Engine.LiczbaKolektorow = 7;
  Form1->PumpCatalogue.Rows.push_back(Form1->PumpCatalogue.Rows[1]);
  Form1->PumpCatalogue.Rows.back()[2] = "Nowa pompa";
  ++Form1->PumpCatalogue.RowCount;
  Form1->ProducerCatalogue.Rows.push_back(Form1->ProducerCatalogue.Rows[1]);
  Form1->ProducerCatalogue.Rows.back()[1] = "Nowy producent";
  ++Form1->ProducerCatalogue.RowCount;
  Form1->BuildProducerLists();
  Engine.CataloguesChanged = 1;

  window.show();
  ASSERT_EQ(window.ui().ListaUrzadzen->count(), 15);
  EXPECT_EQ(window.ui().ListaUrzadzen->item(8)->text(), "Pompa obiegowa=Nowa pompa");
  EXPECT_EQ(window.ui().StaticText15->text(), "15");
  ASSERT_EQ(window.ui().ComboBox2->count(), 3);
  EXPECT_EQ(window.ui().ComboBox2->itemText(2), "Nowy producent");
  EXPECT_EQ(window.ui().ComboBox2->currentText(), "Wszystkie");
  ASSERT_EQ(window.ui().EProducent->count(), 3);
  EXPECT_EQ(window.ui().EProducent->itemText(2), "Nowy producent");
  EXPECT_EQ(window.ui().ELiczbaKolektorow->text(), "3");
  EXPECT_EQ(window.CurrentSet.LiczbaKolektorow, 3);
  EXPECT_EQ(Engine.CataloguesChanged, 0);
  window.hide();

  // Once built, a later change reaches the lists at the next showing, as it always did.
  Form1->ProducerCatalogue.Rows.pop_back();
  --Form1->ProducerCatalogue.RowCount;
  Form1->BuildProducerLists();
  Form1->PumpCatalogue.Rows.pop_back();
  --Form1->PumpCatalogue.RowCount;
  Engine.CataloguesChanged = 1;
  window.show();
  EXPECT_EQ(window.ui().ListaUrzadzen->count(), 14);
  EXPECT_EQ(window.ui().ComboBox2->count(), 2);
  EXPECT_EQ(window.ui().EProducent->count(), 2);
  window.hide();

  // Built before its first showing (through its widgets), it still takes a change made between.
  TWinZestawy early;
  early.ui.Build();
  Form1->PumpCatalogue.Rows.push_back(Form1->PumpCatalogue.Rows[1]);
  ++Form1->PumpCatalogue.RowCount;
  Engine.CataloguesChanged = 1;
  early.show();
  EXPECT_EQ(early.ui().ListaUrzadzen->count(), 15);
  EXPECT_EQ(Engine.CataloguesChanged, 0);
  early.hide();
}
