// Every text of every window fits its widget at the program's font (and no button is blank):
// labels, buttons, check boxes, radio buttons, group titles, and a grid's column titles and cells
// against their column. The windows are created as start-up creates them and checked as their forms
// lay them out.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTest>
#include <QVariant>
#include <string>
#include <vector>

#include "app/startup.h"
#include "app/windows.h"
#include "engine/vindargast2.h"
#include "main/izolacja.h"
#include "main/vindargast.h"
#include "recording_dialogs.h"
#include "started_program.h"
#include "window_list.h"

namespace {

QString Plain(QString text) {
  return text.remove(QLatin1Char('&'));
}

// The width the lines of a text take, the widest line counting.
int TextWidth(const QFontMetrics& metrics, const QString& text) {
  int width = 0;
  for (const QString& line : text.split(QLatin1Char('\n')))
    width = std::max(width, metrics.horizontalAdvance(line));
  return width;
}

int TextLines(const QString& text) {
  return static_cast<int>(text.count(QLatin1Char('\n'))) + 1;
}

class TextFit {
 public:
  explicit TextFit(QString window) : window_(std::move(window)) {}

  void Check(QWidget* widget) {
    Inside(widget);
    if (auto* label = qobject_cast<QLabel*>(widget)) return Label(label);
    if (auto* box = qobject_cast<QCheckBox*>(widget)) return Indicator(box);
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) return Indicator(radio);
    if (auto* button = qobject_cast<QPushButton*>(widget)) return Button(button);
    if (auto* group = qobject_cast<QGroupBox*>(widget)) return Group(group);
    if (auto* grid = qobject_cast<QTableWidget*>(widget)) return Grid(grid);
  }

  std::vector<std::string> failures;

 private:
  void Fail(const QWidget* widget, const QString& text, int need, int have,
            const char* what = "wide") {
    failures.push_back(window_.toStdString() + "/" + widget->objectName().toStdString() + " \"" +
                       text.toStdString() + "\": " + what + " " + std::to_string(need) + " > " +
                       std::to_string(have));
  }

  // A widget reaching beyond its parent is cut off (a scroll area's contents scroll instead).
  void Inside(QWidget* widget) {
    const QWidget* parent = widget->parentWidget();
    if (!parent || widget->isWindow()) return;
    if (parent->parentWidget() && qobject_cast<const QAbstractScrollArea*>(parent->parentWidget()))
      return;
    if (qobject_cast<const QAbstractScrollArea*>(parent)) return;
    const QRect room = parent->rect();
    const QRect place = widget->geometry();
    // Wholly outside is out of view on purpose (a second tank's half of a window that widens).
    if (!room.contains(place) && room.intersects(place))
      failures.push_back(window_.toStdString() + "/" + widget->objectName().toStdString() +
                         ": cut off, at " + std::to_string(place.right()) + "," +
                         std::to_string(place.bottom()) + " in " + std::to_string(room.width()) +
                         "x" + std::to_string(room.height()));
  }

  void Label(QLabel* label) {
    const QString text = label->text();
    if (text.isEmpty() || Qt::mightBeRichText(text) || label->textFormat() == Qt::RichText) return;
    const QFontMetrics metrics(label->font());
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                      -label->margin(), -label->margin());
    if (label->wordWrap()) {
      const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), 100000),
                                                Qt::TextWordWrap | label->alignment(), text);
      if (needed.height() > room.height())
        Fail(label, text, needed.height(), room.height(), "high");
      return;
    }
    const QString shown = label->buddy() ? Plain(text) : text;
    const int width = TextWidth(metrics, shown);
    if (width > room.width()) Fail(label, text, width, room.width());
    const int height = TextLines(shown) * metrics.height();
    if (height > room.height() + 1) Fail(label, text, height, room.height(), "high");
  }

  void Indicator(QAbstractButton* button) {
    if (button->text().isEmpty()) return;
    const QSize needed = button->sizeHint();
    if (needed.width() > button->width())
      Fail(button, button->text(), needed.width(), button->width());
    const int height = QFontMetrics(button->font()).height();
    if (height > button->height()) Fail(button, button->text(), height, button->height(), "high");
  }

  void Button(QPushButton* button) {
    const QString text = Plain(button->text());
    if (text.isEmpty()) {
      if (button->icon().isNull())
        failures.push_back(window_.toStdString() + "/" + button->objectName().toStdString() +
                           ": a blank button");
      return;
    }
    const QFontMetrics metrics(button->font());
    int width = TextWidth(metrics, text);
    if (!button->icon().isNull()) width += button->iconSize().width() + 4;
    const int room = button->width() - 4;
    if (width > room) Fail(button, text, width, room);
    const int height = TextLines(text) * metrics.height();
    if (height > button->height()) Fail(button, text, height, button->height(), "high");
  }

  void Group(QGroupBox* group) {
    const QString title = Plain(group->title());
    if (title.isEmpty()) return;
    const int width = QFontMetrics(group->font()).horizontalAdvance(title) + 12;
    if (width > group->width()) Fail(group, title, width, group->width());
  }

  void Grid(QTableWidget* grid) {
    const QFontMetrics header(grid->horizontalHeader()->font());
    for (int col = 0; col < grid->columnCount(); ++col) {
      if (grid->isColumnHidden(col)) continue;
      // A cell is painted within its column and row less the grid line, its text 2 px in from
      // either side.
      const int gridLine = grid->showGrid() ? 1 : 0;
      const int room = grid->columnWidth(col) - gridLine - 4;
      if (grid->horizontalHeader()->isVisible() || !grid->horizontalHeader()->isHidden()) {
        if (const QTableWidgetItem* title = grid->horizontalHeaderItem(col)) {
          const int width = TextWidth(header, title->text());
          if (!grid->horizontalHeader()->isHidden() && width > room)
            Fail(grid, title->text() + " (column title)", width, room);
        }
      }
      for (int row = 0; row < grid->rowCount(); ++row) {
        const QTableWidgetItem* item = grid->item(row, col);
        if (!item || item->text().isEmpty() || grid->isRowHidden(row)) continue;
        // The font the grid paints the cell with: its own, unless the cell has one.
        const QVariant own = item->data(Qt::FontRole);
        const QFontMetrics cells(own.isValid() ? own.value<QFont>().resolve(grid->font())
                                               : grid->font());
        const QString text = item->text();
        const int width = TextWidth(cells, text);
        if (width <= room) continue;
        // A text wider than its column may break at its blanks when the row holds its lines.
        int widestWord = 0;
        for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
          widestWord = std::max(widestWord, cells.horizontalAdvance(word));
        const int height =
            cells.boundingRect(QRect(0, 0, room, 100000), Qt::TextWordWrap, text).height();
        if (widestWord > room) {
          Fail(grid, text, widestWord, room);
        } else if (height > grid->rowHeight(row) - gridLine) {
          Fail(grid, text, height, grid->rowHeight(row) - gridLine, "high");
        }
      }
    }
  }

  QString window_;
};

class TextFitTest : public StartedProgramTest {
 protected:
  RecordingDialogs dialogs_;
};

TEST_F(TextFitTest, EveryTextFitsItsWidget) {
  std::vector<std::string> failures;
  for (const auto& [name, window] : app_test::Windows()) {
    // Shown, so that every layout has placed its widgets; a box a showing raises is recorded.
    const bool shown = window->isVisible();
    window->show();
    QApplication::processEvents();
    TextFit fit{QString::fromUtf8(name)};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
      if (!widget->isVisibleTo(window)) continue;
      fit.Check(widget);
    }
    if (!shown) window->hide();
    failures.insert(failures.end(), fit.failures.begin(), fit.failures.end());
  }
  std::string all;
  for (const std::string& failure : failures) all += failure + "\n";
  EXPECT_TRUE(failures.empty()) << failures.size() << " texts do not fit:\n" << all;
}

// The insulation window shows one kind at a time: each kind of the program's catalogue, its long
// materials and producers' names among them, reads whole in the kind's grid.
TEST_F(TextFitTest, EveryInsulationKindFitsItsGrid) {
  WinIzolacja->show();
  QApplication::processEvents();
  QComboBox* kinds = WinIzolacja->ui().ComboWyborIzolacji;
  ASSERT_GT(kinds->count(), 1);
  TextFit fit{QStringLiteral("WinIzolacja")};
  for (int kind = 0; kind < kinds->count(); ++kind) {
    kinds->setCurrentIndex(kind);
    emit kinds->activated(kind);
    QApplication::processEvents();
    fit.Check(WinIzolacja->ui().TabelaIzolacja);
  }
  WinIzolacja->hide();
  std::string all;
  for (const std::string& failure : fit.failures) all += failure + "\n";
  EXPECT_TRUE(fit.failures.empty()) << all;
}

}  // namespace
