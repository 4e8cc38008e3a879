// The user's own changes of a window's inputs, apart from what the program writes into them.
#pragma once

#include <QWidget>
#include <functional>

namespace platform {

// Runs handler, under the handler guard, whenever the user changes one of the window's inputs:
// text typed, pasted or cut in an edit (also a list's own), a box ticked, a button of a group
// chosen, an entry picked from a list. What the program writes into its widgets runs nothing.
void OnUserChange(QWidget* window, const std::function<void()>& handler);

}  // namespace platform
