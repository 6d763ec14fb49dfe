#include "CFontSizeCombo.h"

#include "afx/windows/MessageMap.h"
#include "win32/fonts/Font.h"

#include <cstdio>
#include <cstdlib>

BEGIN_MESSAGE_MAP(CFontSizeCombo, CComboBox)
    ON_WM_CREATE()
END_MESSAGE_MAP()

int CFontSizeCombo::OnCreate(LPCREATESTRUCT cs)
{
    int result = CComboBox::OnCreate(cs);
    if (result == -1) return result;
    LoadSizes();
    Select(m_size);
    return result;
}

void CFontSizeCombo::LoadSizes()
{
    static const char* const kSizes[] = {"8", "9", "10", "11", "12", "13", "14", "16", "18",
                                         "20", "22", "24", "26", "28", "36", "48", "72"};
    for (const char* size : kSizes) AddString(size);
}

void CFontSizeCombo::SetSize(int points)
{
    m_size = points;
    Select(points);
}

void CFontSizeCombo::Select(int points)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", points);
    // Exact, so that 1 does not pick 10.
    int index = FindStringExact(-1, text);
    SetCurSel(index);
    if (index < 0) SetWindowText(text);
}

int CFontSizeCombo::GetSize() const
{
    CString text;
    GetWindowText(text);
    return std::atoi(text);
}

void CFontSizeCombo::DrawItem(LPDRAWITEMSTRUCT item)
{
    CComboBox::DrawItem(item);
    if (!item || !item->hDC) return;
    CString text;
    if (item->itemID == UINT(-1))
        text.Format("%d", m_size);
    else
        GetLBText(int(item->itemID), text);
    RECT r = item->rcItem;
    DrawTextA(item->hDC, text, text.GetLength(), &r, DT_VCENTER);
}
