// The main window's commands' tests: a copy of the program's data as the working folder, a fresh
// Engine, and the windows the commands open or write, created in the start-up's order (all but the
// splash window, the download progress window and the data module).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/windows.h"
#include "economics/Armatura.h"
#include "economics/kalkulatorEkologiczny.h"
#include "economics/koszt.h"
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
#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "main/Unit3.h"
#include "main/info.h"
#include "main/izolacja.h"
#include "main/kolektor.h"
#include "main/lokalizacja.h"
#include "main/naczynie.h"
#include "main/pompa.h"
#include "main/sterownik.h"
#include "main/vindargast.h"
#include "main/zasobnik.h"
#include "online/OpenZestaw.h"
#include "online/oferta.h"
#include "online/pobierz_zestawy.h"
#include "online/producent.h"
#include "online/zestawy.h"
#include "platform/cellgrid_qt.h"
#include "platform/scripted_dialogs.h"
#include "program_folder.h"
#include "qt_app.h"
#include "report/Wykres.h"
#include "report/Wyniki.h"
#include "report/raport.h"

class CommandTest : public testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    Engine = MakeDefaultDesign();
    platform::ScriptedDialogs creation;  // no window's creation shows a box
    Create(Form1);
    ASSERT_FALSE(Form1->StartFailed());
    Create(WinLokalizacja);
    Create(WinKolektor);
    Create(WinZasobnik);
    Create(WinSterownik);
    Create(WinIzolacja);
    Create(WinNaczynie);
    Create(WinPompa);
    Create(WinArmatura);
    Create(WinKoszty);
    Create(WinAddPompa);
    Create(WinAddZasobnik);
    Create(WinAddKolektor);
    Create(WinAddSterownik);
    Create(WinAddNaczynie);
    Create(WinAddIzolacja);
    Create(WinZestawy);
    Create(WinInfo);
    Create(WinOpenZestaw);
    Create(Form3);
    Create(WinRaport);
    Create(WinWyniki);
    Create(WinWykres);
    Create(WinAddMiasta);
    Create(WinAddKonstrukcja);
    Create(WinAddProducent);
    Create(WinGrubosci);
    Create(WinPobierzZestawy);
    Create(WinProducenci);
    Create(WinOferta);
    Create(WinKalkulatorEkologiczny);
  }
  void TearDown() override {
    for (auto destroy = destroyers_.rbegin(); destroy != destroyers_.rend(); ++destroy)
      (*destroy)();
    destroyers_.clear();
    Engine = MakeDefaultDesign();
  }

  // Runs the command and tells which window it ran modally, closing that window at once; null
  // when no window ran modally.
  static QWidget* ModalDuring(const std::function<void()>& command) {
    QPointer<QWidget> modal;
    bool checked = false;
    QTimer::singleShot(0, [&] {
      checked = true;
      modal = QApplication::activeModalWidget();
      if (modal) modal->close();
    });
    command();
    while (!checked) QCoreApplication::processEvents();
    return modal.data();
  }

  static std::string Text(const QTableWidget* grid, int col, int row) {
    return platform::Cell(grid, col, row).toStdString();
  }

  // The electricity price the compute command hands to the balance.
  static std::string ElectricityPrice() { return Form1->FuelCatalogue.Rows.at(0).at(3); }

  ProgramFolder folder_;

 private:
  template <class Window>
  void Create(Window*& instance) {
    instance = new Window();
    destroyers_.push_back([&instance] {
      delete instance;
      instance = nullptr;
    });
  }

  std::vector<std::function<void()>> destroyers_;
};
