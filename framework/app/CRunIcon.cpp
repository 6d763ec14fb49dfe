#include "CRunIcon.h"

#include "afx/windows/CWinApp.h"
#include "win32/gdi/Icon.h"

bool CRunIcon::Load(UINT id)
{
    m_id = id;
    m_icon = LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id));
    return m_icon != nullptr;
}
