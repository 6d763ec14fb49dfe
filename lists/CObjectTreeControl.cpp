#include "CObjectTreeControl.h"

#include "CObjectTreeDisplay.h"
#include "CPersistObjectDropTarget.h"
#include "CPointerList.h"
#include "SPersistObjectHit.h"
#include "afx/gdi/CBitmap.h"
#include "afx/windows/COleDataSource.h"
#include "afx/windows/MessageMap.h"
#include "win32/kernel/GlobalMemory.h"

#include <cstring>

BEGIN_MESSAGE_MAP(CObjectTreeControl, CTreeCtrl)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_LBUTTONDOWN()
    ON_NOTIFY_REFLECT(TVN_SELCHANGED, OnSelchanged)
    ON_NOTIFY_REFLECT(TVN_ENDLABELEDIT, OnEndlabeledit)
    ON_MESSAGE(kPersistObjectHitMessage, OnHitObject)
END_MESSAGE_MAP()

CObjectTreeControl::~CObjectTreeControl()
{
    Unbind();
}

void CObjectTreeControl::Unbind()
{
    SelectAll(false);
    SetObject(nullptr);
}

CString CObjectTreeControl::GetObjectText(CPersistObject*, int, bool)
{
    return CString();
}

int CObjectTreeControl::GetObjectImage(CPersistObject*)
{
    return 0;
}

UINT CObjectTreeControl::GetImageListResource(int&, int&)
{
    return 0;
}

CObjectDisplay* CObjectTreeControl::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CObjectTreeDisplay(this) : nullptr;
}

long CObjectTreeControl::CreateChildDisplayHandle(CObjectDisplay* display, CPersistObject* object, int)
{
    auto* item = dynamic_cast<CObjectTreeDisplay*>(display);
    CObjectDisplay* parent = display ? display->GetParentDisplay() : nullptr;
    if (!item || !parent || !m_hWnd)
        return 0;
    HTREEITEM parentItem = TVI_ROOT;
    if (parent != this) {
        auto* parentTree = dynamic_cast<CObjectTreeDisplay*>(parent);
        if (!parentTree || !parentTree->GetTreeItem())
            return 0;
        parentItem = parentTree->GetTreeItem();
    }
    int image = GetObjectImage(object);
    HTREEITEM handle = InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM, GetObjectText(object, 0, false),
                                  image, image, 0, 0, reinterpret_cast<LPARAM>(display), parentItem, TVI_LAST);
    item->SetTreeItem(handle);
    return reinterpret_cast<long>(handle);
}

void CObjectTreeControl::DisposeChildDisplayHandle(CObjectDisplay* display)
{
    auto* item = dynamic_cast<CObjectTreeDisplay*>(display);
    if (!item || !item->GetTreeItem())
        return;
    HTREEITEM handle = item->GetTreeItem();
    item->SetTreeItem(nullptr);
    // The items below go with it; their displays must not delete them again.
    CObjectTreeDisplay::ForgetTreeItems(item);
    if (m_hWnd)
        DeleteItem(handle);
}

long CObjectTreeControl::GetChildDisplayHandle(CObjectDisplay* display)
{
    auto* item = dynamic_cast<CObjectTreeDisplay*>(display);
    return item ? reinterpret_cast<long>(item->GetTreeItem()) : 0;
}

void CObjectTreeControl::GetSelection(CPointerList& selection)
{
    selection.RemoveAll();
    CObjectTreeDisplay::CollectSelection(this, selection);
}

int CObjectTreeControl::GetSelectionCount()
{
    return CObjectTreeDisplay::CountSelection(this);
}

CObjectDisplay* CObjectTreeControl::GetSelection()
{
    return CObjectTreeDisplay::FirstSelected(this);
}

CObjectDisplay* CObjectTreeControl::GetItemDisplay(HTREEITEM item)
{
    return item && m_hWnd ? reinterpret_cast<CObjectDisplay*>(GetItemData(item)) : nullptr;
}

CObjectDisplay* CObjectTreeControl::GetHitDisplay(CPoint point)
{
    if (!m_hWnd)
        return nullptr;
    UINT flags = 0;
    HTREEITEM item = HitTest(point, &flags);
    return (flags & TVHT_ONITEM) ? GetItemDisplay(item) : nullptr;
}

BOOL CObjectTreeControl::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    if (cs.style & WS_BORDER) {
        cs.style &= ~WS_BORDER;
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
    }
    return CTreeCtrl::PreCreateWindow(cs);
}

int CObjectTreeControl::OnCreate(LPCREATESTRUCT cs)
{
    int result = CTreeCtrl::OnCreate(cs);
    if (result == -1)
        return -1;
    int width = 48;
    int height = 48;
    UINT resource = GetImageListResource(width, height);
    if (resource && mImageList.Create(width, height, ILC_COLORDDB | ILC_MASK, 0, 1)) {
        CBitmap bitmap;
        if (bitmap.LoadBitmap(resource))
            mImageList.Add(static_cast<HBITMAP>(bitmap), RGB(0, 0, 0));
        SetImageList(&mImageList, TVSIL_NORMAL);
        SetImageList(&mImageList, TVSIL_STATE);
    }
    return result;
}

void CObjectTreeControl::OnDestroy()
{
    Unbind();
    CTreeCtrl::OnDestroy();
}

void CObjectTreeControl::OnSelchanged(NMHDR* notice, LRESULT* result)
{
    *result = 0;
    CObjectDisplay* display = GetItemDisplay(reinterpret_cast<NMTREEVIEW*>(notice)->itemNew.hItem);
    if (!display)
        return;
    StopBroadcasting();
    SelectAll(false);
    StartBroadcasting();
    display->Select(true);
}

void CObjectTreeControl::OnEndlabeledit(NMHDR* notice, LRESULT* result)
{
    *result = FALSE;
    TVITEM& item = reinterpret_cast<NMTVDISPINFO*>(notice)->item;
    CObjectDisplay* display = item.pszText ? GetItemDisplay(item.hItem) : nullptr;
    if (!display)
        return;
    display->SetObjectText(item.pszText, 0);
    SetItemText(item.hItem, GetObjectText(display->GetObjectA(), 0, false));
}

LRESULT CObjectTreeControl::OnHitObject(WPARAM, LPARAM lParam)
{
    auto* hit = reinterpret_cast<SPersistObjectHit*>(lParam);
    if (hit)
        if (CObjectDisplay* display = GetHitDisplay(CPoint(hit->x, hit->y)))
            hit->object = display->GetObjectA();
    return 0;
}

void CObjectTreeControl::OnLButtonDown(UINT flags, CPoint point)
{
    CTreeCtrl::OnLButtonDown(flags, point);
    CObjectDisplay* display = GetHitDisplay(point);
    if (!display)
        return;
    // The object's address, whole: it is only good inside this process.
    CPersistObject* object = display->GetObjectA();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof object);
    if (!block)
        return;
    std::memcpy(GlobalLock(block), &object, sizeof object);
    GlobalUnlock(block);
    COleDataSource source;
    source.CacheGlobalData(CPersistObjectDropTarget::sPersistObjectFormat, block);
    source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK);
}
