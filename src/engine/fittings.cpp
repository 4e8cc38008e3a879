#include "engine/fittings.h"

#include <cmath>
#include <string>

#include "engine/cost_limit.h"
#include "engine/design_error.h"
#include "engine/numtext.h"

CFittings::CFittings(int32_t kolankoLiczba, float kolankoCena, int32_t tPrzeplywLiczba,
                     float tPrzeplywCena, int32_t tRozgaleznikLiczba, float tRozgaleznikCena,
                     int32_t zasuwaOdcinajacaLiczba, float zasuwaOdcinajacaCena,
                     int32_t zaworOdcinajacyLiczba, float zaworOdcinajacyCena,
                     int32_t zaworZwrotnyLiczba, float zaworZwrotnyCena, int32_t rodzajPolaczenia)
    : KolankoLiczba(kolankoLiczba),
      KolankoCena(kolankoCena),
      TPrzeplywLiczba(tPrzeplywLiczba),
      TPrzeplywCena(tPrzeplywCena),
      TRozgaleznikLiczba(tRozgaleznikLiczba),
      TRozgaleznikCena(tRozgaleznikCena),
      ZasuwaOdcinajacaLiczba(zasuwaOdcinajacaLiczba),
      ZasuwaOdcinajacaCena(zasuwaOdcinajacaCena),
      ZaworOdcinajacyLiczba(zaworOdcinajacyLiczba),
      ZaworOdcinajacyCena(zaworOdcinajacyCena),
      ZaworZwrotnyLiczba(zaworZwrotnyLiczba),
      ZaworZwrotnyCena(zaworZwrotnyCena),
      RodzajPolaczenia(rodzajPolaczenia) {}

float CFittings::ComputePrice() {
  // The fitting kinds by the captions of their edits, in the order of the fields.
  const struct {
    const char* caption;
    const char* field;
    int32_t count;
    float price;
  } kinds[] = {
      {"Kolanko", "KolankoCena", KolankoLiczba, KolankoCena},
      {"T-przepływ", "TPrzeplywCena", TPrzeplywLiczba, TPrzeplywCena},
      {"T-rozgałęźnik", "TRozgaleznikCena", TRozgaleznikLiczba, TRozgaleznikCena},
      {"Zasuwa odcinająca", "ZasuwaOdcinajacaCena", ZasuwaOdcinajacaLiczba, ZasuwaOdcinajacaCena},
      {"Zawór odcinający", "ZaworOdcinajacyCena", ZaworOdcinajacyLiczba, ZaworOdcinajacyCena},
      {"Zawór zwrotny", "ZaworZwrotnyCena", ZaworZwrotnyLiczba, ZaworZwrotnyCena},
  };
  double price = 0;
  for (const auto& kind : kinds) {
    const double cost = static_cast<double>(kind.count) * kind.price;
    if (!FloatHolds(cost)) {
      throw DesignInputError(
          kind.field, TooLargeProduct(kind.caption, "liczba elementów", std::to_string(kind.count),
                                      "cena za element", kind.price));
    }
    price += cost;
  }
  const double pipes = static_cast<double>(DlugoscPrzewodow) * CenaZaMetr;
  if (!FloatHolds(pipes)) {
    throw DesignInputError("CenaZaMetr",
                           TooLargeProduct("Przewody rurowe", "długość przewodów rurowych",
                                           GeneralText(DlugoscPrzewodow, 6, 2) + " m",
                                           "cena netto za metr bieżący", CenaZaMetr));
  }
  price += pipes;
  if (!FloatHolds(price)) {
    throw DesignInputError("FittingsPrice",
                           "Suma kosztów armatury (" + GeneralText(price, 6, 2) +
                               " zł) jest zbyt duża do obliczenia: popraw liczby elementów "
                               "lub ceny.");
  }
  FittingsPrice = static_cast<float>(price);
  return FittingsPrice;
}

float CFittings::SumLocalLosses() const {
  // Local-loss coefficients of the fitting kinds, in the order of the fields.
  double sum = 1.4 * KolankoLiczba + 1.4 * TPrzeplywLiczba + 4.2 * TRozgaleznikLiczba +
               1.4 * ZasuwaOdcinajacaLiczba + 5.7 * ZaworOdcinajacyLiczba +
               22.8 * ZaworZwrotnyLiczba + static_cast<double>(DodatkowaStrataCisnienia);
  return static_cast<float>(sum);
}

namespace {

// The pipe formulas work on the inner diameter d - 2 mm.
void RequireBore(float d) {
  if (!(d > 2.0f)) {
    throw DesignInputError("SrednicaPrzewodu", "Średnica przewodu (" + GeneralText(d, 6, 2) +
                                                   " mm) musi być większa niż 2 mm.");
  }
}

}  // namespace

float CFittings::ComputeTotalPressureDrop(float d, int32_t tanks, float z, float p1, float p2) {
  RequireBore(d);
  TotalPressureDrop = 0;
  const double bore = static_cast<double>(d) - 2.0;  // inner diameter, mm
  // Reynolds number at 0.75 m/s of the solar fluid.
  const float re = static_cast<float>(bore * 0.75 * 1353179.9729364004 * 0.001);
  const float lambda = static_cast<float>(0.316 * std::pow(static_cast<double>(re), -0.25));
  const float friction =
      static_cast<float>(lambda * 571.275 * DlugoscPrzewodow / (bore * 0.002) * 0.01);
  double result = static_cast<double>(p1) +
                  (static_cast<double>(z) + friction + static_cast<double>(FieldPressureDrop));
  if (tanks != 1) result += p2;
  TotalPressureDrop = static_cast<float>(result);
  return TotalPressureDrop;
}

float CFittings::ComputePipeWaterVolume(float d) {
  RequireBore(d);
  const float r = static_cast<float>((static_cast<double>(d) - 2.0) * 0.5);
  PipeWaterVolume =
      static_cast<float>(static_cast<double>(r) * r * 3.141592653589793 * 0.001 * DlugoscPrzewodow);
  return PipeWaterVolume;
}

float CFittings::ComputeVesselVolume(float hs, float vw, float va) const {
  const double divisor = 2.8 - (static_cast<double>(hs) * 0.1 + 0.7);
  if (!(divisor > 0.0)) {
    throw DesignInputError("WysokoscStatyczna", "Wysokość statyczna instalacji (" +
                                                    GeneralText(hs, 6, 2) +
                                                    " m) musi być mniejsza niż 21 m.");
  }
  const float pressureFactor = static_cast<float>(3.8 / divisor);
  return static_cast<float>((static_cast<double>(vw) * 0.73 + va) * pressureFactor);
}
