#include "main/selection.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QTableWidget>
#include <QVariant>
#include <algorithm>

#include "app/windows.h"
#include "engine/vindargast2.h"
#include "main/gridcell.h"
#include "main/vindargast.h"
#include "online/DMVindargast.h"
#include "online/producent.h"
#include "platform/cellgrid_qt.h"
#include "platform/guard.h"
#include "platform/opening.h"
#include "platform/system.h"

platform::MessageBoxWarningNotifier TSelectionWindow::Notifier;

TSelectionWindow::TSelectionWindow(QWidget* parent) : QDialog(parent) {}

void TSelectionWindow::setVisible(bool visible) {
  if (visible && buildWidgets_) buildWidgets_();
  QDialog::setVisible(visible);
}

void TSelectionWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  platform::RunAtOpening(event, [this] { FormShow(); });
}

void TSelectionWindow::CataloguesReplaced() {
  if (isVisible()) platform::RunGuarded([this] { FormShow(); });
}

bool TSelectionWindow::eventFilter(QObject* watched, QEvent* event) {
  // A link label laid out anew shortens its address to its new width.
  if (event->type() == QEvent::Resize && linkHandlers_.count(watched)) {
    auto* label = static_cast<QLabel*>(watched);
    const QVariant link = label->property("link");
    if (link.isValid()) ShowLink(label, link.toString());
  }
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    auto found = linkHandlers_.find(watched);
    if (found != linkHandlers_.end()) {
      platform::RunGuarded(found->second);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TSelectionWindow::SetUpGrid(QTableWidget* grid, std::initializer_list<int> widths,
                                 std::initializer_list<const char*> captions) {
  int col = 0;
  for (int width : widths) grid->setColumnWidth(col++, width);
  grid->verticalHeader()->setMinimumSectionSize(1);
  grid->verticalHeader()->setDefaultSectionSize(18);
  for (int row = 0; row < grid->rowCount(); ++row) grid->setRowHeight(row, 18);
  int row = 0;
  for (const char* caption : captions) platform::SetCell(grid, 0, row++, caption);
  PaintOddRowsBlue(grid);
}

void TSelectionWindow::PaintOddRowsBlue(QTableWidget* grid) {
  PaintCells(grid, OddRows(kLightBlue));
}

void TSelectionWindow::FillCombo(const DevicePanel& panel) {
  panel.combo->clear();
  const int rows = Rows(panel);
  for (int row = 0; row < rows; ++row) {
    const std::vector<std::string>& cells = panel.table->Rows[size_t(row)];
    panel.combo->addItem(size_t(panel.comboColumn) < cells.size()
                             ? QString::fromStdString(cells[size_t(panel.comboColumn)])
                             : QString());
  }
  panel.combo->setCurrentIndex(-1);
  panel.combo->setEditText(QString());
}

int TSelectionWindow::Rows(const DevicePanel& panel) {
  return std::max(0, std::min(panel.table->RowCount, int(panel.table->Rows.size())));
}

bool TSelectionWindow::TakeRow(const DevicePanel& panel, int row) {
  if (!TakeDevice(panel, row)) return false;
  ShowDevice(panel, *panel.device);
  return true;
}

bool TSelectionWindow::TakeDevice(const DevicePanel& panel, int row) {
  if (row < 0 || row >= Rows(panel) || panel.table->Rows[size_t(row)].empty()) return false;
  // The id first, so that the device finds the row it expects.
  panel.id() = ReadInt(panel.table->Rows[size_t(row)][0]);
  panel.device->LoadFromCatalogue(panel.table->Rows, row, Notifier);
  return true;
}

void TSelectionWindow::ShowDevice(const DevicePanel& panel, const CUrzadzenie& device) {
  platform::TableCellGrid grid(panel.grid);
  device.ShowInGrid(grid, DotFormatSettings);
  for (size_t link = 0; link < panel.linkLabels.size() && link < panel.linkTexts.size(); ++link)
    ShowLink(panel.linkLabels[link], QString::fromStdString(panel.linkTexts[link](device)));
  panel.memo->setPlainText(QString::fromStdString(device.Opis));
}

void TSelectionWindow::ShowEngineDevice(const DevicePanel& panel) {
  ShowDevice(panel, *panel.device);
  panel.combo->setCurrentIndex(-1);
  panel.combo->setEditText(QString::fromStdString(panel.device->Model));
}

bool TSelectionWindow::ShowsEngineDevices() {
  return Engine.ProjectLoaded == 1 || Engine.SetPriceMode == 1;
}

void TSelectionWindow::PrepareCombo(QComboBox* combo, const char* invitation) {
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->lineEdit()->setReadOnly(true);
  // The text is shown, never typed: a shown model that matches an entry is no choice of it (Qt
  // would activate that entry when the edit loses the focus, and the window would take the
  // catalogue's row in place of the design's device).
  QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
  combo->setCurrentIndex(-1);
  combo->setEditText(QString::fromUtf8(invitation));
}

bool TSelectionWindow::CreatePanel(const DevicePanel& panel, int32_t& index, int row) {
  index = row;
  const bool listed = row >= 0 && row < Rows(panel);
  // The combo shows the entry taken now, whatever the table holds by the build.
  QString text;
  if (listed) {
    const std::vector<std::string>& cells = panel.table->Rows[size_t(row)];
    if (size_t(panel.comboColumn) < cells.size())
      text = QString::fromStdString(cells[size_t(panel.comboColumn)]);
  }
  Later([&panel, listed, row, text] {
    FillCombo(panel);
    if (!listed) return;
    panel.combo->setCurrentIndex(row);
    if (panel.combo->currentText() != text) panel.combo->setEditText(text);
  });
  if (!listed || !TakeDevice(panel, row)) return false;
  Later([&panel, shown = panel.copy()] { ShowDevice(panel, *shown); });
  return true;
}

bool TSelectionWindow::ChoosePanel(const DevicePanel& panel, int32_t& index) {
  const int row = panel.combo->currentIndex();
  if (row < 0 || row >= Rows(panel)) return false;
  index = row;
  if (!TakeRow(panel, row)) return false;
  Engine.SetPriceMode = 0;
  Form1->DesignChanged();  // the results on screen were computed with the device before
  return true;
}

void TSelectionWindow::ShowPanel(const DevicePanel& panel, bool showDevice) {
  FillCombo(panel);
  if (ShowsEngineDevices() && showDevice) ShowEngineDevice(panel);
}

void TSelectionWindow::ShowEditor(QDialog* editor, bool modal) {
  // A window shown without modality under this modal one could not be used until this one
  // closed, so it is stacked above it instead.
  if (modal || isModal()) {
    editor->exec();
  } else {
    editor->show();
    editor->raise();
  }
}

void TSelectionWindow::SetStatusText(const QString& text) {
  Form1->SetStatusText(0, text);
}

void TSelectionWindow::ConnectLink(QLabel* label, std::function<void()> handler, bool handCursor) {
  linkHandlers_[label] = std::move(handler);
  label->installEventFilter(this);
  if (handCursor) label->setCursor(Qt::PointingHandCursor);
}

void TSelectionWindow::ShowLink(QLabel* label, const QString& link) {
  // An address wider than its label is shortened in its middle, whole in the tool tip; a click
  // opens the whole address.
  label->setProperty("link", link);
  const QString shown =
      label->fontMetrics().elidedText(link, Qt::ElideMiddle, label->contentsRect().width());
  label->setText(shown);
  label->setProperty("linkShown", shown);
  label->setToolTip(shown == link ? QString() : link);
}

void TSelectionWindow::OpenLink(const QLabel* label) {
  // A shortened address stands whole in the tool tip; any other text is the address itself.
  const QVariant link = label->property("link");
  const bool shortened = link.isValid() && label->text() == label->property("linkShown");
  const QString text = shortened ? link.toString() : label->text();
  if (text.isEmpty() || text == "brak") return;
  platform::ShellOpen(text);
}

void TSelectionWindow::ShowProducers() {
  try {
    if (!DM) throw DatabaseError("no data module");
    DM->SetConnected(true);
    WinProducenci->exec();
  } catch (...) {
    platform::PlainBox(
        "Nieudane połączenie z bazą! Prawdopodobnie nie masz połączenia z Internetem ");
  }
}
