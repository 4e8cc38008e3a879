#include "project/project_commands.h"

#include <QComboBox>
#include <QFileInfo>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "app/windows.h"
#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "main/vindargast.h"
#include "main/zasobnik.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"

namespace project {

namespace {

const char* const kOpenFilter = "Pliki XML (*.xml)|*.xml|wszystkie pliki (*.*)|*.*";
const char* const kSaveFilter = "XML Files (*.xml)|*.xml";

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

QString IntText(int32_t value) {
  return Q(GeneralText(value, 15, 0));
}

void Warning(const char* text) {
  platform::MessageBox(QString::fromUtf8(text), QStringLiteral("UWAGA !!!"),
                       platform::Icon::Warning);
}

void DefaultsNotSaved() {
  Warning("Nie udało się zapisać domyślnych ustawień.");
}

// The flags of the optional sections: a read leaves them as they are when the file has no such
// section, so a design read whole starts with them off.
struct OptionalSections {
  uint8_t cyrkulacja, basen, przeslona;
};

OptionalSections ClearOptionalSections() {
  const OptionalSections before{Engine.Cyrkulacja, Engine.Basen, Engine.Przeslona};
  Engine.Cyrkulacja = 0;
  Engine.Basen = 0;
  Engine.Przeslona = 0;
  return before;
}

void RestoreOptionalSections(const OptionalSections& before) {
  Engine.Cyrkulacja = before.cyrkulacja;
  Engine.Basen = before.basen;
  Engine.Przeslona = before.przeslona;
}

// Reads a whole design: the optional sections' flags are cleared first and put back when the read
// fails, so that a failed read changes nothing at all.
int32_t ReadWholeDesign(const QString& fileName) {
  const OptionalSections before = ClearOptionalSections();
  const int32_t result = Engine.ReadProjectFile(fileName.toStdString());
  if (result <= 0) RestoreOptionalSections(before);
  return result;
}

QString FileNameOnly(const QString& path) {
  return QFileInfo(path).fileName();
}

// Sets the edit's text as if typed: a different text runs its change handler.
void Type(QLineEdit* edit, const QString& text) {
  if (edit->text() != text) edit->setText(text);
}

// Shows the item whose number is the design's value. A value no item holds is shown as the list's
// text, so that the compute command, which reads the text, reads back what the design holds.
void ShowValue(QComboBox* combo, const std::function<bool(const std::string&)>& holds,
               const QString& text) {
  for (int i = 0; i < combo->count(); ++i) {
    try {
      if (holds(combo->itemText(i).toStdString())) {
        combo->setCurrentIndex(i);
        return;
      }
    } catch (const NumberConversionError&) {
      // An item that is no number holds no value.
    }
  }
  combo->setCurrentIndex(-1);
  combo->setEditText(text);
}

void ShowFloat(QComboBox* combo, float value) {
  ShowValue(
      combo, [value](const std::string& item) { return ReadFloat(item) == value; },
      Q(ShortestText(value)));
}

void ShowInt(QComboBox* combo, int32_t value) {
  ShowValue(
      combo, [value](const std::string& item) { return ReadInt(item) == value; }, IntText(value));
}

// A pool month (0-based) in a list of month numbers ("05" is May).
void ShowMonth(QComboBox* combo, int32_t month) {
  const QString text = QStringLiteral("%1").arg(month + 1, 2, 10, QLatin1Char('0'));
  ShowValue(
      combo,
      [month](const std::string& item) { return static_cast<int64_t>(ReadInt(item)) - 1 == month; },
      text);
}

}  // namespace

void OpenProject(TForm1& form) {
  platform::FileDialogOptions options;
  options.filter = QString::fromUtf8(kOpenFilter);
  const std::optional<QString> name = platform::OpenFileName(options);
  if (!name) return;
  if (ReadWholeDesign(*name) <= 0) {
    // The refused file was reported in its box; the status bar must not go on naming an earlier
    // file as read, as if this one had been.
    form.SetStatusText(0, QString());
    return;
  }
  form.SetStatusText(
      0, "Plik " + FileNameOnly(*name) + QString::fromUtf8(" został pomyślnie wczytany"));
  RefreshInputsFromEngine(form);
  form.ClearResults();
  const float required = Engine.ComputeRequiredTankVolume();
  if (WinZasobnik) WinZasobnik->RequiredVolume = required;
}

void SaveProject(TForm1& form) {
  platform::FileDialogOptions options;
  options.filter = QString::fromUtf8(kSaveFilter);
  options.defaultExtension = QStringLiteral(".xml");
  const std::optional<QString> name = platform::SaveFileName(options);
  if (!name) return;
  if (Engine.WriteProjectFile(name->toStdString()) <= 0) {
    Warning("Nie udało się zapisać danych do pliku.");
    return;
  }
  form.SetStatusText(
      0, "Plik " + FileNameOnly(*name) + QString::fromUtf8(" został pomyślnie zapisany"));
}

void SaveDefaultSettings() {
  if (Engine.WriteProjectFile(kDefaultFile) <= 0) DefaultsNotSaved();
}

void RestoreFactorySettings(TForm1& form) {
  if (platform::MessageBox(
          QString::fromUtf8("Czy jesteś pewien, że chcesz zmienić zapisane dane? "),
          QStringLiteral("Uwaga"), platform::Icon::Question,
          platform::Buttons::YesNo) != platform::Answer::Yes)
    return;
  // The saved defaults are replaced only by factory settings that were read: a missing or damaged
  // factory file leaves both the design and the user's defaults as they were.
  if (!QFileInfo::exists(QString::fromUtf8(kFactoryFile))) {
    platform::PlainBox(QString::fromUtf8("Błąd wczytywania pliku z danymi fabrycznymi"));
    return;
  }
  if (ReadWholeDesign(QString::fromUtf8(kFactoryFile)) < 1) {
    platform::PlainBox(QString::fromUtf8("Błąd podczas przywracania danych "));
    return;
  }
  RefreshInputsFromEngine(form);
  form.ClearResults();
  SaveDefaultSettings();
}

void ReadDefaultSettings(TForm1& form) {
  if (!QFileInfo::exists(QString::fromUtf8(kDefaultFile))) {
    platform::PlainBox(QString::fromUtf8("Błąd wczytywania pliku z danymi domyślnymi"));
    return;
  }
  if (Engine.ReadProjectFile(kDefaultFile) > 0) {
    RefreshInputsFromEngine(form);
  } else {
    platform::PlainBox(QString::fromUtf8("Błąd podczas wczytywania domyślnych danych "));
  }
}

void RefreshInputsFromEngine(TForm1& form) {
  auto& ui = form.ui;
  const CVindargast2& e = Engine;
  // Every value is taken when its control is set: the handlers of the controls set before may
  // have changed the engine (the collector count sets the collectors' price, unticking the
  // circulation clears its values).
  Type(ui().ETempCWU, Q(ShortestText(e.TemperaturaCieplejWody)));
  Type(ui().ELiczbaOsob, IntText(e.LiczbaOsob));
  Type(ui().EDCWU, Q(ShortestText(e.DCWU)));
  Type(ui().ETempZasobnika, Q(ShortestText(e.TemperaturaWodyWZasobniku)));
  Type(ui().ETempOtoczZasobnika, Q(ShortestText(e.TemperaturaOtoczeniaZasobnika)));
  Type(ui().EBeta, Q(ShortestText(e.KatBeta)));
  Type(ui().EGamma, Q(ShortestText(e.KatGamma)));
  Type(ui().EDlugoscPrzewZew, Q(ShortestText(e.DlugoscPrzewodowNaZewnatrz)));
  Type(ui().EDlugoscPrzewWew, Q(ShortestText(e.DlugoscPrzewodowWewnatrz)));
  Type(ui().EHStatyczna, Q(ShortestText(e.WysokoscStatyczna)));
  Type(ui().ETempZimnaWoda, Q(ShortestText(e.TemperaturaWodySieci)));
  {
    // The count's change handler prices the collectors a user counts anew; the design read holds
    // the cost item the user saved.
    const float collectorsCost = e.CenaKolektory;
    Type(ui().ELiczbaKolektorow, IntText(e.LiczbaKolektorow));
    Engine.CenaKolektory = collectorsCost;
  }

  ui().CheckIzolacja->setChecked(e.Izolacja == 1);
  ui().CheckCyrkulacja->setChecked(e.Cyrkulacja == 1);
  Type(ui().ECzasPompyCyrk, Q(ShortestText(e.CzasPracyPompyCyrkulacyjnej)));
  Type(ui().EDlugoscPompyCyrk, Q(ShortestText(e.DlugoscPrzewodowCyrkulacyjnych)));

  ShowInt(ui().ComboSrednicaPrzewodu, e.SrednicaPrzewodu);
  ShowFloat(ui().ComboWspKrotnosci, e.WspolczynnikKrotnosci);

  ui().CheckBasen->setChecked(e.Basen == 1);
  ui().CheckPrzeslona->setChecked(e.Przeslona == 1);
  if (e.Basen == 1) {
    Type(ui().BasenDlugosc, Q(GeneralText(e.BasenDlugosc, 4, 2)));
    Type(ui().BasenSzerokosc, Q(GeneralText(e.BasenSzerokosc, 4, 2)));
    Type(ui().BasenGlebokosc, Q(GeneralText(e.BasenGlebokosc, 4, 2)));
    ShowMonth(ui().basenOD, e.BasenOd);
    ShowMonth(ui().basenDO, e.BasenDo);
  }

  // The design's scheme as it was read: no button is clicked, since a user's pick of a scheme
  // prices the tanks anew, and the cost item read is the one the user saved.
  form.ShowScheme(e.CWUCO, e.LiczbaZasobnikow);

  if (e.CWUCO == 1) {
    Type(ui().PowDomu, Q(ShortestText(e.PowierzchniaBudynku)));
    Type(ui().EnergiaDom, Q(ShortestText(e.ZapotrzebowanieEnergi)));
    Type(ui().Edit7, Q(ShortestText(e.TemperaturaZasilania)));
    Type(ui().Edit8, Q(ShortestText(e.TemperaturaPowrotu)));
  }

  ui().Label61->setText(Q(e.SelectedCollector->Model));
  ui().Label62->setText(Q(GeneralText(e.CollectorK1, 4, 2)));
  ui().Label63->setText(Q(GeneralText(e.CollectorK2, 1, 3)));
  ui().Label70->setText(Q(e.SelectedController->Model));
  ui().Label73->setText(Q(e.SelectedVessel->Model));
  ui().Label75->setText(Q(General15(e.SelectedVessel->Pojemnosc)));
  ui().Label66->setText(Q(e.SelectedTank->Model));
  ui().Label67->setText(Q(General15(e.SelectedTank->PojemnoscZasobnika)));
  ui().Label64->setText(Q(General15(e.SelectedTank2->PojemnoscZasobnika)));
  ui().Label71->setText(Q(e.SelectedInsulation->Model));
  ui().Label72->setText(Q(GeneralText(e.SelectedInsulation->Lambda, 1, 4)));
  ui().Label77->setText(Q(e.SelectedPump->Model));
}

}  // namespace project
