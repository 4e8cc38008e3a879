// The main window's design inputs: what typing into the edits keeps, what reaches Engine, the
// lists, the check boxes with their groups, and the installation-scheme buttons.
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "main/izolacja.h"
#include "main/zasobnik.h"
#include "selection_fixture.h"

namespace {

class InputsTest : public SelectionTest {
 protected:
  // Replaces the edit's text by typing, as a user would after selecting it all.
  static void Retype(QLineEdit* edit, const QString& keys) {
    edit->selectAll();
    QTest::keyClicks(edit, keys);
  }
  // Keys QTest::keyClicks cannot type (it takes Latin-1 only), as a Polish keyboard types them.
  static void TypeKeys(QLineEdit* edit, const QString& keys) {
    for (QChar c : keys) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QApplication::sendEvent(edit, &press);
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QApplication::sendEvent(edit, &release);
    }
  }
  static void Empty(QLineEdit* edit) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
  }
  static std::vector<QWidget*> Widgets(std::initializer_list<QWidget*> widgets) { return widgets; }
  // Shown, as far as the control itself says (the window itself is not on the screen).
  static bool Shown(const QWidget* widget) { return !widget->isHidden(); }

  // The main window shown with the focus in `edit`, for the tests of leaving a field. Its first
  // showing reads the default settings: those of the design as it stands.
  void ShowWithFocusIn(QLineEdit* edit) {
    ASSERT_GT(Engine.WriteProjectFile("default.xml"), 0);
    form_->show();
    form_->activateWindow();
    edit->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    QTRY_VERIFY(edit->hasFocus());
  }
};

TEST_F(InputsTest, KeyFiltersKeepDigitsAndPointsAndTurnCommasIntoPoints) {
  platform::ScriptedDialogs dialogs;
  Form1->ui().CheckCyrkulacja->setChecked(true);
  Form1->ui().Button3->click();
  const struct Case {
    const char* name;
    QLineEdit* edit;
    QString keys;
    QString text;
  } cases[] = {
      {"comma becomes a point", Form1->ui().ETempCWU, "1,5", "1.5"},
      {"letters dropped", Form1->ui().EDCWU, "a6b0c", "60"},
      {"signs and blanks dropped", Form1->ui().EGamma, "-1 +5e", "15"},
      {"point kept", Form1->ui().EHStatyczna, "4.25", "4.25"},
      {"circulation time", Form1->ui().ECzasPompyCyrk, "2,5h", "2.5"},
      {"circulation length", Form1->ui().EDlugoscPompyCyrk, "x12,0", "12.0"},
      {"building area through Edit7's filter", Form1->ui().PowDomu, "1a2,5", "12.5"},
      {"energy through Edit8's filter", Form1->ui().EnergiaDom, "9,9z", "9.9"},
      {"pool length", Form1->ui().BasenDlugosc, "7,5m", "7.5"},
      {"collector count refuses points and commas", Form1->ui().ELiczbaKolektorow, "1,2.3", "123"},
      {"collector count refuses letters", Form1->ui().ELiczbaKolektorow, "x6", "6"},
  };
  for (const Case& c : cases) {
    Retype(c.edit, c.keys);
    EXPECT_EQ(c.edit->text(), c.text) << c.name;
  }
  Retype(Form1->ui().EBeta, "3");
  TypeKeys(Form1->ui().EBeta, QStringLiteral("ąę0ł,ó"));
  EXPECT_EQ(Form1->ui().EBeta->text(), "30.");
  Empty(Form1->ui().ELiczbaKolektorow);
  TypeKeys(Form1->ui().ELiczbaKolektorow, QStringLiteral("ś7"));
  EXPECT_EQ(Form1->ui().ELiczbaKolektorow->text(), "7");
  // Backspace passes every filter.
  QTest::keyClick(Form1->ui().ELiczbaKolektorow, Qt::Key_Backspace);
  EXPECT_EQ(Form1->ui().ELiczbaKolektorow->text(), "");
}

TEST_F(InputsTest, DecimalFilterItself) {
  const struct {
    char16_t key;
    char16_t result;
  } cases[] = {{u'7', u'7'}, {u'.', u'.'}, {u',', u'.'}, {u'\b', u'\b'}, {u'a', 0},   {u'ą', 0},
               {u'-', 0},    {u'\r', 0},   {u'\x1b', 0}, {u' ', 0},      {u'\xe9', 0}};
  for (const auto& c : cases) {
    QChar key(c.key);
    TForm1::FilterNumericKey(key);
    EXPECT_EQ(key, QChar(c.result)) << "key " << int(c.key);
  }
}

TEST_F(InputsTest, ChangeHandlersStoreZeroOrKeepTheValueWhenEmptied) {
  platform::ScriptedDialogs dialogs;
  Form1->ui().CheckCyrkulacja->setChecked(true);
  Form1->ui().Button3->click();  // central heating: Edit7 and Edit8 enabled
  const struct Case {
    const char* name;
    QLineEdit* edit;
    float* field;
    bool emptyStoresZero;
  } cases[] = {
      {"hot-water temperature", Form1->ui().ETempCWU, &Engine.TemperaturaCieplejWody, true},
      {"circulation pump hours", Form1->ui().ECzasPompyCyrk, &Engine.CzasPracyPompyCyrkulacyjnej,
       true},
      {"circulation length", Form1->ui().EDlugoscPompyCyrk, &Engine.DlugoscPrzewodowCyrkulacyjnych,
       true},
      {"litres per person", Form1->ui().EDCWU, &Engine.DCWU, false},
      {"tank ambient", Form1->ui().ETempOtoczZasobnika, &Engine.TemperaturaOtoczeniaZasobnika,
       false},
      {"supply", Form1->ui().Edit7, &Engine.TemperaturaZasilania, false},
      {"return", Form1->ui().Edit8, &Engine.TemperaturaPowrotu, false},
      {"tilt", Form1->ui().EBeta, &Engine.KatBeta, false},
      {"azimuth", Form1->ui().EGamma, &Engine.KatGamma, false},
      {"outdoor pipes", Form1->ui().EDlugoscPrzewZew, &Engine.DlugoscPrzewodowNaZewnatrz, false},
      {"indoor pipes", Form1->ui().EDlugoscPrzewWew, &Engine.DlugoscPrzewodowWewnatrz, false},
      {"static height", Form1->ui().EHStatyczna, &Engine.WysokoscStatyczna, false},
      {"cold water", Form1->ui().ETempZimnaWoda, &Engine.TemperaturaWodySieci, false},
      {"tank water", Form1->ui().ETempZasobnika, &Engine.TemperaturaWodyWZasobniku, false},
      {"building area", Form1->ui().PowDomu, &Engine.PowierzchniaBudynku, false},
      {"energy per m2", Form1->ui().EnergiaDom, &Engine.ZapotrzebowanieEnergi, false},
  };
  for (const Case& c : cases) {
    Retype(c.edit, "12,75");
    EXPECT_FLOAT_EQ(*c.field, 12.75f) << c.name;
    Empty(c.edit);
    EXPECT_FLOAT_EQ(*c.field, c.emptyStoresZero ? 0.0f : 12.75f) << c.name;
  }

  Retype(Form1->ui().ELiczbaOsob, "12");
  EXPECT_EQ(Engine.LiczbaOsob, 12);
  Empty(Form1->ui().ELiczbaOsob);
  EXPECT_EQ(Engine.LiczbaOsob, 12);
}

TEST_F(InputsTest, PoolDimensionsAreLeftToTheComputeCommand) {
  platform::ScriptedDialogs dialogs;
  const float length = Engine.BasenDlugosc;
  Form1->ui().CheckBasen->setChecked(true);
  Retype(Form1->ui().BasenDlugosc, "25");
  EXPECT_FLOAT_EQ(Engine.BasenDlugosc, length);
}

TEST_F(InputsTest, ATextThatIsNoNumberShowsTheConversionErrorAndKeepsTheValue) {
  platform::ScriptedDialogs dialogs;
  Form1->ui().CheckCyrkulacja->setChecked(true);

  dialogs.ExpectError("'1.2.' is not a valid floating point value");
  Retype(Form1->ui().ETempZasobnika, "1,2,");
  EXPECT_FLOAT_EQ(Engine.TemperaturaWodyWZasobniku, 1.2f);
  EXPECT_EQ(Form1->ui().ETempZasobnika->text(), "1.2.");

  // The number of persons is an integer behind the decimal filter.
  dialogs.ExpectError("'3.' is not a valid integer value");
  Retype(Form1->ui().ELiczbaOsob, "3.");
  EXPECT_EQ(Engine.LiczbaOsob, 3);

  // Pasted text reaches the change handler unfiltered.
  dialogs.ExpectError("'12 m' is not a valid floating point value");
  Form1->ui().EBeta->setText("12 m");
  EXPECT_FLOAT_EQ(Engine.KatBeta, 45);
  EXPECT_EQ(Form1->ui().EBeta->text(), "12 m");
}

// Once a circulation text is no number, keys still work: the key handler only filters, the change
// handler converts what the key leaves.
TEST_F(InputsTest, ACirculationTextThatIsNoNumberCanBeMended) {
  platform::ScriptedDialogs dialogs;
  Form1->ui().CheckCyrkulacja->setChecked(true);
  for (QLineEdit* edit : {Form1->ui().ECzasPompyCyrk, Form1->ui().EDlugoscPompyCyrk}) {
    const std::string name = edit->objectName().toStdString();
    float& field = edit == Form1->ui().ECzasPompyCyrk ? Engine.CzasPracyPompyCyrkulacyjnej
                                                      : Engine.DlugoscPrzewodowCyrkulacyjnych;
    Retype(edit, "2.5");
    dialogs.ExpectError("'2.5.' is not a valid floating point value");
    QTest::keyClicks(edit, ".");
    ASSERT_EQ(edit->text(), "2.5.") << name;

    QTest::keyClick(edit, Qt::Key_Backspace);  // no box: "2.5" converts
    EXPECT_EQ(edit->text(), "2.5") << name;
    QTest::keyClicks(edit, "1");
    EXPECT_EQ(edit->text(), "2.51") << name;
    EXPECT_FLOAT_EQ(field, 2.51f) << name;
    EXPECT_EQ(dialogs.Pending(), 0u) << name;
  }
}

TEST_F(InputsTest, LeavingTheOutdoorLengthEmptyOrUnreadableMakesItOneMetre) {
  platform::ScriptedDialogs dialogs;
  QLineEdit* outdoor = Form1->ui().EDlugoscPrzewZew;
  QLineEdit* indoor = Form1->ui().EDlugoscPrzewWew;
  ShowWithFocusIn(outdoor);

  Retype(outdoor, "7,5");
  indoor->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(outdoor->text(), "7.5");
  EXPECT_FLOAT_EQ(Engine.DlugoscPrzewodowNaZewnatrz, 7.5f);

  outdoor->setFocus(Qt::TabFocusReason);
  Empty(outdoor);
  EXPECT_FLOAT_EQ(Engine.DlugoscPrzewodowNaZewnatrz, 7.5f);  // emptied: kept until leaving
  indoor->setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(outdoor->text(), "1");
  EXPECT_FLOAT_EQ(Engine.DlugoscPrzewodowNaZewnatrz, 1);

  // A text that is no number: the box of the change handler, none on leaving.
  outdoor->setFocus(Qt::TabFocusReason);
  dialogs.ExpectError("'2..' is not a valid floating point value");
  Retype(outdoor, "2..");
  indoor->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(outdoor->text(), "1");
  EXPECT_FLOAT_EQ(Engine.DlugoscPrzewodowNaZewnatrz, 1);

  // The indoor length has no such fallback: empty stays empty.
  const float stored = Engine.DlugoscPrzewodowWewnatrz;
  Empty(indoor);
  outdoor->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(indoor->text(), "");
  EXPECT_FLOAT_EQ(Engine.DlugoscPrzewodowWewnatrz, stored);
  form_->hide();
}

TEST_F(InputsTest, AMessageBoxIsNoLeaving) {
  platform::ScriptedDialogs dialogs;
  QLineEdit* outdoor = Form1->ui().EDlugoscPrzewZew;
  ShowWithFocusIn(outdoor);
  Empty(outdoor);
  // Another window taking the focus, as a box does, leaves the empty text alone.
  QFocusEvent focusOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(outdoor, &focusOut);
  QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
  QApplication::sendEvent(outdoor, &popup);
  EXPECT_EQ(outdoor->text(), "");
  QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(outdoor, &tab);
  EXPECT_EQ(outdoor->text(), "1");
  form_->hide();
}

TEST_F(InputsTest, LeavingTheHotWaterTemperatureStoresItAsTheChangeDoes) {
  platform::ScriptedDialogs dialogs;
  ShowWithFocusIn(Form1->ui().ETempCWU);
  Retype(Form1->ui().ETempCWU, "55");
  Engine.TemperaturaCieplejWody = 0;  // as if changed elsewhere since
  Form1->ui().EDCWU->setFocus(Qt::TabFocusReason);
  EXPECT_FLOAT_EQ(Engine.TemperaturaCieplejWody, 55);
  form_->hide();
}

TEST_F(InputsTest, CollectorCountTimesPriceIsTheCollectorCost) {
  platform::ScriptedDialogs dialogs;
  Engine.SelectedCollector->Cena = 1000;
  Retype(Form1->ui().ELiczbaKolektorow, "3");
  EXPECT_EQ(Engine.LiczbaKolektorow, 3);
  EXPECT_FLOAT_EQ(Engine.CenaKolektory, 3000);

  // Emptied: the count stays and the cost is computed again from it.
  Engine.SelectedCollector->Cena = 1500;
  Empty(Form1->ui().ELiczbaKolektorow);
  EXPECT_EQ(Engine.LiczbaKolektorow, 3);
  EXPECT_FLOAT_EQ(Engine.CenaKolektory, 4500);

  // A count beyond the integers: the error, and neither count nor cost changes.
  dialogs.ExpectError("'99999999999' is not a valid integer value");
  Form1->ui().ELiczbaKolektorow->setText("99999999999");
  EXPECT_EQ(Engine.LiczbaKolektorow, 3);
  EXPECT_FLOAT_EQ(Engine.CenaKolektory, 4500);
}

TEST_F(InputsTest, ListsStoreTheUsersPickOnly) {
  platform::ScriptedDialogs dialogs;
  TWinZasobnik tankWindow;
  WinZasobnik = &tankWindow;
  TWinIzolacja insulationWindow;
  WinIzolacja = &insulationWindow;

  Engine.LiczbaOsob = 4;
  Engine.DCWU = 50;
  Engine.LiczbaZasobnikow = 1;
  Pick(Form1->ui().ComboWspKrotnosci, Form1->ui().ComboWspKrotnosci->findText("2.0"));
  EXPECT_FLOAT_EQ(Engine.WspolczynnikKrotnosci, 2);
  EXPECT_FLOAT_EQ(tankWindow.RequiredVolume, 400);
  Engine.LiczbaZasobnikow = 2;
  Pick(Form1->ui().ComboWspKrotnosci, Form1->ui().ComboWspKrotnosci->findText("2.0"));
  EXPECT_FLOAT_EQ(tankWindow.RequiredVolume, 200);

  Pick(Form1->ui().ComboSrednicaPrzewodu, Form1->ui().ComboSrednicaPrzewodu->findText("22"));
  EXPECT_EQ(Engine.SrednicaPrzewodu, 22);
  EXPECT_EQ(platform::Cell(insulationWindow.ui().TabelaIzolacja, 1, 5), "22");

  Form1->ui().CheckBasen->setChecked(true);
  Pick(Form1->ui().basenOD, Form1->ui().basenOD->findText("06"));
  Pick(Form1->ui().basenDO, Form1->ui().basenDO->findText("08"));
  EXPECT_EQ(Engine.BasenOd, 5);
  EXPECT_EQ(Engine.BasenDo, 7);
  Pick(Form1->ui().basenOD, Form1->ui().basenOD->findText("05"));
  Pick(Form1->ui().basenDO, Form1->ui().basenDO->findText("09"));
  EXPECT_EQ(Engine.BasenOd, 4);
  EXPECT_EQ(Engine.BasenDo, 8);

  // Set from the program, or typed and confirmed: no handler, no new item.
  Form1->ui().ComboSrednicaPrzewodu->setCurrentIndex(0);
  EXPECT_EQ(Engine.SrednicaPrzewodu, 22);
  const int items = Form1->ui().ComboSrednicaPrzewodu->count();
  Form1->ui().ComboSrednicaPrzewodu->lineEdit()->selectAll();
  QTest::keyClicks(Form1->ui().ComboSrednicaPrzewodu->lineEdit(), "25");
  QTest::keyClick(Form1->ui().ComboSrednicaPrzewodu->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(Form1->ui().ComboSrednicaPrzewodu->count(), items);
  EXPECT_EQ(Engine.SrednicaPrzewodu, 22);
  EXPECT_EQ(Form1->ui().ComboSrednicaPrzewodu->currentText(), "25");

  WinZasobnik = nullptr;
  WinIzolacja = nullptr;
}

TEST_F(InputsTest, CheckBoxesSetTheirFlagsAndShowTheirGroups) {
  platform::ScriptedDialogs dialogs;
  auto& ui = Form1->ui;
  const auto circulation = Widgets({ui().ECzasPompyCyrk, ui().EDlugoscPompyCyrk, ui().Label5,
                                    ui().Label6, ui().Label41, ui().Label42});
  const auto pool =
      Widgets({ui().Image2, ui().StaticText4, ui().StaticText5, ui().StaticText6, ui().StaticText7,
               ui().StaticText8, ui().StaticText9, ui().StaticText10, ui().StaticText11,
               ui().StaticText12, ui().StaticText13, ui().BasenDlugosc, ui().BasenSzerokosc,
               ui().BasenGlebokosc, ui().CheckPrzeslona, ui().basenOD, ui().basenDO});
  // At start every group is hidden and the circulation edits disabled.
  for (QWidget* w : circulation) EXPECT_FALSE(Shown(w)) << w->objectName().toStdString();
  for (QWidget* w : pool) EXPECT_FALSE(Shown(w)) << w->objectName().toStdString();
  EXPECT_FALSE(ui().ECzasPompyCyrk->isEnabled());
  EXPECT_TRUE(ui().CheckIzolacja->isChecked());

  ui().CheckIzolacja->setChecked(false);
  EXPECT_EQ(Engine.Izolacja, 0);
  EXPECT_FALSE(ui().ToolButton5->isEnabled());
  ui().CheckIzolacja->setChecked(true);
  EXPECT_EQ(Engine.Izolacja, 1);
  EXPECT_TRUE(ui().ToolButton5->isEnabled());

  ui().CheckCyrkulacja->setChecked(true);
  EXPECT_EQ(Engine.Cyrkulacja, 1);
  for (QWidget* w : circulation) EXPECT_TRUE(Shown(w)) << w->objectName().toStdString();
  EXPECT_TRUE(ui().ECzasPompyCyrk->isEnabled());
  EXPECT_TRUE(ui().EDlugoscPompyCyrk->isEnabled());
  Retype(ui().ECzasPompyCyrk, "3");
  Retype(ui().EDlugoscPompyCyrk, "15");
  ui().CheckCyrkulacja->setChecked(false);
  EXPECT_EQ(Engine.Cyrkulacja, 0);
  EXPECT_FLOAT_EQ(Engine.CzasPracyPompyCyrkulacyjnej, 0);
  EXPECT_FLOAT_EQ(Engine.DlugoscPrzewodowCyrkulacyjnych, 0);
  EXPECT_EQ(ui().ECzasPompyCyrk->text(), "3");
  EXPECT_EQ(ui().EDlugoscPompyCyrk->text(), "15");
  for (QWidget* w : circulation) EXPECT_FALSE(Shown(w)) << w->objectName().toStdString();
  EXPECT_FALSE(ui().EDlugoscPompyCyrk->isEnabled());
  // Ticked again, the values come back only with a change of text.
  ui().CheckCyrkulacja->setChecked(true);
  EXPECT_FLOAT_EQ(Engine.CzasPracyPompyCyrkulacyjnej, 0);

  // The cover counts only with the pool; unticking the pool keeps the cover's value.
  ui().CheckPrzeslona->setChecked(true);
  EXPECT_EQ(Engine.Przeslona, 0);
  ui().CheckBasen->setChecked(true);
  EXPECT_EQ(Engine.Basen, 1);
  for (QWidget* w : pool) EXPECT_TRUE(Shown(w)) << w->objectName().toStdString();
  ui().CheckPrzeslona->setChecked(false);
  ui().CheckPrzeslona->setChecked(true);
  EXPECT_EQ(Engine.Przeslona, 1);
  ui().CheckBasen->setChecked(false);
  EXPECT_EQ(Engine.Basen, 0);
  EXPECT_EQ(Engine.Przeslona, 1);
  for (QWidget* w : pool) EXPECT_FALSE(Shown(w)) << w->objectName().toStdString();
}

class SchemeTest : public InputsTest {
 protected:
  std::vector<QWidget*> CentralHeating() const {
    auto& ui = Form1->ui;
    return Widgets({ui().Edit7, ui().Edit8, ui().PowDomu, ui().EnergiaDom, ui().Label10,
                    ui().Label11, ui().Label12, ui().Label30, ui().Label31, ui().Label33,
                    ui().Label34, ui().Label55, ui().Label56, ui().Label59, ui().Label57,
                    ui().Label58});
  }
  std::vector<QWidget*> SecondTank() const {
    auto& ui = Form1->ui;
    return Widgets({ui().Label64, ui().Label69, ui().Label87});
  }
  // Every control of the group shown (true) or hidden (false).
  static void ExpectShown(const std::vector<QWidget*>& group, bool shown, const char* name) {
    for (QWidget* w : group)
      EXPECT_EQ(Shown(w), shown) << name << ": " << w->objectName().toStdString();
  }
  static QImage Picture(const char* file) { return QImage(QString("Grafika/") + file); }
  QImage Shown() const { return Form1->ui().ObrazekTlo->pixmap().toImage(); }
  using InputsTest::Shown;
};

TEST_F(SchemeTest, EachButtonShowsItsPictureAndSetsTanksSchemeAndGroups) {
  platform::ScriptedDialogs dialogs;
  const struct Case {
    QPushButton* button;
    const char* caption;
    const char* picture;
    int tanks;
    int centralHeating;
  } cases[] = {
      {Form1->ui().Button4, "CWU + CO + 2 Zasobniki", "CWU+CO-2zasobniki.bmp", 2, 1},
      {Form1->ui().Button1, " CWU - 1  Zasobnik ", "CWU-1zasobnik.bmp", 1, 0},
      {Form1->ui().Button3, "CWU + CO + 1  Zasobnik", "CWU+CO-1zasobnik.bmp", 1, 1},
      {Form1->ui().Button2, "  CWU - 2  Zasobniki", "CWU-2zasobniki.bmp", 2, 0},
  };
  Engine.SelectedTank->Cena = 3000;
  Engine.SelectedTank2->Cena = 2000;
  for (const Case& c : cases) {
    EXPECT_EQ(c.button->text(), c.caption);
    c.button->click();
    const QImage expected = Picture(c.picture).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(Shown().convertToFormat(QImage::Format_RGB32), expected) << c.caption;
    EXPECT_EQ(Engine.LiczbaZasobnikow, c.tanks) << c.caption;
    EXPECT_EQ(Engine.CWUCO, c.centralHeating) << c.caption;
    ExpectShown(CentralHeating(), c.centralHeating == 1, c.caption);
    EXPECT_EQ(Form1->ui().Edit7->isEnabled(), c.centralHeating == 1) << c.caption;
    EXPECT_EQ(Form1->ui().Edit8->isEnabled(), c.centralHeating == 1) << c.caption;
    ExpectShown(SecondTank(), c.tanks == 2, c.caption);
    EXPECT_FLOAT_EQ(Engine.CenaZasobnik, c.tanks == 2 ? 5000 : 3000) << c.caption;
  }
}

// The tank cost item follows the tanks only when the user picks another scheme: a click on the
// scheme shown, or the scheme the program shows for a design it read, keeps the item typed.
TEST_F(SchemeTest, OnlyAnotherSchemePricesTheTanksAnew) {
  platform::ScriptedDialogs dialogs;
  Engine.SelectedTank->Cena = 3000;
  Engine.SelectedTank2->Cena = 2000;
  Form1->ui().Button3->click();
  Engine.CenaZasobnik = 1999;  // typed in the cost window
  Form1->ui().Button3->click();
  EXPECT_EQ(Engine.CenaZasobnik, 1999.0f);
  Engine.LiczbaZasobnikow = 2;  // as a read design holds it
  Form1->ShowScheme(1, 2);
  EXPECT_EQ(Shown().convertToFormat(QImage::Format_RGB32),
            Picture("CWU+CO-2zasobniki.bmp").convertToFormat(QImage::Format_RGB32));
  ExpectShown(SecondTank(), true, "ShowScheme");
  EXPECT_EQ(Engine.CenaZasobnik, 1999.0f);
  Form1->ui().Button1->click();
  EXPECT_EQ(Engine.CenaZasobnik, 3000.0f);
}

// A missing picture does not stop the switch; the picture is empty and the file reported once.
TEST_F(SchemeTest, AMissingPictureIsReportedOnceAndTheSchemeStillChanges) {
  platform::ScriptedDialogs dialogs;
  folder_.Remove("Grafika/CWU+CO-2zasobniki.bmp");
  Form1->ui().Button1->click();
  ASSERT_FALSE(Form1->ui().ObrazekTlo->pixmap().isNull());

  dialogs.ExpectBox(
      QStringLiteral("Ostrzeżenie"),
      QStringLiteral(
          "Nie można wczytać rysunku schematu instalacji z pliku Grafika/CWU+CO-2zasobniki.bmp"),
      platform::Icon::Warning);
  Form1->ui().Button4->click();
  EXPECT_TRUE(Form1->ui().ObrazekTlo->pixmap().isNull());
  EXPECT_EQ(Engine.LiczbaZasobnikow, 2);
  EXPECT_EQ(Engine.CWUCO, 1);
  ExpectShown(CentralHeating(), true, "Button4");
  ExpectShown(SecondTank(), true, "Button4");
  EXPECT_TRUE(Form1->ui().Edit7->isEnabled());

  Form1->ui().Button1->click();
  EXPECT_FALSE(Form1->ui().ObrazekTlo->pixmap().isNull());
  Form1->ui().Button4->click();  // no second box
  EXPECT_TRUE(Form1->ui().ObrazekTlo->pixmap().isNull());
  EXPECT_EQ(Engine.LiczbaZasobnikow, 2);
}

TEST_F(InputsTest, EditsFollowTheOrderOfTheDesign) {
  platform::ScriptedDialogs dialogs;
  Form1->ui().CheckCyrkulacja->setChecked(true);
  QWidget* edit = Form1->ui().ETempCWU;
  const char* const order[] = {"ELiczbaOsob", "EDCWU", "ECzasPompyCyrk", "EDlugoscPompyCyrk",
                               "ETempOtoczZasobnika"};
  for (const char* next : order) {
    edit = edit->nextInFocusChain();
    while (edit->focusPolicy() == Qt::NoFocus) edit = edit->nextInFocusChain();
    EXPECT_EQ(edit->objectName(), next);
  }
}

}  // namespace
