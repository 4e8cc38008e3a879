// What the collector, tank, controller, vessel and pump windows share: creation takes a first
// catalogue row into Engine and the main window's summary, a pick writes Engine, the summary, the
// status text and clears the set-price mode, showing shows the device of a project or device set,
// an empty catalogue is never read beyond, and the link labels hand only web and mail addresses
// to the shell.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>

#include "editors/AddIzolacja.h"
#include "editors/AddKolektor.h"
#include "editors/AddKonstrukcja.h"
#include "editors/AddNaczynie.h"
#include "editors/AddPompa.h"
#include "editors/AddSterownik.h"
#include "editors/AddZasobnik.h"
#include "main/gridcell.h"
#include "main/izolacja.h"
#include "main/kolektor.h"
#include "main/naczynie.h"
#include "main/pompa.h"
#include "main/sterownik.h"
#include "main/zasobnik.h"
#include "online/DMVindargast.h"
#include "platform/form_ui.h"
#include "selection_fixture.h"

namespace {

template <class Window>
Window* As(QDialog* window) {
  return static_cast<Window*>(window);
}

struct PlainWindow {
  const char* name;
  std::function<std::unique_ptr<QDialog>()> make;
  std::function<QComboBox*(QDialog*)> combo;
  std::function<QTableWidget*(QDialog*)> grid;
  std::function<QPlainTextEdit*(QDialog*)> memo;
  CCatalogueTable CCatalogues::*table;
  int modelColumn;
  int priceColumn;
  int modelRow;  // grid row of the model
  std::function<CUrzadzenie&()> device;
  std::function<int32_t&()> id;
  int32_t CVindargast2::*index;
  float CVindargast2::*cost;
  bool pricePerCollector;
  std::function<QLabel*()> summary;  // the main window's label with the model
  std::function<std::string(const std::vector<std::string>& row)> status;
  std::vector<const char*> links;
};

template <class Window>
std::function<std::unique_ptr<QDialog>()> Maker() {
  return [] { return std::unique_ptr<QDialog>(new Window()); };
}

const PlainWindow kWindows[] = {
    {"collector",
     Maker<TWinKolektor>(),
     [](QDialog* w) { return As<TWinKolektor>(w)->ui().ComboWyborKolektora; },
     [](QDialog* w) { return As<TWinKolektor>(w)->ui().TabelaKolektorow; },
     [](QDialog* w) { return As<TWinKolektor>(w)->ui().Opis; },
     &CCatalogues::CollectorCatalogue,
     3,
     11,
     2,
     []() -> CUrzadzenie& { return *Engine.SelectedCollector; },
     []() -> int32_t& { return Engine.SelectedCollector->ID; },
     &CVindargast2::CollectorIndex,
     &CVindargast2::CenaKolektory,
     true,
     [] { return Form1->ui().Label61; },
     [](const std::vector<std::string>& row) {
       return "Wybrano Kolektor: " + row[2] + ", " + row[3];
     },
     {"StaticText8", "StaticText6", "StaticText9"}},
    {"tank",
     Maker<TWinZasobnik>(),
     [](QDialog* w) { return As<TWinZasobnik>(w)->ui().ComboWyborZasobnika; },
     [](QDialog* w) { return As<TWinZasobnik>(w)->ui().TabelaZasobnika1; },
     [](QDialog* w) { return As<TWinZasobnik>(w)->ui().Opis2; },
     &CCatalogues::TankCatalogue,
     2,
     12,
     1,
     []() -> CUrzadzenie& { return *Engine.SelectedTank; },
     []() -> int32_t& { return Engine.SelectedTank->ID; },
     &CVindargast2::Tank1Index,
     &CVindargast2::CenaZasobnik,
     false,
     [] { return Form1->ui().Label66; },
     [](const std::vector<std::string>& row) { return "Wybrano zasobnik: " + row[2]; },
     {"StaticText2", "StaticText4"}},
    {"controller",
     Maker<TWinSterownik>(),
     [](QDialog* w) { return As<TWinSterownik>(w)->ui().ComboWyborSterownika; },
     [](QDialog* w) { return As<TWinSterownik>(w)->ui().TabelaSterownikow; },
     [](QDialog* w) { return As<TWinSterownik>(w)->ui().Opis; },
     &CCatalogues::ControllerCatalogue,
     10,
     11,
     9,
     []() -> CUrzadzenie& { return *Engine.SelectedController; },
     []() -> int32_t& { return Engine.SelectedController->ID; },
     &CVindargast2::ControllerIndex,
     &CVindargast2::CenaSterownik,
     false,
     [] { return Form1->ui().Label70; },
     [](const std::vector<std::string>& row) { return "Wybrano Sterownik solarny: " + row[10]; },
     {"StaticText2"}},
    {"vessel",
     Maker<TWinNaczynie>(),
     [](QDialog* w) { return As<TWinNaczynie>(w)->ui().ComboWyborNaczynia; },
     [](QDialog* w) { return As<TWinNaczynie>(w)->ui().TabelaNaczyn; },
     [](QDialog* w) { return As<TWinNaczynie>(w)->ui().Opis; },
     &CCatalogues::VesselCatalogue,
     2,
     7,
     1,
     []() -> CUrzadzenie& { return *Engine.SelectedVessel; },
     []() -> int32_t& { return Engine.SelectedVessel->ID; },
     &CVindargast2::VesselIndex,
     &CVindargast2::CenaNaczynie,
     false,
     [] { return Form1->ui().Label73; },
     [](const std::vector<std::string>& row) { return "Wybrano Naczynie: " + row[2]; },
     {"StaticText2"}},
    {"pump",
     Maker<TWinPompa>(),
     [](QDialog* w) { return As<TWinPompa>(w)->ui().ComboWyborPompy; },
     [](QDialog* w) { return As<TWinPompa>(w)->ui().TabelaPomp; },
     [](QDialog* w) { return As<TWinPompa>(w)->ui().Opis; },
     &CCatalogues::PumpCatalogue,
     2,
     7,
     1,
     []() -> CUrzadzenie& { return *Engine.SelectedPump; },
     []() -> int32_t& { return Engine.SelectedPump->ID; },
     &CVindargast2::PumpIndex,
     &CVindargast2::CenaPompa,
     false,
     [] { return Form1->ui().Label77; },
     [](const std::vector<std::string>& row) { return "Wybrano Pompę obiegową: " + row[2]; },
     {"StaticText2", "StaticText4"}},
};

class SelectionWindowsTest : public SelectionTest {
 protected:
  const CCatalogueTable& Table(const PlainWindow& w) const { return Form1->*w.table; }

  // The row the window takes at creation: the first, but for the tank window the first tank
  // larger than the required volume.
  int CreationRow(const PlainWindow& w) const {
    if (w.index != &CVindargast2::Tank1Index) return 0;
    CVindargast2 design = Engine;
    const float required = design.ComputeRequiredTankVolume();
    for (int row = 0; row < Table(w).RowCount; ++row)
      if (ReadFloat(Table(w).Rows[size_t(row)][4]) > required) return row;
    return 0;
  }

  // A row other than the creation's; for the tank one large enough to bring no warning.
  int PickRow(const PlainWindow& w) const {
    const int first = CreationRow(w);
    if (w.index != &CVindargast2::Tank1Index) return first == 2 ? 1 : 2;
    CVindargast2 design = Engine;
    const float required = design.ComputeRequiredTankVolume();
    for (int row = Table(w).RowCount - 1; row >= 0; --row)
      if (row != first && ReadFloat(Table(w).Rows[size_t(row)][4]) >= required) return row;
    return first;
  }

  float Price(const PlainWindow& w, int row) const {
    const float price = ReadFloat(Table(w).Rows[size_t(row)][size_t(w.priceColumn)]);
    return w.pricePerCollector ? static_cast<float>(double(price) * Engine.LiczbaKolektorow)
                               : price;
  }
};

TEST_F(SelectionWindowsTest, CreationTakesTheFirstRowIntoEngineAndTheSummary) {
  for (const PlainWindow& w : kWindows) {
    SCOPED_TRACE(w.name);
    platform::ScriptedDialogs dialogs;  // no box
    // Creation leaves a loaded project's flags and the status text alone.
    Engine.ProjectLoaded = 1;
    Engine.SetPriceMode = 1;
    std::unique_ptr<QDialog> window = w.make();
    const int row = CreationRow(w);
    const std::vector<std::string>& cells = Table(w).Rows[size_t(row)];

    EXPECT_EQ(Engine.*w.index, row);
    EXPECT_EQ(w.combo(window.get())->currentIndex(), row);
    EXPECT_EQ(w.combo(window.get())->currentText().toStdString(), cells[size_t(w.modelColumn)]);
    EXPECT_EQ(w.combo(window.get())->count(), Table(w).RowCount);
    EXPECT_EQ(w.id(), ReadInt(cells[0]));
    EXPECT_EQ(w.device().Model, cells[size_t(w.modelColumn)]);
    EXPECT_EQ(Text(w.grid(window.get()), 1, w.modelRow), cells[size_t(w.modelColumn)]);
    EXPECT_EQ(w.memo(window.get())->toPlainText().toStdString(), w.device().Opis);
    EXPECT_FLOAT_EQ(Engine.*w.cost, Price(w, row));
    EXPECT_EQ(Text(w.summary()), cells[size_t(w.modelColumn)]);
    EXPECT_EQ(Form1->StatusText(0), "Gotowy");
    EXPECT_EQ(Engine.ProjectLoaded, 1);
    EXPECT_EQ(Engine.SetPriceMode, 1);
    Engine = MakeDefaultDesign();
  }
}

TEST_F(SelectionWindowsTest, PickWritesEngineSummaryStatusAndEndsTheSetPrice) {
  Engine.LiczbaKolektorow = 4;
  for (const PlainWindow& w : kWindows) {
    SCOPED_TRACE(w.name);
    platform::ScriptedDialogs dialogs;
    std::unique_ptr<QDialog> window = w.make();
    Engine.SetPriceMode = 1;
    const int row = PickRow(w);
    const std::vector<std::string>& cells = Table(w).Rows[size_t(row)];
    Pick(w.combo(window.get()), row);

    EXPECT_EQ(Engine.*w.index, row);
    EXPECT_EQ(w.id(), ReadInt(cells[0]));
    EXPECT_EQ(w.device().Model, cells[size_t(w.modelColumn)]);
    EXPECT_EQ(Text(w.grid(window.get()), 1, w.modelRow), cells[size_t(w.modelColumn)]);
    EXPECT_FLOAT_EQ(Engine.*w.cost, Price(w, row));
    EXPECT_EQ(Text(w.summary()), cells[size_t(w.modelColumn)]);
    EXPECT_EQ(Form1->StatusText(0).toStdString(), w.status(cells));
    EXPECT_EQ(Engine.SetPriceMode, 0);
  }
}

TEST_F(SelectionWindowsTest, ShowingShowsTheDeviceOfAProjectOrSetAndNeverWritesEngine) {
  for (const PlainWindow& w : kWindows) {
    SCOPED_TRACE(w.name);
    platform::ScriptedDialogs dialogs;
    std::unique_ptr<QDialog> window = w.make();
    QComboBox* combo = w.combo(window.get());
    const int index = Engine.*w.index;
    const float cost = Engine.*w.cost;

    // A project's device whose model is no longer in the catalogue.
    for (uint8_t CVindargast2::*flag :
         {&CVindargast2::ProjectLoaded, &CVindargast2::SetPriceMode}) {
      Engine.ProjectLoaded = Engine.SetPriceMode = 0;
      Engine.*flag = 1;
      w.id() = 999;
      w.device().Model = "Model z projektu";
      w.device().Opis = "Opis z projektu";
      window->show();
      EXPECT_EQ(combo->currentIndex(), -1);
      EXPECT_EQ(combo->currentText(), "Model z projektu");
      EXPECT_EQ(combo->count(), Table(w).RowCount);
      EXPECT_EQ(Text(w.grid(window.get()), 1, w.modelRow), "Model z projektu");
      EXPECT_EQ(w.memo(window.get())->toPlainText(), "Opis z projektu");
      window->hide();
    }
    EXPECT_EQ(Engine.*w.index, index);
    EXPECT_FLOAT_EQ(Engine.*w.cost, cost);

    // Neither flag: the list is rebuilt with no entry chosen, and the grid keeps what it showed.
    Engine.ProjectLoaded = Engine.SetPriceMode = 0;
    w.device().Model = "Inny model";
    window->show();
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->currentText(), "");
    EXPECT_EQ(Text(w.grid(window.get()), 1, w.modelRow), "Model z projektu");
    window->hide();

    // A picked entry then takes that catalogue row.
    Pick(combo, 0);
    EXPECT_EQ(w.device().Model, Table(w).Rows[0][size_t(w.modelColumn)]);
    Engine = MakeDefaultDesign();
  }
}

// A window that shows the design's own device (a project's, here with a price of its own) shows
// its model as the list's text; the list losing the focus is no choice of the entry of that name.
TEST_F(SelectionWindowsTest, LeavingAWindowThatShowsTheDesignsDeviceKeepsThatDevice) {
  for (const PlainWindow& w : kWindows) {
    SCOPED_TRACE(w.name);
    platform::ScriptedDialogs dialogs;  // no box
    std::unique_ptr<QDialog> window = w.make();
    Engine.ProjectLoaded = 1;
    const int row = PickRow(w);
    w.id() = 9999;
    w.device().Model = Table(w).Rows[size_t(row)][size_t(w.modelColumn)];
    w.device().Cena = 12345;
    Engine.*w.cost = 12345;
    window->show();
    QApplication::setActiveWindow(window.get());
    w.combo(window.get())->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(w.combo(window.get())->currentText().toStdString(), w.device().Model);
    window->hide();
    QApplication::processEvents();
    EXPECT_EQ(w.id(), 9999);
    EXPECT_EQ(w.device().Cena, 12345.0f);
    EXPECT_EQ(Engine.*w.cost, 12345.0f);
    Engine = MakeDefaultDesign();
  }
}

TEST_F(SelectionWindowsTest, OnlyTheVesselWindowShowsADeviceWithANegativeId) {
  platform::ScriptedDialogs dialogs;
  TWinSterownik controller;
  TWinNaczynie vessel;
  TWinPompa pump;
  Engine.ProjectLoaded = 1;
  Engine.SelectedController->ID = Engine.SelectedVessel->ID = Engine.SelectedPump->ID = -3;
  Engine.SelectedController->Model = Engine.SelectedVessel->Model = Engine.SelectedPump->Model =
      "ujemne id";
  controller.show();
  vessel.show();
  pump.show();
  EXPECT_EQ(controller.ui().ComboWyborSterownika->currentText(), "");
  EXPECT_EQ(vessel.ui().ComboWyborNaczynia->currentText(), "ujemne id");
  EXPECT_EQ(pump.ui().ComboWyborPompy->currentText(), "");
}

TEST_F(SelectionWindowsTest, AnEmptyCatalogueIsNeverReadBeyond) {
  for (const PlainWindow& w : kWindows) {
    SCOPED_TRACE(w.name);
    platform::ScriptedDialogs dialogs;  // no box: nothing is taken, nothing is reported
    CCatalogueTable saved = Table(w);
    KeepRows(Form1->*w.table, 0);
    std::unique_ptr<QDialog> window = w.make();
    EXPECT_EQ(w.id(), 0);
    EXPECT_EQ(w.device().Model, "");
    EXPECT_EQ(w.combo(window.get())->count(), 0);
    window->show();
    window->hide();
    Form1->*w.table = saved;
    Engine = MakeDefaultDesign();
  }
}

TEST_F(SelectionWindowsTest, LinkLabelsHandOnlyWebAndMailAddressesToTheShell) {
  struct Link {
    const char* text;
    bool opened;
    bool refused;  // a notice says why it is not opened
  };
  const Link links[] = {
      {"https://www.kalorynka.example/katalog", true, false},
      {"http://example.pl", true, false},
      {"mailto:biuro@example.pl", true, false},
      {"brak", false, false},
      {"", false, false},
      {"file:///etc/passwd", false, true},
      {"/usr/bin/xterm", false, true},
      {"C:\\Windows\\system32\\calc.exe", false, true},
      {"javascript:alert(1)", false, true},
  };
  std::vector<std::unique_ptr<QDialog>> windows;
  std::vector<std::vector<const char*>> names;
  for (const PlainWindow& w : kWindows) {
    windows.push_back(w.make());
    names.push_back(w.links);
  }
  windows.push_back(std::make_unique<TWinIzolacja>());
  names.push_back({"StaticText8", "StaticText11"});
  // The labels are found among the windows' widgets, which wait for their first use.
  platform::DeferredForms::BuildAll();

  for (size_t i = 0; i < windows.size(); ++i) {
    for (const char* name : names[i]) {
      QLabel* label = windows[i]->findChild<QLabel*>(name);
      ASSERT_NE(label, nullptr) << name;
      for (const Link& link : links) {
        SCOPED_TRACE(std::string(name) + " \"" + link.text + "\"");
        platform::ScriptedDialogs dialogs;
        if (link.refused)
          dialogs.ExpectBox("Vindargast",
                            QStringLiteral("Nie można otworzyć adresu \"") + link.text +
                                "\".\nOtwierane są tylko strony internetowe (http, https) i "
                                "adresy e-mail (mailto).",
                            platform::Icon::Warning);
        label->setText(link.text);
        QTest::mouseClick(label, Qt::LeftButton);
        EXPECT_EQ(dialogs.OpenedUrls().size(), link.opened ? 1u : 0u);
      }
    }
  }
}

// Records the boxes of the data module's own connection attempt, whose text is the driver's.
class AnyBoxes : public platform::Backend {
 public:
  AnyBoxes() : previous_(platform::SetBackend(this)) {}
  ~AnyBoxes() override { platform::SetBackend(previous_); }
  platform::Answer ShowBox(const platform::BoxRequest&) override {
    ++shown;
    return platform::Answer::Ok;
  }
  std::optional<QString> AskFileName(const platform::FileRequest&) override { return std::nullopt; }
  bool OpenUrl(const QUrl&) override { return false; }
  bool StartProcess(const platform::ProcessRequest&) override { return false; }
  void Sleep(int) override {}
  std::optional<bool> NumLock() override { return std::nullopt; }
  int shown = 0;

 private:
  platform::Backend* previous_;
};

TEST_F(SelectionWindowsTest, OfferButtonReportsAFailedDatabaseConnectionEachTime) {
  // No database answers on this port: every attempt fails at once.
  const QByteArray previous = qgetenv("VINDARGAST_DB");
  qputenv("VINDARGAST_DB", "DRIVER={MariaDB Unicode};SERVER=127.0.0.1;PORT=1;");
  {
    AnyBoxes creation;
    DM = new TDM();
  }
  std::vector<std::unique_ptr<QDialog>> windows;
  for (const PlainWindow& w : kWindows) windows.push_back(w.make());
  windows.push_back(std::make_unique<TWinIzolacja>());
  platform::DeferredForms::BuildAll();
  for (const auto& window : windows) {
    SCOPED_TRACE(window->objectName().toStdString());
    for (int press = 0; press < 2; ++press) {
      platform::ScriptedDialogs dialogs;
      dialogs.ExpectPlain(
          "Nieudane połączenie z bazą! Prawdopodobnie nie masz połączenia z Internetem ");
      window->findChild<QPushButton*>("BitBtn2")->click();
    }
  }
  delete DM;
  DM = nullptr;
  qputenv("VINDARGAST_DB", previous);
}

// Each editor button reaches its catalogue editor: the collector, tank, controller and vessel
// editors without modality, the pump, insulation and structure editors modally.
TEST_F(SelectionWindowsTest, EditorButtonsShowTheirCatalogueEditors) {
  platform::ScriptedDialogs dialogs;
  WinAddKolektor = new TWinAddKolektor();
  WinAddZasobnik = new TWinAddZasobnik();
  WinAddSterownik = new TWinAddSterownik();
  WinAddNaczynie = new TWinAddNaczynie();
  WinAddPompa = new TWinAddPompa();
  WinAddIzolacja = new TWinAddIzolacja();
  WinAddKonstrukcja = new TWinAddKonstrukcja();
  struct Case {
    std::unique_ptr<QDialog> window;
    const char* button;
    QDialog* editor;
    bool modal;
  };
  Case cases[] = {
      {kWindows[0].make(), "BitBtn3", WinAddKolektor, false},
      {kWindows[1].make(), "BitBtn3", WinAddZasobnik, false},
      {kWindows[2].make(), "BitBtn3", WinAddSterownik, false},
      {kWindows[3].make(), "BitBtn3", WinAddNaczynie, false},
      {kWindows[4].make(), "BitBtn3", WinAddPompa, true},
      {std::make_unique<TWinIzolacja>(), "BitBtn3", WinAddIzolacja, true},
      {std::make_unique<TWinIzolacja>(), "BitBtn4", WinAddKonstrukcja, true},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.editor->metaObject()->className());
    c.window->show();
    bool modalWhileOpen = false;
    if (c.modal) {
      QTimer::singleShot(0, c.editor, [&] {
        modalWhileOpen = c.editor->isVisible() && c.editor->isModal();
        c.editor->reject();
      });
    }
    c.window->findChild<QPushButton*>(c.button)->click();
    if (c.modal) {
      EXPECT_TRUE(modalWhileOpen);
    } else {
      EXPECT_TRUE(c.editor->isVisible());
      EXPECT_FALSE(c.editor->isModal());
      c.editor->hide();
    }
    c.window->hide();
  }
  delete WinAddKolektor;
  delete WinAddZasobnik;
  delete WinAddSterownik;
  delete WinAddNaczynie;
  delete WinAddPompa;
  delete WinAddIzolacja;
  delete WinAddKonstrukcja;
  WinAddKolektor = nullptr;
  WinAddZasobnik = nullptr;
  WinAddSterownik = nullptr;
  WinAddNaczynie = nullptr;
  WinAddPompa = nullptr;
  WinAddIzolacja = nullptr;
  WinAddKonstrukcja = nullptr;
}

TEST_F(SelectionWindowsTest, OddGridRowsAreLightBlue) {
  platform::ScriptedDialogs dialogs;
  TWinPompa window;
  QTableWidget* grid = window.ui().TabelaPomp;
  const QImage picture = grid->grab().toImage();
  // Near the right edge of column 1, where no text reaches.
  const int x = grid->columnViewportPosition(1) + grid->columnWidth(1) - 3;
  const auto colourOfRow = [&](int row) {
    const QPoint inViewport(x, grid->rowViewportPosition(row) + grid->rowHeight(row) / 2);
    return QColor(picture.pixel(grid->viewport()->mapTo(grid, inViewport)));
  };
  EXPECT_EQ(colourOfRow(1), kLightBlue);
  EXPECT_EQ(colourOfRow(3), kLightBlue);
  EXPECT_NE(colourOfRow(2), kLightBlue);
}

}  // namespace

// An address wider than its link label is shortened in its middle, stands whole in the tool tip,
// and a click opens it whole; a text put in afterwards is opened as it stands.
TEST_F(SelectionWindowsTest, ALongLinkIsShortenedAndOpensWhole) {
  struct Window : TWinKolektor {
    using TSelectionWindow::ShowLink;
  };
  Window window;
  QLabel* label = window.ui().StaticText6;
  const QString link = QStringLiteral("https://www.example.pl/") + QString(300, QLatin1Char('a'));
  Window::ShowLink(label, link);
  EXPECT_NE(label->text(), link);
  EXPECT_TRUE(label->text().contains(QChar(0x2026)));
  EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width());
  EXPECT_EQ(label->toolTip(), link);
  platform::ScriptedDialogs dialogs;
  QTest::mouseClick(label, Qt::LeftButton);
  ASSERT_EQ(dialogs.OpenedUrls().size(), 1u);
  EXPECT_EQ(dialogs.OpenedUrls()[0], link);

  Window::ShowLink(label, QStringLiteral("https://www.example.pl"));
  EXPECT_EQ(label->text(), "https://www.example.pl");
  EXPECT_TRUE(label->toolTip().isEmpty());
}
