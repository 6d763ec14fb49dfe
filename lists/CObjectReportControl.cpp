#include "CObjectReportControl.h"

#include "afx/windows/MessageMap.h"

BEGIN_MESSAGE_MAP(CObjectReportControl, CReportCtrl)
    MV_OBJECT_LIST_MESSAGE_ENTRIES()
END_MESSAGE_MAP()

void CObjectReportControl::InstallImageList(CImageList* images)
{
    CReportCtrl::SetImageList(images);
}

LPARAM CObjectReportControl::AttachRow(CObjectDisplay* display)
{
    DWORD key = mNextKey++;
    if (mNextKey == 0)
        mNextKey = 1;
    mRowDisplays[key] = display;
    mDisplayKeys[display] = key;
    return static_cast<LPARAM>(key);
}

void CObjectReportControl::DetachRow(CObjectDisplay* display)
{
    auto it = mDisplayKeys.find(display);
    if (it == mDisplayKeys.end())
        return;
    mRowDisplays.erase(it->second);
    mDisplayKeys.erase(it);
}

CObjectDisplay* CObjectReportControl::DisplayOfRow(int row)
{
    if (!m_hWnd || row < 0 || row >= CListCtrl::GetItemCount())
        return nullptr;
    auto it = mRowDisplays.find(CReportCtrl::GetItemData(row));
    return it == mRowDisplays.end() ? nullptr : it->second;
}
