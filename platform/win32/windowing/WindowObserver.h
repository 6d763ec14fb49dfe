#pragma once
// Lets a display backend (or a test) observe every change of the window models.
// Events are delivered on the thread that made the change, outside internal locks.
#include "win32/WinTypes.h"

enum class MvWindowEvent {
    Created,
    Destroyed,
    Text,
    Style,
    Rect,
    Parent,
    Visible,
    Enabled,
    Focus,
    Capture,
    Active,
    Invalidated,
    Menu,
    ControlState,   // a control model changed (items, selection, check state, ...)
    Drawn,          // drawn on through a window DC outside painting (a video picture)
};

class IMvWindowObserver {
public:
    virtual ~IMvWindowObserver() = default;
    virtual void OnWindowEvent(HWND hwnd, MvWindowEvent event) = 0;
    // A menu's items, texts or states changed (menus are not windows).
    virtual void OnMenuChanged(HMENU) {}
};

void MvAddWindowObserver(IMvWindowObserver* observer);
void MvRemoveWindowObserver(IMvWindowObserver* observer);
void MvNotifyWindowObservers(HWND hwnd, MvWindowEvent event);
void MvNotifyMenuObservers(HMENU menu);
