// The cost window: the installation's cost items and VAT, the conventional heating that solar
// heat replaces with its fuel data, the economic assumptions, the direct subsidy and the subsidised
// loan of the environmental fund. The items, options and fuel data live in Engine and its cost
// record Engine.Costs; the window shows them again each time it is shown.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/payback.h"
#include "engine/vindargast2.h"
#include "platform/form_ui.h"
#include "platform/put_off_steps.h"
#include "project/project_format.h"
#include "ui_koszt.h"

class QCheckBox;
class QLineEdit;

class TWinKoszty : public QDialog {
  Q_OBJECT

 public:
  explicit TWinKoszty(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinKoszty> ui;

  // The subsidised loan, kept between clicks of "Przelicz Dotację".
  float EligibleCost = 0;
  float CollectorAreaTotal = 0;
  float GrossSubsidy = 0;
  float SubsidyPercent = 0;
  float LoanAmount = 0;
  float LoanInterestRate = 0;    // % a year
  float LoanCommissionRate = 0;  // %
  float OtherLoanCosts = 0;
  float LoanMonths = 0;
  float WaitingMonths = 0;  // until the subsidy is paid
  float TaxRate = 0;
  float LoanCommission = 0;
  float InterestBeforeSubsidy = 0;
  float InterestAfterSubsidy = 0;
  float SubsidyTax = 0;
  float NetSubsidy = 0;
  float EffectiveCost = 0;  // installation cost after both subsidies

  void FormCreate();
  void FormShow();
  void BitBtn1Click();  // "OBLICZ"
  void BitBtn2Click();  // "Zamknij"
  // The nine cost items: store the typed value and refresh the total.
  void CostItemChange(int item);
  void ESumaKosztChange();
  void EvatChange();
  void RSumaBruttoClick();
  void RSumaNettoClick();
  // The option boxes, told apart by their row of Options().
  void OptionClick(int option);
  void ERocznyWzrostCenChange();
  void ERocznyWzrostCenExit();
  void Edit2Change();
  void EKosztZakupuChange();
  void EKosztZakupuNettoChange();
  void ComboRodzajOgrzewaniaSelect(int index);
  void ComboRodzajOgrzewaniaChange();
  void CheckDotacjaNFOSIGWClick();
  void ButtonDotacjaClick();

  // The cost items, the totals with VAT and the loan's eligible cost and amount as the design's
  // cost items now give them: whatever reads the window's sums reads the design's, shown or not.
  void FollowDesignCosts();
  // The fittings window's "PRZELICZ" gave another fittings cost item or installation pressure
  // drop: the sums follow the item, and the results of the last "OBLICZ", computed with the ones
  // before, read "b/d" until the next.
  void FittingsChanged();
  // The pump's electricity cost followed another pressure drop: results of the last "OBLICZ" that
  // counted the one before read "b/d" until the next.
  void PumpCostChanged();

  // The cost window's inputs a project file gives, set as the user would; a window whose widgets
  // wait gets them when they are built (the inflation flag is stored at once).
  void ShowFileInputs(const project::WindowUpdates& updates);

  // The loan block's edits as a project file lists them.
  std::array<QLineEdit*, 9> LoanEdits() const;

  // The stored assumptions the report reads from the window, as its showing fills them: the
  // discount rate while it counts and the service life.
  void ShowStoredAssumptions();

  // The widgets are built before the first showing.
  void setVisible(bool visible) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  struct CostItem {
    QLineEdit* edit;
    float CVindargast2::*item;
  };
  std::array<CostItem, 9> CostItems() const;
  // The loan's eligible cost and amount, with the gross total of the cost record each holds
  // against.
  struct LoanFigure {
    QLineEdit* edit;
    std::optional<double> CKoszty::*against;
  };
  std::array<LoanFigure, 2> LoanFigures() const;
  // The VAT rate shown, or the form's before the window is built.
  std::string ShownVat();
  // The gross total is too large for a float: the net total and the VAT rate say why.
  void GrossTooLargeNotice();
  // Stores the item its edit shows; an item that would make the total too large for a float is
  // refused by its caption and leaves the design as it was.
  bool StoreCostItem(const CostItem& cost);

  // An option box: the edits it enables and the flag of the cost record it keeps.
  struct Option {
    QCheckBox* box;
    std::vector<QWidget*> edits;
    uint8_t CKoszty::*flag;
  };
  std::vector<Option> Options() const;

  // The unit captions of the fuel data for a heating type: price, calorific value, efficiency.
  void SetUnitCaptions(int32_t type);

  void ShowTotalWithVat();
  // The cost items and the installation total as the design gives them.
  void ShowCostItems();
  // The eligible cost and the loan amount for the gross total, unless the user typed them
  // against this total; a subsidy computed from replaced ones is computed no more.
  void ShowEligibleCost();
  // "b/d" in the loan's results, which count nowhere until they are computed again.
  void ShowNoSubsidy();
  // "Przelicz Dotację": false when a term is missing, the last complete subsidy standing. Asked
  // by no user (the box ticked from code at a showing), a missing or unreadable term is no
  // message: no subsidy is computed ("b/d") until the user asks for one.
  bool ComputeLoanSubsidy(bool askedByUser = true);
  // Whether every loan term reads as a number and a tax scale is chosen.
  bool LoanTermsComplete() const;
  void ShowHeatingTypeOfCalculator();
  void SetItemEditsEnabled(bool enabled);
  // Enables one fuel-price edit and gives it the colour that tells whether it counts.
  static void SetFuelPriceEditable(QLineEdit* edit, bool editable);
  void SetLoanEditsEnabled(bool enabled);
  // Reads an option's value when its flag is on; an empty edit is reported and leaves it at 0.
  void ReadOptionValue(uint8_t flag, QLineEdit* edit, float& value, const char* emptyMessage);
  // The fuel data as the edits give them: the price under the chosen radio.
  FuelData ReadFuelData() const;
  // Whether the yearly fuel costs can have a value; a warning on the offending edit otherwise.
  bool FuelDataUsable(const FuelData& data);
  // Fuel price, calorific value and efficiency into the cost record, and the yearly costs.
  void ComputeYearlyFuelCosts(const FuelData& data, float hotWaterSolarEnergy);
  // "b/d" in every result text, and no cost figure in the design: a calculation stopped, or an
  // input changed since the last one.
  void ShowNoResults();
  // Lifetime running costs and savings, average yearly costs and the payback period.
  void ComputeLifetime(float investment, float subsidies);
  InvestmentFlows Flows(float investment, float subsidies) const;
  // Whether every cost, saving and sum of the calculation is a number a float holds; otherwise a
  // warning names the inputs they come from by their captions.
  bool ResultsHold(float investment, float subsidies);
  // NPV and IRR, or "nie liczono".
  void ShowNetPresentValue(float investment, float subsidies);
  void ShowResults(float investment, float subsidies);
  // Reads a loan term; an empty edit is reported and gives false.
  bool ReadLoanTerm(QLineEdit* edit, float& value, const char* emptyMessage);
  void ConnectHandlers();
  void BuildForm();

  platform::PutOffSteps widgetSteps_;
  // While the waiting steps run, the handlers store nothing in the design.
  bool replaying_ = false;
  // The inflation box as the waiting steps leave it.
  bool inflationTicked_ = false;
  bool clearQueued_ = false;
  bool resultsShown_ = false;     // a calculation's results are on screen
  bool subsidyComputed_ = false;  // the loan's results are those of its inputs on screen
  bool subsidyOutdated_ = false;  // they were taken away when their gross total changed
  bool showing_ = false;          // the showing sets the loan's amounts once it has the totals
  bool tickingFromCode_ = false;  // the showing ticks the loan's box as the design has it

 public:
  // Back to what the window showed before a first compute, when the design is replaced.
  void ClearResults();
};
