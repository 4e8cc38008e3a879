#include "report/raport.h"

#include <QCoreApplication>
#include <QDir>

#include "app/windows.h"
#include "economics/kalkulatorEkologiczny.h"
#include "economics/koszt.h"
#include "engine/vindargast2.h"
#include "platform/file_dialog.h"
#include "platform/guard.h"
#include "platform/message_box.h"
#include "report/craport.h"
#include "report/raport_chapters.h"

namespace {

// The text an edit or a label shows.
std::string Text(const QWidget* control) {
  if (const auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text().toStdString();
  if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text().toStdString();
  return {};
}

}  // namespace

TWinRaport::TWinRaport(QWidget* parent)
    : QDialog(parent),
      LogoFile(QDir(QCoreApplication::applicationDirPath())
                   .absoluteFilePath(QStringLiteral("Grafika/logowydruk.jpg"))) {
  // Only the logo's place is needed before the window is used.
  ui.Defer([this] { BuildForm(); });
}

void TWinRaport::setVisible(bool visible) {
  if (visible) ui.Build();
  QDialog::setVisible(visible);
}

void TWinRaport::BuildForm() {
  ui.form().setupUi(this);
  platform::Connect(ui().BitGeneruj, &QPushButton::clicked, this, &TWinRaport::BitGenerujClick);
  platform::Connect(ui().BitBtn2, &QPushButton::clicked, this, &TWinRaport::BitBtn2Click);
}

PaybackTexts CurrentPaybackTexts() {
  PaybackTexts t;
  if (WinKoszty) {
    // The sums and assumptions of the design as it is now, also when the window was last shown
    // for another.
    WinKoszty->FollowDesignCosts();
    WinKoszty->ShowStoredAssumptions();
    const Ui::TWinKoszty& k = WinKoszty->ui();
    using P = PaybackTexts;
    const std::pair<std::string P::*, const QWidget*> sources[] = {
        {&P::ESumaKoszt, k.ESumaKoszt},
        {&P::ESumaVat, k.ESumaVat},
        {&P::ESumaBrutto, k.ESumaBrutto},
        {&P::DotacjaBrutto, k.DotacjaBrutto},
        {&P::KosztyKredytu, k.KosztyKredytu},
        {&P::PodatekDotacja, k.PodatekDotacja},
        {&P::DotacjaNetto, k.DotacjaNetto},
        {&P::EKredyt, k.EKredyt},
        {&P::Edit9, k.Edit9},
        {&P::Label1, k.Label1},
        {&P::Edyskont, k.Edyskont},
        {&P::ElataEksploatacji, k.ElataEksploatacji},
        {&P::StaticText13, k.StaticText13},
        {&P::EKosztZakupu, k.EKosztZakupu},
        {&P::StaticText27, k.StaticText27},
        {&P::Edit7, k.Edit7},
        {&P::Edit8, k.Edit8},
        {&P::Edit3, k.Edit3},
        {&P::Edit4, k.Edit4},
        {&P::Edit5, k.Edit5},
        {&P::Edit6, k.Edit6},
        {&P::Edit1, k.Edit1},
        {&P::Edit11, k.Edit11},
        {&P::StaticText77, k.StaticText77},
        {&P::StaticText65, k.StaticText65},
        {&P::StaticText67, k.StaticText67},
    };
    for (const auto& source : sources) t.*source.first = Text(source.second);
  }
  if (WinKalkulatorEkologiczny) {
    const Ui::TWinKalkulatorEkologiczny& e = WinKalkulatorEkologiczny->ui();
    const QLabel* labels[8] = {e.StaticText12, e.StaticText13, e.StaticText14, e.StaticText15,
                               e.StaticText16, e.StaticText17, e.StaticText18, e.StaticText19};
    for (int i = 0; i < 8; ++i) t.Emissions[i] = Text(labels[i]);
  }
  return t;
}

void TWinRaport::BitGenerujClick() {
  CRaport report(LogoFile.toStdString());
  if (!report.HasDocument()) return;
  const std::pair<std::string CRaport::*, const QWidget*> header[6] = {
      {&CRaport::ProjectName, ui().ENazwaProjektu},
      {&CRaport::Designer, ui().EProjektant},
      {&CRaport::Location, ui().ELokalizacja},
      {&CRaport::WebPage, ui().EWWW},
      {&CRaport::Email, ui().EMail},
      {&CRaport::Phone, ui().ETelefon}};
  for (const auto& field : header) report.*field.first = Text(field.second);
  report.CreateOutlineRoot("Spis treści");

  if (ui().CheckObliczenia->isChecked()) WriteThermalChapter(report, Engine);
  if (ui().CheckInformacje->isChecked()) WriteInstallationChapters(report, Engine);
  if (ui().CheckZwrot->isChecked())
    WritePaybackChapter(report, Engine.Costs, CurrentPaybackTexts());
  if (ui().CheckWykresy->isChecked()) WriteChartsChapter(report, Engine);
  if (report.PageCount == 0) return;

  platform::FileDialogOptions options;
  options.filter = QStringLiteral("Pliki pdf|*.pdf");
  options.defaultExtension = QStringLiteral(".pdf");
  const std::optional<QString> name = platform::SaveFileName(options);
  if (!name) return;
  try {
    report.SaveToFile(name->toStdString());
  } catch (const ReportSaveError& error) {
    platform::MessageBox(QString::fromStdString(error.what()), QStringLiteral("Komunikat"),
                         platform::Icon::Warning, platform::Buttons::Ok);
  }
}

void TWinRaport::BitBtn2Click() {
  close();
}
