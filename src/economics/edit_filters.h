// Event filters of the edits of the fittings and cost windows: key filters, which see each typed
// character before the edit does, and the handler that runs when the user leaves an edit.
#pragma once

#include <QLineEdit>
#include <functional>

namespace economics {

enum class KeyRule {
  Digits,   // counts: digits only
  Decimal,  // amounts: digits, "." and ","; a typed "," becomes "."
};

// Filters every key typed into the edit by the rule, for the edit's whole life. Control keys
// (backspace, tab, enter, escape) and keys without text (arrows, delete) pass; a character the
// rule does not allow is dropped.
void InstallKeyFilter(QLineEdit* edit, KeyRule rule);

// Runs handler, under the handler guard, when the focus moves from the edit to another control
// of its window. Another window taking the focus (a message box, a menu) is no leaving: a check
// that shows a box on leaving would otherwise run again for its own box.
void OnExit(QLineEdit* edit, std::function<void()> handler);

}  // namespace economics
