// The chart window: two monthly bar charts of a computed design, the solar energy for hot water
// (with its coverage over each bar), central heating and the pool, and the efficiency of the
// collectors and of the whole installation. The frames are drawn once, at creation; each layout
// moves and sizes the same bars and labels.
#pragma once

#include <QDialog>
#include <optional>

#include "platform/form_ui.h"
#include "ui_Wykres.h"

class CVindargast2;

// Top of the energy axis in kWh, chosen from July's hot-water energy, September's heating energy
// or the pool's last rising month (with a margin of 50 kWh) on a ladder of round values.
float ChartAxisTop(const CVindargast2& design);

class TWinWykres : public QDialog {
  Q_OBJECT

 public:
  explicit TWinWykres(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinWykres> ui;

  void FormCreate();
  // Positions and sizes every bar and coverage label from Engine's monthly results and writes
  // the values of the energy axis.
  void LayOutCharts();
  void BitBtn1Click();  // "Zamknij okno"

  // The widgets are built before the first showing.
  void setVisible(bool visible) override;

 protected:
  // A white page, as a printed chart or table would be.
  void paintEvent(QPaintEvent* event) override;

 private:
  // What a layout draws, taken from a design's monthly results.
  struct ChartValues {
    float axisTop = 0;
    float hotWater[12] = {};
    float hotWaterCoverage[12] = {};
    float heating[12] = {};
    float pool[12] = {};
    float collectorEfficiency[12] = {};
    float systemEfficiency[12] = {};
  };
  static ChartValues ValuesOf(const CVindargast2& design);

  void BuildForm();
  void PaintBars();
  void LayOut(const ChartValues& values);

  // The form's shape ShapeN: the bars 1 to 36 (hot water, heating, pool) and 40 to 63
  // (collector and installation efficiency), January first.
  QWidget* Shape(int number) const;

  QPixmap energyCanvas_;
  QPixmap efficiencyCanvas_;
  // A layout asked for before the widgets were built, done by their build.
  std::optional<ChartValues> pendingLayout_;

 public:
  // Back to what the window showed before a first compute, when the design is replaced.
  void ClearResults();
};
