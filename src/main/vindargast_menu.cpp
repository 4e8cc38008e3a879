// The main window's command surface: the owner-drawn menu with its items and shortcuts, the tool
// bar of the selection windows, the calculation buttons, the insolation-correction button and the
// status bar's NUM LOCK indicator. Most commands only open a window, modally or modeless.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QIcon>
#include <QIconEngine>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOptionMenuItem>
#include <QTimer>
#include <QToolBar>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <utility>

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
#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "main/Unit3.h"
#include "main/info.h"
#include "main/izolacja.h"
#include "main/kolektor.h"
#include "main/lokalizacja.h"
#include "main/naczynie.h"
#include "main/pictures.h"
#include "main/pompa.h"
#include "main/sterownik.h"
#include "main/vendor.h"
#include "main/vindargast.h"
#include "main/zasobnik.h"
#include "online/DMVindargast.h"
#include "online/OpenZestaw.h"
#include "online/pobierz_zestawy.h"
#include "online/producent.h"
#include "online/zestawy.h"
#include "platform/guard.h"
#include "platform/message_box.h"
#include "platform/numlock.h"
#include "platform/system.h"
#include "report/raport.h"

namespace {

// A picture read or drawn only when it is first painted: most menu pictures are never seen in a
// run, and making them all at start costs more than the main window's own drawing.
class LazyIconEngine : public QIconEngine {
 public:
  explicit LazyIconEngine(std::function<QIcon()> make) : make_(std::move(make)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().pixmap(size, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    return Icon().pixmap(size, scale, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Icon().availableSizes(mode, state);
  }
  bool isNull() override { return Icon().isNull(); }
  QIconEngine* clone() const override { return new LazyIconEngine(*this); }

 private:
  const QIcon& Icon() {
    if (make_) {
      icon_ = make_();
      make_ = nullptr;
    }
    return icon_;
  }

  std::function<QIcon()> make_;
  QIcon icon_;
};

QIcon LazyIcon(std::function<QIcon()> make) {
  return QIcon(new LazyIconEngine(std::move(make)));
}

const QColor kSkyBlue(166, 202, 240);
const QColor kIconStrip(224, 224, 224);
const QColor kSilver(192, 192, 192);

// The menu's drawing, in place of the system's: the item routines of every drop-down and the
// draw handler of the bar items.
class MenuLook : public QProxyStyle {
 public:
  static constexpr int kIconStripWidth = 22;
  static constexpr int kHighlightLeft = 24;
  static constexpr int kTextLeft = 32;
  static constexpr int kExtraWidth = 38;
  static constexpr int kExtraHeight = 2;

  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override {
    QSize measured = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_MenuItem) measured += QSize(kExtraWidth, kExtraHeight);
    return measured;
  }

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_PanelMenu || element == PE_FrameMenu) {
      painter->fillRect(option->rect, Qt::white);
      return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuItem && item) {
      DrawMenuItem(*item, painter);
    } else if (element == CE_MenuBarItem && item) {
      DrawBarItem(*item, painter);
    } else if (element == CE_MenuBarEmptyArea) {
      painter->fillRect(option->rect, option->palette.color(QPalette::Button));
    } else {
      QProxyStyle::drawControl(element, option, painter, widget);
    }
  }

 private:
  static void DrawMenuItem(const QStyleOptionMenuItem& item, QPainter* painter) {
    const QRect& rect = item.rect;
    const int left = rect.left(), top = rect.top();
    const int right = rect.left() + rect.width(), bottom = rect.top() + rect.height();
    painter->save();
    painter->fillRect(rect, Qt::white);
    painter->fillRect(QRect(QPoint(left, top - 1), QPoint(kIconStripWidth - 1, bottom)),
                      kIconStrip);
    if (item.menuItemType == QStyleOptionMenuItem::Separator) {
      painter->setPen(Qt::black);
      const int y = top + rect.height() / 2;
      painter->drawLine(kIconStripWidth, y, right, y);
      painter->restore();
      return;
    }
    const bool highlighted = item.state & State_Selected;
    const bool enabled = item.state & State_Enabled;
    QFont font = item.font;
    QColor text = enabled ? QColor(Qt::black) : kSilver;
    if (highlighted && enabled) {
      painter->setPen(Qt::black);
      painter->drawRect(
          QRect(QPoint(left + kHighlightLeft - 1, top), QPoint(right - 1, bottom - 1)));
      painter->fillRect(
          QRect(QPoint(left + kHighlightLeft, top + 1), QPoint(right - 2, bottom - 2)), kSkyBlue);
      font.setBold(true);
    }
    if (!item.icon.isNull())
      painter->drawPixmap(3, top + 2,
                          item.icon.pixmap(16, 16, enabled ? QIcon::Normal : QIcon::Disabled));

    // The caption, and after a tab the shortcut's key name.
    const int tab = item.text.indexOf(QLatin1Char('\t'));
    const QString caption = tab < 0 ? item.text : item.text.left(tab);
    const QString shortcut = (tab < 0 ? QString() : item.text.mid(tab + 1)) + QLatin1Char(' ');
    painter->setFont(font);
    painter->setPen(text);
    const QRect textArea(QPoint(left + kTextLeft, top + 3), QPoint(right - 2, bottom - 1));
    painter->drawText(textArea, Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, caption);
    painter->drawText(textArea, Qt::AlignRight | Qt::AlignTop, shortcut);
    painter->restore();
  }

  static void DrawBarItem(const QStyleOptionMenuItem& item, QPainter* painter) {
    const QRect& rect = item.rect;
    painter->save();
    const QColor face = item.palette.color(QPalette::Button);
    painter->fillRect(rect, face);
    if (!item.text.isEmpty()) {
      if (item.state & (State_Selected | State_Sunken)) {
        painter->setPen(Qt::black);
        painter->drawRect(rect.adjusted(0, 0, -1, -1));
        painter->fillRect(rect.adjusted(1, 1, -1, -1), kSkyBlue);
      }
      painter->setFont(item.font);
      painter->setPen(Qt::black);
      painter->drawText(rect.adjusted(5, 1, 0, 0),
                        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, item.text);
    }
    painter->restore();
  }
};

// One look for every main window: a style must outlive each widget that uses it.
QStyle* TheMenuLook() {
  static QStyle* const look = new MenuLook();
  return look;
}

// A modeless window that is open already comes to the front.
void ShowModeless(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

// The collector count as the fittings window takes it: the number truncated toward zero.
int32_t TruncatedCount(const QString& text) {
  const double value = std::trunc(double(ReadFloat(text.toStdString())));
  if (!(value >= std::numeric_limits<int32_t>::min() &&
        value <= std::numeric_limits<int32_t>::max()))
    throw NumberConversionError("'" + text.toStdString() + "' is not a valid integer value");
  return static_cast<int32_t>(value);
}

}  // namespace

void TForm1::ConnectCommands() {
  struct Command {
    QAction* action;
    void (TForm1::*handler)();
  };
  const Command commands[] = {
      {ui().Zestawy2, &TForm1::Zestawy2Click},
      {ui().Oprogramie2, &TForm1::Oprogramie2Click},
      {ui().Tematypomocy1, &TForm1::Tematypomocy1Click},
      {ui().Pomoconline1, &TForm1::Pomoconline1Click},
      {ui().Zasobnik1, &TForm1::Zasobnik1Click},
      {ui().Kolektorsoneczny1, &TForm1::Kolektorsoneczny1Click},
      {ui().Sterowniksolarny1, &TForm1::Sterowniksolarny1Click},
      {ui().Naczyniewzbiorcze1, &TForm1::Naczyniewzbiorcze1Click},
      {ui().Pompaobiegowa1, &TForm1::Pompaobiegowa1Click},
      {ui().Izolacja1, &TForm1::Izolacja1Click},
      {ui().Miasta, &TForm1::MiastaClick},
      {ui().Konstrukcjawsporcza1, &TForm1::Konstrukcjawsporcza1Click},
      {ui().Producent1, &TForm1::Producent1Click},
      {ui().DodajZestaw1, &TForm1::DodajZestaw1Click},
      {ui().OtwrzZestaw1, &TForm1::OtwrzZestaw1Click},
      {ui().PobierzZestawy1, &TForm1::PobierzZestawy1Click},
      {ui().Dane1, &TForm1::Dane1Click},
      {ui().Program1, &TForm1::Program1Click},
      {ui().Opcjeraportu1, &TForm1::Opcjeraportu1Click},
      {ui().Oferta1, &TForm1::Oferta1Click},
      {ui().Bazasprztuonline1, &TForm1::Bazasprztuonline1Click},
      {ui().ToolButton1, &TForm1::ToolButton1Click},
      {ui().ToolButton2, &TForm1::ToolButton2Click},
      {ui().ToolButton3, &TForm1::ToolButton3Click},
      {ui().ToolButton4, &TForm1::ToolButton4Click},
      {ui().ToolButton5, &TForm1::ToolButton5Click},
      {ui().ToolButton6, &TForm1::ToolButton6Click},
      {ui().ToolButton7, &TForm1::ToolButton7Click},
      {ui().ToolButton8, &TForm1::ToolButton8Click},
  };
  for (const Command& command : commands)
    platform::Connect(command.action, &QAction::triggered, this, command.handler);

  struct Button {
    QPushButton* button;
    void (TForm1::*handler)();
  };
  const Button buttons[] = {
      {ui().BitBtn2, &TForm1::BitBtn2Click}, {ui().BitBtn11, &TForm1::BitBtn11Click},
      {ui().BitBtn3, &TForm1::BitBtn3Click}, {ui().BitBtn1, &TForm1::BitBtn1Click},
      {ui().BitBtn7, &TForm1::BitBtn7Click},
  };
  for (const Button& button : buttons)
    platform::Connect(button.button, &QPushButton::clicked, this, button.handler);

  // Both items open the set download window; one key may start one command only, so the second
  // item shows the key without owning it (two owners would leave the key doing nothing).
  ui().Zestawy2->setShortcut(QKeySequence());
  ui().Zestawy2->setText(ui().Zestawy2->text() + QStringLiteral("\tCtrl+Y"));

  // The menu's pictures: the items of the file and help menus.
  QStyle* look = TheMenuLook();
  const std::pair<QAction*, QStyle::StandardPixmap> standard[] = {
      {ui().Otowrz, QStyle::SP_DialogOpenButton},
      {ui().Zapisz1, QStyle::SP_DialogSaveButton},
      {ui().Oprogramie2, QStyle::SP_MessageBoxInformation},
      {ui().Tematypomocy1, QStyle::SP_DialogHelpButton},
  };
  for (const auto& [action, which] : standard)
    action->setIcon(LazyIcon([look, which = which] { return look->standardIcon(which); }));
  RegisterWindowPictures();
  const auto picture = [](const char* name) {
    const QString file = QStringLiteral(":/images/") + QString::fromUtf8(name) + ".png";
    return LazyIcon([file] { return QIcon(file); });
  };
  const std::pair<QAction*, const char*> pictures[] = {
      {ui().Zasobnik1, "zasobnik"},          {ui().Kolektorsoneczny1, "kolektor"},
      {ui().Sterowniksolarny1, "sterownik"}, {ui().Naczyniewzbiorcze1, "naczynie"},
      {ui().Pompaobiegowa1, "pompa"},        {ui().Izolacja1, "izolacja"},
      {ui().Miasta, "lokalizacja"},          {ui().Konstrukcjawsporcza1, "konstrukcja"},
      {ui().Producent1, "producent"},        {ui().ToolButton1, "kolektor"},
      {ui().ToolButton2, "zasobnik"},        {ui().ToolButton3, "sterownik"},
      {ui().ToolButton4, "armatura"},        {ui().ToolButton5, "izolacja"},
      {ui().ToolButton6, "naczynie"},        {ui().ToolButton7, "pompa"},
      {ui().ToolButton8, "lokalizacja"},
  };
  for (const auto& [action, name] : pictures) action->setIcon(picture(name));
  // The tool bar's buttons: the picture with the caption beside it.
  for (QToolBar* bar : findChildren<QToolBar*>()) {
    bar->setIconSize(QSize(24, 24));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  }
  ui().Menu->setStyle(look);
  for (QMenu* menu : ui().Menu->findChildren<QMenu*>()) menu->setStyle(look);

  Timer1 = new QTimer(this);
  Timer1->setInterval(1000);
  platform::Connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
  Timer1->start();
}

QString TForm1::ServerAddress() {
  QString address = qEnvironmentVariable("VINDARGAST_SERVER");
  if (address.isEmpty()) address = QString::fromUtf8(vendor::kWebSite);
  while (address.endsWith(QLatin1Char('/'))) address.chop(1);
  return address;
}

void TForm1::Timer1Timer() {
  SetStatusText(2, platform::NumLockOn().value_or(false) ? QStringLiteral("NUM LOCK") : QString());
}

// ---- Tool bar ----------------------------------------------------------------------------------

void TForm1::ToolButton1Click() {
  SetStatusText(0, QStringLiteral("Okno wyboru Kolektora słonecznego"));
  WinKolektor->exec();
}

void TForm1::ToolButton2Click() {
  SetStatusText(0, QStringLiteral("Okno wyboru Zasobnika solarnego"));
  WinZasobnik->exec();
}

void TForm1::ToolButton3Click() {
  SetStatusText(0, QStringLiteral("Okno wyboru Sterownika solarnego"));
  WinSterownik->exec();
}

void TForm1::ToolButton4Click() {
  SetStatusText(0, QStringLiteral("Wybór elementów Armatury"));
  ShowModeless(WinArmatura);
  Engine.LiczbaKolektorow = TruncatedCount(ui().ELiczbaKolektorow->text());
  Ui::TWinArmatura& fittings = WinArmatura->ui();
  fittings.EJednostkoweNatezenie->setText(
      QString::fromStdString(General15(Engine.CollectorUnitFlow)));
  fittings.EJednostkoweCisnienie->setText(
      QString::fromStdString(General15(Engine.CollectorUnitPressureDrop)));
  // The sum of the two stored lengths in full: 1.1 and 8 give 9.10000002384186.
  fittings.EDlugoscPrzewodowRurowych->setText(QString::fromStdString(
      General15(double(Engine.DlugoscPrzewodowWewnatrz) + Engine.DlugoscPrzewodowNaZewnatrz)));
}

void TForm1::ToolButton5Click() {
  SetStatusText(0, QStringLiteral("Okno wyboru Izolacji"));
  if (ui().EDlugoscPrzewZew->text().isEmpty() || ui().EDlugoscPrzewWew->text().isEmpty()) {
    platform::MessageBox(QStringLiteral("Nie podałeś długości przewodów rurowych !!!"),
                         QStringLiteral("Ostrzeżenie"), platform::Icon::Stop);
    return;
  }
  WinIzolacja->ui().Label3->setText(ui().EDlugoscPrzewZew->text() + QStringLiteral(" [m]"));
  WinIzolacja->ui().Label4->setText(ui().EDlugoscPrzewWew->text() + QStringLiteral(" [m]"));
  WinIzolacja->exec();
}

void TForm1::ToolButton6Click() {
  SetStatusText(0, QStringLiteral("Okno wyboru Naczynia"));
  WinNaczynie->exec();
}

void TForm1::ToolButton7Click() {
  SetStatusText(0, QStringLiteral("Okno wyboru Pompy obiegowej"));
  WinPompa->exec();
}

void TForm1::ToolButton8Click() {
  SetStatusText(0, QStringLiteral("Okno wyboru lokalizacji do obliczeń"));
  WinLokalizacja->exec();
}

// ---- Buttons of the calculation group ----------------------------------------------------------

void TForm1::BitBtn3Click() {
  WinKoszty->exec();
}

void TForm1::BitBtn1Click() {
  WinKalkulatorEkologiczny->exec();
}

void TForm1::BitBtn7Click() {
  // The window takes the tilt and azimuth itself when it is shown.
  Form3->exec();
  Form3->ui().Edit1->setText(ui().EBeta->text());
  Form3->ui().Edit2->setText(ui().EGamma->text());
}

// ---- Menu --------------------------------------------------------------------------------------

void TForm1::Zestawy2Click() {
  WinPobierzZestawy->exec();
}

void TForm1::PobierzZestawy1Click() {
  WinPobierzZestawy->exec();
}

void TForm1::Oprogramie2Click() {
  WinInfo->exec();
}

void TForm1::Tematypomocy1Click() {
  platform::ShowHelp();
}

void TForm1::Pomoconline1Click() {
  platform::ShellOpen(ServerAddress() + QStringLiteral("/pomoc.html"));
}

void TForm1::Bazasprztuonline1Click() {
  platform::ShellOpen(ServerAddress() + QStringLiteral("/on-line/oferta-producent/wybor.php"));
}

void TForm1::Zasobnik1Click() {
  ShowModeless(WinAddZasobnik);
}

void TForm1::Kolektorsoneczny1Click() {
  ShowModeless(WinAddKolektor);
}

void TForm1::Sterowniksolarny1Click() {
  ShowModeless(WinAddSterownik);
}

void TForm1::Naczyniewzbiorcze1Click() {
  ShowModeless(WinAddNaczynie);
}

void TForm1::Pompaobiegowa1Click() {
  WinAddPompa->exec();
}

void TForm1::Izolacja1Click() {
  WinAddIzolacja->exec();
}

void TForm1::MiastaClick() {
  WinAddMiasta->exec();
}

void TForm1::Konstrukcjawsporcza1Click() {
  WinAddKonstrukcja->exec();
}

void TForm1::Producent1Click() {
  WinAddProducent->exec();
}

void TForm1::DodajZestaw1Click() {
  WinZestawy->exec();
}

void TForm1::OtwrzZestaw1Click() {
  ShowModeless(WinOpenZestaw);
}

void TForm1::Opcjeraportu1Click() {
  WinRaport->exec();
}

void TForm1::Oferta1Click() {
  try {
    if (!DM) throw DatabaseError("no data module");
    DM->SetConnected(true);
    WinProducenci->exec();
  } catch (const std::exception&) {
    platform::PlainBox(QStringLiteral(
        "Nieudane połączenie z bazą! Prawdopodobnie nie masz połączenia z Internetem "));
  }
}
