#pragma once
// Keeps a child window anchored to its parent's edges while the parent is resized.
// An edge's factor says how much of the parent's growth it follows: 0 none, 256 all.
#include "afx/CRect.h"

class CWnd;

class CWindowLocator {
public:
    CWindowLocator() = default;
    CWindowLocator(const CWindowLocator&) = default;
    CWindowLocator& operator=(const CWindowLocator&) = default;
    virtual ~CWindowLocator() = default;

    // Records the window's rectangle and its parent's client rectangle as the reference.
    void SetWindow(CWnd* window);
    CWnd* GetWindow() const { return m_window; }
    void SetLeft(unsigned short factor) { m_left = factor; }
    void SetRight(unsigned short factor) { m_right = factor; }
    void SetTop(unsigned short factor) { m_top = factor; }
    void SetBottom(unsigned short factor) { m_bottom = factor; }

    virtual void Move();
    virtual void MoveWindow(CRect& rect);

protected:
    CWnd* m_window = nullptr;
    CRect m_windowRect;
    CRect m_parentRect;
    unsigned short m_left = 0;
    unsigned short m_right = 100;
    unsigned short m_top = 0;
    unsigned short m_bottom = 100;
};
