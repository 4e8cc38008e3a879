// The set builder as start-up creates it, and its set-data handlers.
#include "online/zestawy.h"

#include <gtest/gtest.h>

#include <QTest>

#include "catalogue_set.h"
#include "editors/AddProducent.h"

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
  EXPECT_EQ(Lines(window.ui().ListaUrzadzen), expected);
  ASSERT_EQ(static_cast<int>(window.DeviceEntries.size()), Form1->DeviceCount);
  EXPECT_EQ(window.ui().StaticText15->text(), "14");
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
  EXPECT_EQ(window.ui().ListaUrzadzen->item(1)->background().color(), QColor(166, 202, 240));
  EXPECT_EQ(window.ui().ListaUrzadzen->item(0)->background().style(), Qt::NoBrush);
}

TEST_F(SetBuilderTest, CreationStartValues) {
  TWinZestawy window;
  EXPECT_EQ(window.ui().ComboBox1->currentText(), "Wszystkie");
  EXPECT_EQ(window.ui().ComboBox2->currentText(), "Wszystkie");
  ASSERT_EQ(window.ui().ComboBox2->count(), 2);
  EXPECT_EQ(window.ui().ComboBox2->itemText(0), "Promienny Dom");
  EXPECT_EQ(window.ui().ComboBox2->itemText(1), "Kalorynka");
  ASSERT_EQ(window.ui().EProducent->count(), 2);
  EXPECT_EQ(window.ui().EProducent->itemText(1), "Kalorynka");
  EXPECT_EQ(window.ui().EProducent->currentIndex(), -1);

  EXPECT_EQ(window.ui().Edit1->text(), "32");
  EXPECT_EQ(window.ui().Edit2->text(), "32");
  EXPECT_EQ(window.ui().ELiczbaKolektorow->text(), "3");
  EXPECT_TRUE(window.ui().RadioButton1->isChecked());
  EXPECT_EQ(window.CurrentSet.LiczbaZasobnikow, 1);
  EXPECT_EQ(window.CurrentSet.LiczbaKolektorow, 3);
  EXPECT_EQ(window.CurrentSet.GruboscZewnatrz, 32);
  EXPECT_EQ(window.CurrentSet.GruboscWewnatrz, 32);
  EXPECT_EQ(window.SetSlotCount, 0);
  EXPECT_EQ(window.ui().ListaZestaw->count(), 0);
  // The builder changes nothing in the design.
  EXPECT_EQ(Engine.LiczbaKolektorow, 3);
}

TEST_F(SetBuilderTest, TankRadiosSetTheNumberOfTanks) {
  TWinZestawy window;
  window.ui().RadioButton2->click();
  EXPECT_EQ(window.CurrentSet.LiczbaZasobnikow, 2);
  window.ui().RadioButton1->click();
  EXPECT_EQ(window.CurrentSet.LiczbaZasobnikow, 1);
  // Selected from code, as a set being reset would do.
  window.ui().RadioButton2->setChecked(true);
  EXPECT_EQ(window.CurrentSet.LiczbaZasobnikow, 2);
  // A second click on the selected radio changes nothing.
  window.ui().RadioButton2->click();
  EXPECT_EQ(window.CurrentSet.LiczbaZasobnikow, 2);
}

TEST_F(SetBuilderTest, CollectorCountFollowsTheEditAndRefusesWhatIsNoInteger) {
  TWinZestawy window;
  window.ui().ELiczbaKolektorow->clear();
  EXPECT_EQ(window.CurrentSet.LiczbaKolektorow, 3);  // an empty edit changes nothing
  QTest::keyClicks(window.ui().ELiczbaKolektorow, "12");
  EXPECT_EQ(window.CurrentSet.LiczbaKolektorow, 12);

  // The edit has no key filter: a letter reaches the handler, which ends in the error box.
  dialogs.ExpectError("'12x' is not a valid integer value");
  QTest::keyClicks(window.ui().ELiczbaKolektorow, "x");
  EXPECT_EQ(window.CurrentSet.LiczbaKolektorow, 12);
}

// The set is complete when it holds each kind once and exactly as many tanks as the set is for;
// a count of lines alone would take three tanks for a two-tank set's eight lines.
TEST_F(SetBuilderTest, CompletenessNeedsEachKindOnceAndTheSetsTanks) {
  const QStringList others = {"Kolektor=K",           "Sterownik=S", "Pompa obiegowa=P",
                              "Naczynie wzbiorcze=N", "Izolacja=I",  "Konstrukcja=R"};
  auto with = [&](QStringList lines) { return others + lines; };
  QStringList withoutStructure = others;
  withoutStructure.removeLast();
  const struct {
    const char* what;
    int tanks;
    QStringList lines;
    bool complete;
  } cases[] = {
      {"one tank", 1, with({"Zasobnik=A"}), true},
      {"two tanks", 2, with({"Zasobnik=A", "Zasobnik=B"}), true},
      {"two tanks listed for one", 1, with({"Zasobnik=A", "Zasobnik=B"}), false},
      {"one tank listed for two", 2, with({"Zasobnik=A"}), false},
      {"three tanks and a kind short", 2,
       withoutStructure + QStringList{"Zasobnik=A", "Zasobnik=B", "Zasobnik=C"}, false},
      {"a kind twice and one missing", 1,
       withoutStructure + QStringList{"Kolektor=K2", "Zasobnik=A"}, false},
      {"no tank", 1, others, false},
      {"a kind missing", 1, withoutStructure + QStringList{"Zasobnik=A"}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TWinZestawy window;
    (c.tanks == 2 ? window.ui().RadioButton2 : window.ui().RadioButton1)->setChecked(true);
    window.ui().ListaZestaw->addItems(c.lines);
    EXPECT_EQ(window.SetIsComplete(), c.complete);
  }
}

// In a two-tank set a third tank is refused at the drop, without a message.
TEST_F(SetBuilderTest, AThirdTankIsRefusedAtTheDrop) {
  CCatalogueTable& tanks = Form1->TankCatalogue;
  std::vector<std::string> third = tanks.Rows[1];
  third[0] = "3";
  third[2] = "Trzeci zasobnik";
  tanks.Rows.push_back(third);
  ++tanks.RowCount;
  ++Form1->DeviceCount;
  TWinZestawy window;
  window.ui().RadioButton2->click();
  for (int line : {0, 1, 2, 3}) {
    window.ui().ListaUrzadzen->setCurrentRow(line);
    window.ListaZestawDragDrop();
  }
  EXPECT_EQ(Lines(window.ui().ListaZestaw),
            (QStringList{"Zasobnik=ZS-200", QString::fromUtf8("Zasobnik=Mój zasobnik 300"),
                         "Kolektor=PK-2.5"}));
  EXPECT_EQ(window.SetSlotCount, 3);
}

// The producer choice and the producer filter follow every add and delete of a producer, and a
// producer is found by its name.
TEST_F(SetBuilderTest, ProducersFollowTheProducerEditor) {
  TWinZestawy window;
  window.ui().EProducent->setCurrentIndex(1);  // "Kalorynka"
  TWinAddProducent producers;
  producers.ui().Edit1->setText("Nowy");
  producers.ui().Edit2->setText("https://nowy.example");
  producers.ui().BitBtn1->click();
  producers.ui().LstProducent->setCurrentRow(0);
  dialogs.ExpectBox("Pytanie",
                    QString::fromUtf8("Czy na pewno chcesz usunąć\ndane producenta z programu ?"),
                    platform::Icon::Question, platform::Buttons::YesNo, platform::Answer::Yes);
  dialogs.ExpectBox("Uwaga", QString::fromUtf8("Nie można usuwać producentów pobranych z bazy"),
                    platform::Icon::Warning);
  producers.ui().BitBtn4->click();  // the vendor's producer stays
  producers.ui().LstProducent->setCurrentRow(1);
  dialogs.ExpectBox("Pytanie",
                    QString::fromUtf8("Czy na pewno chcesz usunąć\ndane producenta z programu ?"),
                    platform::Icon::Question, platform::Buttons::YesNo, platform::Answer::Yes);
  producers.ui().BitBtn4->click();  // "Kalorynka"

  // Before the next showing the window still offers "Kalorynka", now gone: nothing is taken.
  window.ui().EWww->setText("https://moja.example");
  window.EProducentSelect();
  EXPECT_EQ(window.ui().EWww->text(), "https://moja.example");

  window.FormShow();
  auto items = [](const QComboBox* combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    return texts;
  };
  EXPECT_EQ(items(window.ui().EProducent), (QStringList{"Promienny Dom", "Nowy"}));
  EXPECT_EQ(items(window.ui().ComboBox2), (QStringList{"Promienny Dom", "Nowy"}));
  EXPECT_EQ(window.ui().EProducent->currentIndex(), -1);
  EXPECT_EQ(window.ui().ComboBox2->currentText(), "Wszystkie");
  window.ui().EProducent->setCurrentIndex(1);
  window.EProducentSelect();
  EXPECT_EQ(window.ui().EWww->text(), "https://nowy.example");

  // A chosen producer that is still there stays chosen.
  window.FormShow();
  EXPECT_EQ(window.ui().EProducent->currentText(), "Nowy");
}

}  // namespace
