// A small set of the eleven catalogues in a temporary working folder, with the main window
// created over it as start-up creates it, for the windows that read the main window's tables.
// Every device catalogue holds a vendor record (flag "1") and a record of the user's (flag "0").
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/windows.h"
#include "engine/vindargast2.h"
#include "main/vindargast.h"
#include "platform/scripted_dialogs.h"
#include "qt_app.h"
#include "temp_dir.h"

namespace catalogue_set {

// One record of columnCount fields: the id, "1" in every column not named, the named texts, and
// the flag in the last column.
inline std::vector<std::string> Record(int columnCount, int id, const std::string& flag,
                                       const std::map<int, std::string>& texts) {
  std::vector<std::string> fields(columnCount, "1");
  fields[0] = std::to_string(id);
  fields[columnCount - 1] = flag;
  for (const auto& [col, text] : texts) fields[col] = text;
  return fields;
}

inline std::string CatalogueXml(const std::string& root,
                                const std::vector<std::vector<std::string>>& records,
                                const std::vector<std::string>& names = {}) {
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<" + root + ">\n";
  for (const auto& record : records) {
    xml += "  <row>\n";
    for (size_t col = 0; col < record.size(); ++col) {
      const std::string name = col < names.size() ? names[col] : "Pole" + std::to_string(col);
      xml += "    <field name=\"" + name + "\">" + record[col] + "</field>\n";
    }
    xml += "  </row>\n";
  }
  return xml + "</" + root + ">\n";
}

// Texts the tests look for.
inline const std::vector<std::string> kProducers = {"Promienny Dom", "Kalorynka"};

inline void Write(const TempDir& dir) {
  auto device = [&](const char* file, int columns, int display, const char* vendorModel,
                    const char* userModel, std::map<int, std::string> extra = {}) {
    std::map<int, std::string> vendor = extra, user = extra;
    vendor[1] = kProducers[0];
    user[1] = kProducers[1];
    vendor[display] = vendorModel;
    user[display] = userModel;
    dir.Write(
        std::string("Dane/") + file,
        CatalogueXml("katalog", {Record(columns, 1, "1", vendor), Record(columns, 2, "0", user)}));
  };
  device("zasobnik.xml", 16, 2, "ZS-200", "Mój zasobnik 300");
  device("kolektor.xml", 17, 3, "PK-2.5", "Mój kolektor", {{6, "78"}});
  device("sterownik.xml", 15, 10, "ST-1", "Mój sterownik");
  device("naczynie.xml", 11, 2, "NW-18", "Moje naczynie");
  device("pompy.xml", 12, 2, "JH-Solar 1", "Moja pompa");
  device("izolacja.xml", 9, 4, "Kauflex 13", "Moja izolacja");
  device("konstrukcje.xml", 13, 2, "KW-Dach", "Moja konstrukcja");

  std::map<int, std::string> city1{{1, "Gdańsk"}, {38, "54.35"}},
      city2{{1, "Testowo"}, {38, "50.1"}};
  dir.Write("Dane/miasta.xml",
            CatalogueXml("miasta", {Record(40, 1, "1", city1), Record(40, 2, "0", city2)}));
  const std::vector<std::string> thicknessNames = {"idPrzewodu",     "idIzolacja", "srednica",
                                                   "zakresGrubosci", "cena",       "flaga"};
  dir.Write("Dane/grubosci.xml",
            CatalogueXml("grubosci",
                         {{"1", "1", "22", "13", "4.5", "1"}, {"2", "2", "15", "20", "6", "0"}},
                         thicknessNames));
  dir.Write("Dane/paliwa1.xml",
            CatalogueXml("paliwa", {Record(14, 1, "0", {{1, "Gaz ziemny"}}),
                                    Record(14, 2, "0", {{1, "Olej opałowy"}})}));
  dir.Write(
      "Dane/producenci.xml",
      CatalogueXml("producenci",
                   {{"1", kProducers[0], "https://www.promienny-dom.example", "Kolektory", "1"},
                    {"2", kProducers[1], "https://kalorynka.example", "brak", "0"}}));
  std::filesystem::create_directories(dir.path() / "Grafika");
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(Qt::white);
  picture.save(QString::fromStdString(dir.File("Grafika/CWU-1zasobnik.bmp")), "BMP");
  std::filesystem::create_directories(dir.path() / "Zestawy");
}

}  // namespace catalogue_set

// Works in a temporary folder holding the small catalogue set, with Form1 created over it and a
// fresh Engine; every box shown must be expected through `dialogs`.
class CatalogueSetTest : public testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    previousFolder_ = std::filesystem::current_path();
    catalogue_set::Write(dir_);
    std::filesystem::current_path(dir_.path());
    Engine = MakeDefaultDesign();
    form1_ = std::make_unique<TForm1>();
    ASSERT_FALSE(form1_->StartFailed());
    Form1 = form1_.get();
  }
  void TearDown() override {
    Form1 = nullptr;
    form1_.reset();
    std::filesystem::current_path(previousFolder_);
    Engine = MakeDefaultDesign();
  }

  TempDir dir_;
  platform::ScriptedDialogs dialogs;

 private:
  std::filesystem::path previousFolder_;
  std::unique_ptr<TForm1> form1_;
};
