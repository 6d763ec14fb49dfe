#pragma once
// The window system's clipboard and the desktop's: what a control copies reaches other
// programs, and what they copied is what a paste inserts.
namespace DesktopClipboard {
// After a control copied or cut: the desktop's clipboard takes the text.
void Publish();
// Before a control pastes: the window system's clipboard takes the desktop's text, unless
// it holds the same text (keeping its rich form).
void Fetch();
} // namespace DesktopClipboard
