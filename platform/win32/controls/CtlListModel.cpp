#include "win32/controls/CtlListModel.h"
#include "win32/controls/CtlMessages.h"
#include "win32/CtlText.h"

#include <cstring>

CtlListModel::CtlListModel(DWORD style, UINT ownerDrawType)
    : CtlModel(style), m_odType(ownerDrawType)
{
    DWORD drawn = ownerDrawType == ODT_COMBOBOX ? (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)
                                                : (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE);
    m_ownerDrawn = (style & drawn) != 0;
}

bool CtlListModel::HasStrings() const
{
    DWORD has = m_odType == ODT_COMBOBOX ? CBS_HASSTRINGS : LBS_HASSTRINGS;
    return !m_ownerDrawn || (Style() & has);
}

std::string CtlListModel::ItemText(int index) const
{
    return index >= 0 && index < Count() ? m_items[static_cast<size_t>(index)].text : std::string();
}

template <typename Match>
static int FindFrom(const std::vector<CtlListItem>& items, int after, Match match)
{
    int n = static_cast<int>(items.size());
    if (after < -1 || after >= n) after = -1;
    for (int k = 1; k <= n; ++k) {
        int i = (after + k) % n;
        if (match(items[static_cast<size_t>(i)])) return i;
    }
    return -1;
}

int CtlListModel::FindPrefix(int after, const std::string& text) const
{
    return FindFrom(m_items, after, [&](const CtlListItem& item) { return CtlStartsNoCase(item.text, text); });
}

int CtlListModel::FindExact(int after, const std::string& text) const
{
    return FindFrom(m_items, after, [&](const CtlListItem& item) { return CtlCompareNoCase(item.text, text) == 0; });
}

int CtlListModel::Compare(LPARAM value, int index)
{
    const auto& item = m_items[static_cast<size_t>(index)];
    if (HasStrings()) return CtlCompareNoCase(CtlTextArg(value), item.text);
    // Owner-drawn items without strings are ordered by the parent; the new item is number -1.
    COMPAREITEMSTRUCT compare{m_odType, Id(), Window(), static_cast<UINT>(-1), static_cast<DWORD_PTR>(value),
                              static_cast<UINT>(index), item.data, 0};
    return static_cast<int>(ToParent(WM_COMPAREITEM, Id(), reinterpret_cast<LPARAM>(&compare)));
}

int CtlListModel::Insert(int index, LPARAM value)
{
    int n = Count();
    if (index < -1 || index > n) return -1;
    if (index == -1) index = n;
    CtlListItem item;
    if (HasStrings())
        item.text = CtlTextArg(value);
    else
        item.data = static_cast<DWORD_PTR>(value);
    m_items.insert(m_items.begin() + index, std::move(item));
    ItemInserted(index);
    Changed();
    return index;
}

void CtlListModel::DrawListItem(HDC dc, int index, UINT state, RECT rect)
{
    DWORD_PTR data = index >= 0 && index < Count() ? m_items[static_cast<size_t>(index)].data : 0;
    DrawOwnerItem(m_odType, static_cast<UINT>(index), state, dc, rect, data);
}

void CtlListModel::Deleted(int index, const CtlListItem& item)
{
    if (!m_ownerDrawn) return;
    DELETEITEMSTRUCT deleted{m_odType, Id(), static_cast<UINT>(index), Window(), item.data};
    ToParent(WM_DELETEITEM, Id(), reinterpret_cast<LPARAM>(&deleted));
}

bool CtlListModel::Remove(int index)
{
    if (index < 0 || index >= Count()) return false;
    CtlListItem item = m_items[static_cast<size_t>(index)];
    m_items.erase(m_items.begin() + index);
    ItemRemoved(index);
    Deleted(index, item);
    Changed();
    return true;
}

void CtlListModel::RemoveAll()
{
    while (!m_items.empty()) Remove(Count() - 1);
    m_top = 0;
}

LRESULT CtlListModel::HandleList(Op op, WPARAM wParam, LPARAM lParam)
{
    auto index = static_cast<int>(static_cast<intptr_t>(wParam));
    bool valid = index >= 0 && index < Count();
    switch (op) {
    case Op::Add: {
        int at = Count();
        if (IsSorted()) {
            at = 0;
            while (at < Count() && Compare(lParam, at) >= 0) ++at;
        }
        return Insert(at, lParam);
    }
    case Op::Insert:
        return Insert(index, lParam);
    case Op::Delete:
        return Remove(index) ? Count() : -1;
    case Op::Reset:
        RemoveAll();
        return 0;
    case Op::Count:
        return Count();
    case Op::GetText: {
        if (!valid || !lParam) return -1;
        const auto& item = m_items[static_cast<size_t>(index)];
        if (!HasStrings()) {
            std::memcpy(reinterpret_cast<void*>(lParam), &item.data, sizeof item.data);
            return sizeof item.data;
        }
        // The caller sized the buffer from the text length.
        std::memcpy(reinterpret_cast<char*>(lParam), item.text.c_str(), item.text.size() + 1);
        return static_cast<LRESULT>(item.text.size());
    }
    case Op::GetTextLen:
        if (!valid) return -1;
        return HasStrings() ? static_cast<LRESULT>(m_items[static_cast<size_t>(index)].text.size()) : sizeof(DWORD_PTR);
    case Op::Find:
    case Op::FindExact:
        // Without strings both searches look for the item data.
        if (!HasStrings())
            return FindFrom(m_items, index, [&](const CtlListItem& item) { return item.data == static_cast<DWORD_PTR>(lParam); });
        return op == Op::Find ? FindPrefix(index, CtlTextArg(lParam)) : FindExact(index, CtlTextArg(lParam));
    case Op::GetData:
        return valid ? static_cast<LRESULT>(m_items[static_cast<size_t>(index)].data) : -1;
    case Op::SetData:
        if (!valid) return -1;
        m_items[static_cast<size_t>(index)].data = static_cast<DWORD_PTR>(lParam);
        Changed();
        return 0;
    case Op::SetHeight:
        if (LOWORD(lParam) == 0 || LOWORD(lParam) > 255) return -1;
        m_itemHeight = LOWORD(lParam);
        Changed();
        return 0;
    case Op::GetHeight:
        return m_itemHeight;
    case Op::GetTop:
        return m_top;
    case Op::SetTop:
        if (!valid) return -1;
        m_top = index;
        Changed();
        return 0;
    }
    return -1;
}
