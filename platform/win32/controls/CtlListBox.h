#pragma once
// The list box: single, multiple and extended selection, sorted and owner-drawn lists, item
// data; LBN_SELCHANGE and LBN_DBLCLK only for a user's clicks and keys, with LBS_NOTIFY.
#include "win32/controls/CtlListModel.h"

class CtlListBox : public CtlListModel {
public:
    explicit CtlListBox(DWORD style = 0);

    bool IsMultiple() const;
    int CurSel() const;
    bool IsSelected(int index) const;
    int Caret() const { return m_caret; }

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    // Owner-drawn: every item in view.
    void Paint(HDC dc) override;

    // A user's click on an item: control and shift as with the keys held down.
    void UserClick(int index, bool control = false, bool shift = false);
    void UserDoubleClick(int index);
    void UserStep(int delta);
    // The item under a client point (-1 when none).
    int ItemAt(POINT point) const;

protected:
    bool IsSorted() const override;
    void ItemRemoved(int index) override;
    void ItemInserted(int index) override;

private:
    void SelectOnly(int index);
    void Notify(int code);
    static Op OpOf(UINT message, bool& found);

    int m_caret = -1;
    int m_anchor = -1;
};
