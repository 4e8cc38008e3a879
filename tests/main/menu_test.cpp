// The main window's commands: every menu item with its caption and shortcut and the window it
// opens, modal or modeless; the tool bar with its status texts; the calculation buttons; the web
// pages, the help and the producers' database; the shared Ctrl+Y; the NUM LOCK indicator and the
// menu's drawing.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionMenuItem>
#include <QTest>

#include "command_fixture.h"
#include "platform/system.h"

namespace {

using Action = QAction* Ui::TForm1::*;

class MenuTest : public CommandTest {
 protected:
  static Ui::TForm1& Main() { return Form1->ui(); }

  platform::ScriptedDialogs dialogs;
};

// Each command opens its window: modal ones run to their close, modeless ones stay open beside
// the main window and come to the front again on the next use.
TEST_F(MenuTest, EveryCommandOpensItsWindowTheRightWay) {
  struct Case {
    Action action;
    const char* caption;
    const char* shortcut;
    std::function<QWidget*()> window;
    bool modal;
  };
  // Enabled as the compute command leaves it.
  Main().Opcjeraportu1->setEnabled(true);
  const std::vector<Case> cases = {
      {&Ui::TForm1::Zestawy2, "Zestawy\tCtrl+Y", "", [] { return WinPobierzZestawy; }, true},
      {&Ui::TForm1::Oprogramie2, "O programie Vindargast", "F2", [] { return WinInfo; }, true},
      {&Ui::TForm1::Zasobnik1, "Zasobnik", "Ctrl+F1", [] { return WinAddZasobnik; }, false},
      {&Ui::TForm1::Kolektorsoneczny1, "Kolektor słoneczny", "Ctrl+F2",
       [] { return WinAddKolektor; }, false},
      {&Ui::TForm1::Sterowniksolarny1, "Sterownik solarny", "Ctrl+F3",
       [] { return WinAddSterownik; }, false},
      {&Ui::TForm1::Naczyniewzbiorcze1, "Naczynie wzbiorcze", "Ctrl+F4",
       [] { return WinAddNaczynie; }, false},
      {&Ui::TForm1::Pompaobiegowa1, "Pompa obiegowa", "Ctrl+F5", [] { return WinAddPompa; }, true},
      {&Ui::TForm1::Izolacja1, "Izolacja", "Ctrl+F6", [] { return WinAddIzolacja; }, true},
      {&Ui::TForm1::Miasta, "Miejscowości", "Ctrl+F7", [] { return WinAddMiasta; }, true},
      {&Ui::TForm1::Konstrukcjawsporcza1, "Konstrukcja wsporcza", "Ctrl+F8",
       [] { return WinAddKonstrukcja; }, true},
      {&Ui::TForm1::Producent1, "Producent", "Ctrl+F9", [] { return WinAddProducent; }, true},
      {&Ui::TForm1::DodajZestaw1, "Dodaj Zestaw", "Ctrl+Q", [] { return WinZestawy; }, true},
      {&Ui::TForm1::OtwrzZestaw1, "Otwórz Zestaw", "Ctrl+U", [] { return WinOpenZestaw; }, false},
      {&Ui::TForm1::PobierzZestawy1, "Pobierz Zestawy", "Ctrl+Y", [] { return WinPobierzZestawy; },
       true},
      {&Ui::TForm1::Opcjeraportu1, "Opcje raportu", "Ctrl+H", [] { return WinRaport; }, true},
  };
  for (const Case& c : cases) {
    QAction* action = Main().*c.action;
    SCOPED_TRACE(action->objectName().toStdString());
    EXPECT_EQ(action->text(), QString::fromUtf8(c.caption));
    EXPECT_EQ(action->shortcut().toString(), c.shortcut);
    QWidget* window = c.window();
    QWidget* modal = ModalDuring([action] { action->trigger(); });
    if (c.modal) {
      EXPECT_EQ(modal, window);
      EXPECT_FALSE(window->isVisible());
    } else {
      EXPECT_EQ(modal, nullptr);
      EXPECT_TRUE(window->isVisible());
      EXPECT_FALSE(window->isModal());
      action->trigger();  // again while it is open: the same window
      EXPECT_TRUE(window->isVisible());
      window->hide();
    }
  }
}

TEST_F(MenuTest, ToolBarWritesItsStatusTextAndOpensTheSelectionWindows) {
  struct Case {
    Action action;
    const char* caption;
    const char* hint;
    const char* status;
    std::function<QWidget*()> window;
    bool modal;
  };
  const std::vector<Case> cases = {
      {&Ui::TForm1::ToolButton1, "Kolektor", "Kolektory słoneczne",
       "Okno wyboru Kolektora słonecznego", [] { return WinKolektor; }, true},
      {&Ui::TForm1::ToolButton2, "Zasobnik", "Zasobniki solarne", "Okno wyboru Zasobnika solarnego",
       [] { return WinZasobnik; }, true},
      {&Ui::TForm1::ToolButton3, "Sterownik", "Sterowniki solarne",
       "Okno wyboru Sterownika solarnego", [] { return WinSterownik; }, true},
      {&Ui::TForm1::ToolButton4, "Armatura", "Armatura", "Wybór elementów Armatury",
       [] { return WinArmatura; }, false},
      {&Ui::TForm1::ToolButton5, "Izolacja i mocowanie", "Izolacje oraz konstrukcje wsporcze",
       "Okno wyboru Izolacji", [] { return WinIzolacja; }, true},
      {&Ui::TForm1::ToolButton6, "Naczynie", "Naczynie wzbiorcze", "Okno wyboru Naczynia",
       [] { return WinNaczynie; }, true},
      {&Ui::TForm1::ToolButton7, "Pompa obiegowa", "Pompy obiegowe", "Okno wyboru Pompy obiegowej",
       [] { return WinPompa; }, true},
      {&Ui::TForm1::ToolButton8, "Lokalizacja", "Miejscowości",
       "Okno wyboru lokalizacji do obliczeń", [] { return WinLokalizacja; }, true},
  };
  for (const Case& c : cases) {
    QAction* action = Main().*c.action;
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(action->text(), QString::fromUtf8(c.caption));
    EXPECT_EQ(action->toolTip(), QString::fromUtf8(c.hint));
    Form1->SetStatusText(0, "Gotowy");
    QWidget* modal = ModalDuring([action] { action->trigger(); });
    EXPECT_EQ(Form1->StatusText(0), QString::fromUtf8(c.status));
    EXPECT_EQ(modal, c.modal ? c.window() : nullptr);
    if (!c.modal) {
      EXPECT_TRUE(c.window()->isVisible());
      c.window()->hide();
    }
  }
}

TEST_F(MenuTest, FittingsGetTheCollectorCountAndThePipeLengthInFull) {
  struct Case {
    float outdoor, indoor;
    const char* length;
  };
  for (const Case& c : {Case{1, 8, "9"}, Case{1.1f, 8, "9.10000002384186"}}) {
    Engine.DlugoscPrzewodowNaZewnatrz = c.outdoor;
    Engine.DlugoscPrzewodowWewnatrz = c.indoor;
    Engine.CollectorUnitFlow = 1.1f;
    Engine.CollectorUnitPressureDrop = 25;
    Main().ELiczbaKolektorow->setText("6");
    Engine.LiczbaKolektorow = 2;
    Main().ToolButton4->trigger();
    EXPECT_EQ(Engine.LiczbaKolektorow, 6);
    EXPECT_EQ(WinArmatura->ui().EDlugoscPrzewodowRurowych->text(), c.length);
    EXPECT_EQ(WinArmatura->ui().EJednostkoweNatezenie->text(), "1.10000002384186");
    EXPECT_EQ(WinArmatura->ui().EJednostkoweCisnienie->text(), "25");
    WinArmatura->hide();
  }
}

TEST_F(MenuTest, InsulationNeedsBothPipeLengthsAndShowsThem) {
  Main().EDlugoscPrzewZew->setText("3.5");
  Main().EDlugoscPrzewWew->clear();
  dialogs.ExpectBox("Ostrzeżenie", "Nie podałeś długości przewodów rurowych !!!",
                    platform::Icon::Stop);
  EXPECT_EQ(ModalDuring([] { Main().ToolButton5->trigger(); }), nullptr);
  EXPECT_EQ(dialogs.Pending(), 0u);
  EXPECT_EQ(Form1->StatusText(0), "Okno wyboru Izolacji");

  Main().EDlugoscPrzewWew->setText("12");
  EXPECT_EQ(ModalDuring([] { Main().ToolButton5->trigger(); }), WinIzolacja);
  EXPECT_EQ(WinIzolacja->ui().Label3->text(), "3.5 [m]");
  EXPECT_EQ(WinIzolacja->ui().Label4->text(), "12 [m]");
}

TEST_F(MenuTest, CalculationButtonsOpenTheirWindowsModally) {
  EXPECT_FALSE(Main().BitBtn3->isEnabled());
  EXPECT_FALSE(Main().BitBtn1->isEnabled());
  EXPECT_FALSE(Main().BitBtn11->isEnabled());
  EXPECT_FALSE(Main().Opcjeraportu1->isEnabled());
  Main().BitBtn3->setEnabled(true);
  Main().BitBtn1->setEnabled(true);
  EXPECT_EQ(ModalDuring([] { Main().BitBtn3->click(); }), WinKoszty);
  EXPECT_EQ(ModalDuring([] { Main().BitBtn1->click(); }), WinKalkulatorEkologiczny);

  // The insolation correction takes the tilt and azimuth itself, and keeps them after closing.
  Main().EBeta->setText("30");
  Main().EGamma->setText("15");
  EXPECT_EQ(ModalDuring([] { Main().BitBtn7->click(); }), Form3);
  EXPECT_EQ(Form3->ui().Edit1->text(), "30");
  EXPECT_EQ(Form3->ui().Edit2->text(), "15");
}

TEST_F(MenuTest, WebPagesOpenOnTheConfiguredServer) {
  qputenv("VINDARGAST_SERVER", "http://127.0.0.1:8080/");
  Main().Pomoconline1->trigger();
  Main().Bazasprztuonline1->trigger();
  qunsetenv("VINDARGAST_SERVER");
  Main().Pomoconline1->trigger();
  EXPECT_EQ(dialogs.OpenedUrls(),
            (std::vector<QString>{"http://127.0.0.1:8080/pomoc.html",
                                  "http://127.0.0.1:8080/on-line/oferta-producent/wybor.php",
                                  TForm1::ServerAddress() + "/pomoc.html"}));
  EXPECT_TRUE(TForm1::ServerAddress().startsWith("https://"));
}

TEST_F(MenuTest, HelpOpensTheHelpFileBesideTheProgram) {
  QFile::remove(platform::HelpFilePath());
  dialogs.ExpectBox(
      "Vindargast",
      "Nie znaleziono pliku pomocy:\n" + QDir::toNativeSeparators(platform::HelpFilePath()),
      platform::Icon::Warning);
  Main().Tematypomocy1->trigger();
  EXPECT_EQ(Main().Tematypomocy1->shortcut().toString(), "F1");
}

// The build compiles the user guide into the help file beside the program; the help command's
// viewer gets it whole.
TEST_F(MenuTest, HelpFileHoldsTheGuidesPages) {
  QFile help(QString::fromUtf8(VINDARGAST_HELP_FILE));
  if (!help.exists()) GTEST_SKIP() << "no help compiler in this build";
  ASSERT_TRUE(help.open(QIODevice::ReadOnly));
  const QByteArray bytes = help.readAll();
  EXPECT_TRUE(bytes.startsWith("ITSF"));  // a compiled HTML help file
  for (const char* page : {"/index.html", "/projekt.html", "/okna.html", "/pliki.html"})
    EXPECT_TRUE(bytes.contains(page)) << page;
  platform::ShowHelpFile(help.fileName());
  ASSERT_EQ(dialogs.StartedProcesses().size(), 1u);
  EXPECT_EQ(dialogs.StartedProcesses()[0].arguments,
            QStringList{QFileInfo(help.fileName()).absoluteFilePath()});
}

TEST_F(MenuTest, ProducersDatabaseUnreachableIsReportedAndOpensNothing) {
  dialogs.ExpectPlain(QString::fromUtf8(
      "Nieudane połączenie z bazą! Prawdopodobnie nie masz połączenia z Internetem "));
  EXPECT_EQ(ModalDuring([] { Main().Oferta1->trigger(); }), nullptr);
  EXPECT_FALSE(WinProducenci->isVisible());
}

TEST_F(MenuTest, NumLockIndicatorFollowsTheKey) {
  dialogs.SetNumLock(true);
  QTRY_COMPARE_WITH_TIMEOUT(Form1->StatusText(2), QString("NUM LOCK"), 3000);
  dialogs.SetNumLock(false);
  QTRY_COMPARE_WITH_TIMEOUT(Form1->StatusText(2), QString(), 3000);
  dialogs.SetNumLock(true);
  Form1->Timer1Timer();
  dialogs.SetNumLock(std::nullopt);  // no keyboard state to be had
  Form1->Timer1Timer();
  EXPECT_EQ(Form1->StatusText(2), "");
  EXPECT_EQ(Form1->Timer1->interval(), 1000);
}

// The keys as a user presses them: Ctrl+Y opens the set download window once, though two items
// show it; F2 the about window; Ctrl+E asks before quitting.
TEST_F(MenuTest, ShortcutsRunTheirCommandOnce) {
  ASSERT_GT(Engine.WriteProjectFile("default.xml"), 0);  // the first showing reads it quietly
  Form1->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
  Form1->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
  QTest::qWait(50);

  int shown = 0;
  struct Counter : QObject {
    int* count;
    explicit Counter(int* c) : count(c) {}
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Show) ++*count;
      return false;
    }
  } counter(&shown);
  WinPobierzZestawy->installEventFilter(&counter);
  EXPECT_EQ(ModalDuring([] { QTest::keyClick(Form1, Qt::Key_Y, Qt::ControlModifier); }),
            WinPobierzZestawy);
  QTest::qWait(50);
  EXPECT_EQ(shown, 1);
  WinPobierzZestawy->removeEventFilter(&counter);

  const auto activate = [] {
    Form1->activateWindow();
    return QTest::qWaitForWindowActive(Form1);
  };
  ASSERT_TRUE(activate());
  EXPECT_EQ(ModalDuring([] { QTest::keyClick(Form1, Qt::Key_F2); }), WinInfo);
  ASSERT_TRUE(activate());

  dialogs.ExpectBox("Pytanie", "Czy na pewno chcesz zakończyć pracę programu ?",
                    platform::Icon::Question, platform::Buttons::YesNo, platform::Answer::No);
  QTest::keyClick(Form1, Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(dialogs.Pending(), 0u);
  EXPECT_TRUE(Form1->isVisible());
  Form1->hide();
}

// The menu's own drawing of a drop-down item: the grey icon strip, and for a highlighted item
// the sky-blue fill in a black frame when it can be used, white when it cannot.
TEST_F(MenuTest, HighlightedItemIsFramedAndFilledOnlyWhenEnabled) {
  QMenu* menu = Main().Raport1;
  QStyle* look = menu->style();
  ASSERT_NE(look, nullptr);
  const auto draw = [&](bool enabled) {
    QImage image(240, 22, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QStyleOptionMenuItem option;
    option.initFrom(menu);
    option.rect = QRect(0, 0, 240, 22);
    option.text = "Opcje raportu\tCtrl+H";
    option.menuItemType = QStyleOptionMenuItem::Normal;
    option.font = menu->font();
    option.state = QStyle::State_Selected;
    if (enabled) option.state |= QStyle::State_Enabled;
    QPainter painter(&image);
    look->drawControl(QStyle::CE_MenuItem, &option, &painter, menu);
    painter.end();
    return image;
  };
  const QImage enabled = draw(true);
  EXPECT_EQ(enabled.pixelColor(10, 11), QColor(224, 224, 224));  // icon strip
  EXPECT_EQ(enabled.pixelColor(120, 1), QColor(166, 202, 240));  // fill
  EXPECT_EQ(enabled.pixelColor(120, 0), QColor(Qt::black));      // frame
  EXPECT_EQ(enabled.pixelColor(23, 11), QColor(Qt::black));
  const QImage disabled = draw(false);
  EXPECT_EQ(disabled.pixelColor(10, 11), QColor(224, 224, 224));
  EXPECT_EQ(disabled.pixelColor(120, 1), QColor(Qt::white));
  EXPECT_EQ(disabled.pixelColor(120, 0), QColor(Qt::white));
  EXPECT_EQ(disabled.pixelColor(23, 11), QColor(Qt::white));
}

}  // namespace

// No tool bar button and no item of "Dodaj Sprzęt" is without its picture, and the about window
// shows the partner's logo.
TEST_F(MenuTest, ToolBarButtonsMenuItemsAndTheAboutWindowHaveTheirPictures) {
  auto& ui = Form1->ui;
  for (QAction* action : {ui().ToolButton1, ui().ToolButton2, ui().ToolButton3, ui().ToolButton4,
                          ui().ToolButton5, ui().ToolButton6, ui().ToolButton7, ui().ToolButton8,
                          ui().Zasobnik1, ui().Kolektorsoneczny1, ui().Sterowniksolarny1,
                          ui().Naczyniewzbiorcze1, ui().Pompaobiegowa1, ui().Izolacja1, ui().Miasta,
                          ui().Konstrukcjawsporcza1, ui().Producent1}) {
    SCOPED_TRACE(action->objectName().toStdString());
    const QImage picture = action->icon().pixmap(24, 24).toImage();
    ASSERT_FALSE(picture.isNull());
    // Not blank: some pixel is drawn.
    bool drawn = false;
    for (int y = 0; y < picture.height() && !drawn; ++y)
      for (int x = 0; x < picture.width() && !drawn; ++x) drawn = qAlpha(picture.pixel(x, y)) > 0;
    EXPECT_TRUE(drawn);
  }
  TWinInfo about;
  EXPECT_FALSE(about.ui().Image2->pixmap().isNull());
}
