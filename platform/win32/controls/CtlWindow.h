#pragma once
// The control models as window classes: one window procedure creates a control's model when
// its window is created, hands it every message, sends its notices to the parent window and
// tells window observers when its state changed.
#include "win32/controls/CtlModel.h"

#include <functional>

using CtlFactory = std::function<CtlModel*(const CREATESTRUCTA& create)>;

// Creation parameter of a control window that shows a model owned elsewhere (a list view's
// header); `home` is the host the model goes back to when the window is destroyed.
struct CtlBorrowed {
    CtlModel* model;
    CtlHost* home;
};

// Registers a control class whose windows get a model from the factory.
bool CtlRegisterClass(const char* className, CtlFactory factory);
// Registers the classes of every standard and common control; safe to call again.
void CtlRegisterControlClasses();
// The model of a control window, null for other windows.
CtlModel* CtlModelOf(HWND hwnd);
template <typename T>
T* CtlModelAs(HWND hwnd)
{
    return dynamic_cast<T*>(CtlModelOf(hwnd));
}
