// The report's installation chapters: a data sheet of every selected device and the fittings.
#include <string>
#include <utility>
#include <vector>

#include "engine/design_error.h"
#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "main/vindargast.h"
#include "report/craport.h"
#include "report/raport_chapters.h"

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

std::string Money(double value, int digits) {
  return CurrencyText(value, digits, DotFormatSettings);
}

// A titled block of boxed rows, label left and value right; returns the y below its last row.
float WriteBlock(CRaport& report, float y, const std::string& title, float gap, const Rows& rows) {
  report.DrawSectionHeading(report.LeftMargin, y, title);
  y += gap;
  for (const auto& row : rows) {
    report.WriteBoxedRow(y, row.first, row.second);
    y += report.RowHeight;
  }
  return y;
}

Rows CollectorRows(const CKolektor& c) {
  const bool certified = !c.Certyfikat.empty() && c.Certyfikat != "brak";
  return {
      {"Nazwa Producenta", c.NazwaProducenta},
      {"Typ", c.RodzajKolektora},
      {"Liniowy wskaźnik  [W/m2*K]", ReportGeneral(c.WspolczynnikLiniowy, 2)},
      {"Kwadratowy wskaźnik [W/m2*K2]", ReportGeneral(c.WspolczynnikKwadratowy, 2)},
      {"Sprawność optyczna [%]", ReportGeneral(c.SprawnoscOptyczna, 4)},
      {"Jednostkowe natężenie przepływu [l/h]", ReportGeneral(c.JednostkoweNatezenie, 4)},
      {"Jednostkowy spadek ciśnienia [mbar]", ReportGeneral(c.JednostkoweCisnienie, 4)},
      {"Pojemność absorbera [l]", ReportGeneral(c.PojemnoscAbsorbera, 4)},
      {"Powierzchnia efektywna [m2]", ReportGeneral(c.PowierzchniaKolektora, 4)},
      {"Cena netto", Money(c.Cena, 5)},
      {"Strona producenta", c.StronaProducenta},
      {"Certyfikat", certified ? "Tak" : "Nie"},
  };
}

// Both tanks print with the same formats: numbers to 5 digits, the price as money.
Rows TankRows(const CZasobnik& t) {
  const auto number = [](float value) { return ReportGeneral(value, 5); };
  return {
      {"Nazwa Producenta", t.NazwaProducenta},
      {"Rodzaj", t.RodzajZasobnika},
      {"Pojemność zasobnika [l]", number(t.PojemnoscZasobnika)},
      {"Straty ciśnienia [mbar]", number(t.StratyCisnienia)},
      {"Pojemność wymienika solarnego [l]", number(t.PojemnoscWymiennika)},
      {"Maksymalna temperatura wody [° C]", number(t.TemperaturaWody)},
      // The working pressure is held in bar.
      {"Maksymalne ciśnienie pracy [bar]", number(t.CisnieniePracy)},
      {"Wysokość zasobnika [mm]", number(t.WysokoscZasobnika)},
      {"Średnica zasobnika [mm]", number(t.SrednicaZasobnika)},
      {"Grubość izolacji [mm]", number(t.GruboscIzolacji)},
      {"Cena netto", Money(t.Cena, 5)},
      {"Strona producenta", t.StronaProducenta},
  };
}

Rows ControllerRows(const CSterownik& s) {
  return {
      {"Nazwa Producenta", s.NazwaProducenta},
      {"Liczba zasobnikow", std::to_string(s.IleZasobnikow)},
      {"Zastosowanie CWU+CO", s.CWCCO},
      {"Programowalny próg temperatury", s.ProgramatorTemperatury},
      {"Ochrona przed przegrzaniem", s.OchronaPrzedPrzegrzaniem},
      {"Liczba czujników temperatury", std::to_string(s.LiczbaCzujnikow)},
      {"Liczba obiegów", std::to_string(s.LiczbaObiegow)},
      {"Liczba wyjść", std::to_string(s.LiczbaWyjsc)},
      {"Czujnik temperatury", s.CzujnikTemperatury},
      {"Cena netto", Money(s.Cena, 5)},
      {"Strona producenta", s.StronaProducenta},
  };
}

Rows PumpRows(const CPompaObiegowa& p) {
  return {
      {"Nazwa Producenta", p.NazwaProducenta},
      {"Maksymalna wysokość podnoszenia [m]", ReportGeneral(p.MaksymalnaWysokosc, 5)},
      {"Liczba zaworów odcinających", std::to_string(p.LiczbaZaworow)},
      // The valve's opening pressure is held in bar.
      {"Ciśnienie reakcji zaworu [bar]", ReportGeneral(p.CisnienieZaworu, 5)},
      {"Zakres regulacji [l/h]", p.ZakresRegulacji},
      {"Cena netto", Money(p.Cena, 5)},
      {"Strona producenta", p.StronaProducenta},
  };
}

Rows VesselRows(const CNaczynie& n) {
  return {
      {"Nazwa producenta", n.NazwaProducenta},
      {"Dopuszczalna temperatura pracy [° C]", ReportGeneral(n.DopuszczalnaTemperatura, 4)},
      {"Dopuszczalne ciśnienie pracy [bar]", ReportGeneral(n.DopuszczalneCisnienie, 4)},
      {"Ciśnienie wstępne [bar]", ReportGeneral(n.CisnienieWstepne, 4)},
      {"Pojemność [l]", ReportGeneral(n.Pojemnosc, 4)},
      {"Cena netto", Money(n.Cena, 5)},
      {"Strona producenta", n.StronaProducenta},
  };
}

Rows StructureRows(const CKonstrukcjaWsporcza& k) {
  return {
      {"Nazwa producenta", k.NazwaProducenta},   {"Model", k.Model},
      {"Liczba kolektorów", k.LiczbaKolektorow}, {"Typ kolektora", k.TypKolektora},
      {"Nachylenie [°]", k.Nachylenie},          {"Nośność [kN]", ReportPlain(k.Nosnosc)},
      {"Montaż na ścianie", k.MontazNaScianie},  {"Typ pokrycia dachu", k.TypPokryciaDachu},
      {"Cena netto", Money(k.Cena, 6)},          {"Strona producenta", k.StronaProducenta},
  };
}

void WriteFittings(CRaport& report, CVindargast2& design) {
  CFittings& f = design.Armatura;
  report.DrawSectionHeading(report.LeftMargin, 596, "Armatura");
  const auto count = [](int32_t n) { return std::to_string(n); };
  const auto price = [](float value) { return Money(value, 4); };
  // A cost too large to compute, which "PRZELICZ" refused, has no figure.
  std::string total = "b/d";
  try {
    total = Money(f.ComputePrice(), 5);
  } catch (const DesignInputError&) {
  }
  const std::string lines[10][3] = {
      {"Nazwa", "Ilość", "Cena netto"},
      {"Zawór odcinający", count(f.ZaworOdcinajacyLiczba), price(f.ZaworOdcinajacyCena)},
      {"Zasuwa odcinająca", count(f.ZasuwaOdcinajacaLiczba), price(f.ZasuwaOdcinajacaCena)},
      {"Zawór zwrotny", count(f.ZaworZwrotnyLiczba), price(f.ZaworZwrotnyCena)},
      {"Kolanko", count(f.KolankoLiczba), price(f.KolankoCena)},
      {"T-przepływ", count(f.TPrzeplywLiczba), price(f.TPrzeplywCena)},
      {"T-rozgałęźnik", count(f.TRozgaleznikLiczba), price(f.TRozgaleznikCena)},
      {"Przewody rurowe [m]", ReportPlain(f.DlugoscPrzewodow), price(f.CenaZaMetr)},
      {"Średnica przewodów [mm]", count(design.SrednicaPrzewodu), ""},
      {"Całkowita cena netto armatury", " ", total},
  };
  float y = 611;
  for (const auto& line : lines) {
    report.WriteParameterRow(y, line[0], line[1], line[2]);
    y += 15;
  }
}

}  // namespace

void WriteInstallationChapters(CRaport& report, CVindargast2& design) {
  OpenChapterPage(report, "Informacje o instalacji cz. 1");
  report.ColumnWidth = 190;
  WriteBlock(report, 140, "Kolektor - " + design.SelectedCollector->Model, 20,
             CollectorRows(*design.SelectedCollector));
  WriteBlock(report, 358, "Zasobnik - " + design.SelectedTank->Model, 10,
             TankRows(*design.SelectedTank));
  WriteBlock(report, 566, "Sterownik - " + design.SelectedController->Model, 10,
             ControllerRows(*design.SelectedController));

  OpenChapterPage(report, "Informacje o instalacji cz. 2");
  report.ColumnWidth = 190;
  WriteBlock(report, 140, "Pompa obiegowa - " + design.SelectedPump->Model, 10,
             PumpRows(*design.SelectedPump));
  WriteBlock(report, 278, "Naczynie wzbiorcze - " + design.SelectedVessel->Model, 10,
             VesselRows(*design.SelectedVessel));
  WriteBlock(report, 416, "Konstrukcja wsporcza", 10, StructureRows(*design.SelectedStructure));
  WriteFittings(report, design);

  if (design.LiczbaZasobnikow != 2) return;
  report.ColumnWidth = 190;
  OpenChapterPage(report, "Informacje o instalacji cz. 3");
  WriteBlock(report, 140, "Zasobnik - " + design.SelectedTank2->Model, 10,
             TankRows(*design.SelectedTank2));
}
