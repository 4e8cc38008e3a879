// Windows the start does not show put off building their widgets: the start builds none of them,
// and each is whole at its first showing. (Every other window test reaches them after such a
// start, so their contents are checked there.)
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <set>
#include <string>

#include "platform/form_ui.h"
#include "recording_dialogs.h"
#include "started_program.h"
#include "window_list.h"

namespace {

// The windows whose widgets wait for their first use.
const std::set<std::string> kPutOff = {
    "Form3",
    "WinInfo",
    "WinAddPompa",
    "WinAddZasobnik",
    "WinAddKolektor",
    "WinAddSterownik",
    "WinAddNaczynie",
    "WinAddIzolacja",
    "WinAddMiasta",
    "WinAddKonstrukcja",
    "WinAddProducent",
    "WinGrubosci",
    "WinRaport",
    "WinWykres",
    "WinWyniki",
    "WinLokalizacja",
    "WinKolektor",
    "WinZasobnik",
    "WinSterownik",
    "WinIzolacja",
    "WinNaczynie",
    "WinPompa",
    "WinArmatura",
    "WinKoszty",
    "WinKalkulatorEkologiczny",
    "WinZestawy",
    "Form2",
    "WinOpenZestaw",
    "WinPobierzZestawy",
    "WinProducenci",
    "WinOferta",
};

class DeferredFormsTest : public StartedProgramTest {
 protected:
  RecordingDialogs dialogs_;
};

TEST_F(DeferredFormsTest, TheStartBuildsNoPutOffWindowAndTheFirstShowingBuildsIt) {
  int found = 0;
  for (const auto& [name, window] : app_test::Windows()) {
    if (!kPutOff.count(name)) continue;
    ++found;
    EXPECT_TRUE(window->findChildren<QWidget*>().isEmpty()) << name << " was built at the start";
  }
  EXPECT_EQ(found, static_cast<int>(kPutOff.size()));

  for (const auto& [name, window] : app_test::Windows()) {
    if (!kPutOff.count(name)) continue;
    window->show();
    QApplication::processEvents();
    EXPECT_FALSE(window->findChildren<QWidget*>().isEmpty()) << name;
    EXPECT_FALSE(window->windowTitle().isEmpty()) << name;
    window->hide();
  }
}

TEST_F(DeferredFormsTest, BuildAllLeavesNoWindowUnbuilt) {
  platform::DeferredForms::BuildAll();
  for (const auto& [name, window] : app_test::Windows())
    EXPECT_FALSE(window->findChildren<QWidget*>().isEmpty()) << name;
}

}  // namespace
