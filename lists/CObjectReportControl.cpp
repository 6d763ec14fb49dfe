#include "CObjectReportControl.h"

#include "afx/MessageMap.h"

BEGIN_MESSAGE_MAP(CObjectReportControl, CReportCtrl)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemchanged)
    ON_NOTIFY_REFLECT(LVN_ITEMCHANGING, OnItemchanging)
    ON_NOTIFY_REFLECT(LVN_ENDLABELEDIT, OnEndlabeledit)
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
