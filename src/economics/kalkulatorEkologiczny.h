// The ecological calculator: the conventional heating that solar heat replaces, its calorific
// value, efficiency and emission factors from the fuel catalogue (which the user may overwrite),
// and the yearly reduction of CO2, SO2 and six further pollutants.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/catalogue.h"
#include "platform/form_ui.h"
#include "platform/put_off_steps.h"
#include "ui_kalkulatorEkologiczny.h"

class QLabel;
class QLineEdit;

class TWinKalkulatorEkologiczny : public QDialog {
  Q_OBJECT

 public:
  explicit TWinKalkulatorEkologiczny(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinKalkulatorEkologiczny> ui;

  void FormCreate();
  void FormShow();
  void ComboBox1Select(int index);
  void CheckBox1Click();
  void RadioButton1Click();  // "kocioł z załadunkiem ręcznym"
  void RadioButton2Click();  // "kocioł z załadunkiem automatycznym"
  void BitBtn1Click();       // "OBLICZ"
  void BitBtn2Click();       // "Zamknij"

  // The fuel row chosen in ComboBox1, -1 when none is (nothing selected, or a typed text).
  int32_t ChosenFuel() const;
  // The layout of heating type 0 to 7: which inputs are shown, their captions and units, the
  // boiler radios; every input is left read-only until "Wprowadź emisję ręcznie " is ticked.
  void ApplyFuelLayout(int32_t type);
  // Selects row `type` of the fuel catalogue, applies its layout and fills the inputs from the
  // row. Heating type and SelectedFuelRow stay as they are.
  void ChooseFuel(int32_t type);
  // The inputs a project file gives (Edit1 to Edit13) and the fuel item, set as the user would;
  // a window whose widgets wait gets them when they are built.
  void ShowFileInputs(const std::array<std::optional<std::string>, 13>& texts,
                      std::optional<int> fuel);

  // The widgets are built before the first showing.
  void setVisible(bool visible) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // An input edit with the caption and unit labels that are shown, hidden, enabled and disabled
  // with it.
  struct Input {
    QLineEdit* edit;
    QLabel* caption;
    QLabel* unit;
  };
  // Edit1 to Edit13, index 0 = Edit1.
  std::array<Input, 13> Inputs() const;
  void SetInputShown(int edit, bool shown);
  void SetInputsEnabled(bool enabled);
  void LoadFactorSet(bool automaticBoiler);
  void ShowYearlySolarEnergy();
  void ConnectHandlers();
  void BuildForm();
  void ChooseFuel(int32_t type, const CatalogueRows& fuels);

  // The reductions off this window, the results window and the main window: an input changed
  // since they were computed.
  void ClearReductions();

  platform::PutOffSteps widgetSteps_;
  bool clearQueued_ = false;
  bool resultsShown_ = false;  // a calculation's reductions are on screen

 public:
  // Back to what the window showed before a first compute, when the design is replaced.
  void ClearResults();
};
