// The location window: the installation's city from the city catalogue, with its latitude and
// its twelve monthly values of insolation, air temperature and sunshine hours, which it copies
// into Engine.
#pragma once

#include <QDialog>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/form_ui.h"
#include "platform/put_off_steps.h"
#include "ui_lokalizacja.h"

// The row of the city catalogue taken into Engine by the last creation or choice.
extern int32_t SelectedCityRow;

class TWinLokalizacja : public QDialog {
  Q_OBJECT

 public:
  explicit TWinLokalizacja(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinLokalizacja> ui;

  void FormCreate();
  void ComboWyborLokalizacjiSelect();
  void FormShow();
  void BitBtn1Click();
  void BitBtn2Click();

  // The widgets are built before the first showing.
  void setVisible(bool visible) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildForm();
  // Rows of the city table that can be read.
  static int CityRows();
  // Whether row r is a city with all the columns read.
  static bool Readable(int row);
  // Shows row r in both grids, the catalogue's texts unchanged; false when there is no such row.
  bool ShowCity(int row);
  void ShowCity(const std::vector<std::string>& city);
  // Shows row r and copies its climate, latitude and id into Engine.
  bool TakeCity(int row);
  void FillCombo();
  // The last row whose id is `id`, or -1.
  static int FindCity(int32_t id);

  platform::PutOffSteps widgetSteps_;
};
