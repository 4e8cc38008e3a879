#include "platform/form_texts.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <algorithm>

namespace platform {

void CopySetUpTexts(const QWidget& pristine, QWidget& window, const QStringList& names) {
  for (const QString& name : names) {
    const QWidget* from = pristine.findChild<const QWidget*>(name);
    QWidget* to = window.findChild<QWidget*>(name);
    if (!from || !to) continue;
    if (auto* label = qobject_cast<QLabel*>(to)) {
      if (auto* start = qobject_cast<const QLabel*>(from)) label->setText(start->text());
    } else if (auto* edit = qobject_cast<QLineEdit*>(to)) {
      if (auto* start = qobject_cast<const QLineEdit*>(from)) edit->setText(start->text());
    }
  }
}

void ClearCells(QTableWidget& grid, int firstCol, int firstRow, int endCol) {
  const int end = endCol < 0 ? grid.columnCount() : std::min(endCol, grid.columnCount());
  for (int row = firstRow; row < grid.rowCount(); ++row)
    for (int col = firstCol; col < end; ++col)
      if (QTableWidgetItem* item = grid.item(row, col)) item->setText(QString());
}

}  // namespace platform
