// The state of the NUM LOCK key, for the main window's status bar.
#pragma once

#include <optional>

namespace platform {

// On or off as the keyboard's NUM LOCK indicator shows it; nothing when the state cannot be
// known (no X server, as under the offscreen platform of the tests).
std::optional<bool> NumLockOn();

// The X server's state of the NUM LOCK indicator, asked directly; the system backend's answer.
std::optional<bool> SystemNumLock();

}  // namespace platform
