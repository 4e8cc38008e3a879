// Set files: the builder's save commands write them, the opener previews them, loads them into
// the design and deletes them.
#include "engine/set_file.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>
#include <QTest>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "catalogue_set.h"
#include "economics/koszt.h"
#include "engine/numtext.h"
#include "engine/payback.h"
#include "file_size_limit.h"
#include "float_sweep.h"
#include "online/OpenZestaw.h"
#include "online/zestawy.h"

namespace {

const QString kSaved = QString::fromUtf8("Zestaw został pomyślnie zapisany.");
const QString kWriteFailed = QStringLiteral("Nie można zapisać danych do pliku XML !!!");
const QString kLoadFailed = QString::fromUtf8("1 Nie udało się wczytać pliku xml !!!");
const std::string kSetName = "Zestaw Łódź";

// Lines of the builder's device list (catalogue_set.h): a tank, a collector, a controller, a
// pump, a vessel, an insulation and a structure, user and vendor rows mixed.
const std::vector<int> kOneTankLines = {1, 3, 4, 7, 8, 11, 12};

class SetFileTest : public CatalogueSetTest {
 protected:
  void SetUp() override {
    CatalogueSetTest::SetUp();
    Engine.LiczbaKolektorow = 3;
  }

  static void Drop(TWinZestawy& window, const std::vector<int>& lines) {
    for (int line : lines) {
      window.ui().ListaUrzadzen->setCurrentRow(line);
      window.ListaZestawDragDrop();
    }
  }

  // A complete one-tank set with Polish letters in its texts.
  static void FillSet(TWinZestawy& window) {
    Drop(window, kOneTankLines);
    window.ui().ENazwaZestawu->setText(QString::fromStdString(kSetName));
    window.ui().EProducent->setCurrentIndex(1);
    window.ui().EEmail->setText("biuro@kalorynka.example");
    window.ui().ECenaZestawu->setText("12345.67");
    window.ui().Edit2->setText("20");
    window.ui().Opis->setPlainText(QString::fromUtf8("Dla domu jednorodzinnego\nz żółtą ścianą"));
  }

  std::string SetPath(const std::string& name = kSetName) const {
    return dir_.File("Zestawy/" + name + ".xml");
  }

  void Save(TWinZestawy& window) {
    dialogs.ExpectPlain(kSaved);
    window.ui().BitBtn2->click();
  }
};

std::string Golden(const std::string& name) {
  return ReadFileBytes(std::string(VINDARGAST_FIXTURES) + "/sets/" + name);
}

// The file is the golden one: CR LF line breaks, and the price as it was typed.
TEST_F(SetFileTest, SavedSetIsTheGoldenFile) {
  TWinZestawy window;
  FillSet(window);
  window.ui().ECenaZestawu->setText("1234567");
  Save(window);
  const std::string bytes = ReadFileBytes(SetPath());
  EXPECT_EQ(bytes, Golden("one_tank_set.xml"));
  EXPECT_NE(bytes.find("<field name=\"Cena_zestawu\">1234567</field>\r\n"), std::string::npos);
  for (size_t at = bytes.find('\n'); at != std::string::npos; at = bytes.find('\n', at + 1))
    ASSERT_TRUE(at > 0 && bytes[at - 1] == '\r') << "a bare LF at byte " << at;
  // Polish letters are single ISO-8859-2 bytes ("Ł" 0xA3, "ó" 0xF3, "ź" 0xBC).
  EXPECT_NE(bytes.find("Zestaw \xA3\xF3\x64\xBC"), std::string::npos);
  EXPECT_EQ(window.CurrentSet.Telefon, "brak");
  EXPECT_EQ(window.CurrentSet.StronaWww, "brak");
}

TEST_F(SetFileTest, TwoTankSetNumbersTheTanksInListOrder) {
  TWinZestawy window;
  window.ui().RadioButton2->click();
  Drop(window, {3, 1, 4, 7, 0, 8, 11, 12});
  ASSERT_EQ(window.ui().ListaZestaw->count(), 8);
  window.ui().ENazwaZestawu->setText("Dwa");
  window.ui().EProducent->setCurrentIndex(0);
  window.ui().ECenaZestawu->setText("4990");
  Save(window);

  xml::Document document;
  document.LoadFile(SetPath("Dwa"));
  std::vector<std::string> names;
  for (const xml::Element& e : document.DocumentElement().Children()) names.push_back(e.Name());
  EXPECT_EQ(names,
            (std::vector<std::string>{"informacje", "Kolektor", "Zasobnik1", "Sterownik", "Pompa",
                                      "Zasobnik2", "Naczynie", "Izolacja", "Konstrukcja"}));
  const xml::Element info = document.DocumentElement().Child(0);
  EXPECT_EQ(info.Child(0).Text(), "4990");
  EXPECT_EQ(info.Child(7).Text(), "2");
  EXPECT_EQ(document.DocumentElement().Child(2).Child(2).Text(), "Mój zasobnik 300");
  EXPECT_EQ(document.DocumentElement().Child(5).Child(2).Text(), "ZS-200");
}

// Six significant digits, and more where the price needs them to read back as typed; a price
// that six digits hold is written as before, its exponent signed.
TEST(SetPriceText, GeneralFormatWithTheDigitsThePriceNeeds) {
  const struct {
    float price;
    const char* text;
  } cases[] = {
      {12345.67f, "12345.67"},
      {4990, "4990"},
      {1234567, "1234567"},
      {123456.7f, "123456.7"},
      {123456.78f, "123456.78"},
      {1234570, "1.23457E+06"},
      {0.5f, "0.5"},
      {1.5e-5f, "1.5E-05"},
      {1e10f, "1E+10"},
  };
  for (const auto& c : cases) EXPECT_EQ(setfile::PriceText(c.price), c.text) << c.price;
  ForSampledFloats(104729, 0x7F800000u, [](float price, uint32_t b) {
    ASSERT_EQ(ReadFloat(setfile::PriceText(price)), price) << "bits " << b;
  });
}

TEST_F(SetFileTest, SaveChecksStopBeforeWriting) {
  const QString missing = QString::fromUtf8("Nie podałeś nazwy zestawu lub producenta.");
  const QString incomplete =
      QString::fromUtf8("Zestaw jest niepełny !!!\nProszę dobrać brakujące urządzenia");
  const struct {
    const char* what;
    std::function<void(TWinZestawy&)> change;
    QString message;
  } cases[] = {
      {"no name", [](TWinZestawy& w) { w.ui().ENazwaZestawu->clear(); }, missing},
      {"no producer", [](TWinZestawy& w) { w.ui().EProducent->setCurrentIndex(-1); }, missing},
      {"no collector count", [](TWinZestawy& w) { w.ui().ELiczbaKolektorow->clear(); }, missing},
      {"no price", [](TWinZestawy& w) { w.ui().ECenaZestawu->clear(); }, incomplete},
      {"a device missing", [](TWinZestawy& w) { delete w.ui().ListaZestaw->takeItem(6); },
       incomplete},
      {"two tanks asked for", [](TWinZestawy& w) { w.ui().RadioButton2->click(); }, incomplete},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TWinZestawy window;
    FillSet(window);
    c.change(window);
    dialogs.ExpectBox("Uwaga !!!", c.message, platform::Icon::Warning);
    window.ui().BitBtn2->click();
    EXPECT_FALSE(std::filesystem::exists(SetPath()));
  }

  // A thickness that is no integer stops the save with the conversion error.
  TWinZestawy window;
  FillSet(window);
  window.ui().Edit1->setText("32.5");
  dialogs.ExpectError("'32.5' is not a valid integer value");
  window.ui().BitBtn2->click();
  EXPECT_FALSE(std::filesystem::exists(SetPath()));
}

// Names that leave "Zestawy" or that the set opener would not list (hidden files).
TEST_F(SetFileTest, NamesThatLeaveTheSetFolderOrHideAreRefused) {
  std::filesystem::create_directories(dir_.path() / "Zestawy" / "pod");
  for (const char* name : {"../poza", "pod/zestaw", "pod\\zestaw", "..", ".ukryty", "a\tb"}) {
    SCOPED_TRACE(name);
    TWinZestawy window;
    FillSet(window);
    window.ui().ENazwaZestawu->setText(name);
    dialogs.ExpectBox("Uwaga", kWriteFailed, platform::Icon::Warning);
    window.ui().BitBtn2->click();
  }
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "poza.xml"));
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path() / "Zestawy" / "pod"));
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "Zestawy" / ".ukryty.xml"));
}

TEST_F(SetFileTest, FailedSaveKeepsTheOldFileAndShowsNoSuccess) {
  TWinZestawy window;
  FillSet(window);
  Save(window);
  const std::string before = ReadFileBytes(SetPath());

  window.ui().ECenaZestawu->setText("999");
  window.ui().Opis->setPlainText(QString(4000, QChar('x')));
  {
    FileSizeLimit limit(512);  // less than the set file
    dialogs.ExpectBox("Uwaga", kWriteFailed, platform::Icon::Warning);
    window.ui().BitBtn2->click();
  }
  EXPECT_EQ(ReadFileBytes(SetPath()), before);
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(dir_.path() / "Zestawy"))
    left.push_back(entry.path().filename().string());
  EXPECT_EQ(left, std::vector<std::string>{kSetName + ".xml"});

  // The folder missing: the same message, also after an earlier save succeeded.
  std::filesystem::remove_all(dir_.path() / "Zestawy");
  dialogs.ExpectBox("Uwaga", kWriteFailed, platform::Icon::Warning);
  window.ui().BitBtn2->click();
}

class SetOpenerTest : public SetFileTest {
 protected:
  // Saves the golden set, then gives the design devices and prices that differ from the set's.
  void SaveGoldenSet() {
    {
      TWinZestawy window;
      FillSet(window);
      Save(window);
    }
    Form1->ui().ELiczbaKolektorow->setText("5");
    Engine.CenaZasobnik = 1500;
    Engine.CenaKolektory = 2500;
    Engine.CenaArmatury = 300;
    Engine.CenaInne = 700;
    Engine.InsulationCost = 80;
    Engine.SelectedTank2->Model = "Drugi";
    Engine.Tank2Volume = 150;
    Engine.SetPriceMode = 0;
    Engine.LiczbaKolektorow = 5;
    Engine.LiczbaZasobnikow = 2;
  }

  // "Dwa.xml": both tanks, at 4990 zł.
  void SaveTwoTankSet() {
    TWinZestawy window;
    window.ui().RadioButton2->click();
    Drop(window, {1, 3, 4, 7, 0, 8, 11, 12});
    window.ui().ENazwaZestawu->setText("Dwa");
    window.ui().EProducent->setCurrentIndex(0);
    window.ui().ECenaZestawu->setText("4990");
    Save(window);
  }

  static void Select(TWinOpenZestaw& opener, const QString& file) {
    opener.FormShow();
    const auto found = opener.ui().FileListBox1->findItems(file, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    opener.ui().FileListBox1->setCurrentItem(found[0]);
  }
};

TEST_F(SetOpenerTest, AcceptLoadsTheSetsDevicesAndPrice) {
  SaveGoldenSet();
  TWinOpenZestaw opener;
  Select(opener, QString::fromStdString(kSetName + ".xml"));
  opener.ui().BitBtn1->click();

  EXPECT_EQ(Engine.SelectedTank->Model, "Mój zasobnik 300");
  EXPECT_EQ(Engine.SelectedCollector->Model, "Mój kolektor");
  EXPECT_EQ(Engine.SelectedController->Model, "ST-1");
  EXPECT_EQ(Engine.SelectedPump->Model, "Moja pompa");
  EXPECT_EQ(Engine.SelectedVessel->Model, "NW-18");
  EXPECT_EQ(Engine.SelectedInsulation->Model, "Moja izolacja");
  EXPECT_EQ(Engine.SelectedStructure->Model, "KW-Dach");
  EXPECT_FLOAT_EQ(Engine.CollectorEta0, 78);
  EXPECT_EQ(Engine.CenaZestawu, 12345.67f);  // as its author typed it
  EXPECT_EQ(Engine.SetPriceMode, 1);
  EXPECT_EQ(Engine.LiczbaKolektorow, 3);
  EXPECT_EQ(Engine.LiczbaZasobnikow, 1);
  EXPECT_FLOAT_EQ(Engine.OutdoorInsulationThickness, 32);
  EXPECT_FLOAT_EQ(Engine.IndoorInsulationThickness, 20);
  // The set price replaces the devices' prices; fittings and the second tank stay.
  for (float price :
       {Engine.CenaZasobnik, Engine.CenaKolektory, Engine.CenaSterownik, Engine.CenaPompa,
        Engine.CenaNaczynie, Engine.CenaInne, Engine.InsulationCost})
    EXPECT_EQ(price, 0);
  EXPECT_FLOAT_EQ(Engine.CenaArmatury, 300);
  EXPECT_EQ(Engine.SelectedTank2->Model, "Drugi");
  EXPECT_FLOAT_EQ(Engine.Tank2Volume, 150);
  EXPECT_EQ(Engine.ComputeTotalCost(), 12345.67f);

  EXPECT_EQ(opener.ui().StaticText9->text(), QString::fromStdString(kSetName));
  EXPECT_EQ(opener.ui().StaticText10->text(), "Kalorynka");
  EXPECT_EQ(opener.ui().StaticText14->text(), "3");
  EXPECT_EQ(opener.ui().StaticText15->text(), "1");
  EXPECT_EQ(opener.ui().ListBox2->count(), 7);
  EXPECT_EQ(opener.ui().ListBox2->item(0)->text(), QString::fromUtf8("Mój zasobnik 300"));
  EXPECT_EQ(opener.SetEmail, "biuro@kalorynka.example");
  EXPECT_EQ(Form1->ui().Label61->text(), QString::fromUtf8("Mój kolektor"));
  EXPECT_EQ(Form1->ui().ELiczbaKolektorow->text(), "3");
}

// The main window's summary shows the set's collector as the collector window does: k1 with four
// significant digits, k2 with two, so that it names the figures the design computes with.
TEST_F(SetOpenerTest, AcceptShowsTheCollectorsCoefficientsAsTheCollectorWindowDoes) {
  SaveGoldenSet();
  xml::Document set;
  set.LoadFile(SetPath());
  xml::Element collector = set.DocumentElement().Child("Kolektor");
  ASSERT_FALSE(collector.IsNull());
  collector.Child(4).SetText("3.78");
  collector.Child(5).SetText("0.0147");
  set.SaveFile(SetPath());
  TWinOpenZestaw opener;
  Select(opener, QString::fromStdString(kSetName + ".xml"));
  opener.ui().BitBtn1->click();
  EXPECT_FLOAT_EQ(Engine.CollectorK1, 3.78f);
  EXPECT_EQ(Form1->ui().Label62->text(), "3.78");
  EXPECT_EQ(Form1->ui().Label63->text(), "0.015");
}

// The cost window's total reads as the set's author typed the price.
TEST_F(SetOpenerTest, AcceptPutsTheSetPriceIntoTheCostWindow) {
  SaveGoldenSet();
  TWinKoszty costs;
  WinKoszty = &costs;
  TWinOpenZestaw opener;
  Select(opener, QString::fromStdString(kSetName + ".xml"));
  opener.ui().BitBtn1->click();
  WinKoszty = nullptr;
  EXPECT_EQ(costs.ui().ESumaKoszt->text(), "12345.67");
}

// The set's price replaces the device items: the cost window's greyed item edits read them as the
// design holds them, not the prices of the design shown before the set.
TEST_F(SetOpenerTest, AfterASetTheCostWindowShowsNoDeviceItemOfTheDesignBefore) {
  SaveGoldenSet();
  TWinKoszty costs;
  WinKoszty = &costs;
  Ui::TWinKoszty& k = costs.ui();
  costs.show();
  EXPECT_EQ(k.EKosztKolektora->text(), "2500");
  costs.hide();
  TWinOpenZestaw opener;
  Select(opener, QString::fromStdString(kSetName + ".xml"));
  opener.ui().BitBtn1->click();
  costs.show();
  for (QLineEdit* item : {k.EKosztKolektora, k.EKosztZasobnika, k.EKosztSterownika,
                          k.EKosztNaczynia, k.EKosztPompy}) {
    EXPECT_EQ(item->text(), "0") << item->objectName().toStdString();
    EXPECT_FALSE(item->isEnabled()) << item->objectName().toStdString();
  }
  // The set price with the fittings and the other cost item the set keeps.
  EXPECT_EQ(k.ECenaZestaw->text(), "12345.67");
  EXPECT_EQ(k.ESumaKoszt->text().toStdString(), ShortestText(SetPriceTotal(Engine)));
  costs.hide();
  WinKoszty = nullptr;
}

TEST_F(SetOpenerTest, PreviewShowsTheSetAndChangesNothing) {
  SaveGoldenSet();
  TWinOpenZestaw opener;
  Select(opener, QString::fromStdString(kSetName + ".xml"));
  opener.ui().BitBtn2->click();
  EXPECT_EQ(opener.ui().StaticText17->text(), QString::fromUtf8("12345.67 zł"));
  EXPECT_EQ(opener.ui().Opis->toPlainText(),
            QString::fromUtf8("Dla domu jednorodzinnego\nz żółtą ścianą"));
  EXPECT_EQ(opener.ui().ListBox2->count(), 7);
  EXPECT_EQ(opener.ui().ListBox2->item(4)->text(), "NW-18");
  EXPECT_EQ(Engine.SetPriceMode, 0);
  EXPECT_EQ(Engine.LiczbaKolektorow, 5);
  EXPECT_FLOAT_EQ(Engine.CenaZasobnik, 1500);
}

// A file that cannot be read whole changes nothing in the design: not even the devices before
// the damaged one.
TEST_F(SetOpenerTest, DamagedSetChangesNothingAndIsReported) {
  SaveGoldenSet();
  const std::string good = ReadFileBytes(SetPath());
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string bytes = good;
    const size_t at = bytes.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) bytes.replace(at, from.size(), to);
    return bytes;
  };
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"cut short", good.substr(0, good.size() / 2)},
      {"price with a comma", replaced(">12345.67<", ">12345,67<")},
      {"collector count no integer", replaced(">3<", ">trzy<")},
      {"information short of a field", replaced("<field name=\"Liczba_zasobnikow\">1</field>", "")},
      {"last device short of a field",
       good.substr(0, good.find("<Konstrukcja>")) +
           "<Konstrukcja><field>1</field><field>X</field></Konstrukcja></zestaw>"},
      {"insulation thickness no number", replaced(">20<", ">dwadzieścia<")},
      {"empty root", "<?xml version=\"1.0\"?><zestaw/>"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    dir_.Write("Zestawy/zly.xml", c.bytes);
    TWinOpenZestaw opener;
    Select(opener, "zly.xml");
    dialogs.ExpectBox("Uwaga", kLoadFailed, platform::Icon::Warning);
    opener.LoadSetIntoDesign(opener.SelectedPath());
    EXPECT_EQ(Engine.SetPriceMode, 0);
    EXPECT_EQ(Engine.LiczbaKolektorow, 5);
    EXPECT_EQ(Engine.LiczbaZasobnikow, 2);
    EXPECT_FLOAT_EQ(Engine.CenaZasobnik, 1500);
    EXPECT_FLOAT_EQ(Engine.CenaKolektory, 2500);
    EXPECT_FLOAT_EQ(Engine.CenaInne, 700);
    EXPECT_NE(Engine.SelectedTank->Model, "Mój zasobnik 300");
    EXPECT_NE(Engine.SelectedStructure->Model, "KW-Dach");
    EXPECT_EQ(opener.ui().StaticText9->text(), "");
  }
}

// A file whose root is no set is reported by the preview and by "Akceptuj", which then changes
// nothing: neither the design, nor the cost window's total, nor the scheme picture.
TEST_F(SetOpenerTest, AFileHoldingNoSetIsReportedAndAcceptChangesNothing) {
  SaveGoldenSet();
  TWinKoszty costs;
  WinKoszty = &costs;
  struct Unset {
    ~Unset() { WinKoszty = nullptr; }
  } unset;
  costs.ui().ESumaKoszt->setText("777");
  Engine.CenaZestawu = 555;
  Engine.LiczbaZasobnikow = 1;  // whose scheme picture the fixture holds
  const qint64 picture = Form1->ui().ObrazekTlo->pixmap().cacheKey();
  dir_.Write("Zestawy/inny.xml", "<?xml version=\"1.0\"?><vindargast><a/></vindargast>");
  TWinOpenZestaw opener;
  Select(opener, "inny.xml");

  dialogs.ExpectBox("Uwaga", QString::fromUtf8("2 Nie udało się wczytać pliku xml !!!"),
                    platform::Icon::Warning);
  opener.ui().BitBtn2->click();
  dialogs.ExpectBox("Uwaga", kLoadFailed, platform::Icon::Warning);
  opener.ui().BitBtn1->click();

  EXPECT_EQ(costs.ui().ESumaKoszt->text(), "777");
  EXPECT_EQ(Form1->ui().ObrazekTlo->pixmap().cacheKey(), picture);
  EXPECT_EQ(Engine.SetPriceMode, 0);
  EXPECT_FLOAT_EQ(Engine.CenaZestawu, 555);
  EXPECT_EQ(Engine.LiczbaZasobnikow, 1);
}

// Set files written before (LF line breaks, the price's exponent unsigned) read as they did.
TEST_F(SetOpenerTest, AnOlderLfSetFileStillReads) {
  dir_.Write("Zestawy/stary.xml", Golden("older_lf_set.xml"));
  ASSERT_EQ(Golden("older_lf_set.xml").find('\r'), std::string::npos);
  TWinOpenZestaw opener;
  Select(opener, "stary.xml");
  opener.ui().BitBtn2->click();
  EXPECT_EQ(opener.ui().StaticText17->text(), QString::fromUtf8("1.23457E06 zł"));
  EXPECT_EQ(opener.ui().Opis->toPlainText(),
            QString::fromUtf8("Dla domu jednorodzinnego\nz żółtą ścianą"));
  opener.ui().BitBtn1->click();
  EXPECT_FLOAT_EQ(Engine.CenaZestawu, 1234570);
  EXPECT_EQ(Engine.SetPriceMode, 1);
  EXPECT_EQ(Engine.SelectedTank->Model, "Mój zasobnik 300");
  EXPECT_EQ(Engine.SelectedStructure->Model, "KW-Dach");
  EXPECT_FLOAT_EQ(Engine.IndoorInsulationThickness, 20);

  // The golden file of today reads too: its CR LF inside the description is a line break.
  dir_.Write("Zestawy/nowy.xml", Golden("one_tank_set.xml"));
  Select(opener, "nowy.xml");
  opener.ui().BitBtn2->click();
  EXPECT_EQ(opener.ui().Opis->toPlainText(),
            QString::fromUtf8("Dla domu jednorodzinnego\nz żółtą ścianą"));
  Engine.CenaZestawu = 0;
  opener.ui().BitBtn1->click();
  EXPECT_EQ(Engine.CenaZestawu, 1234567);
}

TEST_F(SetOpenerTest, LinksOpenTheSetsAddressesButNotBrak) {
  SaveGoldenSet();
  TWinOpenZestaw opener;
  Select(opener, QString::fromStdString(kSetName + ".xml"));
  opener.ui().BitBtn2->click();
  QTest::mouseClick(opener.ui().StaticText12, Qt::LeftButton);
  QTest::mouseClick(opener.ui().StaticText12, Qt::LeftButton);
  QTest::mouseClick(opener.ui().StaticText13, Qt::LeftButton);  // the web page is "brak"
  EXPECT_EQ(dialogs.OpenedUrls(), (std::vector<QString>{"mailto:biuro@kalorynka.example",
                                                        "mailto:biuro@kalorynka.example"}));
  EXPECT_EQ(opener.SetEmail, "biuro@kalorynka.example");
}

TEST_F(SetOpenerTest, TwoTankSetLoadsBothTanksAndItsScheme) {
  SaveTwoTankSet();
  QImage picture(6, 6, QImage::Format_RGB32);
  picture.fill(Qt::white);
  picture.save(QString::fromStdString(dir_.File("Grafika/CWU-2zasobniki.bmp")), "BMP");
  TWinOpenZestaw opener;
  Select(opener, "Dwa.xml");
  opener.ui().BitBtn1->click();
  EXPECT_EQ(Form1->ui().ObrazekTlo->pixmap().width(), 6);
  EXPECT_EQ(Engine.SelectedTank->Model, "Mój zasobnik 300");
  EXPECT_EQ(Engine.SelectedTank2->Model, "ZS-200");
  EXPECT_EQ(Engine.LiczbaZasobnikow, 2);
  EXPECT_FLOAT_EQ(Engine.CenaZestawu, 4990);
  EXPECT_EQ(opener.ui().ListBox2->count(), 8);
}

// An accepted set shows the scheme that will be computed: the design's heating with the set's
// tanks (picture, heating inputs, second tank's summary), and prices no tank anew.
TEST_F(SetOpenerTest, AcceptShowsTheDesignsHeatingWithTheSetsTanks) {
  SaveGoldenSet();
  SaveTwoTankSet();
  // Each scheme's picture as wide as the scheme's number.
  const char* const pictures[] = {"CWU-1zasobnik.bmp", "CWU-2zasobniki.bmp", "CWU+CO-1zasobnik.bmp",
                                  "CWU+CO-2zasobniki.bmp"};
  for (int scheme = 1; scheme <= 4; ++scheme) {
    QImage picture(scheme, 3, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.save(QString::fromStdString(dir_.File(std::string("Grafika/") + pictures[scheme - 1])),
                 "BMP");
  }
  auto& ui = Form1->ui;
  const struct {
    QPushButton* design;
    QString set;
    int tanks;
    int picture;
  } cases[] = {
      {ui().Button4, QString::fromStdString(kSetName + ".xml"), 1, 3},
      {ui().Button3, "Dwa.xml", 2, 4},
      {ui().Button2, QString::fromStdString(kSetName + ".xml"), 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.set.toStdString());
    c.design->click();
    const int32_t heating = Engine.CWUCO;
    TWinOpenZestaw opener;
    Select(opener, c.set);
    opener.ui().BitBtn1->click();
    EXPECT_EQ(Engine.LiczbaZasobnikow, c.tanks);
    EXPECT_EQ(Engine.CWUCO, heating);
    EXPECT_EQ(ui().ObrazekTlo->pixmap().width(), c.picture);
    for (QWidget* input : {static_cast<QWidget*>(ui().Edit7), static_cast<QWidget*>(ui().PowDomu),
                           static_cast<QWidget*>(ui().Label10)})
      EXPECT_EQ(input->isHidden(), heating == 0) << input->objectName().toStdString();
    EXPECT_EQ(ui().Edit7->isEnabled(), heating == 1);
    for (QWidget* label : {ui().Label64, ui().Label69, ui().Label87})
      EXPECT_EQ(label->isHidden(), c.tanks == 1) << label->objectName().toStdString();
    EXPECT_EQ(Engine.CenaZasobnik, 0.0f);  // the set's price holds the tanks
  }
}

TEST_F(SetOpenerTest, ListsOnlySetFilesAndDeletesAfterYes) {
  SaveGoldenSet();
  dir_.Write("Zestawy/lista_zestawow.txt", "x.xml\n");
  TWinOpenZestaw opener;
  opener.FormShow();
  ASSERT_EQ(opener.ui().FileListBox1->count(), 1);
  opener.ui().FileListBox1->setCurrentRow(0);
  const QString question =
      QString::fromUtf8("Czy na pewno chcesz usunąć\nwybrany zestaw z programu ?");
  dialogs.ExpectBox("Pytanie", question, platform::Icon::Question, platform::Buttons::YesNo,
                    platform::Answer::No);
  opener.ui().BitBtn4->click();
  EXPECT_TRUE(std::filesystem::exists(SetPath()));
  dialogs.ExpectBox("Pytanie", question, platform::Icon::Question, platform::Buttons::YesNo,
                    platform::Answer::Yes);
  opener.ui().BitBtn4->click();
  EXPECT_FALSE(std::filesystem::exists(SetPath()));
  EXPECT_EQ(opener.ui().FileListBox1->count(), 0);
}

// After a delete nothing of the deleted set is shown, and no other entry is selected in its place:
// "Akceptuj" would load a set the user has not seen.
TEST_F(SetOpenerTest, ADeleteClearsTheShownSetAndLeavesNoEntrySelected) {
  SaveGoldenSet();
  dir_.Write("Zestawy/Zielony.xml", ReadFileBytes(SetPath()));
  TWinOpenZestaw opener;
  Select(opener, QString::fromStdString(kSetName + ".xml"));
  opener.ui().BitBtn2->click();
  ASSERT_EQ(opener.ui().StaticText9->text(), QString::fromStdString(kSetName));
  dialogs.ExpectBox("Pytanie",
                    QString::fromUtf8("Czy na pewno chcesz usunąć\nwybrany zestaw z programu ?"),
                    platform::Icon::Question, platform::Buttons::YesNo, platform::Answer::Yes);
  opener.ui().BitBtn4->click();
  EXPECT_FALSE(std::filesystem::exists(SetPath()));

  ASSERT_EQ(opener.ui().FileListBox1->count(), 1);
  EXPECT_EQ(opener.ui().FileListBox1->currentItem(), nullptr);
  EXPECT_TRUE(opener.ui().FileListBox1->selectedItems().isEmpty());
  for (const QLabel* text :
       {opener.ui().StaticText9, opener.ui().StaticText10, opener.ui().StaticText11,
        opener.ui().StaticText12, opener.ui().StaticText13, opener.ui().StaticText14,
        opener.ui().StaticText15, opener.ui().StaticText17})
    EXPECT_EQ(text->text(), "") << text->objectName().toStdString();
  EXPECT_EQ(opener.ui().Opis->toPlainText(), "");
  EXPECT_EQ(opener.ui().ListBox2->count(), 0);
  EXPECT_EQ(opener.SetEmail, "");
  EXPECT_EQ(opener.SetWebPage, "");

  opener.ui().BitBtn1->click();
  EXPECT_EQ(Engine.SetPriceMode, 0);
  EXPECT_EQ(Engine.LiczbaKolektorow, 5);
  EXPECT_FLOAT_EQ(Engine.CenaZasobnik, 1500);
}

// A delete that fails (here the file went away meanwhile) is reported and the entry stays.
TEST_F(SetOpenerTest, AFailedDeleteIsReportedAndKeepsTheEntry) {
  SaveGoldenSet();
  TWinOpenZestaw opener;
  Select(opener, QString::fromStdString(kSetName + ".xml"));
  std::filesystem::remove(SetPath());
  dialogs.ExpectBox("Pytanie",
                    QString::fromUtf8("Czy na pewno chcesz usunąć\nwybrany zestaw z programu ?"),
                    platform::Icon::Question, platform::Buttons::YesNo, platform::Answer::Yes);
  dialogs.ExpectBox("Uwaga",
                    QString::fromUtf8("Nie udało się usunąć pliku zestawu %1.")
                        .arg(QString::fromStdString(kSetName + ".xml")),
                    platform::Icon::Warning);
  opener.ui().BitBtn4->click();
  ASSERT_EQ(opener.ui().FileListBox1->count(), 1);
  EXPECT_EQ(opener.ui().FileListBox1->item(0)->text(), QString::fromStdString(kSetName + ".xml"));
}

}  // namespace
