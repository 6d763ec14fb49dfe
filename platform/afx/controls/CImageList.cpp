#include "afx/controls/CImageList.h"
#include "afx/windows/CWinApp.h"
#include "win32/controls/CtlImageList.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Icon.h"

#include <map>
#include <mutex>

IMPLEMENT_DYNAMIC(CImageList, CObject)

CImageList::~CImageList()
{
    DeleteImageList();
}

CImageList* CImageList::FromHandle(HIMAGELIST list)
{
    if (!list) return nullptr;
    // Wrappers live as long as the process and never destroy the list they show
    // (list handles are not reused).
    static std::mutex lock;
    static auto* wrappers = new std::map<HIMAGELIST, CImageList*>;
    std::lock_guard guard(lock);
    CImageList*& wrapper = (*wrappers)[list];
    if (!wrapper) {
        wrapper = new CImageList;
        wrapper->m_hImageList = list;
    }
    return wrapper;
}

BOOL CImageList::Create(int width, int height, UINT flags, int initial, int grow)
{
    if (m_hImageList) return FALSE;
    m_hImageList = ImageList_Create(width, height, flags, initial, grow);
    return m_hImageList ? TRUE : FALSE;
}

BOOL CImageList::Create(UINT bitmapId, int width, int grow, COLORREF mask)
{
    return Create(MAKEINTRESOURCE(bitmapId), width, grow, mask);
}

BOOL CImageList::Create(LPCTSTR bitmapName, int width, int grow, COLORREF mask)
{
    HBITMAP bitmap = LoadBitmapA(AfxGetResourceHandle(), bitmapName);
    if (!bitmap) return FALSE;
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    BOOL ok = Create(width, info.bmHeight, ILC_COLORDDB | ILC_MASK, 0, grow) && Add(bitmap, mask) >= 0;
    DeleteObject(bitmap);
    if (!ok) DeleteImageList();
    return ok;
}

BOOL CImageList::DeleteImageList()
{
    if (!m_hImageList) return FALSE;
    ImageList_Destroy(Detach());
    return TRUE;
}

BOOL CImageList::Attach(HIMAGELIST list)
{
    if (m_hImageList || !list) return FALSE;
    m_hImageList = list;
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST list = m_hImageList;
    m_hImageList = nullptr;
    return list;
}

int CImageList::GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
BOOL CImageList::SetImageCount(UINT count) { return ImageList_SetImageCount(m_hImageList, count); }
int CImageList::Add(HBITMAP bitmap, HBITMAP mask) { return ImageList_Add(m_hImageList, bitmap, mask); }
int CImageList::Add(HBITMAP bitmap, COLORREF mask) { return ImageList_AddMasked(m_hImageList, bitmap, mask); }
int CImageList::Add(HICON icon) { return ImageList_AddIcon(m_hImageList, icon); }
BOOL CImageList::Remove(int index) { return ImageList_Remove(m_hImageList, index); }
BOOL CImageList::Draw(HDC dc, int index, POINT at, UINT style) { return ImageList_Draw(m_hImageList, index, dc, at.x, at.y, style); }
COLORREF CImageList::SetBkColor(COLORREF colour) { return ImageList_SetBkColor(m_hImageList, colour); }
