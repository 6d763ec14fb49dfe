#pragma once
// What a combo box and a list box share: items with text and item data, sorted insertion
// (asking the parent to compare owner-drawn items without strings), case-blind searches,
// and WM_DELETEITEM for owner-drawn items.
#include "win32/controls/CtlModel.h"

#include <string>
#include <vector>

struct CtlListItem {
    std::string text;
    DWORD_PTR data = 0;
    bool selected = false;
};

class CtlListModel : public CtlModel {
public:
    CtlListModel(DWORD style, UINT ownerDrawType);

    int Count() const { return static_cast<int>(m_items.size()); }
    const std::vector<CtlListItem>& Items() const { return m_items; }
    std::string ItemText(int index) const;
    int TopIndex() const { return m_top; }
    int ItemHeight() const { return m_itemHeight; }

    // -1 when none; searches start after `after` and wrap, -1 searches the whole list.
    int FindPrefix(int after, const std::string& text) const;
    int FindExact(int after, const std::string& text) const;
    bool IsOwnerDrawn() const { return m_ownerDrawn; }
    // Asks the parent to draw item `index` (-1: none) of an owner-drawn list into rect.
    void DrawListItem(HDC dc, int index, UINT state, RECT rect);

protected:
    // The operations both controls have under different message numbers.
    enum class Op { Add, Insert, Delete, Reset, Count, GetText, GetTextLen, Find, FindExact, GetData, SetData,
                    SetHeight, GetHeight, GetTop, SetTop };
    LRESULT HandleList(Op op, WPARAM wParam, LPARAM lParam);
    virtual bool IsSorted() const = 0;
    bool HasStrings() const;
    virtual void ItemRemoved(int index) = 0;
    virtual void ItemInserted(int index) = 0;
    int Insert(int index, LPARAM value);
    bool Remove(int index);
    void RemoveAll();

    std::vector<CtlListItem> m_items;
    int m_top = 0;
    int m_itemHeight = 16;

private:
    int Compare(LPARAM value, int index);
    void Deleted(int index, const CtlListItem& item);

    UINT m_odType;
    bool m_ownerDrawn;
};
