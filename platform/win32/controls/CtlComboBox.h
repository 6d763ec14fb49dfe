#pragma once
// The combo box: simple, drop-down and drop-down list; sorted and owner-drawn lists, item
// data, the edit part with its selection, and notices only for what a user does.
#include "win32/controls/CtlListModel.h"

class CtlComboBox : public CtlListModel {
public:
    explicit CtlComboBox(DWORD style = 0);

    int CurSel() const { return m_cur; }
    const std::string& EditText() const { return m_text; }
    bool IsDropped() const { return m_dropped; }
    bool HasEdit() const;

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    // Owner-drawn: the edit part, and the list while it is dropped down.
    void Paint(HDC dc) override;

    // A user's actions.
    void UserDropDown();
    void UserCloseUp();
    // Picks an item from the list as a click does (opening the list first when needed).
    void UserPick(int index);
    // Arrow keys on the closed combo: the next or previous item.
    void UserStep(int delta);
    // Typing into the edit part (drop-down list: jumps to the next item starting with it).
    void UserType(const std::string& text);
    // The dropped-down list lies in the window below the edit part, one item a row.
    int EditHeight() const { return m_itemHeight + 6; }
    RECT ItemRect(int index) const;

protected:
    bool IsSorted() const override;
    void ItemRemoved(int index) override;
    void ItemInserted(int index) override;

private:
    void Select(int index, bool user);
    static Op OpOf(UINT message, bool& found);

    int m_cur = -1;
    std::string m_text;
    DWORD m_editStart = 0;
    DWORD m_editEnd = 0;
    bool m_dropped = false;
    int m_limit = 0;
    int m_droppedWidth = 0;
};
