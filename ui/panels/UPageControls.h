#pragma once
// Pages whose template variants carry only some of a page class's controls bind what is
// there and hand the controller null for the rest.
#include "afx/windows/CDataExchange.h"
#include "afx/windows/CWnd.h"

// Binds the control when the page's template has it.
inline void BindIfPresent(CWnd* page, CDataExchange* dx, int id, CWnd& control)
{
    if (::GetDlgItem(page->m_hWnd, id)) DDX_Control(dx, id, control);
}

// The control when it was bound, else null.
template <class T>
T* IfBound(T& control)
{
    return control.m_hWnd ? &control : nullptr;
}
