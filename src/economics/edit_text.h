// Numbers in the edits of the economics windows: written and read only through the number texts
// (engine/numtext.h), so that "." is the decimal separator whatever the locale.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <cstdint>
#include <string>

#include "engine/numtext.h"

namespace economics {

inline QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// Writing a text runs the edit's change handler only when the text differs.
inline void SetText(QLineEdit* edit, const std::string& text) {
  edit->setText(Q(text));
}
inline void SetText(QLabel* label, const std::string& text) {
  label->setText(Q(text));
}

// NumberConversionError for a text that is no number, the empty text included.
inline float ReadFloat(const QLineEdit* edit) {
  return ::ReadFloat(edit->text().toStdString());
}
inline int32_t ReadInt(const QLineEdit* edit) {
  return ::ReadInt(edit->text().toStdString());
}

// An integer as a decimal text.
inline std::string IntText(int32_t value) {
  return GeneralText(value, 15, 0);
}

}  // namespace economics
