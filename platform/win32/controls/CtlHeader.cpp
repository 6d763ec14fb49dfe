#include "win32/controls/CtlHeader.h"
#include "win32/controls/CtlBusy.h"
#include "win32/controls/CommCtrl.h"
#include "win32/CtlText.h"

#include <algorithm>

RECT CtlHeader::ItemRect(int index) const
{
    LONG x = 0;
    for (int i = 0; i < Count(); ++i) {
        LONG w = std::max(0, m_items[static_cast<size_t>(i)].width);
        if (i == index) return RECT{x, 0, x + w, kHeight};
        x += w;
    }
    return RECT{};
}

int CtlHeader::ItemAt(POINT point) const
{
    for (int i = 0; i < Count(); ++i) {
        RECT r = ItemRect(i);
        if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom) return i;
    }
    return -1;
}

CtlHeader::Item* CtlHeader::At(int index)
{
    return index >= 0 && index < Count() ? &m_items[static_cast<size_t>(index)] : nullptr;
}

int CtlHeader::Insert(int index, const Item& item)
{
    if (index < 0) return -1;
    index = std::min(index, Count());
    m_items.insert(m_items.begin() + index, item);
    Changed();
    return index;
}

bool CtlHeader::Remove(int index)
{
    if (!At(index)) return false;
    m_items.erase(m_items.begin() + index);
    Changed();
    return true;
}

static void Apply(const HDITEM& in, CtlHeader::Item& item)
{
    if (in.mask & HDI_WIDTH) item.width = in.cxy;
    if ((in.mask & HDI_TEXT) && in.pszText != LPSTR_TEXTCALLBACK) item.text = in.pszText ? in.pszText : "";
    if (in.mask & HDI_FORMAT) item.format = in.fmt;
    if (in.mask & HDI_IMAGE) item.image = in.iImage;
    if (in.mask & HDI_LPARAM) item.param = in.lParam;
    if (in.mask & HDI_BITMAP) item.bitmap = in.hbm;
}

LRESULT CtlHeader::Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    handled = true;
    auto index = static_cast<int>(static_cast<intptr_t>(wParam));
    switch (message) {
    case HDM_GETITEMCOUNT:
        return Count();
    case HDM_INSERTITEM: {
        auto* in = reinterpret_cast<const HDITEM*>(lParam);
        if (!in) return -1;
        Item item;
        Apply(*in, item);
        return Insert(index, item);
    }
    case HDM_DELETEITEM:
        return Remove(index) ? TRUE : FALSE;
    case HDM_GETITEM: {
        auto* out = reinterpret_cast<HDITEM*>(lParam);
        Item* item = At(index);
        if (!out || !item) return FALSE;
        if (out->mask & HDI_WIDTH) out->cxy = item->width;
        if (out->mask & HDI_TEXT) CtlCopyOut(item->text, out->pszText, out->cchTextMax);
        if (out->mask & HDI_FORMAT) out->fmt = item->format;
        if (out->mask & HDI_IMAGE) out->iImage = item->image;
        if (out->mask & HDI_LPARAM) out->lParam = item->param;
        if (out->mask & HDI_BITMAP) out->hbm = item->bitmap;
        return TRUE;
    }
    case HDM_SETITEM: {
        auto* in = reinterpret_cast<const HDITEM*>(lParam);
        Item* item = At(index);
        if (!in || !item) return FALSE;
        Apply(*in, *item);
        Changed();
        return TRUE;
    }
    case HDM_GETITEMRECT:
        if (!At(index) || !lParam) return FALSE;
        *reinterpret_cast<RECT*>(lParam) = ItemRect(index);
        return TRUE;
    case HDM_SETIMAGELIST: {
        HANDLE old = m_images;
        m_images = reinterpret_cast<HANDLE>(lParam);
        Changed();
        return reinterpret_cast<LRESULT>(old);
    }
    case HDM_GETIMAGELIST:
        return reinterpret_cast<LRESULT>(m_images);
    case WM_LBUTTONDOWN:
        UserClick(ItemAt(CtlModel::PointOf(lParam)));
        return 0;
    default:
        handled = false;
        return 0;
    }
}

void CtlHeader::UserClick(int index)
{
    CtlBusy busy;
    if (!IsEnabled() || !At(index) || !(Style() & HDS_BUTTONS)) return;
    NMHEADER notice{};
    notice.iItem = index;
    notice.iButton = 0;
    Notify(notice.hdr, HDN_ITEMCLICK);
}
