// The main window's monthly table as it is painted: white headings broken between words, cream
// odd months, white even ones.
#include <QImage>
#include <QPalette>
#include <QTableWidget>

#include "selection_fixture.h"

namespace {

using MonthlyTableTest = SelectionTest;

const QColor kWhite(255, 255, 255);
const QColor kCreamRow(255, 251, 240);

// Whether any pixel of the rectangle is dark (text).
bool HasText(const QImage& image, const QRect& rect) {
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x)
      if (image.pixelColor(x, y).lightness() < 128) return true;
  return false;
}

TEST_F(MonthlyTableTest, HeadingsWrapOnWhiteAndOddMonthsAreCream) {
  QTableWidget* table = Form1->ui().TabelaKolektorow;
  platform::SetCell(table, 1, 1, "45.3 %");
  // A dark desktop: the table keeps its own colours.
  QPalette dark = table->palette();
  dark.setColor(QPalette::Base, QColor(40, 40, 40));
  table->setPalette(dark);
  const QImage image = table->viewport()->grab().toImage();
  auto cell = [table](int col, int row) {
    return QRect(table->columnViewportPosition(col), table->rowViewportPosition(row),
                 table->columnWidth(col), table->rowHeight(row));
  };
  // A pixel near the cell's left edge, where no centred text reaches.
  auto background = [&](int col, int row) {
    const QRect r = cell(col, row);
    return image.pixelColor(r.left() + 1, r.center().y());
  };
  EXPECT_EQ(background(1, 0), kWhite);
  EXPECT_EQ(background(1, 1), kCreamRow);  // January
  EXPECT_EQ(background(1, 2), kWhite);     // February
  EXPECT_EQ(background(3, 11), kCreamRow);
  EXPECT_EQ(background(0, 12), kWhite);

  // "Średnia sprawność [%]" does not fit 60 pixels: its words go on below the first line.
  const QRect heading = cell(1, 0);
  const int line = table->fontMetrics().height();
  ASSERT_LT(2 * line, heading.height());
  EXPECT_TRUE(HasText(image, QRect(heading.left(), heading.top(), heading.width(), line)));
  EXPECT_TRUE(HasText(image, QRect(heading.left(), heading.top() + line, heading.width(), line)));
  // The month's value is drawn in its cell.
  EXPECT_TRUE(HasText(image, cell(1, 1).adjusted(1, 1, -1, -1)));
}

}  // namespace
