#pragma once
// The desktop's clipboard (Qt's) behind the window system's while the backend runs: what a
// control copies reaches other programs, and what they copied is what a paste inserts, as
// text and as rich text.
namespace DesktopClipboard {
// On Qt's GUI thread; calls from other threads keep to the process's own board.
void Attach();
void Detach();
} // namespace DesktopClipboard
