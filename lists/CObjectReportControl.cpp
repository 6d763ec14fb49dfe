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
    return static_cast<LPARAM>(key);
}

void CObjectReportControl::DetachRow(CObjectDisplay* display)
{
    for (auto it = mRowDisplays.begin(); it != mRowDisplays.end(); ++it)
        if (it->second == display) {
            mRowDisplays.erase(it);
            return;
        }
}

CObjectDisplay* CObjectReportControl::DisplayOfRow(int row)
{
    if (!m_hWnd || row < 0 || row >= CListCtrl::GetItemCount())
        return nullptr;
    auto it = mRowDisplays.find(CReportCtrl::GetItemData(row));
    return it == mRowDisplays.end() ? nullptr : it->second;
}
