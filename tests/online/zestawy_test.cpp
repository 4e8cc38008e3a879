// The set builder as start-up creates it, and its set-data handlers.
#include "online/zestawy.h"

#include <gtest/gtest.h>

#include <QTest>

#include "catalogue_set.h"

namespace {

class SetBuilderTest : public CatalogueSetTest {
 protected:
  void SetUp() override {
    CatalogueSetTest::SetUp();
    Engine.LiczbaKolektorow = 3;
  }
};

QStringList Lines(const QListWidget* list) {
  QStringList lines;
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines;
}

TEST_F(SetBuilderTest, CreationListsEveryDeviceByKindThenRow) {
  TWinZestawy window;
  const QStringList expected = {
      "Zasobnik=ZS-200",
      QString::fromUtf8("Zasobnik=Mój zasobnik 300"),
      "Kolektor=PK-2.5",
      QString::fromUtf8("Kolektor=Mój kolektor"),
      "Sterownik=ST-1",
      QString::fromUtf8("Sterownik=Mój sterownik"),
      "Pompa obiegowa=JH-Solar 1",
      "Pompa obiegowa=Moja pompa",
      "Naczynie wzbiorcze=NW-18",
      "Naczynie wzbiorcze=Moje naczynie",
      "Izolacja=Kauflex 13",
      "Izolacja=Moja izolacja",
      "Konstrukcja=KW-Dach",
      "Konstrukcja=Moja konstrukcja",
  };
  EXPECT_EQ(Lines(window.ui.ListaUrzadzen), expected);
  ASSERT_EQ(static_cast<int>(window.DeviceEntries.size()), Form1->DeviceCount);
  EXPECT_EQ(window.ui.StaticText15->text(), "14");
  for (int k = 0; k < 14; ++k) EXPECT_EQ(window.DeviceListIndex[k], k);

  // An entry is the kind, the display value, the producer and then the whole catalogue row.
  const TWinZestawy::DeviceEntry& controller = window.DeviceEntries[5];
  const std::vector<std::string>& row = Form1->ControllerCatalogue.Rows[1];
  ASSERT_EQ(controller.size(), 3 + row.size());
  EXPECT_EQ(controller[0], "Sterownik");
  EXPECT_EQ(controller[1], "Mój sterownik");
  EXPECT_EQ(controller[2], "Kalorynka");
  EXPECT_EQ(std::vector<std::string>(controller.begin() + 3, controller.end()), row);

  // Every second line is drawn light blue.
  EXPECT_EQ(window.ui.ListaUrzadzen->item(1)->background().color(), QColor(166, 202, 240));
  EXPECT_EQ(window.ui.ListaUrzadzen->item(0)->background().style(), Qt::NoBrush);
}

TEST_F(SetBuilderTest, CreationStartValues) {
  TWinZestawy window;
  EXPECT_EQ(window.ui.ComboBox1->currentText(), "Wszystkie");
  EXPECT_EQ(window.ui.ComboBox2->currentText(), "Wszystkie");
  ASSERT_EQ(window.ui.ComboBox2->count(), 2);
  EXPECT_EQ(window.ui.ComboBox2->itemText(0), "Promienny Dom");
  EXPECT_EQ(window.ui.ComboBox2->itemText(1), "Kalorynka");
  ASSERT_EQ(window.ui.EProducent->count(), 2);
  EXPECT_EQ(window.ui.EProducent->itemText(1), "Kalorynka");
  EXPECT_EQ(window.ui.EProducent->currentIndex(), -1);

  EXPECT_EQ(window.ui.Edit1->text(), "32");
  EXPECT_EQ(window.ui.Edit2->text(), "32");
  EXPECT_EQ(window.ui.ELiczbaKolektorow->text(), "3");
  EXPECT_TRUE(window.ui.RadioButton1->isChecked());
  EXPECT_EQ(window.CurrentSet.LiczbaZasobnikow, 1);
  EXPECT_EQ(window.CurrentSet.LiczbaKolektorow, 3);
  EXPECT_EQ(window.CurrentSet.GruboscZewnatrz, 32);
  EXPECT_EQ(window.CurrentSet.GruboscWewnatrz, 32);
  EXPECT_EQ(window.SetSlotCount, 0);
  EXPECT_EQ(window.ui.ListaZestaw->count(), 0);
  // The builder changes nothing in the design.
  EXPECT_EQ(Engine.LiczbaKolektorow, 3);
}

TEST_F(SetBuilderTest, TankRadiosSetTheNumberOfTanks) {
  TWinZestawy window;
  window.ui.RadioButton2->click();
  EXPECT_EQ(window.CurrentSet.LiczbaZasobnikow, 2);
  window.ui.RadioButton1->click();
  EXPECT_EQ(window.CurrentSet.LiczbaZasobnikow, 1);
  // Selected from code, as a set being reset would do.
  window.ui.RadioButton2->setChecked(true);
  EXPECT_EQ(window.CurrentSet.LiczbaZasobnikow, 2);
  // A second click on the selected radio changes nothing.
  window.ui.RadioButton2->click();
  EXPECT_EQ(window.CurrentSet.LiczbaZasobnikow, 2);
}

TEST_F(SetBuilderTest, CollectorCountFollowsTheEditAndRefusesWhatIsNoInteger) {
  TWinZestawy window;
  window.ui.ELiczbaKolektorow->clear();
  EXPECT_EQ(window.CurrentSet.LiczbaKolektorow, 3);  // an empty edit changes nothing
  QTest::keyClicks(window.ui.ELiczbaKolektorow, "12");
  EXPECT_EQ(window.CurrentSet.LiczbaKolektorow, 12);

  // The edit has no key filter: a letter reaches the handler, which ends in the error box.
  dialogs.ExpectError("'12x' is not a valid integer value");
  QTest::keyClicks(window.ui.ELiczbaKolektorow, "x");
  EXPECT_EQ(window.CurrentSet.LiczbaKolektorow, 12);
}

}  // namespace
