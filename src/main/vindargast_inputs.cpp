// The main window's design inputs: key filters, and the change, leave, select and click handlers
// that write each input into Engine as soon as it changes.
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <initializer_list>
#include <string>

#include "app/windows.h"
#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "main/izolacja.h"
#include "main/vindargast.h"
#include "main/zasobnik.h"
#include "platform/cellgrid_qt.h"
#include "platform/guard.h"
#include "platform/message_box.h"
#include "platform/user_change.h"

namespace {

// What an emptied edit stores.
enum class Empty { Unchanged, Zero };

// The conversion comes before the store, so a text that is no number leaves the field as it was.
void StoreFloat(const QLineEdit* edit, float& field, Empty empty) {
  const QString text = edit->text();
  if (text.isEmpty()) {
    if (empty == Empty::Zero) field = 0;
    return;
  }
  field = ReadFloat(text.toStdString());
}

void StoreInt(const QLineEdit* edit, int32_t& field) {
  const QString text = edit->text();
  if (!text.isEmpty()) field = ReadInt(text.toStdString());
}

using KeyHandler = void (TForm1::*)(QChar&);
using Handler = void (TForm1::*)();

// One edit of the window with its handlers, in tab order.
struct EditHandlers {
  QLineEdit* Ui::TForm1::*edit;
  KeyHandler key;
  Handler change;  // nullptr: the compute command reads the edit
  Handler exit;    // nullptr: leaving stores nothing
};

const EditHandlers kEdits[] = {
    {&Ui::TForm1::ETempCWU, &TForm1::ETempCWUKeyPress, &TForm1::ETempCWUChange,
     &TForm1::ETempCWUExit},
    {&Ui::TForm1::ELiczbaOsob, &TForm1::ELiczbaOsobKeyPress, &TForm1::ELiczbaOsobChange, nullptr},
    {&Ui::TForm1::EDCWU, &TForm1::EDCWUKeyPress, &TForm1::EDCWUChange, nullptr},
    {&Ui::TForm1::ECzasPompyCyrk, &TForm1::ECzasPompyCyrkKeyPress, &TForm1::ECzasPompyCyrkChange,
     &TForm1::ECzasPompyCyrkExit},
    {&Ui::TForm1::EDlugoscPompyCyrk, &TForm1::EDlugoscPompyCyrkKeyPress,
     &TForm1::EDlugoscPompyCyrkChange, &TForm1::EDlugoscPompyCyrkExit},
    {&Ui::TForm1::ETempOtoczZasobnika, &TForm1::ETempOtoczZasobnikaKeyPress,
     &TForm1::ETempOtoczZasobnikaChange, nullptr},
    {&Ui::TForm1::Edit7, &TForm1::Edit7KeyPress, &TForm1::Edit7Change, nullptr},
    {&Ui::TForm1::Edit8, &TForm1::Edit8KeyPress, &TForm1::Edit8Change, nullptr},
    {&Ui::TForm1::EBeta, &TForm1::EBetaKeyPress, &TForm1::EBetaChange, nullptr},
    {&Ui::TForm1::EGamma, &TForm1::EGammaKeyPress, &TForm1::EGammaChange, nullptr},
    {&Ui::TForm1::EDlugoscPrzewZew, &TForm1::EDlugoscPrzewZewKeyPress,
     &TForm1::EDlugoscPrzewZewChange, &TForm1::EDlugoscPrzewZewExit},
    {&Ui::TForm1::EDlugoscPrzewWew, &TForm1::EDlugoscPrzewWewKeyPress,
     &TForm1::EDlugoscPrzewWewChange, &TForm1::EDlugoscPrzewWewExit},
    {&Ui::TForm1::EHStatyczna, &TForm1::EHStatycznaKeyPress, &TForm1::EHStatycznaChange, nullptr},
    {&Ui::TForm1::ETempZimnaWoda, &TForm1::ETempZimnaWodaKeyPress, &TForm1::ETempZimnaWodaChange,
     nullptr},
    {&Ui::TForm1::ETempZasobnika, &TForm1::ETempZasobnikaKeyPress, &TForm1::ETempZasobnikaChange,
     nullptr},
    {&Ui::TForm1::ELiczbaKolektorow, &TForm1::ELiczbaKolektorowKeyPress,
     &TForm1::ELiczbaKolektorowChange, nullptr},
    {&Ui::TForm1::BasenDlugosc, &TForm1::BasenDlugoscKeyPress, nullptr, nullptr},
    {&Ui::TForm1::BasenSzerokosc, &TForm1::BasenSzerokoscKeyPress, nullptr, nullptr},
    {&Ui::TForm1::BasenGlebokosc, &TForm1::BasenGlebokoscKeyPress, nullptr, nullptr},
    {&Ui::TForm1::PowDomu, &TForm1::Edit7KeyPress, &TForm1::PowDomuChange, nullptr},
    {&Ui::TForm1::EnergiaDom, &TForm1::Edit8KeyPress, &TForm1::EnergiaDomChange, nullptr},
};

// Keys that move between controls or close a window, and Delete, which types nothing, reach the
// edit unfiltered: the filters judge only characters about to be typed.
bool TypesACharacter(QChar c) {
  return c != u'\t' && c != u'\r' && c != u'\n' && c != u'\x1b' && c != u'\x7f';
}

// Sends each typed character of the window's edits through the edit's key handler, and runs the
// edit's leave handler when the focus moves to another control of the window.
class InputEvents : public QObject {
 public:
  explicit InputEvents(TForm1* form) : QObject(form), form_(form) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    const EditHandlers* handlers = Find(watched);
    if (handlers == nullptr) return false;
    if (event->type() == QEvent::KeyPress)
      return FilterKey(static_cast<QLineEdit*>(watched), *handlers,
                       static_cast<QKeyEvent*>(event)->text());
    if (event->type() == QEvent::FocusOut && handlers->exit != nullptr &&
        IsLeaving(static_cast<QFocusEvent*>(event)->reason()))
      platform::RunGuarded([this, handlers] { (form_->*handlers->exit)(); });
    return false;
  }

 private:
  // Another window taking the focus (a message box, a menu) does not leave the field.
  static bool IsLeaving(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
  }

  const EditHandlers* Find(QObject* watched) const {
    for (const EditHandlers& handlers : kEdits)
      if (form_->ui().*handlers.edit == watched) return &handlers;
    return nullptr;
  }

  // True when the key event is consumed: every character dropped, or the changed characters typed
  // in its place.
  bool FilterKey(QLineEdit* edit, const EditHandlers& handlers, const QString& text) {
    if (text.isEmpty() || !TypesACharacter(text.at(0))) return false;
    QString typed;
    bool changed = false;
    TForm1* form = form_;
    for (QChar c : text) {
      QChar key = c;
      if (!platform::RunGuarded([form, &handlers, &key] { (form->*handlers.key)(key); }))
        key = QChar(0);
      if (key != c) changed = true;
      if (!key.isNull()) typed += key;
    }
    if (!changed) return false;
    if (!typed.isEmpty()) edit->insert(typed);
    return true;
  }

  TForm1* form_;
};

// The groups of controls that are shown and hidden together.
void ShowGroup(std::initializer_list<QWidget*> group, bool shown) {
  for (QWidget* widget : group) widget->setVisible(shown);
}

struct Scheme {
  const char* picture;  // relative to the working folder, the program's folder
  int32_t tanks;
  int32_t centralHeating;
};

const Scheme kSchemes[4] = {
    {"Grafika/CWU-1zasobnik.bmp", 1, 0},
    {"Grafika/CWU-2zasobniki.bmp", 2, 0},
    {"Grafika/CWU+CO-1zasobnik.bmp", 1, 1},
    {"Grafika/CWU+CO-2zasobniki.bmp", 2, 1},
};

}  // namespace

void TForm1::ConnectInputs() {
  auto* events = new InputEvents(this);
  QWidget* previous = nullptr;
  for (const EditHandlers& handlers : kEdits) {
    QLineEdit* edit = ui().*handlers.edit;
    edit->installEventFilter(events);
    if (handlers.change != nullptr)
      platform::Connect(edit, &QLineEdit::textChanged, this, handlers.change);
    if (previous != nullptr) setTabOrder(previous, edit);
    previous = edit;
  }

  // A typed text runs no handler and is not added to the list; the compute command reads it.
  const struct {
    QComboBox* combo;
    Handler select;
  } lists[] = {
      {ui().ComboSrednicaPrzewodu, &TForm1::ComboSrednicaPrzewoduSelect},
      {ui().ComboWspKrotnosci, &TForm1::ComboWspKrotnosciSelect},
      {ui().basenOD, &TForm1::basenODSelect},
      {ui().basenDO, &TForm1::basenDOSelect},
  };
  for (const auto& list : lists) {
    list.combo->setInsertPolicy(QComboBox::NoInsert);
    platform::Connect(list.combo, &QComboBox::activated, this, list.select);
  }

  platform::Connect(ui().CheckIzolacja, &QCheckBox::toggled, this, &TForm1::CheckIzolacjaClick);
  platform::Connect(ui().CheckCyrkulacja, &QCheckBox::toggled, this, &TForm1::CheckCyrkulacjaClick);
  platform::Connect(ui().CheckBasen, &QCheckBox::toggled, this, &TForm1::CheckBasenClick);
  platform::Connect(ui().CheckPrzeslona, &QCheckBox::toggled, this, &TForm1::CheckPrzeslonaClick);

  platform::Connect(ui().Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  platform::Connect(ui().Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
  platform::Connect(ui().Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
  platform::Connect(ui().Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
  // What the program writes itself (a project, a set) clears the results on its own; another
  // scheme does so in ChooseScheme.
  platform::OnUserChange(this, [this] { DesignChanged(); });
  // The hydraulics read the collectors' count, the pipes and the static height of this window;
  // its other inputs leave their figures and the installation's pressure drop as they are.
  for (QLineEdit* edit :
       {ui().ELiczbaKolektorow, ui().EDlugoscPrzewZew, ui().EDlugoscPrzewWew, ui().EHStatyczna})
    platform::Connect(edit, &QLineEdit::textEdited, this, [this] { ClearHydraulics(); });
  platform::Connect(ui().ComboSrednicaPrzewodu, &QComboBox::activated, this,
                    [this] { ClearHydraulics(); });
}

void TForm1::FilterNumericKey(QChar& key) {
  const bool kept = (key >= u'0' && key <= u'9') || key == u',' || key == u'.' || key == u'\b';
  if (!kept) key = QChar(0);
  if (key == u',') key = u'.';
}

void TForm1::ELiczbaKolektorowKeyPress(QChar& key) {
  if (!((key >= u'0' && key <= u'9') || key == u'\b')) key = QChar(0);
}

// The change handler stores the text once the key has taken effect. Converting the text as it
// stood before the key would refuse every key, backspace too, once that text is no number.
void TForm1::ECzasPompyCyrkKeyPress(QChar& key) {
  FilterNumericKey(key);
}
void TForm1::EDlugoscPompyCyrkKeyPress(QChar& key) {
  FilterNumericKey(key);
}

void TForm1::ETempCWUChange() {
  StoreFloat(ui().ETempCWU, Engine.TemperaturaCieplejWody, Empty::Zero);
}
void TForm1::ELiczbaOsobChange() {
  StoreInt(ui().ELiczbaOsob, Engine.LiczbaOsob);
}
void TForm1::EDCWUChange() {
  StoreFloat(ui().EDCWU, Engine.DCWU, Empty::Unchanged);
}
void TForm1::ECzasPompyCyrkChange() {
  StoreFloat(ui().ECzasPompyCyrk, Engine.CzasPracyPompyCyrkulacyjnej, Empty::Zero);
}
void TForm1::EDlugoscPompyCyrkChange() {
  StoreFloat(ui().EDlugoscPompyCyrk, Engine.DlugoscPrzewodowCyrkulacyjnych, Empty::Zero);
}
void TForm1::ETempOtoczZasobnikaChange() {
  StoreFloat(ui().ETempOtoczZasobnika, Engine.TemperaturaOtoczeniaZasobnika, Empty::Unchanged);
}
void TForm1::Edit7Change() {
  StoreFloat(ui().Edit7, Engine.TemperaturaZasilania, Empty::Unchanged);
}
void TForm1::Edit8Change() {
  StoreFloat(ui().Edit8, Engine.TemperaturaPowrotu, Empty::Unchanged);
}
void TForm1::EBetaChange() {
  StoreFloat(ui().EBeta, Engine.KatBeta, Empty::Unchanged);
}
void TForm1::EGammaChange() {
  StoreFloat(ui().EGamma, Engine.KatGamma, Empty::Unchanged);
}
void TForm1::EDlugoscPrzewZewChange() {
  StoreFloat(ui().EDlugoscPrzewZew, Engine.DlugoscPrzewodowNaZewnatrz, Empty::Unchanged);
}
void TForm1::EDlugoscPrzewWewChange() {
  StoreFloat(ui().EDlugoscPrzewWew, Engine.DlugoscPrzewodowWewnatrz, Empty::Unchanged);
}
void TForm1::EHStatycznaChange() {
  StoreFloat(ui().EHStatyczna, Engine.WysokoscStatyczna, Empty::Unchanged);
}
void TForm1::ETempZimnaWodaChange() {
  StoreFloat(ui().ETempZimnaWoda, Engine.TemperaturaWodySieci, Empty::Unchanged);
}
void TForm1::ETempZasobnikaChange() {
  StoreFloat(ui().ETempZasobnika, Engine.TemperaturaWodyWZasobniku, Empty::Unchanged);
}
void TForm1::PowDomuChange() {
  StoreFloat(ui().PowDomu, Engine.PowierzchniaBudynku, Empty::Unchanged);
}
void TForm1::EnergiaDomChange() {
  StoreFloat(ui().EnergiaDom, Engine.ZapotrzebowanieEnergi, Empty::Unchanged);
}

// An emptied count recomputes the collectors' cost item with the count stored before.
void TForm1::ELiczbaKolektorowChange() {
  StoreInt(ui().ELiczbaKolektorow, Engine.LiczbaKolektorow);
  Engine.CenaKolektory =
      static_cast<float>(Engine.LiczbaKolektorow) * Engine.SelectedCollector->Cena;
}

// The outdoor pipe length is never left empty or unreadable: the pipe losses and the insulation
// cost need a length, so such a text becomes 1 m.
void TForm1::EDlugoscPrzewZewExit() {
  try {
    Engine.DlugoscPrzewodowNaZewnatrz = ReadFloat(ui().EDlugoscPrzewZew->text().toStdString());
  } catch (const NumberConversionError&) {
    Engine.DlugoscPrzewodowNaZewnatrz = 1;
    ui().EDlugoscPrzewZew->setText(QString::fromStdString(General15(1)));
  }
}

// The insulation window's parameter grid shows the diameter as the list does.
void TForm1::ComboSrednicaPrzewoduSelect() {
  const QString text = ui().ComboSrednicaPrzewodu->currentText();
  WinIzolacja->ShowDiameterCell(text);
  Engine.SrednicaPrzewodu = ReadInt(text.toStdString());
}

void TForm1::ComboWspKrotnosciSelect() {
  Engine.WspolczynnikKrotnosci = ReadFloat(ui().ComboWspKrotnosci->currentText().toStdString());
  WinZasobnik->RequiredVolume = Engine.ComputeRequiredTankVolume();
}

// Pool months are 0-based: the lists start at "05", May.
void TForm1::basenODSelect() {
  Engine.BasenOd = ui().basenOD->currentIndex() + 4;
}
void TForm1::basenDOSelect() {
  Engine.BasenDo = ui().basenDO->currentIndex() + 4;
}

void TForm1::CheckIzolacjaClick() {
  const bool ticked = ui().CheckIzolacja->isChecked();
  Engine.Izolacja = ticked ? 1 : 0;
  ui().ToolButton5->setEnabled(ticked);
}

// Unticked, the circulation values are cleared while the edits keep their texts.
void TForm1::CheckCyrkulacjaClick() {
  const bool ticked = ui().CheckCyrkulacja->isChecked();
  ShowGroup({ui().ECzasPompyCyrk, ui().EDlugoscPompyCyrk, ui().Label5, ui().Label6, ui().Label41,
             ui().Label42},
            ticked);
  ui().ECzasPompyCyrk->setEnabled(ticked);
  ui().EDlugoscPompyCyrk->setEnabled(ticked);
  Engine.Cyrkulacja = ticked ? 1 : 0;
  if (!ticked) {
    Engine.CzasPracyPompyCyrkulacyjnej = 0;
    Engine.DlugoscPrzewodowCyrkulacyjnych = 0;
  }
}

void TForm1::CheckBasenClick() {
  const bool ticked = ui().CheckBasen->isChecked();
  ShowGroup({ui().Image2, ui().StaticText4, ui().StaticText5, ui().StaticText6, ui().StaticText7,
             ui().StaticText8, ui().StaticText9, ui().StaticText10, ui().StaticText12,
             ui().StaticText11, ui().StaticText13, ui().BasenDlugosc, ui().BasenSzerokosc,
             ui().BasenGlebokosc, ui().CheckPrzeslona, ui().basenOD, ui().basenDO},
            ticked);
  Engine.Basen = ticked ? 1 : 0;
}

void TForm1::CheckPrzeslonaClick() {
  Engine.Przeslona = ui().CheckPrzeslona->isChecked() && ui().CheckBasen->isChecked() ? 1 : 0;
}

void TForm1::Button1Click() {
  ChooseScheme(0);
}
void TForm1::Button2Click() {
  ChooseScheme(1);
}
void TForm1::Button3Click() {
  ChooseScheme(2);
}
void TForm1::Button4Click() {
  ChooseScheme(3);
}

void TForm1::ChooseScheme(int scheme) {
  const Scheme& chosen = kSchemes[scheme];
  const bool changed =
      Engine.LiczbaZasobnikow != chosen.tanks || Engine.CWUCO != chosen.centralHeating;
  ApplyScheme(scheme);
  if (!changed) return;
  // The tank cost item counts the second tank only while the design has two.
  TWinZasobnik::StoreTankPrice();
  DesignChanged();
  ClearHydraulics();  // the second tank's exchanger counts in the hydraulics
}

void TForm1::ShowScheme(int32_t centralHeating, int32_t tanks) {
  for (int scheme = 0; scheme < 4; ++scheme) {
    if (kSchemes[scheme].centralHeating == centralHeating && kSchemes[scheme].tanks == tanks)
      ApplyScheme(scheme);
  }
}

// A picture that cannot be shown does not stop the switch: the design must follow the scheme
// chosen. The picture stays empty then, so that no other scheme's picture misleads, and the
// missing file is reported the first time only.
void TForm1::ApplyScheme(int scheme) {
  const Scheme& chosen = kSchemes[scheme];
  const QString path = QString::fromUtf8(chosen.picture);
  QPixmap picture;
  if (picture.load(path)) {
    ui().ObrazekTlo->setPixmap(picture);
  } else {
    ui().ObrazekTlo->clear();
    if (!missingSchemePictures_.contains(path)) {
      missingSchemePictures_.insert(path);
      platform::MessageBox(
          QStringLiteral("Nie można wczytać rysunku schematu instalacji z pliku ") + path,
          QStringLiteral("Ostrzeżenie"), platform::Icon::Warning);
    }
  }

  const bool centralHeating = chosen.centralHeating == 1;
  ui().Edit7->setEnabled(centralHeating);
  ui().Edit8->setEnabled(centralHeating);
  ShowGroup({ui().Edit7, ui().Edit8, ui().PowDomu, ui().EnergiaDom, ui().Label10, ui().Label11,
             ui().Label12, ui().Label30, ui().Label31, ui().Label33, ui().Label34, ui().Label55,
             ui().Label56, ui().Label59, ui().Label57, ui().Label58},
            centralHeating);
  ShowGroup({ui().Label64, ui().Label69, ui().Label87}, chosen.tanks == 2);

  Engine.LiczbaZasobnikow = chosen.tanks;
  Engine.CWUCO = chosen.centralHeating;
}
