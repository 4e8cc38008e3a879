// The windows a project file reads and writes, as start-up creates them over the small catalogue
// set (Form1, the cost window, the report options and the ecological calculator), a fresh Engine,
// and three fixed designs: hot water only; two tanks with circulation; central heating with a
// covered pool.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <filesystem>
#include <memory>
#include <string>

#include "app/windows.h"
#include "catalogue_set.h"
#include "economics/kalkulatorEkologiczny.h"
#include "economics/koszt.h"
#include "engine/vindargast2.h"
#include "main/vindargast.h"
#include "report/raport.h"
#include "temp_dir.h"

namespace project_test {

enum class Design { HotWater, TwoTanksCirculation, HeatingPool };

inline const char* GoldenName(Design design) {
  switch (design) {
    case Design::HotWater:
      return "hot_water.xml";
    case Design::TwoTanksCirculation:
      return "two_tanks_circulation.xml";
    case Design::HeatingPool:
      return "heating_pool.xml";
  }
  return "";
}

inline std::string GoldenPath(Design design) {
  return std::string(VINDARGAST_FIXTURES) + "/project/" + GoldenName(design);
}

inline void SetDevices(CVindargast2& d) {
  CKolektor& c = *d.SelectedCollector;
  c.ID = 7;
  c.NazwaProducenta = "Słoneczny Żar";
  c.RodzajKolektora = "płaski";
  c.Model = "SŻ-2000 płaski";
  c.WspolczynnikLiniowy = 3.456789f;
  c.WspolczynnikKwadratowy = 0.0123f;
  c.SprawnoscOptyczna = 80.45f;
  c.JednostkoweNatezenie = 120;
  c.JednostkoweCisnienie = 2.5f;
  c.PojemnoscAbsorbera = 1.4f;
  c.PowierzchniaKolektora = 1.85f;
  c.Cena = 1899.99f;
  c.StronaProducenta = "http://www.zar.example";
  c.Opis = "Kolektor płaski z absorberem miedzianym";
  c.Certyfikat = "brak";
  c.WynikiBadan = "brak";

  CSterownik& s = *d.SelectedController;
  s.ID = 5;
  s.NazwaProducenta = "Tech";
  s.IleZasobnikow = 2;
  s.CWCCO = "Tak";
  s.ProgramatorTemperatury = "Nie";
  s.OchronaPrzedPrzegrzaniem = "Tak";
  s.LiczbaCzujnikow = 3;
  s.LiczbaWyjsc = 4;
  s.LiczbaObiegow = 2;
  s.CzujnikTemperatury = "PT1000";
  s.Model = "ST-402N";
  s.Cena = 560;
  s.StronaProducenta = "brak";
  s.Opis = "brak";

  CNaczynie& v = *d.SelectedVessel;
  v.ID = 2;
  v.NazwaProducenta = "Reflex";
  v.Model = "S 18";
  v.DopuszczalnaTemperatura = 120;
  v.DopuszczalneCisnienie = 10;
  v.CisnienieWstepne = 2.5f;
  v.Pojemnosc = 18;
  v.Cena = 150.5f;
  v.StronaProducenta = "brak";
  v.Opis = "Naczynie przeponowe";

  CPompaObiegowa& p = *d.SelectedPump;
  p.ID = 4;
  p.NazwaProducenta = "Wilo";
  p.Model = "ST 15/6 ECO";
  p.MaksymalnaWysokosc = 6;
  p.LiczbaZaworow = 2;
  p.CisnienieZaworu = 6;
  p.ZakresRegulacji = "1-6";
  p.Certyfikat = "brak";
  p.Cena = 899.99f;
  p.StronaProducenta = "brak";
  p.Opis = "brak";

  CIzolacja& i = *d.SelectedInsulation;
  i.ID = 3;
  i.NazwaProducenta = "Armacell";
  i.Model = "Tubolit ST";
  i.Lambda = 0.037f;
  i.Material = "pianka";
  i.DopuszczalnaTemperatura = 150;
  i.CenaIzolacjiZew = 120;
  i.CenaIzolacjiWew = 80.5f;
  i.GruboscIzolacjiZew = 32;
  i.GruboscIzolacjiWew = 20;
  i.Cena = 200.5f;
  i.StronaProducenta = "brak";
  i.Opis = "brak";

  CZasobnik& t = *d.SelectedTank;
  t.ID = 11;
  t.NazwaProducenta = "Galmet";
  t.RodzajZasobnika = "dwuwężownicowy";
  t.Model = "SGW(S) 300";
  t.PojemnoscZasobnika = 300;
  t.StratyCisnienia = 12;
  t.PojemnoscWymiennika = 8.2f;
  t.TemperaturaWody = 95;
  t.CisnieniePracy = 10;
  t.WysokoscZasobnika = 1500;
  t.SrednicaZasobnika = 600;
  t.GruboscIzolacji = 50;
  t.Cena = 2350;
  t.StronaProducenta = "brak";
  t.Opis = "brak";

  CZasobnik& t2 = *d.SelectedTank2;
  t2 = t;
  t2.ID = 12;
  t2.Model = "SGW(S) 200";
  t2.PojemnoscZasobnika = 200;
  t2.Cena = 1800;

  CKonstrukcjaWsporcza& k = *d.SelectedStructure;
  k.ID = 1;
  k.NazwaProducenta = "Alu-Dach";
  k.Model = "KW-Dach";
  k.LiczbaKolektorow = "2-4";
  k.TypKolektora = "płaski";
  k.Nachylenie = "30-60";
  k.Nosnosc = 2.5f;
  k.MontazNaScianie = "Nie";
  k.TypPokryciaDachu = "dachówka";
  k.Cena = 640;
  k.StronaProducenta = "brak";
  k.Opis = "brak";
}

// The values a read of the devices copies into the design, so that a design read back equals
// the one written.
inline void CopyDeviceValues(CVindargast2& d) {
  d.CollectorK1 = d.SelectedCollector->WspolczynnikLiniowy;
  d.CollectorK2 = d.SelectedCollector->WspolczynnikKwadratowy;
  d.CenaSterownik = d.SelectedController->Cena;
  d.CenaNaczynie = d.SelectedVessel->Cena;
  d.CenaPompa = d.SelectedPump->Cena;
  d.CenaZasobnik = d.SelectedTank->Cena;
  d.CenaInne = d.SelectedStructure->Cena;
}

inline void SetDesign(CVindargast2& d, Design design) {
  d = MakeDefaultDesign();
  SetDevices(d);
  d.KatGamma = -30;
  d.KatBeta = 45;
  d.LiczbaOsob = 4;
  d.DlugoscPrzewodowNaZewnatrz = 2.3f;  // general 15: 2.29999995231628
  d.DlugoscPrzewodowWewnatrz = 2.3f;    // general 4: 2.3
  d.TemperaturaWodyWZasobniku = 55;
  d.Izolacja = 1;
  d.IDMiasta = 12;
  d.SzerokoscGeograficzna = 50.06f;
  for (int m = 0; m < 12; ++m) {
    d.Temperatura[m] = -3.5f + 2 * m;
    d.Uslonecznienie[m] = 40 + 20.25f * m;
    d.Naslonecznienie[m] = 20 + 10 * m;
  }
  d.Armatura.DlugoscPrzewodow = 12.5f;
  d.Armatura.CenaZaMetr = 35.9f;
  d.Armatura.DodatkowaStrataCisnienia = 50;
  d.Armatura.RodzajPolaczenia = 3;
  d.Armatura.Szeregowo = 2;
  d.Armatura.Rownolegle = 2;
  d.Armatura.KolankoLiczba = 10;
  d.Armatura.KolankoCena = 4.5f;
  d.Armatura.ZaworZwrotnyLiczba = 1;
  d.Armatura.ZaworZwrotnyCena = 45.99f;
  d.CenaKolektory = 7599.96f;
  d.CenaArmatury = 530.25f;
  d.CenaPlynu = 120;
  d.CenaMontazu = 1500;
  d.NazwaPaliwa = 1;
  CKoszty& c = d.Costs;
  c.TypOgrzewania = 1;
  c.WartoscOpalowa = 7.5f;
  c.SprawnoscProcesu = 0.85f;
  c.IleRocznyWzrost = 5;
  c.WzrostCenTakNie = 1;
  c.IleDotacja = 2000;
  c.DotacjaTakNie = 0;
  c.IleEksploatacja = 150;
  c.EksploatacjaTakNie = 1;
  c.KosztPompyTakNie = 1;
  c.IleDyskont = 6;
  c.DyskontTakNie = 0;
  c.IleInflacja = 3.5f;
  c.InflationOn = 1;
  c.NPVTakNie = 1;
  c.IleCzasEksploatacji = 0;
  switch (design) {
    case Design::HotWater:
      break;
    case Design::TwoTanksCirculation:
      d.LiczbaZasobnikow = 2;
      d.Cyrkulacja = 1;
      d.CzasPracyPompyCyrkulacyjnej = 6;
      d.DlugoscPrzewodowCyrkulacyjnych = 25.5f;
      c.IleCzasEksploatacji = 20;
      c.InflationOn = 0;
      c.NfosigwSubsidyOn = 1;
      break;
    case Design::HeatingPool:
      d.CWUCO = 1;
      d.PowierzchniaBudynku = 12346;  // general 4: 1.235E04
      d.ZapotrzebowanieEnergi = 1234.6f;
      d.Basen = 1;
      d.Przeslona = 1;
      d.BasenDlugosc = 8;
      d.BasenSzerokosc = 4.5f;
      d.BasenGlebokosc = 1.6f;
      d.BasenOd = 4;
      d.BasenDo = 8;
      d.WspolczynnikKrotnosci = 2.25f;
      d.SrednicaPrzewodu = 22;
      break;
  }
  CopyDeviceValues(d);
}

}  // namespace project_test

// Works in a temporary folder with the small catalogue set, Form1 and the three windows whose
// inputs a project holds, created as start-up creates them; every box must be expected.
class ProjectTest : public CatalogueSetTest {
 protected:
  void SetUp() override {
    CatalogueSetTest::SetUp();
    // The refresh clicks the scheme buttons, which show these pictures.
    for (const char* scheme :
         {"CWU-2zasobniki.bmp", "CWU+CO-1zasobnik.bmp", "CWU+CO-2zasobniki.bmp"})
      std::filesystem::copy_file(dir_.File("Grafika/CWU-1zasobnik.bmp"),
                                 dir_.File(std::string("Grafika/") + scheme));
    CreateWindows();
  }
  void TearDown() override {
    DestroyWindows();
    CatalogueSetTest::TearDown();
  }

  void CreateWindows() {
    koszty_ = std::make_unique<TWinKoszty>();
    WinKoszty = koszty_.get();
    raport_ = std::make_unique<TWinRaport>();
    WinRaport = raport_.get();
    kalkulator_ = std::make_unique<TWinKalkulatorEkologiczny>();
    WinKalkulatorEkologiczny = kalkulator_.get();
  }
  void DestroyWindows() {
    WinKalkulatorEkologiczny = nullptr;
    WinRaport = nullptr;
    WinKoszty = nullptr;
    kalkulator_.reset();
    raport_.reset();
    koszty_.reset();
  }

  // The design and what the windows hold for it: the city, a net sum for the design with two
  // tanks, report texts (two of them not remembered), a tax scale and loan texts.
  void Prepare(project_test::Design design) {
    project_test::SetDesign(Engine, design);
    Form1->ui().Label49->setText(QString::fromUtf8("Kraków"));
    Ui::TWinRaport& r = WinRaport->ui();
    r.ENazwaProjektu->setText(QString::fromUtf8("Dom Kowalskich"));  // box 1 unticked
    r.EProjektant->setText(QString::fromUtf8("Jan Żółć"));
    r.EWWW->setText(QStringLiteral("https://projekt.example"));
    r.ETelefon->setText(QStringLiteral("+48 12 345 67 89"));
    Ui::TWinKoszty& k = WinKoszty->ui();
    k.WysokoscKredytu->setText(QStringLiteral("15000"));
    k.OkresKredytowania->setText(QStringLiteral("60"));
    if (design == project_test::Design::TwoTanksCirculation) {
      k.RSumaNetto->setChecked(true);
      k.ComboStawkiPodatku->setCurrentIndex(1);
      k.ProcentDotacji->setText(QStringLiteral("45"));
    }
    if (design == project_test::Design::HeatingPool) k.Evat->setText(QStringLiteral("8"));
  }

  std::string Write(const std::string& name) {
    const std::string path = dir_.File(name);
    EXPECT_EQ(Engine.WriteProjectFile(path), 1);
    return ReadFileBytes(path);
  }

 private:
  std::unique_ptr<TWinKoszty> koszty_;
  std::unique_ptr<TWinRaport> raport_;
  std::unique_ptr<TWinKalkulatorEkologiczny> kalkulator_;
};
