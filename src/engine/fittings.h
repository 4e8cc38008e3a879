// The fittings record embedded in the design as Engine.Armatura: counts and unit prices of six
// kinds of fittings, the pipe length and price per metre, the collector field's connection, and
// the hydraulic results of the fittings window. Values are evaluated in double and stored as
// floats.
#pragma once

#include <cstdint>

class CFittings {
 public:
  // Counts and unit prices in the order of the fields (count first), then the connection type.
  CFittings(int32_t kolankoLiczba, float kolankoCena, int32_t tPrzeplywLiczba, float tPrzeplywCena,
            int32_t tRozgaleznikLiczba, float tRozgaleznikCena, int32_t zasuwaOdcinajacaLiczba,
            float zasuwaOdcinajacaCena, int32_t zaworOdcinajacyLiczba, float zaworOdcinajacyCena,
            int32_t zaworZwrotnyLiczba, float zaworZwrotnyCena, int32_t rodzajPolaczenia);

  int32_t KolankoLiczba = 0;    // elbows
  float KolankoCena = 0;        // unit price of an elbow
  int32_t TPrzeplywLiczba = 0;  // T-pieces passed straight through
  float TPrzeplywCena = 0;
  int32_t TRozgaleznikLiczba = 0;  // T-pieces used as branches
  float TRozgaleznikCena = 0;
  int32_t ZasuwaOdcinajacaLiczba = 0;  // gate valves
  float ZasuwaOdcinajacaCena = 0;
  int32_t ZaworOdcinajacyLiczba = 0;  // shut-off valves
  float ZaworOdcinajacyCena = 0;
  int32_t ZaworZwrotnyLiczba = 0;  // check valves
  float ZaworZwrotnyCena = 0;
  float DlugoscPrzewodow = 0;          // pipe length for price, friction and water volume, m
  float CenaZaMetr = 0;                // pipe price per metre
  int32_t RodzajPolaczenia = 0;        // collector connection: 1 series, 2 parallel, 3 mixed
  float DodatkowaStrataCisnienia = 0;  // additional pressure drop entered by the user, mbar
  float TotalPressureDrop = 0;         // whole installation, mbar
  float PumpHead = 0;                  // m (the total pressure drop x 0.01)
  float PumpFlow = 0;                  // l/h
  float VesselVolume = 0;              // required expansion-vessel volume, l
  float CollectorWaterVolume = 0;      // all collectors, l
  float ExchangerWaterVolume = 0;      // tank exchanger(s), l
  float PipeWaterVolume = 0;           // l
  float TotalWaterVolume = 0;          // l
  int32_t Szeregowo = 0;               // collectors in series per row (mixed connection)
  int32_t Rownolegle = 0;              // rows in parallel (mixed connection)
  float FieldPressureDrop = 0;         // collector field, mbar
  float FittingsPrice = 0;             // fittings and pipes together

  // Sum of count x unit price over the six kinds plus pipe length x price per metre; stored in
  // FittingsPrice. A product or sum a float cannot hold: DesignInputError naming the edits by
  // their captions, nothing stored.
  float ComputePrice();

  // Sum of the local-loss coefficients of the fittings plus the additional drop, used as mbar.
  float SumLocalLosses() const;

  // Local losses, pipe friction (Blasius), field drop and the exchanger drop(s), mbar; p2 counts
  // whenever tanks is not 1. Stored in TotalPressureDrop. A pipe diameter of 2 mm or less has no
  // inner bore: DesignInputError, nothing stored.
  float ComputeTotalPressureDrop(float d, int32_t tanks, float z, float p1, float p2);

  // Water in DlugoscPrzewodow metres of pipe of outer diameter d mm (wall 1 mm), litres; stored in
  // PipeWaterVolume. A diameter of 2 mm or less: DesignInputError, nothing stored.
  float ComputePipeWaterVolume(float d);

  // Expansion-vessel volume, litres, for static height hs (m), installation water vw (l) and one
  // collector's absorber volume va (l). From 21 m on the pressure factor has no value or turns
  // negative: DesignInputError. Stores nothing.
  float ComputeVesselVolume(float hs, float vw, float va) const;
};
