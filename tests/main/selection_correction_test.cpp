// The insolation-correction window: its copies of the main window's tilt and azimuth, the monthly
// factors in its table and bars, and input that is no number.
#include <QFrame>
#include <QImage>
#include <QPushButton>
#include <QTest>

#include "main/Unit3.h"
#include "main/lokalizacja.h"
#include "selection_fixture.h"

namespace {

using TForm3Ui = Ui::TForm3;

class CorrectionWindowTest : public SelectionTest {
 protected:
  void SetUp() override {
    SelectionTest::SetUp();
    platform::ScriptedDialogs dialogs;
    location_ = std::make_unique<TWinLokalizacja>();
    WinLokalizacja = location_.get();
    Engine.SzerokoscGeograficzna = 52.2f;
    for (int m = 0; m < 12; ++m) Engine.Naslonecznienie[m] = 10.0f * (m + 1);
  }
  void TearDown() override {
    WinLokalizacja = nullptr;
    location_.reset();
    SelectionTest::TearDown();
  }

  // The window shown for the main window's tilt and azimuth.
  static std::unique_ptr<TForm3> Open(const char* tilt, const char* azimuth) {
    Form1->ui().EBeta->setText(tilt);
    Form1->ui().EGamma->setText(azimuth);
    auto window = std::make_unique<TForm3>();
    window->show();
    return window;
  }

  static int BarHeight(const TForm3& window, int shape) {
    return window.findChild<QFrame*>(QStringLiteral("Shape%1").arg(shape))->height();
  }

  // The figures of an angle: rows 1 to 3 and 5 of every month.
  static std::vector<std::string> Figures(const TForm3& window) {
    std::vector<std::string> figures;
    for (int m = 1; m <= 12; ++m) {
      for (int row : {1, 2, 3, 5}) figures.push_back(Text(window.ui().StringGrid1, m, row));
    }
    return figures;
  }

  // The heights of the 36 bars, blue, yellow and red.
  static std::vector<int> Bars(const TForm3& window) {
    std::vector<int> heights;
    for (int first : {1, 14, 26}) {
      for (int k = 0; k < 12; ++k) heights.push_back(BarHeight(window, first + k));
    }
    return heights;
  }

  std::unique_ptr<TWinLokalizacja> location_;
};

TEST_F(CorrectionWindowTest, SouthFacingPlaneAtTiltFortyFive) {
  platform::ScriptedDialogs dialogs;
  std::unique_ptr<TForm3> opened = Open("45", "0");
  TForm3& window = *opened;
  EXPECT_EQ(window.ui().Edit1->text(), "45");
  EXPECT_EQ(window.ui().Edit2->text(), "0");
  EXPECT_EQ(window.ui().TrackBar1->value(), 45);
  EXPECT_EQ(window.ui().Label5->text(), "52.2");
  EXPECT_EQ(Text(window.ui().StringGrid1, 0, 2), "wsp f p. bezpośrednie");
  EXPECT_EQ(Text(window.ui().StringGrid1, 12, 0), "XII");
  // January: Rb about 3.806, D about 0.854, f about 2.33.
  EXPECT_EQ(Text(window.ui().StringGrid1, 1, 2), "3.8");
  EXPECT_EQ(Text(window.ui().StringGrid1, 1, 3), "0.85");
  EXPECT_EQ(Text(window.ui().StringGrid1, 1, 1), "2.3");
  EXPECT_EQ(Text(window.ui().StringGrid1, 1, 4), "10");
  EXPECT_EQ(Text(window.ui().StringGrid1, 1, 5), "23.3");
  EXPECT_EQ(BarHeight(window, 14), 190);  // yellow: Rb x 50
  EXPECT_EQ(BarHeight(window, 1), 233);   // blue: f x 100
  EXPECT_EQ(BarHeight(window, 26), 85);   // red: D x 100
  // The bars stand on their image's base line.
  const QFrame* yellow = window.findChild<QFrame*>("Shape14");
  EXPECT_EQ(yellow->y() + yellow->height(),
            window.ui().Image3->y() + window.ui().Image3->height() - 18);
  EXPECT_EQ(yellow->x(), window.ui().Image3->x() + 40);
  // The bars' colours, as drawn.
  const QImage drawn = window.grab().toImage();
  for (const auto& [shape, colour] :
       {std::pair{1, QColor(Qt::blue)}, {14, QColor(Qt::yellow)}, {26, QColor(Qt::red)}}) {
    const QFrame* bar = window.findChild<QFrame*>(QStringLiteral("Shape%1").arg(shape));
    EXPECT_EQ(drawn.pixelColor(bar->geometry().center()), colour) << shape;
  }
}

TEST_F(CorrectionWindowTest, HorizontalPlaneKeepsTheInsolation) {
  platform::ScriptedDialogs dialogs;
  std::unique_ptr<TForm3> opened = Open("0", "25");
  TForm3& window = *opened;
  for (int m = 1; m <= 12; ++m) {
    for (int row = 1; row <= 3; ++row) EXPECT_EQ(Text(window.ui().StringGrid1, m, row), "1");
    EXPECT_EQ(Text(window.ui().StringGrid1, m, 5), Text(window.ui().StringGrid1, m, 4));
  }
  EXPECT_EQ(BarHeight(window, 1), 100);
}

// An azimuth east of south is a real orientation: it gives the values of the same angle west.
TEST_F(CorrectionWindowTest, AzimuthEastOfSouthGivesTheValuesOfTheSameAngleWest) {
  platform::ScriptedDialogs dialogs;
  std::unique_ptr<TForm3> opened = Open("40", "30");
  TForm3& window = *opened;
  const std::vector<std::string> west = Figures(window);
  const std::vector<int> westBars = Bars(window);
  ASSERT_NE(Text(window.ui().StringGrid1, 1, 2), "");

  window.ui().Edit2->setText("-30");
  EXPECT_EQ(Figures(window), west);
  EXPECT_EQ(Bars(window), westBars);

  // The main window's azimuth east of south is the window's angle; its track bar stands at 0,
  // its lowest position, and leaves the edit as it was.
  window.ui().Edit2->setText("30");
  window.hide();
  Form1->ui().EGamma->setText("-30");
  window.show();
  EXPECT_EQ(window.ui().Edit2->text(), "-30");
  EXPECT_EQ(window.ui().TrackBar2->value(), 0);
  EXPECT_EQ(Figures(window), west);
  // The eastern end of the range is an angle like any other.
  window.ui().Edit2->setText("-90");
  std::unique_ptr<TForm3> western = Open("40", "90");
  EXPECT_EQ(Figures(window), Figures(*western));
}

// Beyond its range an angle gives factors below zero: it is refused, by name, and the table and
// bars show no figures of an earlier angle until one in range is typed.
TEST_F(CorrectionWindowTest, AnAngleOutsideItsRangeIsRefusedAndLeavesNoFiguresOfAnother) {
  struct Case {
    const char* name;
    QLineEdit* TForm3Ui::*edit;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"tilt far too steep", &TForm3Ui::Edit1, "901000",
       "Kąt beta (901000°) musi się mieścić w zakresie od 0 do 90°."},
      {"tilt below the horizontal", &TForm3Ui::Edit1, "-5",
       "Kąt beta (-5°) musi się mieścić w zakresie od 0 do 90°."},
      {"azimuth past east", &TForm3Ui::Edit2, "-90.5",
       "Kąt gamma (-90.5°) musi się mieścić w zakresie od -90 do 90°."},
      {"azimuth past west", &TForm3Ui::Edit2, "90.5",
       "Kąt gamma (90.5°) musi się mieścić w zakresie od -90 do 90°."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    platform::ScriptedDialogs dialogs;
    std::unique_ptr<TForm3> opened = Open("40", "30");
    TForm3& window = *opened;
    const std::vector<std::string> before = Figures(window);
    dialogs.ExpectBox("Uwaga", QString::fromUtf8(c.message), platform::Icon::Warning);
    (window.ui().*c.edit)->setText(c.text);
    EXPECT_EQ(dialogs.Pending(), 0u);
    for (const std::string& figure : Figures(window)) EXPECT_EQ(figure, "");
    EXPECT_EQ(Bars(window), std::vector<int>(36, 0));
    // The location's insolation belongs to no angle.
    EXPECT_EQ(Text(window.ui().StringGrid1, 1, 4), "10");
    // An angle in range brings the figures back.
    (window.ui().*c.edit)->setText(c.edit == &TForm3Ui::Edit1 ? "40" : "30");
    EXPECT_EQ(Figures(window), before);
  }

  // Typed key by key: "9" is computed, "99" refused, and nothing of 9° stays on show.
  platform::ScriptedDialogs dialogs;
  std::unique_ptr<TForm3> opened = Open("40", "30");
  dialogs.ExpectError("'' is not a valid floating point value");
  opened->ui().Edit1->clear();
  dialogs.ExpectBox("Uwaga",
                    QString::fromUtf8("Kąt beta (99°) musi się mieścić w zakresie od 0 do 90°."),
                    platform::Icon::Warning);
  QTest::keyClicks(opened->ui().Edit1, "99");
  EXPECT_EQ(dialogs.Pending(), 0u);
  EXPECT_EQ(opened->ui().Edit1->text(), "99");
  for (const std::string& figure : Figures(*opened)) EXPECT_EQ(figure, "");
  EXPECT_EQ(Bars(*opened), std::vector<int>(36, 0));

  // The ends of the range are angles like any other.
  std::unique_ptr<TForm3> ends = Open("90", "90");
  EXPECT_EQ(Text(ends->ui().StringGrid1, 1, 3), GeneralText(DiffuseFactor(90), 2, 2));
}

TEST_F(CorrectionWindowTest, TrackBarsDriveTheEditsAndTheDesignStaysAsItWas) {
  platform::ScriptedDialogs dialogs;
  std::unique_ptr<TForm3> opened = Open("45", "0");
  TForm3& window = *opened;
  const float tilt = Engine.KatBeta;
  window.ui().TrackBar1->setValue(0);
  EXPECT_EQ(window.ui().Edit1->text(), "0");
  EXPECT_EQ(Text(window.ui().StringGrid1, 1, 2), "1");
  window.ui().BitBtn1->click();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(Form1->ui().EBeta->text(), "45");
  EXPECT_FLOAT_EQ(Engine.KatBeta, tilt);
}

TEST_F(CorrectionWindowTest, AnEditThatIsNoNumberKeepsTableAndBars) {
  platform::ScriptedDialogs dialogs;
  std::unique_ptr<TForm3> opened = Open("45", "0");
  TForm3& window = *opened;
  const std::string before = Text(window.ui().StringGrid1, 1, 1);
  dialogs.ExpectError("'' is not a valid floating point value");
  window.ui().Edit1->clear();
  EXPECT_EQ(Text(window.ui().StringGrid1, 1, 1), before);
  EXPECT_EQ(BarHeight(window, 14), 190);
  EXPECT_TRUE(window.isVisible());
}

// After a project was opened the location window's grid may still show the city chosen before;
// the window shows and computes the design's own location.
TEST_F(CorrectionWindowTest, LocationIsTheDesignsNotTheLocationGrids) {
  platform::ScriptedDialogs dialogs;
  platform::SetCell(location_->ui().TblMiasto, 0, 1, "Gdańsk");
  platform::SetCell(location_->ui().TblMiasto, 1, 1, "54.35");
  Form1->ui().Label49->setText("Zakopane");
  Engine.SzerokoscGeograficzna = 49.3f;
  std::unique_ptr<TForm3> opened = Open("45", "0");
  EXPECT_EQ(opened->ui().Label4->text(), "Zakopane");
  EXPECT_EQ(opened->ui().Label5->text(), "49.3");
  float beam[12];
  ComputeBeamFactors(0, 45, 49.3f, beam);
  EXPECT_EQ(Text(opened->ui().StringGrid1, 1, 2), GeneralText(beam[0], 2, 2));
}

}  // namespace
