// The chapters of the PDF report, each composed only of CRaport's operations at fixed positions
// on pages of its own: the thermal calculations, the installation data sheets, the payback and
// ecological effect, and the charts.
#pragma once

#include <string>

class CRaport;
class CVindargast2;
class CKoszty;

// Opens a chapter page: a new page, its outline entry under the root and its centred title.
void OpenChapterPage(CRaport& report, const std::string& title);

// "Obliczenia cieplne": one page.
void WriteThermalChapter(CRaport& report, const CVindargast2& design);

// "Informacje o instalacji cz. 1" and "cz. 2", and "cz. 3" with two tanks. Pricing the fittings
// stores their total in the design's fittings record.
void WriteInstallationChapters(CRaport& report, CVindargast2& design);

// The texts the cost window and the ecological calculator show, as the payback chapter prints
// them (UTF-8).
struct PaybackTexts {
  std::string ESumaKoszt, ESumaVat, ESumaBrutto;
  std::string DotacjaBrutto, KosztyKredytu, PodatekDotacja, DotacjaNetto;
  std::string EKredyt, Edit9, Label1, Edyskont, ElataEksploatacji;
  std::string StaticText13, EKosztZakupu, StaticText27;
  std::string Edit7, Edit8, Edit3, Edit4, Edit5, Edit6, Edit1, Edit11;
  std::string StaticText77, StaticText65, StaticText67;
  std::string Emissions[8];  // the calculator's CO2, SO2, CO, NOx, dust, TOC, 16 WWA and BaP
};

// "Zwrot z inwestycji i efekt ekologiczny": one page.
void WritePaybackChapter(CRaport& report, const CKoszty& costs, const PaybackTexts& texts);

// "Wykresy": one page of three monthly bar charts.
void WriteChartsChapter(CRaport& report, const CVindargast2& design);

// Number texts of the report.
std::string ReportGeneral(double value, int digits);
std::string ReportPlain(float value);
