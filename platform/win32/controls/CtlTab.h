#pragma once
// The tab control: items with text, image and data, the current tab, hit testing, and the
// display area (TCM_ADJUSTRECT). A click on a tab asks TCN_SELCHANGING and announces TCN_SELCHANGE.
#include "win32/controls/CtlModel.h"

#include <string>
#include <vector>

class CtlTab : public CtlModel {
public:
    struct Item {
        std::string text;
        int image = -1;
        LPARAM param = 0;
        DWORD state = 0;
    };

    explicit CtlTab(DWORD style = 0) : CtlModel(style) {}

    const std::vector<Item>& Items() const { return m_items; }
    int CurSel() const { return m_cur; }
    RECT ItemRect(int index) const;
    int HitTest(POINT point) const;

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

    void UserSelect(int index);

    static constexpr int kRowHeight = 20;
    static constexpr int kMargin = 4;

private:
    int m_cur = -1;
    int m_focus = -1;
    HANDLE m_images = nullptr;
    std::vector<Item> m_items;
};
