// The insolation-correction window: how the collectors' tilt and azimuth change the insolation on
// the collector plane at the chosen location, month by month, in a table and three bar charts.
// It works on its own copies of tilt and azimuth and writes nothing back to the design.
#pragma once

#include <QDialog>
#include <array>

#include "platform/form_ui.h"
#include "ui_Unit3.h"

class QFrame;
class QLabel;

class TForm3 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm3(QWidget* parent = nullptr);

  platform::FormUi<Ui::TForm3> ui;

  void FormShow();
  void TrackBar1Change();
  void TrackBar2Change();
  void Edit1Change();
  void Edit2Change();
  void Button1Click();
  void BitBtn1Click() { close(); }

  // The widgets are built before the first showing.
  void setVisible(bool visible) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildForm();
  // The frames, axes, dashed lines and labels of the three charts.
  void DrawChartFrames();
  // Empties the table's figures of an angle and lowers the bars, after an angle was refused.
  void ClearFactors();
  // A bar of `height` px (truncated) standing on its image's base line at `left`.
  static void PlaceBar(QFrame* bar, const QLabel* image, int left, double height);

  std::array<QFrame*, 12> averageBars_{};
  std::array<QFrame*, 12> beamBars_{};
  std::array<QFrame*, 12> diffuseBars_{};
};
