#include "engine/vindargast2.h"

#include <initializer_list>

CVindargast2::CVindargast2(
    float katGamma, float katBeta, int32_t liczbaOsob, float temperaturaWodySieci,
    float temperaturaWodyWZasobniku, float dcwu, float szerokoscGeograficzna, float hotWaterEnergy,
    float srednicaPrzewodu, int32_t liczbaKolektorow, int32_t liczbaZasobnikow,
    float wysokoscStatyczna, float dlugoscPrzewodowNaZewnatrz, float dlugoscPrzewodowWewnatrz,
    float temperaturaOtoczeniaZasobnika, float temperaturaCieplejWody, float wspolczynnikKrotnosci,
    float temperaturaZasilania, float temperaturaPowrotu, float basenDlugosc, float basenSzerokosc,
    float basenGlebokosc, float powierzchniaBudynku, float zapotrzebowanieEnergi)
    : Armatura(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1),  // no fittings, collectors in series
      Costs(0, 0.5f, 0, 99),                            // heat bought per kWh
      KatGamma(katGamma),
      KatBeta(katBeta),
      LiczbaOsob(liczbaOsob),
      TemperaturaWodySieci(temperaturaWodySieci),
      TemperaturaCieplejWody(temperaturaCieplejWody),
      TemperaturaWodyWZasobniku(temperaturaWodyWZasobniku),
      TemperaturaOtoczeniaZasobnika(temperaturaOtoczeniaZasobnika),
      DCWU(dcwu),
      SzerokoscGeograficzna(szerokoscGeograficzna),
      HotWaterEnergy(hotWaterEnergy),
      SrednicaPrzewodu(static_cast<int32_t>(srednicaPrzewodu)),
      LiczbaZasobnikow(liczbaZasobnikow),
      LiczbaKolektorow(liczbaKolektorow),
      DlugoscPrzewodowNaZewnatrz(dlugoscPrzewodowNaZewnatrz),
      DlugoscPrzewodowWewnatrz(dlugoscPrzewodowWewnatrz),
      WspolczynnikKrotnosci(wspolczynnikKrotnosci),
      WysokoscStatyczna(wysokoscStatyczna),
      TemperaturaZasilania(temperaturaZasilania),
      TemperaturaPowrotu(temperaturaPowrotu),
      BasenDlugosc(basenDlugosc),
      BasenSzerokosc(basenSzerokosc),
      BasenGlebokosc(basenGlebokosc),
      PowierzchniaBudynku(powierzchniaBudynku),
      ZapotrzebowanieEnergi(zapotrzebowanieEnergi) {
  Costs.LinkAnnualHeatLoss(&AnnualHeatLoss);
}

CVindargast2::CVindargast2(const CVindargast2& other)
    : CVindargast2(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0) {
  *this = other;
}

void CVindargast2::ClearHydraulics() {
  CFittings& a = Armatura;
  for (float* figure : {&a.TotalPressureDrop, &a.PumpHead, &a.PumpFlow, &a.VesselVolume,
                        &a.CollectorWaterVolume, &a.ExchangerWaterVolume, &a.PipeWaterVolume,
                        &a.TotalWaterVolume, &InstallationPressureDrop})
    *figure = 0;
  HydraulicsComputed = 0;
}

float CVindargast2::ComputeRequiredTankVolume() {
  RequiredTankVolume = 0;
  const float volume = static_cast<float>(static_cast<double>(LiczbaOsob) * DCWU *
                                          static_cast<double>(WspolczynnikKrotnosci));
  RequiredTankVolume = volume;
  if (LiczbaZasobnikow == 2) {
    RequiredTankVolume = static_cast<float>(volume * 0.5);  // each of two tanks holds half
  }
  return RequiredTankVolume;
}

float CVindargast2::ComputeTotalCost() const {
  if (SetPriceMode == 1) return CenaZestawu;
  float total = 0;
  for (float item : {CenaKolektory, CenaZasobnik, CenaSterownik, CenaNaczynie, CenaPompa,
                     CenaArmatury, CenaPlynu, CenaMontazu, CenaInne}) {
    total += item;
  }
  return total;
}

float CVindargast2::ComputeFieldPressureDrop() const {
  switch (Armatura.RodzajPolaczenia) {
    case 1:  // in series: the drops add up
      return static_cast<float>(static_cast<double>(LiczbaKolektorow) * CollectorUnitPressureDrop);
    case 2:  // in parallel: one collector's drop
      return CollectorUnitPressureDrop;
    case 3:  // mixed: one row of collectors in series
      return static_cast<float>(static_cast<double>(CollectorUnitPressureDrop) *
                                Armatura.Szeregowo);
    default:
      return 0;
  }
}

float CVindargast2::ComputeFieldFlow() const {
  switch (Armatura.RodzajPolaczenia) {
    case 1:  // in series: one collector's flow
      return CollectorUnitFlow;
    case 2:  // in parallel: the flows add up
      return static_cast<float>(static_cast<double>(LiczbaKolektorow) * CollectorUnitFlow);
    case 3:  // mixed: the rows in parallel
      return static_cast<float>(static_cast<double>(CollectorUnitFlow) * Armatura.Rownolegle);
    default:
      return 0;
  }
}

CVindargast2 MakeDefaultDesign() {
  return CVindargast2(/*KatGamma*/ 0.0f, /*KatBeta*/ 45.0f, /*LiczbaOsob*/ 5,
                      /*TemperaturaWodySieci*/ 7.0f, /*TemperaturaWodyWZasobniku*/ 50.0f,
                      /*DCWU*/ 65.0f, /*SzerokoscGeograficzna*/ 0.0f, /*HotWaterEnergy*/ 0.0f,
                      /*SrednicaPrzewodu*/ 18.0f, /*LiczbaKolektorow*/ 4, /*LiczbaZasobnikow*/ 1,
                      /*WysokoscStatyczna*/ 4.0f, /*DlugoscPrzewodowNaZewnatrz*/ 1.0f,
                      /*DlugoscPrzewodowWewnatrz*/ 8.0f, /*TemperaturaOtoczeniaZasobnika*/ 22.0f,
                      /*TemperaturaCieplejWody*/ 45.0f, /*WspolczynnikKrotnosci*/ 1.5f,
                      /*TemperaturaZasilania*/ 40.0f, /*TemperaturaPowrotu*/ 30.0f,
                      /*BasenDlugosc*/ 5.0f, /*BasenSzerokosc*/ 4.0f, /*BasenGlebokosc*/ 2.0f,
                      /*PowierzchniaBudynku*/ 150.0f, /*ZapotrzebowanieEnergi*/ 120.0f);
}

CVindargast2 Engine = MakeDefaultDesign();
