// The program's cell painter: where each mode puts the text, what it fills, and the numbers-only
// mode that draws nothing at all for a text that is no number.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "main/vindargast.h"
#include "qt_app.h"

namespace {

const QColor kBrush(166, 202, 240);

QImage Blank() {
  QImage image(160, 40, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// The cell as the painter draws it.
QImage Painted(const QString& text, const QRect& cell, uint8_t mode) {
  QImage image = Blank();
  QPainter painter(&image);
  painter.setBrush(kBrush);
  painter.setPen(Qt::black);
  TForm1::PaintGridCell(painter, text, cell, mode);
  return image;
}

// The cell filled and the text drawn with its top left corner at x and the centred height.
QImage Expected(const QString& text, const QRect& cell, int x, bool withText = true) {
  QImage image = Blank();
  QPainter painter(&image);
  painter.fillRect(cell, kBrush);
  painter.setPen(Qt::black);
  const QFontMetrics metrics = painter.fontMetrics();
  const int y = cell.y() + (cell.height() - metrics.height()) / 2 + metrics.ascent();
  if (withText) painter.drawText(x, y, text);
  return image;
}

int Width(const QString& text) {
  QImage image = Blank();
  QPainter painter(&image);
  return painter.fontMetrics().horizontalAdvance(text);
}

TEST(GridCellPainter, EachModePlacesTheTextItsWay) {
  EnsureApplication();
  const QRect cell(40, 10, 80, 18);  // left 40, right edge 120
  const QString text = "12.5";
  const int width = Width(text);
  struct Case {
    const char* name;
    uint8_t mode;
    int x;
  };
  const Case cases[] = {
      {"0 centred", 0, 40 + (80 - width) / 2},
      {"1 right-aligned", 1, 120 - width - 3},
      {"2 left-aligned", 2, 40 + 2},
      {"3 with a number: as 1", 3, 120 - width - 3},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Painted(text, cell, c.mode), Expected(text, cell, c.x)) << c.name;
}

TEST(GridCellPainter, ATextWiderThanTheCellStartsLeftOfIt) {
  EnsureApplication();
  const QRect cell(60, 10, 20, 18);
  const QString text = "Październik 2024";
  const int width = Width(text);
  ASSERT_GT(width, 20);
  const int dx = (20 - width) / 2;  // negative, truncated toward zero
  EXPECT_LT(dx, 0);
  EXPECT_EQ(Painted(text, cell, 0), Expected(text, cell, 60 + dx));
}

TEST(GridCellPainter, NumbersOnlyModeLeavesOtherTextsUntouchedAndOtherModesOnlyFill) {
  EnsureApplication();
  const QRect cell(40, 10, 80, 18);
  for (const char* text : {"abc", "", "1,5", "12.5 kWh"})
    EXPECT_EQ(Painted(text, cell, 3), Blank()) << '"' << text << '"';
  EXPECT_EQ(Painted("12.5", cell, 7), Expected("12.5", cell, 0, false));
}

}  // namespace
