#include "app/startup.h"

#include <QDir>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>

#include "app/windows.h"
#include "economics/Armatura.h"
#include "economics/kalkulatorEkologiczny.h"
#include "economics/koszt.h"
#include "editors/AddIzolacja.h"
#include "editors/AddKolektor.h"
#include "editors/AddKonstrukcja.h"
#include "editors/AddLokalizacja.h"
#include "editors/AddNaczynie.h"
#include "editors/AddPompa.h"
#include "editors/AddProducent.h"
#include "editors/AddSterownik.h"
#include "editors/AddZasobnik.h"
#include "editors/grubosci.h"
#include "main/Unit3.h"
#include "main/info.h"
#include "main/izolacja.h"
#include "main/kolektor.h"
#include "main/lokalizacja.h"
#include "main/naczynie.h"
#include "main/pictures.h"
#include "main/pobieranie.h"
#include "main/pompa.h"
#include "main/sterownik.h"
#include "main/vindargast.h"
#include "main/wizytowka.h"
#include "main/zasobnik.h"
#include "online/DMVindargast.h"
#include "online/OpenZestaw.h"
#include "online/oferta.h"
#include "online/pobierz_zestawy.h"
#include "online/producent.h"
#include "online/zestawy.h"
#include "platform/guard.h"
#include "platform/screen_fit.h"
#include "platform/wheel_focus.h"
#include "report/Wykres.h"
#include "report/Wyniki.h"
#include "report/raport.h"

namespace startup {
namespace {

struct Slot {
  const char* name;
  std::function<void()> create;
  std::function<void()> destroy;  // releases the instance if it is alive
};

template <class Window>
Slot Make(const char* name, Window*& instance) {
  return {name, [&instance] { instance = new Window(); },
          [&instance] {
            delete instance;
            instance = nullptr;
          }};
}

std::vector<Slot> Slots(int splashInterval) {
  return {
      Make("Form1", Form1),
      Make("WinLokalizacja", WinLokalizacja),
      Make("WinKolektor", WinKolektor),
      Make("WinZasobnik", WinZasobnik),
      Make("WinSterownik", WinSterownik),
      Make("WinIzolacja", WinIzolacja),
      Make("WinNaczynie", WinNaczynie),
      Make("WinPompa", WinPompa),
      Make("WinArmatura", WinArmatura),
      Make("WinKoszty", WinKoszty),
      Make("WinAddPompa", WinAddPompa),
      Make("WinAddZasobnik", WinAddZasobnik),
      Make("WinAddKolektor", WinAddKolektor),
      Make("WinAddSterownik", WinAddSterownik),
      Make("WinAddNaczynie", WinAddNaczynie),
      Make("WinAddIzolacja", WinAddIzolacja),
      Make("WinZestawy", WinZestawy),
      Make("WinInfo", WinInfo),
      Make("Form2", Form2),
      Make("WinOpenZestaw", WinOpenZestaw),
      // The splash window releases itself once it has shown the main window.
      {"WinSplash", [splashInterval] { WinSplash = new TWinSplash(nullptr, splashInterval); },
       [] {
         delete WinSplash;
         WinSplash = nullptr;
       }},
      Make("Form3", Form3),
      Make("WinRaport", WinRaport),
      Make("WinWyniki", WinWyniki),
      Make("WinWykres", WinWykres),
      Make("WinAddMiasta", WinAddMiasta),
      Make("WinAddKonstrukcja", WinAddKonstrukcja),
      Make("WinAddProducent", WinAddProducent),
      Make("WinGrubosci", WinGrubosci),
      Make("WinPobierzZestawy", WinPobierzZestawy),
      Make("WinProducenci", WinProducenci),
      Make("DM", DM),
      Make("WinOferta", WinOferta),
      Make("WinKalkulatorEkologiczny", WinKalkulatorEkologiczny),
  };
}

}  // namespace

void PrepareApplication(QApplication& app) {
  app.setApplicationName(QStringLiteral("Vindargast"));
  app.setQuitOnLastWindowClosed(false);
  // QApplication takes the C library's locale from the environment; numbers never follow it.
  std::setlocale(LC_NUMERIC, "C");
  QLocale::setDefault(QLocale::c());
  // Qt's Polish texts from the distribution's translations (package qt6-translations-l10n); the
  // program runs with Qt's English ones when they are not installed.
  // The windows were laid out for an 8-point sans serif of Arial's widths: Liberation Sans has
  // them (package fonts-liberation2), so every text keeps the room the forms give it.
  QFont font(QStringLiteral("Liberation Sans"));
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans Condensed"),
                    QStringLiteral("DejaVu Sans")});
  font.setPointSize(8);
  QApplication::setFont(font);
  const QString name = QStringLiteral("qtbase_pl");
  if (app.findChild<QTranslator*>(name)) return;
  auto* translator = new QTranslator(&app);
  translator->setObjectName(name);
  if (translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    app.installTranslator(translator);
  else
    delete translator;
}

std::unique_ptr<platform::Ahead> StartAhead() {
  return std::make_unique<platform::Ahead>(
      std::vector<std::function<void()>>{&platform::ReadFontConfiguration});
}

LoadingAhead LoadAhead() {
  RegisterWindowPictures();
  LoadingAhead loading;
  // Two threads: the main window needs its picture before the data module needs its driver.
  loading.pictures = std::make_unique<platform::PicturesAhead>(QStringList{
      QString::fromUtf8(TForm1::kStartPicture), QString::fromLatin1(TWinSplash::kPicture)});
  loading.driver =
      std::make_unique<platform::Ahead>(std::vector<std::function<void()>>{&TDM::LoadDriverAhead});
  return loading;
}

bool EnterProgramFolder(const QString& folder) {
  return QDir::setCurrent(folder);
}

std::vector<const char*> CreationOrder() {
  std::vector<const char*> names;
  for (const Slot& slot : Slots(0)) names.push_back(slot.name);
  return names;
}

bool CreateWindows(const Options& options) {
  // Before the windows, so that their lists, spin boxes and sliders take the wheel only with the
  // focus.
  platform::WheelFocus::Install();
  const std::vector<Slot> table = Slots(options.splashInterval);
  int number = 0;
  for (const Slot& slot : table) {
    ++number;
    slot.create();
    if (number == 1 && Form1->StartFailed()) {
      slot.destroy();
      return false;
    }
    if (options.windowCreated) options.windowCreated(number, slot.name);
  }
  // The main window sits below the windows that show results; it reaches them through this.
  TForm1::ResultsClearedHook = [] {
    if (WinKoszty) WinKoszty->ClearResults();
    if (WinKalkulatorEkologiczny) WinKalkulatorEkologiczny->ClearResults();
    if (WinWyniki) WinWyniki->ClearResults();
    if (WinWykres) WinWykres->ClearResults();
  };
  // A window larger than its screen's free area gets scroll bars at its first showing.
  static platform::ScreenFitter* fitter = nullptr;
  if (!fitter) fitter = new platform::ScreenFitter(QCoreApplication::instance());
  for (QWidget* window : QApplication::topLevelWidgets()) fitter->Watch(*window);
  if (WinSplash) WinSplash->AllWindowsCreated();
  return true;
}

void DestroyWindows() {
  TForm1::ResultsClearedHook = nullptr;
  const std::vector<Slot> table = Slots(0);
  for (auto slot = table.rbegin(); slot != table.rend(); ++slot) slot->destroy();
}

int Run(int argc, char** argv) {
  const std::unique_ptr<platform::Ahead> ahead = StartAhead();
  QApplication app(argc, argv);
  LoadingAhead loading;  // released before the application object
  platform::RunGuarded([&app, &loading] {
    EnterProgramFolder(QCoreApplication::applicationDirPath());
    PrepareApplication(app);
    loading = LoadAhead();
    if (!CreateWindows()) return;
    app.exec();
  });
  platform::RunGuarded([] { DestroyWindows(); });
  return 0;
}

}  // namespace startup
