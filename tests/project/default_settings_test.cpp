// The default settings file "default.xml" and the factory settings file "default_fabryczne.xml"
// that the program folder ships: written by the program itself from the design defaults and the
// first devices of the data folder, as the windows that feed the design take them at start-up.
// Run with VINDARGAST_WRITE_DEFAULTS=1 to write both into data/ anew (after a deliberate change
// of the defaults, the format or the data folder's first devices).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "app/windows.h"
#include "economics/Armatura.h"
#include "economics/kalkulatorEkologiczny.h"
#include "economics/koszt.h"
#include "engine/vindargast2.h"
#include "main/izolacja.h"
#include "main/kolektor.h"
#include "main/lokalizacja.h"
#include "main/naczynie.h"
#include "main/pompa.h"
#include "main/sterownik.h"
#include "main/vindargast.h"
#include "main/zasobnik.h"
#include "platform/scripted_dialogs.h"
#include "program_folder.h"
#include "project/project_commands.h"
#include "qt_app.h"
#include "report/raport.h"
#include "temp_dir.h"

namespace {

std::string Shipped(const char* name) {
  return ReadFileBytes(std::string(VINDARGAST_DATA) + "/" + name);
}

}  // namespace

// The windows that put values into a design or a project file at start-up, created in the order
// of the start over a copy of the program's data.
class DefaultSettingsTest : public testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    Engine = MakeDefaultDesign();
    Create(form1_, Form1);
    ASSERT_FALSE(Form1->StartFailed());
    Create(lokalizacja_, WinLokalizacja);
    Create(kolektor_, WinKolektor);
    Create(zasobnik_, WinZasobnik);
    Create(sterownik_, WinSterownik);
    Create(izolacja_, WinIzolacja);
    Create(naczynie_, WinNaczynie);
    Create(pompa_, WinPompa);
    Create(armatura_, WinArmatura);
    Create(koszty_, WinKoszty);
    Create(raport_, WinRaport);
    Create(kalkulator_, WinKalkulatorEkologiczny);
  }
  void TearDown() override {
    Release(kalkulator_, WinKalkulatorEkologiczny);
    Release(raport_, WinRaport);
    Release(koszty_, WinKoszty);
    Release(armatura_, WinArmatura);
    Release(pompa_, WinPompa);
    Release(naczynie_, WinNaczynie);
    Release(izolacja_, WinIzolacja);
    Release(sterownik_, WinSterownik);
    Release(zasobnik_, WinZasobnik);
    Release(kolektor_, WinKolektor);
    Release(lokalizacja_, WinLokalizacja);
    Release(form1_, Form1);
    Engine = MakeDefaultDesign();
  }

  ProgramFolder folder_;
  platform::ScriptedDialogs dialogs;

 private:
  template <class Window>
  static void Create(std::unique_ptr<Window>& owner, Window*& instance) {
    owner = std::make_unique<Window>();
    instance = owner.get();
  }
  template <class Window>
  static void Release(std::unique_ptr<Window>& owner, Window*& instance) {
    instance = nullptr;
    owner.reset();
  }

  std::unique_ptr<TForm1> form1_;
  std::unique_ptr<TWinLokalizacja> lokalizacja_;
  std::unique_ptr<TWinKolektor> kolektor_;
  std::unique_ptr<TWinZasobnik> zasobnik_;
  std::unique_ptr<TWinSterownik> sterownik_;
  std::unique_ptr<TWinIzolacja> izolacja_;
  std::unique_ptr<TWinNaczynie> naczynie_;
  std::unique_ptr<TWinPompa> pompa_;
  std::unique_ptr<TWinArmatura> armatura_;
  std::unique_ptr<TWinKoszty> koszty_;
  std::unique_ptr<TWinRaport> raport_;
  std::unique_ptr<TWinKalkulatorEkologiczny> kalkulator_;
};

TEST_F(DefaultSettingsTest, ShippedFilesAreTheStartDesignAsTheProgramWritesIt) {
  // Shipped with the mounting structure's price as the "other" cost item, as choosing the
  // structure gives it; a read keeps that item as the file holds it.
  Engine.CenaInne = Engine.SelectedStructure->Cena;
  ASSERT_EQ(Engine.WriteProjectFile("start.xml"), 1);
  ASSERT_EQ(Engine.ReadProjectFile("start.xml"), 1);
  ASSERT_EQ(Engine.WriteProjectFile("start.xml"), 1);
  const std::string start = ReadFileBytes(folder_.File("start.xml"));
  EXPECT_EQ(start, Shipped("default.xml"));
  if (std::getenv("VINDARGAST_WRITE_DEFAULTS")) {
    for (const char* name : {"default.xml", "default_fabryczne.xml"})
      std::ofstream(std::string(VINDARGAST_DATA) + "/" + name, std::ios::binary) << start;
  }
  EXPECT_EQ(Shipped("default_fabryczne.xml"), Shipped("default.xml"));
  // The first city and the first devices of the data folder.
  xml::Document document;
  document.LoadText(Shipped("default.xml"));
  const xml::Element root = document.DocumentElement();
  EXPECT_EQ(root.Child("nazwa_miasta").Child(0).Text(), Form1->CityCatalogue.Rows.at(0).at(1));
  EXPECT_EQ(root.Child("Kolektor").Child(0).Text(), Form1->CollectorCatalogue.Rows.at(0).at(0));
  EXPECT_EQ(root.Child("lokalizacja").Child(0).Text(), Form1->CityCatalogue.Rows.at(0).at(0));
}

// The first showing reads the shipped defaults without a message, and saving them again gives
// the very same file.
TEST_F(DefaultSettingsTest, ShippedDefaultsAreReadAtTheFirstShowingAndSaveUnchanged) {
  for (const char* name : {"default.xml", "default_fabryczne.xml"}) {
    SCOPED_TRACE(name);
    folder_.Write("default.xml", Shipped(name));
    Engine.KatBeta = 10;
    project::ReadDefaultSettings(*Form1);
    EXPECT_EQ(Engine.ProjectLoaded, 1);
    EXPECT_EQ(Engine.KatBeta, 45.0f);
    EXPECT_EQ(Form1->ui().EBeta->text(), "45");
    ASSERT_EQ(Engine.WriteProjectFile("znowu.xml"), 1);
    EXPECT_EQ(ReadFileBytes(folder_.File("znowu.xml")), Shipped(name));
  }
}
