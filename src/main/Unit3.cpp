#include "main/Unit3.h"

#include <QFrame>
#include <QHeaderView>
#include <QPainter>
#include <QShowEvent>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "app/windows.h"
#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "main/vindargast.h"
#include "platform/cellgrid_qt.h"
#include "platform/guard.h"
#include "platform/message_box.h"
#include "platform/opening.h"
#include "platform/solid_fill.h"

namespace {

const char* const kRomanMonths[12] = {"I",   "II",   "III", "IV", "V",  "VI",
                                      "VII", "VIII", "IX",  "X",  "XI", "XII"};

// A track bar keeps its position within its range.
int TrackPosition(const QString& text) {
  const double value = std::trunc(double(ReadFloat(text.toStdString())));
  return int(std::fmin(90.0, std::fmax(0.0, value)));
}

// Beyond these angles the factors' formulas turn negative. An azimuth east of south (below 0)
// is a real orientation: the formulas give it the values of the same angle west.
constexpr float kLowestTilt = 0.0f;
constexpr float kLowestAzimuth = -90.0f;
constexpr float kHighestAngle = 90.0f;

bool AngleInRange(float degrees, float lowest, const char* caption) {
  if (degrees >= lowest && degrees <= kHighestAngle) return true;
  platform::MessageBox(QString::fromUtf8(caption) + QStringLiteral(" (") +
                           QString::fromStdString(GeneralText(degrees, 15, 2)) +
                           QString::fromUtf8("°) musi się mieścić w zakresie od ") +
                           QString::fromStdString(General15(lowest)) + QString::fromUtf8(" do ") +
                           QString::fromStdString(General15(kHighestAngle)) +
                           QString::fromUtf8("°."),
                       QStringLiteral("Uwaga"), platform::Icon::Warning);
  return false;
}

struct ChartFrame {
  int height;               // the image's frame runs from (0, 0) to (497, height)
  int axisY;                // the x axis and the bars' base
  std::vector<int> dashes;  // y of the dashed lines
  std::vector<std::pair<const char*, int>> scale;  // labels at x = 5
};

void DrawFrame(QLabel* image, const ChartFrame& frame) {
  QImage picture(image->width(), image->height(), QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setPen(QPen(Qt::black, 1));
  painter.drawRect(0, 0, 497, frame.height);
  painter.setPen(QPen(Qt::black, 2));
  painter.drawLine(15, 5, 15, frame.axisY);
  painter.drawLine(15, frame.axisY, 495, frame.axisY);
  painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
  for (int y : frame.dashes) painter.drawLine(15, y, 495, y);
  painter.setPen(Qt::black);
  const int ascent = painter.fontMetrics().ascent();
  for (const auto& [text, y] : frame.scale) painter.drawText(5, y + ascent, text);
  for (int m = 0; m < 12; ++m)
    painter.drawText(m == 0 ? 43 : 40 * (m + 1), frame.axisY + 3 + ascent, kRomanMonths[m]);
  painter.end();
  image->setPixmap(QPixmap::fromImage(picture));
}

}  // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
  // The window works on its own copies, taken when it is shown: its widgets wait until then.
  ui.Defer([this] { BuildForm(); });
}

void TForm3::setVisible(bool visible) {
  if (visible) ui.Build();
  QDialog::setVisible(visible);
}

void TForm3::BuildForm() {
  ui.form().setupUi(this);
  ui().Button1->hide();
  for (int k = 0; k < 12; ++k) {
    averageBars_[size_t(k)] = findChild<QFrame*>(QStringLiteral("Shape%1").arg(k + 1));
    beamBars_[size_t(k)] = findChild<QFrame*>(QStringLiteral("Shape%1").arg(k + 14));
    diffuseBars_[size_t(k)] = findChild<QFrame*>(QStringLiteral("Shape%1").arg(k + 26));
    platform::FillSolid(*averageBars_[size_t(k)], Qt::blue);
    platform::FillSolid(*beamBars_[size_t(k)], Qt::yellow);
    platform::FillSolid(*diffuseBars_[size_t(k)], Qt::red);
  }
  platform::Connect(ui().TrackBar1, &QSlider::valueChanged, this, &TForm3::TrackBar1Change);
  platform::Connect(ui().TrackBar2, &QSlider::valueChanged, this, &TForm3::TrackBar2Change);
  platform::Connect(ui().Edit1, &QLineEdit::textChanged, this, &TForm3::Edit1Change);
  platform::Connect(ui().Edit2, &QLineEdit::textChanged, this, &TForm3::Edit2Change);
  platform::Connect(ui().Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
  platform::Connect(ui().BitBtn1, &QPushButton::clicked, this, &TForm3::BitBtn1Click);
}

void TForm3::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  platform::RunAtOpening(event, [this] { FormShow(); });
}

void TForm3::FormShow() {
  QTableWidget* grid = ui().StringGrid1;
  grid->verticalHeader()->setMinimumSectionSize(1);
  for (int row = 0; row < grid->rowCount(); ++row) grid->setRowHeight(row, 17);
  grid->setColumnWidth(0, 123);
  for (int col = 1; col < 13; ++col) grid->setColumnWidth(col, 30);
  platform::SetCell(grid, 0, 0, "Miesiąc");
  const char* rowTitles[5] = {"wsp f", "wsp f p. bezpośrednie", "wsp f p. rozproszone",
                              "Nasłonecznienie", "wsp f * nasłonecznienie"};
  for (int row = 0; row < 5; ++row) platform::SetCell(grid, 0, row + 1, rowTitles[row]);
  for (int m = 0; m < 12; ++m) platform::SetCell(grid, m + 1, 0, kRomanMonths[m]);

  ui().Edit1->setText(Form1->ui().EBeta->text());
  ui().Edit2->setText(Form1->ui().EGamma->text());
  {
    // The edits hold the main window's angles; a track bar put at its nearest position (an
    // azimuth east of south at 0, a fraction cut off) must not write that position over them.
    const QSignalBlocker tiltBar(ui().TrackBar1);
    const QSignalBlocker azimuthBar(ui().TrackBar2);
    ui().TrackBar1->setValue(TrackPosition(ui().Edit1->text()));
    ui().TrackBar2->setValue(TrackPosition(ui().Edit2->text()));
  }
  // The location as the design holds it: the location window's grid may still show the city
  // chosen before a project was opened.
  ui().Label4->setText(Form1->ui().Label49->text());
  ui().Label5->setText(QString::fromStdString(GeneralText(Engine.SzerokoscGeograficzna, 7, 2)));
  DrawChartFrames();
}

void TForm3::TrackBar1Change() {
  ui().Edit1->setText(QString::fromStdString(General15(ui().TrackBar1->value())));
}

void TForm3::TrackBar2Change() {
  ui().Edit2->setText(QString::fromStdString(General15(ui().TrackBar2->value())));
}

void TForm3::Edit1Change() {
  ui().Button1->click();
}

void TForm3::Edit2Change() {
  ui().Button1->click();
}

void TForm3::Button1Click() {
  const float latitude = Engine.SzerokoscGeograficzna;
  const float tilt = ReadFloat(ui().Edit1->text().toStdString());
  const float azimuth = ReadFloat(ui().Edit2->text().toStdString());
  if (!AngleInRange(tilt, kLowestTilt, "Kąt beta") ||
      !AngleInRange(azimuth, kLowestAzimuth, "Kąt gamma")) {
    ClearFactors();
    return;
  }

  // The window's own factor: beam and diffuse weighed equally in every month.
  float beam[12];
  float diffuse = 1.0f;
  if (tilt == 0.0f) {
    std::fill(std::begin(beam), std::end(beam), 1.0f);
  } else {
    ComputeBeamFactors(azimuth, tilt, latitude, beam);
    diffuse = DiffuseFactor(tilt);
  }

  QTableWidget* grid = ui().StringGrid1;
  for (int m = 0; m < 12; ++m) {
    const float f = static_cast<float>(0.5 * beam[m] + 0.5 * diffuse);
    const float insolation = Engine.Naslonecznienie[m];
    platform::SetCell(grid, m + 1, 1, GeneralText(f, 2, 2));
    platform::SetCell(grid, m + 1, 2, GeneralText(beam[m], 2, 2));
    platform::SetCell(grid, m + 1, 3, GeneralText(diffuse, 2, 2));
    platform::SetCell(grid, m + 1, 4, GeneralText(insolation, 3, 3));
    platform::SetCell(grid, m + 1, 5, GeneralText(double(f) * insolation, 3, 3));

    PlaceBar(averageBars_[size_t(m)], ui().Image1, averageBars_[size_t(m)]->x(), f * 100.0);
    PlaceBar(beamBars_[size_t(m)], ui().Image3, ui().Image3->x() + 40 * (m + 1), beam[m] * 50.0);
    PlaceBar(diffuseBars_[size_t(m)], ui().Image4, ui().Image4->x() + 40 * (m + 1),
             diffuse * 100.0);
  }
}

void TForm3::ClearFactors() {
  // Row 4, the location's insolation, belongs to no angle and stays.
  QTableWidget* grid = ui().StringGrid1;
  for (int m = 0; m < 12; ++m) {
    for (int row : {1, 2, 3, 5}) platform::SetCell(grid, m + 1, row, "");
    PlaceBar(averageBars_[size_t(m)], ui().Image1, averageBars_[size_t(m)]->x(), 0);
    PlaceBar(beamBars_[size_t(m)], ui().Image3, beamBars_[size_t(m)]->x(), 0);
    PlaceBar(diffuseBars_[size_t(m)], ui().Image4, diffuseBars_[size_t(m)]->x(), 0);
  }
}

void TForm3::PlaceBar(QFrame* bar, const QLabel* image, int left, double height) {
  // The bars stand on a base line 18 px above the image's bottom edge.
  const int base = image->y() + image->height() - 18;
  const int pixels = std::max(0, static_cast<int>(height));
  bar->setGeometry(left, base - pixels, bar->width(), pixels);
}

void TForm3::DrawChartFrames() {
  DrawFrame(ui().Image1, {332, 312, {212, 112, 12}, {{"1", 212}, {"2", 112}, {"3", 12}}});
  DrawFrame(ui().Image3, {332,
                          312,
                          {312, 262, 212, 162, 112, 62, 12},
                          {{"1", 262}, {"2", 212}, {"3", 162}, {"4", 112}, {"5", 62}, {"6", 12}}});
  DrawFrame(ui().Image4, {132, 112, {112, 12}, {{"1", 12}}});
}
