#include "main/kolektor.h"

#include <QPainter>

#include "app/windows.h"
#include "editors/AddKolektor.h"
#include "engine/collector_chart.h"
#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "main/vindargast.h"
#include "platform/guard.h"

TWinKolektor::TWinKolektor(QWidget* parent) : TSelectionWindow(parent) {
  panel_ =
      MakePanel(Engine.SelectedCollector.get(), Form1->CollectorCatalogue, 3,
                {&CKolektor::StronaProducenta, &CKolektor::Certyfikat, &CKolektor::WynikiBadan});
  PutOffWidgets(ui, [this] { BuildForm(); });
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinKolektor::BuildForm() {
  ui.form().setupUi(this);
  PrepareCombo(ui().ComboWyborKolektora, "                ---- wybierz kolektor ----");
  panel_.Attach(ui().ComboWyborKolektora, ui().TabelaKolektorow, ui().Opis,
                {ui().StaticText8, ui().StaticText6, ui().StaticText9});
  platform::Connect(ui().ComboWyborKolektora, &QComboBox::activated, this,
                    &TWinKolektor::ComboWyborKolektoraSelect);
  ConnectButtons(this);
  ConnectLink(ui().StaticText8, [this] { StaticText8Click(); });
  ConnectLink(ui().StaticText6, [this] { StaticText6Click(); });
  ConnectLink(ui().StaticText9, [this] { StaticText9Click(); });
}

void TWinKolektor::FormCreate() {
  Later([this] {
    SetUpGrid(
        ui().TabelaKolektorow, {139, 208},
        {"Producent lub dystrybutor", "Typ", "Producent-Model", "Liniowy wskaźnik",
         "Kwadratowy wskaźnik", "Sprawność optyczna", "Jednostkowe natężenie",
         "Jednostkowe ciśnienie", "Pojemność Absorbera", "Powierzchnia Efektywna", "Cena netto"});
    ui().Edit2->setText("800");
    // The frame alone: no collector values are read.
    DrawChart(nullptr);
  });
  if (CreatePanel(panel_, Engine.CollectorIndex)) CopyIntoEngine();
}

void TWinKolektor::ComboWyborKolektoraSelect() {
  if (!ChoosePanel(panel_, Engine.CollectorIndex)) return;
  CopyIntoEngine();
  Form1->ClearHydraulics();  // the collector's flow, pressure drop and water volume
  const std::vector<std::string>& row =
      Form1->CollectorCatalogue.Rows[size_t(Engine.CollectorIndex)];
  SetStatusText(QString::fromStdString("Wybrano Kolektor: " + row[2] + ", " + row[3]));
  // Read after the choice is complete: an irradiance that is no number leaves the old chart.
  const float irradiance = ReadFloat(ui().Edit2->text().toStdString());
  DrawChart(&irradiance);
}

void TWinKolektor::FormShow() {
  ShowPanel(panel_, Engine.SelectedCollector->ID > 0);
}

void TWinKolektor::BitBtn3Click() {
  ShowEditor(WinAddKolektor, false);
}

void TWinKolektor::CopyIntoEngine() {
  const CKolektor& collector = *Engine.SelectedCollector;
  Engine.CenaKolektory = static_cast<float>(double(collector.Cena) * Engine.LiczbaKolektorow);
  Engine.CollectorArea = collector.PowierzchniaKolektora;
  Engine.CollectorK1 = collector.WspolczynnikLiniowy;
  Engine.CollectorK2 = collector.WspolczynnikKwadratowy;
  Engine.CollectorEta0 = collector.SprawnoscOptyczna;
  Engine.CollectorUnitFlow = collector.JednostkoweNatezenie;
  Engine.CollectorUnitPressureDrop = collector.JednostkoweCisnienie;
  Engine.CollectorAbsorberVolume = collector.PojemnoscAbsorbera;
  Form1->ui().Label61->setText(QString::fromStdString(collector.Model));
  Form1->ui().Label62->setText(QString::fromStdString(GeneralText(Engine.CollectorK1, 4, 2)));
  // One significant digit asked for, two given: a k2 of 0.0147 shows as 0.015.
  Form1->ui().Label63->setText(QString::fromStdString(GeneralText(Engine.CollectorK2, 2, 3)));
}

void TWinKolektor::DrawChart(const float* irradiance) {
  // Plot origin (20, 200); 1 px per kelvin, 200 px per unit of efficiency.
  chart_ = QImage(201, 215, QImage::Format_RGB32);
  chart_.fill(palette().color(QPalette::Window));
  QPainter painter(&chart_);
  painter.setPen(QPen(QColor(192, 192, 192), 1));
  for (int y = 180; y >= 0; y -= 20) painter.drawLine(20, y, 200, y);
  for (int x = 40; x <= 200; x += 20) painter.drawLine(x, 200, x, 0);
  painter.setPen(QPen(Qt::black, 2));
  painter.drawLine(20, 200, 20, 0);
  painter.drawLine(20, 200, 200, 200);
  painter.setPen(Qt::black);
  const int ascent = painter.fontMetrics().ascent();
  for (int value = 0; value <= 140; value += 20)
    painter.drawText(value + 15, 202 + ascent, QString::fromStdString(General15(value)));
  for (int value = 10; value <= 90; value += 10)
    painter.drawText(4, 195 - 2 * value + ascent, QString::fromStdString(General15(value)));
  painter.drawText(185, 202 + ascent, QString::fromUtf8("ΔT"));
  painter.drawText(5, ascent, QString::fromUtf8("η"));
  if (irradiance) {
    const std::vector<float> curve =
        EfficiencyCurve(Engine.CollectorEta0, Engine.CollectorK1, Engine.CollectorK2, *irradiance);
    QPoint from(20, 200);
    for (size_t dT = 0; dT < curve.size(); ++dT) {
      const QPoint to(20 + int(dT), 200 - static_cast<int>(200 * double(curve[dT])));
      painter.drawLine(from, to);
      from = to;
    }
  }
  painter.end();
  ui().Image26->setPixmap(QPixmap::fromImage(chart_));
}
