#include "economics/koszt.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPalette>
#include <QScopedValueRollback>
#include <QShowEvent>
#include <QVariant>
#include <algorithm>
#include <initializer_list>
#include <limits>

#include "app/windows.h"
#include "economics/edit_filters.h"
#include "economics/edit_text.h"
#include "economics/fuel_table.h"
#include "economics/kalkulatorEkologiczny.h"
#include "engine/cost_limit.h"
#include "engine/numtext.h"
#include "engine/payback.h"
#include "main/vindargast.h"
#include "platform/form_texts.h"
#include "platform/guard.h"
#include "platform/message_box.h"
#include "platform/opening.h"
#include "platform/user_change.h"
#include "report/Wyniki.h"

using economics::FuelCell;
using economics::ReadFloat;
using economics::SetText;

namespace {

// The VAT rate of the gross sum shown.
const char* const kRateOfGross = "rateOfGross";

const char* const kGrossNote = "* do obliczeń wybrano sumę brutto";
const char* const kNetNote = "* do obliczeń wybrano sumę netto";
const char* const kTwoSubsidiesMessage = "Wykonujesz obliczenia dla dwóch dotacji jednocześnie!";
const char* const kGrowthRangeMessage =
    "Nieprawidłowy zakres danych.\nNależy wpisywać liczby większe od zera !!!";

// The heating types with fixed meanings; a longer catalogue lists further rows without them.
constexpr int32_t kLastHeatingType = 7;
constexpr int32_t kHeatPump = 7;

QString GrowthNote(bool otherThanInflation) {
  return QString::fromUtf8(otherThanInflation
                               ? "* wyniki obliczeń uwzględniają wzrost cen energii inny niż "
                                 "inflacja"
                               : "* wyniki obliczeń uwzględniają wzrost cen równy inflacji");
}

QString DiscountNote(bool discounted) {
  return QString::fromUtf8(discounted ? "* wyniki obliczeń zdyskontowane"
                                      : "* wyniki obliczeń niezdyskontowane");
}

void Notice(const char* text, const char* title) {
  platform::MessageBox(QString::fromUtf8(text), QString::fromUtf8(title), platform::Icon::Warning);
}

// general(p) of the cost and fittings windows.
std::string General(double value, int digits) {
  return GeneralText(value, digits, 2);
}

// What the efficiency edit shows of the last calculation: the heat pump's COP for the heat pump.
float StoredEfficiency(const CKoszty& costs) {
  return costs.TypOgrzewania == kHeatPump ? costs.HeatPumpCop : costs.SprawnoscProcesu;
}

}  // namespace

TWinKoszty::TWinKoszty(QWidget* parent) : QDialog(parent) {
  // The creation sets the design now; the widgets wait for the window's first use.
  ui.Defer([this] { BuildForm(); });
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinKoszty::setVisible(bool visible) {
  if (visible) ui.Build();
  QDialog::setVisible(visible);
}

void TWinKoszty::BuildForm() {
  ui.form().setupUi(this);
  // The scale's prompt, shown while no scale is chosen (the form selects none).
  ui().ComboStawkiPodatku->setEditText(QStringLiteral("stosowana skala podatkowa"));
  ConnectHandlers();
  // The handlers show what the waiting steps write, as they did then; what they stored in the
  // design was stored then.
  replaying_ = true;
  widgetSteps_.Run();
  replaying_ = false;
}

void TWinKoszty::ShowFileInputs(const project::WindowUpdates& u) {
  if (!ui.Built() && u.inflation && *u.inflation != inflationTicked_) {
    // The box's handler, which the widgets will not run.
    inflationTicked_ = *u.inflation;
    Engine.Costs.InflationOn = inflationTicked_ ? 1 : 0;
  }
  const auto setText = [](QLineEdit* edit, const std::optional<std::string>& text) {
    if (text) edit->setText(QString::fromStdString(*text));
  };
  // The file's eligible cost and loan amount hold against the gross total of the design as it
  // was opened, not against the one of its first showing.
  if (u.loan[1] || u.loan[3]) {
    const double net = Engine.SetPriceMode == 1 ? SetPriceTotal(Engine) : InstallationTotal(Engine);
    const std::string vat = u.vat ? *u.vat : ShownVat();
    const double gross = ReadsAsFloat(vat) ? GrossFromNet(net, ::ReadFloat(vat))
                                           : std::numeric_limits<double>::quiet_NaN();
    if (u.loan[1]) Engine.Costs.EligibleCostTypedAgainst = gross;
    if (u.loan[3]) Engine.Costs.LoanAmountTypedAgainst = gross;
  }
  widgetSteps_.Add([this, u, setText] {
    // As the user would set them, so that their own handlers run on a change; the fuel price
    // before the VAT rate and the sum.
    setText(ui().EKosztZakupu, u.fuelPriceGross);
    setText(ui().EKosztZakupuNetto, u.fuelPriceNet);
    if (u.inflation) ui().CheckInflacja->setChecked(*u.inflation);
    setText(ui().Evat, u.vat);
    if (u.netSum) (*u.netSum ? ui().RSumaNetto : ui().RSumaBrutto)->setChecked(true);
    const std::array<QLineEdit*, 9> loan = LoanEdits();
    for (size_t i = 0; i < loan.size(); ++i) setText(loan[i], u.loan[i]);
    if (u.taxScale) ui().ComboStawkiPodatku->setCurrentIndex(*u.taxScale);
  });
}

std::array<QLineEdit*, 9> TWinKoszty::LoanEdits() const {
  return {ui().PowKolektorow,      ui().KosztyKwalifikowane,   ui().ProcentDotacji,
          ui().WysokoscKredytu,    ui().OprocentowanieKredytu, ui().ProwizjaKredytu,
          ui().IinneKosztyKredytu, ui().OkresKredytowania,     ui().OczekiwanieDaDotacje};
}

std::array<TWinKoszty::LoanFigure, 2> TWinKoszty::LoanFigures() const {
  return {{{ui().KosztyKwalifikowane, &CKoszty::EligibleCostTypedAgainst},
           {ui().WysokoscKredytu, &CKoszty::LoanAmountTypedAgainst}}};
}

std::string TWinKoszty::ShownVat() {
  if (ui.Built()) return ui().Evat->text().toStdString();
  QDialog pristine;
  Ui::TWinKoszty form;
  form.setupUi(&pristine);
  return form.Evat->text().toStdString();
}

std::array<TWinKoszty::CostItem, 9> TWinKoszty::CostItems() const {
  return {{
      {ui().EKosztKolektora, &CVindargast2::CenaKolektory},
      {ui().EKosztZasobnika, &CVindargast2::CenaZasobnik},
      {ui().EKosztSterownika, &CVindargast2::CenaSterownik},
      {ui().EKosztNaczynia, &CVindargast2::CenaNaczynie},
      {ui().EKosztPompy, &CVindargast2::CenaPompa},
      {ui().EKosztArmatury, &CVindargast2::CenaArmatury},
      {ui().EKosztPlyn, &CVindargast2::CenaPlynu},
      {ui().EKosztMontaz, &CVindargast2::CenaMontazu},
      {ui().EKosztInne, &CVindargast2::CenaInne},
  }};
}

std::vector<TWinKoszty::Option> TWinKoszty::Options() const {
  // In the order in which showing the window restores them.
  return {
      {ui().CheckWzrostCen, {ui().ERocznyWzrostCen}, &CKoszty::WzrostCenTakNie},
      {ui().CheckKosztInstalacji, {ui().EKosztUtrzInstalacji}, &CKoszty::EksploatacjaTakNie},
      {ui().CheckKredyt, {ui().EKredyt, ui().Edit2}, &CKoszty::DotacjaTakNie},
      {ui().CheckEnergiaPompy, {ui().EEnergiaPompy}, &CKoszty::KosztPompyTakNie},
      {ui().CheckInflacja, {ui().Einflacja}, &CKoszty::InflationOn},
      {ui().CheckDyskont, {ui().Edyskont}, &CKoszty::DyskontTakNie},
      {ui().npv, {}, &CKoszty::NPVTakNie},
  };
}

void TWinKoszty::ConnectHandlers() {
  for (int item = 0; item < 9; ++item) {
    QLineEdit* edit = CostItems()[item].edit;
    platform::Connect(edit, &QLineEdit::textChanged, this, [this, item] { CostItemChange(item); });
  }
  platform::Connect(ui().ESumaKoszt, &QLineEdit::textChanged, this, &TWinKoszty::ESumaKosztChange);
  platform::Connect(ui().Evat, &QLineEdit::textChanged, this, &TWinKoszty::EvatChange);
  platform::Connect(ui().RSumaBrutto, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked) RSumaBruttoClick();
  });
  platform::Connect(ui().RSumaNetto, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked) RSumaNettoClick();
  });
  const std::vector<Option> options = Options();
  for (int option = 0; option < static_cast<int>(options.size()); ++option) {
    platform::Connect(options[option].box, &QCheckBox::toggled, this,
                      [this, option] { OptionClick(option); });
  }
  platform::Connect(ui().CheckDotacjaNFOSIGW, &QCheckBox::toggled, this,
                    &TWinKoszty::CheckDotacjaNFOSIGWClick);
  platform::Connect(ui().ERocznyWzrostCen, &QLineEdit::textChanged, this,
                    &TWinKoszty::ERocznyWzrostCenChange);
  economics::OnExit(ui().ERocznyWzrostCen, [this] { ERocznyWzrostCenExit(); });
  platform::Connect(ui().Edit2, &QLineEdit::textChanged, this, &TWinKoszty::Edit2Change);
  platform::Connect(ui().EKosztZakupu, &QLineEdit::textChanged, this,
                    &TWinKoszty::EKosztZakupuChange);
  platform::Connect(ui().EKosztZakupuNetto, &QLineEdit::textChanged, this,
                    &TWinKoszty::EKosztZakupuNettoChange);
  // A pick from the list is a choice; typing into the combo's field only changes the captions.
  platform::Connect(ui().ComboRodzajOgrzewania, &QComboBox::activated, this,
                    &TWinKoszty::ComboRodzajOgrzewaniaSelect);
  platform::Connect(ui().ComboRodzajOgrzewania->lineEdit(), &QLineEdit::textEdited, this,
                    &TWinKoszty::ComboRodzajOgrzewaniaChange);
  platform::Connect(ui().ButtonDotacja, &QPushButton::clicked, this,
                    &TWinKoszty::ButtonDotacjaClick);
  // An amount the user types holds against the gross total shown.
  for (const LoanFigure& amount : LoanFigures()) {
    platform::Connect(amount.edit, &QLineEdit::textEdited, this, [against = amount.against] {
      Engine.Costs.*against = Engine.Costs.GrossTotalTypedAgainst();
    });
  }
  platform::Connect(ui().BitBtn1, &QPushButton::clicked, this, &TWinKoszty::BitBtn1Click);
  platform::Connect(ui().BitBtn2, &QPushButton::clicked, this, &TWinKoszty::BitBtn2Click);
  // The results shown were computed from the inputs as they stood.
  platform::OnUserChange(this, [this] {
    if (resultsShown_) ShowNoResults();
  });

  // Every edit the user types into takes only a decimal number.
  for (const CostItem& item : CostItems()) {
    economics::InstallKeyFilter(item.edit, economics::KeyRule::Decimal);
  }
  for (QLineEdit* edit : {ui().ECenaZestaw,
                          ui().ESumaKoszt,
                          ui().Evat,
                          ui().ESumaBrutto,
                          ui().ESumaVat,
                          ui().EKosztZakupu,
                          ui().EKosztZakupuNetto,
                          ui().EWartoscOpalowa,
                          ui().ESprawnoscProcesu,
                          ui().Einflacja,
                          ui().ERocznyWzrostCen,
                          ui().EKosztUtrzInstalacji,
                          ui().ElataEksploatacji,
                          ui().Edyskont,
                          ui().EKredyt,
                          ui().Edit2,
                          ui().EEnergiaPompy,
                          ui().PowKolektorow,
                          ui().KosztyKwalifikowane,
                          ui().ProcentDotacji,
                          ui().WysokoscKredytu,
                          ui().OprocentowanieKredytu,
                          ui().ProwizjaKredytu,
                          ui().IinneKosztyKredytu,
                          ui().OkresKredytowania,
                          ui().OczekiwanieDaDotacje,
                          ui().DotacjaBrutto,
                          ui().KosztyKredytu,
                          ui().PodatekDotacja,
                          ui().DotacjaNetto}) {
    economics::InstallKeyFilter(edit, economics::KeyRule::Decimal);
  }
}

void TWinKoszty::FormCreate() {
  SelectedFuelRow = Engine.Costs.TypOgrzewania;
  const int32_t row = SelectedFuelRow;
  Engine.Costs.FuelName = FuelCell(row, 1).toStdString();
  // The inflation box's handler and the creation both switch inflation on.
  inflationTicked_ = true;
  Engine.Costs.InflationOn = 1;
  // The collectors' item as its change handler stores it, and the total it then shows.
  const std::string collectors = ShortestText(Engine.CenaKolektory);
  Engine.CenaKolektory = ::ReadFloat(collectors);
  const std::string total = ShortestText(InstallationTotal(Engine));
  widgetSteps_.Add([this, row, fuels = Form1->FuelCatalogue.Rows, collectors, total] {
    economics::FillFuelCombo(ui().ComboRodzajOgrzewania, fuels);
    ui().ComboRodzajOgrzewania->setCurrentIndex(row);
    // The gross price fills the net price through its change handler.
    ui().EKosztZakupu->setText(FuelCell(fuels, row, 3));
    ui().EWartoscOpalowa->setText(FuelCell(fuels, row, 2));
    ui().ESprawnoscProcesu->setText(FuelCell(fuels, row, 4));
    ui().CheckInflacja->setChecked(true);
    SetText(ui().EKosztKolektora, collectors);
    SetText(ui().ESumaKoszt, total);
    RSumaBruttoClick();  // the form selects the gross total: its fuel price counts
  });
}

void TWinKoszty::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  platform::RunAtOpening(event, [this] { FormShow(); });
}

void TWinKoszty::ShowCostItems() {
  const std::array<CostItem, 9> items = CostItems();
  // The device items as the design holds them, in set-price mode too: the set's price replaced
  // them, and their edits must not go on showing the prices of the design before the set.
  for (int item = 0; item < 5; ++item)
    SetText(items[item].edit, ShortestText(Engine.*items[item].item));
  if (Engine.SetPriceMode != 1) {
    SetItemEditsEnabled(true);
    ui().StaticText44->hide();
    ui().StaticText45->hide();
    ui().ECenaZestaw->hide();
    SetText(ui().ESumaKoszt, FixedText(InstallationTotal(Engine), 10, 2));
  } else {
    SetItemEditsEnabled(false);
    ui().StaticText44->show();
    ui().StaticText45->show();
    ui().ECenaZestaw->show();
    SetText(ui().ECenaZestaw, ShortestText(Engine.CenaZestawu));
    SetText(ui().ESumaKoszt, ShortestText(SetPriceTotal(Engine)));
  }
  // The edits that a change handler or "OBLICZ" stores again get texts that read back as the
  // stored floats, so that showing the window never rounds an item.
  SetText(ui().EKosztArmatury, StoredFloatText(Engine.CenaArmatury, 4));
  SetText(ui().EKosztPlyn, ShortestText(Engine.CenaPlynu));
  SetText(ui().EKosztMontaz, ShortestText(Engine.CenaMontazu));
  SetText(ui().EKosztInne, ShortestText(Engine.CenaInne));
}

void TWinKoszty::FollowDesignCosts() {
  ShowCostItems();
  ShowEligibleCost();
}

void TWinKoszty::FittingsChanged() {
  // Unbuilt, the window shows neither sums nor results: its first showing takes the item.
  if (!ui.Built()) return;
  FollowDesignCosts();
  if (resultsShown_) ShowNoResults();
}

void TWinKoszty::PumpCostChanged() {
  if (resultsShown_ && Engine.Costs.KosztPompyTakNie == 1) ShowNoResults();
}

void TWinKoszty::FormShow() {
  const QScopedValueRollback<bool> showing(showing_, true);
  CKoszty& costs = Engine.Costs;
  ShowCostItems();
  if (Engine.SetPriceMode != 1) {
    SelectedFuelRow = costs.TypOgrzewania;
    ui().ComboRodzajOgrzewania->setCurrentIndex(SelectedFuelRow);
    if (Engine.CostsLoaded) {
      SetText(ui().EWartoscOpalowa, StoredFloatText(costs.WartoscOpalowa, 4));
      SetText(ui().ESprawnoscProcesu, StoredFloatText(StoredEfficiency(costs), 4));
      if (costs.TypOgrzewania != 1 && costs.TypOgrzewania != kHeatPump) {
        ui().EWartoscOpalowa->show();
        ui().StaticText25->show();
      }
    }
  } else if (Engine.CostsLoaded) {
    SetText(ui().EKosztZakupu, StoredFloatText(costs.FuelPrice, 4));
    SetText(ui().EWartoscOpalowa, StoredFloatText(costs.WartoscOpalowa, 4));
    SetText(ui().ESprawnoscProcesu, StoredFloatText(StoredEfficiency(costs), 4));
  }

  // Options that are on get their stored value, then their box is ticked; none is unticked.
  struct StoredValue {
    QLineEdit* edit;
    float CKoszty::*value;
  };
  const StoredValue values[] = {
      {ui().ERocznyWzrostCen, &CKoszty::IleRocznyWzrost},
      {ui().EKosztUtrzInstalacji, &CKoszty::IleEksploatacja},
      {ui().EKredyt, &CKoszty::IleDotacja},
      {nullptr, nullptr},
      {ui().Einflacja, &CKoszty::IleInflacja},
      {ui().Edyskont, &CKoszty::IleDyskont},
      {nullptr, nullptr},
  };
  const std::vector<Option> options = Options();
  for (size_t i = 0; i < options.size(); ++i) {
    if (costs.*options[i].flag != 1) continue;
    if (values[i].edit) SetText(values[i].edit, StoredFloatText(costs.*values[i].value, 4));
    options[i].box->setChecked(true);
  }
  if (costs.NfosigwSubsidyOn == 1) {
    tickingFromCode_ = true;
    ui().CheckDotacjaNFOSIGW->setChecked(true);
    tickingFromCode_ = false;
  }

  ShowStoredAssumptions();

  ui().StaticText82->setText(GrowthNote(costs.WzrostCenTakNie == 1));
  ui().StaticText80->setText(DiscountNote(costs.DyskontTakNie == 1));
  if (ui().RSumaBrutto->isChecked()) {
    RSumaBruttoClick();
  } else {
    RSumaNettoClick();
  }
  ShowEligibleCost();
  ShowHeatingTypeOfCalculator();
}

void TWinKoszty::ShowStoredAssumptions() {
  const CKoszty& costs = Engine.Costs;
  if (costs.DyskontTakNie == 1) SetText(ui().Edyskont, StoredFloatText(costs.IleDyskont, 4));
  // "OBLICZ" stores the service life again: a text that reads back as the stored float.
  SetText(ui().ElataEksploatacji, StoredFloatText(costs.IleCzasEksploatacji, 4));
}

void TWinKoszty::SetItemEditsEnabled(bool enabled) {
  for (const CostItem& item : CostItems()) item.edit->setEnabled(enabled);
}

bool TWinKoszty::StoreCostItem(const CostItem& cost) {
  // A sum no float holds would be carried on as infinity into the other sums and the results.
  const std::string vat = ui().Evat->text().toStdString();
  const auto grossHolds = [&vat](double total) {
    return FloatHolds(ReadsAsFloat(vat) ? GrossFromNet(total, ::ReadFloat(vat)) : total);
  };
  const float previous = Engine.*cost.item;
  const bool grossHeld = grossHolds(InstallationTotal(Engine));
  Engine.*cost.item = ReadFloat(cost.edit);
  const double total = InstallationTotal(Engine);
  // A gross total the VAT rate had already made too large is no fault of this item.
  if (FloatHolds(total) && (grossHolds(total) || !grossHeld)) return true;
  Engine.*cost.item = previous;
  const auto* layout = qobject_cast<const QGridLayout*>(cost.edit->parentWidget()->layout());
  int row = 0, col = 0, rows = 0, cols = 0;
  layout->getItemPosition(layout->indexOf(cost.edit), &row, &col, &rows, &cols);
  const auto* caption = qobject_cast<const QLabel*>(layout->itemAtPosition(row, 0)->widget());
  Notice((caption->text().trimmed().toStdString() + ": koszt (" + cost.edit->text().toStdString() +
          " zł) daje sumę zbyt dużą do obliczenia.")
             .c_str(),
         "Uwaga");
  cost.edit->setFocus();
  return false;
}

void TWinKoszty::CostItemChange(int item) {
  // A waiting step shows the item and the total as they were.
  if (replaying_) return;
  const CostItem cost = CostItems()[item];
  if (cost.edit->text().isEmpty()) return;
  if (!StoreCostItem(cost)) return;
  SetText(ui().ESumaKoszt, ShortestText(InstallationTotal(Engine)));
}

void TWinKoszty::ShowTotalWithVat() {
  const double vat = ReadFloat(ui().Evat);
  const double sum = ReadFloat(ui().ESumaKoszt);
  // The gross sum is read again as a float by the loan and "OBLICZ": a VAT that makes it too
  // large for one goes back to the rate of the gross sum shown.
  const QVariant shownRate = ui().Evat->property(kRateOfGross);
  if (!FloatHolds(GrossFromNet(sum, vat))) {
    const bool revert = shownRate.isValid() && shownRate.toString() != ui().Evat->text();
    // Told once when the gross total loses its value, not again for each sum written meanwhile.
    if (revert || Engine.Costs.GrossTotal) GrossTooLargeNotice();
    if (revert) {
      ui().Evat->setText(shownRate.toString());
    } else {
      ui().ESumaBrutto->setText(QStringLiteral("b/d"));
      ui().ESumaVat->setText(QStringLiteral("b/d"));
      Engine.Costs.GrossTotal.reset();
    }
    return;
  }
  SetText(ui().ESumaBrutto, FixedText(GrossFromNet(sum, vat), 10, 2));
  SetText(ui().ESumaVat, FixedText(VatAmount(sum, vat), 10, 2));
  Engine.Costs.GrossTotal = ReadFloat(ui().ESumaBrutto);
  ui().Evat->setProperty(kRateOfGross, ui().Evat->text());
  // A cost item or VAT changed in the open window: the loan's amounts follow the gross total as at
  // a showing, not only at the next one.
  if (isVisible() && !showing_) ShowEligibleCost();
}

void TWinKoszty::GrossTooLargeNotice() {
  Notice(("Suma brutto (suma netto " + ui().ESumaKoszt->text().toStdString() + " zł, VAT " +
          ui().Evat->text().toStdString() + " %) jest zbyt duża do obliczenia.")
             .c_str(),
         "Uwaga");
}

void TWinKoszty::ESumaKosztChange() {
  ShowTotalWithVat();
}

void TWinKoszty::EvatChange() {
  if (!ui().Evat->text().isEmpty()) ShowTotalWithVat();
}

void TWinKoszty::SetFuelPriceEditable(QLineEdit* edit, bool editable) {
  // The price the calculation takes has an edit's own background, the other the menu bar's.
  QPalette palette = edit->palette();
  const QPalette standard = QApplication::palette(edit);
  const QColor colour =
      editable ? standard.color(QPalette::Base) : standard.color(QPalette::Button);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    palette.setColor(group, QPalette::Base, colour);
  edit->setPalette(palette);
  edit->setEnabled(editable);
}

void TWinKoszty::RSumaBruttoClick() {
  ui().Label1->setText(QString::fromUtf8(kGrossNote));
  SetFuelPriceEditable(ui().EKosztZakupu, true);
  SetFuelPriceEditable(ui().EKosztZakupuNetto, false);
}

void TWinKoszty::RSumaNettoClick() {
  ui().Label1->setText(QString::fromUtf8(kNetNote));
  SetFuelPriceEditable(ui().EKosztZakupu, false);
  SetFuelPriceEditable(ui().EKosztZakupuNetto, true);
}

void TWinKoszty::OptionClick(int option) {
  const Option box = Options()[option];
  const bool ticked = box.box->isChecked();
  for (QWidget* edit : box.edits) edit->setEnabled(ticked);
  if (!replaying_) Engine.Costs.*box.flag = ticked ? 1 : 0;
  if (box.box == ui().CheckWzrostCen) {
    ui().StaticText82->setText(GrowthNote(ticked));
  } else if (box.box == ui().CheckDyskont) {
    ui().StaticText80->setText(DiscountNote(ticked));
  } else if (box.box == ui().CheckKredyt && ticked && ui().CheckDotacjaNFOSIGW->isChecked()) {
    Notice(kTwoSubsidiesMessage, "Komunikat");
  }
}

void TWinKoszty::ERocznyWzrostCenChange() {
  if (!ui().ERocznyWzrostCen->text().isEmpty()) {
    const float growth = ReadFloat(ui().ERocznyWzrostCen);
    if (growth > 0) {
      Engine.Costs.IleRocznyWzrost = growth;
      return;
    }
  }
  Notice(kGrowthRangeMessage, "Uwaga");
  ui().ERocznyWzrostCen->setFocus();
}

void TWinKoszty::ERocznyWzrostCenExit() {
  ERocznyWzrostCenChange();
}

void TWinKoszty::Edit2Change() {
  if (ui().Edit2->text().isEmpty()) return;
  const double percent = ReadFloat(ui().Edit2);
  const bool net = ui().RSumaNetto->isChecked();
  if (!net && !Engine.Costs.GrossTotal) return;  // a gross total that reads "b/d"
  const double base = net ? ReadFloat(ui().ESumaKoszt) : *Engine.Costs.GrossTotal;
  SetText(ui().EKredyt, General(0.01 * percent * base, 5));
}

void TWinKoszty::EKosztZakupuChange() {
  if (!ui().RSumaBrutto->isChecked() || ui().EKosztZakupu->text().isEmpty()) return;
  const double vat = ReadFloat(ui().Evat);
  const double gross = ReadFloat(ui().EKosztZakupu);
  SetText(ui().EKosztZakupuNetto, FixedText(NetFromGross(gross, vat), 4, 2));
}

void TWinKoszty::EKosztZakupuNettoChange() {
  if (!ui().RSumaNetto->isChecked() || ui().EKosztZakupuNetto->text().isEmpty()) return;
  const double vat = ReadFloat(ui().Evat);
  const double net = ReadFloat(ui().EKosztZakupuNetto);
  SetText(ui().EKosztZakupu, FixedText(GrossFromNet(net, vat), 4, 2));
}

void TWinKoszty::SetUnitCaptions(int32_t type) {
  if (type < 0 || type > kLastHeatingType) return;
  const char* priceUnit = "[zł/kWh]";
  const char* calorificUnit = nullptr;  // not shown for heat and the heat pump
  switch (type) {
    case 1:
    case 2:
    case 3:
    case 4:
      // The cost formula takes the price of a tonne of a solid fuel.
      priceUnit = "[zł/tona]";
      calorificUnit = "[kWh/kg]";
      break;
    case 5:
      priceUnit = "[zł/litr]";
      calorificUnit = "[kWh/litr]";
      break;
    case 6:
      priceUnit = "[zł/m3]";
      calorificUnit = "[kWh/m3]";
      break;
    default:
      break;
  }
  ui().StaticText27->setText(QString::fromUtf8(priceUnit));
  const bool calorific = calorificUnit != nullptr;
  if (calorific) ui().StaticText28->setText(QString::fromUtf8(calorificUnit));
  ui().StaticText25->setVisible(calorific);
  ui().StaticText28->setVisible(calorific);
  ui().EWartoscOpalowa->setVisible(calorific);
  ui().StaticText26->setText(
      QString::fromUtf8(type == kHeatPump ? "Współczynnik COP" : "Sprawność procesu"));
  ui().StaticText29->setVisible(type != kHeatPump);
}

void TWinKoszty::ComboRodzajOgrzewaniaSelect(int index) {
  ui().RSumaBrutto->setChecked(true);
  SelectedFuelRow = index;
  if (index >= 0 && index <= kLastHeatingType) {
    Engine.NazwaPaliwa = index;
    if (WinKalkulatorEkologiczny) WinKalkulatorEkologiczny->ChooseFuel(index);
    SetUnitCaptions(index);
    Engine.Costs.TypOgrzewania = index;
  }
  if (index < 0 || index >= economics::FuelRowCount()) return;
  ui().EKosztZakupu->setText(FuelCell(index, 3));
  ui().EWartoscOpalowa->setText(FuelCell(index, 2));
  ui().ESprawnoscProcesu->setText(FuelCell(index, 4));
  Engine.Costs.FuelName = FuelCell(index, 1).toStdString();
}

void TWinKoszty::ComboRodzajOgrzewaniaChange() {
  SetUnitCaptions(ui().ComboRodzajOgrzewania->currentIndex());
}

void TWinKoszty::ShowHeatingTypeOfCalculator() {
  if (!WinKalkulatorEkologiczny) return;
  const int32_t type = WinKalkulatorEkologiczny->ChosenFuel();
  if (type < 0 || type > kLastHeatingType) return;
  CKoszty& costs = Engine.Costs;
  costs.TypOgrzewania = type;
  ui().ComboRodzajOgrzewania->setCurrentIndex(type);
  SetUnitCaptions(type);
  // The values of the last calculation belong to the type it was made for.
  if (Engine.NazwaPaliwa == type) {
    if (type != kHeatPump) SetText(ui().EWartoscOpalowa, StoredFloatText(costs.WartoscOpalowa, 3));
    SetText(ui().ESprawnoscProcesu, StoredFloatText(StoredEfficiency(costs), 3));
  } else {
    if (type != kHeatPump) ui().EWartoscOpalowa->setText(FuelCell(type, 2));
    ui().ESprawnoscProcesu->setText(FuelCell(type, 4));
  }
  costs.FuelName = FuelCell(type, 1).toStdString();
}

void TWinKoszty::ShowEligibleCost() {
  CKoszty& costs = Engine.Costs;
  // A gross total that reads "b/d" gives no eligible cost: the amounts stay as they are.
  if (!costs.GrossTotal) return;
  const double gross = *costs.GrossTotal;
  const QString eligible = economics::Q(FixedText(
      CappedEligibleCost(static_cast<float>(gross), Engine.LiczbaKolektorow, Engine.CollectorArea),
      8, 2));
  // An amount the user typed (or the loan calculation capped, or a project file brought) stays
  // while the gross total it was typed against does; one the window wrote itself follows the
  // total.
  bool replaced = false;
  for (const LoanFigure& amount : LoanFigures()) {
    QLineEdit* edit = amount.edit;
    std::optional<double>& against = costs.*amount.against;
    if (edit->text().isEmpty() || !CKoszty::HoldsAgainst(against, gross)) {
      replaced = replaced || edit->text() != eligible;
      edit->setText(eligible);
      against.reset();
    }
  }
  if (replaced && subsidyComputed_) ShowNoSubsidy();
}

void TWinKoszty::ShowNoSubsidy() {
  for (QLineEdit* edit :
       {ui().DotacjaBrutto, ui().KosztyKredytu, ui().PodatekDotacja, ui().DotacjaNetto})
    edit->setText(QStringLiteral("b/d"));
  NetSubsidy = 0;
  GrossSubsidy = 0;
  subsidyComputed_ = false;
  subsidyOutdated_ = true;
  if (resultsShown_) ShowNoResults();  // they counted the subsidy
}

void TWinKoszty::SetLoanEditsEnabled(bool enabled) {
  for (QLineEdit* edit :
       {ui().PowKolektorow, ui().KosztyKwalifikowane, ui().ProcentDotacji,
        ui().OprocentowanieKredytu, ui().ProwizjaKredytu, ui().IinneKosztyKredytu,
        ui().OkresKredytowania, ui().OczekiwanieDaDotacje, ui().WysokoscKredytu}) {
    edit->setEnabled(enabled);
  }
  // A subsidy computed while the block is off would count nowhere.
  ui().ButtonDotacja->setEnabled(enabled);
}

void TWinKoszty::CheckDotacjaNFOSIGWClick() {
  if (ui().CheckDotacjaNFOSIGW->isChecked()) {
    SetLoanEditsEnabled(true);
    Engine.Costs.NfosigwSubsidyOn = 1;
    if (ui().CheckKredyt->isChecked()) Notice(kTwoSubsidiesMessage, "Komunikat");
    ComputeLoanSubsidy(!tickingFromCode_);
  } else {
    SetLoanEditsEnabled(false);
    Engine.Costs.NfosigwSubsidyOn = 0;
    NetSubsidy = 0;
    GrossSubsidy = 0;
    subsidyComputed_ = false;
    subsidyOutdated_ = false;
    for (QLineEdit* edit :
         {ui().DotacjaBrutto, ui().KosztyKredytu, ui().PodatekDotacja, ui().DotacjaNetto})
      edit->setText(QStringLiteral("0"));
  }
}

bool TWinKoszty::ReadLoanTerm(QLineEdit* edit, float& value, const char* emptyMessage) {
  if (edit->text().isEmpty()) {
    Notice(emptyMessage, "Uwaga");
    edit->setFocus();
    return false;
  }
  value = ReadFloat(edit);
  return true;
}

bool TWinKoszty::LoanTermsComplete() const {
  for (const QLineEdit* edit : LoanEdits()) {
    if (!ReadsAsFloat(edit->text().toStdString())) return false;
  }
  return economics::ChosenRow(ui().ComboStawkiPodatku) >= 0;
}

void TWinKoszty::ButtonDotacjaClick() {
  ComputeLoanSubsidy();
}

bool TWinKoszty::ComputeLoanSubsidy(bool askedByUser) {
  // Every term is read before anything is stored: a term left empty, or no tax scale, stops the
  // calculation with the subsidy of the last complete one standing.
  if (!askedByUser && !LoanTermsComplete()) {
    ShowNoSubsidy();
    return false;
  }
  LoanTerms terms;
  terms.CollectorArea = ReadFloat(ui().PowKolektorow);
  terms.EligibleCost = ReadFloat(ui().KosztyKwalifikowane);
  const struct {
    QLineEdit* edit;
    float LoanTerms::*term;
    const char* emptyMessage;
  } inputs[] = {
      {ui().ProcentDotacji, &LoanTerms::SubsidyPercent, "Puste pole wysokość procentowa dotacji!"},
      {ui().WysokoscKredytu, &LoanTerms::LoanAmount, "Puste pole wysokość kredytu!"},
      {ui().OprocentowanieKredytu, &LoanTerms::InterestRate, "Puste pole oprocentowanie kredytu!"},
      {ui().ProwizjaKredytu, &LoanTerms::CommissionRate,
       "Puste pole prowizja za udzielenie kredytu!"},
      {ui().IinneKosztyKredytu, &LoanTerms::OtherCosts,
       "Puste pole inne koszty udzielenia kredytu!"},
      {ui().OkresKredytowania, &LoanTerms::LoanMonths, "Puste pole okres kredytowania!"},
      {ui().OczekiwanieDaDotacje, &LoanTerms::WaitingMonths,
       "Puste pole czas oczekiwania na dotacje!"},
  };
  for (const auto& input : inputs) {
    if (!ReadLoanTerm(input.edit, terms.*input.term, input.emptyMessage)) return false;
  }
  terms.TaxScale = economics::ChosenRow(ui().ComboStawkiPodatku);
  if (terms.TaxScale < 0) {
    Notice("Nie wybrano stosowanej skali podatkowej!", "Uwaga");
    ui().ComboStawkiPodatku->setFocus();
    return false;
  }

  const LoanResult loan = ComputeSubsidisedLoan(terms);
  const float countedSubsidy = NetSubsidy;
  CollectorAreaTotal = terms.CollectorArea;
  EligibleCost = loan.EligibleCost;
  SubsidyPercent = terms.SubsidyPercent;
  LoanAmount = terms.LoanAmount;
  LoanInterestRate = terms.InterestRate;
  LoanCommissionRate = terms.CommissionRate;
  OtherLoanCosts = terms.OtherCosts;
  LoanMonths = terms.LoanMonths;
  WaitingMonths = terms.WaitingMonths;
  GrossSubsidy = loan.GrossSubsidy;
  TaxRate = loan.TaxRate;
  LoanCommission = loan.Commission;
  InterestBeforeSubsidy = loan.InterestBeforeSubsidy;
  InterestAfterSubsidy = loan.InterestAfterSubsidy;
  SubsidyTax = loan.SubsidyTax;
  NetSubsidy = loan.NetSubsidy;

  const QString uncapped = ui().KosztyKwalifikowane->text();
  SetText(ui().KosztyKwalifikowane, FixedText(EligibleCost, 7, 2));
  // A capped amount is the user's (its cap's) own: it holds against the gross total shown.
  if (ui().KosztyKwalifikowane->text() != uncapped) {
    Engine.Costs.EligibleCostTypedAgainst = Engine.Costs.GrossTotalTypedAgainst();
  }
  SetText(ui().DotacjaBrutto, FixedText(GrossSubsidy, 8, 2));
  SetText(ui().KosztyKredytu, FixedText(loan.LoanCosts, 7, 2));
  SetText(ui().PodatekDotacja, FixedText(SubsidyTax, 7, 2));
  SetText(ui().DotacjaNetto, FixedText(NetSubsidy, 7, 2));
  subsidyComputed_ = true;
  subsidyOutdated_ = false;
  // The net subsidy is an input of the cost calculation: its results go when it is another one.
  if (resultsShown_ && NetSubsidy != countedSubsidy) ShowNoResults();
  return true;
}

void TWinKoszty::ReadOptionValue(uint8_t flag, QLineEdit* edit, float& value,
                                 const char* emptyMessage) {
  if (flag != 1) return;
  if (edit->text().isEmpty()) {
    Notice(emptyMessage, "Komunikat");
  } else {
    value = ReadFloat(edit);
  }
}

FuelData TWinKoszty::ReadFuelData() const {
  auto read = [](const QLineEdit* edit) -> std::optional<float> {
    if (edit->text().isEmpty()) return std::nullopt;
    return ReadFloat(edit);
  };
  FuelData data;
  data.Price = read(ui().RSumaNetto->isChecked() ? ui().EKosztZakupuNetto : ui().EKosztZakupu);
  data.Efficiency = read(ui().ESprawnoscProcesu);
  data.CalorificValue = read(ui().EWartoscOpalowa);
  return data;
}

bool TWinKoszty::FuelDataUsable(const FuelData& data) {
  switch (CheckFuelData(Engine.Costs.TypOgrzewania, data)) {
    case FuelDataFault::None:
      return true;
    case FuelDataFault::Price:
      Notice("Nie podano kosztu zakupu paliwa lub energii !!!", "Komunikat");
      (ui().RSumaNetto->isChecked() ? ui().EKosztZakupuNetto : ui().EKosztZakupu)->setFocus();
      return false;
    case FuelDataFault::HeatPumpCop:
      Notice("Współczynnik COP musi być wiekszy od 0 !!!", "Komunikat");
      ui().ESprawnoscProcesu->setFocus();
      return false;
    case FuelDataFault::Efficiency:
      Notice("Sprawność procesu musi być większa od 0 !!!", "Komunikat");
      ui().ESprawnoscProcesu->setFocus();
      return false;
    case FuelDataFault::CalorificValue:
      Notice("Wartość opałowa musi być większa od 0 !!!", "Komunikat");
      ui().EWartoscOpalowa->setFocus();
      return false;
  }
  return false;
}

void TWinKoszty::ComputeYearlyFuelCosts(const FuelData& data, float hotWaterSolarEnergy) {
  CKoszty& costs = Engine.Costs;
  if (data.CalorificValue) costs.WartoscOpalowa = *data.CalorificValue;
  costs.FuelPrice = *data.Price;
  (costs.TypOgrzewania == kHeatPump ? costs.HeatPumpCop : costs.SprawnoscProcesu) =
      *data.Efficiency;
  costs.ComputeFuelCosts(hotWaterSolarEnergy, Engine.AnnualHeatingSolarEnergy,
                         Engine.AnnualPoolSolarEnergy, Engine.HotWaterEnergy);
}

void TWinKoszty::ShowNoResults() {
  for (QLineEdit* edit : {ui().Edit11, ui().Edit1, ui().Edit5, ui().Edit6, ui().Edit3, ui().Edit4,
                          ui().Edit7, ui().Edit8, ui().EOkresZwrotu, ui().Edit9}) {
    edit->setText(QStringLiteral("b/d"));
  }
  for (QLabel* label :
       {ui().StaticText65, ui().StaticText67, ui().StaticText77, Form1->ui().Label50,
        Form1->ui().Label52, WinWyniki->ui().StaticText71, WinWyniki->ui().StaticText73}) {
    label->setText(QStringLiteral("b/d"));
  }
  ui().StaticText42->hide();
  Engine.Costs.ClearResults();
  resultsShown_ = false;
}

void TWinKoszty::BitBtn1Click() {
  CKoszty& costs = Engine.Costs;
  // The fuel data and the service life are checked before anything is stored: without them no
  // result has a value, and what the window shows of the last run must not pass for this one's.
  const FuelData fuel = ReadFuelData();
  const float years =
      ui().ElataEksploatacji->text().isEmpty() ? 0.0f : ReadFloat(ui().ElataEksploatacji);
  if (!FuelDataUsable(fuel)) {
    ShowNoResults();
    return;
  }
  if (!(years > 0)) {
    Notice("Nie można wykonać obliczeń dla okresu eksploatacji równego 0 lat !", "Komunikat");
    ui().ElataEksploatacji->setFocus();
    ShowNoResults();
    return;
  }
  // A subsidy taken away when its gross total changed counts only once computed for this one.
  if (ui().CheckDotacjaNFOSIGW->isChecked() && subsidyOutdated_ && !ComputeLoanSubsidy()) {
    ShowNoResults();
    return;
  }

  // A calculation refused for results too large keeps the record as it was.
  const CKoszty before = costs;
  costs.HeatingSaving = 0;
  costs.IleDotacja = 0;
  costs.IleEksploatacja = 0;
  costs.PumpEnergyCost = 0;
  costs.IleRocznyWzrost = 0;
  costs.IleDyskont = 0;
  ui().StaticText42->hide();

  // Items 0 to 5 keep their value when their edit is empty; fluid, work and other count 0 then.
  const std::array<CostItem, 9> items = CostItems();
  for (int item = 0; item < 9; ++item) {
    if (items[item].edit->text().isEmpty()) {
      if (item >= 6) Engine.*items[item].item = 0;
    } else if (!StoreCostItem(items[item])) {
      ShowNoResults();
      return;
    }
  }
  ReadOptionValue(costs.DotacjaTakNie, ui().EKredyt, costs.IleDotacja,
                  "Zaznaczono dotację, lecz nie podano jej wartości ");

  SetText(ui().ESumaKoszt, ShortestText(InstallationTotal(Engine)));
  float investment = 0;
  if (ui().RSumaNetto->isChecked()) {
    investment = ReadFloat(ui().ESumaKoszt);
  } else if (ui().RSumaBrutto->isChecked()) {
    // A gross total that reads "b/d" is no investment: refused by the inputs that caused it.
    if (!costs.GrossTotal) {
      costs = before;
      GrossTooLargeNotice();
      ui().Evat->setFocus();
      ShowNoResults();
      return;
    }
    investment = static_cast<float>(*costs.GrossTotal);
  }
  const float hotWater = Engine.SumValues(Engine.HotWaterSolarEnergy, 12);

  if (costs.WzrostCenTakNie == 1) {
    ReadOptionValue(1, ui().ERocznyWzrostCen, costs.IleRocznyWzrost,
                    "Zaznaczono inflację cen paliw i energii, lecz nie podano jego wartości ");
  } else {
    costs.IleRocznyWzrost = ReadFloat(ui().Einflacja);  // energy prices follow inflation
  }
  ReadOptionValue(costs.EksploatacjaTakNie, ui().EKosztUtrzInstalacji, costs.IleEksploatacja,
                  "Zaznaczono koszt utrzymania instalacji, lecz nie podano jego wartości ");
  ReadOptionValue(costs.KosztPompyTakNie, ui().EEnergiaPompy, costs.PumpEnergyCost,
                  "Zaznaczono koszt energii elektrycznej do napędu pompy, lecz nie podano jego "
                  "wartości ");
  ReadOptionValue(costs.DyskontTakNie, ui().Edyskont, costs.IleDyskont,
                  "Zaznaczono dyskont, lecz nie podano jego wartości ");
  costs.IleInflacja = 0;
  ReadOptionValue(costs.InflationOn, ui().Einflacja, costs.IleInflacja,
                  "Zaznaczono inflację pozostałych cen, lecz nie podano jej wartości ");

  ComputeYearlyFuelCosts(fuel, hotWater);

  // The loan's net subsidy counts only while its block is on.
  const float loanSubsidy = ui().CheckDotacjaNFOSIGW->isChecked() ? NetSubsidy : 0.0f;
  const float subsidies = static_cast<float>(static_cast<double>(costs.IleDotacja) + loanSubsidy);
  costs.IleCzasEksploatacji = years;
  ComputeLifetime(investment, subsidies);
  if (!ResultsHold(investment, subsidies)) {
    costs = before;
    ShowNoResults();
    return;
  }
  ShowNetPresentValue(investment, subsidies);
  ShowResults(investment, subsidies);
  Engine.CostsLoaded = 1;
  EffectiveCost = static_cast<float>(static_cast<double>(investment) - subsidies);
  SetText(ui().Edit9, FixedText(EffectiveCost, 5, 2));
  costs.ResultsComputed = true;
  resultsShown_ = true;
}

InvestmentFlows TWinKoszty::Flows(float investment, float subsidies) const {
  const CKoszty& costs = Engine.Costs;
  InvestmentFlows flows;
  flows.Investment = static_cast<double>(investment) - subsidies;
  flows.Upkeep = costs.IleEksploatacja;
  flows.PumpEnergy = costs.PumpEnergyCost;
  flows.HotWaterSaving = costs.HotWaterSaving;
  flows.HeatingSaving = costs.HeatingSaving;
  flows.Inflation = costs.IleInflacja;
  flows.Growth = costs.IleRocznyWzrost;
  flows.Discount = costs.IleDyskont;
  return flows;
}

void TWinKoszty::ComputeLifetime(float investment, float subsidies) {
  CKoszty& costs = Engine.Costs;
  const InvestmentFlows flows = Flows(investment, subsidies);
  const LifetimeSums sums = ComputeLifetimeSums(
      flows, costs.AnnualCostWithoutSolar, costs.AnnualCostWithSolar, costs.IleCzasEksploatacji);
  costs.LifetimeRunningCosts = sums.RunningCosts;
  costs.AverageRunningCosts = sums.AverageRunningCosts;
  costs.LifetimeHotWaterSavings = sums.HotWaterSavings;
  costs.LifetimeHeatingSavings = sums.HeatingSavings;
  costs.AverageCostWithoutSolar = sums.AverageCostWithoutSolar;
  costs.AverageCostWithSolar = sums.AverageCostWithSolar;
  costs.AverageHotWaterSavings = sums.AverageHotWaterSavings;
  costs.AverageHeatingSavings = sums.AverageHeatingSavings;

  // Paid back within the first year: less than a year, rather than the last design's period.
  costs.PaybackYears = PaybackPeriod(flows).value_or(0);
  if (costs.PaybackYears == 100) {
    ui().StaticText42->setText(
        QString::fromUtf8("Zwrot z inwestycji nie nastąpi w okresie krótszym od 100 lat"));
    ui().StaticText42->show();
  }
}

bool TWinKoszty::ResultsHold(float investment, float subsidies) {
  const CKoszty& c = Engine.Costs;
  auto hold = [](std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), FloatHolds);
  };
  // The inputs each group of results comes from.
  enum : unsigned { kFuel = 1, kLife = 2, kRates = 4, kRunning = 8, kSubsidy = 16 };
  unsigned named = 0;
  // Yearly costs too large make the savings over the years too large: the fuel data are named.
  if (!hold({c.AnnualCostWithoutSolar, c.AnnualCostWithSolar, c.HotWaterSaving, c.HeatingSaving}))
    named = kFuel;
  else if (!hold({c.LifetimeHotWaterSavings, c.LifetimeHeatingSavings, c.AverageHotWaterSavings,
                  c.AverageHeatingSavings, c.AverageCostWithoutSolar, c.AverageCostWithSolar}))
    named |= kFuel | kLife | kRates;
  if (!hold({c.LifetimeRunningCosts, c.AverageRunningCosts})) named |= kLife | kRates | kRunning;
  if (!hold({subsidies, static_cast<double>(investment) - subsidies})) named |= kSubsidy;
  if (named == 0) return true;

  const bool net = ui().RSumaNetto->isChecked();
  const int32_t type = c.TypOgrzewania;
  const struct {
    unsigned group;
    bool used;
    QString caption;
    QLineEdit* edit;
  } inputs[] = {
      {kFuel, true, ui().StaticText13->text() + ' ' + (net ? ui().label_24 : ui().label_25)->text(),
       net ? ui().EKosztZakupuNetto : ui().EKosztZakupu},
      {kFuel, type != 0 && type != kHeatPump, ui().StaticText25->text(), ui().EWartoscOpalowa},
      {kFuel, true, ui().StaticText26->text(), ui().ESprawnoscProcesu},
      {kLife, true, ui().label_40->text(), ui().ElataEksploatacji},
      {kRates, c.WzrostCenTakNie == 1, ui().CheckWzrostCen->text(), ui().ERocznyWzrostCen},
      // Energy prices follow inflation unless their own growth is ticked.
      {kRates, c.WzrostCenTakNie != 1 || c.InflationOn == 1, ui().CheckInflacja->text(),
       ui().Einflacja},
      {kRates, c.DyskontTakNie == 1, ui().CheckDyskont->text(), ui().Edyskont},
      {kRunning, c.EksploatacjaTakNie == 1, ui().CheckKosztInstalacji->text(),
       ui().EKosztUtrzInstalacji},
      {kRunning, c.KosztPompyTakNie == 1, ui().CheckEnergiaPompy->text(), ui().EEnergiaPompy},
      {kSubsidy, c.DotacjaTakNie == 1, ui().CheckKredyt->text(), ui().EKredyt},
      {kSubsidy, ui().CheckDotacjaNFOSIGW->isChecked(), ui().label_68->text(), ui().DotacjaNetto},
  };
  QStringList names;
  QLineEdit* first = nullptr;
  for (const auto& input : inputs) {
    if (!(input.group & named) || !input.used) continue;
    names << input.caption.simplified() + QStringLiteral(" (") + input.edit->text() + ')';
    if (!first) first = input.edit;
  }
  Notice(("Wyniki obliczeń: " + names.join(QStringLiteral(", ")).toStdString() +
          (names.size() > 1 ? " dają" : " daje") + " koszt zbyt duży do obliczenia.")
             .c_str(),
         "Uwaga");
  if (first) first->setFocus();
  return false;
}

void TWinKoszty::ShowNetPresentValue(float investment, float subsidies) {
  const CKoszty& costs = Engine.Costs;
  if (!ui().npv->isChecked()) {
    ui().StaticText65->setText(QStringLiteral("nie liczono"));
    ui().StaticText67->setText(QStringLiteral("nie liczono"));
    return;
  }
  if (costs.DyskontTakNie != 1) {
    Notice("Nie można obliczyć NPV bez podania stopy dyskonta ", "Komunikat");
    ui().StaticText65->setText(QStringLiteral("b/d"));
    ui().StaticText67->setText(QStringLiteral("b/d"));
    return;
  }
  const double value = NetPresentValue(
      static_cast<double>(costs.LifetimeHotWaterSavings) + costs.LifetimeHeatingSavings,
      costs.LifetimeRunningCosts, static_cast<double>(investment) - subsidies);
  if (value > 0) {
    // A rate is always written, so that the last run's never stands beside this run's NPV.
    const std::optional<float> rate =
        InternalRateOfReturn(Flows(investment, subsidies), costs.IleCzasEksploatacji);
    SetText(ui().StaticText67, rate ? FixedText(*rate, 10, 2) : std::string("b/d"));
  } else {
    ui().StaticText67->setText(QString::fromUtf8("wartość ujemna"));
  }
  SetText(ui().StaticText65, FixedText(value, 10, 2));
}

void TWinKoszty::ShowResults(float investment, float subsidies) {
  const CKoszty& costs = Engine.Costs;
  SetText(ui().Edit11, FixedText(costs.LifetimeRunningCosts, 10, 2));
  SetText(ui().Edit1, FixedText(costs.AverageRunningCosts, 10, 2));
  SetText(ui().Edit5, FixedText(costs.LifetimeHotWaterSavings, 10, 2));
  SetText(ui().Edit6, FixedText(costs.LifetimeHeatingSavings, 10, 2));
  SetText(ui().Edit3, FixedText(costs.AverageHotWaterSavings, 10, 2));
  SetText(WinWyniki->ui().StaticText71, General(costs.AverageHotWaterSavings, 5));
  SetText(ui().Edit4, FixedText(costs.AverageHeatingSavings, 10, 2));
  SetText(ui().Edit7, FixedText(costs.AverageCostWithoutSolar, 10, 2));
  SetText(ui().Edit8, FixedText(costs.AverageCostWithSolar, 10, 2));
  const std::string payback = FixedText(costs.PaybackYears, 10, 1);
  SetText(ui().EOkresZwrotu, payback);
  SetText(Form1->ui().Label52, payback);
  SetText(Form1->ui().Label50, CurrencyText(investment, 5, DotFormatSettings));

  // The cost of a kWh of solar heat over the service life; none without solar heat.
  const std::optional<double> energyCost = SolarEnergyCost(
      static_cast<double>(investment) - subsidies, costs.LifetimeRunningCosts,
      static_cast<double>(Engine.AnnualHotWaterSolarEnergy) + Engine.AnnualHeatingSolarEnergy,
      costs.IleCzasEksploatacji);
  SetText(ui().StaticText77, energyCost ? General(*energyCost, 3) : std::string("b/d"));
  auto energyText = [](double value) {
    return economics::Q(FixedText(value, 10, 0)) + QStringLiteral(" [kWh/rok]");
  };
  ui().StaticText43->setText(energyText(Engine.AnnualHotWaterSolarEnergy));
  ui().StaticText48->setText(energyText(Engine.AnnualHeatingSolarEnergy));
  ui().StaticText86->setText(energyText(12.0 * Engine.HotWaterEnergy));
  ui().StaticText87->setText(energyText(Engine.AnnualHeatingDemand));
  ui().StaticText89->setText(energyText(Engine.AnnualHeatLoss));
}

void TWinKoszty::BitBtn2Click() {
  close();
}

void TWinKoszty::ClearResults() {
  // Unbuilt, the window has no results; its button is disabled after the waiting steps, as the
  // start leaves it.
  if (!ui.Built()) {
    if (!clearQueued_) widgetSteps_.Add([this] { ClearResults(); });
    clearQueued_ = true;
    return;
  }
  platform::RestoreSetUpTexts<Ui::TWinKoszty>(
      *this, {"Edit11", "Edit1", "Edit5", "Edit6", "Edit3", "Edit4", "Edit7", "Edit8", "Edit9",
              "EOkresZwrotu", "StaticText65", "StaticText67", "StaticText77", "StaticText43",
              "StaticText48", "StaticText86", "StaticText87", "StaticText89", "EEnergiaPompy"});
  ui().StaticText42->hide();
  ui().BitBtn1->setEnabled(false);
  resultsShown_ = false;
  // The loan's subsidy was computed for the design before.
  if (subsidyComputed_) ShowNoSubsidy();
}
