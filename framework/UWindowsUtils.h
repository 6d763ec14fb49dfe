#pragma once
// Window helpers that accept a null window, and the saved place of a main window in
// "window.ini".
#include "win32/WinTypes.h"

class CButton;
class CPanel;
class CWnd;

enum EAlignWindow { kAlignLeft = 1, kAlignRight = 2, kAlignTop = 3, kAlignBottom = 4 };

class UWindowsUtils {
public:
    UWindowsUtils& operator=(const UWindowsUtils&) { return *this; }

    // The window's rectangle in its parent's client coordinates (screen coordinates
    // without a parent); false only for a null window.
    static bool GetInParentRect(CWnd* window, RECT& rect);
    static bool AlignWindow(CWnd* reference, CWnd* window, int how);
    static void Overlap(CWnd* window, CWnd* reference);
    static void ReplaceWindow(CWnd* window, CWnd* reference);
    static void MoveVertical(CWnd* window, int dy);

    static void ShowWindow(CWnd* window, bool show);
    static void EnableWindow(CWnd* window, bool enable);
    static void SetCheck(CButton* button, bool checked);
    static bool GetCheck(CButton* button);
    static void EnablePanel(CPanel* panel, bool enable);

    // Sets the text only when it differs, so an unchanged text causes no repaint.
    static void SetWindowTextA(CWnd* window, const char* text);
    static void SetWindowTextA(CWnd* window, int number);
    // Invalidates the whole window and erases the background.
    static void Refresh(CWnd* window);

    static void StoreLocation(CWnd* window);
    static void PlaceWindow(CWnd* window, bool resize);
};
