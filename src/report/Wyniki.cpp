#include "report/Wyniki.h"

#include <QColor>
#include <QPaintEvent>
#include <QPainter>

#include "app/windows.h"
#include "main/gridcell.h"
#include "main/vindargast.h"
#include "platform/cellgrid_qt.h"
#include "platform/form_texts.h"
#include "platform/guard.h"
#include "platform/opener.h"
#include "report/Wykres.h"
#include "report/raport.h"

namespace {

// Row of the monthly table that holds the year's sums and means.
constexpr int kYearRow = 13;
const QColor kSilver(192, 192, 192);

const char* const kMonthlyHeadings[10] = {"Miesiąc",
                                          "Nasłonecznienie [kWh/m2/rok]",
                                          "Sprawność kolektorów",
                                          "Sprawność instalacji",
                                          "Straty instalacji [kWh]",
                                          "Energia na CWU [kWh]",
                                          "Pokrycie CWU %",
                                          "Energia na basen [kWh]",
                                          "Energia na CO [kWh]",
                                          "Suma energii słonecznej [kWh]"};
const int kMonthlyWidths[7] = {62, 86, 66, 66, 56, 66, 58};

const char* const kPollutants[8] = {"CO2", "SO2", "CO", "NOx", "pyły", "TOC", "16WWA", "BaP"};

// The results window's tables draw their headings word-wrapped and centred both ways in the
// heading row; the other cells as every grid does.
class HeadingCentredDelegate : public GridCellDelegate {
 public:
  using GridCellDelegate::GridCellDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    if (index.row() != 0) {
      GridCellDelegate::paint(painter, option, index);
      return;
    }
    painter->save();
    painter->fillRect(option.rect, Qt::white);
    painter->setFont(option.font);
    painter->setPen(Qt::black);
    painter->drawText(option.rect, Qt::AlignCenter | Qt::TextWordWrap,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
  }
};

void PaintResultCells(QTableWidget* grid, GridCellDelegate::Background background) {
  grid->setItemDelegate(new HeadingCentredDelegate(grid, std::move(background)));
}

}  // namespace

TWinWyniki::TWinWyniki(QWidget* parent) : QDialog(parent) {
  // The headings and month names are the form's own: nothing of the design goes into them, so
  // they wait for the window's first use with the rest of its widgets.
  ui.Defer([this] { BuildForm(); });
}

void TWinWyniki::setVisible(bool visible) {
  if (visible) ui.Build();
  QDialog::setVisible(visible);
}

void TWinWyniki::paintEvent(QPaintEvent* event) {
  QPainter(this).fillRect(event->rect(), Qt::white);
  QDialog::paintEvent(event);
}

void TWinWyniki::BuildForm() {
  ui.form().setupUi(this);
  platform::Connect(ui().BitBtn1, &QPushButton::clicked, this, &TWinWyniki::BitBtn1Click);
  platform::Connect(ui().BitBtn2, &QPushButton::clicked, this, &TWinWyniki::BitBtn2Click);
  platform::Connect(ui().BitBtn3, &QPushButton::clicked, this, &TWinWyniki::BitBtn3Click);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinWyniki::FormCreate() {
  QTableWidget* monthly = ui().TabZyskEnergetyczny;
  for (int col = 0; col < 10; ++col) {
    platform::SetCell(monthly, col, 0, kMonthlyHeadings[col]);
  }
  for (int month = 0; month < 12; ++month)
    platform::SetCell(monthly, 0, month + 1, MonthNames[month]);
  platform::SetCell(monthly, 0, kYearRow, "rocznie");
  monthly->setRowHeight(0, 50);
  for (int col = 0; col < 7; ++col) monthly->setColumnWidth(col, kMonthlyWidths[col]);
  // White, odd months cream, the year silver.
  PaintResultCells(monthly, [](int, int row) {
    if (row == kYearRow) return kSilver;
    return row % 2 == 1 ? kCream : QColor(Qt::white);
  });

  QTableWidget* pollutants = ui().tabZanieczyszczenia;
  for (int row = 0; row < 8; ++row) {
    platform::SetCell(pollutants, 0, row, kPollutants[row]);
    platform::SetCell(pollutants, 2, row, row == 0 ? "kg/rok" : "g/rok");
  }
  ClearReductions();
  for (int col = 0; col < 3; ++col) pollutants->setColumnWidth(col, 60);
  PaintResultCells(pollutants,
                   [](int, int row) { return row % 2 == 1 ? kCream : QColor(Qt::white); });
}

void TWinWyniki::BitBtn1Click() {
  platform::ShowFromOpener(*WinRaport, *this);
}

void TWinWyniki::BitBtn3Click() {
  WinWykres->LayOutCharts();
  platform::ShowFromOpener(*WinWykres, *this);
}

void TWinWyniki::BitBtn2Click() {
  close();
}

void TWinWyniki::ClearResults() {
  // Widgets not built yet show no result: their build gives them their first texts.
  if (!ui.Built()) return;
  QStringList labels;
  for (const QLabel* label : findChildren<QLabel*>()) labels << label->objectName();
  platform::RestoreSetUpTexts<Ui::TWinWyniki>(*this, labels);
  platform::ClearCells(*ui().TabZyskEnergetyczny, 1, 1);
  ClearReductions();
}

void TWinWyniki::ClearReductions() {
  // The reductions only: the names and their units (the last column) stay.
  for (int row = 0; row < ui().tabZanieczyszczenia->rowCount(); ++row)
    platform::SetCell(ui().tabZanieczyszczenia, 1, row, "b/d");
}
