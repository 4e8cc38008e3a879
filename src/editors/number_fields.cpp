#include "editors/number_fields.h"

#include <QEvent>
#include <QItemEditorFactory>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "economics/edit_filters.h"
#include "engine/numtext.h"
#include "main/vindargast.h"
#include "platform/message_box.h"

namespace editors {

namespace {

// Drops, before the grid opens a cell's editor with it, a typed character that the numeric key
// filter would drop inside the editor.
class GridKeyFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const QString text = static_cast<QKeyEvent*>(event)->text();
    if (text.isEmpty() || text.at(0) < u' ') return false;  // control and navigation keys
    QChar key = text.at(0);
    TForm1::FilterNumericKey(key);
    return key.isNull();
  }
};

// The editor of a grid cell: a line edit with the numeric key filter.
class DecimalEditorFactory : public QItemEditorFactory {
 public:
  QWidget* createEditor(int /*userType*/, QWidget* parent) const override {
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    economics::InstallKeyFilter(edit, economics::KeyRule::Decimal);
    return edit;
  }
};

}  // namespace

void FilterGridKeys(QTableWidget* grid) {
  static DecimalEditorFactory factory;  // delegates keep a pointer to it for their life
  if (auto* delegate = qobject_cast<QStyledItemDelegate*>(grid->itemDelegate()))
    delegate->setItemEditorFactory(&factory);
  grid->installEventFilter(new GridKeyFilter(grid));
}

bool IsNumberText(const QString& text, NumberKind kind) {
  const std::string utf8 = text.toStdString();
  if (kind == NumberKind::Decimal) return ReadsAsFloat(utf8);
  try {
    ReadInt(utf8);
    return true;
  } catch (const NumberConversionError&) {
    return false;
  }
}

bool CheckNumberField(const QString& text, const QString& fieldName, NumberKind kind) {
  if (IsNumberText(text, kind)) return true;
  const char* const pattern =
      kind == NumberKind::Decimal
          ? "Wartość „%1” w polu „%2” nie jest liczbą.\nProszę wprowadzić poprawną wartość"
          : "Wartość „%1” w polu „%2” nie jest liczbą całkowitą.\nProszę wprowadzić poprawną "
            "wartość";
  platform::MessageBox(QString::fromUtf8(pattern).arg(text, fieldName),
                       QString::fromUtf8("Ostrzeżenie"), platform::Icon::Warning);
  return false;
}

}  // namespace editors
