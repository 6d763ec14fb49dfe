#include "CObjectInspectorDialog.h"
#include "CObjectPropertyDialog.h"
#include "CPersistObject.h"
#include "CPersistStorage.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class Leaf : public CPersistObject {
public:
    void SaveSelf(const char* n, CPersistStorage& s) override
    {
        CPersistObject::SaveSelf(n, s);
        s.Save("Rate", LONG(180));
    }
};

class Branch : public CPersistObject {
public:
    void SaveSelf(const char* n, CPersistStorage& s) override
    {
        CPersistObject::SaveSelf(n, s);
        s.Save("Voice", "Anna");
        leaf.Save("Leaf", s);
    }
    Leaf leaf;
};

void Dump(CTreeCtrl& tree, HTREEITEM parent, const std::string& indent, std::vector<std::string>& out)
{
    for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item)) {
        std::string text = std::string(tree.GetItemText(item));
        if (text.rfind("obj ", 0) != 0) out.push_back(indent + text);
        Dump(tree, item, indent + "  ", out);
    }
}

TEST(ObjectInspector, ShowsNestedObjectsAsNestedItems)
{
    Branch branch;
    std::vector<std::string> items;
    MvScriptModal([&](HWND h) {
        char caption[64] = {};
        ::GetWindowTextA(h, caption, sizeof caption);
        EXPECT_STREQ(caption, "Object Inspector");
        auto* tree = static_cast<CTreeCtrl*>(CWnd::FromHandle(::GetDlgItem(h, 10088)));
        Dump(*tree, TVI_ROOT, "", items);
        ::SendMessageA(h, WM_COMMAND, IDOK, 0);
    });
    CObjectInspectorDialog::ShowObject(&branch);
    EXPECT_EQ(items, (std::vector<std::string>{"Object", "  Voice: Anna", "  Leaf", "    Rate: 180"}));
}

TEST(ObjectInspector, PropertyListShowsEveryValue)
{
    Branch branch;
    std::vector<std::string> rows;
    MvScriptModal([&](HWND h) {
        auto* list = static_cast<CListCtrl*>(CWnd::FromHandle(::GetDlgItem(h, 10089)));
        for (int i = 0; i < list->GetItemCount(); ++i)
            rows.push_back(std::string(list->GetItemText(i, 0)) + "=" + std::string(list->GetItemText(i, 1)));
        ::SendMessageA(h, WM_COMMAND, IDOK, 0);
    });
    CObjectPropertyDialog::ShowObject(&branch);
    EXPECT_NE(std::find(rows.begin(), rows.end(), "Voice=Anna"), rows.end());
    EXPECT_NE(std::find(rows.begin(), rows.end(), "Rate=180"), rows.end());
}

TEST(ObjectInspector, NullObjectShowsNothing)
{
    bool shown = false;
    MvSetModalHandler([&](HWND h) {
        shown = true;
        ::SendMessageA(h, WM_COMMAND, IDOK, 0);
    });
    CObjectInspectorDialog::ShowObject(nullptr);
    CObjectPropertyDialog::ShowObject(nullptr);
    MvSetModalHandler(nullptr);
    EXPECT_FALSE(shown);
}

} // namespace
