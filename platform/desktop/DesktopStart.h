#pragma once
// Puts the window system on the user's screen. A program's main() calls MvDesktopStart
// before it creates its first window; from then on every window and control it creates
// shows as a Qt peer and the window system's loops (CWinApp::Run, modal dialogs) keep
// Qt's events flowing. This header carries no toolkit header, so main() may include it.

// Opens the display and starts the backend on the calling thread. Without a display
// (or when the display cannot be opened) prints one line saying so to stderr and
// answers false; the program should then exit with an error.
bool MvDesktopStart(int& argc, char** argv);
// Whether the backend runs in this process.
bool MvDesktopRunning();
// Stops showing windows (peers are removed, the models go on headless).
void MvDesktopStop();
