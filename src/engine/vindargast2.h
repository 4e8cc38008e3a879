// The design state: every input of a solar installation design, the eight chosen devices, the
// fittings and cost records, and every monthly and yearly result, with the month-by-month
// calculation that fills the results. The program has one instance, the global Engine; tests
// construct their own.
//
// Arithmetic: formulas are evaluated in double; every stored intermediate and result is a
// single-precision float, and a float becomes an integer by truncation toward zero. Monthly arrays
// hold 12 values, index 0 = January. Units: temperatures in degrees C, pipe and pool lengths in m,
// pipe, tank and insulation diameters and thicknesses in mm, volumes in l, energies in kWh,
// insolation in kWh/m2 per month, sunshine in hours per month, pressure drops in mbar, flows in
// l/h.
//
// The calculation refuses input it cannot use (see DesignInputError) before it stores anything.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/design_error.h"
#include "engine/fittings.h"
#include "engine/koszty.h"
#include "engine/urzadzenie.h"

// A device owned by the design. It is created with the design and never replaced: assigning one
// design to another copies the device's data into this design's own object, so a pointer taken
// from the design stays valid and sees the new data.
template <class Device>
class OwnedDevice {
 public:
  OwnedDevice() : device_(new Device()) {}
  OwnedDevice(const OwnedDevice&) = delete;
  OwnedDevice& operator=(const OwnedDevice& other) {
    *device_ = *other.device_;
    return *this;
  }

  Device* operator->() const { return device_.get(); }
  Device& operator*() const { return *device_; }
  Device* get() const { return device_.get(); }
  operator Device*() const { return device_.get(); }

 private:
  std::unique_ptr<Device> device_;
};

// Capacity of a month's row of temperature steps in the collector simulation.
inline constexpr int32_t kMaxTemperatureSteps = 50;

class CVindargast2 {
 public:
  // The design inputs in this order; srednicaPrzewodu is cut to whole millimetres.
  CVindargast2(float katGamma, float katBeta, int32_t liczbaOsob, float temperaturaWodySieci,
               float temperaturaWodyWZasobniku, float dcwu, float szerokoscGeograficzna,
               float hotWaterEnergy, float srednicaPrzewodu, int32_t liczbaKolektorow,
               int32_t liczbaZasobnikow, float wysokoscStatyczna, float dlugoscPrzewodowNaZewnatrz,
               float dlugoscPrzewodowWewnatrz, float temperaturaOtoczeniaZasobnika,
               float temperaturaCieplejWody, float wspolczynnikKrotnosci,
               float temperaturaZasilania, float temperaturaPowrotu, float basenDlugosc,
               float basenSzerokosc, float basenGlebokosc, float powierzchniaBudynku,
               float zapotrzebowanieEnergi);
  // A copy holds its own devices with the other's data; its cost record reads its own heat loss.
  CVindargast2(const CVindargast2& other);
  CVindargast2& operator=(const CVindargast2& other) = default;

  CFittings Armatura;  // fittings counts and prices, hydraulic results
  CKoszty Costs;       // heating type, fuel data, economic assumptions, yearly costs

  OwnedDevice<CKolektor> SelectedCollector;
  OwnedDevice<CSterownik> SelectedController;
  OwnedDevice<CNaczynie> SelectedVessel;
  OwnedDevice<CPompaObiegowa> SelectedPump;
  OwnedDevice<CZasobnik> SelectedTank;
  OwnedDevice<CZasobnik> SelectedTank2;  // used when LiczbaZasobnikow is 2
  OwnedDevice<CIzolacja> SelectedInsulation;
  OwnedDevice<CKonstrukcjaWsporcza> SelectedStructure;

  int32_t VersionMajor = 0;  // version of the running program
  int32_t VersionMinor = 0;
  float KatGamma = 0;  // collector azimuth, degrees from south
  float KatBeta = 0;   // collector tilt, degrees from horizontal
  int32_t LiczbaOsob = 0;
  int32_t CWUCO = 0;                 // 0 hot water only, 1 hot water with central-heating support
  float TemperaturaWodySieci = 0;    // cold (mains) water
  float TemperaturaCieplejWody = 0;  // hot water at the tap
  float TemperaturaWodyWZasobniku = 0;      // tank water
  float TemperaturaOtoczeniaZasobnika = 0;  // air around the tank and the indoor pipes
  float DCWU = 0;                           // hot-water use, litres per person and day
  float TiltFactor[12] = {};                // insolation on the collector plane / on the horizontal
  float SzerokoscGeograficzna = 0;          // latitude, degrees
  float HotWaterEnergy = 0;                 // hot-water demand of one month, kWh
  float Naslonecznienie[12] = {};           // horizontal insolation, kWh/m2
  float AnnualInsolation = 0;
  float Uslonecznienie[12] = {};  // sunshine hours
  float Temperatura[12] = {};     // mean air temperature
  int32_t SrednicaPrzewodu = 0;   // pipe diameter, mm
  int32_t LiczbaZasobnikow = 0;   // 1 or 2
  int32_t LiczbaKolektorow = 0;
  uint8_t Izolacja = 0;           // the pipes are insulated
  uint8_t Cyrkulacja = 0;         // hot-water circulation is present
  uint8_t SetPriceMode = 0;       // devices from a loaded set: the set price is the total cost
  uint8_t CostsLoaded = 0;        // cost data read from a project or computed
  uint8_t ProjectLoaded = 0;      // a project file has been read
  uint8_t CataloguesChanged = 0;  // a device catalogue was changed by an editor
  uint8_t FittingsComputed = 0;   // the fittings window has computed, or a project's were read
  // The fittings window's hydraulic figures (Armatura's pressure drop to water volumes, and
  // InstallationPressureDrop) belong to the design as it is; a project file holds none of them.
  uint8_t HydraulicsComputed = 0;
  float DlugoscPrzewodowNaZewnatrz = 0;  // outdoor pipes, m
  float DlugoscPrzewodowWewnatrz = 0;    // indoor pipes, m
  float Tank1InsulationThickness = 0;
  float Tank2InsulationThickness = 0;
  float Tank1Height = 0;
  float Tank2Height = 0;
  float Tank1Diameter = 0;  // outer diameter
  float Tank2Diameter = 0;
  float InsulationLambda = 0;  // pipe insulation, W/(m K)
  float OutdoorInsulationThickness = 0;
  float IndoorInsulationThickness = 0;
  float DlugoscPrzewodowCyrkulacyjnych = 0;  // circulation pipes, m
  float CzasPracyPompyCyrkulacyjnej = 0;     // circulation pump, hours per day
  float OutdoorPipeLoss[12] = {};            // Wh
  float IndoorPipeLoss[12] = {};             // Wh
  float CirculationLoss[12] = {};            // Wh
  float HeatLoss[12][2] = {};  // per month: total loss, and the same without circulation, kWh
  float CollectorEfficiency[12] = {};   // %
  float SolarEnergy[12] = {};           // delivered by the collector field
  float UsefulEnergy[12] = {};          // SolarEnergy capped at demand plus losses
  float HotWaterSolarEnergy[12] = {};   // solar energy that reaches the hot water
  float HotWaterCoverage[12] = {};      // solar fraction of the hot-water demand, %
  float CollectorEta0 = 0;              // optical efficiency, %
  float CollectorK1 = 0;                // linear heat-loss coefficient
  float CollectorK2 = 0;                // quadratic heat-loss coefficient
  float CollectorUnitFlow = 0;          // per collector, l/h
  float CollectorUnitPressureDrop = 0;  // per collector, mbar
  float CollectorAbsorberVolume = 0;    // one collector, l
  float WspolczynnikKrotnosci = 0;      // storage factor on the daily hot-water volume
  float CollectorArea = 0;              // effective area of one collector, m2
  float InstallationPressureDrop = 0;   // as the fittings window computed it, mbar
  float Tank1PressureLoss = 0;          // solar exchanger, mbar
  float Tank2PressureLoss = 0;
  float WysokoscStatyczna = 0;  // static height, m
  float Tank1ExchangerVolume = 0;
  float Tank2ExchangerVolume = 0;
  float FittingsVesselVolume = 0;  // working copy of the fittings window
  float RequiredTankVolume = 0;
  float FittingsWaterVolume = 0;  // working copy of the fittings window
  // The nine cost items, in this order.
  float CenaKolektory = 0;
  float CenaZasobnik = 0;
  float CenaSterownik = 0;
  float CenaNaczynie = 0;
  float CenaPompa = 0;
  float CenaArmatury = 0;
  float CenaPlynu = 0;
  float CenaMontazu = 0;
  float CenaInne = 0;
  float InsulationCost = 0;  // outdoor plus indoor pipe insulation; not one of the nine items
  float Tank2Price = 0;      // 0 with one tank
  float Tank1Volume = 0;     // capacity, l
  float Tank2Volume = 0;
  int32_t IDMiasta = 0;  // id of the chosen location in the city catalogue
  // Row of each chosen device in its catalogue table.
  int32_t CollectorIndex = 0;
  int32_t ControllerIndex = 0;
  int32_t VesselIndex = 0;
  int32_t PumpIndex = 0;
  int32_t InsulationIndex = 0;
  int32_t Tank1Index = 0;
  int32_t Tank2Index = 0;
  int32_t StructureIndex = 0;
  int32_t NazwaPaliwa = 0;  // heating type last chosen in the cost window
  // Working values of the collector simulation, read by nothing else.
  float TemperatureCeiling[12] = {};
  float StorageShare[12] = {};
  float HotShare[12] = {};
  float HotEfficiency[12] = {};
  float HotClassEfficiency[12][4] = {};
  float StepClassEfficiency[12][4] = {};
  float StepTemperature[12][kMaxTemperatureSteps] = {};
  float HotTemperature[12] = {};
  float EffectiveTankVolume = 0;
  float AnnualHotWaterSolarEnergy = 0;
  float YieldPerSquareMetre = 0;     // useful solar energy per m2 of collector and year
  float SystemEfficiency[12] = {};   // whole installation, %
  float CenaZestawu = 0;             // price of the loaded device set
  float TemperaturaZasilania = 0;    // central-heating supply
  float TemperaturaPowrotu = 0;      // central-heating return
  float AnnualHotWaterCoverage = 0;  // %
  float PoolEnergyDemand = 0;        // per month, kWh (0 without a pool)
  float PoolSurfaceLoss = 0;         // the two parts of the pool's daily need
  float PoolWallLoss = 0;
  float BasenDlugosc = 0;
  float BasenSzerokosc = 0;
  float BasenGlebokosc = 0;
  uint8_t Przeslona = 0;   // the pool is covered
  uint8_t Basen = 0;       // a pool is heated
  int32_t BasenOd = 0;     // first pool month, 0-based, included
  int32_t BasenDo = 0;     // last pool month, 0-based, included
  float PoolCoverage = 0;  // %
  float HeatingSolarEnergy[12] = {};
  float AnnualHeatingSolarEnergy = 0;
  float AnnualHeatLoss = 0;
  float PoolSolarEnergy[12] = {};
  float AnnualPoolSolarEnergy = 0;
  float TotalTankVolume = 0;
  float PowierzchniaBudynku = 0;    // heated floor area, m2
  float ZapotrzebowanieEnergi = 0;  // yearly heating demand per m2, kWh/m2
  float AnnualHeatingDemand = 0;
  float HeatingCoverage = 0;      // %
  float PumpElectricityCost = 0;  // pump and controller per year

  // LiczbaOsob x DCWU x WspolczynnikKrotnosci, halved for each of two tanks; stored in
  // RequiredTankVolume.
  float ComputeRequiredTankVolume();

  // Monthly hot-water energy of the persons' daily use over a 30-day month; stored in
  // HotWaterEnergy.
  float ComputeHotWaterDemand(float persons, float litresPerPersonAndDay, float coldWater,
                              float hotWater);

  // Fills TiltFactor from the azimuth, tilt and latitude (degrees). Refuses a latitude where the
  // monthly method has no day length (polar day or night, about 66.8 degrees and beyond).
  void ComputeTiltFactors(float azimuth, float tilt, float latitude);

  // Monthly losses of tanks, pipes and circulation, and the pool's monthly need, from the sunshine
  // hours and air temperatures of the 12 months, the pipe-insulation flag and the pool-cover flag.
  // Refuses tanks, pipes, insulation and pool dimensions the formulas cannot use.
  void ComputeHeatLosses(const float* sunshineHours, const float* airTemperatures,
                         uint8_t pipesInsulated, uint8_t poolCovered);

  // Mean collector efficiency of each month for the monthly hot-water demand and the number of
  // temperature steps (at most kMaxTemperatureSteps). A month without insolation on the collector
  // plane gets 0. Refuses no collectors or collector area, nobody using hot water, a tank in use
  // without capacity and a latitude without a day length in some month.
  void ComputeCollectorEfficiency(float hotWaterDemand, int32_t temperatureSteps);

  // Splits the field's monthly energy between hot water, central heating (scheme 1) and pool, and
  // derives fractions, yearly sums, efficiencies, the yield per m2 and the pump's electricity cost.
  // Hot water takes the energy first; a month's surplus goes to central heating in its months,
  // else to the pool in its season, never to both. Refuses no collectors or collector area, a
  // demand that is not positive, heating a building without area or demand, and a pool season
  // without a pool need. electricityPrice is the text of the electricity price (row 0, column 3
  // of the fuel catalogue); it is converted after every other result is stored, so a price that
  // is not a number raises NumberConversionError with PumpElectricityCost left at 0.
  void ComputeMonthlyBalance(int32_t collectors, int32_t scheme, float hotWaterDemand,
                             const std::string& electricityPrice);

  // The pump's and controller's yearly electricity cost for the installation's pressure drop,
  // the collectors' flow and the sunshine hours; stored in PumpElectricityCost. A price that is
  // not a number raises NumberConversionError and stores nothing.
  float ComputePumpElectricityCost(int32_t collectors, const std::string& electricityPrice);

  // Sum of the first count values, added in order in single precision; 0 for count <= 0.
  float SumValues(const float* values, int32_t count) const;

  // CenaZestawu while SetPriceMode is on, else the nine cost items added in single precision.
  float ComputeTotalCost() const;

  // The fittings window's hydraulic figures back to 0 and HydraulicsComputed off: they were
  // worked out for the design before a change. The fittings' counts, prices and connection stay.
  void ClearHydraulics();

  // Pressure drop (mbar) and flow (l/h) of the collector field for Armatura.RodzajPolaczenia.
  float ComputeFieldPressureDrop() const;
  float ComputeFieldFlow() const;

  // The project file (defined in src/project with the windows whose inputs a project holds).
  // Writes the design and those inputs to fileName whole or not at all: 1 when written, -1 when
  // not (the old file then stays as it was); shows no message.
  int32_t WriteProjectFile(const std::string& fileName);
  // Reads fileName into the design and those windows: 1 when read, -1 after its own message, with
  // the design and the windows left exactly as they were.
  int32_t ReadProjectFile(const std::string& fileName);

 private:
  // Validation of the collector simulation's and the balance's shared inputs.
  void RequireCollectorField(int32_t collectors) const;
};

// The beam factor Rb of each month on a collector plane (azimuth from south and tilt in degrees)
// at the latitude: the beam insolation on the plane over that on the horizontal. Refuses a
// latitude where the monthly method has no day length.
void ComputeBeamFactors(float azimuth, float tilt, float latitude, float beam[12]);

// The diffuse factor D of a plane tilted by `tilt` degrees: (cos tilt + 1) / 2.
float DiffuseFactor(float tilt);

// A design with the program's defaults (24 constructor arguments of the design defaults).
CVindargast2 MakeDefaultDesign();

// The program's one design, built with the defaults during static initialisation.
extern CVindargast2 Engine;
