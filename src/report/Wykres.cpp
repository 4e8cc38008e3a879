#include "report/Wykres.h"

#include <QFrame>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <cmath>
#include <limits>

#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "platform/guard.h"
#include "platform/solid_fill.h"

namespace {

// Plot areas in their canvas's pixels: the energy axis is 250 pixels high at x 50 to 650, the
// efficiency axis 220 pixels (2 per percent) at x 15 to 650.
constexpr int kEnergyHeight = 250;
constexpr int kEfficiencyHeight = 220;
constexpr int kMonthStep = 50;  // pixels from one month to the next

// A pixel position or size from a value: the fraction dropped; a value beyond the screen (or no
// number at all) cannot become a widget's geometry and is held at the integer range.
int Truncate(double value) {
  if (std::isnan(value)) return 0;
  if (value >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (value <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

// Draws text with its top left corner at (x, y), as a canvas's text output does.
void TextOut(QPainter& canvas, int x, int y, const QString& text) {
  canvas.drawText(QRect(x, y, 1000, 100), Qt::AlignLeft | Qt::AlignTop, text);
}

void SetPen(QPainter& canvas, int width, Qt::PenStyle style) {
  canvas.setPen(QPen(Qt::black, width, style));
}

void DrawMonthNumbers(QPainter& canvas, int y) {
  for (int month = 1; month <= 12; ++month) {
    TextOut(canvas, 65 + kMonthStep * (month - 1), y, QString::number(month));
  }
}

// A bar's height held inside its frame of room pixels above the axis.
double HeldInFrame(double height, double room) {
  if (!(height > 0)) return 0;
  return height < room ? height : room;
}

// A bar standing on the axis at baseline (window pixels), height pixels high, inside its frame.
void PlaceBar(QWidget* bar, int left, double baseline, double height, double room) {
  height = HeldInFrame(height, room);
  const int pixels = Truncate(height);
  bar->setGeometry(left, Truncate(baseline - height), bar->width(), pixels > 0 ? pixels : 0);
}

}  // namespace

namespace {

struct LadderStep {
  float bound;    // the candidate top at most this
  float axisTop;  // gives this axis
};
// 450, not 400, is the bound of the 400 kWh axis; above 10000 the axis is 100000.
const LadderStep kLadder[] = {{50, 50},     {100, 100},   {150, 150},    {200, 200},   {250, 250},
                              {300, 300},   {350, 350},   {450, 400},    {500, 500},   {750, 750},
                              {1000, 1000}, {1500, 1500}, {2000, 2000},  {3000, 3000}, {4000, 4000},
                              {5000, 5000}, {7000, 7000}, {10000, 10000}};

// The largest monthly energy of hot water, heating or the pool, kWh.
float TallestBar(const CVindargast2& design) {
  float tallest = 0;
  for (int month = 0; month < 12; ++month) {
    for (float value : {design.HotWaterSolarEnergy[month], design.HeatingSolarEnergy[month],
                        design.PoolSolarEnergy[month]}) {
      if (value > tallest) tallest = value;
    }
  }
  return tallest;
}

}  // namespace

float ChartAxisTop(const CVindargast2& design) {
  // The pool's candidate: the last month whose pool energy rises over the month before.
  bool poolRises = false;
  float poolTop = 0;
  for (int month = 1; month < 12; ++month) {
    if (design.PoolSolarEnergy[month] > design.PoolSolarEnergy[month - 1]) {
      poolRises = true;
      poolTop = static_cast<float>(static_cast<double>(design.PoolSolarEnergy[month]) + 50);
    }
  }
  const float july = design.HotWaterSolarEnergy[6];
  const float september = design.HeatingSolarEnergy[8];
  float top = 0;
  if (design.Basen == 1 && poolRises && poolTop > july) {
    top = poolTop;
  } else if (design.CWUCO == 1 && september > july) {
    top = static_cast<float>(static_cast<double>(september) + 50);
  } else {
    top = static_cast<float>(static_cast<double>(july) + 50);
  }
  float axis = 100000;
  for (const LadderStep& step : kLadder) {
    if (top <= step.bound) {
      axis = step.axisTop;
      break;
    }
  }
  // The rule looks at July, September and the pool's last rising month only: a taller bar of
  // another month steps the axis up the ladder until every bar fits under it.
  const float tallest = TallestBar(design);
  if (tallest <= axis) return axis;
  for (const LadderStep& step : kLadder) {
    if (tallest <= step.axisTop) return step.axisTop;
  }
  float beyond = 100000;
  while (beyond < tallest && beyond < std::numeric_limits<float>::max() / 10) beyond *= 10;
  return beyond;
}

TWinWykres::TWinWykres(QWidget* parent) : QDialog(parent) {
  // The chart frames are the form's own drawing: they wait for the window's first use.
  ui.Defer([this] { BuildForm(); });
}

void TWinWykres::setVisible(bool visible) {
  if (visible) ui.Build();
  QDialog::setVisible(visible);
}

void TWinWykres::paintEvent(QPaintEvent* event) {
  QPainter(this).fillRect(event->rect(), Qt::white);
  QDialog::paintEvent(event);
}

void TWinWykres::BuildForm() {
  ui.form().setupUi(this);
  PaintBars();
  platform::Connect(ui().BitBtn1, &QPushButton::clicked, this, &TWinWykres::BitBtn1Click);
  platform::RunGuarded([this] { FormCreate(); });
  if (pendingLayout_) {
    const ChartValues values = *pendingLayout_;
    pendingLayout_.reset();
    LayOut(values);
  }
}

void TWinWykres::FormCreate() {
  energyCanvas_ = QPixmap(ui().Image1->size());
  energyCanvas_.fill(Qt::white);
  {
    QPainter canvas(&energyCanvas_);
    SetPen(canvas, 1, Qt::SolidLine);
    canvas.drawRect(50, 0, 600, kEnergyHeight);
    SetPen(canvas, 1, Qt::DashLine);
    for (int y = 25; y <= kEnergyHeight; y += 25) canvas.drawLine(50, y, 650, y);
    SetPen(canvas, 2, Qt::SolidLine);
    canvas.drawLine(50, 0, 50, kEnergyHeight);
    canvas.drawLine(50, kEnergyHeight, 650, kEnergyHeight);
    DrawMonthNumbers(canvas, 255);
  }
  ui().Image1->setPixmap(energyCanvas_);

  efficiencyCanvas_ = QPixmap(ui().Image2->size());
  efficiencyCanvas_.fill(Qt::white);
  {
    QPainter canvas(&efficiencyCanvas_);
    SetPen(canvas, 1, Qt::SolidLine);
    canvas.drawRect(15, 0, 635, kEfficiencyHeight);
    SetPen(canvas, 2, Qt::SolidLine);
    canvas.drawLine(15, 0, 15, kEfficiencyHeight);
    canvas.drawLine(15, kEfficiencyHeight, 650, kEfficiencyHeight);
    SetPen(canvas, 1, Qt::DashLine);
    for (int y : {70, 120, 170, 20}) canvas.drawLine(15, y, 650, y);
    SetPen(canvas, 1, Qt::SolidLine);
    const char* const percents[4] = {"100%", "75%", "50%", "25%"};
    for (int i = 0; i < 4; ++i) TextOut(canvas, 5, 15 + 50 * i, QString::fromLatin1(percents[i]));
    DrawMonthNumbers(canvas, 222);
  }
  ui().Image2->setPixmap(efficiencyCanvas_);
}

TWinWykres::ChartValues TWinWykres::ValuesOf(const CVindargast2& design) {
  ChartValues values;
  values.axisTop = ChartAxisTop(design);
  for (int month = 0; month < 12; ++month) {
    values.hotWater[month] = design.HotWaterSolarEnergy[month];
    values.hotWaterCoverage[month] = design.HotWaterCoverage[month];
    values.heating[month] = design.HeatingSolarEnergy[month];
    values.pool[month] = design.PoolSolarEnergy[month];
    values.collectorEfficiency[month] = design.CollectorEfficiency[month];
    values.systemEfficiency[month] = design.SystemEfficiency[month];
  }
  return values;
}

void TWinWykres::LayOutCharts() {
  LayOut(ValuesOf(Engine));
}

void TWinWykres::LayOut(const ChartValues& values) {
  const float axisTop = values.axisTop;
  const float scale = static_cast<float>(kEnergyHeight / static_cast<double>(axisTop));
  const int left = ui().Image1->x();
  const double baseline = ui().Image1->y() + kEnergyHeight;
  for (int month = 0; month < 12; ++month) {
    const int x = left + 60 + kMonthStep * month;
    const double hotWater =
        HeldInFrame(static_cast<double>(scale) * values.hotWater[month], kEnergyHeight);
    PlaceBar(Shape(1 + month), x, baseline, hotWater, kEnergyHeight);
    QLabel* label = findChild<QLabel*>(QStringLiteral("Label%1").arg(1 + month));
    label->setText(Text(GeneralText(values.hotWaterCoverage[month], 3, 2)) + QStringLiteral(" %"));
    label->adjustSize();
    label->move(x, Truncate(baseline - 15 - hotWater));
    PlaceBar(Shape(13 + month), x + 17, baseline,
             static_cast<double>(scale) * values.heating[month], kEnergyHeight);
    PlaceBar(Shape(25 + month), x + 17, baseline, static_cast<double>(scale) * values.pool[month],
             kEnergyHeight);
  }

  // The axis values, each 5 pixels above its tenth's line; the previous layout's are cleared.
  {
    QPainter canvas(&energyCanvas_);
    canvas.fillRect(0, 0, 49, kEnergyHeight + 1, Qt::white);
    SetPen(canvas, 1, Qt::SolidLine);
    const double tenths[9] = {0.9, 0.8, 0.7, 0.6, 0.5, 0.4, 0.3, 0.2, 0.1};
    for (int i = 0; i < 9; ++i) {
      TextOut(canvas, 20, 20 + 25 * i, Text(General15(tenths[i] * axisTop)));
    }
  }
  ui().Image1->setPixmap(energyCanvas_);

  const int left2 = ui().Image2->x();
  const double baseline2 = ui().Image2->y() + kEfficiencyHeight;
  for (int month = 0; month < 12; ++month) {
    const int x = left2 + 60 + kMonthStep * month;
    PlaceBar(Shape(40 + month), x, baseline2, 2.0 * values.collectorEfficiency[month],
             kEfficiencyHeight);
    PlaceBar(Shape(52 + month), x + 12, baseline2, 2.0 * values.systemEfficiency[month],
             kEfficiencyHeight);
  }
}

void TWinWykres::PaintBars() {
  // The bars of each series and its legend swatch.
  struct Series {
    int firstBar;
    int legend;
    QColor colour;
  };
  const Series series[] = {{1, 37, Qt::blue},      // hot water
                           {13, 39, Qt::green},    // heating (lime)
                           {25, 38, Qt::magenta},  // pool (fuchsia)
                           {40, 64, Qt::red},      // collector efficiency
                           {52, 65, Qt::yellow}};  // installation efficiency
  for (const Series& s : series) {
    platform::FillSolid(*Shape(s.legend), s.colour);
    for (int bar = s.firstBar; bar < s.firstBar + 12; ++bar)
      platform::FillSolid(*Shape(bar), s.colour);
  }
}

QWidget* TWinWykres::Shape(int number) const {
  return findChild<QWidget*>(QStringLiteral("Shape%1").arg(number));
}

void TWinWykres::BitBtn1Click() {
  close();
}

void TWinWykres::ClearResults() {
  // Engine's results are cleared first: the bars shrink to nothing. Unbuilt widgets take this
  // layout at their build, from the values of now.
  if (!ui.Built()) {
    pendingLayout_ = ValuesOf(Engine);
    return;
  }
  LayOutCharts();
}
