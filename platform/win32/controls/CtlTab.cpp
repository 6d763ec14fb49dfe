#include "win32/controls/CtlTab.h"
#include "win32/controls/CtlBusy.h"
#include "win32/controls/CommCtrl.h"
#include "win32/CtlText.h"

#include <algorithm>

RECT CtlTab::ItemRect(int index) const
{
    LONG x = 2;
    for (int i = 0; i < static_cast<int>(m_items.size()); ++i) {
        LONG width = std::max<LONG>(40, 12 + 7 * static_cast<LONG>(m_items[static_cast<size_t>(i)].text.size()));
        if (i == index) return RECT{x, 2, x + width, 2 + kRowHeight};
        x += width;
    }
    return RECT{};
}

int CtlTab::HitTest(POINT point) const
{
    for (int i = 0; i < static_cast<int>(m_items.size()); ++i) {
        RECT r = ItemRect(i);
        if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom) return i;
    }
    return -1;
}

static void CopyItem(const TCITEM& in, CtlTab::Item& item)
{
    if ((in.mask & TCIF_TEXT) && in.pszText) item.text = in.pszText;
    if (in.mask & TCIF_IMAGE) item.image = in.iImage;
    if (in.mask & TCIF_PARAM) item.param = in.lParam;
    if (in.mask & TCIF_STATE) item.state = (item.state & ~in.dwStateMask) | (in.dwState & in.dwStateMask);
}

LRESULT CtlTab::Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    handled = true;
    auto index = static_cast<int>(static_cast<intptr_t>(wParam));
    bool valid = index >= 0 && index < static_cast<int>(m_items.size());
    switch (message) {
    case TCM_GETITEMCOUNT:
        return static_cast<LRESULT>(m_items.size());
    case TCM_INSERTITEM: {
        auto* in = reinterpret_cast<const TCITEM*>(lParam);
        if (!in || index < 0) return -1;
        index = std::min(index, static_cast<int>(m_items.size()));
        Item item;
        CopyItem(*in, item);
        m_items.insert(m_items.begin() + index, item);
        if (m_cur >= index) ++m_cur;
        if (m_cur < 0) m_cur = 0;
        Changed();
        return index;
    }
    case TCM_SETITEM:
        if (!valid || !lParam) return FALSE;
        CopyItem(*reinterpret_cast<const TCITEM*>(lParam), m_items[static_cast<size_t>(index)]);
        Changed();
        return TRUE;
    case TCM_GETITEM: {
        auto* out = reinterpret_cast<TCITEM*>(lParam);
        if (!valid || !out) return FALSE;
        const Item& item = m_items[static_cast<size_t>(index)];
        if (out->mask & TCIF_TEXT) CtlCopyOut(item.text, out->pszText, out->cchTextMax);
        if (out->mask & TCIF_IMAGE) out->iImage = item.image;
        if (out->mask & TCIF_PARAM) out->lParam = item.param;
        if (out->mask & TCIF_STATE) out->dwState = item.state & out->dwStateMask;
        return TRUE;
    }
    case TCM_DELETEITEM:
        if (!valid) return FALSE;
        m_items.erase(m_items.begin() + index);
        if (m_cur == index) m_cur = -1;
        else if (m_cur > index) --m_cur;
        Changed();
        return TRUE;
    case TCM_DELETEALLITEMS:
        m_items.clear();
        m_cur = m_focus = -1;
        Changed();
        return TRUE;
    case TCM_GETCURSEL:
        return m_cur;
    case TCM_SETCURSEL: {
        if (!valid) return -1;
        int old = m_cur;
        m_cur = index;
        Changed();
        return old;
    }
    case TCM_GETCURFOCUS:
        return m_focus >= 0 ? m_focus : m_cur;
    case TCM_SETCURFOCUS:
        if (valid) m_focus = index;
        return 0;
    case TCM_GETITEMRECT:
        if (!valid || !lParam) return FALSE;
        *reinterpret_cast<RECT*>(lParam) = ItemRect(index);
        return TRUE;
    case TCM_HITTEST: {
        auto* info = reinterpret_cast<TCHITTESTINFO*>(lParam);
        if (!info) return -1;
        int hit = HitTest(info->pt);
        info->flags = hit < 0 ? TCHT_NOWHERE : TCHT_ONITEM;
        return hit;
    }
    case TCM_GETROWCOUNT:
        return 1;
    case TCM_ADJUSTRECT: {
        // The display area lies below the row of tabs, inside a border.
        auto* r = reinterpret_cast<RECT*>(lParam);
        if (!r) return 0;
        int top = kRowHeight + kMargin;
        if (wParam) {
            r->left -= kMargin;
            r->right += kMargin;
            r->top -= top;
            r->bottom += kMargin;
        } else {
            r->left += kMargin;
            r->right -= kMargin;
            r->top += top;
            r->bottom -= kMargin;
        }
        return 0;
    }
    case TCM_SETIMAGELIST: {
        HANDLE old = m_images;
        m_images = reinterpret_cast<HANDLE>(lParam);
        return reinterpret_cast<LRESULT>(old);
    }
    case TCM_GETIMAGELIST:
        return reinterpret_cast<LRESULT>(m_images);
    case WM_LBUTTONDOWN:
        UserSelect(HitTest(CtlModel::PointOf(lParam)));
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_LEFT || wParam == VK_RIGHT) {
            if (m_cur >= 0) UserSelect(m_cur + (wParam == VK_LEFT ? -1 : 1));
            return 0;
        }
        handled = false;
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    default:
        handled = false;
        return 0;
    }
}

void CtlTab::UserSelect(int index)
{
    CtlBusy busy;
    if (!IsEnabled() || index < 0 || index >= static_cast<int>(m_items.size())) return;
    if (Host()) Host()->TakeFocus();
    if (index == m_cur) return;
    NMHDR header{};
    if (Notify(header, TCN_SELCHANGING)) return; // the parent refused
    m_cur = m_focus = index;
    Changed();
    Notify(header, TCN_SELCHANGE);
}
