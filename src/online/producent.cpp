#include "online/producent.h"

#include <QHeaderView>
#include <QSqlRecord>

#include "app/windows.h"
#include "online/DMVindargast.h"
#include "online/grid_rows.h"
#include "online/oferta.h"
#include "platform/guard.h"

TWinProducenci::TWinProducenci(QWidget* parent) : QDialog(parent) {
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  // The widgets wait until the user opens the window.
  ui.Defer([this] { BuildForm(); });
}

void TWinProducenci::setVisible(bool visible) {
  if (visible) ui.Build();
  QDialog::setVisible(visible);
}

void TWinProducenci::BuildForm() {
  ui.form().setupUi(this);
  ui().DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  ui().DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  PaintRecordRows(ui().DBGrid1);
  platform::Connect(ui().BitBtn1, &QPushButton::clicked, this, &TWinProducenci::BitBtn1Click);
  platform::Connect(ui().DBGrid1, &QTableView::doubleClicked, this, [this] { DBGrid1DblClick(); });
  connect(ui().BitBtn2, &QPushButton::clicked, this, &QDialog::close);
}

void TWinProducenci::showEvent(QShowEvent* event) {
  // The data module is created after this window: the grid is bound when it is first needed.
  if (DM && ui().DBGrid1->model() != &DM->QryProducenci) {
    ui().DBGrid1->setModel(&DM->QryProducenci);
  }
  QDialog::showEvent(event);
}

void TWinProducenci::BitBtn1Click() {
  if (!DM) return;
  DM->QryProducenci.Open();
  DM->QryProducenci.setHeaderData(1, Qt::Horizontal, QStringLiteral("Producent"));
  QFont bold = ui().DBGrid1->horizontalHeader()->font();
  bold.setBold(true);
  DM->QryProducenci.setHeaderData(1, Qt::Horizontal, bold, Qt::FontRole);
  ui().DBGrid1->setModel(&DM->QryProducenci);
  ui().DBGrid1->hideColumn(0);
  ui().DBGrid1->setColumnWidth(1, 345);
  ui().DBGrid1->horizontalHeader()->setStretchLastSection(true);
}

void TWinProducenci::DBGrid1DblClick() {
  if (!DM || !DM->QryProducenci.Active()) return;
  const QModelIndex current = ui().DBGrid1->currentIndex();
  if (!current.isValid()) return;
  bool ok = false;
  const int id = DM->QryProducenci.record(current.row()).value(0).toInt(&ok);
  if (!ok || !WinOferta) return;
  WinOferta->ProducerId = id;
  WinOferta->exec();
}

void TWinProducenci::FormClose() {
  if (!DM) return;
  DM->QryProducenci.Close();
  DM->SetConnected(false);
}

void TWinProducenci::done(int result) {
  platform::RunGuarded([this] { FormClose(); });
  QDialog::done(result);
}
