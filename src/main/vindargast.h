// The main window: the design's inputs, the compute command, the monthly table and the device
// summary. It owns the eleven catalogue tables for the whole run (its CCatalogues base), which
// every later window reads through Form1. Other windows write its controls through `ui`.
#pragma once

#include <QMainWindow>
#include <QSet>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "engine/catalogue.h"
#include "engine/numtext.h"
#include "platform/form_ui.h"
#include "ui_vindargast.h"
#include "xml/xmldoc.h"

class QLabel;
class QTimer;

// Row titles of the monthly tables, index 0 = January.
extern const QStringList MonthNames;

// The program-wide number format: numbers always use "." (engine/numtext.h); the currency text
// takes its symbol and thousands separator from the system and puts the symbol before the amount.
// The main window's creation fills it.
extern CurrencyFormat DotFormatSettings;

class TForm1 : public QMainWindow, public CCatalogues {
  Q_OBJECT

 public:
  // The scheme picture shown from the start, in the program folder; the start decodes it ahead
  // (platform::PicturesAhead) while the window's widgets are made.
  static constexpr const char* kStartPicture = "Grafika/CWU-1zasobnik.bmp";

  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  platform::FormUi<Ui::TForm1> ui;
  // The document component of the catalogue loading at start-up.
  xml::Document XMLDocument1;

  // True when the creation could not load what the program needs (a catalogue file missing or
  // unreadable, the start picture missing): the program must end without showing a window.
  bool StartFailed() const { return startFailed_; }

  // The three panels of StatusBar1: 0 the last action, 1 the program, 2 NUM LOCK.
  void SetStatusText(int panel, const QString& text);
  QString StatusText(int panel) const;

  // Draws a grid cell's text (src/main/gridcell.cpp): mode 0 centred, 1 right-aligned, 2
  // left-aligned, 3 right-aligned only when the text is a number.
  static void PaintGridCell(class QPainter& canvas, const QString& text, const class QRect& rect,
                            uint8_t mode);

  void FormCreate();
  void FormShow();
  void Koniec1Click();
  // The commands on whole designs (src/project/project_commands.h).
  void OtowrzClick();
  void Zapisz1Click();
  void Zapiszustawieniajakodomylne1Click();
  void Przywrustawianiadomylne1Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void LoadCatalogues();
  void SetUpMonthlyTable();
  void ShowDesignDefaults();

  std::array<QLabel*, 3> statusPanels_{};
  bool startFailed_ = false;

  // ---- Design inputs (vindargast_inputs.cpp) ---------------------------------------------------
  // Every input writes its Engine field as soon as it changes; the compute command reads most of
  // them once more. Key handlers get each typed character and may change it or drop it (the null
  // character); change handlers run on every change of the text, also from code; leave handlers
  // when the focus moves to another control of the window; select handlers on a user's pick.
 public:
  // The decimal key filter: digits, "." and backspace stay, "," becomes ".", any other key
  // becomes the null character. Other windows filter their edits with it too.
  static void FilterNumericKey(QChar& key);

  void ETempCWUKeyPress(QChar& key) { FilterNumericKey(key); }
  void ELiczbaOsobKeyPress(QChar& key) { FilterNumericKey(key); }
  void EDCWUKeyPress(QChar& key) { FilterNumericKey(key); }
  void ECzasPompyCyrkKeyPress(QChar& key);
  void EDlugoscPompyCyrkKeyPress(QChar& key);
  void ETempOtoczZasobnikaKeyPress(QChar& key) { FilterNumericKey(key); }
  void Edit7KeyPress(QChar& key) { FilterNumericKey(key); }
  void Edit8KeyPress(QChar& key) { FilterNumericKey(key); }
  void EBetaKeyPress(QChar& key) { FilterNumericKey(key); }
  void EGammaKeyPress(QChar& key) { FilterNumericKey(key); }
  void EDlugoscPrzewZewKeyPress(QChar& key) { FilterNumericKey(key); }
  void EDlugoscPrzewWewKeyPress(QChar& key) { FilterNumericKey(key); }
  void EHStatycznaKeyPress(QChar& key) { FilterNumericKey(key); }
  void ETempZimnaWodaKeyPress(QChar& key) { FilterNumericKey(key); }
  void ETempZasobnikaKeyPress(QChar& key) { FilterNumericKey(key); }
  void ELiczbaKolektorowKeyPress(QChar& key);  // digits and backspace only
  void BasenDlugoscKeyPress(QChar& key) { FilterNumericKey(key); }
  void BasenSzerokoscKeyPress(QChar& key) { FilterNumericKey(key); }
  void BasenGlebokoscKeyPress(QChar& key) { FilterNumericKey(key); }

  void ETempCWUChange();
  void ELiczbaOsobChange();
  void EDCWUChange();
  void ECzasPompyCyrkChange();
  void EDlugoscPompyCyrkChange();
  void ETempOtoczZasobnikaChange();
  void Edit7Change();
  void Edit8Change();
  void EBetaChange();
  void EGammaChange();
  void EDlugoscPrzewZewChange();
  void EDlugoscPrzewWewChange();
  void EHStatycznaChange();
  void ETempZimnaWodaChange();
  void ETempZasobnikaChange();
  void ELiczbaKolektorowChange();
  void PowDomuChange();
  void EnergiaDomChange();

  void ETempCWUExit() { ETempCWUChange(); }
  void ECzasPompyCyrkExit() { ECzasPompyCyrkChange(); }
  void EDlugoscPompyCyrkExit() { EDlugoscPompyCyrkChange(); }
  void EDlugoscPrzewWewExit() { EDlugoscPrzewWewChange(); }
  void EDlugoscPrzewZewExit();

  void ComboSrednicaPrzewoduSelect();
  void ComboWspKrotnosciSelect();
  void basenODSelect();
  void basenDOSelect();
  void CheckIzolacjaClick();
  void CheckCyrkulacjaClick();
  void CheckBasenClick();
  void CheckPrzeslonaClick();
  // The installation schemes: 1 hot water with one tank, 2 with two tanks, 3 hot water and
  // central heating with one tank, 4 with two tanks.
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  // The scheme the design holds, as the program sets it (an opened project, a loaded set):
  // the picture, the central-heating inputs and the second tank's summary of (CWUCO, tank
  // count), with both stored in Engine. Unlike a scheme the user picks, it keeps the tank cost
  // item and the results; any other pair shows nothing new.
  void ShowScheme(int32_t centralHeating, int32_t tanks);

 private:
  // Connects the inputs to their handlers; runs before FormCreate fills them.
  void ConnectInputs();
  // A scheme the user picks: shown, and when it is another one, the tank cost item follows the
  // tank count and the results go.
  void ChooseScheme(int scheme);
  void ApplyScheme(int scheme);
  // Scheme pictures found missing, each reported once.
  QSet<QString> missingSchemePictures_;
  // ---- end of the design inputs ----------------------------------------------------------------

  // ---- Commands: compute, results, menu, tool bar, buttons, status bar ------------------------
  // (vindargast_compute.cpp, vindargast_menu.cpp)
 public:
  void BitBtn2Click();   // "  OBLICZ": checks, runs the design through Engine, shows the results
  void BitBtn11Click();  // the results window, filled from Engine, modal
  void BitBtn3Click();   // the cost window, modal
  void BitBtn1Click();   // the ecological calculator, modal
  void BitBtn7Click();   // the insolation-correction window, modal

  // Takes away results that belong to another design: after an opened project, the factory
  // settings or a loaded set, Engine's results, this window's result fields and monthly table and
  // the commands that need a compute are as before a first compute; then ResultsClearedHook
  // clears the other windows that show results (installed at start-up, as they sit above this one).
  // The fittings window's hydraulic figures go as well (ClearHydraulics).
  void ClearResults();
  static std::function<void()> ResultsClearedHook;
  // The user changed the design (an input of this window, a device, the city): the results on
  // screen were worked out for the design before, so they are cleared until the next compute.
  void DesignChanged();
  // An input the hydraulics read changed (the collectors, their connection, the pipes, the static
  // height, the tanks, the fittings): the fittings window's hydraulic figures go, in Engine and on
  // that window, until its next "PRZELICZ"; the pump cost follows (FollowHydraulics).
  void ClearHydraulics();
  // The installation's pressure drop or the collectors' flow changed: the pump's electricity cost
  // of the results on screen becomes the one the next compute would give, in Engine and in the
  // cost window, so that no cost calculation counts the cost of a drop before.
  void FollowHydraulics();

  // The tool bar: each writes its status text, then opens its window.
  void ToolButton1Click();
  void ToolButton2Click();
  void ToolButton3Click();
  void ToolButton4Click();
  void ToolButton5Click();
  void ToolButton6Click();
  void ToolButton7Click();
  void ToolButton8Click();

  // The menu's commands that open windows or pages.
  void Zestawy2Click();
  void PobierzZestawy1Click();
  void Oprogramie2Click();
  void Tematypomocy1Click();
  void Pomoconline1Click();
  void Zasobnik1Click();
  void Kolektorsoneczny1Click();
  void Sterowniksolarny1Click();
  void Naczyniewzbiorcze1Click();
  void Pompaobiegowa1Click();
  void Izolacja1Click();
  void MiastaClick();
  void Konstrukcjawsporcza1Click();
  void Producent1Click();
  void DodajZestaw1Click();
  void OtwrzZestaw1Click();
  void Opcjeraportu1Click();
  void Oferta1Click();
  void Bazasprztuonline1Click();

  // Panel 2 of the status bar follows NUM LOCK: "NUM LOCK" while it is on, else empty.
  void Timer1Timer();
  QTimer* Timer1 = nullptr;  // every 1000 ms from the creation on

  // The vendor server's address for the web pages: VINDARGAST_SERVER when set, else the built-in
  // one; without a trailing "/".
  static QString ServerAddress();

  // ---- The vendor's web server (src/online/) ---------------------------------------------------
  // Copies the address into the local file: 1 when the server answered 200 with the whole
  // announced body and the file was replaced whole, else -1 after a message naming the file
  // (the old file then stays as it was).
  static int DownloadFile(const QString& address, const QString& localPath);
  // Whether the address answers 200 or 302; redirects are not followed, the body is not read.
  static bool IsUrlAvailable(const QString& address);
  // "Aktualizacja" > "Urządzenia": the catalogues from the server, the user's own rows kept.
  void Dane1Click();
  // "Aktualizacja" > "Program": a newer program from the server, swapped in and started.
  void Program1Click();
  void DownloadProgramUpdate(const QString& address, const QString& localFileName);

 private:
  // Connects the commands, sets up the menu's look, the tool bar and the NUM LOCK timer.
  void ConnectCommands();
  // The compute command's steps.
  void ResetResults();
  bool RequiredInputsGiven();
  void CopyInputsIntoEngine();
  bool InputsInRange();
  void ShowResults();
  // ClearResults without the hydraulic figures: a refused compute changed no input of theirs.
  void ClearComputeResults();
  // The electricity price of the pump cost: row 0, column 3 of the fuel catalogue.
  std::string ElectricityPrice() const;
  bool resultsShown_ = false;  // a compute's results are on screen
  // ---- end of the commands --------------------------------------------------------------------
};
