// The project writer and reader of the design: the format of project_format.h joined to the
// windows whose inputs a project holds (the cost window, the ecological calculator, the report
// options and the main window's location label).
#include <QComboBox>
#include <QString>
#include <algorithm>
#include <array>
#include <exception>

#include "app/windows.h"
#include "economics/fuel_table.h"
#include "economics/kalkulatorEkologiczny.h"
#include "economics/koszt.h"
#include "engine/vindargast2.h"
#include "main/vindargast.h"
#include "platform/message_box.h"
#include "project/project_format.h"
#include "project/project_windows.h"
#include "report/raport.h"
#include "xml/atomic_file.h"

namespace project {

namespace {

std::string Text(const QLineEdit* edit) {
  return edit->text().toStdString();
}

void SetText(QLineEdit* edit, const std::optional<std::string>& text) {
  if (text) edit->setText(QString::fromStdString(*text));
}

std::array<QLineEdit*, 13> EcologyEdits(const Ui::TWinKalkulatorEkologiczny& e) {
  return {e.Edit1, e.Edit2, e.Edit3,  e.Edit4,  e.Edit5,  e.Edit6, e.Edit7,
          e.Edit8, e.Edit9, e.Edit10, e.Edit11, e.Edit12, e.Edit13};
}

std::array<QLineEdit*, 6> ReportEdits(const Ui::TWinRaport& r) {
  return {r.ENazwaProjektu, r.EProjektant, r.ELokalizacja, r.EWWW, r.EMail, r.ETelefon};
}

std::array<QCheckBox*, 6> ReportChecks(const Ui::TWinRaport& r) {
  return {r.CheckBox1, r.CheckBox2, r.CheckBox3, r.CheckBox4, r.CheckBox5, r.CheckBox6};
}

void ReadFailed(const char* text) {
  platform::MessageBox(QString::fromUtf8(text), QStringLiteral("Uwaga"), platform::Icon::Warning);
}

}  // namespace

WindowInputs GatherWindowInputs() {
  WindowInputs w;
  // The location label always names the city whose climate the design holds: a choice in the
  // location window and a read project both set it, while the location window's own grid keeps
  // its earlier city until it is shown again.
  if (Form1) w.cityName = Form1->ui().Label49->text().toStdString();
  if (WinKoszty) {
    const Ui::TWinKoszty& k = WinKoszty->ui();
    w.fuelPriceGross = Text(k.EKosztZakupu);
    w.fuelPriceNet = Text(k.EKosztZakupuNetto);
    w.serviceLife = Text(k.ElataEksploatacji);
    w.vat = Text(k.Evat);
    w.netSum = k.RSumaNetto->isChecked();
    w.grossSum = k.RSumaBrutto->isChecked();
    const std::array<QLineEdit*, 9> loan = WinKoszty->LoanEdits();
    for (size_t i = 0; i < loan.size(); ++i) w.loan[i] = Text(loan[i]);
    w.taxScale = economics::ChosenRow(k.ComboStawkiPodatku);
  }
  if (WinKalkulatorEkologiczny) {
    const std::array<QLineEdit*, 13> ecology = EcologyEdits(WinKalkulatorEkologiczny->ui());
    for (size_t i = 0; i < ecology.size(); ++i) w.ecology[i] = Text(ecology[i]);
  }
  if (WinRaport) {
    const std::array<QLineEdit*, 6> edits = ReportEdits(WinRaport->ui());
    const std::array<QCheckBox*, 6> checks = ReportChecks(WinRaport->ui());
    for (size_t i = 0; i < edits.size(); ++i) {
      w.report[i] = Text(edits[i]);
      w.reportRemembered[i] = checks[i]->isChecked();
    }
  }
  return w;
}

void ApplyWindowUpdates(const WindowUpdates& u) {
  // Each control is set as the user would set it, so that its own handler runs on a change; in
  // the order of the file's sections, the cost window's fuel price before its VAT rate and sum.
  if (Form1 && u.cityName) Form1->ui().Label49->setText(QString::fromStdString(*u.cityName));
  if (WinKoszty) WinKoszty->ShowFileInputs(u);
  if (WinKalkulatorEkologiczny) WinKalkulatorEkologiczny->ShowFileInputs(u.ecology, u.ecologyFuel);
  // A file that remembers no report text leaves the report window as it is, unbuilt too.
  const bool anyReportText = std::any_of(u.report.begin(), u.report.end(),
                                         [](const auto& text) { return text.has_value(); });
  if (WinRaport && anyReportText) {
    const std::array<QLineEdit*, 6> edits = ReportEdits(WinRaport->ui());
    for (size_t i = 0; i < edits.size(); ++i) SetText(edits[i], u.report[i]);
  }
}

int32_t FuelRows() {
  return Form1 ? economics::FuelRowCount() : 0;
}

}  // namespace project

int32_t CVindargast2::WriteProjectFile(const std::string& fileName) {
  try {
    xml::Document document;
    project::BuildProjectDocument(*this, project::GatherWindowInputs(), document);
    xml::WriteFileAtomically(fileName, project::ProjectFileText(document));
    return 1;
  } catch (const std::exception&) {
    return -1;
  }
}

int32_t CVindargast2::ReadProjectFile(const std::string& fileName) {
  // The whole file is read into a copy of the design and a list of window texts, and both are
  // taken over only when every section has been read: a damaged file changes nothing.
  CVindargast2 design(*this);
  project::WindowUpdates updates;
  try {
    xml::Document document;
    document.LoadFile(fileName);
    project::ReadProjectDocument(document, design, updates, project::FuelRows());
  } catch (const project::WrongRootError&) {
    project::ReadFailed("Nie prawidłowy format danych !!!");
    return -1;
  } catch (const std::exception&) {
    project::ReadFailed("Wystąpił błąd podczas odczytu pliku !!!");
    return -1;
  }
  *this = design;
  project::ApplyWindowUpdates(updates);
  return 1;
}
