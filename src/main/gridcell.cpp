#include "main/gridcell.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTableWidget>
#include <algorithm>

#include "engine/numtext.h"
#include "main/vindargast.h"

void TForm1::PaintGridCell(QPainter& canvas, const QString& text, const QRect& rect, uint8_t mode) {
  const QFontMetrics metrics = canvas.fontMetrics();
  const int textWidth = metrics.horizontalAdvance(text);
  // A QRect's right() is its last pixel; the cell's right edge lies one pixel beyond.
  const int left = rect.x();
  const int right = rect.x() + rect.width();
  const int dx = (rect.width() - textWidth) / 2;
  const int dy = (rect.height() - metrics.height()) / 2;
  if (mode == 3) {
    try {
      ReadFloat(text.toStdString());
    } catch (const NumberConversionError&) {
      return;
    }
    mode = 1;
  }
  canvas.fillRect(rect, canvas.brush().color());
  // A text wider than its cell less 2 px on either side breaks at its blanks when the cell is
  // high enough for its lines (the grids' heading rows), rather than touching or running over its
  // neighbours.
  if (textWidth > rect.width() - 4 && rect.height() >= 2 * metrics.height()) {
    const int flags = Qt::TextWordWrap | Qt::AlignVCenter |
                      (mode == 1   ? Qt::AlignRight
                       : mode == 2 ? Qt::AlignLeft
                                   : Qt::AlignHCenter);
    canvas.drawText(rect.adjusted(2, 0, -2, 0), flags, text);
    return;
  }
  int x;
  switch (mode) {
    case 0:
      x = left + dx;
      break;
    case 1:
      x = right - textWidth - 3;
      break;
    case 2:
      x = left + 2;
      break;
    default:
      return;
  }
  canvas.drawText(x, rect.y() + dy + metrics.ascent(), text);
}

GridCellDelegate::GridCellDelegate(QObject* parent, Background background, int headingRows)
    : QStyledItemDelegate(parent), background_(std::move(background)), headingRows_(headingRows) {}

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  QColor colour = background_ ? background_(index.column(), index.row()) : QColor();
  if (!colour.isValid()) colour = option.palette.color(QPalette::Base);
  const QString text = index.data(Qt::DisplayRole).toString();
  painter->save();
  painter->setFont(option.font);
  painter->setPen(Qt::black);
  painter->setBrush(colour);
  if (index.row() < headingRows_) {
    painter->fillRect(option.rect, colour);
    painter->drawText(option.rect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
  } else {
    TForm1::PaintGridCell(*painter, text, option.rect, 0);
  }
  painter->restore();
}

GridCellDelegate::Background OddRows(const QColor& colour) {
  return [colour](int, int row) { return row % 2 == 1 ? colour : QColor(); };
}

void PaintCells(QTableWidget* grid, GridCellDelegate::Background background, int headingRows) {
  grid->setItemDelegate(new GridCellDelegate(grid, std::move(background), headingRows));
}

void FitRowsToTexts(QTableWidget* grid, int rowHeight) {
  const int formHeight = grid->height();
  const auto fit = [grid, rowHeight, formHeight] {
    // The cells are painted with the grid's font within their column and row less the grid line,
    // the text 2 px in from either side (PaintGridCell).
    const QFontMetrics metrics(grid->font());
    const int gridLine = grid->showGrid() ? 1 : 0;
    int total = 0;
    for (int row = 0; row < grid->rowCount(); ++row) {
      int height = rowHeight;
      for (int col = 0; col < grid->columnCount(); ++col) {
        const QTableWidgetItem* item = grid->item(row, col);
        const int room = grid->columnWidth(col) - gridLine - 4;
        if (!item || metrics.horizontalAdvance(item->text()) <= room) continue;
        const QRect lines =
            metrics.boundingRect(QRect(0, 0, room, 100000), Qt::TextWordWrap, item->text());
        height = std::max(height, lines.height() + 4 + gridLine);
      }
      grid->setRowHeight(row, height);
      total += height;
    }
    grid->setFixedHeight(std::max(formHeight, total + 2 * grid->frameWidth()));
  };
  QObject::connect(grid->model(), &QAbstractItemModel::dataChanged, grid, fit);
  fit();
}
