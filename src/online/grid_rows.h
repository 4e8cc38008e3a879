// The look of the producer list's and the offer window's grids: records 1, 3, 5, ... light grey,
// the others white (the query's model gives these), and the selected record green with white,
// bold 8-point text, whichever window has the focus.
#pragma once

#include <QStyledItemDelegate>

class QTableView;

class RecordRowDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

// Paints the grid's cells through a new RecordRowDelegate owned by the grid.
void PaintRecordRows(QTableView* grid);
