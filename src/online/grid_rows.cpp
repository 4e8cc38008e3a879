#include "online/grid_rows.h"

#include <QColor>
#include <QPalette>
#include <QTableView>

void RecordRowDelegate::initStyleOption(QStyleOptionViewItem* option,
                                        const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  if (!(option->state & QStyle::State_Selected)) return;
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    option->palette.setColor(group, QPalette::Highlight, QColor(0, 128, 0));
    option->palette.setColor(group, QPalette::HighlightedText, Qt::white);
  }
  option->font.setBold(true);
  option->font.setPointSize(8);
}

void PaintRecordRows(QTableView* grid) {
  grid->setItemDelegate(new RecordRowDelegate(grid));
}
