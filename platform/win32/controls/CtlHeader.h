#pragma once
// The header control: items with text, width, format, image and data. With HDS_BUTTONS a
// click on an item is announced to the parent (HDN_ITEMCLICK).
#include "win32/controls/CtlModel.h"

#include <string>
#include <vector>

class CtlHeader : public CtlModel {
public:
    struct Item {
        std::string text;
        int width = 100;
        int format = 0;
        int image = -1;
        LPARAM param = 0;
        HBITMAP bitmap = nullptr;
    };

    explicit CtlHeader(DWORD style = 0) : CtlModel(style) {}

    const std::vector<Item>& Items() const { return m_items; }
    int Count() const { return static_cast<int>(m_items.size()); }
    // Left and right edges of an item in client coordinates.
    RECT ItemRect(int index) const;
    int ItemAt(POINT point) const;
    HANDLE ImageList() const { return m_images; }

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

    void UserClick(int index);

    static constexpr int kHeight = 20;

    // For the list view that owns the items.
    int Insert(int index, const Item& item);
    bool Remove(int index);
    Item* At(int index);

private:
    std::vector<Item> m_items;
    HANDLE m_images = nullptr;
};
