#pragma once
// The tree view: items with text, images, data and state under parents, expanding and
// collapsing, the selected (caret) and drop-highlighted items, sorting and hit testing.
// Clicks and keys notify the parent as a user's do; handles of deleted items are refused.
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlItemView.h"

#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

class CtlTreeView : public CtlItemView {
public:
    struct Item {
        std::string text;
        bool callback = false;
        int image = 0;
        int selectedImage = 0;
        UINT state = 0;
        LPARAM param = 0;
        int children = 0; // cChildren as given (1: has a button before any child exists)
        Item* parent = nullptr;
        std::vector<std::unique_ptr<Item>> kids;
    };

    explicit CtlTreeView(DWORD style = 0);
    ~CtlTreeView() override;

    HTREEITEM Selected() const { return Handle(m_caret); }
    HTREEITEM DropHighlight() const { return Handle(m_drop); }
    const Item* ItemOf(HTREEITEM handle) const;
    int Count() const { return static_cast<int>(m_live.size()); }
    // Items on screen from the top: those whose ancestors are all expanded.
    std::vector<HTREEITEM> VisibleItems() const;
    RECT ItemRect(HTREEITEM item, bool textOnly) const;
    HTREEITEM HitTest(POINT point, UINT& flags) const;

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

    // A user's actions.
    void UserClick(POINT point, UINT keys = 0) override;
    void UserDoubleClick(POINT point) override;
    void UserRightClick(POINT point) override;
    void UserKey(UINT key) override;
    void UserEditLabel(HTREEITEM item, const char* text);
    // Opens the in-place edit box over an item's label (TVS_EDITLABELS, F2); its window, or null.
    HWND EditLabel(HTREEITEM item);

    static constexpr int kRowHeight = 16;
    static constexpr int kIconWidth = 16;

private:
    static HTREEITEM Handle(const Item* item) { return reinterpret_cast<HTREEITEM>(const_cast<Item*>(item)); }
    Item* Find(HTREEITEM handle) const;
    HTREEITEM Insert(const TVINSERTSTRUCT& insert);
    bool Delete(HTREEITEM handle);
    void Forget(Item& item);
    bool GetItem(TVITEM& item) const;
    bool SetItem(const TVITEM& item);
    HTREEITEM Next(HTREEITEM item, UINT flag) const;
    bool Select(Item* item, UINT action);
    bool Expand(Item* item, UINT code, bool user);
    void Sort(Item* parent, bool recurse);
    int Depth(const Item& item) const;
    bool HasButton(const Item& item) const;
    std::vector<std::unique_ptr<Item>>& Siblings(Item* parent);
    void FillNotice(NMTREEVIEW& notice, const Item* oldItem, const Item* newItem, UINT action) const;
    std::string TextOf(const Item& item) const;

    Item m_root;
    std::unordered_set<const Item*> m_live;
    Item* m_caret = nullptr;
    Item* m_drop = nullptr;
    void EndLabel(HTREEITEM item, const std::string* text);

    HANDLE m_images[3] = {};
    int m_indent = 19;
    int m_top = 0;
};
