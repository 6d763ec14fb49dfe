#pragma once
// A control's own child window (a list's header, a label's edit box) handed out as a
// wrapper object: the one another object already made, or a slot the control keeps.
#include "afx/windows/CWnd.h"

template <typename T>
T* AfxWrapChild(T& slot, HWND hwnd)
{
    if (!hwnd) return nullptr;
    if (auto* known = dynamic_cast<T*>(CWnd::FromHandlePermanent(hwnd))) return known;
    if (slot.m_hWnd != hwnd) {
        slot.Detach();
        if (!slot.Attach(hwnd)) return nullptr;
    }
    return &slot;
}
