// The report's payback chapter: the cost window's and the ecological calculator's results as
// they show them, and the economic assumptions of the cost record.
#include <string>

#include "engine/koszty.h"
#include "engine/numtext.h"
#include "main/vindargast.h"
#include "report/craport.h"
#include "report/raport_chapters.h"

namespace {

std::string YesNo(int flag) {
  return flag == 1 ? "Tak" : "Nie";
}

std::string Money4(double value) {
  return CurrencyText(value, 4, DotFormatSettings);
}

const std::string kNotComputed = "b/d";

// A window's figure followed by its unit; a word ("nie liczono") stands alone, and a figure the
// window has not got reads "b/d" rather than a bare unit.
std::string WithUnit(const std::string& text, const std::string& unit) {
  if (text.empty() || text == kNotComputed) return kNotComputed;
  return ReadsAsFloat(text) ? text + unit : text;
}

}  // namespace

void WritePaybackChapter(CRaport& report, const CKoszty& c, const PaybackTexts& t) {
  OpenChapterPage(report, "Zwrot z inwestycji i efekt ekologiczny");
  // The texts' places are measured from the left margin, and WriteText adds the margin and the
  // inset to them once more: a label at margin - 30 stands 30 points left of the others, still
  // clear of the strip printers cut.
  const float margin = report.LeftMargin;
  const std::string zl = "[zł]";
  // The cost calculation's figures, none when it has not run for this design.
  const auto result = [&c](const std::string& text, const std::string& unit) {
    return c.ResultsComputed ? WithUnit(text, unit) : kNotComputed;
  };

  report.DrawSectionHeading(margin, 165, "Sumaryczny koszt instalacji");
  const std::pair<const char*, const std::string*> sums[3] = {
      {"netto", &t.ESumaKoszt}, {"vat", &t.ESumaVat}, {"brutto", &t.ESumaBrutto}};
  for (int i = 0; i < 3; ++i) {
    const std::string amount = WithUnit(*sums[i].second, "");
    report.WriteCostTriple(161, 185 + 110 * i, sums[i].first, amount,
                           amount == kNotComputed ? "" : "zł");
  }

  report.DrawSectionHeading(margin, 190, "Dotacja NFOŚiGW do instalacji");
  report.WriteText(186, margin + 350, YesNo(c.NfosigwSubsidyOn));
  const std::pair<const char*, std::string> subsidy[4] = {
      {"Dotacja Brutto", t.DotacjaBrutto},
      {"Koszty kredytu", t.KosztyKredytu},
      {"Podatek od dotacji", t.PodatekDotacja},
      {"Dotacja Netto", t.DotacjaNetto},
  };
  float y = 205;
  for (const auto& row : subsidy) {
    report.WriteText(y, margin, row.first);
    report.WriteText(y, margin + 300, WithUnit(row.second, zl));
    y += 15;
  }

  report.DrawSectionHeading(margin, 275, "Inna dotacja ");
  report.WriteText(271, margin + 350, YesNo(c.DotacjaTakNie));
  report.WriteText(290, margin, "Kwota");
  report.WriteText(290, margin + 300, WithUnit(t.EKredyt, zl));

  report.DrawSectionHeading(margin, 315, "Koszt instalacji po odliczeniu dotacji");
  report.WriteText(311, margin + 300, result(t.Edit9, zl));
  report.WriteText(330, margin + 300, t.Label1);

  report.DrawSectionHeading(margin, 355, "Założenia do inwestycji");
  struct Assumption {
    const char* label;
    const char* flag;  // nullptr: none
    std::string value;
  };
  const std::string flags[4] = {YesNo(c.WzrostCenTakNie), YesNo(c.DyskontTakNie),
                                YesNo(c.EksploatacjaTakNie), YesNo(c.KosztPompyTakNie)};
  const Assumption assumptions[6] = {
      {"Inflacja", nullptr, ReportGeneral(c.IleInflacja, 4) + "[%]"},
      {"Wzrost cen nośników energii", flags[0].c_str(),
       ReportGeneral(c.IleRocznyWzrost, 4) + "[%]"},
      {"Stopa dyskonta", flags[1].c_str(), t.Edyskont + "[%]"},
      {"Roczne koszty serwisowania instalacji", flags[2].c_str(), Money4(c.IleEksploatacja)},
      {"Roczny koszt energii elektrycznej do napędu pompy", flags[3].c_str(),
       Money4(c.PumpEnergyCost)},
      {"Zakładany czas eksploatacji [lata]", nullptr, t.ElataEksploatacji},
  };
  y = 370;
  for (const Assumption& row : assumptions) {
    report.WriteText(y, margin, row.label);
    if (row.flag) report.WriteText(y, margin + 250, row.flag);
    report.WriteText(y, margin + 300, row.value);
    y += 15;
  }

  report.WriteText(460, margin, "Zastępowane paliwo konwencjonalne: ");
  report.WriteText(460, margin + 160, c.FuelName);
  const bool heatPump = c.TypOgrzewania == 7;
  report.WriteText(475, margin, heatPump ? "COP [%]: " : "Sprawność [%]: ");
  report.WriteText(475, margin + 70,
                   ReportGeneral(heatPump ? c.HeatPumpCop : c.SprawnoscProcesu, 4));
  report.WriteText(475, margin + 160, t.StaticText13);
  report.WriteText(475, margin + 230, t.EKosztZakupu);
  report.WriteText(475, margin + 270, t.StaticText27);

  report.DrawSectionHeading(margin, 500,
                            "Redukcja kosztów ogrzewania, oszczędności na paliwie i energii oraz "
                            "okres zwrotu inwestycji ");
  report.WriteText(515, margin - 30,
                   "Koszt paliw i energii do ogrzewania CWU bez instalacji słonecznej - średni "
                   "roczny z okresu eksploatacji");
  report.WriteText(515, margin + 400, result(t.Edit7, "zł"));
  report.WriteText(530, margin - 30,
                   "Koszt paliw i energii  do ogrzewania CWU z instalacją  słoneczną - średni "
                   "roczny z okresu eksploatacji");
  report.WriteText(530, margin + 400, result(t.Edit8, "zł"));
  const std::pair<const char*, const std::string*> savings[2][3] = {
      {{"Średnie roczne oszczędności na paliwie i energii  w okresie eksploatacji", nullptr},
       {"CWU", &t.Edit3},
       {"CO", &t.Edit4}},
      {{"Suma oszczędności na paliwie i energii w okresie eksploatacji", nullptr},
       {"CWU", &t.Edit5},
       {"CO", &t.Edit6}},
  };
  y = 545;
  for (const auto& row : savings) {
    report.WriteText(y, margin - 30, row[0].first);
    report.WriteText(y, margin + 270, row[1].first);
    report.WriteText(y, margin + 300, result(*row[1].second, "zł"));
    report.WriteText(y, margin + 370, row[2].first);
    report.WriteText(y, margin + 400, result(*row[2].second, "zł"));
    y += 15;
  }
  report.WriteText(575, margin - 30, "Średnie roczne koszty eksploatacji i serwisowania instalcji");
  report.WriteText(575, margin + 250, result(t.Edit1, "zł"));
  report.WriteText(590, margin - 30, "Suma kosztów eksploatacji i serwisowania instalacji");
  report.WriteText(590, margin + 250, result(t.Edit11, "zł"));
  report.WriteText(605, margin - 30, "Okres zwrotu [lata]:");
  report.WriteText(605, margin + 70,
                   c.ResultsComputed ? ReportGeneral(c.PaybackYears, 3) : kNotComputed);
  report.WriteText(620, margin - 30, "Koszt energii słonecznej");
  report.WriteText(620, margin + 100,
                   "(Koszt instalacji słonecznej/uzysk słoneczny w okresie eksploatacji)");
  report.WriteText(620, margin + 400, result(t.StaticText77, "zł"));

  report.DrawSectionHeading(margin, 645, "Wskaźniki NPV i IRR dla inwestycji");
  report.WriteText(656, margin + 50, "NPV");
  report.WriteText(656, margin + 100, result(t.StaticText65, ""));
  report.WriteText(656, margin + 300, "IRR");
  report.WriteText(656, margin + 350, result(t.StaticText67, "%"));

  report.DrawSectionHeading(margin, 680, "Roczna redukcja emisji zanieczyszczeń ");
  const char* const pollutants[8] = {"CO2", "SO2", "CO", "NOx", "pyły", "TOC", "16 WWA", "BaP"};
  for (int i = 0; i < 8; ++i) {
    const std::string value = WithUnit(t.Emissions[i], "");
    const char* const unit = i == 0 ? "kg/rok" : "g/rok";
    report.WriteEmissionRow(692 + 12 * i, pollutants[i], value, value == kNotComputed ? "" : unit);
  }
}
