// The windows of the fittings, cost and ecology calculations as start-up creates them: over the
// small catalogue set with Form1, a fresh Engine and a fuel table of the eight heating types whose
// every cell tells its row and column ("3.05" is row 3, column 5).
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/windows.h"
#include "catalogue_set.h"
#include "economics/Armatura.h"
#include "economics/fuel_table.h"
#include "economics/kalkulatorEkologiczny.h"
#include "economics/koszt.h"
#include "engine/vindargast2.h"
#include "report/Wyniki.h"

// Failure messages show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

inline QString FuelText(int row, int col) {
  return QString::fromStdString(std::to_string(row) + "." + (col < 10 ? "0" : "") +
                                std::to_string(col));
}

// What "OBLICZ" needs besides the cost items: the net total, no inflation, the service life, and
// heat at 1 zł net per kWh with an efficiency of 100 %.
inline void EnterComputeBasics(platform::FormUi<Ui::TWinKoszty>& ui, const char* years) {
  ui().RSumaNetto->click();
  ui().Einflacja->setText("0");
  ui().ElataEksploatacji->setText(years);
  ui().EKosztZakupuNetto->setText("1");
  ui().ESprawnoscProcesu->setText("100");
}

class EconomicsTest : public CatalogueSetTest {
 protected:
  void SetUp() override {
    CatalogueSetTest::SetUp();
    CCatalogueTable& fuels = Form1->FuelCatalogue;
    fuels.Rows.clear();
    for (int row = 0; row < 8; ++row) {
      std::vector<std::string> fields;
      for (int col = 0; col < fuels.ColumnCount; ++col) {
        fields.push_back(col == 1 ? "Paliwo " + std::to_string(row)
                                  : FuelText(row, col).toStdString());
      }
      fuels.Rows.push_back(fields);
    }
    fuels.RowCount = 8;
    SelectedFuelRow = 0;
  }

  void TearDown() override {
    WinWyniki = nullptr;
    WinKalkulatorEkologiczny = nullptr;
    WinKoszty = nullptr;
    WinArmatura = nullptr;
    wyniki_.reset();
    kalkulator_.reset();
    koszty_.reset();
    armatura_.reset();
    CatalogueSetTest::TearDown();
  }

  // In the order of start-up.
  TWinArmatura& Armatura() {
    armatura_ = std::make_unique<TWinArmatura>();
    WinArmatura = armatura_.get();
    return *armatura_;
  }
  TWinKoszty& Koszty() {
    koszty_ = std::make_unique<TWinKoszty>();
    WinKoszty = koszty_.get();
    return *koszty_;
  }
  TWinKalkulatorEkologiczny& Kalkulator() {
    kalkulator_ = std::make_unique<TWinKalkulatorEkologiczny>();
    WinKalkulatorEkologiczny = kalkulator_.get();
    return *kalkulator_;
  }
  TWinWyniki& Wyniki() {
    wyniki_ = std::make_unique<TWinWyniki>();
    WinWyniki = wyniki_.get();
    return *wyniki_;
  }

 private:
  std::unique_ptr<TWinArmatura> armatura_;
  std::unique_ptr<TWinKoszty> koszty_;
  std::unique_ptr<TWinKalkulatorEkologiczny> kalkulator_;
  std::unique_ptr<TWinWyniki> wyniki_;
};
