#include "economics/Armatura.h"

#include <QShowEvent>
#include <utility>
#include <vector>

#include "app/windows.h"
#include "economics/edit_filters.h"
#include "economics/edit_text.h"
#include "economics/koszt.h"
#include "engine/design_error.h"
#include "engine/numtext.h"
#include "main/naczynie.h"
#include "main/pompa.h"
#include "main/vindargast.h"
#include "platform/guard.h"
#include "platform/message_box.h"
#include "platform/opening.h"

using economics::IntText;
using economics::ReadFloat;
using economics::ReadInt;
using economics::SetText;

// The fitting pictures live in this static library: their resource is registered before the
// form asks for one. Q_INIT_RESOURCE declares its function where it stands: at global scope here.
static void RegisterFittingsResource() {
  Q_INIT_RESOURCE(fittings);
}

namespace {

const char* const kUnitRangeMessage = "Zakres danych możliwy do wprowadzenie to [1,1000]";
const char* const kMixedSumMessage =
    "Suma kolektorów w połączeniu mieszanym\nnie może być większa od wybranej liczby kolektorów";
const char* const kMixedCountMessage =
    "Liczba kolektorów w połączeniu mieszanym\nnie może być większa od wybranej liczby kolektorów";

void Warn(const char* text) {
  platform::MessageBox(QString::fromUtf8(text), QStringLiteral("Uwaga"), platform::Icon::Warning);
}

bool MixedCountsExceedCollectors() {
  const CFittings& a = Engine.Armatura;
  return static_cast<int64_t>(a.Rownolegle) + a.Szeregowo > Engine.LiczbaKolektorow;
}

}  // namespace

TWinArmatura::TWinArmatura(QWidget* parent) : QDialog(parent) {
  // The creation sets the fittings record now; the widgets wait for the window's first use.
  ui.Defer([this] { BuildForm(); });
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinArmatura::setVisible(bool visible) {
  if (visible) ui.Build();
  QDialog::setVisible(visible);
}

void TWinArmatura::BuildForm() {
  static const bool registered = (RegisterFittingsResource(), true);
  (void)registered;
  ui.form().setupUi(this);
  // The creation's texts are in place before the handlers listen: what their handlers did, the
  // creation did itself.
  widgetSteps_.Run();
  ConnectHandlers();
}

std::array<TWinArmatura::FittingKind, 6> TWinArmatura::Kinds() const {
  return {{
      {ui().EKolankoLiczba, ui().EKolankoCena, &CFittings::KolankoLiczba, &CFittings::KolankoCena},
      {ui().ETprzeplywLiczba, ui().ETprzeplywCena, &CFittings::TPrzeplywLiczba,
       &CFittings::TPrzeplywCena},
      {ui().ETrozgLiczba, ui().ETrozgCena, &CFittings::TRozgaleznikLiczba,
       &CFittings::TRozgaleznikCena},
      {ui().EZaswOdcLiczba, ui().EZasOdcCena, &CFittings::ZasuwaOdcinajacaLiczba,
       &CFittings::ZasuwaOdcinajacaCena},
      {ui().EZawrOdcLiczba, ui().EZawrOdcCena, &CFittings::ZaworOdcinajacyLiczba,
       &CFittings::ZaworOdcinajacyCena},
      {ui().EZawZwrLiczba, ui().EZawZwrCena, &CFittings::ZaworZwrotnyLiczba,
       &CFittings::ZaworZwrotnyCena},
  }};
}

void TWinArmatura::ConnectHandlers() {
  // Counts, prices, the price per metre and the additional drop are stored as they are typed; an
  // emptied edit leaves its field as it was.
  auto storeInt = [this](QLineEdit* edit, int32_t CFittings::*field) {
    platform::Connect(edit, &QLineEdit::textChanged, this, [edit, field] {
      if (!edit->text().isEmpty()) Engine.Armatura.*field = ReadInt(edit);
    });
    economics::InstallKeyFilter(edit, economics::KeyRule::Digits);
  };
  auto storeFloat = [this](QLineEdit* edit, float CFittings::*field) {
    platform::Connect(edit, &QLineEdit::textChanged, this, [edit, field] {
      if (!edit->text().isEmpty()) Engine.Armatura.*field = ReadFloat(edit);
    });
    economics::InstallKeyFilter(edit, economics::KeyRule::Decimal);
  };
  for (const FittingKind& kind : Kinds()) {
    storeInt(kind.count, kind.countField);
    storeFloat(kind.price, kind.priceField);
  }
  storeFloat(ui().ECenaZaMetr, &CFittings::CenaZaMetr);
  storeFloat(ui().EDodatkoweStratyCisn, &CFittings::DodatkowaStrataCisnienia);
  // The sum shown is that of the counts and prices of the last "PRZELICZ": one the user changes
  // leaves no sum until the next. The cost item keeps the last sum.
  std::vector<QLineEdit*> priced = {ui().ECenaZaMetr};
  for (const FittingKind& kind : Kinds()) priced.insert(priced.end(), {kind.count, kind.price});
  for (QLineEdit* edit : priced) {
    platform::Connect(edit, &QLineEdit::textEdited, this,
                      [this] { ui().ESumaCenaArmatura->clear(); });
  }
  // The hydraulic figures are those of the counts, the additional drop, the connection and the
  // collectors' unit values of the last "PRZELICZ": one the user changes leaves none until the
  // next (a price feeds none of them). No result of the main window reads these inputs.
  const auto clearHydraulics = [] {
    if (Form1) Form1->ClearHydraulics();
  };
  std::vector<QLineEdit*> hydraulic = {ui().EDodatkoweStratyCisn, ui().EKolRown, ui().EKolSzereg,
                                       ui().EJednostkoweNatezenie, ui().EJednostkoweCisnienie};
  for (const FittingKind& kind : Kinds()) hydraulic.push_back(kind.count);
  for (QLineEdit* edit : hydraulic)
    platform::Connect(edit, &QLineEdit::textEdited, this, clearHydraulics);
  for (QRadioButton* radio : {ui().RSeries, ui().RPararell, ui().RadioMixed})
    platform::Connect(radio, &QRadioButton::clicked, this, clearHydraulics);

  // A radio's handler runs when it becomes selected, by the user or from code.
  auto onSelected = [this](QRadioButton* radio, void (TWinArmatura::*handler)()) {
    platform::Connect(radio, &QRadioButton::toggled, this, [this, handler](bool checked) {
      if (checked) (this->*handler)();
    });
  };
  onSelected(ui().RSeries, &TWinArmatura::RSeriesClick);
  onSelected(ui().RPararell, &TWinArmatura::RPararellClick);
  onSelected(ui().RadioMixed, &TWinArmatura::RadioMixedClick);

  // The main window writes the pipes' length after the showing: the sum is that of the length
  // on screen.
  platform::Connect(ui().EDlugoscPrzewodowRurowych, &QLineEdit::textChanged, this,
                    &TWinArmatura::ShowFittingsSum);
  platform::Connect(ui().EKolRown, &QLineEdit::textChanged, this, &TWinArmatura::EKolRownChange);
  platform::Connect(ui().EKolSzereg, &QLineEdit::textChanged, this,
                    &TWinArmatura::EKolSzeregChange);
  platform::Connect(ui().EJednostkoweNatezenie, &QLineEdit::textChanged, this,
                    &TWinArmatura::EJednostkoweNatezenieChange);
  platform::Connect(ui().EJednostkoweCisnienie, &QLineEdit::textChanged, this,
                    &TWinArmatura::EJednostkoweCisnienieChange);
  economics::OnExit(ui().EJednostkoweNatezenie, [this] { EJednostkoweNatezenieExit(); });
  economics::OnExit(ui().EJednostkoweCisnienie, [this] { EJednostkoweCisnienieExit(); });

  platform::Connect(ui().BitBtn1, &QPushButton::clicked, this, &TWinArmatura::BitBtn1Click);
  platform::Connect(ui().BitBtn2, &QPushButton::clicked, this, &TWinArmatura::BitBtn2Click);
  platform::Connect(ui().BitBtn3, &QPushButton::clicked, this, &TWinArmatura::BitBtn3Click);
  platform::Connect(ui().BitBtn4, &QPushButton::clicked, this, &TWinArmatura::BitBtn4Click);
}

void TWinArmatura::FormCreate() {
  Engine.Armatura.RodzajPolaczenia = 2;
  // The field's flow and pressure drop as the parallel connection gives them now.
  widgetSteps_.Add([this, flow = General15(Engine.ComputeFieldFlow()),
                    drop = General15(Engine.ComputeFieldPressureDrop())] {
    ui().RPararell->setChecked(true);
    SetText(ui().ERazemNatezenie, flow);
    SetText(ui().ERazemCisnienie, drop);
    ui().EKolRown->setText(QStringLiteral("1"));
    ui().EKolSzereg->setText(QStringLiteral("1"));
  });
  Engine.Armatura.Rownolegle = 1;
  Engine.Armatura.Szeregowo = 1;
  // What the two counts' change handlers do with the ones typed in.
  if (MixedCountsExceedCollectors()) Warn(kMixedCountMessage);
  if (MixedCountsExceedCollectors()) Warn(kMixedSumMessage);
}

void TWinArmatura::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  platform::RunAtOpening(event, [this] { FormShow(); });
}

void TWinArmatura::FormShow() {
  CFittings& a = Engine.Armatura;
  SetText(ui().EKolRown, IntText(a.Rownolegle));
  SetText(ui().EKolSzereg, IntText(a.Szeregowo));
  switch (a.RodzajPolaczenia) {
    case 1:
      SelectConnection(1);
      break;
    case 2:
      SelectConnection(2);
      ShowFieldValues();
      break;
    case 3:
      SelectConnection(3);
      SetText(ui().EKolRown, IntText(a.Rownolegle));
      SetText(ui().EKolSzereg, IntText(a.Szeregowo));
      break;
    default:
      a.RodzajPolaczenia = 2;
      SelectConnection(2);
      break;
  }
  if (Engine.FittingsComputed != 1 && Engine.ProjectLoaded != 1) return;

  // The change handlers store what these edits show, and "PRZELICZ" reads them again: each gets
  // a text that reads back as the very float the record holds (4 digits when they suffice).
  for (const FittingKind& kind : Kinds()) {
    SetText(kind.count, IntText(a.*kind.countField));
    SetText(kind.price, StoredFloatText(a.*kind.priceField, 4));
  }
  SetText(ui().ECenaZaMetr, StoredFloatText(a.CenaZaMetr, 4));
  SetText(ui().EDlugoscPrzewodowRurowych, StoredFloatText(a.DlugoscPrzewodow, 4));
  SetText(ui().EDodatkoweStratyCisn, StoredFloatText(a.DodatkowaStrataCisnienia, 4));
  ShowHydraulics();
  ShowFittingsSum();
}

void TWinArmatura::ShowFittingsSum() {
  // Showing changes no cost item: the fittings cost stays the one of the last "PRZELICZ", of the
  // project file or typed in the cost window. The sum shows it only while it is the sum of the
  // counts and prices on screen, else none until the next "PRZELICZ".
  bool onScreen = false;
  try {
    CFittings a = Engine.Armatura;
    ReadPricedInputs(a);
    onScreen = a.ComputePrice() == Engine.CenaArmatury;
  } catch (const NumberConversionError&) {
  } catch (const DesignInputError&) {
  }
  SetText(ui().ESumaCenaArmatura, onScreen ? FixedText(Engine.CenaArmatury, 4, 2) : std::string());
}

void TWinArmatura::ReadPricedInputs(CFittings& a) const {
  for (const FittingKind& kind : Kinds()) {
    if (!kind.count->text().isEmpty() && !kind.price->text().isEmpty()) {
      a.*kind.countField = ReadInt(kind.count);
      a.*kind.priceField = ReadFloat(kind.price);
    } else {
      a.*kind.countField = 0;
      a.*kind.priceField = 0;
    }
  }
  if (!ui().ECenaZaMetr->text().isEmpty()) a.CenaZaMetr = ReadFloat(ui().ECenaZaMetr);
  if (!ui().EDlugoscPrzewodowRurowych->text().isEmpty()) {
    a.DlugoscPrzewodow = ReadFloat(ui().EDlugoscPrzewodowRurowych);
  }
}

void TWinArmatura::ShowHydraulics() {
  if (!ui.Built()) return;  // the first showing shows them
  const CFittings& a = Engine.Armatura;
  const std::pair<QLineEdit*, float> figures[] = {
      {ui().ESumaStratCisnienia, a.TotalPressureDrop},
      {ui().EWysokoscPodnoszenia, a.PumpHead},
      {ui().EWydajnoscPompy, a.PumpFlow},
      {ui().EPojemnoscWlasciwa, a.VesselVolume},
      {ui().EPojemnoscWodnaWymiennika, a.ExchangerWaterVolume},
      {ui().EPojemnoscWodnaKolektora, a.CollectorWaterVolume},
      {ui().ECalkowitaPojWodna, a.TotalWaterVolume},
      {ui().EPojemnoscWodnaRur, a.PipeWaterVolume},
  };
  // Figures of no "PRZELICZ" for this design are not shown, as before the first one.
  for (const auto& [edit, value] : figures)
    SetText(edit, Engine.HydraulicsComputed == 1 ? General4(value) : std::string());
}

void TWinArmatura::BitBtn1Click() {
  // Everything is worked out on a copy of the record first: an input the hydraulics cannot use
  // (a pipe without bore, a static height of 21 m or more), a cost too large for a float or a text
  // that is no number leaves the record, the cost item and the results exactly as they were.
  CFittings a = Engine.Armatura;
  const int32_t n = Engine.LiczbaKolektorow;
  ReadPricedInputs(a);
  a.DodatkowaStrataCisnienia =
      ui().EDodatkoweStratyCisn->text().isEmpty() ? 0.0f : ReadFloat(ui().EDodatkoweStratyCisn);
  const float localLosses = a.SumLocalLosses();
  a.FieldPressureDrop =
      ui().ERazemCisnienie->text().isEmpty() ? 0.0f : ReadFloat(ui().ERazemCisnienie);

  const float diameter = static_cast<float>(Engine.SrednicaPrzewodu);
  const double collectors = static_cast<double>(n) * Engine.CollectorAbsorberVolume;
  float price = 0, drop = 0, pipes = 0, vessel = 0, exchangers = 0, total = 0;
  try {
    price = a.ComputePrice();
    drop = a.ComputeTotalPressureDrop(diameter, Engine.LiczbaZasobnikow, localLosses,
                                      Engine.Tank1PressureLoss, Engine.Tank2PressureLoss);
    pipes = a.ComputePipeWaterVolume(diameter);
    exchangers = Engine.LiczbaZasobnikow == 1
                     ? Engine.Tank1ExchangerVolume
                     : static_cast<float>(static_cast<double>(Engine.Tank1ExchangerVolume) +
                                          Engine.Tank2ExchangerVolume);
    total = static_cast<float>(collectors + pipes + exchangers);
    vessel = a.ComputeVesselVolume(Engine.WysokoscStatyczna, total, Engine.CollectorAbsorberVolume);
  } catch (const DesignInputError& error) {
    platform::MessageBox(QString::fromUtf8(error.what()), QStringLiteral("Uwaga"),
                         platform::Icon::Warning);
    return;
  }

  // 100 mbar of pressure drop need 1 m of head; the pump moves every collector's flow, whatever
  // the connection.
  a.PumpHead = static_cast<float>(0.01 * drop);
  a.PumpFlow = static_cast<float>(static_cast<double>(n) * Engine.CollectorUnitFlow);
  // The water volumes are stored as shown; the vessel from the unrounded total.
  const std::string exchangerText =
      Engine.LiczbaZasobnikow == 1 ? FixedText(exchangers, 4, 2) : General4(exchangers);
  const std::string collectorText = FixedText(collectors, 4, 2);
  const std::string pipeText = FixedText(pipes, 4, 2);
  const std::string totalText = FixedText(total, 4, 2);
  a.ExchangerWaterVolume = ::ReadFloat(exchangerText);
  a.CollectorWaterVolume = ::ReadFloat(collectorText);
  a.PipeWaterVolume = ::ReadFloat(pipeText);
  a.TotalWaterVolume = ::ReadFloat(totalText);
  a.VesselVolume = vessel;

  // The cost window's sums and the results of its last "OBLICZ" count the fittings cost item, and
  // the pump's electricity cost the pressure drop: those of a "PRZELICZ" before.
  const bool costInputsChanged =
      price != Engine.CenaArmatury || drop != Engine.InstallationPressureDrop;
  Engine.Armatura = a;
  Engine.CenaArmatury = price;
  Engine.InstallationPressureDrop = drop;
  Engine.FittingsComputed = 1;
  Engine.HydraulicsComputed = 1;

  SetText(ui().ESumaCenaArmatura, FixedText(price, 4, 2));
  SetText(ui().ESumaStratCisnienia, General4(drop));
  SetText(ui().EWysokoscPodnoszenia, General4(a.PumpHead));
  SetText(ui().EWydajnoscPompy, General4(a.PumpFlow));
  SetText(ui().EPojemnoscWodnaWymiennika, exchangerText);
  SetText(ui().EPojemnoscWlasciwa, FixedText(vessel, 4, 2));
  SetText(ui().EPojemnoscWodnaKolektora, collectorText);
  SetText(ui().EPojemnoscWodnaRur, pipeText);
  SetText(ui().ECalkowitaPojWodna, totalText);
  if (costInputsChanged && WinKoszty) WinKoszty->FittingsChanged();
  if (Form1) Form1->FollowHydraulics();
}

void TWinArmatura::ShowFieldValues() {
  SetText(ui().ERazemNatezenie, General15(Engine.ComputeFieldFlow()));
  SetText(ui().ERazemCisnienie, General15(Engine.ComputeFieldPressureDrop()));
}

void TWinArmatura::SelectConnection(int32_t type) {
  switch (type) {
    case 1:
      ui().RSeries->setChecked(true);
      break;
    case 2:
      ui().RPararell->setChecked(true);
      break;
    case 3:
      ui().RadioMixed->setChecked(true);
      break;
    default:
      break;
  }
}

void TWinArmatura::RSeriesClick() {
  Engine.Armatura.RodzajPolaczenia = 1;
  ShowFieldValues();
}

void TWinArmatura::RPararellClick() {
  Engine.Armatura.RodzajPolaczenia = 2;
  ShowFieldValues();
}

void TWinArmatura::RadioMixedClick() {
  CFittings& a = Engine.Armatura;
  if (!ui().EKolSzereg->text().isEmpty()) a.Szeregowo = ReadInt(ui().EKolSzereg);
  if (!ui().EKolRown->text().isEmpty()) a.Rownolegle = ReadInt(ui().EKolRown);
  if (MixedCountsExceedCollectors()) {
    Warn(kMixedSumMessage);
    // The radios keep showing the connection that is in effect.
    SelectConnection(a.RodzajPolaczenia);
    return;
  }
  a.RodzajPolaczenia = 3;
  a.Szeregowo = ReadInt(ui().EKolSzereg);
  a.Rownolegle = ReadInt(ui().EKolRown);
  ShowFieldValues();
}

void TWinArmatura::EKolRownChange() {
  if (ui().EKolRown->text().isEmpty()) return;
  const int32_t rows = ReadInt(ui().EKolRown);
  if (rows <= 0) return;
  Engine.Armatura.Rownolegle = rows;
  if (MixedCountsExceedCollectors()) Warn(kMixedCountMessage);
}

void TWinArmatura::EKolSzeregChange() {
  if (ui().EKolSzereg->text().isEmpty()) return;
  const int32_t inSeries = ReadInt(ui().EKolSzereg);
  if (inSeries <= 0) return;
  Engine.Armatura.Szeregowo = inSeries;
  if (MixedCountsExceedCollectors()) Warn(kMixedSumMessage);
}

void TWinArmatura::CheckUnitValue(QLineEdit* edit, float CVindargast2::*field, QLineEdit* result,
                                  float (CVindargast2::*fieldValue)() const) {
  if (!edit->text().isEmpty()) {
    const float value = ReadFloat(edit);
    if (value > 0 && value <= 1000) {
      Engine.*field = value;
      SetText(result, General15((Engine.*fieldValue)()));
      return;
    }
  }
  Warn(kUnitRangeMessage);
  edit->setFocus();
}

void TWinArmatura::EJednostkoweNatezenieChange() {
  CheckUnitValue(ui().EJednostkoweNatezenie, &CVindargast2::CollectorUnitFlow, ui().ERazemNatezenie,
                 &CVindargast2::ComputeFieldFlow);
}

void TWinArmatura::EJednostkoweNatezenieExit() {
  EJednostkoweNatezenieChange();
}

void TWinArmatura::EJednostkoweCisnienieChange() {
  CheckUnitValue(ui().EJednostkoweCisnienie, &CVindargast2::CollectorUnitPressureDrop,
                 ui().ERazemCisnienie, &CVindargast2::ComputeFieldPressureDrop);
}

void TWinArmatura::EJednostkoweCisnienieExit() {
  EJednostkoweCisnienieChange();
}

void TWinArmatura::BitBtn2Click() {
  WinPompa->show();
}

void TWinArmatura::BitBtn3Click() {
  WinNaczynie->show();
}

void TWinArmatura::BitBtn4Click() {
  close();
}
