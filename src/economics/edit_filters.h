// Event filters of the edits of the fittings and cost windows: key filters, which see each typed
// character before the edit does, the handler that runs when the user leaves an edit, and the one
// that runs when the user changes any input of a window.
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

// Runs handler, under the handler guard, whenever the user changes one of the window's inputs:
// text typed, pasted or cut in an edit, a box ticked, a button of a group chosen, an entry picked
// from a list. What the program writes into its widgets itself runs nothing.
void OnUserChange(QWidget* window, std::function<void()> handler);

}  // namespace economics
