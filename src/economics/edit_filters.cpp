#include "economics/edit_filters.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QObject>
#include <utility>

#include "main/vindargast.h"
#include "platform/guard.h"

namespace economics {
namespace {

class KeyFilter : public QObject {
 public:
  KeyFilter(QLineEdit* edit, KeyRule rule) : QObject(edit), edit_(edit), rule_(rule) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != edit_ || event->type() != QEvent::KeyPress) return false;
    const QString text = static_cast<QKeyEvent*>(event)->text();
    if (text.isEmpty()) return false;
    const QChar c = text.at(0);
    if (c == u'\b' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\x1b') return false;
    QChar key = c;
    if (rule_ == KeyRule::Decimal) {
      TForm1::FilterNumericKey(key);  // the program's one decimal key filter
    } else if (key < u'0' || key > u'9') {
      key = QChar(0);
    }
    if (key == c) return false;
    if (!key.isNull()) edit_->insert(QString(key));
    return true;  // dropped or replaced; clipboard shortcuts are dropped as typed characters
  }

 private:
  QLineEdit* edit_;
  KeyRule rule_;
};

class ExitFilter : public QObject {
 public:
  ExitFilter(QLineEdit* edit, std::function<void()> handler)
      : QObject(edit), edit_(edit), handler_(std::move(handler)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == edit_ && event->type() == QEvent::FocusOut) {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        platform::RunGuarded(handler_);
      }
    }
    return false;
  }

 private:
  QLineEdit* edit_;
  std::function<void()> handler_;
};

}  // namespace

void OnExit(QLineEdit* edit, std::function<void()> handler) {
  edit->installEventFilter(new ExitFilter(edit, std::move(handler)));
}

void InstallKeyFilter(QLineEdit* edit, KeyRule rule) {
  edit->installEventFilter(new KeyFilter(edit, rule));
}

}  // namespace economics
