// The device family: one class per kind of device of an installation. A device holds the data of
// one catalogue model; it shows itself in its selection window's parameter grid, takes a catalogue
// row, writes itself as an element of a project file and reads itself back from a project file
// (layout 0) or a set file (layout 1). The classes differ only in data; each one's field table
// (urzadzenie.cpp) says where every field comes from and goes to.
//
// Every number of a device starts at 0. A device takes a catalogue row or an element whole or not
// at all: a text that does not convert, or a missing column or child, raises an error and leaves
// the device as it was.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/catalogue.h"
#include "engine/cellgrid.h"
#include "engine/numtext.h"
#include "engine/warningnotifier.h"
#include "xml/xmldoc.h"

// Which order of fields ReadFromXml expects; any value other than SetFileLayout reads the
// project layout.
enum DeviceLayout : int {
  ProjectLayout = 0,  // project files: the order WriteToXml writes
  SetFileLayout =
      1,  // set files: the catalogue row's columns (the insulation adds two thicknesses)
};

// The caption of the notice shown when a device's catalogue row is gone.
inline constexpr const char* kMissingModelCaption = "UWAGA";

class CUrzadzenie {
 public:
  CUrzadzenie() = default;
  CUrzadzenie(const CUrzadzenie&) = default;
  CUrzadzenie& operator=(const CUrzadzenie&) = default;
  virtual ~CUrzadzenie() = default;

  float Cena = 0;                // net price of one unit
  std::string NazwaProducenta;   // producer or distributor
  std::string Model;             // model name
  std::string StronaProducenta;  // producer's web page as the catalogue holds it ("brak" if none)
  std::string Opis;              // description as the catalogue holds it ("brak" if none)

  // Writes the device's values into column 1 of the grid, from row 0 down; touches no other cell.
  // Prices use the system's currency format.
  virtual void ShowInGrid(CellGrid& grid, const CurrencyFormat& currency) const = 0;

  // Takes row `index` of the device's own catalogue. The caller has set ID to the id it expects
  // there; when row `index` holds another id (or is no row of the table) the class's notice goes
  // to `notifier` under "UWAGA" and row 0 is taken instead. Throws NumberConversionError for a
  // column that does not convert and CatalogueError for an empty table or a row too short; the
  // device then stays as it was.
  virtual void LoadFromCatalogue(const CatalogueRows& rows, int index,
                                 WarningNotifier& notifier) = 0;

  // Appends the device's element as the last child of `parent`.
  virtual void WriteToXml(xml::Element parent) const = 0;

  // Reads the device from nodes[index], the element children of a project or set file's root.
  // Throws NumberConversionError for a text that does not convert and xml::Error for a missing
  // element or child; the device then stays as it was.
  virtual void ReadFromXml(const std::vector<xml::Element>& nodes, int index, int layout) = 0;
};

class CKolektor : public CUrzadzenie {
 public:
  int32_t ID = 0;
  std::string RodzajKolektora;
  std::string Certyfikat;            // address of the certificate, "brak" if none
  std::string WynikiBadan;           // address of the test report, "brak" if none
  float WspolczynnikLiniowy = 0;     // k1, W/(m2 K)
  float WspolczynnikKwadratowy = 0;  // k2, W/(m2 K2)
  float SprawnoscOptyczna = 0;       // eta0, %
  float JednostkoweNatezenie = 0;    // flow through one collector, l/h
  float JednostkoweCisnienie = 0;    // pressure drop of one collector, mbar
  float PojemnoscAbsorbera = 0;      // l
  float PowierzchniaKolektora = 0;   // effective area, m2

  void ShowInGrid(CellGrid& grid, const CurrencyFormat& currency) const override;
  void LoadFromCatalogue(const CatalogueRows& rows, int index, WarningNotifier& notifier) override;
  void WriteToXml(xml::Element parent) const override;
  void ReadFromXml(const std::vector<xml::Element>& nodes, int index, int layout) override;
};

class CZasobnik : public CUrzadzenie {
 public:
  int32_t ID = 0;
  std::string RodzajZasobnika;
  float PojemnoscZasobnika = 0;   // l
  float StratyCisnienia = 0;      // pressure drop of the solar exchanger, mbar
  float PojemnoscWymiennika = 0;  // water volume of the solar exchanger, l
  float TemperaturaWody = 0;      // maximum water temperature, degrees C
  float CisnieniePracy = 0;       // maximum working pressure, bar
  float WysokoscZasobnika = 0;    // mm
  float SrednicaZasobnika = 0;    // mm
  float GruboscIzolacji = 0;      // mm
  // Which of the design's tanks this is: 1 writes the element "Zasobnik", any other value
  // "Zasobnik1". Set by the project writer; never taken from a catalogue or an element.
  int32_t TankNumber = 0;

  void ShowInGrid(CellGrid& grid, const CurrencyFormat& currency) const override;
  void LoadFromCatalogue(const CatalogueRows& rows, int index, WarningNotifier& notifier) override;
  void WriteToXml(xml::Element parent) const override;
  void ReadFromXml(const std::vector<xml::Element>& nodes, int index, int layout) override;
};

class CSterownik : public CUrzadzenie {
 public:
  int32_t ID = 0;
  int32_t IleZasobnikow = 0;             // tanks the controller can serve
  std::string CWCCO;                     // hot water with central heating: yes/no text
  std::string ProgramatorTemperatury;    // programmable threshold: yes/no text
  std::string OchronaPrzedPrzegrzaniem;  // overheating protection: yes/no text
  int32_t LiczbaCzujnikow = 0;           // temperature sensors
  int32_t LiczbaWyjsc = 0;               // outputs
  int32_t LiczbaObiegow = 0;             // circuits
  std::string CzujnikTemperatury;        // kind of sensor, e.g. "PT1000"

  void ShowInGrid(CellGrid& grid, const CurrencyFormat& currency) const override;
  void LoadFromCatalogue(const CatalogueRows& rows, int index, WarningNotifier& notifier) override;
  void WriteToXml(xml::Element parent) const override;
  void ReadFromXml(const std::vector<xml::Element>& nodes, int index, int layout) override;
};

class CNaczynie : public CUrzadzenie {
 public:
  int32_t ID = 0;
  float DopuszczalnaTemperatura = 0;  // degrees C
  float DopuszczalneCisnienie = 0;    // bar
  float CisnienieWstepne = 0;         // pre-pressure, bar
  float Pojemnosc = 0;                // l

  void ShowInGrid(CellGrid& grid, const CurrencyFormat& currency) const override;
  void LoadFromCatalogue(const CatalogueRows& rows, int index, WarningNotifier& notifier) override;
  void WriteToXml(xml::Element parent) const override;
  void ReadFromXml(const std::vector<xml::Element>& nodes, int index, int layout) override;
};

class CPompaObiegowa : public CUrzadzenie {
 public:
  int32_t ID = 0;
  float MaksymalnaWysokosc = 0;  // maximum pump head, m
  int32_t LiczbaZaworow = 0;     // shut-off valves
  float CisnienieZaworu = 0;     // opening pressure of the safety valve, bar
  std::string ZakresRegulacji;   // maximum flow in l/h as the catalogue's text (may be a range)
  std::string Certyfikat;        // address of the characteristic curve document, "brak" if none

  void ShowInGrid(CellGrid& grid, const CurrencyFormat& currency) const override;
  void LoadFromCatalogue(const CatalogueRows& rows, int index, WarningNotifier& notifier) override;
  void WriteToXml(xml::Element parent) const override;
  void ReadFromXml(const std::vector<xml::Element>& nodes, int index, int layout) override;
};

// The catalogue gives the material data only; the insulation window sets the thicknesses, the
// two costs and Cena (their sum), which LoadFromCatalogue never changes.
class CIzolacja : public CUrzadzenie {
 public:
  int32_t ID = 0;
  float Lambda = 0;  // thermal conductivity, W/(m K)
  std::string Material;
  float DopuszczalnaTemperatura = 0;  // degrees C
  float CenaIzolacjiZew = 0;          // cost of insulating the outdoor pipes
  float CenaIzolacjiWew = 0;          // cost of insulating the indoor pipes
  float GruboscIzolacjiZew = 0;       // thickness on the outdoor pipes, mm
  float GruboscIzolacjiWew = 0;       // thickness on the indoor pipes, mm

  void ShowInGrid(CellGrid& grid, const CurrencyFormat& currency) const override;
  void LoadFromCatalogue(const CatalogueRows& rows, int index, WarningNotifier& notifier) override;
  void WriteToXml(xml::Element parent) const override;
  void ReadFromXml(const std::vector<xml::Element>& nodes, int index, int layout) override;
};

class CKonstrukcjaWsporcza : public CUrzadzenie {
 public:
  int32_t ID = 0;
  std::string LiczbaKolektorow;  // collectors carried, as text
  std::string TypKolektora;
  std::string Nachylenie;  // tilt in degrees, as text (may be a range)
  float Nosnosc = 0;       // load capacity, kN
  std::string MontazNaScianie;
  std::string TypPokryciaDachu;

  void ShowInGrid(CellGrid& grid, const CurrencyFormat& currency) const override;
  void LoadFromCatalogue(const CatalogueRows& rows, int index, WarningNotifier& notifier) override;
  void WriteToXml(xml::Element parent) const override;
  void ReadFromXml(const std::vector<xml::Element>& nodes, int index, int layout) override;
};
