// The program's windows by their instances' names, as start-up has created them (the splash
// window, gone by then, and the data module, no window, left out).
#pragma once

#include <QWidget>
#include <utility>
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
#include "main/Unit3.h"
#include "main/info.h"
#include "main/izolacja.h"
#include "main/kolektor.h"
#include "main/lokalizacja.h"
#include "main/naczynie.h"
#include "main/pobieranie.h"
#include "main/pompa.h"
#include "main/sterownik.h"
#include "main/vindargast.h"
#include "main/zasobnik.h"
#include "online/OpenZestaw.h"
#include "online/oferta.h"
#include "online/pobierz_zestawy.h"
#include "online/producent.h"
#include "online/zestawy.h"
#include "report/Wykres.h"
#include "report/Wyniki.h"
#include "report/raport.h"

namespace app_test {

inline std::vector<std::pair<const char*, QWidget*>> Windows() {
  return {{"Form1", Form1},
          {"WinLokalizacja", WinLokalizacja},
          {"WinKolektor", WinKolektor},
          {"WinZasobnik", WinZasobnik},
          {"WinSterownik", WinSterownik},
          {"WinIzolacja", WinIzolacja},
          {"WinNaczynie", WinNaczynie},
          {"WinPompa", WinPompa},
          {"WinArmatura", WinArmatura},
          {"WinKoszty", WinKoszty},
          {"WinAddPompa", WinAddPompa},
          {"WinAddZasobnik", WinAddZasobnik},
          {"WinAddKolektor", WinAddKolektor},
          {"WinAddSterownik", WinAddSterownik},
          {"WinAddNaczynie", WinAddNaczynie},
          {"WinAddIzolacja", WinAddIzolacja},
          {"WinZestawy", WinZestawy},
          {"WinInfo", WinInfo},
          {"Form2", Form2},
          {"WinOpenZestaw", WinOpenZestaw},
          {"Form3", Form3},
          {"WinRaport", WinRaport},
          {"WinWyniki", WinWyniki},
          {"WinWykres", WinWykres},
          {"WinAddMiasta", WinAddMiasta},
          {"WinAddKonstrukcja", WinAddKonstrukcja},
          {"WinAddProducent", WinAddProducent},
          {"WinGrubosci", WinGrubosci},
          {"WinPobierzZestawy", WinPobierzZestawy},
          {"WinProducenci", WinProducenci},
          {"WinOferta", WinOferta},
          {"WinKalkulatorEkologiczny", WinKalkulatorEkologiczny}};
}

}  // namespace app_test
