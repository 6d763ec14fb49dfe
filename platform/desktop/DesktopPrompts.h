#pragma once
// Message boxes, file and folder choosers and popup menus answered through Qt's own dialogs.
class DesktopLoop;

void DesktopInstallPrompts(DesktopLoop& loop);
void DesktopRemovePrompts();
